#pragma once
// The text fields of the design assistants (and the options of their command-line form):
// engineering number text such as "433MHz", "0.5dB", "75R" or "5%". Text that does not start
// with a number is refused rather than read as 0.

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The value of the text (ParseValueText), or nothing when the text does not start with a
// number: an optional sign, then a digit, or a point and a digit.
std::optional<double> readNumberText(std::string_view text);

// A field's text after reading: the value in engineering notation with 2 decimals and the
// unit ("10MHz", "0.1dB", "50R", "5%").
std::string assistantFieldText(double value, std::string_view unit);

// The error shown for a field whose text is not a number.
std::string notANumberMessage(std::string_view label, std::string_view text);

} // namespace norvane
