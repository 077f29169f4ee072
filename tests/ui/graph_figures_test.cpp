// The stability and gain figures in the graph window: "K" chosen in the trace setup dialog
// plots Rollett's K, and with stability circles on a chart the side panel names the
// potentially unstable band and the figures at the cursor.

#include "graph_support.h"

#include "graph/tracesetupdialog.h"
#include "sim/twoportmeasures.h"
#include "support/transistorblock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <vector>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

class GraphFigures : public GraphWindowTest
{
protected:
  // The sweep points of the document as it stands, from a run that shows nothing.
  std::vector<SweepPoint> sweptPoints()
  {
    std::vector<SweepPoint> points;
    MainWindowChores chores;
    chores.sweepPoint = [&points](int, const SweepPoint& p) { points.push_back(p); };
    NoRunDisplay none;
    SimulationSession quiet;
    simulateForDisplay(doc, quiet, none, chores, prompts);
    return points;
  }
};

TEST_F(GraphFigures, ChoosingKInTheTraceSetupPlotsRollettsK)
{
  doc = testing::transistorCircuit();
  GraphWindow& w = window();
  w.runSimulation();
  w.show();
  TraceSetupDialog& d = w.traceSetupDialog();
  QTimer::singleShot(0, &d, [&d] {
    QRadioButton* k = d.showAsButton(TraceShowAs::StabilityK);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->text(), "K");
    k->click();
    EXPECT_EQ(d.maximumField()->text(), "4.000");
    EXPECT_EQ(d.minimumField()->text(), "0.000");
    d.accept();
  });
  w.runCommand(GraphCommand::Trace1Limits);
  ASSERT_EQ(doc.Y1ax.tracetype, tracetype::StabilityK);
  EXPECT_EQ(w.traceTypeList(1)->currentText(), "K");

  const std::vector<SweepPoint> points = sweptPoints();
  const PlotStore& plotted = w.core().points();
  ASSERT_EQ(plotted.count(), static_cast<int>(points.size()));
  bool below = false, above = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double k = *twoPortMeasures(points[i], 50, 50).k;
    EXPECT_DOUBLE_EQ(plotted.at(static_cast<int>(i) + 1).trace1, k) << points[i].freq;
    (k < 1 ? below : above) = true;
  }
  EXPECT_TRUE(below && above);
}

TEST_F(GraphFigures, StabilityPanelBesideTheCircles)
{
  doc = testing::transistorCircuit();
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  GraphWindow& w = window();
  w.show();
  w.runSimulation();
  EXPECT_EQ(w.chartPanelText().indexOf("Stability"), -1);
  w.toolAction(GraphTool::StabilityCircles)->trigger();
  settle();
  ASSERT_TRUE(w.core().stabilityCircles());
  const QString panels = w.chartPanelText();
  EXPECT_TRUE(panels.contains("Stability\nPotentially\nunstable:\n100 MHz -\n"))
      << panels.toStdString();
  EXPECT_TRUE(panels.contains("\nK=")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("\nmu1=")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("\nMSG=")) << panels.toStdString();
}

} // namespace
} // namespace norvane
