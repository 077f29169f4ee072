// HP network analyser CITIFILEs: a header with one "DATA" line per stored parameter and a
// "SEG start stop count" line for a single linear sweep, then one BEGIN ... END block of
// "real,imaginary" lines per parameter.

#include "sim/complex.h"
#include "sim/sparamfile.h"
#include "sim/sparamfiletext.h"

#include <algorithm>
#include <cmath>

namespace norvane::sparamfile {

namespace {

// What a SEG line gives: a whole point count of at least 1, frequencies at or above zero,
// and a sweep that rises (one point may start and stop at the same frequency). The problem,
// or empty.
std::string segProblem(const std::vector<std::string_view>& f, double& start, double& stop,
                       double& count)
{
  if (f.size() < 4) {
    return "a SEG line gives start frequency, stop frequency and point count";
  }
  const DataFields n = dataNumbers(std::vector<std::string_view>(f.begin() + 1, f.begin() + 4));
  if (!n.error.empty()) {
    return n.error;
  }
  start = n.values[0];
  stop = n.values[1];
  count = n.values[2];
  if (!(count >= 1) || count != std::floor(count)) {
    return "the SEG point count is a whole number above 0";
  }
  if (start < 0.0 || stop < 0.0) {
    return "a SEG frequency is below zero";
  }
  if (count > 1 ? !(stop > start) : stop != start) {
    return "the SEG stop frequency must lie above its start";
  }
  return {};
}

} // namespace

SParamReadResult readCitifile(const std::vector<std::string_view>& lines, TwoPortDataSet& buffer)
{
  // Header, from the second line on, up to the SEG line.
  std::size_t at = 1;
  int dataBlocks = 0;
  double start = 0.0;
  double stop = 0.0;
  double fileCount = 0.0;
  bool seg = false;
  for (; at < lines.size() && !seg; ++at) {
    const std::string line = upperCase(trim(lines[at]));
    const std::vector<std::string_view> f = fields(line);
    if (f.empty()) {
      continue;
    }
    if (f[0] == "DATA") {
      ++dataBlocks;
    } else if (f[0] == "SEG") {
      if (const std::string problem = segProblem(f, start, stop, fileCount); !problem.empty()) {
        return refusedAt(at + 1, problem);
      }
      if (dataBlocks == 0) {
        return refusedAt(at + 1, "no DATA line names a parameter before the SEG line");
      }
      seg = true;
    }
  }
  if (!seg) {
    return refusedAt(lines.size(), "no SEG line gives the frequencies");
  }

  // The sweep: spaced over the file's own count, of which at most 2000 points are kept.
  const int n = static_cast<int>(std::min(fileCount, static_cast<double>(kMaxCitifilePoints)));
  buffer.points.resize(n);
  for (int a = 1; a <= n; ++a) {
    const double step = fileCount > 1 ? (stop - start) * (a - 1) / (fileCount - 1) : 0.0;
    buffer.points[a].freq = finiteValue(start + step);
  }

  const auto trimmedIs = [&](std::size_t i, std::string_view word) {
    return upperCase(trim(lines[i])) == word;
  };
  const int blocks = std::min(dataBlocks, 4);
  for (int k = 0; k < blocks; ++k) {
    while (at < lines.size() && !trimmedIs(at, "BEGIN")) {
      ++at;
    }
    if (at >= lines.size()) {
      return refusedAt(lines.size(),
                       "the file ends before the BEGIN of DATA block " + std::to_string(k + 1));
    }
    ++at;
    // n lines; a block that holds fewer points than the SEG line counts is refused, since
    // the points it lacks would have to be made up.
    int a = 1;
    for (; a <= n && at < lines.size() && !trimmedIs(at, "END"); ++a, ++at) {
      const DataFields f = dataNumbers(fields(trim(lines[at])));
      if (!f.error.empty() || f.values.size() != 2) {
        return refusedAt(at + 1, f.error.empty() ? "a data line holds a real and an imaginary part"
                                                 : f.error);
      }
      const Complex z{f.values[0], f.values[1]};
      const MagnitudeAngle v{finiteValue(complexAbs(z)), complexPhase(z)};
      TwoPortPoint& p = buffer.points[a];
      MagnitudeAngle* pairs[4] = {&p.s11, &p.s21, &p.s12, &p.s22};
      *pairs[k] = v;
    }
    if (a <= n) {
      return refusedAt(std::min(at + 1, lines.size()), "DATA block " + std::to_string(k + 1) +
                                                           " ends after " + std::to_string(a - 1) +
                                                           " of the " + std::to_string(n) +
                                                           " points of the SEG line");
    }
    while (at < lines.size() && !trimmedIs(at, "END")) {
      ++at;
    }
    if (at < lines.size()) {
      ++at;
    }
  }
  SParamReadResult result;
  result.ports = dataBlocks == 1 ? 1 : 2;
  if (fileCount > n) {
    result.warning = cutWarning(n, buffer.points[n].freq);
  }
  return result;
}

} // namespace norvane::sparamfile
