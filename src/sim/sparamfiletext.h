#pragma once
// Line and field handling shared by the S-parameter file readers (sparamfile*.cpp).

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/sparamfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::sparamfile {

// The two readers, given all lines of the file and the file's name; they append to an
// emptied buffer, which the caller throws away when the result is a failure.
SParamReadResult readTouchstone(const std::vector<std::string_view>& lines,
                                std::string_view fileName, TwoPortDataSet& buffer,
                                Prompts& prompts);
SParamReadResult readCitifile(const std::vector<std::string_view>& lines, TwoPortDataSet& buffer);

// The refusal of a file at line `line` (1-based): "Line 7: <what>; the file was not read."
SParamReadResult refusedAt(std::size_t line, const std::string& what);

// The lines of a text, whatever its line ends: CR LF, bare LF, or bare CR. No line holds a
// line-end character.
std::vector<std::string_view> splitLines(std::string_view text);

// ASCII upper case; bytes outside a..z unchanged.
std::string upperCase(std::string_view s);

// Without leading (and, for trim, trailing) blanks and tabs.
std::string_view trimLeft(std::string_view s);
std::string_view trim(std::string_view s);

// The fields of a line: separated by blanks, commas and tabs.
std::vector<std::string_view> fields(std::string_view line);

// True when the field starts with a number the number parser reads: an optional sign, then a
// digit or a point followed by a digit.
bool startsWithNumber(std::string_view field);

// The number parser's value of field i (0-based), or 0 when the line has no such field.
double fieldValue(const std::vector<std::string_view>& f, std::size_t i);

// A data field as a plain decimal number ("-1.5", ".5E-3", "+2"), the whole field and nothing
// else: no prefix letters, no "inf" or "nan". Numbers too small for a double read as 0; too
// large ones, like any other text, give nothing.
std::optional<double> dataNumber(std::string_view field);

// The fields of a data line as numbers; the first field that is not one refuses the file.
struct DataFields
{
  std::vector<double> values;
  std::string error; // the refusal's text when a field is not a number
};
DataFields dataNumbers(const std::vector<std::string_view>& fields);

// A stored value never infinite or NaN: infinities become the largest finite double of their
// sign, NaN becomes 0.
double finiteValue(double x);

} // namespace norvane::sparamfile
