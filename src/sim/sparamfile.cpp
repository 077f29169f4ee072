#include "sim/sparamfile.h"

#include "numbers/valuetext.h"
#include "sim/sparamfiletext.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

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

std::string cutWarning(int kept, double lastFreq)
{
  return "The file holds more than " + std::to_string(kept) + " points; only the first " +
         std::to_string(kept) + " were read: the data were cut at " +
         formatEngineering(6, lastFreq) + "Hz.";
}

namespace {

std::string megabytes(long long bytes)
{
  char text[40];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

std::string tooLarge(const std::string& size)
{
  return "The file is larger than " + megabytes(sparamfile::kMaxFileBytes) +
         (size.empty() ? "" : " (" + size + ")") + "; an S-parameter file of at most " +
         std::to_string(kMaxDataPoints) + " points is never that large, so it was not read.";
}

} // namespace

SParamReadResult readSParameterText(std::string_view content, const std::string& fileName,
                                    TwoPortDataSet& buffer, Prompts& prompts)
{
  // Read into a set of its own, so that a refused file leaves the buffer as it was.
  auto read = std::make_unique<TwoPortDataSet>();
  read->points.reserveAll();
  const std::vector<std::string_view> lines = sparamfile::splitLines(content);
  const bool citifile = !lines.empty() && sparamfile::trimLeft(lines[0]).substr(0, 8) == "CITIFILE";
  const std::string name = fileNameWithoutFolder(fileName);
  SParamReadResult result = citifile ? sparamfile::readCitifile(lines, *read)
                                     : sparamfile::readTouchstone(lines, name, *read, prompts);
  if (result) {
    buffer.points = std::move(read->points);
    buffer.noise = std::move(read->noise);
    buffer.name = name;
  }
  return result;
}

SParamReadResult readSParameterFile(const std::string& fileName, TwoPortDataSet& buffer,
                                    Prompts& prompts)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path path(fileName);
  if (fileName.empty() || !fs::exists(path, ec)) {
    return SParamReadResult::refused(fileerrors::kFileNotFound);
  }
  if (fs::is_directory(path, ec)) {
    return SParamReadResult::refused(fileerrors::kAccessDenied);
  }
  // The size first: a file far beyond what 2000 points could need is refused unread. A
  // device or pipe has no size; it is read up to the limit and refused beyond it.
  const std::uintmax_t size = fs::is_regular_file(path, ec) ? fs::file_size(path, ec) : 0;
  if (!ec && size > static_cast<std::uintmax_t>(sparamfile::kMaxFileBytes)) {
    return SParamReadResult::refused(tooLarge(megabytes(static_cast<long long>(size))));
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return SParamReadResult::refused(fileerrors::kAccessDenied);
  }
  // Room for the whole file, or for a device up to the limit (address space only until
  // written), so that the text is never copied while it grows.
  std::string content;
  content.reserve(size > 0 ? static_cast<std::size_t>(size)
                           : static_cast<std::size_t>(sparamfile::kMaxFileBytes) + 65536);
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    content.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (content.size() > static_cast<std::size_t>(sparamfile::kMaxFileBytes)) {
      return SParamReadResult::refused(tooLarge({}));
    }
  }
  if (in.bad()) {
    return SParamReadResult::refused(fileerrors::kReadError);
  }
  return readSParameterText(content, fileName, buffer, prompts);
}

} // namespace norvane
