// norvane-cli spice FILE.cct [-o OUT.cir]: the circuit as an ngspice netlist with an .sp
// analysis over its sweep.

#include "arguments.h"
#include "command.h"
#include "loadinput.h"
#include "simulateprompts.h"

#include "config/environment.h"
#include "document/clearschema.h"
#include "sim/spiceexport.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace norvane::cli {

int runSpice(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("spice");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self, parsed.positional.empty() ? "missing input file" : "too many arguments",
                      io);
  }
  const std::string& input = parsed.positional.front();
  auto doc = std::make_unique<Tschema>(); // large: keep it off the stack
  TenvironmentProps env;
  fillBuiltInDefaults(env);
  ClearSchema(*doc, env);
  if (!loadInput(*doc, input, io)) {
    return kExitFailure;
  }
  const auto output = parsed.value("--output");
  const bool toFile = output && *output != "-";
  const std::string title = std::filesystem::path(input).filename().string();
  SimulatePrompts prompts(io.err);
  const SpiceExportResult netlist =
      ExportSpiceNetlist(*doc, title, SpiceDataFileName(toFile ? *output : input), prompts);
  if (!netlist.ok) {
    return kExitFailure;
  }
  if (!toFile) {
    io.out << netlist.text;
    return kExitOk;
  }
  if (const FileResult r = SaveSpiceNetlist(netlist.text, *output); !r) {
    io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
