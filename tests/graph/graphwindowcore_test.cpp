#include "graph/graphwindowcore.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "graph/graph_support.h"
#include "graph/plotdrawing.h"
#include "graph/rectgrid.h"
#include "graph/tracekinds.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

class GraphWindowCoreTest : public ::testing::Test
{
protected:
  GraphWindowCoreTest()
  {
    clearSchematic(doc, env);
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
  }

  // One rectangular run of n + 1 points from 0 to n MHz: trace 1 at -10·i/n dB, trace 2 flat.
  void sweepRect(int n, double trace2 = -30)
  {
    doc.plotformat = plotformat::Rectangular;
    doc.Xax.numpoints = n;
    doc.Xax.freqmode = freqmode::Linear;
    core->SetSweepLimits(0, n * 1e6);
    core->SetTrace1Limits(-40, 10);
    core->SetTrace2Limits(-40, 10);
    core->BeginPlot(plotformat::Rectangular, freqmode::Linear);
    for (int i = 0; i <= n; ++i) {
      PlotPoint p;
      p.freq = i * 1e6;
      p.trace1 = -10.0 * i / n;
      p.trace2 = trace2;
      core->AddPoint(p);
    }
    core->DrawCursor();
  }

  void sweepChart(PlotFormat format, MeasuredParameter which, std::vector<PlotPoint> pts)
  {
    doc.plotformat = format;
    doc.polarmeaswhat = which;
    doc.Xax.numpoints = static_cast<int>(pts.size()) - 1;
    core->SetSweepLimits(pts.front().freq, pts.back().freq);
    core->BeginPlot(format, freqmode::Linear);
    for (const PlotPoint& p : pts)
      core->AddPoint(p);
    core->DrawCursor();
  }

  std::vector<CanvasOp> markers() const
  {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : host.canvas.opsOfKind(CanvasOp::Kind::Rectangle))
      if (op.pen.mode == PenMode::Not) out.push_back(op);
    return out;
  }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
};

TEST_F(GraphWindowCoreTest, HundredIntervalsGiveAHundredAndOnePointsAndCursorPlaces)
{
  sweepRect(100);
  EXPECT_EQ(core->points().count(), 101);
  EXPECT_EQ(core->cursorMinimum(), 1);
  EXPECT_EQ(core->cursorMaximum(), 101);
  EXPECT_EQ(core->panelState().points, 101);
  core->cursorChanged(500);
  EXPECT_EQ(core->cursorPosition(), 101); // pulled back to the maximum
  core->cursorChanged(-3);
  EXPECT_EQ(core->cursorPosition(), 1);
  // The store never takes more than 501 points.
  for (int i = 0; i < 600; ++i)
    core->AddPoint(PlotPoint{});
  EXPECT_EQ(core->points().count(), 501);
  doc.Xax.numpoints = 5000;
  EXPECT_EQ(core->cursorMaximum(), 501);
}

TEST_F(GraphWindowCoreTest, FirstPointRepaintsThenSegmentsGrowIncrementally)
{
  doc.Xax.numpoints = 2;
  core->SetSweepLimits(0, 2e6);
  core->SetTrace1Limits(-40, 10);
  core->SetTrace2Limits(-40, 10);
  core->BeginPlot(plotformat::Rectangular, freqmode::Linear);
  EXPECT_EQ(core->points().count(), 0);
  EXPECT_DOUBLE_EQ(core->points().at(1).freq, 1.0);
  EXPECT_DOUBLE_EQ(core->points().at(1).trace1, -1e12);
  core->AddPoint({0, -10, -20, 0, 0, 0, 0});
  EXPECT_EQ(host.repaints, 1);
  const size_t afterRepaint = host.canvas.lines().size();
  // The grid only (one point draws no trace): 4 lines at the inner 10 dB steps of -40..10 dB,
  // 3 at the inner 500 kHz steps of 0..2 MHz.
  EXPECT_EQ(afterRepaint, 7u);
  // A value above the top is drawn at its true place while sweeping (y < 0 here).
  core->AddPoint({1e6, 20, -20, 0, 0, 0, 0});
  EXPECT_EQ(host.repaints, 1);
  const auto lines = host.canvas.lines();
  ASSERT_EQ(lines.size(), afterRepaint + 2);
  const CanvasOp& t1 = lines[afterRepaint];
  EXPECT_EQ(t1.pen.color, env.trace1color);
  EXPECT_EQ(t1.points[0], (CanvasPoint{0, 120}));
  EXPECT_EQ(t1.points[1], (CanvasPoint{200, -60}));
  EXPECT_EQ(lines[afterRepaint + 1].pen.color, env.trace2color);
  EXPECT_EQ(lines[afterRepaint + 1].points[1], (CanvasPoint{200, 180}));

  // The full redraw cuts the trace where it leaves the graph, as the window's edge does
  // while sweeping (it used to run along the top edge from there on).
  host.repaintGraph();
  EXPECT_TRUE(host.canvas.hasLine(0, 120, 133, 0));
  EXPECT_FALSE(host.canvas.hasLine(0, 120, 200, 0));
}

TEST_F(GraphWindowCoreTest, CursorMarkersAndReadoutsOnTheRectangularGraph)
{
  sweepRect(10);
  // Cursor at point 1 after the sweep (position remembered as 1).
  ASSERT_EQ(core->cursorPosition(), 1);
  EXPECT_EQ(core->readouts().frequency, "f=0Hz");
  EXPECT_EQ(core->readouts().value1, "0.00dB");
  EXPECT_EQ(core->readouts().value2, "-30.00dB");
  EXPECT_EQ(core->readouts().mark2Color, env.trace2color);

  host.canvas.clear();
  core->cursorChanged(6); // 5 MHz, trace 1 at -5 dB
  const auto m = markers();
  // Two old markers erased, two new ones drawn.
  ASSERT_EQ(m.size(), 4u);
  const int x = 200, y1 = static_cast<int>(300 - 35 * 6.0), y2 = 300 - 60;
  EXPECT_EQ(m[2].points[0], (CanvasPoint{x - 2, y1 - 2}));
  EXPECT_EQ(m[2].points[1], (CanvasPoint{x + 3, y1 + 3}));
  EXPECT_EQ(m[3].points[0], (CanvasPoint{x - 2, y2 - 2}));
  EXPECT_EQ(m[2].brush.style, BrushStyle::Clear);
  EXPECT_EQ(core->readouts().frequency, "f=5MHz");
  EXPECT_EQ(core->readouts().value1, "-5.00dB");

  // Setting the same place again erases and redraws the same squares: no change on screen.
  host.canvas.clear();
  core->cursorChanged(6);
  const auto again = markers();
  ASSERT_EQ(again.size(), 4u);
  EXPECT_EQ(again[0].points, again[2].points);
  EXPECT_EQ(again[1].points, again[3].points);
}

TEST_F(GraphWindowCoreTest, CoincidentMarkersAreDrawnOnce)
{
  sweepRect(10, 0.0); // trace 2 equals trace 1 at point 1
  host.repaintGraph();
  EXPECT_EQ(markers().size(), 1u);
  host.canvas.clear();
  core->cursorChanged(2);
  // The single old marker erased, two new ones (the traces differ at point 2).
  EXPECT_EQ(markers().size(), 3u);
}

TEST_F(GraphWindowCoreTest, PrinterCursorUsesTheCallersMarkerSize)
{
  sweepRect(10);
  RecordingCanvas printer(600);
  core->DrawGraph(printer, 100, 100, 1200, 900, true);
  for (const CanvasOp& op : printer.lines())
    EXPECT_EQ(op.pen.width, 2);
  core->DrawCursor(printer, 7, 100, 100, 1200, 900);
  const auto r = printer.opsOfKind(CanvasOp::Kind::Rectangle);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].points[1].x - r[0].points[0].x, 15);
  EXPECT_EQ(core->readouts().value2, "-30.0dB");
}

TEST_F(GraphWindowCoreTest, TraceTypeChangesUseLimitMemoryAndResimulate)
{
  doc.plotformat = plotformat::Rectangular;
  doc.Y1ax.max = 3;
  doc.Y1ax.min = -33;
  core->traceTypeChosen(1, traceTypeListIndex(tracetype::Phase));
  EXPECT_EQ(host.simulations, 1);
  EXPECT_EQ(host.focusRequests, 1);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 180);
  core->traceTypeChosen(1, traceTypeListIndex(tracetype::Log20));
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 3);
  EXPECT_DOUBLE_EQ(doc.Y1ax.min, -33);
  EXPECT_EQ(core->panelState().trace1ListIndex, 1);
  EXPECT_EQ(core->panelState().trace1Unit, "dB");

  // Group delay on S11: switched to S21 with a single simulation.
  doc.Y2ax.measwhat = measwhat::S11;
  core->traceTypeChosen(2, traceTypeListIndex(tracetype::GroupDelay));
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S21);
  EXPECT_EQ(host.simulations, 3);
  EXPECT_EQ(core->panelState().trace2Unit, "s");

  // Value fields store into the trace and the current kind's memory.
  core->valueFieldLeft(ValueField::Trace1Max, 12);
  EXPECT_DOUBLE_EQ(doc.mmdB.max, 12);
  EXPECT_EQ(host.simulations, 4);

  // While the window fills its widgets, their handlers do nothing.
  core->setPainting(true);
  core->valueFieldLeft(ValueField::Trace1Min, -99);
  core->traceTypeChosen(1, 3);
  core->parameterChosen(1, measwhat::S22);
  core->startFieldLeft(5);
  core->setPainting(false);
  EXPECT_EQ(host.simulations, 4);
  EXPECT_DOUBLE_EQ(doc.Y1ax.min, -33);

  // The menu title re-applies trace 1's kind.
  core->graphLimitSetupMenu();
  EXPECT_EQ(host.simulations, 5);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 12);
}

TEST_F(GraphWindowCoreTest, SweepFieldsAndGraphCommands)
{
  core->startFieldLeft(2e6);
  core->stopFieldLeft(3e9);
  core->pointsFieldLeft(201);
  EXPECT_DOUBLE_EQ(doc.Xax.min, 2e6);
  EXPECT_DOUBLE_EQ(doc.Xax.max, 3e9);
  EXPECT_EQ(doc.Xax.numpoints, 200);
  core->setFreqMode(freqmode::Linear);
  EXPECT_EQ(doc.Xax.freqmode, freqmode::Linear);
  core->setGraphType(plotformat::SmithY);
  EXPECT_EQ(doc.plotformat, plotformat::SmithY);
  EXPECT_EQ(host.simulations, 5);
  const GraphPanelState s = core->panelState();
  EXPECT_EQ(s.view, GraphView::Chart);
  EXPECT_EQ(s.graphTypeButton, GraphTypeButton::Smith);
  EXPECT_FALSE(s.trace2LimitsEnabled);
  EXPECT_FALSE(s.logSweep);
  core->setGraphType(plotformat::DataList);
  EXPECT_EQ(core->panelState().view, GraphView::List);
  EXPECT_EQ(core->panelState().graphTypeButton, GraphTypeButton::DataList);
}

TEST_F(GraphWindowCoreTest, ParameterButtonsFollowThePorts)
{
  core->enableParameterButtons(true, false);
  EXPECT_EQ(core->panelState().parameterEnabled, (std::array<bool, 4>{true, false, false, false}));
  core->enableParameterButtons(false, true);
  EXPECT_EQ(core->panelState().parameterEnabled, (std::array<bool, 4>{false, false, false, true}));
  core->enableParameterButtons(true, true);
  EXPECT_EQ(core->panelState().parameterEnabled, (std::array<bool, 4>{true, true, true, true}));

  doc.plotformat = plotformat::Rectangular;
  core->parameterChosen(2, measwhat::S12);
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S12);
  EXPECT_EQ(core->panelState().rightChecked, measwhat::S12);
  // On a chart the left group picks the charted parameter and shows Smith Z.
  doc.plotformat = plotformat::Polar;
  core->parameterChosen(1, measwhat::S22);
  EXPECT_EQ(doc.polarmeaswhat, measwhat::S22);
  EXPECT_EQ(doc.plotformat, plotformat::SmithZ);
  EXPECT_EQ(core->panelState().leftChecked, measwhat::S22);
  // The top-left field holds the chart magnitude there.
  core->valueFieldLeft(ValueField::Trace1Max, 2.0);
  EXPECT_DOUBLE_EQ(doc.polarS22mag, 2.0);
  EXPECT_DOUBLE_EQ(core->panelState().chartMagnitude, 2.0);
}

TEST_F(GraphWindowCoreTest, ChartReadoutsForAMatchedLoad)
{
  doc.drawdat.P1.Zo = 50;
  sweepChart(plotformat::SmithZ, measwhat::S11,
             {{1e6, 0, 0, 0, 0, 0, 0}, {2e6, 0, 0, 0, 0, 0, 0}, {3e6, 0.2, 0.4, 0, 0, 0, 0}});
  const GraphReadouts& r = core->readouts();
  EXPECT_EQ(r.frequency, "f=1MHz");
  EXPECT_EQ(r.value1, "0");
  EXPECT_TRUE(r.chartZoVisible);
  EXPECT_EQ(r.chartZo, "50R");
  EXPECT_TRUE(r.impedanceVisible);
  EXPECT_EQ(r.impedance.seriesResistance, " 50R");
  EXPECT_EQ(r.impedance.reactance, "+j0R");
  EXPECT_FALSE(r.gainVisible);
  EXPECT_FALSE(r.legendVisible);
  EXPECT_EQ(r.mark2Color, env.trace1color);
  // The locus: one segment per new point in the trace-1 colour, marker at the centre.
  const auto m = markers();
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m.back().points[0], (CanvasPoint{200 - 2, 150 - 2}));
  core->cursorChanged(3);
  EXPECT_EQ(core->readouts().impedance.reactance, "+j50R");

  // Transmission chart: dB panels instead of impedances.
  doc.drawdat.P2.Zo = 50;
  sweepChart(plotformat::Polar, measwhat::S21,
             {{1e6, 0.1, 0, 0, 0, 0, 0}, {2e6, 0.1, 0, 0, 0, 0, 0}});
  EXPECT_FALSE(core->readouts().impedanceVisible);
  EXPECT_FALSE(core->readouts().chartZoVisible);
  EXPECT_TRUE(core->readouts().gainVisible);
  EXPECT_EQ(core->readouts().gain.voltageGain, " -20.00dB");
}

TEST_F(GraphWindowCoreTest, StabilityCircleOnlyOnReflectionChartsWithCirclesOn)
{
  const std::vector<PlotPoint> pts = {{1e6, 0.5, 0, 1.5, 0, 0.4, -2.0},
                                      {2e6, 0.5, 0.1, 1.5, 0, 0.4, -2.0}};
  sweepChart(plotformat::SmithZ, measwhat::S11, pts);
  EXPECT_TRUE(host.canvas.opsOfKind(CanvasOp::Kind::Polygon).empty());
  auto hatched = [&] {
    int n = 0;
    for (const CanvasOp& e : host.canvas.opsOfKind(CanvasOp::Kind::Ellipse))
      if (e.brush.style == BrushStyle::DiagonalHatch) ++n;
    return n;
  };
  EXPECT_EQ(hatched(), 0);

  core->setStabilityCircles(true);
  EXPECT_TRUE(core->stabilityCircles());
  sweepChart(plotformat::SmithZ, measwhat::S11, pts);
  // Outside unstable: the whole area, then the circle.
  EXPECT_EQ(hatched(), 2);
  EXPECT_TRUE(core->cursorRedrawsWholeGraph());
  EXPECT_TRUE(core->readouts().legendVisible);
  EXPECT_EQ(core->readouts().legendPort, "Port 1");
  const int before = host.repaints;
  core->cursorChanged(2);
  EXPECT_EQ(host.repaints, before + 1);
  EXPECT_EQ(hatched(), 2);

  // S21 chart: no circle and the cursor moves by inversion.
  sweepChart(plotformat::SmithZ, measwhat::S21, pts);
  EXPECT_EQ(hatched(), 0);
  EXPECT_FALSE(core->cursorRedrawsWholeGraph());
  EXPECT_FALSE(core->readouts().legendVisible);

  // The run's request to drop the circles (a port missing).
  core->turnOffStabilityCircles();
  EXPECT_FALSE(core->stabilityCircles());
  EXPECT_FALSE(core->panelState().circlesOn);
}

TEST_F(GraphWindowCoreTest, MultiSweepRunsStayForExactlyOneMorePlot)
{
  core->beginMultiSweep(3);
  sweepRect(4);
  core->captureMultiSweepRun(1);
  for (int run = 2; run <= 3; ++run) {
    core->setMultiSweepRunInProgress(true);
    const int repaints = host.repaints;
    sweepRect(4, -20 - run);
    EXPECT_EQ(host.repaints, repaints); // accumulates on the screen
    core->captureMultiSweepRun(run);
    core->setMultiSweepRunInProgress(false);
  }
  core->endMultiSweep();
  sweepRect(4); // the nominal run
  EXPECT_TRUE(core->multiSweepResultShown());
  host.repaintGraph();
  int runLines = 0;
  for (const CanvasOp& op : host.canvas.lines())
    if (op.pen.color == invertedColor(env.trace1color)) ++runLines;
  EXPECT_EQ(runLines, 3 * 4);
  // The next simulation forgets them.
  sweepRect(4);
  EXPECT_FALSE(core->multiSweepResultShown());
  host.repaintGraph();
  for (const CanvasOp& op : host.canvas.lines())
    EXPECT_NE(op.pen.color, invertedColor(env.trace1color));
}

TEST_F(GraphWindowCoreTest, CursorAndCirclesTravelWithTheDocument)
{
  sweepRect(20);
  core->cursorChanged(7);
  core->setStabilityCircles(true);
  core->copyToDocument();
  EXPECT_EQ(doc.cursorpos, 7);
  EXPECT_TRUE(doc.circleson);
  doc.cursorpos = 12;
  doc.circleson = false;
  core->takeFromDocument();
  EXPECT_EQ(core->cursorPosition(), 12);
  EXPECT_FALSE(core->stabilityCircles());
  doc.cursorpos = 0; // a fresh document
  core->takeFromDocument();
  EXPECT_EQ(core->cursorPosition(), 1);
}

TEST_F(GraphWindowCoreTest, LogAxisAndPanelTexts)
{
  env.filename = "amp.cct";
  doc.Xax.freqmode = freqmode::Logarithmic;
  core->setSDataWarning(true);
  core->SetSweepLimits(1e3, 1e10);
  core->BeginPlot(plotformat::Rectangular, freqmode::Logarithmic);
  EXPECT_TRUE(core->logarithmicAxis());
  const GraphPanelState s = core->panelState();
  EXPECT_EQ(s.caption, "Norvane - amp.cct");
  EXPECT_TRUE(s.logSweep);
  EXPECT_TRUE(s.sDataWarning);
  EXPECT_DOUBLE_EQ(s.start, 1e3);
  EXPECT_DOUBLE_EQ(s.stop, 1e10);
  core->AddPoint({1e3, 0, 0, 0, 0, 0, 0});
  int major = 0;
  for (const CanvasOp& op : host.canvas.lines())
    if (op.pen.color == env.majoraxiscolor) ++major;
  EXPECT_EQ(major, 7);
}

} // namespace
} // namespace norvane
