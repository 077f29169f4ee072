#include "optimize/eseries.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <span>
#include <string>

namespace norvane {
namespace {

// Mantissas of one decade, as whole numbers of two (E6..E24) or three (E48, E96) digits.
constexpr std::array<int, 6> kE6{10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
// E48 is every second member of E96.
constexpr std::array<int, 48> kE48 = [] {
  std::array<int, 48> e{};
  for (std::size_t i = 0; i < e.size(); ++i) {
    e[i] = kE96[2 * i];
  }
  return e;
}();

struct SeriesTable
{
  std::span<const int> mantissas;
  int digits; // the mantissas' digits: a mantissa m stands for m / 10^(digits-1)
};

SeriesTable tableOf(ESeries s)
{
  switch (s) {
  case ESeries::E6:
    return {kE6, 2};
  case ESeries::E12:
    return {kE12, 2};
  case ESeries::E24:
    return {kE24, 2};
  case ESeries::E48:
    return {kE48, 3};
  case ESeries::E96:
    break;
  }
  return {kE96, 3};
}

// A member as a position on the whole scale: index within the decade plus decade x count.
long long positionOf(double value, const SeriesTable& t)
{
  const long long n = static_cast<long long>(t.mantissas.size());
  const double lv = std::log10(value);
  const long long decade = static_cast<long long>(std::floor(lv));
  long long best = decade * n;
  double bestDistance = HUGE_VAL;
  // Candidates: this decade's members and the next decade's first.
  for (long long i = 0; i <= n; ++i) {
    const long long pos = decade * n + i;
    const long long idx = i % n;
    const long long dec = decade + i / n;
    const double lm = std::log10(t.mantissas[static_cast<std::size_t>(idx)]) - (t.digits - 1) + dec;
    const double d = std::fabs(lm - lv);
    if (d < bestDistance) {
      bestDistance = d;
      best = pos;
    }
  }
  return best;
}

double valueAt(long long pos, const SeriesTable& t)
{
  const long long n = static_cast<long long>(t.mantissas.size());
  long long decade = pos >= 0 ? pos / n : -((-pos + n - 1) / n);
  const long long idx = pos - decade * n;
  const double m = t.mantissas[static_cast<std::size_t>(idx)];
  const long long exponent = decade - (t.digits - 1);
  const double scale = std::pow(10.0, static_cast<double>(std::llabs(exponent)));
  return exponent >= 0 ? m * scale : m / scale;
}

} // namespace

std::optional<ESeries> eSeriesNamed(std::string_view name)
{
  std::string u(name);
  std::transform(u.begin(), u.end(), u.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const ESeries s : {ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96}) {
    if (u == eSeriesName(s)) {
      return s;
    }
  }
  return std::nullopt;
}

std::string_view eSeriesName(ESeries series)
{
  switch (series) {
  case ESeries::E6:
    return "E6";
  case ESeries::E12:
    return "E12";
  case ESeries::E24:
    return "E24";
  case ESeries::E48:
    return "E48";
  case ESeries::E96:
    break;
  }
  return "E96";
}

double snapToSeries(double value, ESeries series)
{
  return seriesNeighbour(value, series, 0);
}

double seriesNeighbour(double value, ESeries series, int steps)
{
  const SeriesTable t = tableOf(series);
  return valueAt(positionOf(value, t) + steps, t);
}

bool isSeriesValue(double value, ESeries series)
{
  if (!(value > 0.0) || !std::isfinite(value)) {
    return false;
  }
  return std::fabs(snapToSeries(value, series) / value - 1.0) < 1e-9;
}

} // namespace norvane
