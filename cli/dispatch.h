#pragma once
// The top level of norvane-cli: global options and the choice of command.

#include <iosfwd>
#include <string>
#include <vector>

namespace norvane::cli {

// Runs the tool with the arguments after the program name; returns the exit code.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace norvane::cli
