// Graph markers on the real graph window: "Marker to Max" finds the peak of a band-pass
// filter's S21, Shift+click adds a marker, a drag on its sign moves it while a plain click
// still moves the cursor, Delete removes it, the table under the graph lists the markers and
// their differences from the reference, and Save and Open keep them.
#include "mainwindow_support.h"

#include "assist/filterdesign.h"
#include "commands.h"
#include "document/schematicwriter.h"
#include "graph/graphdrawingarea.h"
#include "graph/graphwindow.h"
#include "graph/markertableview.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace norvane {
namespace {

using test::MainWindowTest;

class GraphMarkersWindow : public MainWindowTest
{
protected:
  // A 3-pole Butterworth band pass at 100 MHz, 10 MHz wide, swept 80..120 MHz in 0.4 MHz
  // steps: its S21 peaks at 0 dB at the centre, point 51.
  void openBandPass()
  {
    FilterInput in;
    in.topology = FilterTopology::BandPass;
    in.centre = 100e6;
    in.bandwidth = 10e6;
    const FilterResult design = designFilter(in);
    ASSERT_TRUE(design.built) << design.error;
    Schematic filter;
    Environment e = env;
    writeAssistantSchematic(filter, e, design.circuit, filterWriteSettings(in));
    filter.Xax.numpoints = 100;
    const std::string path = tempPath("bandpass.cct");
    ASSERT_TRUE(saveSchematic(filter, path).ok());
    ASSERT_TRUE(window->openFile(path));
    window->action(Command::Simulate)->trigger();
    graph = window->graphWindow();
    ASSERT_EQ(graph->core().points().count(), 101);
    QApplication::processEvents();
  }

  GraphWindowCore& core() { return graph->core(); }
  MarkerTableView* table() { return graph->markerTable(); }
  double markerFreq(int number) { return core().points().at(core().markerPoint(number)).freq; }

  // The plot pixel of trace 1 at point i.
  QPoint trace1Pixel(int i)
  {
    const IntRect a = graph->plotArea()->area();
    const PlotPoint& p = core().points().at(i);
    const double x = (p.freq - 80e6) / 40e6 * a.width;
    const double y =
        a.height - (p.trace1 - doc->Y1ax.min) / (doc->Y1ax.max - doc->Y1ax.min) * a.height;
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
  }

  GraphWindow* graph = nullptr;
};

TEST_F(GraphMarkersWindow, AddMoveDeleteListSaveAndReopen)
{
  openBandPass();
  GraphDrawingArea* plot = graph->plotArea();
  QScrollBar* bar = graph->cursorScrollBar();
  EXPECT_FALSE(table()->isVisible()); // no markers, no table

  // Marker to the maximum of trace 1 (S21): the filter's centre at 0 dB.
  graph->action(GraphCommand::MarkerMaxTrace1)->trigger();
  ASSERT_EQ(doc->graphMarkers.count(), 1);
  EXPECT_DOUBLE_EQ(markerFreq(1), 100e6);
  EXPECT_TRUE(table()->isVisible());
  ASSERT_EQ(table()->rowCount(), 1);
  EXPECT_EQ(table()->headingText(2), "S21 dB");
  EXPECT_EQ(table()->cellText(0, 1), "100MHz");
  EXPECT_TRUE(table()->cellText(0, 2) == "0.00dB" || table()->cellText(0, 2) == "-0.00dB")
      << table()->cellText(0, 2).toStdString();

  // Shift+click adds a marker at the point nearest to the click; the cursor stays.
  const int cursor = bar->value();
  QTest::mouseClick(plot, Qt::LeftButton, Qt::ShiftModifier, QPoint(trace1Pixel(26).x(), 10));
  ASSERT_EQ(doc->graphMarkers.count(), 2);
  EXPECT_DOUBLE_EQ(markerFreq(2), 90e6);
  EXPECT_EQ(bar->value(), cursor);
  ASSERT_EQ(table()->rowCount(), 2);
  EXPECT_EQ(table()->cellText(1, 1), "90MHz");

  // Dragging its sign moves it; the cursor stays.
  const QPoint sign = trace1Pixel(26) - QPoint(0, 4);
  QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, sign);
  QMouseEvent move(QEvent::MouseMove, QPointF(trace1Pixel(76).x(), sign.y()),
                   plot->mapToGlobal(QPointF(trace1Pixel(76).x(), sign.y())), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(plot, &move);
  QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, QPoint(trace1Pixel(76).x(), sign.y()));
  EXPECT_DOUBLE_EQ(markerFreq(2), 110e6);
  EXPECT_EQ(bar->value(), cursor);
  EXPECT_EQ(core().selectedMarker(), 2);
  EXPECT_EQ(table()->cellText(1, 1), "110MHz");

  // A plain click away from the signs moves the cursor as before, not a marker.
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(trace1Pixel(11).x(), 10));
  EXPECT_EQ(bar->value(), 11);
  EXPECT_DOUBLE_EQ(markerFreq(2), 110e6);

  // Marker 1 as the reference: marker 2 reads its difference from the peak.
  table()->setCurrentCell(0, 0);
  EXPECT_EQ(core().selectedMarker(), 1);
  graph->action(GraphCommand::SetReference)->trigger();
  EXPECT_TRUE(graph->action(GraphCommand::SetReference)->isChecked());
  EXPECT_EQ(table()->headingText(4), QString(QChar(0x0394)) + " Frequency");
  EXPECT_EQ(table()->cellText(0, 0), "1 (ref)");
  EXPECT_EQ(table()->cellText(1, 4), "+10MHz");

  // Save, New, Open: the markers come back with the file.
  const std::string path = tempPath("marked.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  const GraphMarkers saved = doc->graphMarkers;
  ASSERT_TRUE(window->fileNew());
  EXPECT_TRUE(doc->graphMarkers.empty());
  ASSERT_TRUE(window->openFile(path));
  EXPECT_EQ(doc->graphMarkers, saved);
  graph->runSimulation();
  ASSERT_EQ(table()->rowCount(), 2);
  EXPECT_EQ(table()->cellText(1, 4), "+10MHz");

  // Delete in the graph window removes the selected marker; a right click on a sign selects
  // it for the context menu.
  QApplication::processEvents();
  QTest::mousePress(graph->plotArea(), Qt::RightButton, Qt::NoModifier,
                    trace1Pixel(76) - QPoint(0, 4));
  QTest::mouseRelease(graph->plotArea(), Qt::RightButton, Qt::NoModifier,
                      trace1Pixel(76) - QPoint(0, 4));
  const QPoint onSign = trace1Pixel(76) - QPoint(0, 4);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, onSign,
                              graph->plotArea()->mapToGlobal(onSign));
  QApplication::sendEvent(graph->plotArea(), &menuEvent);
  EXPECT_TRUE(graph->markersMenu()->isVisible());
  EXPECT_TRUE(graph->action(GraphCommand::DeleteMarker)->isEnabled());
  graph->markersMenu()->hide();
  ASSERT_EQ(core().selectedMarker(), 2);
  QApplication::setActiveWindow(graph);
  QTest::keyClick(bar, Qt::Key_Delete);
  ASSERT_EQ(doc->graphMarkers.count(), 1);
  EXPECT_EQ(table()->rowCount(), 1);
  graph->action(GraphCommand::ClearMarkers)->trigger();
  EXPECT_TRUE(doc->graphMarkers.empty());
  EXPECT_FALSE(table()->isVisible());
}

} // namespace
} // namespace norvane
