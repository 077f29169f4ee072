#pragma once
// Strict readers for the numbers of keyed files: an Integer or a Double after "key=".
// Leading blanks and tabs are skipped and the number runs to the next blank or the end of
// the line; anything that is not a whole number there is refused (std::nullopt), which the
// file readers report as "Invalid numeric input". Independent of the C locale.

#include <optional>
#include <string_view>

namespace norvane {

// A decimal integer with an optional sign that fits in 32 bits.
std::optional<int> parseFileInteger(std::string_view text);

// A decimal or exponential number ("50", "-4.5", " 5.00000000000000E+0001", "1e-3", ".5").
// Magnitudes beyond the double range read as the largest finite double of their sign, and
// ones below it as zero, so a file never brings an infinity into the document.
std::optional<double> parseFileReal(std::string_view text);

// Reads the next number from `text` and advances `text` past it (for lines holding several
// numbers separated by blanks).
std::optional<double> takeFileReal(std::string_view& text);

} // namespace norvane
