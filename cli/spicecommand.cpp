// norvane-cli spice FILE.cct [-o OUT.cir]: the circuit as an ngspice netlist with an .sp
// analysis over its sweep.

#include "arguments.h"
#include "command.h"
#include "commandinput.h"
#include "simulateprompts.h"

#include "sim/spiceexport.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace norvane::cli {

int runSpice(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("spice");
  const auto parsedArgs = parseCommandArguments(self, args, {{"-o", "--output", true}}, io);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  const std::string& input = parsed.positional.front();
  const auto doc = loadDocument(input, io);
  if (!doc) {
    return kExitFailure;
  }
  const auto output = parsed.value("--output");
  const bool toFile = output && *output != "-";
  const std::string title = std::filesystem::path(input).filename().string();
  SimulatePrompts prompts(io.err);
  const SpiceExportResult netlist =
      exportSpiceNetlist(*doc, title, spiceDataFileName(toFile ? *output : input), prompts);
  if (!netlist.ok) {
    return kExitFailure;
  }
  if (!toFile) {
    io.out << netlist.text;
    return kExitOk;
  }
  if (const FileResult r = saveSpiceNetlist(netlist.text, *output); !r) {
    io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
