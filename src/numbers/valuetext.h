#pragma once
// Number text as the user types and reads it: decimal numbers with an SI prefix letter
// ("4k7", "2.2uH", "10M"), and the engineering notation every field and label shows.
// Standard C++ only and independent of the C locale (a German desktop still reads "1.5").

#include <string>
#include <string_view>

namespace norvane {

// Reads the leading number of `text`, scaled by the prefix letter that follows it.
// Leading blanks and tabs are skipped (the schematic file writes a blank before every
// positive number). A prefix letter between digits stands for the decimal point ("4k7" is
// 4700, "4R7" is 4.7). Prefixes, case-sensitive: f p n u m k M G T; any other character
// (a unit, "%") scales by 1. Text without a leading number gives 0. A number too large for a
// double saturates at the largest finite double of its sign; the result is always finite.
double ParseValueText(std::string_view text);

// A number the user typed into an entry field or gave as a command-line option, read
// strictly: blanks, the number, optionally blanks, optionally a prefix letter, optionally the
// field's `unit` (compared without its blanks and ignoring case), blanks. So with unit "F":
// "10p", "10pF", "10 pF", "4p7" and "10 F" are read, while "abc", "1,5p", "0x10", "10 pFx" and
// an empty text are refused. A letter right after the digits is taken as a prefix before it
// is taken as the unit ("10m" in a metre field is 10 millimetres; "10 m" is 10 metres, as
// the field shows it). A number beyond the double range is refused too.
struct EnteredNumber
{
  bool ok = false;
  double value = 0.0;
  const char* problem = ""; // when refused: "not a number" or "too large"
};
EnteredNumber ParseEnteredValue(std::string_view text, std::string_view unit = {});

// `x` in engineering notation with `digits` decimals (0..30), trailing zeros and a trailing
// point removed, followed by its prefix letter: (3, 1500) gives "1.5k", (3, 0.047) gives
// "0.047", (2, 1e-20) gives "1E-20", (3, 1e15) gives "1E+15". Never "nan" or "inf": NaN
// is shown as 0 and the infinities as the largest finite double.
std::string FormatEngineering(int digits, double x);

// The text with "+" in front unless it already starts with "-" (tolerance brackets, labels).
std::string SignedText(std::string_view text);

} // namespace norvane
