#include "assist/txlinesynthesis.h"

#include "numbers/boundedreader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

namespace norvane {

namespace {

constexpr double kMm = 1e-3;
// Points of the scan over the free parameter (log spaced) and the agreement demanded of the
// refined answer: one part in a million, well inside the 0.01 % promised after the dimension
// has been written into its field with nine digits and read back.
constexpr int kScanPoints = 800;
constexpr double kAgreement = 1e-6;
constexpr int kBisections = 200;

// The impedance as a function of the free parameter t (> 0); empty outside the formula's
// domain.
using ImpedanceOf = std::function<std::optional<double>(double t)>;

struct Scan
{
  double t = 0;
  std::optional<double> z;
};

std::string ohmsText(double ohms)
{
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", ohms);
  return buffer;
}

// Finds t in [tLo, tHi] with impedance(t) = target, preferring the crossing nearest `hint`.
// `what` names the dimension in messages ("track width").
std::optional<double> solve(const ImpedanceOf& impedance, double target, double tLo, double tHi,
                            double hint, const std::string& what, std::string& error)
{
  const double logLo = std::log(tLo);
  const double logHi = std::log(tHi);
  std::vector<Scan> scan(kScanPoints);
  double zMin = std::numeric_limits<double>::infinity();
  double zMax = -zMin;
  for (int i = 0; i < kScanPoints; ++i) {
    Scan& s = scan[static_cast<size_t>(i)];
    s.t = std::exp(logLo + (logHi - logLo) * i / (kScanPoints - 1));
    s.z = impedance(s.t);
    if (s.z) {
      zMin = std::min(zMin, *s.z);
      zMax = std::max(zMax, *s.z);
    }
  }
  if (!(zMin <= zMax)) {
    error = "no " + what + " gives a valid line with the other values as they are";
    return std::nullopt;
  }
  if (target < zMin || target > zMax) {
    error = "no " + what + " gives " + ohmsText(target) +
            " ohm with the other values as they are: the impedance reaches only " +
            ohmsText(zMin) + " to " + ohmsText(zMax) + " ohm";
    return std::nullopt;
  }

  // Brackets: neighbouring scan points on either side of the target.
  const double logHint = std::log(std::clamp(hint, tLo, tHi));
  std::optional<std::pair<double, double>> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i + 1 < scan.size(); ++i) {
    const Scan& a = scan[i];
    const Scan& b = scan[i + 1];
    if (!a.z || !b.z) continue;
    if ((*a.z - target) * (*b.z - target) > 0) continue;
    const double distance = std::abs(0.5 * (std::log(a.t) + std::log(b.t)) - logHint);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = std::make_pair(a.t, b.t);
    }
  }
  if (!best) {
    error = "no " + what + " gives " + ohmsText(target) + " ohm: the formula skips over it";
    return std::nullopt;
  }

  // Bisection in log t; the sign at the low end decides which half keeps the crossing.
  double lo = best->first;
  double hi = best->second;
  const double fLo = *impedance(lo) - target;
  double bestT = lo;
  double bestF = std::abs(fLo);
  for (int i = 0; i < kBisections && bestF > kAgreement * target; ++i) {
    const double mid = std::sqrt(lo * hi);
    if (mid <= lo || mid >= hi) break;
    const std::optional<double> z = impedance(mid);
    if (!z) break;
    const double f = *z - target;
    if (std::abs(f) < bestF) {
      bestF = std::abs(f);
      bestT = mid;
    }
    if ((f < 0) == (fLo < 0))
      lo = mid;
    else
      hi = mid;
  }
  if (const auto zHi = impedance(hi); zHi && std::abs(*zHi - target) < bestF) {
    bestF = std::abs(*zHi - target);
    bestT = hi;
  }
  if (bestF > kAgreement * target) {
    // A piecewise formula that jumps across the target between its pieces.
    error = "no " + what + " gives exactly " + ohmsText(target) +
            " ohm: the formula jumps over it (nearest " + ohmsText(*impedance(bestT)) + " ohm)";
    return std::nullopt;
  }
  return bestT;
}

SynthesisResult finish(std::optional<double> dimension, std::optional<double> impedance,
                       std::string error)
{
  SynthesisResult r;
  if (dimension && impedance) {
    r.dimension = dimension;
    r.impedance = impedance;
  } else {
    r.error = error.empty() ? "no solution found" : std::move(error);
  }
  return r;
}

bool usableTarget(double targetOhms, SynthesisResult& r)
{
  if (std::isfinite(targetOhms) && targetOhms > 0) return true;
  r.error = "the wanted impedance must be above 0 ohm";
  return false;
}

} // namespace

SynthesisResult synthesizeMicrostripWidth(const MicrostripInput& in, double targetOhms)
{
  SynthesisResult r;
  if (!usableTarget(targetOhms, r)) return r;
  if (!(in.height > 0)) return finish({}, {}, "the dielectric thickness must be above 0");
  // t = W / H, from hair-thin to a hundred times as wide as the substrate is thick.
  const auto z = [in](double t) {
    MicrostripInput m = in;
    m.width = t * in.height;
    return calcMicrostrip(m).impedance;
  };
  std::string error;
  const auto t = solve(z, targetOhms, 1e-4, 1e2, in.width / in.height, "track width", error);
  if (!t) return finish({}, {}, error);
  return finish(*t * in.height, z(*t), {});
}

SynthesisResult synthesizeStriplineWidth(const StriplineInput& in, double targetOhms)
{
  SynthesisResult r;
  if (!usableTarget(targetOhms, r)) return r;
  if (!(in.separation > 0)) return finish({}, {}, "the ground plane separation must be above 0");
  // t = W / S over the same span as the microstrip's.
  const auto z = [in](double t) {
    StriplineInput s = in;
    s.width = t * in.separation;
    return calcStripline(s).impedance;
  };
  std::string error;
  const auto t =
      solve(z, targetOhms, 1e-4, 1e2, in.width / in.separation, "track width", error);
  if (!t) return finish({}, {}, error);
  return finish(*t * in.separation, z(*t), {});
}

SynthesisResult synthesizeCoaxConductor(const CoaxInput& in, double targetOhms)
{
  SynthesisResult r;
  if (!usableTarget(targetOhms, r)) return r;
  if (!(in.shieldDiameter > 0)) return finish({}, {}, "the shield diameter must be above 0");
  // t = ln(D / d): d = D e^-t runs from just inside the shield (t small) to a hair.
  const auto d = [in](double t) { return in.shieldDiameter * std::exp(-t); };
  const auto z = [in, d](double t) {
    CoaxInput c = in;
    c.conductorDiameter = d(t);
    return calcCoax(c).impedance;
  };
  const double hint = in.conductorDiameter > 0 && in.conductorDiameter < in.shieldDiameter
                          ? std::log(in.shieldDiameter / in.conductorDiameter)
                          : 1.0;
  std::string error;
  const auto t = solve(z, targetOhms, 1e-9, 50.0, hint, "conductor diameter", error);
  if (!t) return finish({}, {}, error);
  return finish(d(*t), z(*t), {});
}

SynthesisResult synthesizeFlatTwinSeparation(const FlatTwinInput& in, double targetOhms)
{
  SynthesisResult r;
  if (!usableTarget(targetOhms, r)) return r;
  if (!(in.conductorDiameter > 0))
    return finish({}, {}, "the conductor diameter must be above 0");
  // t = s / d - 1: from wires all but touching to a million diameters apart.
  const auto s = [in](double t) { return in.conductorDiameter * (1.0 + t); };
  const auto z = [in, s](double t) {
    FlatTwinInput f = in;
    f.separation = s(t);
    return calcFlatTwin(f).impedance;
  };
  const double hint = in.separation > in.conductorDiameter
                          ? in.separation / in.conductorDiameter - 1.0
                          : 1.0;
  std::string error;
  const auto t = solve(z, targetOhms, 1e-9, 1e6, hint, "separation", error);
  if (!t) return finish({}, {}, error);
  return finish(s(*t), z(*t), {});
}

const char* synthesizedFieldLabel(TxLinePage page)
{
  switch (page) {
  case TxLinePage::Microstrip:
  case TxLinePage::Stripline:
    return "Track Width (W)";
  case TxLinePage::Coax:
    return "Conductor Diameter (d)";
  case TxLinePage::FlatTwin:
    return "Separation (s)";
  }
  return "";
}

std::string dimensionText(double mm)
{
  if (!(std::isfinite(mm) && mm > 0)) return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(mm)));
  const int decimals = std::clamp(8 - magnitude, 0, 20);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, mm);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

TxLineSynthesis synthesizeTxLine(TxLinePage page, const TxLineFields& fields,
                                 const std::string& targetText)
{
  TxLineSynthesis out;
  out.fields = fields;
  static constexpr const char* kPages[] = {"Microstrip", "Stripline", "Co-axial cable",
                                           "Flat-twin"};
  const char* pageName = kPages[static_cast<int>(page)];
  FieldReader reader(pageName);
  std::string target = targetText;
  const auto ohms = reader.read(target, "Wanted Zo", NumberBounds{1e-6, 1e12});

  SynthesisResult solved;
  std::string* field = nullptr;
  switch (page) {
  case TxLinePage::Microstrip:
    if (const auto in = readMicrostripFields(out.fields.microstrip, reader); in && ohms)
      solved = synthesizeMicrostripWidth(*in, *ohms);
    field = &out.fields.microstrip.width;
    break;
  case TxLinePage::Stripline:
    if (const auto in = readStriplineFields(out.fields.stripline, reader); in && ohms)
      solved = synthesizeStriplineWidth(*in, *ohms);
    field = &out.fields.stripline.width;
    break;
  case TxLinePage::Coax:
    if (const auto in = readCoaxFields(out.fields.coax, reader); in && ohms)
      solved = synthesizeCoaxConductor(*in, *ohms);
    field = &out.fields.coax.conductorDiameter;
    break;
  case TxLinePage::FlatTwin:
    if (const auto in = readFlatTwinFields(out.fields.flatTwin, reader); in && ohms)
      solved = synthesizeFlatTwinSeparation(*in, *ohms);
    field = &out.fields.flatTwin.separation;
    break;
  }
  out.notices.notePage(reader, pageName, reader.failed() ? "" : solved.error);
  if (!reader.failed() && solved.dimension) {
    out.dimensionMm = *solved.dimension / kMm;
    *field = dimensionText(*out.dimensionMm);
  }
  return out;
}

} // namespace norvane
