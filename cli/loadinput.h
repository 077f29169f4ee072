#pragma once
// Reading the schematic a command works on, with the command line's error report.

#include "command.h"

#include "document/schematic.h"

#include <string>

namespace norvane::cli {

// Loads `input` into `doc` (which the caller has reset). On failure writes
// "norvane-cli: FILE: reason" (or "norvane-cli: FILE is not a Norvane schematic") to the
// error stream and returns false. The reader's warnings go to the error stream as
// "norvane-cli: FILE: warning: ..." either way.
bool loadInput(Schematic& doc, const std::string& input, CommandIo& io);

} // namespace norvane::cli
