#include "document/markersection.h"

#include "numbers/numbertext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace norvane {

namespace {

using schematiclines::isOpener;
using schematiclines::trimmed;
using schematiclines::walkRecord;

constexpr const char* kSection = "markers{";
constexpr const char* kRecord = "marker{";

void line(std::string& out, std::string_view text)
{
  out.append(text);
  out.append("\r\n");
}

} // namespace

std::string markerSectionText(const GraphMarkers& markers)
{
  std::string out;
  if (markers.empty()) return out;
  line(out, kSection);
  for (const GraphMarker& m : markers) {
    line(out, kRecord);
    line(out, "freq=" + formatNumber(m.freq, NumberFormat::File()));
    line(out, m.reference ? "reference=TRUE" : "reference=FALSE");
    line(out, "}");
  }
  line(out, "}");
  return out;
}

void readMarkerSection(schematiclines::LineSource& lines, GraphMarkers& markers,
                       std::vector<std::string>& warnings)
{
  markers.clear();
  int recordNumber = 0;
  std::string_view text;
  while (lines.next(text)) {
    const std::string_view t = trimmed(text);
    if (t == "}") return;
    if (t != kRecord) {
      if (isOpener(text)) {
        lines.pushBack(); // the section lost its "}": the next section is the caller's
        return;
      }
      continue;
    }
    ++recordNumber;
    const int opener = lines.number();
    std::optional<double> freq;
    std::string problem = "has no \"freq=\"";
    int problemLine = opener;
    bool reference = false;
    walkRecord(
        lines, [] { return false; },
        [&](std::string_view key, std::string_view value) {
          if (key == "freq=") {
            freq = readNumber(value, NumberRules::File()).number();
            problemLine = lines.number();
            problem = "freq= \"" + std::string(trimmed(value)) + "\" is not a frequency";
            // Infinite or negative frequencies have no point on any sweep.
            if (freq && (!std::isfinite(*freq) || *freq < 0)) freq.reset();
          } else if (key == "reference=") {
            reference = value == "TRUE";
          }
        });
    if (!freq) {
      warnings.push_back("line " + std::to_string(problemLine) + ": marker " +
                         std::to_string(recordNumber) + ": " + problem +
                         "; the marker is left out");
      continue;
    }
    const bool referenceTaken = std::any_of(markers.begin(), markers.end(),
                                            [](const GraphMarker& m) { return m.reference; });
    markers.append({*freq, reference && !referenceTaken}); // a ninth and later are dropped
  }
}

} // namespace norvane
