#include "loadinput.h"

#include "document/schematicreader.h"

#include <ostream>

namespace norvane::cli {

bool loadInput(Schematic& doc, const std::string& input, CommandIo& io)
{
  const FileResult r = loadSchematic(doc, input);
  // A value field that is no clean number is read by the file's rule and shown, so that a
  // damaged file does not pass unnoticed.
  for (const std::string& warning : r.warnings) {
    io.err << "norvane-cli: " << input << ": warning: " << warning << "\n";
  }
  if (r) {
    return true;
  }
  // The refusal of a file that is no schematic names the file itself.
  io.err << "norvane-cli: " << (r.error == notSchematicMessage(input) ? "" : input + ": ")
         << r.error << "\n";
  return false;
}

} // namespace norvane::cli
