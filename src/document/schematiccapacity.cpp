// The capacity messages, and the survey of a schematic's structure that refuses a file beyond
// a capacity before any document changes.
#include "document/schematiccapacity.h"

#include "document/fileresult.h"
#include "document/schematic.h"
#include "document/schematiclines.h"
#include "document/schematicreader.h"
#include "numbers/numbertext.h"

namespace norvane {

namespace schematiccapacity {

std::string capacityMessage(int capacity, std::string_view what)
{
  const std::string n = std::to_string(capacity);
  return "The schematic has more than " + n + " " + std::string(what) + "; at most " + n +
         " can be held";
}

std::string dataSetPointsMessage(int ports)
{
  const std::string n = std::to_string(kMaxDataPoints);
  return "A " + std::to_string(ports) + "-port data set of the schematic has more than " + n +
         " points; at most " + n + " can be held";
}

std::string dataSetIndexMessage(int ports, std::optional<int> index)
{
  return "A " + std::to_string(ports) + "-port data set of the schematic has " +
         (index ? "index " + std::to_string(*index) : std::string("no index")) +
         "; only data sets 1 to " + std::to_string(kMaxDataSets) + " can be held";
}

} // namespace schematiccapacity

namespace {

using namespace schematiccapacity;
using schematiclines::isTopLevelOpener;
using schematiclines::LineSource;
using schematiclines::trimmed;
using schematiclines::walkRecord;

// Walks a file as the Reader does and counts the records of its drawing without reading their
// values, so that a file holding more than the document can is refused before a document
// changes. The Reader refuses the same records itself should it ever meet one.
class CapacitySurvey
{
public:
  explicit CapacitySurvey(std::string_view content) : m_lines(content) {}

  std::string run()
  {
    std::string_view line;
    while (!failed() && m_lines.next(line)) {
      const std::string_view t = trimmed(line);
      if (t == "drawdat{") {
        surveyDrawing();
      } else if (isTopLevelOpener(t)) {
        skipRecord();
      }
    }
    return m_error;
  }

private:
  bool failed() const { return !m_error.empty(); }

  template <class OnKey> void walk(OnKey onKey)
  {
    walkRecord(
        m_lines, [this] { return failed(); }, onKey);
  }

  void skipRecord()
  {
    walk([](std::string_view, std::string_view) {});
  }

  void countRecord(int& count, int capacity, std::string_view what)
  {
    if (++count > capacity) {
      m_error = capacityMessage(capacity, what);
    }
    skipRecord();
  }

  void surveyDataSet(int ports)
  {
    std::optional<int> index;
    int points = 0;
    bool indexRead = true;
    walk([&](std::string_view key, std::string_view value) {
      if (key == "index=") {
        index = readNumber(value, NumberRules::FileInteger()).integer();
        indexRead = indexRead && index.has_value();
      } else if (key == "sdata=") {
        ++points;
      }
    });
    if (!indexRead) {
      return; // the Reader refuses the number itself
    }
    if (points > kMaxDataPoints) {
      m_error = dataSetPointsMessage(ports);
    } else if (!index || *index < 1 || *index > kMaxDataSets) {
      m_error = dataSetIndexMessage(ports, index);
    }
  }

  // Each drawing section replaces the records of the one before, as in the Reader.
  void surveyDrawing()
  {
    int components = 0;
    int wires = 0;
    int lines = 0;
    int texts = 0;
    std::string_view line;
    while (!failed() && m_lines.next(line)) {
      const std::string_view t = trimmed(line);
      if (t == "}") {
        return;
      }
      if (t == "component{") {
        countRecord(components, kMaxComponents, kComponentsName);
      } else if (t == "short{") {
        countRecord(wires, kMaxWires, kWiresName);
      } else if (t == "shape{") {
        countRecord(lines, kMaxLines, kLinesName);
      } else if (t == "text{") {
        countRecord(texts, kMaxTexts, kTextsName);
      } else if (t == "2pdat{") {
        surveyDataSet(2);
      } else if (t == "1pdat{") {
        surveyDataSet(1);
      } else if (t == "P1{" || t == "P2{") {
        skipRecord();
      } else if (isTopLevelOpener(t)) {
        m_lines.pushBack();
        return;
      }
    }
  }

  LineSource m_lines;
  std::string m_error;
};

} // namespace

FileResult checkSchematicCapacities(std::string_view content)
{
  std::string error = CapacitySurvey(content).run();
  return error.empty() ? FileResult::success() : FileResult::failure(std::move(error));
}

} // namespace norvane
