#include "optimize/eseries.h"

#include "numbers/preferrednumbers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <span>
#include <string>

namespace norvane {
namespace {

using preferred::kE12;
using preferred::kE24;
using preferred::kE48;
using preferred::kE6;
using preferred::kE96;

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
