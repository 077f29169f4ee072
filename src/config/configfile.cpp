#include "config/configfile.h"

#include "numbers/numbertext.h"
#include "numbers/valuetext.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <exception>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <variant>
#include <vector>

namespace norvane {

namespace {

constexpr const char* kBannerRule = "*************************************************************";
constexpr const char* kBannerTitle =
    "****************  Norvane configuration file  ***************";
constexpr const char* kLineEnd = "\r\n";

// One key of the file and the field it holds. `written` is false for keys that are only read.
struct ConfigEntry
{
  std::string_view name; // the key without "="
  std::variant<bool*, int*, double*, std::string*> field;
  bool isStateText = false;
  bool written = true;
  // Written only when it holds a text: the desktop's own keys, absent from a configuration
  // that never had them.
  bool onlyWhenSet = false;
};

// The keys in the order the file is written, bound to the fields of one record.
std::vector<ConfigEntry> entriesOf(Environment& env)
{
  std::vector<ConfigEntry> entries{
      {"autoopen", &env.autoopen},
      {"gridon", &env.gridon},
      {"rememberlastcomp", &env.rememberlastcomp},
      {"chainshorts", &env.chainshorts},
      {"filename", &env.filename},
      {"numpoints", &env.numpoints},
      {"mindB", &env.mindB},
      {"maxdB", &env.maxdB},
      {"lowfreq", &env.lowfreq},
      {"highfreq", &env.highfreq},
      {"papercolor", &env.papercolor},
      {"griddotscolor", &env.griddotscolor},
      {"selectedcompcolor", &env.selectedcompcolor},
      {"compcolor", &env.compcolor},
      {"selectedcomptextcolor", &env.selectedcomptextcolor},
      {"comptextcolor", &env.comptextcolor},
      {"selectedwirecolor", &env.selectedwirecolor},
      {"wirecolor", &env.wirecolor},
      {"selectedportcolor", &env.selectedportcolor},
      {"portcolor", &env.portcolor},
      {"selectedgndcolor", &env.selectedgndcolor},
      {"gndcolor", &env.gndcolor},
      {"trace1color", &env.trace1color},
      {"trace2color", &env.trace2color},
      {"majoraxiscolor", &env.majoraxiscolor},
      {"minoraxiscolor", &env.minoraxiscolor},
      {"graphbackgroundcolor", &env.graphbackgroundcolor},
      {"printerpapercolor", &env.printerpapercolor},
      {"printercompcolor", &env.printercompcolor},
      {"printercomptextcolor", &env.printercomptextcolor},
      {"printerwirecolor", &env.printerwirecolor},
      {"printerportcolor", &env.printerportcolor},
      {"printergndcolor", &env.printergndcolor},
      {"printertrace1color", &env.printertrace1color},
      {"printertrace2color", &env.printertrace2color},
      {"printermajoraxiscolor", &env.printermajoraxiscolor},
      {"printerminoraxiscolor", &env.printerminoraxiscolor},
      {"schemawinpos.left", &env.schemawinpos.left},
      {"schemawinpos.top", &env.schemawinpos.top},
      {"schemawinpos.width", &env.schemawinpos.width},
      {"schemawinpos.height", &env.schemawinpos.height},
      {"schemawinstat", &env.schemawinstat, true},
      {"graphwinpos.left", &env.graphwinpos.left},
      {"graphwinpos.top", &env.graphwinpos.top},
      {"graphwinpos.width", &env.graphwinpos.width},
      {"graphwinpos.height", &env.graphwinpos.height},
      {"graphwinstat", &env.graphwinstat, true},
      // The spare colour: accepted from older files, never written, used by nothing.
      {"printergraphbackgroundcolor", &env.printergraphbackgroundcolor, false, false},
  };
  // After all the others, so that a reader that does not know them skips them at the end.
  static const std::array<std::string, kRecentFileCount> recentKeys = [] {
    std::array<std::string, kRecentFileCount> keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
      keys[i] = "recentfile" + std::to_string(i + 1);
    return keys;
  }();
  for (std::size_t i = 0; i < kRecentFileCount; ++i)
    entries.push_back({recentKeys[i], &env.recentfiles[i], false, true, true});
  entries.push_back({"tunestep", &env.tunestep, false, true, true});
  entries.push_back({"noisetemp", &env.noisetemp, false, true, true});
  return entries;
}

// Blanks and control characters, as the trimming of keys and values treats them.
bool isBlankOrControl(char c)
{
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view s)
{
  while (!s.empty() && isBlankOrControl(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isBlankOrControl(s.back()))
    s.remove_suffix(1);
  return s;
}

// Nearest whole number (halves to even), kept inside the range of int.
int roundToInt(double x)
{
  const double r = std::nearbyint(x);
  if (!(r > static_cast<double>(INT_MIN))) return INT_MIN;
  if (!(r < static_cast<double>(INT_MAX))) return INT_MAX;
  return static_cast<int>(r);
}

// The first `count` characters of a file name. Names are kept in the system's encoding of
// paths, UTF-8, where a letter such as "é" takes two bytes: cutting after `count` bytes would
// split such a letter, and the name read back would lose it (and the desktop would show a
// replacement mark in its place). A character is a byte with up to three continuation bytes
// after it, so even a name that is not UTF-8 stays within four bytes a character.
std::string_view firstCharacters(std::string_view text, std::size_t count)
{
  const auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  std::size_t end = 0;
  for (std::size_t characters = 0; characters < count && end < text.size(); ++characters) {
    ++end;
    for (int more = 0; more < 3 && end < text.size() && isContinuation(text[end]); ++more) {
      ++end;
    }
  }
  return text.substr(0, end);
}

void applyValue(const ConfigEntry& entry, std::string_view value)
{
  if (auto* b = std::get_if<bool*>(&entry.field)) {
    // Only the exact text "FALSE" means false; anything else, "false" too, means true.
    **b = value != "FALSE";
  } else if (auto* i = std::get_if<int*>(&entry.field)) {
    **i = roundToInt(parseValueText(value));
  } else if (auto* d = std::get_if<double*>(&entry.field)) {
    **d = parseValueText(value);
  } else if (auto* s = std::get_if<std::string*>(&entry.field)) {
    if (entry.isStateText) {
      if (isWindowStateText(std::string(value))) **s = value;
    } else {
      **s = firstCharacters(value, kMaxEnvironmentFileName);
    }
  }
}

void applyLine(std::vector<ConfigEntry>& entries, std::string_view line)
{
  // Only the first "=" splits: a file name holding "=" stays whole.
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return; // banner and other lines without a key
  const std::string_view key = trimmed(line.substr(0, eq + 1));
  const std::string_view value = trimmed(line.substr(eq + 1));
  if (key.size() < 2) return;
  const std::string_view name = key.substr(0, key.size() - 1);
  for (const ConfigEntry& entry : entries) {
    if (entry.name == name) {
      applyValue(entry, value);
      return;
    }
  }
}

std::string ioErrorText(int err, bool writing)
{
  switch (err) {
  case ENOENT:
    return writing ? "Path not found" : "File not found";
  case EACCES:
  case EPERM:
  case EROFS:
    return "Access denied";
  default:
    return writing ? "Disk write error" : "Disk read error";
  }
}

ConfigFileResult failure(std::string text)
{
  return {false, std::move(text)};
}

} // namespace

std::string configFileText(const Environment& env)
{
  Environment copy = env;
  std::string out;
  out.reserve(2048);
  out += kBannerRule;
  out += kLineEnd;
  out += kBannerTitle;
  out += kLineEnd;
  out += kBannerRule;
  out += kLineEnd;
  for (const ConfigEntry& entry : entriesOf(copy)) {
    if (!entry.written) continue;
    if (entry.onlyWhenSet) {
      const auto* text = std::get_if<std::string*>(&entry.field);
      if (text == nullptr || (*text)->empty()) continue;
    }
    out.append(entry.name);
    out += "= ";
    if (auto* b = std::get_if<bool*>(&entry.field)) {
      out += **b ? "TRUE" : "FALSE";
    } else if (auto* i = std::get_if<int*>(&entry.field)) {
      out += std::to_string(**i);
    } else if (auto* d = std::get_if<double*>(&entry.field)) {
      out += formatNumber(**d, NumberFormat::File());
    } else if (auto* s = std::get_if<std::string*>(&entry.field)) {
      // A line break inside a text would end the line and let the rest pose as a key of
      // its own; such a text cannot be kept in this file and is written empty.
      const std::string& text = **s;
      if (text.find_first_of("\r\n") == std::string::npos) out += text;
    }
    out += kLineEnd;
  }
  return out;
}

void applyConfigText(Environment& env, std::string_view text)
{
  std::vector<ConfigEntry> entries = entriesOf(env);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    applyLine(entries, text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

ConfigFileResult readConfig(Environment& env, const std::filesystem::path& path)
{
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return failure("File not found");
  // A folder or device under the file's name cannot be read as a file.
  if (!std::filesystem::is_regular_file(path, ec)) return failure("Access denied");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure(ioErrorText(errno, false));
  std::string text;
  try {
    // The stream reports some read failures (a file vanishing under us) by throwing.
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    return failure("Disk read error");
  }
  if (in.bad()) return failure("Disk read error");
  applyConfigText(env, text);
  return {};
}

ConfigFileResult writeConfig(const Environment& env, const std::filesystem::path& path)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path folder = path.parent_path();
  if (!folder.empty() && !fs::exists(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return failure(ioErrorText(ec.value(), true));
  }

  // A temporary name beside the target, so the final rename stays on one file system.
  std::random_device entropy;
  fs::path temp = path;
  temp += ".tmp" + std::to_string(entropy() % 1000000u);

  const std::string text = configFileText(env);
  {
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return failure(ioErrorText(errno, true));
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out.fail()) {
      fs::remove(temp, ec);
      return failure("Disk write error");
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    const std::string message = ioErrorText(ec.value(), true);
    std::error_code ignored;
    fs::remove(temp, ignored);
    return failure(message);
  }
  return {};
}

} // namespace norvane
