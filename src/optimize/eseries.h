#pragma once
// The standard value series E6, E12, E24, E48 and E96 (IEC 60063): the preferred values of
// one decade, repeated in every decade. A value is snapped to the series member nearest to it
// on a logarithmic scale, since the series are spaced evenly in log.

#include <optional>
#include <string_view>

namespace norvane {

enum class ESeries { E6, E12, E24, E48, E96 };

// "E24" (any case) -> E24; nullopt for any other text.
std::optional<ESeries> eSeriesNamed(std::string_view name);
std::string_view eSeriesName(ESeries series);

// The member of the series nearest to `value` (> 0) in log: 4.65k -> 4.7k in E12. Members
// are formed as mantissa x 10^k or mantissa / 10^k from whole numbers, so that 4.7e-12 is the
// double nearest to it and compares equal to the text "4.7p" read back.
double snapToSeries(double value, ESeries series);

// The member `steps` places above (below, when negative) the member nearest to `value`.
double seriesNeighbour(double value, ESeries series, int steps);

// Whether `value` is a member of the series (to 1e-9 relative).
bool isSeriesValue(double value, ESeries series);

} // namespace norvane
