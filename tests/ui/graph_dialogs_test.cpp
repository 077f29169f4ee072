// The setup dialogs of the graph window: trace, polar and sweep setup, opened from the window's
// commands and answered as a user would.

#include "graph_support.h"

#include "graph/sweepsetupdialog.h"
#include "graph/tracesetupdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

// Runs `act` on the dialog once it is shown modally, then presses OK or Cancel.
void answerDialog(QDialog& dialog, std::function<void()> act, bool ok)
{
  QTimer::singleShot(0, &dialog, [&dialog, act, ok] {
    if (act) act();
    if (ok)
      dialog.accept();
    else
      dialog.reject();
  });
}

TEST_F(GraphWindowTest, TraceSetupLoadsRememberedLimits)
{
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.runSimulation();
  TraceSetupDialog& d = w.traceSetupDialog();

  d.prepare(1, TraceSetupLogic::Focus::Measure);
  EXPECT_EQ(d.windowTitle(), "Trace 1 setup");
  EXPECT_TRUE(d.measureButton(measwhat::S21)->isChecked());
  EXPECT_TRUE(d.showAsButton(TraceShowAs::Log20)->isChecked());
  EXPECT_EQ(d.maximumField()->text(), "0.00");
  EXPECT_EQ(d.minimumField()->text(), "-60.00");
  EXPECT_EQ(d.unitLabel(0)->text(), "dB");
  // Filling the fields with new text already counts as an edit.
  EXPECT_TRUE(d.logic().maximumEdited());
  EXPECT_FALSE(d.logic().resimulate());

  // "Phase (deg)" loads the remembered phase pair; OK keeps it without touching the fields.
  d.showAsButton(TraceShowAs::Phase)->click();
  EXPECT_EQ(d.maximumField()->text(), "180.000");
  EXPECT_EQ(d.minimumField()->text(), "-180.000");
  EXPECT_EQ(d.unitLabel(1)->text(), "Deg");
  EXPECT_TRUE(d.logic().resimulate());
  d.accept();
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Phase);
  EXPECT_EQ(doc.Y1ax.max, 180.0);
  EXPECT_EQ(doc.Y1ax.min, -180.0);
  EXPECT_EQ(doc.mmPhase.max, 180.0);

  // Typing a limit and a parameter for trace 2.
  d.prepare(2, TraceSetupLogic::Focus::Maximum);
  EXPECT_EQ(d.windowTitle(), "Trace 2 setup");
  d.measureButton(measwhat::S22)->click();
  EXPECT_TRUE(d.logic().resimulate());
  d.maximumField()->selectAll();
  QTest::keyClicks(d.maximumField(), "10");
  d.accept();
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S22);
  EXPECT_EQ(doc.Y2ax.max, 10.0);
  EXPECT_EQ(doc.mmdB.max, 10.0);
}

TEST_F(GraphWindowTest, TraceSetupCommandSimulatesAfterEitherButton)
{
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.runSimulation();
  w.show();
  TraceSetupDialog& d = w.traceSetupDialog();

  int before = simulations;
  answerDialog(
      d, [&d] { d.showAsButton(TraceShowAs::Linear)->click(); }, true);
  w.runCommand(GraphCommand::Trace1Limits);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Linear);
  EXPECT_EQ(w.valueField(ValueField::Trace1Max)->text(), "1");

  // Cancel stores nothing but still simulates.
  before = simulations;
  answerDialog(
      d, [&d] { d.showAsButton(TraceShowAs::Phase)->click(); }, false);
  w.runCommand(GraphCommand::Trace2Limits);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(doc.Y2ax.tracetype, tracetype::Log20);

  // The dialog stood centred over the graph window.
  const QPoint dc = d.frameGeometry().center();
  const QPoint wc = w.frameGeometry().center();
  EXPECT_LE(std::abs(dc.x() - wc.x()), 2);
  EXPECT_LE(std::abs(dc.y() - wc.y()), 2);
}

TEST_F(GraphWindowTest, GroupDelayKeepsTheDialogsLastChoice)
{
  load("lowpass3.cct");
  doc.Y1ax.tracetype = tracetype::GroupDelay;
  GraphWindow& w = window();
  TraceSetupDialog& d = w.traceSetupDialog();
  // First use: no "Show data as:" button is checked and OK keeps group delay.
  d.prepare(1, TraceSetupLogic::Focus::ShowAs);
  for (TraceShowAs b :
       {TraceShowAs::Log10Power, TraceShowAs::Log20, TraceShowAs::Linear, TraceShowAs::Phase})
    EXPECT_FALSE(d.showAsButton(b)->isChecked());
  d.accept();
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::GroupDelay);
  // After a use that left "Lin Magnitude" checked, that button decides.
  doc.Y2ax.tracetype = tracetype::Linear;
  d.prepare(2, TraceSetupLogic::Focus::Measure);
  d.reject();
  d.prepare(1, TraceSetupLogic::Focus::Measure);
  EXPECT_TRUE(d.showAsButton(TraceShowAs::Linear)->isChecked());
  d.accept();
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Linear);
}

TEST_F(GraphWindowTest, PolarSetupOnTheCharts)
{
  load("lowpass3.cct");
  doc.plotformat = plotformat::SmithZ;
  GraphWindow& w = window();
  w.runSimulation();
  PolarSetupDialog& d = w.polarSetupDialog();
  int before = simulations;
  answerDialog(
      d,
      [&d] {
        EXPECT_EQ(d.windowTitle(), "Polar Trace Setup");
        EXPECT_TRUE(d.measureButton(measwhat::S11)->isChecked());
        EXPECT_EQ(d.magnitudeField()->text(), "1");
        d.measureButton(measwhat::S21)->click();
        d.magnitudeField()->setText("2.5");
        emit d.magnitudeField()->textEdited("2.5");
      },
      true);
  // On a chart "Trace 1 Limits" opens the polar dialog.
  w.runCommand(GraphCommand::Trace1Limits);
  EXPECT_TRUE(d.logic().parameterChanged());
  EXPECT_EQ(doc.polarmeaswhat, measwhat::S21);
  EXPECT_EQ(doc.polarS21mag, 2.5);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(w.valueField(ValueField::Trace1Max)->text(), "2.5");
  // A text that is no number is refused: the dialog stays open with the field marked, and
  // the magnitude keeps its value.
  d.prepare(true);
  d.magnitudeField()->setText("abc");
  emit d.magnitudeField()->textEdited("abc");
  d.accept();
  EXPECT_EQ(doc.polarS21mag, 2.5);
  EXPECT_EQ(d.magnitudeField()->toolTip(), "Invalid numeric input");
  d.magnitudeField()->setText("0.5");
  emit d.magnitudeField()->textEdited("0.5");
  d.accept();
  EXPECT_EQ(doc.polarS21mag, 0.5);
  EXPECT_TRUE(d.magnitudeField()->toolTip().isEmpty());
}

TEST_F(GraphWindowTest, SweepSetupClampsThePointCount)
{
  load("lowpass3.cct");
  doc.plotformat = plotformat::Rectangular;
  doc.Xax.centspan = true;
  GraphWindow& w = window();
  SweepSetupDialog& d = w.sweepSetupDialog();
  d.activate();
  EXPECT_FALSE(doc.Xax.centspan);
  EXPECT_EQ(d.windowTitle(), "Sweep Set-up");
  EXPECT_EQ(d.startField()->text(), "10MHz");
  EXPECT_EQ(d.stopField()->text(), "1GHz");
  EXPECT_EQ(d.pointsField()->text(), "201");

  struct Case
  {
    const char* start;
    const char* stop;
    const char* points;
    double min, max;
    int numpoints;
  };
  const Case cases[] = {
      {"10M", "1G", "201", 10e6, 1e9, 200}, {"1k", "2k", "1", 1e3, 2e3, 1},
      {"1k", "2k", "1000", 1e3, 2e3, 500},  {"1k", "2k", "0", 1e3, 2e3, 1},
      {"1k", "2k", "x", 1e3, 2e3, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    d.activate();
    d.startField()->setText(c.start);
    d.stopField()->setText(c.stop);
    d.pointsField()->setText(c.points);
    d.accept();
    EXPECT_EQ(doc.Xax.min, c.min);
    EXPECT_EQ(doc.Xax.max, c.max);
    EXPECT_EQ(doc.Xax.numpoints, c.numpoints);
  }

  // Through the command: the window shows the new sweep after its simulation.
  const int before = simulations;
  answerDialog(
      d,
      [&d] {
        d.startField()->setText("1M");
        d.stopField()->setText("100M");
        d.pointsField()->setText("11");
      },
      true);
  w.runCommand(GraphCommand::FrequencySweep);
  EXPECT_EQ(simulations, before + 1);
  EXPECT_EQ(w.core().points().count(), 11);
  EXPECT_EQ(w.startField()->text(), "1MHz");
  EXPECT_EQ(w.stopField()->text(), "100MHz");
}

} // namespace
} // namespace norvane
