#pragma once
// Result texts of the calculator windows. Every function takes an optional value and returns
// "" for a missing (invalid) result, so a window clears the panel instead of showing a stale
// or meaningless number.

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// Engineering notation with `decimals` decimals and the unit appended: "49.07R", "19.8nH".
std::string engineeringText(std::optional<double> x, int decimals, std::string_view unit);

// Fixed-point with `decimals` decimals and the unit appended: "-20.1dB". A result that rounds
// to zero is shown without a minus sign.
std::string fixedText(std::optional<double> x, int decimals, std::string_view unit);

// A reactance in ohms as "+j41.4R" or "-j12.3R": the magnitude in engineering notation with
// `decimals` decimals, its sign moved in front of the j.
std::string reactanceText(std::optional<double> ohms, int decimals);

// A phase velocity given in units of 1e8 m/s: "1.61*10^8m/s".
std::string velocityText(std::optional<double> velocity1e8);

} // namespace norvane
