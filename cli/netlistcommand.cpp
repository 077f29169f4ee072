// norvane-cli netlist FILE.cct: the circuit as the simulator sees it, one line per component
// with its node numbers and values, and the node of each measurement port.

#include "arguments.h"
#include "command.h"
#include "loadinput.h"
#include "simulateprompts.h"

#include "config/environment.h"
#include "document/clearschema.h"
#include "sim/listing.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

int runNetlist(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("netlist");
  const ParsedArguments parsed = parseArguments(args, {});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self, parsed.positional.empty() ? "missing input file" : "too many arguments",
                      io);
  }
  const std::string& input = parsed.positional.front();
  auto doc = std::make_unique<Tschema>();
  TenvironmentProps env;
  fillBuiltInDefaults(env);
  ClearSchema(*doc, env);
  if (!loadInput(*doc, input, io)) {
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
