#pragma once
// What most commands start with: their options and one input schematic, read into a fresh
// document. The problems are reported the same way for every command.

#include "arguments.h"
#include "command.h"

#include "document/schematic.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace norvane::cli {

// Whether a command's output (-o) may name its input file. Only resave writes a schematic
// back; every other command writes results, a netlist or a changed circuit, and would destroy
// the schematic it read.
enum class OutputOverInput { Refused, Allowed };

// The command's arguments split by `specs`, with exactly one positional argument (the input
// file). A problem is reported as a usage error; the command then ends with kExitUsage. Unless
// `outputOverInput` allows it, an -o that names the input file itself (also through a symbolic
// or a hard link) is such a problem.
std::optional<ParsedArguments>
parseCommandArguments(const Command& command, const std::vector<std::string>& args,
                      const std::vector<OptionSpec>& specs, CommandIo& io,
                      OutputOverInput outputOverInput = OutputOverInput::Refused);

// True when `output` is the file `input`: the same path, or another name of the same file.
bool isSameFile(const std::string& input, const std::string& output);

// The schematic `input` in a new document (large: kept off the stack), cleared first with
// the built-in preferences (`builtInDefaults`) or with empty ones. Null when it could not be
// read; the reason is on the error stream and the command ends with kExitFailure.
std::unique_ptr<Schematic> loadDocument(const std::string& input, CommandIo& io,
                                        bool builtInDefaults = true);

} // namespace norvane::cli
