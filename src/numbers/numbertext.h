#pragma once
// Number text, both ways: readNumber turns text into a number under one of the program's
// reading rules, formatNumber turns a number into text in one of its output formats. Every
// place that reads or shows a number goes through these two, so the rules live here only.
// Standard C++ only and independent of the C locale (a German desktop still reads "1.5").
//
// All rules share one decimal number: optional sign, digits with an optional point and
// fraction (".5" and "5." are numbers), optional exponent ("E" or "e", sign, digits). Words
// such as "inf", "nan" or "0x10" are never numbers. What differs is what may surround it:
//
//   File()        keyed files: the first blank-separated token must be exactly one number.
//                 Beyond the double range it reads as the largest finite double of its sign,
//                 below it as zero, so a file never brings an infinity into the document.
//   FileInteger() keyed files: the token must be a whole number with optional sign that fits
//                 in 32 bits ("+3", "-100"; "1.0" and "+-1" are refused).
//   ValueText()   a component's value text ("4k7", "2.2uH", "10M"): the leading number,
//                 scaled by the prefix letter after it; a letter between digits is the
//                 decimal point ("4k7" is 4700, "4R7" 4.7); anything after it (a unit, "%")
//                 is ignored. Leading blanks and tabs are skipped. Text without a leading
//                 number is refused (value 0). Overflow saturates; the result is finite.
//   Entry(unit)   what the user types into an entry field or gives on the command line:
//                 blanks, the number, optionally blanks, optionally a prefix letter,
//                 optionally the field's unit (compared without its blanks, ignoring case),
//                 blanks. With unit "F": "10p", "10pF", "10 pF", "4p7" and "10 F" are read;
//                 "abc", "1,5p", "0x10", "10 pFx" and "" are refused ("not a number"), as is
//                 a number beyond the double range ("too large"). A letter right after the
//                 digits is a prefix before it is the unit ("10m" in a metre field is 10 mm).
//   Bounded(b)    a calculator field: a plain number and at most one trailing multiplier
//                 letter, nothing else; "." alone reads as "0.". A value outside [min, max]
//                 is replaced by the nearer limit (the upper one first), the field's text is
//                 rewritten with Limit(b) and `clamped` is set (the window beeps).
//   Plain()       the setup dialogs: a plain decimal number between blanks, no letters;
//                 anything else, an overflowing number included, is refused (value 0).
//
// Prefix and multiplier letters, case-sensitive: f p n u m k M G T.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The limits of a bounded (calculator) field.
struct NumberBounds
{
  double min = 1e-12;
  double max = 1e12;
};

struct NumberRules
{
  enum class Form { File, FileInteger, ValueText, Entry, Bounded, Plain };
  Form form = Form::ValueText;
  std::string_view unit; // Entry: the field's unit ("F", " m/s")
  NumberBounds bounds;   // Bounded: the field's limits

  static NumberRules File() { return {Form::File, {}, {}}; }
  static NumberRules FileInteger() { return {Form::FileInteger, {}, {}}; }
  static NumberRules ValueText() { return {Form::ValueText, {}, {}}; }
  static NumberRules Entry(std::string_view unit = {}) { return {Form::Entry, unit, {}}; }
  static NumberRules Bounded(NumberBounds bounds = {}) { return {Form::Bounded, {}, bounds}; }
  static NumberRules Plain() { return {Form::Plain, {}, {}}; }
};

struct NumberReading
{
  bool ok = false;          // the text read as a number under the rules
  double value = 0.0;       // the number; 0 when refused
  const char* problem = ""; // when refused: "not a number" or "too large"
  std::string text;         // Bounded: the field's text after reading ("." and clamping)
  bool clamped = false;     // Bounded: the value was replaced by a limit

  std::optional<double> number() const { return ok ? std::optional<double>(value) : std::nullopt; }
  std::optional<int> integer() const
  {
    return ok ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
  }
};

NumberReading readNumber(std::string_view text, const NumberRules& rules);

// Reads the next blank-separated token of `text` under the rules and advances `text` past
// it (for file lines holding several numbers).
NumberReading takeNumber(std::string_view& text, const NumberRules& rules);

struct NumberFormat
{
  enum class Form { File, Engineering, Shortest, Fixed, Limit, Level, Significant };
  Form form = Form::Engineering;
  int digits = 2;      // Engineering: decimals
  NumberBounds bounds; // Limit: the field's limits

  // The fixed scientific form of the schematic and configuration files: 23 characters, a
  // sign position (blank or "-"), one digit, a point, 14 decimals, "E", the exponent's sign
  // and four exponent digits. -50 is "-5.00000000000000E+0001", 1000 " 1.00000000000000E+0003".
  static NumberFormat File() { return {Form::File, 0, {}}; }
  // Engineering notation with `digits` decimals (0..30), trailing zeros and a trailing point
  // removed, followed by its prefix letter: (3) shows 1500 as "1.5k", 0.047 as "0.047";
  // (2) shows 1e-20 as "1E-20", (3) 1e15 as "1E+15". Every entry field and label.
  static NumberFormat Engineering(int digits) { return {Form::Engineering, digits, {}}; }
  // The shortest decimal form with up to 15 significant digits ("10", "0.25", "1e-09"), for
  // the setup dialogs.
  static NumberFormat Shortest() { return {Form::Shortest, 0, {}}; }
  // `decimals` decimals, leading blanks removed, for the result texts, the data list and the
  // setup dialogs: (3) shows 0.5 as "0.500" and -12.3454 as "-12.345". A value that rounds to
  // zero is shown without a sign, and a value that is not finite as the 1e30 sentinel of its
  // sign (the result files' convention) instead.
  static NumberFormat Fixed(int decimals) { return {Form::Fixed, decimals, {}}; }
  // The text a clamped calculator field is rewritten with: the limit with 1 decimal
  // ("10000.0") when that reads back as the limit itself; otherwise (a limit such as 1e-12 or
  // 0.5729577...) six significant digits rounded toward the inside of the limits, so reading
  // the field again gives a value inside them and does not beep a second time.
  static NumberFormat Limit(NumberBounds bounds) { return {Form::Limit, 0, bounds}; }
  // Decibels, degrees and the other logarithmic or angular quantities: `decimals` decimals and
  // never a prefix letter, since "-1.34mdB" reads as a level of -1.34 dB and "45.9f°" as 45.9
  // degrees. A value that rounds to zero shows as "0.000". Beyond 1e9 in size (only the
  // guarded logarithm's 1e30 sentinel of a zero magnitude gets there) the exponent form
  // "2e+31" keeps the text short.
  static NumberFormat Level(int decimals) { return {Form::Level, decimals, {}}; }
  // Engineering notation with at least `figures` significant figures (1..15), trailing zeros
  // removed: the prefix letter is chosen for every exponent, so (3) shows 0.0156 as "15.6m"
  // and 0.02 as "20m" where Engineering(2) would show "0.02". Below 1e-15 and from 1e15 on
  // as Engineering.
  static NumberFormat Significant(int figures) { return {Form::Significant, figures, {}}; }
};

// Never "nan" or "inf": NaN is shown as 0 and the infinities as the largest finite double of
// their sign (Fixed: the sentinel), so every field, label and file stays readable. Never
// the C locale's decimal comma either.
std::string formatNumber(double x, const NumberFormat& format);

} // namespace norvane
