// Random and mutated files fed to the schematic reader: it must never crash, never exceed a
// capacity, fail only with one of its messages, and whatever it read must save and reload
// to the same file.

#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include "schematic_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace norvane {
namespace {

void checkRead(const std::string& input)
{
  Schematic doc = testing::resetDocument();
  const FileResult r = readSchematicText(doc, input);
  static const std::set<std::string> allowed = {"", "Invalid numeric input"};
  // A file beyond a capacity is refused before anything is read.
  if (r.error.find("can be held") != std::string::npos) {
    ASSERT_TRUE(doc == testing::resetDocument()) << r.error;
    return;
  }
  ASSERT_TRUE(allowed.count(r.error)) << r.error;

  const Drawing& d = doc.drawdat;
  ASSERT_LE(d.components.count(), kMaxComponents);
  ASSERT_LE(d.wires.count(), kMaxWires);
  ASSERT_LE(d.lines.count(), kMaxLines);
  ASSERT_LE(d.texts.count(), kMaxTexts);
  for (const Component& c : d.components) {
    ASSERT_LE(c.name.size(), static_cast<std::size_t>(kMaxNameLength));
  }
  for (const TextItem& t : d.texts) {
    ASSERT_LE(t.size.size(), static_cast<std::size_t>(kMaxTextSizeLength));
    ASSERT_LE(t.text.size(), static_cast<std::size_t>(kMaxTextLength));
  }
  ASSERT_GE(d.twoPortBlockCounter, 0);
  ASSERT_LE(d.twoPortBlockCounter, kMaxDataSets);

  const std::string saved = schematicText(doc);
  Schematic again = testing::resetDocument();
  ASSERT_TRUE(readSchematicText(again, saved).ok());
  ASSERT_EQ(schematicText(again), saved);
}

std::vector<std::string> splitLines(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) {
      end = text.size();
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
  std::string text;
  for (const std::string& l : lines) {
    text += l;
    text += "\r\n";
  }
  return text;
}

TEST(SchematicFuzz, RandomBytes)
{
  std::mt19937 random(2024);
  const std::string alphabet = std::string("{}=;.-+eE0123456789 \r\n\t") + '\0' +
                               "\xff"
                               "\xe9"
                               "abcxyzTRUEFALSE";
  for (int round = 0; round < 400; ++round) {
    const std::size_t length = random() % 3000;
    std::string input(length, '\0');
    const bool anyByte = round % 2 == 0;
    for (char& c : input) {
      c = anyByte ? static_cast<char>(random() & 0xff) : alphabet[random() % alphabet.size()];
    }
    SCOPED_TRACE(round);
    checkRead(input);
    if (::testing::Test::HasFatalFailure()) {
      return;
    }
  }
}

TEST(SchematicFuzz, MutatedFiles)
{
  const std::string original = schematicText(testing::richDocument());
  const std::vector<std::string> lines = splitLines(original);
  const std::vector<std::string> fragments = {
      "}",          "drawdat{",    "component{",
      "2pdat{",     "1pdat{",      "index=1",
      "index=-3",   "sdata=1",     "sdata=1 2 3 4 5 6 7 8 9 10",
      "value[1]={", "value[9]=",   "nodes[5].x=1",
      "name=",      "P1{",         "text{",
      "short{",     "shape{",      "crot=2147483648",
      "max=1e400",  "value=TRUE",  "",
      "mmdB{",      "={;=;=;=;=;}"};
  std::mt19937 random(77);
  for (int round = 0; round < 600; ++round) {
    std::vector<std::string> mutated = lines;
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int e = 0; e < edits && !mutated.empty(); ++e) {
      const std::size_t at = random() % mutated.size();
      switch (random() % 7) {
      case 0: // drop a line
        mutated.erase(mutated.begin() + static_cast<long>(at));
        break;
      case 1: // repeat a line
        mutated.insert(mutated.begin() + static_cast<long>(at), mutated[at]);
        break;
      case 2: // swap two lines
        std::swap(mutated[at], mutated[random() % mutated.size()]);
        break;
      case 3: // insert a structural fragment
        mutated.insert(mutated.begin() + static_cast<long>(at),
                       fragments[random() % fragments.size()]);
        break;
      case 4: // change one byte
        if (!mutated[at].empty()) {
          mutated[at][random() % mutated[at].size()] = static_cast<char>(random() & 0xff);
        }
        break;
      case 5: // cut a line short
        mutated[at].resize(random() % (mutated[at].size() + 1));
        break;
      default: // cut the file
        mutated.resize(at);
        break;
      }
    }
    SCOPED_TRACE(round);
    checkRead(joinLines(mutated));
    if (::testing::Test::HasFatalFailure()) {
      return;
    }
  }
}

TEST(SchematicFuzz, EveryTruncation)
{
  Schematic doc = testing::resetDocument();
  doc.drawdat.components.append(testing::component("R1", ComponentType::Resistor, 1, {0, 0}, 1));
  doc.drawdat.wires.append({false, false, {0, 0}, {10, 0}});
  doc.datasets.onePort[1].points.append({1e9, {0.5, 0.25}});
  const std::string text = schematicText(doc);
  // Every cut inside the drawing section, every 11th byte before it (the templates repeat
  // the same record layout nine times).
  const std::size_t drawing = text.find("drawdat{");
  for (std::size_t n = 0; n <= text.size(); n += n < drawing ? 11 : 1) {
    SCOPED_TRACE(n);
    checkRead(text.substr(0, n));
    if (::testing::Test::HasFatalFailure()) {
      return;
    }
  }
}

} // namespace
} // namespace norvane
