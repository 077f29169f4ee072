#pragma once
// The text fields of the design assistants (and the options of their command-line form):
// engineering number text such as "433MHz", "0.5dB", "75R" or "5%". Text that does not start
// with a number, or carries something else after it, is refused rather than read as 0.

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The value of the text read strictly (readNumber's Entry rules: the number, a prefix letter
// and the field's unit, e.g. "433MHz" with unit "Hz"), or nothing when it is not such a number.
std::optional<double> readNumberText(std::string_view text, std::string_view unit);

// A field's text after reading: the value in engineering notation with 2 decimals and the
// unit ("10MHz", "0.1dB", "50R", "5%").
std::string assistantFieldText(double value, std::string_view unit);

// The error shown for a field whose text is not a number.
std::string notANumberMessage(std::string_view label, std::string_view text);

} // namespace norvane
