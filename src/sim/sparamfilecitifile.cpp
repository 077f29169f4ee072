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

// A count read as a double, as a whole number within 0..limit.
int boundedCount(double x, int limit)
{
  if (!(x > 0)) {
    return 0;
  }
  return static_cast<int>(std::min(std::floor(x + 0.5), static_cast<double>(limit)));
}

} // namespace

SParamReadResult readCitifile(const std::vector<std::string_view>& lines, T2pdatarray& buffer)
{
  // Header, from the second line on, up to the SEG line.
  std::size_t at = 1;
  int dataBlocks = 0;
  double start = 0.0;
  double stop = 0.0;
  int fileCount = 0;
  for (; at < lines.size(); ++at) {
    const std::string line = upperCase(trim(lines[at]));
    const std::vector<std::string_view> f = fields(line);
    if (f.empty()) {
      continue;
    }
    if (f[0] == "DATA") {
      ++dataBlocks;
    } else if (f[0] == "SEG") {
      start = fieldValue(f, 1);
      stop = fieldValue(f, 2);
      fileCount = boundedCount(fieldValue(f, 3), 1000000000);
      ++at;
      break;
    }
  }

  // The sweep: spaced over the file's own count, of which at most 2000 points are kept.
  const int n = std::min(fileCount, kMaxCitifilePoints);
  buffer.points.resize(n);
  for (int a = 1; a <= n; ++a) {
    const double step = fileCount > 1 ? (stop - start) * (a - 1) / (fileCount - 1) : 0.0;
    buffer.points[a].freq = finiteValue(start + step);
  }

  const auto trimmedIs = [&](std::size_t i, std::string_view word) {
    return upperCase(trim(lines[i])) == word;
  };
  const int blocks = std::min(dataBlocks, 4);
  for (int k = 0; k < blocks && at < lines.size(); ++k) {
    while (at < lines.size() && !trimmedIs(at, "BEGIN")) {
      ++at;
    }
    if (at < lines.size()) {
      ++at;
    }
    // Up to n lines; a block that ends early stops at its END instead of reading on into
    // the next block.
    for (int a = 1; a <= n && at < lines.size() && !trimmedIs(at, "END"); ++a, ++at) {
      const DataFields f = dataNumbers(fields(trim(lines[at])));
      if (!f.error.empty() || f.values.size() != 2) {
        return refusedAt(at + 1, f.error.empty() ? "a data line holds a real and an imaginary part"
                                                 : f.error);
      }
      const Complex z{f.values[0], f.values[1]};
      const TMagAngle v{finiteValue(ComplexAbs(z)), ComplexPhase(z)};
      T2pPoint& p = buffer.points[a];
      TMagAngle* pairs[4] = {&p.s11, &p.s21, &p.s12, &p.s22};
      *pairs[k] = v;
    }
    while (at < lines.size() && !trimmedIs(at, "END")) {
      ++at;
    }
    if (at < lines.size()) {
      ++at;
    }
  }
  return {};
}

} // namespace norvane::sparamfile
