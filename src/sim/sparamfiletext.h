#pragma once
// Line and field handling shared by the S-parameter file readers (sparamfile*.cpp).

#include "document/schema.h"
#include "platform/prompts.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane::sparamfile {

// The two readers, given all lines of the file; they append to an emptied buffer.
void readTouchstone(const std::vector<std::string_view>& lines, T2pdatarray& buffer,
                    Prompts& prompts);
void readCitifile(const std::vector<std::string_view>& lines, T2pdatarray& buffer);

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

// A stored value never infinite or NaN: infinities become the largest finite double of their
// sign, NaN becomes 0.
double finiteValue(double x);

} // namespace norvane::sparamfile
