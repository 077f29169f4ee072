// The remembered ranges of the stability, gain and port-figure traces in the schematic file:
// a section of their own after the drawing, written only where they are in use.

#include "document/measureranges.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include "schematic_support.h"

#include <gtest/gtest.h>

#include <string>

namespace norvane {
namespace {

using testing::resetDocument;
using testing::richDocument;

Schematic readBack(const std::string& text)
{
  Schematic doc = resetDocument();
  const FileResult r = readSchematicText(doc, text);
  EXPECT_TRUE(r.ok()) << r.error;
  return doc;
}

TEST(TraceRangesSection, WrittenAfterTheDrawingOnlyWhenInUseAndKeptByteForByte)
{
  // Not in use: the file is what it always was (the goldens hold the bytes).
  const Schematic plain = richDocument();
  EXPECT_EQ(schematicText(plain).find("traceranges"), std::string::npos);
  EXPECT_EQ(schematicText(Schematic{}).find("traceranges"), std::string::npos);

  // Trace 2 shows K on S22 and the MAG/MSG range was edited.
  Schematic doc = richDocument();
  doc.Y2ax = {0.5, 3, measwhat::S22, tracetype::StabilityK};
  doc.mmMeasures.gain = {testing::r15(33.3), testing::r15(-1.5)};
  const std::string text = schematicText(doc);
  const std::string drawingClose = "}\r\n}\r\n"; // the last wire, then the drawing
  const std::size_t section = text.find("traceranges{\r\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_EQ(text.rfind(drawingClose, section), section - drawingClose.size());
  EXPECT_TRUE(text.ends_with("}\r\n"));
  EXPECT_NE(text.find("tracetype=5\r\n"), std::string::npos);
  EXPECT_NE(text.find("MAGmax=", section), std::string::npos);

  const Schematic loaded = readBack(text);
  EXPECT_EQ(loaded, doc);
  EXPECT_EQ(schematicText(loaded), text);

  // The trace back on dB: the edited range is still remembered and written; with every range
  // at its default nothing is.
  doc.Y2ax.tracetype = tracetype::Log20;
  EXPECT_NE(schematicText(doc).find("traceranges{"), std::string::npos);
  doc.mmMeasures = defaultMeasureRanges();
  Schematic sameTraces = plain;
  sameTraces.Y2ax = doc.Y2ax;
  EXPECT_TRUE(schematicText(doc) == schematicText(sameTraces));

  // A reader that does not know the section skips it: the rest of the document is whole.
  std::string unknown = text;
  unknown.replace(section, 11, "futureknobs");
  Schematic skipped = readBack(unknown);
  EXPECT_EQ(skipped.mmMeasures, defaultMeasureRanges());
  skipped.mmMeasures = loaded.mmMeasures;
  EXPECT_TRUE(skipped == loaded);

  // A value that does not read as a number is refused, never taken as 0.
  std::string bad = text;
  bad.replace(bad.find("Kmax=", section) + 5, 1, "x");
  Schematic refused = resetDocument();
  EXPECT_FALSE(readSchematicText(refused, bad).ok());
}

TEST(TraceRangesSection, NoiseRangesOnlyOnceANoiseTraceWasUsed)
{
  // A K trace alone: the section holds the ranges it always held, no noise lines.
  Schematic doc = richDocument();
  doc.Y2ax = {0.5, 3, measwhat::S22, tracetype::StabilityK};
  const std::string withK = schematicText(doc);
  EXPECT_EQ(withK.find("NFmax="), std::string::npos);

  // An NF trace: its range and NFmin's follow the others and read back.
  doc.Y1ax = {0, 5, measwhat::S21, tracetype::NoiseFigure};
  doc.mmMeasures.nfmin = {testing::r15(2.5), testing::r15(0.25)};
  const std::string text = schematicText(doc);
  const std::size_t nf = text.find("NFmax=");
  ASSERT_NE(nf, std::string::npos);
  EXPECT_LT(text.find("ImZmin="), nf);
  EXPECT_NE(text.find("NFminmax= 2.50000000000000E+0000\r\n"), std::string::npos);
  const Schematic loaded = readBack(text);
  EXPECT_EQ(loaded, doc);
  EXPECT_EQ(schematicText(loaded), text);
}

} // namespace
} // namespace norvane
