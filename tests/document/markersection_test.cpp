// The graph markers in the schematic file: a section of their own after the drawing, written
// only when there are markers, read back byte for byte, skipped by a reader that does not
// know it, and damaged markers left out with a warning.

#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include "schematic_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace norvane {
namespace {

using testing::r15;
using testing::richDocument;

Schematic withMarkers()
{
  Schematic doc = richDocument();
  doc.graphMarkers.append({r15(433.92e6), false});
  doc.graphMarkers.append({r15(1.5e9 / 7), true});
  doc.graphMarkers.append({0.0, false});
  return doc;
}

Schematic read(const std::string& text, FileResult* result = nullptr)
{
  Schematic doc = testing::resetDocument();
  const FileResult r = readSchematicText(doc, text);
  if (result) *result = r;
  return doc;
}

TEST(MarkerSection, WrittenAfterTheDrawingAndReadBackByteForByte)
{
  const Schematic doc = withMarkers();
  Schematic without = doc;
  without.graphMarkers.clear();
  const std::string plain = schematicText(without);
  const std::string text = schematicText(doc);
  // The file without markers followed by the section.
  ASSERT_EQ(text.substr(0, plain.size()), plain);
  EXPECT_EQ(text.substr(plain.size()), "markers{\r\n"
                                       "marker{\r\n"
                                       "freq= 4.33920000000000E+0008\r\n"
                                       "reference=FALSE\r\n"
                                       "}\r\n"
                                       "marker{\r\n"
                                       "freq= 2.14285714285714E+0008\r\n"
                                       "reference=TRUE\r\n"
                                       "}\r\n"
                                       "marker{\r\n"
                                       "freq= 0.00000000000000E+0000\r\n"
                                       "reference=FALSE\r\n"
                                       "}\r\n"
                                       "}\r\n");
  FileResult r;
  const Schematic back = read(text, &r);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_EQ(back.graphMarkers, doc.graphMarkers);
  EXPECT_EQ(schematicText(back), text);

  // A reader that does not know the section (here: under another name) skips all of its
  // lines and reads the same document otherwise.
  std::string unknown = text;
  unknown.replace(plain.size(), 8, "notours{");
  const Schematic old = read(unknown, &r);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(old, read(plain));
  Schematic known = back;
  known.graphMarkers.clear();
  EXPECT_EQ(known, old);
}

TEST(MarkerSection, DamagedMarkersAreLeftOutWithAWarning)
{
  const std::string head = schematicText(testing::resetDocument());
  const auto marker = [](const std::string& body) { return "marker{\r\n" + body + "}\r\n"; };
  std::string text = head + "markers{\r\n" + marker("freq=1e6\r\nreference=TRUE\r\n") +
                     marker("freq=abc\r\n") + marker("reference=TRUE\r\n") + marker("freq=-5\r\n") +
                     marker("freq=2e6\r\nreference=TRUE\r\n");
  for (int i = 3; i <= 10; ++i)
    text += marker("freq=" + std::to_string(i) + "e6\r\n");
  text += "}\r\n";
  FileResult r;
  const Schematic doc = read(text, &r);
  ASSERT_TRUE(r.ok()) << r.error;
  // Eight kept: 1 and 2 MHz, then 3 to 8 MHz; only the first reference stays one.
  ASSERT_EQ(doc.graphMarkers.count(), 8);
  EXPECT_EQ(doc.graphMarkers[1], (GraphMarker{1e6, true}));
  EXPECT_EQ(doc.graphMarkers[2], (GraphMarker{2e6, false}));
  EXPECT_EQ(doc.graphMarkers[8], (GraphMarker{8e6, false}));
  ASSERT_EQ(r.warnings.size(), 3u);
  const int first = static_cast<int>(std::count(head.begin(), head.end(), '\n')) + 1;
  EXPECT_EQ(r.warnings[0], "line " + std::to_string(first + 6) +
                               ": marker 2: freq= \"abc\" is not a frequency; the marker is left "
                               "out");
  EXPECT_EQ(r.warnings[1], "line " + std::to_string(first + 8) +
                               ": marker 3: has no \"freq=\"; the marker is left out");
  EXPECT_NE(r.warnings[2].find("marker 4: freq= \"-5\""), std::string::npos);

  // A section that lost its "}" ends at the next section, which is read as usual.
  const Schematic cut =
      read("markers{\r\n" + marker("freq=5e6\r\n") + "cursorpos{\r\nvalue=7\r\n}\r\n");
  ASSERT_EQ(cut.graphMarkers.count(), 1);
  EXPECT_EQ(cut.cursorpos, 7);
}

TEST(MarkerSection, ADrawingThatLostItsBraceEndsAtTheSectionsAfterIt)
{
  // Markers and goals behind a drawing whose closing "}" was cut away are still read.
  Schematic doc = withMarkers();
  doc.goals = {"S21 dB >= -1 from 1MHz to 2MHz"};
  std::string text = schematicText(doc);
  const std::size_t end = text.find("}\r\nmarkers{");
  ASSERT_NE(end, std::string::npos);
  text.erase(end, 3);
  const Schematic back = read(text);
  EXPECT_EQ(back.graphMarkers, doc.graphMarkers);
  EXPECT_EQ(back.goals, doc.goals);
  EXPECT_EQ(back.drawdat.components.count(), doc.drawdat.components.count());
}

} // namespace
} // namespace norvane
