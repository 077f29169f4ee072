// The graph window driven like a user would: simulate into it, switch graph types, edit the
// value fields and trace-type lists, move the cursor.

#include "graph_support.h"

#include "assist/filterdesign.h"
#include "graph/datalistview.h"
#include "graph/graphdrawingarea.h"
#include "graph/graphvaluefield.h"
#include "numbers/valuetext.h"
#include "sim/netlist_support.h"
#include "support/recordingcanvas.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

TEST_F(GraphWindowTest, LowpassSimulatesIntoTheWindow)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 100;
  GraphWindow& w = window();
  EXPECT_FALSE(w.isVisible());
  const SimulateResult r = w.runSimulation();
  ASSERT_TRUE(r.ran) << prompts.lastText();
  graphtest::GraphWindowTest::settle();
  EXPECT_TRUE(w.isVisible()); // the first run shows the window
  EXPECT_EQ(simulations, 1);
  EXPECT_EQ(w.core().points().count(), 101);
  EXPECT_EQ(w.cursorScrollBar()->minimum(), 1);
  EXPECT_EQ(w.cursorScrollBar()->maximum(), 101);
  EXPECT_EQ(w.cursorScrollBar()->pageStep(), 10);
  EXPECT_EQ(w.cursorScrollBar()->toolTip(), "Graph Cursor Control");
  EXPECT_EQ(w.pointsField()->text(), "101 points");
  EXPECT_EQ(w.startField()->text(), "10MHz");
  EXPECT_EQ(w.stopField()->text(), "1GHz");
  EXPECT_EQ(w.windowTitle().toStdString(), "Norvane - " + env.filename);
  EXPECT_EQ(w.valueField(ValueField::Trace1Max)->text(), "0dB");
  EXPECT_EQ(w.valueField(ValueField::Trace1Min)->text(), "-60dB");
  EXPECT_TRUE(w.toolAction(GraphTool::SquareGrid)->isChecked());
  EXPECT_TRUE(w.toolAction(GraphTool::LogSweep)->isChecked());
  EXPECT_TRUE(w.toolAction(GraphTool::Nominal)->isChecked());
  EXPECT_TRUE(w.parameterButton(1, measwhat::S21)->isChecked());
  EXPECT_TRUE(w.parameterButton(2, measwhat::S11)->isChecked());
  EXPECT_EQ(w.traceTypeList(1)->currentText(), "20Log(V)");
  EXPECT_EQ(w.readout(0)->text(), "f=10MHz");

  // Both traces are on the picture in their colours over the black background.
  const QImage picture = w.plotArea()->picture();
  EXPECT_GT(graphtest::countColour(picture, qRgb(255, 0, 0)), 100);
  EXPECT_GT(graphtest::countColour(picture, qRgb(0, 0, 255)), 100);

  // The cursor follows the scroll bar; positions beyond the sweep are pulled back.
  w.cursorScrollBar()->setValue(101);
  // The last logarithmic point lands a hair below 1 GHz.
  EXPECT_NEAR(w.core().points().at(101).freq, 1e9, 1e-3);
  EXPECT_EQ(w.readout(0)->text().toStdString(),
            "f=" + formatEngineering(3, w.core().points().at(101).freq) + "Hz");
  w.cursorScrollBar()->setValue(51);
  EXPECT_EQ(w.readout(0)->text(), "f=100MHz");
  w.cursorScrollBar()->setValue(500);
  EXPECT_EQ(w.core().cursorPosition(), 101);
  // Moving the cursor never simulates.
  EXPECT_EQ(simulations, 1);
}

TEST_F(GraphWindowTest, EveryGraphTypeDrawsItsGrid)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 50;
  GraphWindow& w = window();
  w.runSimulation();
  struct Case
  {
    GraphCommand command;
    PlotFormat plotformat;
    GraphTool button;
  };
  const Case cases[] = {
      {GraphCommand::SquareGrid, plotformat::Rectangular, GraphTool::SquareGrid},
      {GraphCommand::SmithZ, plotformat::SmithZ, GraphTool::Smith},
      {GraphCommand::SmithY, plotformat::SmithY, GraphTool::Smith},
      {GraphCommand::SmithZY, plotformat::SmithZY, GraphTool::Smith},
      {GraphCommand::Polar, plotformat::Polar, GraphTool::Polar},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.plotformat));
    const int before = simulations;
    w.runCommand(c.command);
    EXPECT_EQ(simulations, before + 1);
    EXPECT_EQ(doc.plotformat, c.plotformat);
    EXPECT_TRUE(w.toolAction(c.button)->isChecked());
    EXPECT_EQ(w.action(GraphCommand::Trace2Limits)->isEnabled(),
              c.plotformat == plotformat::Rectangular);
    EXPECT_EQ(w.core().points().count(), 51);

    RecordingCanvas canvas;
    w.core().DrawGraph(canvas, 0, 0, 420, 320);
    const Color minor = env.minoraxiscolor;
    if (c.plotformat == plotformat::Rectangular) {
      // Horizontal grid lines across the full width at the labelled 10 dB steps of the
      // 0..-60 dB axis (-10 .. -50 dB).
      for (int i = 1; i <= 5; ++i) {
        const int y = static_cast<int>(std::lround(i * 320 / 6.0));
        EXPECT_TRUE(canvas.hasLine(0, y, 420, y)) << y;
      }
    } else {
      // The outer circle: R = (min(420, 320) - 20) / 2 = 150 about (210, 160).
      bool outer = false;
      for (const CanvasOp& op : canvas.opsOfKind(CanvasOp::Kind::Ellipse))
        outer = outer || (op.points[0] == CanvasPoint{60, 10} && op.pen.color == minor);
      EXPECT_TRUE(outer);
    }
    // The trace itself is drawn in the trace-1 colour.
    bool traced = false;
    for (const CanvasOp& op : canvas.lines())
      traced = traced || op.pen.color == env.trace1color;
    EXPECT_TRUE(traced);
  }
  // The data list replaces the drawing area.
  w.runCommand(GraphCommand::List);
  EXPECT_TRUE(w.toolAction(GraphTool::DataList)->isChecked());
  EXPECT_FALSE(w.dataList()->isHidden());
  EXPECT_EQ(w.dataList()->gridRowCount(), 52);
  w.runCommand(GraphCommand::SquareGrid);
  EXPECT_TRUE(w.dataList()->isHidden() || !w.dataList()->isVisibleTo(&w));
}

TEST_F(GraphWindowTest, ChartPanelsReadTheCursorPoint)
{
  // A 50 ohm load at port 1 sits in the centre of the Smith chart.
  testing::Circuit c = testing::Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  doc = c.doc;
  doc.Xax = {1e6, 1e8, 10, false, freqmode::Linear};
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran) << prompts.lastText();
  const QString panels = w.chartPanelText();
  EXPECT_TRUE(panels.contains("Chart Zo=\n50R")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("Impedance\n 50R")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("Series\nEquivalent\n 50R")) << panels.toStdString();
  // Chart mode hides the trace-type lists and the three other value fields.
  EXPECT_TRUE(w.traceTypeList(1)->isHidden());
  EXPECT_TRUE(w.valueField(ValueField::Trace2Max)->isHidden());
  EXPECT_FALSE(w.valueField(ValueField::Trace1Max)->isHidden());
  EXPECT_EQ(w.valueField(ValueField::Trace1Max)->text(), "1");
  // Port 2 is missing: only S11 can be chosen.
  EXPECT_TRUE(w.parameterButton(1, measwhat::S11)->isEnabled());
  EXPECT_FALSE(w.parameterButton(1, measwhat::S21)->isEnabled());
  EXPECT_FALSE(w.parameterButton(1, measwhat::S22)->isEnabled());
}

class TwoPortTraces : public GraphWindowTest
{
protected:
  // 25 ohm in series between port 1 (50 ohm) and port 2 (75 ohm).
  void build()
  {
    testing::Circuit c = testing::Circuit::series(ComponentType::Resistor, 25.0);
    doc = c.doc;
    doc.drawdat.P2.Zo = 75.0;
    doc.Xax = {1e6, 1e8, 20, false, freqmode::Linear};
    doc.plotformat = plotformat::Rectangular;
  }
};

TEST_F(TwoPortTraces, PowerRatioIncludesThePortImpedances)
{
  build();
  doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  doc.Y2ax = {-40, 10, measwhat::S21, tracetype::Log10Power};
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  const PlotStore& p = w.core().points();
  ASSERT_EQ(p.count(), 21);
  for (int i = 1; i <= p.count(); ++i)
    EXPECT_NEAR(p.at(i).trace2 - p.at(i).trace1, 10 * std::log10(50.0 / 75.0), 1e-9);
  EXPECT_NEAR(10 * std::log10(50.0 / 75.0), -1.761, 5e-4);
  // The readouts carry the unit of each trace.
  EXPECT_TRUE(w.readout(1)->text().endsWith("dB"));
  EXPECT_TRUE(w.readout(2)->text().endsWith("dB"));
}

TEST_F(GraphWindowTest, GroupDelayFollowsThePhaseSlope)
{
  load("lowpass3.cct");
  doc.Xax = {10e6, 300e6, 60, false, freqmode::Linear};
  doc.Y1ax = {-180, 180, measwhat::S21, tracetype::Phase};
  doc.Y2ax = {0, 1e-8, measwhat::S21, tracetype::GroupDelay};
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  const PlotStore& p = w.core().points();
  ASSERT_EQ(p.count(), 61);
  const auto step = [&p](int from, int to) {
    double d = p.at(to).trace1 - p.at(from).trace1;
    if (d > 160) d -= 360;
    if (d < -160) d += 360;
    return d;
  };
  const double df = p.at(2).freq - p.at(1).freq; // equal steps
  // The central difference inside the sweep, one-sided differences at its two ends.
  EXPECT_NEAR(p.at(1).trace2, std::fabs(step(1, 2) / (df * 360)), 1e-15);
  EXPECT_NEAR(p.at(61).trace2, std::fabs(step(60, 61) / (df * 360)), 1e-15);
  for (int i = 2; i < p.count(); ++i) {
    const double expected = std::fabs((step(i - 1, i) + step(i, i + 1)) / (2 * df * 360));
    EXPECT_NEAR(p.at(i).trace2, expected, 1e-15 + 1e-9 * expected) << i;
  }
  // A Butterworth low-pass delays by nanoseconds well below its 100 MHz corner.
  EXPECT_GT(p.at(5).trace2, 1e-9);
  EXPECT_LT(p.at(5).trace2, 1e-8);
  EXPECT_TRUE(w.readout(2)->text().endsWith("s"));
}

TEST_F(GraphWindowTest, GroupDelayIsNotShiftedHalfAStep)
{
  // A 5-pole 0.5 dB Chebyshev band-pass, 433 MHz centre, 20 MHz wide, swept with 81 points
  // from 403 to 463 MHz (0.75 MHz steps). Its delay at 425.5 MHz, on the steep lower skirt,
  // is 80.70 ns; a backward difference read 83.01 ns there (2.9 % high).
  FilterInput in;
  in.type = FilterType::Chebyshev;
  in.topology = FilterTopology::BandPass;
  in.poles = 5;
  in.rippleDb = 0.5;
  in.centre = 433e6;
  in.bandwidth = 20e6;
  const FilterResult filter = designFilter(in);
  ASSERT_TRUE(filter.built);
  writeAssistantSchematic(doc, env, filter.circuit, filterWriteSettings(in));
  doc.Y1ax = {-180, 180, measwhat::S21, tracetype::Phase};
  doc.Y2ax = {0, 2e-7, measwhat::S21, tracetype::GroupDelay};
  GraphWindow& w = window();

  // The reference: the slope over +-1 kHz around the point.
  doc.Xax = {425.5e6 - 1e3, 425.5e6 + 1e3, 2, false, freqmode::Linear};
  ASSERT_TRUE(w.runSimulation().ran);
  ASSERT_EQ(w.core().points().count(), 3);
  const double exact = w.core().points().at(2).trace2;
  EXPECT_NEAR(exact, 80.70e-9, 0.01e-9);

  doc.Xax = {403e6, 463e6, 80, false, freqmode::Linear};
  ASSERT_TRUE(w.runSimulation().ran);
  const PlotStore& p = w.core().points();
  ASSERT_EQ(p.count(), 81);
  ASSERT_NEAR(p.at(31).freq, 425.5e6, 1.0);
  EXPECT_NEAR(p.at(31).trace2, exact, 0.02 * exact); // 81.90 ns: 1.5 % high
  // The window shows the revised values: its read-out at that point agrees with the store.
  w.cursorScrollBar()->setValue(31);
  EXPECT_EQ(w.readout(2)->text().toStdString(), formatEngineering(2, p.at(31).trace2) + "s");
}

TEST_F(GraphWindowTest, LevelsAndAnglesAreShownInPlainDecimals)
{
  // Far below the corner of the low-pass, S21 is 1 to within 1e-14 dB and a few millidegrees:
  // the read-outs, the data list and the chart show them as decimals, never with a prefix
  // letter ("-43.39fdB", "-36.24mdeg" read as -43 dB and -36 degrees).
  load("lowpass3.cct");
  doc.Xax = {1e3, 1e6, 2, false, freqmode::Logarithmic};
  doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  doc.Y2ax = {-180, 180, measwhat::S21, tracetype::Phase};
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  w.cursorScrollBar()->setValue(2); // 31.6 kHz
  EXPECT_EQ(w.readout(1)->text(), "0.00dB");
  EXPECT_EQ(w.readout(2)->text(), "-0.04deg");

  w.toolAction(GraphTool::DataList)->trigger();
  DataListView* list = w.dataList();
  EXPECT_EQ(list->cellText(2, 4), QString("-0.036") + QChar(0xB0)); // S21 angle
  EXPECT_EQ(list->cellText(1, 4), QString("-0.001") + QChar(0xB0));

  // The polar chart of S21: its angle and its gain panels in decimals too.
  doc.polarmeaswhat = measwhat::S21;
  w.toolAction(GraphTool::Polar)->trigger();
  w.cursorScrollBar()->setValue(2);
  EXPECT_EQ(w.readout(2)->text(), "-0.04Deg");
  EXPECT_EQ(w.core().readouts().gain.voltageGain, " 0.00dB");
}

TEST_F(GraphWindowTest, LimitsAreRememberedPerTraceKind)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 20;
  GraphWindow& w = window();
  w.runSimulation();
  w.show();
  GraphValueField* top = w.valueField(ValueField::Trace1Max);
  GraphValueField* bottom = w.valueField(ValueField::Trace1Min);

  // Typing a new top value and pressing Enter stores it and simulates.
  int before = simulations;
  top->setFocus();
  top->selectAll();
  QTest::keyClicks(top, "5");
  QTest::keyClick(top, Qt::Key_Return);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(doc.Y1ax.max, 5.0);
  EXPECT_EQ(doc.mmdB.max, 5.0);
  EXPECT_EQ(top->text(), "5dB");

  // To phase: the dB limits are kept for later, the phase limits come in.
  QComboBox* list = w.traceTypeList(1);
  before = simulations;
  list->setCurrentIndex(3);
  emit list->activated(3);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Phase);
  EXPECT_EQ(doc.Y1ax.max, doc.mmPhase.max);
  EXPECT_EQ(top->text(), "180deg");
  EXPECT_EQ(bottom->text(), "-180deg");

  // And back to dB: the limits shown before the switch return.
  list->setCurrentIndex(1);
  emit list->activated(1);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Log20);
  EXPECT_EQ(doc.Y1ax.max, 5.0);
  EXPECT_EQ(doc.Y1ax.min, -60.0);
  EXPECT_EQ(top->text(), "5dB");

  // Group delay of a reflection switches the trace to S21.
  w.parameterButton(2, measwhat::S11)->click();
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S11);
  QComboBox* list2 = w.traceTypeList(2);
  list2->setCurrentIndex(4);
  emit list2->activated(4);
  EXPECT_EQ(doc.Y2ax.tracetype, tracetype::GroupDelay);
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S21);
  EXPECT_TRUE(w.parameterButton(2, measwhat::S21)->isChecked());
}

TEST_F(GraphWindowTest, FieldsAndButtonsWriteTheDocument)
{
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.runSimulation();
  w.show();

  int before = simulations;
  w.pointsField()->setFocus();
  w.pointsField()->selectAll();
  QTest::keyClicks(w.pointsField(), "41");
  QTest::keyClick(w.pointsField(), Qt::Key_Return);
  EXPECT_EQ(doc.Xax.numpoints, 40);
  EXPECT_EQ(w.core().points().count(), 41);
  EXPECT_EQ(simulations, before + 1);

  w.startField()->setFocus();
  w.startField()->selectAll();
  QTest::keyClicks(w.startField(), "20M");
  QTest::keyClick(w.startField(), Qt::Key_Return);
  EXPECT_EQ(doc.Xax.min, 20e6);
  EXPECT_EQ(w.startField()->text(), "20MHz");

  w.runCommand(GraphCommand::LinSweep);
  EXPECT_EQ(doc.Xax.freqmode, freqmode::Linear);
  EXPECT_TRUE(w.toolAction(GraphTool::LinSweep)->isChecked());
  w.toolAction(GraphTool::LogSweep)->trigger();
  EXPECT_EQ(doc.Xax.freqmode, freqmode::Logarithmic);

  // While the window copies its state onto the widgets no handler simulates.
  before = simulations;
  w.core().setPainting(true);
  emit w.valueField(ValueField::Trace2Max)->committed(3.0);
  w.parameterButton(1, measwhat::S12)->click();
  emit w.startField()->committed(1e6);
  w.core().setPainting(false);
  EXPECT_EQ(simulations, before);
  EXPECT_EQ(doc.Xax.min, 20e6);

  // The tolerance buttons set the mode for the next runs.
  w.toolAction(GraphTool::Upper)->trigger();
  EXPECT_EQ(session.toleranceMode, tolerancemode::Upper);
  EXPECT_TRUE(w.toolAction(GraphTool::Upper)->isChecked());
  w.runCommand(GraphCommand::ToleranceNominal);
  EXPECT_EQ(session.toleranceMode, tolerancemode::Nominal);

  // Without a matcher the command says so instead of doing nothing.
  w.runCommand(GraphCommand::AutoMatch);
  EXPECT_TRUE(prompts.saw("The automatic matcher is not available yet"));
}

TEST_F(GraphWindowTest, StabilityCirclesNeedTwoPorts)
{
  testing::Circuit c = testing::Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  doc = c.doc;
  doc.Xax = {1e6, 1e8, 10, false, freqmode::Linear};
  doc.plotformat = plotformat::SmithZ;
  GraphWindow& w = window();
  w.runSimulation();
  w.toolAction(GraphTool::StabilityCircles)->trigger();
  EXPECT_TRUE(prompts.saw(kMsgCirclesOneport));
  EXPECT_FALSE(w.core().stabilityCircles());
  EXPECT_FALSE(w.toolAction(GraphTool::StabilityCircles)->isChecked());
}

TEST_F(GraphWindowTest, SDataNoticeBlinks)
{
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.runSimulation();
  w.show();
  EXPECT_FALSE(w.blinkTimer()->isActive());
  w.core().setSDataWarning(true);
  EXPECT_TRUE(w.blinkTimer()->isActive());
  EXPECT_EQ(w.blinkTimer()->interval(), 1000);
  EXPECT_EQ(w.sDataNotice()->text(), "S data freq");
  const bool shown = w.sDataNotice()->isVisible();
  QTest::qWait(1150);
  EXPECT_NE(w.sDataNotice()->isVisible(), shown);
  w.core().setSDataWarning(false);
  EXPECT_FALSE(w.blinkTimer()->isActive());
  EXPECT_FALSE(w.sDataNotice()->isVisible());
}

TEST_F(GraphWindowTest, BitmapOfTheWindow)
{
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.runSimulation();
  const std::string path = tempPath("graph_test.bmp");
  prompts.fileNames.push_back(path);
  EXPECT_TRUE(w.saveGraphBitmap());
  QImage saved(QString::fromStdString(path));
  EXPECT_FALSE(saved.isNull());
  EXPECT_GT(saved.width(), 200);
  prompts.fileNames.push_back(std::nullopt); // cancelled
  EXPECT_FALSE(w.saveGraphBitmap());
  QFile::remove(QString::fromStdString(path));
}

} // namespace
} // namespace norvane
