// The main window's commands that reach the graph window: Simulate shows the results there,
// "&Print..." opens the print preview on the schematic, and the graph window's own runs keep
// the main window's chores (drawing repainted, editor back in select mode).

#include "mainwindow_support.h"

#include "graph/graphvaluefield.h"
#include "graph/graphwindow.h"
#include "graph/printpreview.h"

#include "document/schematicreader.h"

#include <QAction>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class GraphFromMainWindow : public MainWindowTest
{
protected:
  void loadLowpass()
  {
    const std::string path = std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct";
    ASSERT_TRUE(window->openFile(path));
  }
};

TEST_F(GraphFromMainWindow, SimulateShowsTheGraphWindow)
{
  loadLowpass();
  doc->Xax.numpoints = 100;
  GraphWindow* graph = window->graphWindow();
  ASSERT_NE(graph, nullptr);
  window->action(Command::Simulate)->trigger();
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->core().points().count(), 101);
  EXPECT_EQ(graph->cursorScrollBar()->maximum(), 101);
  EXPECT_EQ(graph->windowTitle(), captionText(*window));
  EXPECT_TRUE(doc->simulated);

  // A run started by the graph window itself (a new point count) keeps the document in step.
  graph->pointsField()->setText("21");
  emit graph->pointsField()->committed(21);
  EXPECT_EQ(doc->Xax.numpoints, 20);
  EXPECT_EQ(graph->core().points().count(), 21);

  // Saving takes the cursor position from the graph window.
  graph->cursorScrollBar()->setValue(7);
  const std::string path = tempPath("cursor.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  EXPECT_EQ(doc->cursorpos, 7);
}

TEST_F(GraphFromMainWindow, PrintOpensThePreviewOnTheSchematic)
{
  loadLowpass();
  PrintPreview& preview = window->graphWindow()->printPreview();
  bool shown = false;
  QTimer::singleShot(0, &preview, [&] {
    shown = preview.isVisible();
    EXPECT_EQ(preview.content(), PrintContent::Schematic);
    EXPECT_TRUE(preview.coloursExchanged());
    preview.close();
  });
  window->action(Command::Print)->trigger();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(preview.coloursExchanged());
}

// Counts the times a window is raised.
class RaiseCounter : public QObject
{
public:
  int raised = 0;
  bool eventFilter(QObject*, QEvent* event) override
  {
    if (event->type() == QEvent::ZOrderChange) ++raised;
    return false;
  }
};

TEST_F(GraphFromMainWindow, SimulateRaisesTheGraphButKeepsTheKeyboard)
{
  loadLowpass();
  GraphWindow* graph = window->graphWindow();
  RaiseCounter counter;
  graph->installEventFilter(&counter);
  window->view()->setFocus();
  ASSERT_EQ(QApplication::activeWindow(), window.get());

  // The first run shows the graph window, in front, while the schematic keeps the keyboard.
  window->action(Command::Simulate)->trigger();
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  EXPECT_TRUE(graph->isVisible());
  EXPECT_GE(counter.raised, 1);
  EXPECT_EQ(QApplication::activeWindow(), window.get());
  EXPECT_EQ(QApplication::focusWidget(), window->view());

  // Every later run (a tuning step among them) brings it forward again.
  const int before = counter.raised;
  window->action(Command::Simulate)->trigger();
  QApplication::processEvents();
  EXPECT_GT(counter.raised, before);
  EXPECT_EQ(QApplication::activeWindow(), window.get());
  graph->removeEventFilter(&counter);
}

} // namespace
} // namespace norvane::test
