#include "sim/touchstonewriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace norvane {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Stands in for a value that is not finite, as in the result file: no reader takes "inf".
constexpr double kNonFinite = 1e30;

// The shortest text that reads back as the same double (at most 17 significant digits).
std::string number(double x)
{
  if (std::isnan(x)) {
    x = 0.0;
  } else if (std::isinf(x)) {
    x = x > 0 ? kNonFinite : -kNonFinite;
  }
  std::array<char, 32> buf{};
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), x);
  return std::string(buf.data(), r.ptr);
}

void appendPair(std::string& line, Complex s)
{
  line += ' ';
  line += number(s.re);
  line += ' ';
  line += number(s.im);
}

// The noise line of a point, or empty when a figure is missing. Gamma-opt is computed against
// 50 ohm; referred to `r` here.
std::string noiseLine(const SweepPoint& p, double r)
{
  const PointNoise& n = p.noise;
  if (!n.nfminDb || !n.goptMag || !n.goptDeg || !n.rnOhm) {
    return {};
  }
  const Complex g = polarToComplex(*n.goptMag, *n.goptDeg / complexconst::kDegPerRad);
  // Z = 50 (1 + G) / (1 - G); G_r = (Z - r) / (Z + r) = ((50 - r) + (50 + r) G) / ((50 + r) + (50 -
  // r) G)
  const double a = 50.0 - r;
  const double b = 50.0 + r;
  ComplexErrors errors;
  const Complex gr = complexDiv(Complex{a, 0.0} + b * g, Complex{b, 0.0} + a * g, errors);
  if (errors.ComplexOverflow) {
    return {};
  }
  return number(p.freq) + ' ' + number(*n.nfminDb) + ' ' + number(complexAbs(gr)) + ' ' +
         number(complexPhaseDeg(gr)) + ' ' + number(*n.rnOhm / r);
}

} // namespace

int touchstonePorts(const std::vector<SweepPoint>& points)
{
  if (points.empty()) {
    return 0;
  }
  return (points.front().port1 ? 1 : 0) + (points.front().port2 ? 1 : 0);
}

std::string touchstoneExtension(const std::vector<SweepPoint>& points)
{
  return touchstonePorts(points) == 1 ? ".s1p" : ".s2p";
}

std::string touchstoneText(const std::vector<SweepPoint>& points, const TouchstoneSource& source,
                           bool noise)
{
  const int ports = touchstonePorts(points);
  const bool onlyPort2 = ports == 1 && !points.front().port1;
  const double zFirst = onlyPort2 ? source.z2 : source.z1;
  const bool version2 = ports == 2 && source.z1 != source.z2;

  // The records first: version 2 counts them in its header.
  std::vector<std::string> records;
  records.reserve(points.size());
  for (const SweepPoint& p : points) {
    std::string line = number(p.freq);
    if (ports == 2) {
      if (!p.excited1 || !p.excited2) {
        continue;
      }
      appendPair(line, p.s11);
      appendPair(line, version2 ? p.s12 : p.s21);
      appendPair(line, version2 ? p.s21 : p.s12);
      appendPair(line, p.s22);
    } else if (ports == 1) {
      if (onlyPort2 ? !p.hasS22() : !p.hasS11()) {
        continue;
      }
      appendPair(line, onlyPort2 ? p.s22 : p.s11);
    }
    records.push_back(std::move(line));
  }

  std::vector<std::string> noiseLines;
  if (noise && ports == 2) {
    for (const SweepPoint& p : points) {
      if (std::string line = noiseLine(p, source.z1); !line.empty()) {
        noiseLines.push_back(std::move(line));
      }
    }
  }

  std::string text;
  const auto put = [&text](const std::string& line) {
    text += line;
    text += kLineEnd;
  };
  put("! " + source.program + " S-parameters" +
      (onlyPort2 ? " (S22 of port 2 as a 1-port)" : std::string()));
  put("! Schematic: " + source.schematic);
  put("! Date: " + source.date);
  if (version2) {
    put("[Version] 2.0");
  }
  put("# Hz S RI R " + number(zFirst));
  if (version2) {
    put("[Number of Ports] 2");
    put("[Two-Port Data Order] 12_21");
    put("[Number of Frequencies] " + std::to_string(records.size()));
    if (!noiseLines.empty()) {
      put("[Number of Noise Frequencies] " + std::to_string(noiseLines.size()));
    }
    put("[Reference] " + number(source.z1) + " " + number(source.z2));
    put("[Network Data]");
  }
  for (const std::string& r : records) {
    put(r);
  }
  if (!noiseLines.empty()) {
    put(version2 ? "[Noise Data]" : "! Noise parameters: f NFmin(dB) |Gamma-opt| angle(deg) Rn/R");
    for (const std::string& line : noiseLines) {
      put(line);
    }
  }
  if (version2) {
    put("[End]");
  }
  return text;
}

std::string utcDateText(std::time_t t)
{
  std::tm utc{};
  gmtime_r(&t, &utc);
  char buf[40];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S UTC", &utc);
  return buf;
}

} // namespace norvane
