#include "document/schematiclines.h"

#include <algorithm>
#include <array>

namespace norvane::schematiclines {

namespace {

// The sections after the drawing are openers too, so that a drawing which lost its "}" ends at
// them rather than swallowing them.
constexpr std::array<std::string_view, 31> kTopLevelOpeners{
    "mmdB{",        "mmLin{",       "mmPhase{",       "lastC{",        "lastL{",
    "lastR{",       "lastopamp{",   "lastVCVS{",      "lastVCCS{",     "lastCCVS{",
    "lastCCCS{",    "lasttxln{",    "plotformat{",    "current2port{", "current1port{",
    "Xax{",         "Y1ax{",        "Y2ax{",          "polarS11mag{",  "polarS21mag{",
    "polarS12mag{", "polarS22mag{", "polarmeaswhat{", "cursorpos{",    "circleson{",
    "simulated{",   "drawdat{",     "traceranges{",   "markers{",      "goals{",
    "noisedata{"};

} // namespace

bool isBlank(char c)
{
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
  while (!s.empty() && isBlank(s.front())) {
    s.remove_prefix(1);
  }
  while (!s.empty() && isBlank(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

bool isOpener(std::string_view line)
{
  const std::string_view t = trimmed(line);
  return t.size() > 1 && t.back() == '{' && line.find('=') == std::string_view::npos;
}

bool isTopLevelOpener(std::string_view t)
{
  return std::find(kTopLevelOpeners.begin(), kTopLevelOpeners.end(), t) != kTopLevelOpeners.end();
}

} // namespace norvane::schematiclines
