#pragma once
// The commands of norvane-cli. Each command lives in its own file (resavecommand.cpp, ...)
// and is listed once in the table of commandtable.cpp; main() only dispatches.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// Exit codes shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // a file could not be read or written, a run failed
constexpr int kExitUsage = 2;   // unknown command or option, missing argument

struct CommandIo
{
  std::ostream& out;
  std::ostream& err;
};

struct Command
{
  std::string_view name;
  std::string_view synopsis; // arguments, e.g. "IN.cct [-o OUT.cct]"
  std::string_view summary;  // one line for the command list
  std::string_view help;     // the text of "norvane-cli NAME --help" after the usage line
  // Runs with the arguments after the command name (never containing --help).
  int (*run)(const std::vector<std::string>& args, CommandIo& io);
};

// All commands, in the order the help lists them.
std::span<const Command> commands();

const Command* findCommand(std::string_view name);

// Writes "Usage: norvane-cli NAME SYNOPSIS" and the command's help.
void printCommandUsage(const Command& command, std::ostream& os);

// Reports a usage error of a command on stderr and returns kExitUsage.
int usageError(const Command& command, const std::string& problem, CommandIo& io);

} // namespace norvane::cli
