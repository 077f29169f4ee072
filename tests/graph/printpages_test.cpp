#include "graph/printpages.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include <memory>

namespace norvane {
namespace {

class NullHost : public GraphHost
{
public:
  void simulate() override {}
  void repaintGraph() override {}
  Canvas* liveCanvas() override { return nullptr; }
  IntRect drawingArea() const override { return {0, 0, 400, 300}; }
};

class PrintPagesTest : public ::testing::Test
{
protected:
  PrintPagesTest()
  {
    clearSchematic(doc, env);
    doc.Xax.numpoints = 2;
    graph = std::make_unique<GraphWindowCore>(doc, env, host);
    graph->SetSweepLimits(1e6, 3e6);
    graph->SetTrace1Limits(-40, 10);
    graph->SetTrace2Limits(-40, 10);
    graph->BeginPlot(plotformat::Rectangular, freqmode::Linear);
    for (int i = 0; i < 3; ++i)
      graph->AddPoint({1e6 * (i + 1), -3.0 * i, -20, 0, 0, 0, 0});
    graph->DrawCursor();
  }

  Environment env;
  Schematic doc;
  NullHost host;
  std::unique_ptr<GraphWindowCore> graph;
};

TEST_F(PrintPagesTest, GraphPageTextsFollowTheWindow)
{
  const GraphPageTexts t = graphPageTexts(graph->panelState(), graph->readouts());
  EXPECT_FALSE(t.chart);
  EXPECT_EQ(t.leftParameter, "S21");
  EXPECT_EQ(t.rightParameter, "S11");
  EXPECT_EQ(t.trace1Type, "20Log(V)");
  EXPECT_EQ(t.trace1Max, "50dB"); // the environment's default top
  EXPECT_EQ(t.start, "1MHz");
  EXPECT_EQ(t.stop, "3MHz");
  EXPECT_EQ(t.points, "3 points");
  EXPECT_EQ(t.readouts.frequency, "f=1MHz");
}

TEST_F(PrintPagesTest, GraphPageLayoutOnTheCanvas)
{
  RecordingCanvas c(600);
  c.setFontSize(3);
  GraphPageRequest r;
  r.pageWidth = 4960;
  r.pageHeight = 7016;
  r.boxWidth = 1314;
  r.boxHeight = 1242;
  r.caption = "Norvane - amp.cct";
  drawGraphPage(c, *graph, r);
  const TextExtent seven = c.textExtent("AAAAAAA");
  ASSERT_GT(seven.height, 0);
  const auto caption = c.findText("Norvane - amp.cct");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->points[0], (CanvasPoint{248, 350}));
  const int left = 248 + seven.width, top = 350 + 2 * seven.height;
  const auto fill = c.opsOfKind(CanvasOp::Kind::FillRect);
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].points[0], (CanvasPoint{left, top}));
  EXPECT_EQ(fill[0].points[1], (CanvasPoint{left + 1314, top + 1242}));
  EXPECT_EQ(fill[0].brush.color, colors::white);
  EXPECT_EQ(c.opsOfKind(CanvasOp::Kind::FrameRect)[0].brush.color, colors::black);
  const auto marker = c.findText("Marker: f=1MHz         Trace1:0.00dB        Trace2:-20.00dB");
  ASSERT_TRUE(marker);
  EXPECT_EQ(marker->points[0], (CanvasPoint{left - seven.width, top + 1242 + 3 * seven.height}));
  const auto start = c.findText("Start:1MHz");
  ASSERT_TRUE(start);
  EXPECT_EQ(start->points[0].x, left - c.textExtent("Start:1MHz").width / 2);
  ASSERT_TRUE(c.findText("S21"));
  ASSERT_TRUE(c.findText("20Log(V)"));
  // The grid lies inside the box, drawn with the printer's wider pen.
  for (const CanvasOp& op : c.lines()) {
    EXPECT_GE(op.points[0].x, left);
    EXPECT_LE(op.points[0].x, left + 1314);
    EXPECT_EQ(op.pen.width, 2);
  }
  // The axes are labelled inside the box in the page's font: 1..3 MHz in 500 kHz steps along
  // the foot, 10 dB at the top of the left edge, the legend.
  const auto mid = c.findText("1.5 MHz");
  ASSERT_TRUE(mid);
  EXPECT_EQ(mid->font.size, 3);
  EXPECT_EQ(mid->points[0].x, left + static_cast<int>(std::nearbyint(1314 / 4.0)) -
                                  c.textExtent("1.5 MHz").width / 2);
  EXPECT_EQ(mid->points[0].y, top + 1242 - 1 - seven.height);
  const auto topLabel = c.findText("10 dB");
  ASSERT_TRUE(topLabel);
  EXPECT_EQ(topLabel->points[0].x, left + 3);
  EXPECT_TRUE(c.findText("S21 dB"));
  // Cursor squares of half-size right/200 + 1.
  const auto squares = c.opsOfKind(CanvasOp::Kind::Rectangle);
  ASSERT_FALSE(squares.empty());
  const int s = (left + 1314) / 200 + 1;
  EXPECT_EQ(squares[0].points[1].x - squares[0].points[0].x, 2 * s + 1);
}

TEST_F(PrintPagesTest, CursorMarkerBeyondTheAxisLimitsIsNotPrintedBesideTheBox)
{
  // Trace 2 at -100 dB lies below its -40 dB bottom: the window hides that marker at its
  // edge, a page would show it below the box.
  graph->BeginPlot(plotformat::Rectangular, freqmode::Linear);
  for (int i = 0; i < 3; ++i)
    graph->AddPoint({1e6 * (i + 1), -3.0 * i, -100, 0, 0, 0, 0});
  graph->DrawCursor();
  RecordingCanvas c(600);
  c.setFontSize(3);
  drawGraphPage(c, *graph, {4960, 7016, 1314, 1242, 0, 0, "x"});
  const auto box = c.opsOfKind(CanvasOp::Kind::FrameRect);
  ASSERT_EQ(box.size(), 1u);
  const auto squares = c.opsOfKind(CanvasOp::Kind::Rectangle);
  ASSERT_EQ(squares.size(), 1u); // trace 1's marker only
  const int s = box[0].points[1].x / 200 + 1;
  EXPECT_GE(squares[0].points[0].y + s, box[0].points[0].y);
  EXPECT_LE(squares[0].points[1].y - s - 1, box[0].points[1].y);
  // Nor is that trace drawn along the box's foot, where it would read as a -40 dB floor.
  ASSERT_NE(env.trace2color, env.majoraxiscolor);
  ASSERT_NE(env.trace2color, env.minoraxiscolor);
  for (const CanvasOp& op : c.lines())
    EXPECT_NE(op.pen.color, env.trace2color) << op.points[0].y << " " << op.points[1].y;
}

TEST_F(PrintPagesTest, NoTextsWithATooSmallFont)
{
  RecordingCanvas c;
  c.setFontSize(0);
  GraphPageRequest r{1000, 1400, 300, 200, 10, 20, "caption"};
  drawGraphPage(c, *graph, r);
  EXPECT_TRUE(c.texts().empty());
  // tw = 4, th = 2 place the box.
  EXPECT_EQ(c.opsOfKind(CanvasOp::Kind::FillRect)[0].points[0],
            (CanvasPoint{10 + 50 + 4, 20 + 70 + 4}));
}

TEST_F(PrintPagesTest, ChartPageShowsTheImpedanceLines)
{
  doc.polarmeaswhat = measwhat::S11;
  doc.plotformat = plotformat::SmithZ;
  graph->BeginPlot(plotformat::SmithZ, freqmode::Linear);
  for (int i = 0; i < 3; ++i)
    graph->AddPoint({1e6 * (i + 1), 0, 0, 0, 0, 0, 0});
  graph->DrawCursor();
  RecordingCanvas c(600);
  c.setFontSize(3);
  drawGraphPage(c, *graph, {4960, 7016, 1200, 1200, 0, 0, "x"});
  EXPECT_TRUE(c.findText("Chart Zo"));
  EXPECT_TRUE(c.findText("50R"));
  EXPECT_TRUE(c.findText("Impedance @ Mkr:  50R +j0R          Admittance @ Mkr:  20mS +j0S"));
  EXPECT_FALSE(c.findText("20Log(V)"));
  EXPECT_TRUE(c.findText("Marker: f=1MHz  0  0.00Deg"));
}

TEST(DataListPage, RowsContinueInNewPrintJobs)
{
  std::vector<std::array<std::string, 9>> rows(120);
  for (size_t i = 0; i < rows.size(); ++i)
    rows[i][0] = "row" + std::to_string(i + 1);
  RecordingCanvas c(600);
  c.setFontSize(8);
  int jobs = 0;
  GraphPageRequest r{4960, 3000, 0, 0, 0, 0, "list"};
  drawDataListPage(c, r, rows, [&] { ++jobs; });
  const TextExtent seven = c.textExtent("AAAAAAA");
  const DataListPageLayout l =
      dataListPageLayout(4960, 3000, seven.width, seven.height, static_cast<int>(rows.size()));
  EXPECT_EQ(jobs, l.pageCount - 1);
  EXPECT_GT(jobs, 0);
  ASSERT_TRUE(c.findText("S22Ang"));
  EXPECT_EQ(c.findText("S22Ang")->points[0].x, 248 + 8 * (3 * seven.width / 2));
  ASSERT_TRUE(c.findText("row120"));

  // The preview shows the first page only.
  RecordingCanvas p(600);
  p.setFontSize(8);
  drawDataListPage(p, r, rows, nullptr);
  EXPECT_TRUE(p.findText("row1"));
  EXPECT_FALSE(p.findText("row120"));

  // Unreadable preview: short lines on the first (row count div 5) rows, eight columns.
  RecordingCanvas tiny;
  tiny.setFontSize(0);
  drawDataListPage(tiny, {4960, 7016, 0, 0, 0, 0, "list"}, rows, nullptr);
  EXPECT_TRUE(tiny.texts().empty());
  EXPECT_EQ(tiny.lines().size(), static_cast<size_t>(121 / 5 * 8));
  EXPECT_EQ(tiny.lines()[0].points[1].x - tiny.lines()[0].points[0].x, 4);
}

} // namespace
} // namespace norvane
