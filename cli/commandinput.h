#pragma once
// What most commands start with: their options and one input schematic, read into a fresh
// document. The problems are reported the same way for every command.

#include "arguments.h"
#include "command.h"

#include "document/schema.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace norvane::cli {

// The command's arguments split by `specs`, with exactly one positional argument (the input
// file). A problem is reported as a usage error; the command then ends with kExitUsage.
std::optional<ParsedArguments> parseCommandArguments(const Command& command,
                                                     const std::vector<std::string>& args,
                                                     const std::vector<OptionSpec>& specs,
                                                     CommandIo& io);

// The schematic `input` in a new document (large: kept off the stack), cleared first with
// the built-in preferences (`builtInDefaults`) or with empty ones. Null when it could not be
// read; the reason is on the error stream and the command ends with kExitFailure.
std::unique_ptr<Tschema> loadDocument(const std::string& input, CommandIo& io,
                                      bool builtInDefaults = true);

} // namespace norvane::cli
