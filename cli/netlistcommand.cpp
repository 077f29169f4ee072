// norvane-cli netlist FILE.cct: the circuit as the simulator sees it, one line per component
// with its node numbers and values, and the node of each measurement port.

#include "arguments.h"
#include "command.h"
#include "commandinput.h"
#include "simulateprompts.h"

#include "sim/listing.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

int runNetlist(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("netlist");
  const auto parsedArgs = parseCommandArguments(self, args, {}, io);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  const std::string& input = parsed.positional.front();
  const auto doc = loadDocument(input, io);
  if (!doc) {
    return kExitFailure;
  }
  // The check of "simulate" on the whole drawing, so that both commands accept and refuse
  // the same circuits. The lines are listed whatever it found, so the user can see what is
  // wrong.
  SimulatePrompts prompts(io.err);
  const NetlistListing listing = checkAndListNetlist(*doc, prompts);
  for (const std::string& line : listing.lines) {
    io.out << line << '\n';
  }
  return listing.ok ? kExitOk : kExitFailure;
}

} // namespace norvane::cli
