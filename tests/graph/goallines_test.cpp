#include "graph/goallines.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "graph/graph_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

// A low-pass response on S21 (20Log(V)): flat 0 dB to 5 MHz, then falling 4 dB per MHz to
// -20 dB at 10 MHz, one point per MHz, the axis from -40 dB to +10 dB.
class GoalLinesTest : public ::testing::Test
{
protected:
  GoalLinesTest()
  {
    clearSchematic(doc, env);
    doc.Y1ax.measwhat = MeasuredParameter::S21;
    doc.Y1ax.tracetype = TraceType::Log20;
    doc.Y2ax.measwhat = MeasuredParameter::S11;
    doc.Y2ax.tracetype = TraceType::Phase;
    core = std::make_unique<GraphWindowCore>(doc, env, host);
    host.core = core.get();
  }

  void sweep()
  {
    doc.plotformat = plotformat::Rectangular;
    doc.Xax.numpoints = 10;
    doc.Xax.freqmode = freqmode::Linear;
    core->SetSweepLimits(0, 10e6);
    core->SetTrace1Limits(-40, 10);
    core->SetTrace2Limits(-40, 10);
    core->BeginPlot(plotformat::Rectangular, freqmode::Linear);
    for (int i = 0; i <= 10; ++i) {
      PlotPoint p;
      p.freq = i * 1e6;
      p.trace1 = i <= 5 ? 0.0 : -4.0 * (i - 5);
      p.trace2 = 0.0;
      core->AddPoint(p);
    }
    host.repaintGraph();
  }

  // The horizontal lines drawn in this colour.
  std::vector<CanvasOp> linesOfColor(Color color) const
  {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : host.canvas.lines())
      if (op.pen.color == color && op.points[0].y == op.points[1].y) out.push_back(op);
    return out;
  }

  Environment env;
  Schematic doc;
  TestHost host;
  std::unique_ptr<GraphWindowCore> core;
};

TEST_F(GoalLinesTest, MetAndViolatedGoalsDrawGreenAndRedOnTheirTrace)
{
  sweep();
  EXPECT_TRUE(linesOfColor(kGoalMetColor).empty());
  EXPECT_TRUE(linesOfColor(kGoalMissedColor).empty());

  // Pass band met; stop band above 6 MHz missed up to 7 MHz (-8 dB) and met from 8 MHz
  // (-12 dB); a goal on K and an unreadable text draw nothing.
  doc.goals = {"S21 dB >= -1 from 0 to 5MHz", "S21 dB <= -10 from 6MHz to 10MHz",
               "K >= 1 from 0 to 10MHz", "S21 dB >= banana"};
  host.repaintGraph();
  const auto green = linesOfColor(kGoalMetColor);
  const auto red = linesOfColor(kGoalMissedColor);
  ASSERT_FALSE(green.empty());
  ASSERT_FALSE(red.empty());
  const int stopRow = red.front().points[0].y;
  int passRow = -1;
  for (const CanvasOp& op : green)
    if (op.points[0].y != stopRow) passRow = op.points[0].y;
  EXPECT_GT(passRow, 0);
  EXPECT_GT(stopRow, passRow); // -10 dB lies below -1 dB
  for (const CanvasOp& op : red)
    EXPECT_EQ(op.points[0].y, stopRow);
  // The red stretch ends where the green one of the stop band begins, halfway between 7 and
  // 8 MHz; the pass band is green all along.
  int redRight = 0, stopGreenLeft = 100000, passGreenLeft = 100000, passGreenRight = 0;
  for (const CanvasOp& op : red)
    redRight = std::max({redRight, op.points[0].x, op.points[1].x});
  for (const CanvasOp& op : green) {
    const int lo = std::min(op.points[0].x, op.points[1].x);
    const int hi = std::max(op.points[0].x, op.points[1].x);
    if (op.points[0].y == stopRow)
      stopGreenLeft = std::min(stopGreenLeft, lo);
    else {
      passGreenLeft = std::min(passGreenLeft, lo);
      passGreenRight = std::max(passGreenRight, hi);
    }
  }
  EXPECT_EQ(redRight, stopGreenLeft);
  EXPECT_LT(passGreenLeft, passGreenRight);
  EXPECT_LT(passGreenRight, redRight);

  // The window draws a run point by point, then, at its end, the whole picture again: the
  // limit lines are in it.
  host.canvas.clear();
  core->endRun(false, true);
  EXPECT_FALSE(linesOfColor(kGoalMetColor).empty());
  EXPECT_FALSE(linesOfColor(kGoalMissedColor).empty());

  // A single frequency draws a short tick; a phase goal lands on the trace showing phase.
  doc.goals = {"S21 dB <= -3 at 9MHz", "S11 deg = 0 at 2MHz"};
  host.repaintGraph();
  EXPECT_EQ(linesOfColor(kGoalMetColor).size(), 2u);
  EXPECT_TRUE(linesOfColor(kGoalMissedColor).empty());
  doc.goals = {"S21 dB >= -3 at 9MHz"};
  host.repaintGraph();
  ASSERT_EQ(linesOfColor(kGoalMissedColor).size(), 1u);
  const CanvasOp tick = linesOfColor(kGoalMissedColor).front();
  EXPECT_LT(std::abs(tick.points[1].x - tick.points[0].x), 20);
}

} // namespace
} // namespace norvane
