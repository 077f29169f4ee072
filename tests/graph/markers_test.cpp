// Graph markers on the plot of a simulated series LC resonator between two 50 ohm ports, a
// one-pole band pass: S21 = 2·Z0/(2·Z0 + jX) and S11 = jX/(2·Z0 + jX) with X = wL - 1/(wC),
// peaking (S21) and dipping (S11) at f0 = 1/(2·pi·sqrt(LC)).

#include "graph/graphwindowcore.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "graph/graph_support.h"
#include "graph/markertable.h"
#include "numbers/valuetext.h"
#include "sim/simulate.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>

namespace norvane {
namespace {

constexpr double kL = 100e-9;
constexpr double kC = 25e-12;
const double kF0 = 1.0 / (2 * std::numbers::pi * std::sqrt(kL * kC)); // 100.66 MHz

std::complex<double> s21At(double f)
{
  const double w = 2 * std::numbers::pi * f;
  return 100.0 / std::complex<double>(100.0, w * kL - 1.0 / (w * kC));
}

double s21dB(double f)
{
  return 20 * std::log10(std::abs(s21At(f)));
}

class GraphMarkers : public ::testing::Test
{
protected:
  GraphMarkers()
  {
    clearSchematic(doc, env);
    doc.drawdat.P1.pos = {100, 100}; // connects at (120, 100)
    doc.drawdat.P1.crot = 1;
    doc.drawdat.P2.pos = {220, 100}; // connects at (200, 100)
    doc.drawdat.P2.crot = 1;
    place(doc.lastL, ComponentType::Inductor, {140, 100}, kL);  // (120, 100) to (160, 100)
    place(doc.lastC, ComponentType::Capacitor, {180, 100}, kC); // (160, 100) to (200, 100)
    doc.Xax = {50e6, 150e6, 100, false, freqmode::Linear};
    doc.plotformat = plotformat::Rectangular;
    doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
    doc.Y2ax = {-40, 10, measwhat::S11, tracetype::Log20};
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
    host.onSimulate = [this] { result = simulateForDisplay(doc, session, *core, {}, prompts); };
  }

  void place(Component templ, ComponentType type, Point at, double value)
  {
    templ.ctype = type;
    templ.crot = 2;
    templ.position = at;
    templ.value[1].nom = value;
    computePinPositions(templ);
    doc.drawdat.components.append(templ);
  }

  double markerFreq(int number) const { return core->points().at(core->markerPoint(number)).freq; }

  // Pixel of trace 1 at point i of the 400 x 300 test picture.
  IntPoint trace1Pixel(int i) const
  {
    const PlotPoint& p = core->points().at(i);
    const double x = (p.freq - 50e6) / 100e6 * 400;
    const double y = 300 - (p.trace1 + 40) / 50 * 300;
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
  }

  std::vector<CanvasOp> invertedPolygons() const
  {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : host.canvas.opsOfKind(CanvasOp::Kind::Polygon))
      if (op.pen.mode == PenMode::Not) out.push_back(op);
    return out;
  }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
  SimulationSession session;
  ScriptedPrompts prompts;
  SimulateResult result;
};

TEST_F(GraphMarkers, MaximumMinimumAndDeltaOnABandPass)
{
  host.simulate();
  ASSERT_TRUE(result.ran) << prompts.lastText();
  ASSERT_EQ(core->points().count(), 101);

  // Maximum of S21 and minimum of S11 both lie at the resonance (1 MHz steps).
  core->markerToExtreme(1, Extreme::Maximum); // no marker selected: a new one
  ASSERT_EQ(core->markers().count(), 1);
  EXPECT_NEAR(markerFreq(1), kF0, 0.5e6);
  core->selectMarker(0);
  core->markerToExtreme(2, Extreme::Minimum);
  ASSERT_EQ(core->markers().count(), 2);
  EXPECT_NEAR(markerFreq(2), kF0, 0.5e6);
  EXPECT_EQ(core->selectedMarker(), 2);
  // The selected marker moves: to the minimum of S21, an end of the band.
  core->markerToExtreme(1, Extreme::Minimum);
  EXPECT_EQ(core->markers().count(), 2);
  EXPECT_DOUBLE_EQ(markerFreq(2), 50e6);

  // A marker at the cursor; marker 1 (the peak) as reference: the others read their
  // difference from it, computed here from the closed form.
  core->cursorChanged(11); // 60 MHz
  EXPECT_EQ(core->addMarkerAtCursor(), 3);
  core->selectMarker(1);
  core->toggleReferenceOfSelected();
  const MarkerTable t = core->markerTable();
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.columns[2].heading, "S21 dB");
  EXPECT_TRUE(t.columns[5].delta);
  EXPECT_EQ(t.rows[0][0], "1 (ref)");
  EXPECT_EQ(t.rows[2][1], "60MHz");
  EXPECT_EQ(t.rows[2][2], formatFixed(s21dB(60e6), 2) + "dB");
  const double peak = markerFreq(1);
  EXPECT_EQ(t.rows[2][4], formatEngineering(3, 60e6 - peak) + "Hz");
  EXPECT_EQ(t.rows[2][5], formatFixed(s21dB(60e6) - s21dB(peak), 2) + "dB");
  EXPECT_EQ(t.rows[0][4], ""); // the reference has no difference of its own
  core->toggleReferenceOfSelected();
  EXPECT_EQ(core->markerTable().rows[2][4], "");

  // Delete renumbers, Clear empties; eight at most.
  core->selectMarker(2);
  core->deleteSelectedMarker();
  ASSERT_EQ(core->markers().count(), 2);
  EXPECT_DOUBLE_EQ(core->markers()[2].freq, 60e6);
  EXPECT_EQ(core->selectedMarker(), 0);
  for (int i = 0; i < 10; ++i)
    core->addMarkerAtCursor();
  EXPECT_EQ(core->markers().count(), 8);
  EXPECT_FALSE(core->canAddMarker());
  core->clearMarkers();
  EXPECT_TRUE(core->markers().empty());
}

TEST_F(GraphMarkers, SignsMoveLikeTheCursorAndFollowANewSweep)
{
  host.simulate();
  ASSERT_TRUE(result.ran) << prompts.lastText();
  const IntPoint at = trace1Pixel(51);
  EXPECT_EQ(core->addMarkerAtPixel({at.x, 5}), 1); // nearest point by frequency
  EXPECT_DOUBLE_EQ(markerFreq(1), 100e6);
  EXPECT_EQ(host.repaints, 1); // the picture is not drawn anew for a marker
  // Its sign stands on trace 1 (and one on trace 2) and is caught by a click on it.
  std::vector<CanvasOp> signs = invertedPolygons();
  ASSERT_EQ(signs.size(), 2u);
  EXPECT_EQ(signs[0].points[0], (CanvasPoint{at.x, at.y}));
  EXPECT_EQ(core->markerAtPixel({at.x, at.y - 4}), 1);
  EXPECT_EQ(core->markerAtPixel({at.x + 40, at.y - 4}), 0);

  // Dragged to another point: the old signs are drawn once more (which erases them), then
  // the new ones.
  host.canvas.clear();
  const IntPoint to = trace1Pixel(71);
  core->moveMarkerToPixel(1, to);
  EXPECT_DOUBLE_EQ(markerFreq(1), 120e6);
  signs = invertedPolygons();
  ASSERT_EQ(signs.size(), 4u);
  EXPECT_EQ(signs[0].points[0], (CanvasPoint{at.x, at.y}));
  EXPECT_EQ(signs[2].points[0], (CanvasPoint{to.x, to.y}));
  EXPECT_EQ(host.repaints, 1);

  // A new sweep with other points keeps the marker at its frequency's nearest point.
  doc.Xax = {100e6, 130e6, 6, false, freqmode::Linear}; // 5 MHz steps
  host.simulate();
  EXPECT_DOUBLE_EQ(markerFreq(1), 120e6);
  doc.Xax = {100e6, 133e6, 3, false, freqmode::Linear}; // 100, 111, 122, 133 MHz
  host.simulate();
  EXPECT_DOUBLE_EQ(markerFreq(1), 122e6);
  EXPECT_DOUBLE_EQ(core->markers()[1].freq, 120e6); // the stored frequency stays
}

TEST(MarkerPoints, NearestPointAsTheAxisShowsIt)
{
  PlotStore store;
  store.reset();
  EXPECT_EQ(pointNearestFrequency(store, 15e6), 0);
  store.add({10e6, 0, 0, 0, 0, 0, 0});
  store.add({21.5e6, 0, 0, 0, 0, 0, 0});
  // 15 MHz is nearer 10 MHz in hertz but nearer 21.5 MHz on a logarithmic axis.
  EXPECT_EQ(pointNearestFrequency(store, 15e6), 1);
  EXPECT_EQ(pointNearestFrequency(store, 15e6, true), 2);
}

TEST_F(GraphMarkers, ChartReadOutsAndPrintedSigns)
{
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  host.simulate();
  ASSERT_TRUE(result.ran) << prompts.lastText();
  // On a chart the search looks at the magnitude: |S11| is largest at the lower band edge.
  core->markerToExtreme(1, Extreme::Maximum);
  EXPECT_DOUBLE_EQ(markerFreq(1), 50e6);
  core->cursorChanged(11); // 60 MHz
  core->addMarkerAtCursor();
  // The impedance seen at port 1 is the series LC before the 50 ohm port 2: 50 + jX.
  const double w = 2 * std::numbers::pi * 60e6;
  const double x = w * kL - 1.0 / (w * kC);
  ASSERT_LT(x, 0);
  const MarkerTable t = core->markerTable();
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.columns[2].heading, "|S11|");
  EXPECT_EQ(t.columns[4].heading, "Impedance");
  EXPECT_EQ(t.rows[1][4], formatEngineering(2, 50) + "R -j" + formatEngineering(2, -x) + "R");
  EXPECT_EQ(t.rows[1][2], formatEngineering(2, std::abs(std::complex<double>(0, x) /
                                                        std::complex<double>(100, x))));

  // A printed page shows the signs at the page's size, none of them filled as the selected
  // one is on the screen.
  RecordingCanvas page;
  core->DrawCursor(page, 6, 0, 0, 800, 600);
  std::vector<CanvasOp> signs;
  for (const CanvasOp& op : page.opsOfKind(CanvasOp::Kind::Polygon))
    if (op.pen.mode == PenMode::Not) signs.push_back(op);
  ASSERT_EQ(signs.size(), 2u);
  for (const CanvasOp& sign : signs) {
    EXPECT_EQ(sign.brush.style, BrushStyle::Clear);
    EXPECT_EQ(sign.points[0].y - sign.points[1].y, 8 * 3); // three times the screen size
  }
}

} // namespace
} // namespace norvane
