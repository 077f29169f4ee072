#pragma once
// The calculator windows' fields (transmission line, inductor, capacitor, coupler, splitter)
// read through readNumber's Bounded rules: a plain decimal number, optionally followed by one
// multiplier letter (T G M k m u n p f; case matters: m is milli, M mega), "." alone as "0.".
// A value outside the field's limits is replaced by the nearer limit, the field's text is
// rewritten with it and the caller beeps.
//
// This is deliberately stricter than the schematic's value text (parseValueText): these
// fields carry no unit text, so anything but a number and one multiplier is refused with a
// message instead of being read as 0.

#include "numbers/numbertext.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

struct BoundedReading
{
  std::optional<double> value; // empty when the text is not a number
  std::string text;            // the field's text after reading ("." and clamping rewrite it)
  bool clamped = false;        // the value was replaced by a limit: beep
  std::string error;           // why the text could not be read (value empty)
};

BoundedReading readBoundedNumber(std::string_view text, NumberBounds bounds);

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
