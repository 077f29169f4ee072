#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/placement.h"
#include "editor/editoroverlay.h"
#include "editor/labeltext.h"
#include "editor/previewpainter.h"
#include "editor/schematicpainter.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace norvane {
namespace {

struct Painted
{
  Schematic doc;
  Environment env;
  Painted() { clearSchematic(doc, env); }

  Component& place(ComponentType kind, int crot, Point at)
  {
    const PlacementResult r = placeComponent(doc, kind, crot, at);
    EXPECT_TRUE(r.placed());
    return doc.drawdat.components[r.index];
  }

  RecordingCanvas paint(const PaintScale& scale = {}, int ppi = 96,
                        SchematicPaintOptions options = {})
  {
    RecordingCanvas canvas(ppi);
    paintSchematic(canvas, doc, env, scale, options);
    return canvas;
  }
};

void expectText(const RecordingCanvas& c, const std::string& text, int x, int y)
{
  auto op = c.findText(text);
  ASSERT_TRUE(op) << "no text '" << text << "'";
  EXPECT_EQ(op->points[0], (CanvasPoint{x, y})) << "text '" << text << "'";
}

TEST(SchematicPainter, ResistorLabelsInBothOrientations)
{
  Painted p;
  p.env.gridon = false;
  p.place(ComponentType::Resistor, 1, {100, 100});
  RecordingCanvas c = p.paint();
  expectText(c, "50R", 110, 85);
  expectText(c, "+1%,-1%", 110, 97);
  EXPECT_EQ(c.texts().size(), 2u);
  EXPECT_EQ(c.findText("50R")->font.size, 8);
  EXPECT_EQ(c.findText("50R")->font.color, p.env.comptextcolor);
  // The body: lead from the upper pin into the box, and the box edges.
  EXPECT_TRUE(c.hasLine(100, 80, 100, 90));
  EXPECT_TRUE(c.hasLine(95, 90, 105, 90));
  EXPECT_TRUE(c.hasLine(100, 110, 100, 120));
  EXPECT_EQ(c.lines().size(), 6u);
  for (const CanvasOp& op : c.lines())
    EXPECT_EQ(op.pen.color, p.env.compcolor);

  // Orientation 2: a quarter turn, horizontal, labels above starting at (85, 107).
  p.doc.drawdat.components[1].crot = 2;
  c = p.paint();
  expectText(c, "50R", 85, 107);
  expectText(c, "+1%,-1%", 85, 119);
  EXPECT_TRUE(c.hasLine(80, 100, 90, 100));
  EXPECT_TRUE(c.hasLine(90, 105, 90, 95));
  EXPECT_TRUE(c.hasLine(110, 100, 120, 100));
}

// The first drawn label line of every kind, in both orientations, with the templates of a new
// schematic. Positions follow from each symbol's label anchor and drawing class.
TEST(SchematicPainter, LabelTextAndPlaceForEveryKind)
{
  struct Case
  {
    ComponentType kind;
    int crot;
    std::vector<std::pair<std::string, CanvasPoint>> lines;
  };
  const Point at{200, 300};
  const std::vector<Case> cases = {
      {ComponentType::Resistor, 1, {{"50R", {210, 285}}, {"+1%,-1%", {210, 297}}}},
      {ComponentType::Resistor, 2, {{"50R", {185, 307}}, {"+1%,-1%", {185, 319}}}},
      {ComponentType::Capacitor, 1, {{"10pF", {210, 285}}, {"+2%,-2%", {210, 297}}}},
      {ComponentType::Capacitor, 2, {{"10pF", {185, 307}}}},
      {ComponentType::Inductor, 1, {{"10nH", {210, 285}}, {"+5%,-5%", {210, 297}}}},
      {ComponentType::Inductor, 2, {{"10nH", {185, 307}}}},
      {ComponentType::OpAmp,
       1,
       {{"Ri=1MR", {200, 320}}, {"Ro=0.1R", {200, 335}}, {"OLgain=120dB", {200, 350}}}},
      {ComponentType::OpAmp, 2, {{"Ri=1MR", {200, 320}}}},
      {ComponentType::TxLine,
       1,
       {{"Zo=50R  +5R-5R", {210, 285}},
        {"v=300M m/s", {210, 297}},
        {"l=0.01 m  +2%,-2%", {210, 309}}}},
      {ComponentType::TxLine,
       2,
       {{"Zo=50R  +5R-5R", {185, 307}}, {"l=0.01 m  +2%,-2%", {185, 331}}}},
      {ComponentType::Transformer, 1, {{"   1:1", {210, 297}}}},
      {ComponentType::Transformer, 2, {{"   1:1", {185, 319}}}},
      {ComponentType::Bipolar,
       1,
       {{"  ballpark, leaded", {210, 300}},
        {"  hfe=100, Ft=3GHz", {210, 315}},
        {"  Ccb=500fF, Ic=5mA", {210, 330}}}},
      {ComponentType::Bipolar, 2, {{"  ballpark, leaded", {210, 300}}}},
      {ComponentType::VCVS, 1, {{"G=1V/V", {180, 265}}}},
      {ComponentType::VCCS, 2, {{"gm=1A/V", {180, 265}}}},
      {ComponentType::CCVS, 1, {{"a=1V/A", {180, 265}}}},
      {ComponentType::CCCS, 2, {{"B=1A/A", {180, 265}}}},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE("kind " + std::to_string(kindCode(tc.kind)) + " crot " + std::to_string(tc.crot));
    Painted p;
    p.env.gridon = false;
    p.place(tc.kind, tc.crot, at);
    const RecordingCanvas c = p.paint();
    for (const auto& [text, pos] : tc.lines)
      expectText(c, text, pos.x, pos.y);
  }
}

TEST(SchematicPainter, KindsWithoutLabels)
{
  for (ComponentType kind : {ComponentType::Ground, ComponentType::Mutual}) {
    Painted p;
    p.env.gridon = false;
    p.place(kind, 1, {200, 200});
    EXPECT_TRUE(p.paint().texts().empty()) << kindCode(kind);
  }
}

TEST(SchematicPainter, GroundFlipsUpwardsInOrientation2)
{
  Painted p;
  p.env.gridon = false;
  Component& g = p.place(ComponentType::Ground, 1, {100, 100});
  RecordingCanvas c = p.paint();
  EXPECT_TRUE(c.hasLine(100, 90, 100, 95));
  EXPECT_TRUE(c.hasLine(95, 95, 105, 95));
  for (const CanvasOp& op : c.lines())
    EXPECT_EQ(op.pen.color, p.env.gndcolor);
  g.crot = 2;
  g.selected = true;
  p.env.selectedgndcolor = makeColor(1, 2, 3);
  c = p.paint();
  // (x, y) -> (x, -y - 10): the pin stub (0,-10)-(0,-5) becomes (0,0)-(0,-5).
  EXPECT_TRUE(c.hasLine(100, 100, 100, 95));
  EXPECT_TRUE(c.hasLine(95, 95, 105, 95));
  EXPECT_TRUE(c.hasLine(97, 93, 103, 93)); // the short bar now above the long one
  for (const CanvasOp& op : c.lines())
    EXPECT_EQ(op.pen.color, makeColor(1, 2, 3));
}

TEST(SchematicPainter, MirroredSymbolsAndEllipses)
{
  Painted p;
  p.env.gridon = false;
  Component& vcvs = p.place(ComponentType::VCVS, 1, {100, 100});
  RecordingCanvas c = p.paint();
  auto ellipses = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(ellipses[0].points[0], (CanvasPoint{100, 90}));
  EXPECT_EQ(ellipses[0].points[1], (CanvasPoint{120, 110}));
  EXPECT_EQ(ellipses[0].brush.style, BrushStyle::Clear); // transparent inside
  vcvs.crot = 2;
  c = p.paint();
  ellipses = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(ellipses[0].points[0], (CanvasPoint{80, 90})); // corners put back in order
  EXPECT_EQ(ellipses[0].points[1], (CanvasPoint{100, 110}));
  EXPECT_TRUE(c.hasLine(90, 80, 80, 80)); // terminal stub (10,-20)-(20,-20) mirrored
}

TEST(SchematicPainter, DataBlockMarksAndNames)
{
  Painted p;
  p.env.gridon = false;
  p.place(ComponentType::SParam2, 1, {200, 200});
  p.place(ComponentType::SParam1, 1, {400, 200});
  Component& two = p.doc.drawdat.components[1];
  Component& one = p.doc.drawdat.components[2];
  p.doc.datasets.twoPort[1].name = "amp.s2p";
  p.doc.datasets.onePort[1].name = "load.s1p";
  two.value[2].TolEn = true;
  two.value[2].maxtol = 5;
  two.value[3].maxtol = 2.5;
  RecordingCanvas c = p.paint();
  expectText(c, "1", 170, 175);
  expectText(c, "2", 225, 175);
  expectText(c, "0", 205, 222);
  expectText(c, "S2P", 190, 197);
  expectText(c, "amp.s2p, Mag 5% Ang 2.5%", 175, 165);
  expectText(c, "S1P", 392, 193);
  expectText(c, "load.s1p", 417, 193); // anchor (17, 8), first of three lines at -15
  EXPECT_EQ(c.findText("S2P")->font.color, p.env.compcolor);

  // Mirrored: the port numbers exchange places.
  two.crot = 2;
  c = p.paint();
  expectText(c, "2", 170, 175);
  expectText(c, "1", 225, 175);

  // Selected: grey body, no kind marks, label in the selected text colour.
  two.selected = true;
  one.selected = true;
  p.env.selectedcomptextcolor = makeColor(9, 9, 9);
  c = p.paint();
  EXPECT_FALSE(c.findText("S2P"));
  EXPECT_FALSE(c.findText("S1P"));
  EXPECT_FALSE(c.findText("0"));
  EXPECT_EQ(c.findText("load.s1p")->font.color, makeColor(9, 9, 9));
  for (const CanvasOp& op : c.lines())
    EXPECT_EQ(op.pen.color, p.env.selectedcompcolor);

  // A block whose index names no data set shows an empty name but keeps its tolerance text.
  two.value[1].nom = 77;
  c = p.paint();
  EXPECT_TRUE(c.findText(", Mag 5% Ang 2.5%"));
}

TEST(SchematicPainter, MovingSelectionOmitsItsLabels)
{
  Painted p;
  p.env.gridon = false;
  p.place(ComponentType::Resistor, 1, {100, 100}).selected = true;
  p.place(ComponentType::Resistor, 1, {300, 100});
  SchematicPaintOptions moving;
  moving.moving = true;
  const RecordingCanvas c = p.paint({}, 96, moving);
  EXPECT_FALSE(c.textAt(110, 85));
  EXPECT_TRUE(c.textAt(310, 85));
}

TEST(SchematicPainter, LabelsWithPhysicalModelsAndOddValues)
{
  DataSets sets;
  Component cap;
  cap.ctype = ComponentType::Capacitor;
  cap.value[1] = {4.7e-12, -10, 10, 0, true, true};
  cap.value[2].nom = 200;
  cap.value[3].nom = 1e8;
  cap.value[4].nom = 1.5e9;
  cap.value[5] = {2, 0, 0, 0, true, false};
  LabelLines l = componentLabelLines(cap, sets);
  EXPECT_EQ(l[0], "4.7pF  +10%,-10%");
  EXPECT_EQ(l[1], "Q=200 @100MHz");
  EXPECT_EQ(l[2], "Q mode=2 SRF=1.5GHz");

  cap.ctype = ComponentType::Inductor;
  cap.value[1] = {2.2e-6, -0.1e-6, 0.2e-6, 0, true, false};
  l = componentLabelLines(cap, sets);
  EXPECT_EQ(l[0], "2.2uH  +200nH-100nH");

  Component t;
  t.ctype = ComponentType::Transformer;
  t.value[1] = {4, 1, 0, 0, true, false};
  t.value[2].nom = 1e-6;
  t.value[3].nom = 0.95;
  l = componentLabelLines(t, sets);
  EXPECT_EQ(l[1], "   1:4, Lp=1uH, k=0.95");

  Component q;
  q.ctype = ComponentType::Bipolar;
  q.value[1].nom = 80;
  q.value[2] = {2, 10, 1e5, 0, false, false};
  q.value[3] = {3e-12, 1e-12, 2e-11, 0, false, false};
  q.value[4] = {1e-9, 0, 8e-10, 0, false, false};
  q.value[5] = {0.01, 5e9, 0, 0, false, false};
  l = componentLabelLines(q, sets);
  EXPECT_EQ(l[0], "  hfe=80, Rbb=10R, Re=2R");
  EXPECT_EQ(l[1], "  Ro=100kR, Ccb=1pF, Cbe=3pF");
  EXPECT_EQ(l[2], "  Td=20ps, Lb=1nH, Le=800pH");
  q.value[5].TolEn = true;
  q.value[5].TolPercent = true;
  EXPECT_EQ(componentLabelLines(q, sets)[0], "  ballpark, SMT");

  // An op-amp read from a damaged file with zero gain must not print "nan" or "inf".
  Component op;
  op.ctype = ComponentType::OpAmp;
  op.value[3].nom = 0;
  const std::string gain = componentLabelLines(op, sets)[2];
  EXPECT_EQ(gain.find("nan"), std::string::npos);
  EXPECT_EQ(gain.find("inf"), std::string::npos);

  // Tolerance texts: off, percent, absolute with unit, zero.
  EXPECT_EQ(toleranceText({50, -1, 1, 0, false, true}, "R"), "");
  EXPECT_EQ(toleranceText({50, -1, 1, 0, true, true}, "R"), "+1%,-1%");
  EXPECT_EQ(toleranceText({50, -5, 5, 0, true, false}, "R"), "+5R-5R");
  EXPECT_EQ(toleranceText({50, 0, 0, 0, true, true}, "R"), "+0%,+0%");

  EXPECT_EQ(plainNumberText(200), "200");
  EXPECT_EQ(plainNumberText(0.5), "0.5");
  EXPECT_EQ(plainNumberText(1e20), "1E20");
  EXPECT_EQ(plainNumberText(-2.5e-7), "-2.5E-7");
  EXPECT_EQ(plainNumberText(std::nan("")), "0");
}

TEST(SchematicPainter, WiresLinesTextsAndMarkers)
{
  Painted p;
  p.env.gridon = false;
  Drawing& d = p.doc.drawdat;
  d.wires.append({false, false, {10, 20}, {110, 20}});
  d.wires.append({false, true, {200, 20}, {200, 120}});
  d.lines.append({1, false, {0, 0}, {50, 50}});
  d.lines.append({1, true, {60, 60}, {70, 70}});
  d.texts.append({{33, 44}, "8", false, "hello"});
  d.texts.append({{55, 66}, "12", true, "sel"});
  d.UnconnectedMarkers.append({300, 400});
  RecordingCanvas c = p.paint();

  auto lines = c.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].pen.color, p.env.wirecolor);
  EXPECT_EQ(lines[1].pen.color, p.env.selectedwirecolor);
  EXPECT_EQ(lines[2].pen.color, colors::black);
  EXPECT_EQ(lines[3].pen.color, colors::grey);
  auto squares = c.opsOfKind(CanvasOp::Kind::FillRect);
  ASSERT_EQ(squares.size(), 4u);
  EXPECT_EQ(squares[0].points[0], (CanvasPoint{9, 19}));
  EXPECT_EQ(squares[0].points[1], (CanvasPoint{12, 22}));

  auto hello = c.findText("hello");
  ASSERT_TRUE(hello);
  EXPECT_EQ(hello->points[0], (CanvasPoint{33, 44}));
  EXPECT_EQ(hello->font.size, 8);
  EXPECT_EQ(hello->font.color, colors::black);
  EXPECT_EQ(hello->brush.style, BrushStyle::Clear);
  EXPECT_EQ(c.findText("sel")->font.color, colors::grey);
  EXPECT_EQ(c.findText("sel")->font.size, 12);
  auto pixels = c.opsOfKind(CanvasOp::Kind::Pixel);
  ASSERT_EQ(pixels.size(), 2u);
  EXPECT_EQ(pixels[0].points[0], (CanvasPoint{33, 44}));
  EXPECT_EQ(pixels[0].color, colors::grey);

  auto markers = c.opsOfKind(CanvasOp::Kind::Ellipse);
  ASSERT_EQ(markers.size(), 1u);
  EXPECT_EQ(markers[0].points[0], (CanvasPoint{295, 395}));
  EXPECT_EQ(markers[0].points[1], (CanvasPoint{305, 405}));
  EXPECT_EQ(markers[0].pen.color, colors::red);
  EXPECT_EQ(markers[0].brush.style, BrushStyle::Clear);

  // Markers stay where they are when the rest is scaled for printing.
  c = p.paint({10, 10, 2, 1});
  markers = c.opsOfKind(CanvasOp::Kind::Ellipse);
  EXPECT_EQ(markers[0].points[0], (CanvasPoint{295, 395}));
  EXPECT_TRUE(c.hasLine(40, 60, 240, 60));
}

TEST(SchematicPainter, TextSizeFollowsScaleAndResolution)
{
  EXPECT_EQ(textItemFontSize("8", {}, 96), 8);
  EXPECT_EQ(textItemFontSize("8", {}, 192), 4);
  EXPECT_EQ(textItemFontSize("30", {0, 0, 3, 1}, 600), 14); // 30*3*96/600 = 14.4
  EXPECT_EQ(textItemFontSize("6", {0, 0, 1, 32}, 96), 0);
  EXPECT_EQ(textItemFontSize("", {}, 96), 8); // unreadable size: the editor's default
  EXPECT_EQ(textItemFontSize("x", {}, 96), 8);

  Painted p;
  p.env.gridon = false;
  p.doc.drawdat.texts.append({{100, 100}, "6", false, "tiny"});
  const RecordingCanvas c = p.paint({0, 0, 1, 32});
  EXPECT_TRUE(c.texts().empty()); // too small: only the anchor pixel
  EXPECT_EQ(c.opsOfKind(CanvasOp::Kind::Pixel).size(), 1u);
}

TEST(SchematicPainter, PortsWithImpedanceLabels)
{
  Painted p;
  p.env.gridon = false;
  Drawing& d = p.doc.drawdat;
  RecordingCanvas c = p.paint();
  EXPECT_TRUE(c.ops().empty()); // neither port placed: nothing drawn

  d.P1.pos = {100, 100};
  d.P1.crot = 1;
  d.P2.pos = {300, 100};
  d.P2.crot = 1;
  d.P2.Zo = 75;
  d.P2.selected = true;
  c = p.paint();
  expectText(c, "50R", 90, 75);
  expectText(c, "75R", 290, 75);
  EXPECT_TRUE(c.hasLine(120, 100, 110, 100)); // port 1 lead to the right
  EXPECT_TRUE(c.hasLine(280, 100, 290, 100)); // port 2 lead to the left
  EXPECT_EQ(c.findText("75R")->font.color, p.env.selectedcomptextcolor);
  d.P1.crot = 2;
  d.P2.crot = 2;
  c = p.paint();
  EXPECT_TRUE(c.hasLine(80, 100, 90, 100));
  EXPECT_TRUE(c.hasLine(320, 100, 310, 100));
  bool sawPortColor = false;
  for (const CanvasOp& op : c.lines())
    if (op.pen.color == p.env.selectedportcolor) sawPortColor = true;
  EXPECT_TRUE(sawPortColor);
}

TEST(SchematicPainter, ScaledPrintingAndGrid)
{
  Painted p;
  p.place(ComponentType::Resistor, 1, {100, 100});
  RecordingCanvas c = p.paint({10, 20, 3, 1});
  expectText(c, "50R", 360, 315); // 3 * (110 + 10), 3 * (85 + 20)
  EXPECT_EQ(c.findText("50R")->font.size, 24);
  EXPECT_TRUE(c.hasLine(330, 300, 330, 330));
  EXPECT_EQ(c.lines()[0].pen.width, 3);

  // The grid is one tiled call over the whole drawing area, first of everything.
  ASSERT_FALSE(c.ops().empty());
  const CanvasOp& grid = c.ops()[0];
  ASSERT_EQ(grid.kind, CanvasOp::Kind::Tiled);
  EXPECT_EQ(grid.points[1], (CanvasPoint{1500, 1000}));
  EXPECT_EQ(grid.tile.at(0, 0), p.env.griddotscolor);
  EXPECT_EQ(grid.tile.at(10, 90), p.env.griddotscolor);
  EXPECT_EQ(grid.tile.at(5, 0), p.env.papercolor);
  EXPECT_EQ(grid.tile.at(99, 99), p.env.papercolor);

  // Preview reduced 32 times: labels too small to draw, pen at its thinnest.
  c = p.paint({0, 0, 3, 32});
  EXPECT_TRUE(c.texts().empty());
  EXPECT_EQ(c.lines()[0].pen.width, 0);

  SchematicPaintOptions noGrid;
  noGrid.allowGrid = false;
  EXPECT_TRUE(p.paint({}, 96, noGrid).opsOfKind(CanvasOp::Kind::Tiled).empty());
  p.env.gridon = false;
  EXPECT_TRUE(p.paint().opsOfKind(CanvasOp::Kind::Tiled).empty());

  GridTileCache cache;
  const PixelImage* first = &cache.tile(colors::white, colors::grey);
  EXPECT_EQ(first, &cache.tile(colors::white, colors::grey));
  EXPECT_EQ(cache.tile(colors::black, colors::grey).at(1, 1), colors::black);
}

TEST(PreviewPainter, ShortLabelsAndNoValueMark)
{
  Environment env;
  std::vector<Component> comps(3);
  comps[0].ctype = ComponentType::Resistor;
  comps[0].crot = 2;
  comps[0].position = {100, 100};
  comps[0].value[1].nom = 4700;
  comps[1].ctype = ComponentType::Capacitor;
  comps[1].crot = 1;
  comps[1].position = {200, 100};
  comps[1].value[1].nom = kNoValueMark;
  comps[2].ctype = ComponentType::Ground;
  comps[2].crot = 1;
  comps[2].position = {200, 140};
  std::vector<Wire> wires{{false, false, {0, 0}, {100, 0}}};
  Port p1;
  p1.pos = {40, 100};
  p1.Zo = 50; // orientation left unset by the assistant: drawn as orientation 1
  PreviewCircuitView view{&p1, nullptr, comps, wires};
  RecordingCanvas c;
  paintPreviewCircuit(c, view, 5, 0, env, "Arial");
  expectText(c, "4.7kR", 90, 107);
  expectText(c, "?", 215, 85);
  expectText(c, "50R", 35, 75);
  EXPECT_EQ(c.texts().size(), 3u);
  EXPECT_TRUE(c.hasLine(65, 100, 55, 100)); // port 1 lead points right
  EXPECT_TRUE(c.hasLine(5, 0, 105, 0));     // wire shifted by the offset
  EXPECT_EQ(c.findText("?")->font.name, "Arial");
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

TEST(EditorOverlay, OutlineRubberLineBandAndTextFrames)
{
  Schematic doc;
  Environment env;
  clearSchematic(doc, env);
  doc.drawdat.texts.append({{40, 50}, "8", true, "abc"});
  EditorOverlay o;
  o.outline = PlacementOutline{kindCode(ComponentType::Resistor), 2, {100, 100}};
  o.rubberLine = std::make_pair(Point{0, 0}, Point{30, 0});
  o.rubberBand = std::make_pair(Point{50, 60}, Point{10, 20});
  o.frameSelectedTexts = true;
  RecordingCanvas c;
  paintEditorOverlay(c, o, doc, env);

  // The outline: the bare symbol, turned, in the selected colour, no labels.
  EXPECT_TRUE(c.hasLine(80, 100, 90, 100));
  EXPECT_TRUE(c.texts().empty());
  EXPECT_EQ(c.lines()[0].pen.color, env.selectedcompcolor);
  // The rubber line in grey.
  const CanvasOp rubber = c.lines().back();
  EXPECT_EQ(rubber.points[1], (CanvasPoint{30, 0}));
  EXPECT_EQ(rubber.pen.color, colors::grey);
  // Rubber band and text frame: dotted rectangles, transparent inside.
  auto rects = c.opsOfKind(CanvasOp::Kind::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].points[0], (CanvasPoint{10, 20}));
  EXPECT_EQ(rects[0].points[1], (CanvasPoint{50, 60}));
  EXPECT_EQ(rects[0].pen.style, PenStyle::Dot);
  EXPECT_EQ(rects[0].brush.style, BrushStyle::Clear);
  EXPECT_EQ(rects[1].points[0], (CanvasPoint{40, 50}));
  EXPECT_EQ(rects[1].points[1], (CanvasPoint{58, 61})); // 3 characters of the 8-point font
  EXPECT_EQ(rects[1].pen.color, colors::grey);
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

// The picture and the connectivity must agree: in every orientation each pin the netlist uses
// is the end of a drawn line, so that wires attach where the symbol shows a terminal.
TEST(SymbolGeometry, EveryPinIsTheEndOfADrawnLeadInBothOrientations)
{
  Environment env;
  DataSets sets;
  for (const ComponentKind& kind : componentKinds()) {
    for (int crot : {1, 2}) {
      SCOPED_TRACE("kind " + std::to_string(kind.code()) + " crot " + std::to_string(crot));
      Component c;
      c.ctype = kind.type;
      c.crot = crot;
      c.position = {200, 300};
      computePinPositions(c);
      RecordingCanvas canvas;
      paintComponent(canvas, c, sets, {}, env);
      const SymbolDefinition* symbol = symbolFor(kind.type);
      ASSERT_NE(symbol, nullptr);
      const auto lines = canvas.lines();
      const auto ellipses = canvas.opsOfKind(CanvasOp::Kind::Ellipse);
      EXPECT_EQ(lines.size() + ellipses.size(), symbol->segments.size());
      ASSERT_GT(c.pins.count, 0);
      for (int i = 1; i <= c.pins.count; ++i) {
        const CanvasPoint pin{c.pins.nodes[i].x, c.pins.nodes[i].y};
        const bool drawn = std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& op) {
          return op.points[0] == pin || op.points[1] == pin;
        });
        EXPECT_TRUE(drawn) << "pin " << i << " at (" << pin.x << ", " << pin.y << ")";
      }
    }
  }
  // Ports follow their connection point, also for an orientation value other than 1 or 2
  // (read from a damaged file).
  for (int number : {1, 2}) {
    for (int crot : {0, 1, 2}) {
      Port port;
      port.pos = {200, 300};
      port.crot = crot;
      RecordingCanvas canvas;
      paintPort(canvas, number, port, {}, env);
      const Point node = portConnectionPoint(number, port);
      EXPECT_TRUE(canvas.hasLine(node.x, node.y, node.x + (node.x > 200 ? -10 : 10), node.y))
          << "port " << number << " crot " << crot;
    }
  }
}

} // namespace
} // namespace norvane
