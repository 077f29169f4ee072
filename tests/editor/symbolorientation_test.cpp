// Every symbol in both orientations, drawn at (200, 300): one characteristic segment of each
// kind lands where its drawing class puts it (quarter turn (x, y) -> (y, -x), mirror
// (x, y) -> (-x, y), ground flip (x, y) -> (x, -y - 10)), and the label lines of the kinds
// not covered elsewhere start at their anchor. Expected coordinates are worked out by hand
// from the symbol table.
#include "document/clearschematic.h"
#include "document/placement.h"
#include "editor/schematicpainter.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace norvane {
namespace {

RecordingCanvas paintOne(ComponentType kind, int crot, Schematic& doc, Environment& env)
{
  clearSchematic(doc, env);
  env.gridon = false;
  const PlacementResult placed = placeComponent(doc, kind, crot, {200, 300});
  EXPECT_TRUE(placed.placed());
  RecordingCanvas canvas;
  paintSchematic(canvas, doc, env, {}, {});
  return canvas;
}

TEST(SymbolOrientation, OneSegmentOfEveryKindInBothOrientations)
{
  struct Case
  {
    ComponentType kind;
    const char* segment; // as tabled, for the failure message
    std::array<int, 4> crot1;
    std::array<int, 4> crot2;
  };
  const Case cases[] = {
      {ComponentType::Resistor, "(5,-10)-(5,10)", {205, 290, 205, 310}, {190, 295, 210, 295}},
      {ComponentType::Capacitor, "(-10,-3)-(10,-3)", {190, 297, 210, 297}, {197, 310, 197, 290}},
      {ComponentType::Inductor, "(5,-15)-(8,-10)", {205, 285, 208, 290}, {185, 295, 190, 292}},
      {ComponentType::Ground, "(-3,-3)-(3,-3)", {197, 297, 203, 297}, {197, 293, 203, 293}},
      {ComponentType::OpAmp, "(20,0)-(30,0)", {220, 300, 230, 300}, {180, 300, 170, 300}},
      {ComponentType::TxLine, "(-7,-10)-(-7,10)", {193, 290, 193, 310}, {190, 307, 210, 307}},
      {ComponentType::SParam2, "(10,-5)-(5,-10)", {210, 295, 205, 290}, {190, 295, 195, 290}},
      {ComponentType::SParam1, "(0,12)-(0,20)", {200, 312, 200, 320}, {212, 300, 220, 300}},
      {ComponentType::Transformer, "(-3,-15)-(-3,15)", {197, 285, 197, 315}, {185, 303, 215, 303}},
      {ComponentType::Mutual, "(-10,-17)-(-10,-19)", {190, 283, 190, 281}, {183, 310, 181, 310}},
      {ComponentType::Bipolar, "(0,-5)-(10,-10)", {200, 295, 210, 290}, {200, 295, 190, 290}},
      {ComponentType::VCVS, "(17,-13)-(17,-18)", {217, 287, 217, 282}, {183, 287, 183, 282}},
      {ComponentType::VCCS, "(-5,10)-(-10,5)", {195, 310, 190, 305}, {205, 310, 210, 305}},
      {ComponentType::CCVS, "(-10,-20)-(-10,20)", {190, 280, 190, 320}, {210, 280, 210, 320}},
      {ComponentType::CCCS, "(-10,-20)-(-10,20)", {190, 280, 190, 320}, {210, 280, 210, 320}},
  };
  for (const Case& tc : cases) {
    for (int crot : {1, 2}) {
      SCOPED_TRACE("kind " + std::to_string(kindCode(tc.kind)) + " crot " + std::to_string(crot) +
                   " " + tc.segment);
      Schematic doc;
      Environment env;
      const RecordingCanvas c = paintOne(tc.kind, crot, doc, env);
      const auto& l = crot == 1 ? tc.crot1 : tc.crot2;
      EXPECT_TRUE(c.hasLine(l[0], l[1], l[2], l[3]));
      // The other orientation's picture is not there too (both differ for every kind).
      const auto& o = crot == 1 ? tc.crot2 : tc.crot1;
      EXPECT_FALSE(c.hasLine(o[0], o[1], o[2], o[3]));
    }
  }
}

TEST(SymbolOrientation, LabelsOfSourcesAndDataBlocksInBothOrientations)
{
  struct Case
  {
    ComponentType kind;
    int crot;
    const char* text;
    int x, y;
  };
  // Mirrored kinds keep their labels at the anchor in both orientations; the 1-port block
  // turns with its label lines (anchor (17, 8): x + 8 - 15, y + 17 - 3).
  const Case cases[] = {
      {ComponentType::VCVS, 2, "G=1V/V", 180, 265},
      {ComponentType::VCCS, 1, "gm=1A/V", 180, 265},
      {ComponentType::CCVS, 2, "a=1V/A", 180, 265},
      {ComponentType::CCCS, 1, "B=1A/A", 180, 265},
      {ComponentType::SParam1, 1, "S1P", 192, 293},
      {ComponentType::SParam1, 2, "S1P", 192, 293},
      {ComponentType::SParam2, 1, "S2P", 190, 297},
      {ComponentType::SParam2, 2, "S2P", 190, 297},
      {ComponentType::SParam2, 1, "0", 205, 322},
      {ComponentType::SParam2, 2, "0", 205, 322},
      {ComponentType::OpAmp, 2, "Ro=0.1R", 200, 335},
      {ComponentType::Bipolar, 2, "  Ccb=500fF, Ic=5mA", 210, 330},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE("kind " + std::to_string(kindCode(tc.kind)) + " crot " + std::to_string(tc.crot));
    Schematic doc;
    Environment env;
    const RecordingCanvas c = paintOne(tc.kind, tc.crot, doc, env);
    const auto op = c.findText(tc.text);
    ASSERT_TRUE(op) << "no text '" << tc.text << "'";
    EXPECT_EQ(op->points[0], (CanvasPoint{tc.x, tc.y})) << tc.text;
  }
}

} // namespace
} // namespace norvane
