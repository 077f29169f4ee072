#include "dispatch.h"

#include "command.h"

#include <algorithm>
#include <ostream>

#ifndef NORVANE_VERSION
#define NORVANE_VERSION "unknown"
#endif

namespace norvane::cli {
namespace {

void printUsage(std::ostream& os)
{
  os << "Usage: norvane-cli [--help] [--version] COMMAND [ARGUMENTS]\n"
        "\n"
        "Linear RF circuit simulation without the desktop program.\n"
        "\n"
        "Commands:\n";
  // The synopsis can be long (simulate has many options), so the summary goes on its own line.
  for (const Command& c : commands()) {
    os << "  " << c.name << ' ' << c.synopsis << "\n      " << c.summary << '\n';
  }
  os << "\n"
        "Options:\n"
        "  -h, --help      show this help, or a command's help after its name\n"
        "  -V, --version   show the version\n"
        "\n"
        "Exit status: 0 success, 1 file or run failure, 2 usage error.\n";
}

bool isHelp(const std::string& a)
{
  return a == "--help" || a == "-h";
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
  if (args.empty()) {
    printUsage(err);
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (isHelp(first)) {
    printUsage(out);
    return kExitOk;
  }
  if (first == "--version" || first == "-V") {
    out << "norvane-cli " << NORVANE_VERSION << '\n';
    return kExitOk;
  }
  if (first == "help" && args.size() == 2) {
    if (const Command* c = findCommand(args[1])) {
      printCommandUsage(*c, out);
      return kExitOk;
    }
  }
  if (first.size() > 1 && first[0] == '-') {
    err << "norvane-cli: unknown option '" << first << "'\n";
    printUsage(err);
    return kExitUsage;
  }
  const Command* command = findCommand(first);
  if (command == nullptr) {
    err << "norvane-cli: unknown command '" << first << "'\n";
    printUsage(err);
    return kExitUsage;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  const auto dashes = std::find(rest.begin(), rest.end(), "--");
  if (std::any_of(rest.begin(), dashes, isHelp)) {
    printCommandUsage(*command, out);
    return kExitOk;
  }
  CommandIo io{out, err};
  return command->run(rest, io);
}

} // namespace norvane::cli
