#include "loadinput.h"

#include "document/schematicreader.h"

#include <ostream>

namespace norvane::cli {

bool loadInput(Tschema& doc, const std::string& input, CommandIo& io)
{
  const FileResult r = loadSchematic(doc, input);
  if (r) {
    return true;
  }
  // The refusal of a file that is no schematic names the file itself.
  io.err << "norvane-cli: " << (r.error == notSchematicMessage(input) ? "" : input + ": ")
         << r.error << "\n";
  return false;
}

} // namespace norvane::cli
