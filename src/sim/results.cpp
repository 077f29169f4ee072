#include "sim/results.h"

#include <charconv>
#include <cmath>

namespace norvane {

namespace {

// Stands in for a value that is not finite (as the guarded logarithm does).
constexpr double kNonFiniteSentinel = 1e30;

double finiteOrSentinel(double x)
{
  if (std::isnan(x)) {
    return 0.0;
  }
  if (std::isinf(x)) {
    return x > 0 ? kNonFiniteSentinel : -kNonFiniteSentinel;
  }
  return x;
}

double angleDegrees(Complex s)
{
  return complexPhase(s) * kResultDegPerRad;
}

void appendNumber(std::string& line, double x, int decimals)
{
  line += formatFixed(x, decimals);
  line += ' ';
}

void appendPair(std::string& line, Complex s)
{
  appendNumber(line, complexAbs(s), 3);
  appendNumber(line, angleDegrees(s), 3);
}

// The characters of printf's "%.17g" (std::to_chars with a precision is specified to give
// them), without the format string's interpretation and locale.
void appendSignificant17(std::string& line, double x)
{
  char buf[40];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, finiteOrSentinel(x), std::chars_format::general, 17);
  line.append(buf, r.ptr);
}

void appendCsvPair(std::string& line, bool present, Complex s)
{
  line += ',';
  if (present) {
    appendSignificant17(line, s.re);
  }
  line += ',';
  if (present) {
    appendSignificant17(line, s.im);
  }
}

} // namespace

std::string formatResultFileLine(const SweepPoint& point)
{
  std::string line;
  const bool any = point.hasS11() || point.hasS22();
  if (!any) {
    return line;
  }
  // The frequency always leads, also when only port 2 is present, so that every line of the
  // file is a readable data line (a port-2-only file reads like a one-port file of S22).
  appendNumber(line, point.freq / 1e6, 6);
  if (point.hasS11()) {
    appendPair(line, point.s11);
  }
  if (point.hasS21()) {
    appendPair(line, point.s21raw);
  }
  if (point.hasS12()) {
    appendPair(line, point.s12raw);
  }
  if (point.hasS22()) {
    appendPair(line, point.s22);
  }
  return line;
}

std::string resultFileText(std::span<const SweepPoint> points)
{
  std::string text;
  text.reserve(64 + points.size() * 80);
  for (const char* line : {kResultFileHeader, kResultFileOptions}) {
    text += line;
    text += kResultFileLineEnd;
  }
  for (const SweepPoint& p : points) {
    text += formatResultFileLine(p);
    text += kResultFileLineEnd;
  }
  return text;
}

std::string formatCsvLine(const SweepPoint& point)
{
  std::string line;
  line.reserve(200);
  appendSignificant17(line, point.freq);
  appendCsvPair(line, point.hasS11(), point.s11);
  appendCsvPair(line, point.hasS21(), point.s21);
  appendCsvPair(line, point.hasS12(), point.s12);
  appendCsvPair(line, point.hasS22(), point.s22);
  return line;
}

std::string formatCsvNumber(double x)
{
  std::string text;
  appendSignificant17(text, x);
  return text;
}

} // namespace norvane
