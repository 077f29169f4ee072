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
  // Items dragged off the sheet are not part of the circuit (the listing command of the
  // desktop program deletes them).
  RemoveOffSheetItems(doc->drawdat);
  SimulatePrompts prompts(io.err);
  const NetlistResult netlist = BuildNetlist(*doc, prompts);
  // The lines are listed whatever the check found, so the user can see what is wrong.
  for (const std::string& line : NetlistListingLines(*doc, netlist)) {
    io.out << line << '\n';
  }
  return netlist.ok ? kExitOk : kExitFailure;
}

} // namespace norvane::cli
