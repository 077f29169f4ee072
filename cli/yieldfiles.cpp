#include "yieldfiles.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace norvane::cli {

std::optional<YieldResultFile> readYieldResultFile(const std::string& path, CommandIo& io)
{
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    io.err << "norvane-cli: " << path << ": cannot be opened\n";
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string error;
  auto result = readYieldResult(text.str(), error);
  if (!result) {
    io.err << "norvane-cli: " << path << ": " << error << "\n";
  }
  return result;
}

} // namespace norvane::cli
