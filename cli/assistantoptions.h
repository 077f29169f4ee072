#pragma once
// Option reading shared by the design and automatch commands: engineering number text
// ("433MHz", "0.5dB", "75R") that must really be a number, choices from a fixed list, and the
// atomic write of the resulting schematic.

#include "arguments.h"
#include "command.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace norvane {
struct Schematic;
}

namespace norvane::cli {

// Number options are read with readNumberText (assist/assistantfields.h): "abc" is refused
// instead of taken as 0.
struct NumberOption
{
  const char* name; // "--zin"
  double* value;    // holds the default; receives the option's value when given
  double min;       // accepted range, inclusive
  double max;
  const char* unit;    // the unit the value may carry: "Hz", "R", "dB", "%" or ""
  const char* example; // shown in the message: "a resistance, e.g. 75R"
};

// Reads every given option into its value; returns the first problem ("" when all read).
std::string readNumberOptions(const ParsedArguments& parsed,
                              std::initializer_list<NumberOption> options);

// The index of the option's value in `names` (the default `index` when the option is not
// given); returns the problem when the value is none of them.
std::string readChoice(const ParsedArguments& parsed, const char* option,
                       std::initializer_list<std::string_view> names, int& index);

// Writes the schematic (a temporary file renamed over the target, so a failed write leaves
// any earlier file whole). Returns kExitOk, or kExitFailure with the message on stderr.
int writeSchematicFile(const Schematic& doc, const std::string& path, CommandIo& io);

} // namespace norvane::cli
