// norvane-cli yield-report RESULT.json: the summary of a yield result file for people.

#include "arguments.h"
#include "command.h"
#include "yieldfiles.h"

#include <ostream>

namespace norvane::cli {

int runYieldReport(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("yield-report");
  const ParsedArguments parsed = parseArguments(args, {});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self,
                      parsed.positional.empty() ? "missing result file" : "too many arguments", io);
  }
  const auto result = readYieldResultFile(parsed.positional.front(), io);
  if (!result) {
    return kExitFailure;
  }
  io.out << yieldReport(*result);
  return kExitOk;
}

} // namespace norvane::cli
