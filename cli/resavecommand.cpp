// norvane-cli resave IN.cct [-o OUT.cct]: reads a schematic and writes it back. Useful to
// bring hand-edited or older files into the current layout, and as an end-to-end check of
// the file reader and writer (a file written by Norvane resaves byte for byte).

#include "arguments.h"
#include "command.h"
#include "commandinput.h"

#include "document/schematicwriter.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

int runResave(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("resave");
  // Writing the schematic back over itself is what resave is for.
  const auto parsedArgs =
      parseCommandArguments(self, args, {{"-o", "--output", true}}, io, OutputOverInput::Allowed);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  const std::string& input = parsed.positional.front();
  const std::string output = parsed.value("--output").value_or(input);

  // Cleared without the built-in preferences: what the file does not say stays empty.
  const auto doc = loadDocument(input, io, false);
  if (!doc) {
    return kExitFailure;
  }
  if (const FileResult r = saveSchematic(*doc, output); !r) {
    io.err << "norvane-cli: " << output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
