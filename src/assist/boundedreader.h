#pragma once
// The bounded number reader of the calculator windows (transmission line, inductor,
// capacitor, coupler, splitter). A field holds a plain decimal number, optionally followed by
// one multiplier letter: T 1e12, G 1e9, M 1e6, k 1e3, m 1e-3, u 1e-6, n 1e-9, p 1e-12,
// f 1e-15 (case matters: m is milli, M mega). The text "." alone reads as "0.". A value
// outside the field's limits is replaced by the nearer limit, the field's text is rewritten
// with it and the caller beeps.
//
// This is deliberately stricter than the schematic's value text (ParseValueText): these
// fields carry no unit text, so anything but a number and one multiplier is refused with a
// message instead of being read as 0.

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

struct NumberBounds
{
  double min = 1e-12;
  double max = 1e12;
};

struct BoundedReading
{
  std::optional<double> value; // empty when the text is not a number
  std::string text;            // the field's text after reading ("." and clamping rewrite it)
  bool clamped = false;        // the value was replaced by a limit: beep
  std::string error;           // why the text could not be read (value empty)
};

BoundedReading readBoundedNumber(std::string_view text, NumberBounds bounds);

// The text a clamped field is rewritten with: the limit with 1 decimal ("10000.0") when that
// reads back as the limit itself; otherwise (a limit such as 1e-12 or 0.5729577...) six
// significant digits rounded toward the inside of the limits, so reading the field again
// gives a value inside them and does not beep a second time.
std::string limitText(double limit, NumberBounds bounds);

// Reads the input fields of one calculator page in turn. Texts are rewritten in place;
// a beep and the first unreadable field are remembered for the page.
class FieldReader
{
public:
  explicit FieldReader(std::string_view page) : m_page(page) {}

  // The value of the field, or empty when its text is not a number.
  std::optional<double> read(std::string& text, std::string_view label, NumberBounds bounds = {});

  bool beep() const { return m_beep; }
  bool failed() const { return !m_error.empty(); }
  const std::string& error() const { return m_error; }

private:
  std::string m_page;
  bool m_beep = false;
  std::string m_error;
};

} // namespace norvane
