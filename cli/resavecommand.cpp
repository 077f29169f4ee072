// norvane-cli resave IN.cct [-o OUT.cct]: reads a schematic and writes it back. Useful to
// bring hand-edited or older files into the current layout, and as an end-to-end check of
// the file reader and writer (a file written by Norvane resaves byte for byte).

#include "arguments.h"
#include "command.h"
#include "loadinput.h"

#include "config/environment.h"
#include "document/clearschema.h"
#include "document/schematicwriter.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

int runResave(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("resave");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self, parsed.positional.empty() ? "missing input file" : "too many arguments",
                      io);
  }
  const std::string& input = parsed.positional.front();
  const std::string output = parsed.value("--output").value_or(input);

  // The document is large (data sets); keep it off the stack.
  auto doc = std::make_unique<Tschema>();
  ClearSchema(*doc, TenvironmentProps{});
  if (!loadInput(*doc, input, io)) {
    return kExitFailure;
  }
  if (const FileResult r = saveSchematic(*doc, output); !r) {
    io.err << "norvane-cli: " << output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
