// Noise in the graph window: "NF" chosen in a trace-type list plots the noise figure, and the
// "Noise Circles" command draws the circles on the Smith chart with their read-out panel.

#include "graph_support.h"

#include "config/environment.h"

#include <QComboBox>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

TEST_F(GraphWindowTest, NoiseFigureTraceAndNoiseCircles)
{
  load("lna.cct");
  doc.Y1ax.tracetype = tracetype::Log20;
  GraphWindow& w = window();
  w.show();
  w.runSimulation();

  // The trace-type list offers the noise kinds; choosing one runs the noise analysis.
  QComboBox* list = w.traceTypeList(1);
  const int nf = list->findText("NF");
  ASSERT_GE(nf, 0);
  EXPECT_GE(list->findText("NFmin"), 0);
  list->setCurrentIndex(nf);
  emit list->activated(nf);
  ASSERT_EQ(doc.Y1ax.tracetype, tracetype::NoiseFigure);
  const PlotStore& plotted = w.core().points();
  ASSERT_EQ(plotted.count(), 101);
  for (int i = 1; i <= plotted.count(); ++i) {
    // A noise figure of a few dB at most, never 0 (no noise computed) nor the sentinel.
    EXPECT_GT(plotted.at(i).trace1, 0.5) << plotted.at(i).freq;
    EXPECT_LT(plotted.at(i).trace1, 6.0) << plotted.at(i).freq;
  }

  // The noise temperature preference reaches the run.
  env.noisetemp = "580";
  w.runSimulation();
  EXPECT_EQ(session.noiseKelvin, 580.0);
  env.noisetemp = "290";

  // The Smith chart with noise circles: a checked menu command and the "Noise" panel.
  w.runCommand(GraphCommand::SmithZ);
  settle();
  EXPECT_EQ(w.chartPanelText().indexOf("Noise"), -1);
  QAction* toggle = w.action(GraphCommand::NoiseCircles);
  EXPECT_EQ(toggle->text(), "&Noise Circles");
  toggle->trigger();
  settle();
  EXPECT_TRUE(toggle->isChecked());
  ASSERT_TRUE(w.core().noiseCircles());
  const QString panels = w.chartPanelText();
  EXPECT_TRUE(panels.contains("Noise\nNFmin=")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("\nRn=")) << panels.toStdString();
  EXPECT_TRUE(panels.contains("\nGA ")) << panels.toStdString();
  ASSERT_TRUE(w.core().noiseCirclesAtCursor().has_value());

  toggle->trigger();
  settle();
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(w.chartPanelText().indexOf("Noise"), -1);
}

} // namespace
} // namespace norvane
