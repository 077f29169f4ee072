#pragma once
// What optimize and yield share: the goals from --goal or from the file, and whole-number
// options.

#include "command.h"

#include "document/schematic.h"
#include "optimize/goal.h"

#include <string>
#include <vector>

namespace norvane::cli {

// "123" -> 123 when wholly a number from 0 to `max`; false for anything else.
bool parseWhole(const std::string& text, unsigned long long max, unsigned long long& value);

// The goals stored in the file; one that does not read is skipped with a warning.
std::vector<Goal> storedGoals(const Schematic& doc, const std::string& input, CommandIo& io);

} // namespace norvane::cli
