#include "assist/txlines.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"

#include "numbers/valuetext.h"

#include <cmath>

namespace norvane {

using calcconst::kPi;

namespace {

// Ranges where the closed-form line formulas hold to the accuracy their authors give.
// Wheeler's / Hammerstad's microstrip impedance and effective permittivity: about 1 % for
// 0.05 <= W/H <= 20 and Er <= 16 (Bahl and Trivedi, "A designer's guide to microstrip line",
// Microwaves, May 1977).
constexpr double kMicrostripMinWidthRatio = 0.05;
constexpr double kMicrostripMaxWidthRatio = 20.0;
constexpr double kMicrostripMaxPermittivity = 16.0;
// The effective-width and permittivity corrections for the strip thickness hold for T < H and
// T < W/2 (Gupta, Garg and Bahl, "Microstrip Lines and Slotlines", 1979, ch. 2); beyond that
// the impedance even rises again with a thicker track.
constexpr double kMicrostripMaxThicknessRatio = 1.0;   // T/H
constexpr double kMicrostripMaxThicknessToWidth = 0.5; // T/W
// Wheeler's thick stripline formula: within 0.5 % for W/(S - T) < 10 (Wheeler, "Transmission-
// line properties of a strip line between parallel planes", IEEE MTT-26, 1978).
constexpr double kStriplineMaxWidthRatio = 10.0;

} // namespace

std::string ratioText(double x)
{
  return formatEngineering(2, x);
}

std::string outOfRangeWarning(const std::vector<std::string>& conditions)
{
  if (conditions.empty()) return {};
  std::string text = "Outside the formula's range: ";
  for (std::size_t i = 0; i < conditions.size(); ++i)
    text += (i ? ", " : "") + conditions[i];
  return text + "; the result is only a rough guide.";
}

std::vector<std::string> microstripThicknessConditions(const MicrostripInput& in)
{
  std::vector<std::string> outside;
  const double th = in.thickness / in.height;
  const double tw = in.thickness / in.width;
  if (th >= kMicrostripMaxThicknessRatio) outside.push_back("T/H " + ratioText(th) + " (below 1)");
  if (tw >= kMicrostripMaxThicknessToWidth)
    outside.push_back("T/W " + ratioText(tw) + " (below 0.5)");
  return outside;
}

double waveVelocity(double er, double ur)
{
  return calcconst::kSpeedOfLight / std::sqrt(er * ur);
}

LineLengthResult calcLineLength(const LineLengthInput& in)
{
  LineLengthResult r;
  if (!(in.velocity > 0 && in.frequency > 0)) {
    r.error = "the frequency must be above 0";
    return r;
  }
  FpGuard g;
  const double wavelength = in.velocity / in.frequency;
  r.length = g.finish(in.electricalDeg / 360.0 * wavelength, "the line length");
  r.electricalDeg = g.finish(360.0 * in.length / wavelength, "the electrical length");
  if (g.failed()) r = failedResult<LineLengthResult>(g.message());
  return r;
}

MicrostripResult calcMicrostrip(const MicrostripInput& in)
{
  MicrostripResult r;
  const double w = in.width;
  const double t = in.thickness;
  const double h = in.height;
  const double er = in.permittivity;
  if (!(w > 0 && t > 0 && h > 0)) {
    r.error = "the track width, track thickness and dielectric thickness must be above 0";
    return r;
  }
  if (!(er >= 1)) {
    r.error = "the dielectric permittivity must be at least 1";
    return r;
  }
  FpGuard g;

  // Effective width with the strip thickness (Wheeler / Bahl-Garg).
  const double u = w / h;
  const double lnTerm =
      u <= 1.0 / (2.0 * kPi) ? std::log(4.0 * kPi * w / t) : std::log(2.0 * h / t);
  const double we = u + (1.25 * t / (kPi * h)) * (1.0 + lnTerm);

  // Effective permittivity: Wheeler's narrow-strip form below u = 1.3, Hammerstad's wide-strip
  // form above, then the thickness correction.
  double ee;
  if (u < 1.3) {
    const double hw = h / w;
    const double a = std::log(std::sqrt(16.0 * hw * hw + 2.0) + 4.0 * hw);
    const double den = 1.0 - (1.0 / (2.0 * a)) * ((er - 1.0) / (er + 1.0)) *
                                 (std::log(kPi / 2.0) + std::log(4.0 / kPi) / er);
    ee = g.div((er + 1.0) / 2.0, den * den, "the narrow-strip permittivity formula fails");
  } else {
    ee = (er + 1.0) / 2.0 + ((er - 1.0) / 2.0) * std::pow(1.0 + 10.0 * h / w, -0.555);
  }
  ee -= ((er - 1.0) * t / h) / (4.6 * std::sqrt(u));
  if (ee <= 0) {
    // The thickness correction grows with T/H: it leaves no permittivity at all only far
    // outside the range where it holds (T < H).
    r.error = "the track thickness (T) is far too large for the dielectric thickness (H); the "
              "formula needs T below H";
    return r;
  }

  const double rootEe = std::sqrt(ee);
  double z0;
  if (u >= 1.0) {
    z0 = (calcconst::kWideStripImpedance / rootEe) / (we + 1.393 + 0.667 * std::log(we + 1.444));
  } else {
    z0 = (60.0 / rootEe) * g.ln(8.0 / we + 0.25 * we, "the effective width is out of range");
  }

  r.widthRatio = g.finish(u, "the width ratio");
  r.effectiveWidth = g.finish(we, "the effective width");
  r.effectivePermittivity = g.finish(ee, "the effective permittivity");
  r.impedance = g.finish(z0, "the impedance");
  r.velocity1e8 = g.finish(calcconst::kLightSpeed1e8 / rootEe, "the phase velocity");
  if (g.failed()) return failedResult<MicrostripResult>(g.message());

  std::vector<std::string> outside;
  if (u < kMicrostripMinWidthRatio || u > kMicrostripMaxWidthRatio)
    outside.push_back("W/H " + ratioText(u) + " (0.05 to 20)");
  const std::vector<std::string> thick = microstripThicknessConditions(in);
  outside.insert(outside.end(), thick.begin(), thick.end());
  if (er > kMicrostripMaxPermittivity) outside.push_back("Er " + ratioText(er) + " (up to 16)");
  r.warning = outOfRangeWarning(outside);
  return r;
}

StriplineResult calcStripline(const StriplineInput& in)
{
  StriplineResult r;
  if (!(in.width > 0 && in.thickness > 0)) {
    r.error = "the track width and thickness must be above 0";
    return r;
  }
  if (!(in.thickness < in.separation)) {
    r.error = "the track thickness (T) must be less than the ground plane separation (S)";
    return r;
  }
  if (!(in.permittivity > 0)) {
    r.error = "the dielectric permittivity must be above 0";
    return r;
  }
  FpGuard g;
  // Wheeler's thick-strip formula for a centred stripline.
  const double x = in.width / in.separation;
  const double t = in.thickness / in.separation;
  const double m = 2.0 / (1.0 + 0.6666 * t / (1.0 - t));
  const double q = std::pow(0.0796 * t / (x + 1.1 * t), m) + std::pow(t / (2.0 - t), 2.0);
  const double c =
      (t / kPi) / (1.0 - t) * (1.0 - 0.5 * g.ln(q, "the thickness term is out of range"));
  const double w = in.width / (in.separation - in.thickness) + c;
  const double bigM = g.div(calcconst::kEightOverPi, w, "the effective width is 0");
  const double n = 1.0 + g.div(4.0, kPi * w, "the effective width is 0") *
                             (bigM + std::sqrt(bigM * bigM + 6.27));
  const double rootEr = std::sqrt(in.permittivity);
  r.impedance =
      g.finish(30.0 * g.ln(n, "the impedance term is out of range") / rootEr, "the impedance");
  r.velocity1e8 = g.finish(calcconst::kLightSpeed1e8 / rootEr, "the phase velocity");
  if (g.failed()) return failedResult<StriplineResult>(g.message());
  const double widthRatio = in.width / (in.separation - in.thickness);
  if (widthRatio >= kStriplineMaxWidthRatio)
    r.warning = outOfRangeWarning({"W/(S-T) " + ratioText(widthRatio) + " (below 10)"});
  return r;
}

CoaxResult calcCoax(const CoaxInput& in)
{
  CoaxResult r;
  if (!(in.conductorDiameter > 0)) {
    r.error = "the conductor diameter (d) must be above 0";
    return r;
  }
  if (!(in.shieldDiameter > in.conductorDiameter)) {
    r.error = "the shield diameter (D) must be larger than the conductor diameter (d)";
    return r;
  }
  if (!(in.permittivity > 0)) {
    r.error = "the dielectric permittivity must be above 0";
    return r;
  }
  if (!(in.frequency >= 0)) {
    r.error = "the frequency must not be negative";
    return r;
  }
  FpGuard g;
  const double rootEr = std::sqrt(in.permittivity);
  const double ratio = in.shieldDiameter / in.conductorDiameter;
  const double lnRatio = std::log(ratio);
  r.impedance = g.finish((60.0 / rootEr) * lnRatio, "the impedance");
  // Skin-effect loss of copper inner and outer conductors; the frequency in MHz over 1000.
  const double freqMHz = in.frequency / 1e6;
  r.lossDbPerMetre = g.finish(calcconst::kCoaxCopperLoss * rootEr * std::sqrt(freqMHz / 1000.0) *
                                  (ratio + 1.0) / (in.shieldDiameter * lnRatio),
                              "the attenuation");
  r.velocity1e8 = g.finish(calcconst::kLightSpeed1e8 / rootEr, "the phase velocity");
  if (g.failed()) r = failedResult<CoaxResult>(g.message());
  return r;
}

FlatTwinResult calcFlatTwin(const FlatTwinInput& in)
{
  FlatTwinResult r;
  if (!(in.conductorDiameter > 0)) {
    r.error = "the conductor diameter (d) must be above 0";
    return r;
  }
  // s is measured centre to centre: at s = d the wires touch (0 ohm) and below it they
  // overlap, where the line has no impedance at all.
  if (!(in.separation > in.conductorDiameter)) {
    r.error = "the separation (s) must be larger than the conductor diameter (d)";
    return r;
  }
  if (!(in.permeability > 0 && in.permittivity > 0)) {
    r.error = "the relative permeability and permittivity must be above 0";
    return r;
  }
  FpGuard g;
  const double eta =
      std::sqrt(in.permeability * calcconst::kMu0 / (in.permittivity * calcconst::kEpsilon0));
  // Two parallel round wires in a uniform medium, exact for any spacing (the conformal map of
  // two cylinders): Z0 = (eta / pi) acosh(s / d). The often quoted (eta / pi) ln(2s / d) and
  // ln((s - d/2) / (d/2)) are its wide-spacing forms and read far too low for close wires.
  r.impedance =
      g.finish((eta / kPi) * std::acosh(in.separation / in.conductorDiameter), "the impedance");
  if (g.failed()) r = failedResult<FlatTwinResult>(g.message());
  return r;
}

} // namespace norvane
