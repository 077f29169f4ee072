// The list of norvane-cli commands. A new command is one file defining its run function
// and one line here.

#include "command.h"

#include <ostream>

namespace norvane::cli {

int runResave(const std::vector<std::string>& args, CommandIo& io);

namespace {

const Command kCommands[] = {
    {"resave", "IN.cct [-o OUT.cct]", "read a schematic file and write it back",
     "Reads the schematic IN.cct and writes it again in the current file layout,\n"
     "to OUT.cct when given, otherwise over IN.cct.\n"
     "\n"
     "  -o, --output OUT.cct   write here instead of over the input\n",
     runResave},
};

} // namespace

std::span<const Command> commands()
{
  return kCommands;
}

const Command* findCommand(std::string_view name)
{
  for (const Command& c : kCommands) {
    if (c.name == name) {
      return &c;
    }
  }
  return nullptr;
}

void printCommandUsage(const Command& command, std::ostream& os)
{
  os << "Usage: norvane-cli " << command.name << ' ' << command.synopsis << "\n\n" << command.help;
}

int usageError(const Command& command, const std::string& problem, CommandIo& io)
{
  io.err << "norvane-cli " << command.name << ": " << problem << "\n";
  io.err << "Usage: norvane-cli " << command.name << ' ' << command.synopsis << "\n";
  return kExitUsage;
}

} // namespace norvane::cli
