// Saving a SPICE netlist, and the name of the data file it writes when run.

#include "sim/spiceexport.h"

#include "document/atomicwrite.h"

#include <filesystem>

namespace norvane {

std::string spiceDataFileName(const std::string& netlistPath)
{
  std::filesystem::path name = std::filesystem::path(netlistPath).filename();
  if (name.empty()) {
    name = "norvane";
  }
  name.replace_extension(".sp.txt");
  return name.string();
}

FileResult saveSpiceNetlist(const std::string& text, const std::string& path)
{
  return writeFileAtomically(path, text);
}

} // namespace norvane
