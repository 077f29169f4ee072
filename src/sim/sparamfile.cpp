#include "sim/sparamfile.h"

#include "sim/sparamfiletext.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace norvane {

std::string fileNameWithoutFolder(const std::string& path)
{
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

double unitMultiplier(const std::string& units)
{
  if (units == "Hz") {
    return 1.0;
  }
  if (units == "kHz") {
    return 1e3;
  }
  if (units == "GHz") {
    return 1e9;
  }
  if (units == "THz") {
    return 1e12;
  }
  return 1e6; // "MHz", the dialog's preset
}

SParamReadResult readSParameterText(std::string_view content, const std::string& fileName,
                                    T2pdatarray& buffer, Prompts& prompts)
{
  // Read into a set of its own, so that a refused file leaves the buffer as it was.
  auto read = std::make_unique<T2pdatarray>();
  read->points.reserveAll();
  const std::vector<std::string_view> lines = sparamfile::splitLines(content);
  const bool citifile = !lines.empty() && sparamfile::trimLeft(lines[0]).substr(0, 8) == "CITIFILE";
  const std::string name = fileNameWithoutFolder(fileName);
  SParamReadResult result = citifile ? sparamfile::readCitifile(lines, *read)
                                     : sparamfile::readTouchstone(lines, name, *read, prompts);
  if (result) {
    buffer.points = std::move(read->points);
    buffer.name = name;
  }
  return result;
}

SParamReadResult ReadSParameterFile(const std::string& fileName, T2pdatarray& buffer,
                                    Prompts& prompts)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path path(fileName);
  if (fileName.empty() || !fs::exists(path, ec)) {
    return SParamReadResult{fileerrors::kFileNotFound, {}};
  }
  if (fs::is_directory(path, ec)) {
    return SParamReadResult{fileerrors::kAccessDenied, {}};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return SParamReadResult{fileerrors::kAccessDenied, {}};
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    return SParamReadResult{fileerrors::kReadError, {}};
  }
  return readSParameterText(content.str(), fileName, buffer, prompts);
}

} // namespace norvane
