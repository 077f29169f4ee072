// The main window's and the graph window's places on the screen: recorded at close, applied
// at start-up from the configuration, or laid out for the screen on a first start.
#include "mainwindow.h"

#include "graph/graphwindow.h"
#include "helpwindow.h"
#include "windowlayout.h"

#include "config/environment.h"

#include <QMenuBar>
#include <QToolBar>

#include <algorithm>

namespace norvane {

namespace {

Qt::WindowStates windowStateOf(const std::string& state)
{
  if (state == kWindowStateMaximized) {
    return Qt::WindowMaximized;
  }
  if (state == kWindowStateMinimized) {
    return Qt::WindowMinimized;
  }
  return Qt::WindowNoState;
}

// The frame of a stored placement (position of the frame, size of the client). The numbers
// come from a text file: they are bounded before any arithmetic.
QRect storedFrame(const WindowPlacement& place, QSize tidy, const QMargins& decoration)
{
  constexpr int kFar = 1 << 24;
  const QSize client =
      QSize(std::clamp(place.width, 1, kFar), std::clamp(place.height, 1, kFar)).expandedTo(tidy);
  return QRect(QPoint(std::clamp(place.left, -kFar, kFar), std::clamp(place.top, -kFar, kFar)),
               client.grownBy(decoration));
}

void applyStored(QWidget& window, const WindowPlacement& place, QSize tidy)
{
  if (place.width <= 0 || place.height <= 0) return;
  // Never smaller than the window can be: a frame fitted to the screen at a size the window
  // then grows out of would reach past the screen's edge again.
  const QSize least = tidy.expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize());
  const QRect frame = storedFrame(place, least, decorationOf(window));
  // A placement larger than the screen, or off it, is brought back within the screen.
  placeFrame(window, fitFrame(frame, availableAreaFor(frame)));
}

} // namespace

void MainWindow::recordPlacements()
{
  // Minimised or maximised windows keep their last normal placement, only the state is noted.
  if (isMinimized()) {
    m_env.schemawinstat = kWindowStateMinimized;
  } else if (isMaximized()) {
    m_env.schemawinstat = kWindowStateMaximized;
  } else {
    m_env.schemawinstat = kWindowStateNormal;
    m_env.schemawinpos = {x(), y(), width(), height()};
  }
  if (m_graph->isMinimized()) {
    m_env.graphwinstat = kWindowStateMinimized;
  } else if (m_graph->isMaximized()) {
    m_env.graphwinstat = kWindowStateMaximized;
  } else {
    m_env.graphwinstat = kWindowStateNormal;
    m_env.graphwinpos = {m_graph->x(), m_graph->y(), m_graph->width(), m_graph->height()};
  }
}

QSize MainWindow::smallestTidySize() const
{
  // Both toolbars whole and a useful piece of the sheet beside the component bar.
  const int width =
      std::max(m_commandBar->sizeHint().width(), m_componentBar->sizeHint().width() + 320);
  const int height = menuBar()->sizeHint().height() + m_commandBar->sizeHint().height() +
                     std::max(m_componentBar->sizeHint().height(), 240);
  return {width, height};
}

void MainWindow::applyPlacements()
{
  // A stored size too small for the toolbars (the classic 500 x 400 default among them) is
  // widened so that no button is hidden; the size the user chooses is kept from then on.
  applyStored(*this, m_env.schemawinpos, smallestTidySize());
  setWindowState(windowStateOf(m_env.schemawinstat));
  // The graph window takes its place now and appears there with the first simulation;
  // likewise its default 450 pixels would hide part of its tool bar.
  applyStored(*m_graph, m_env.graphwinpos, m_graph->smallestTidySize());
  m_graph->setWindowState(windowStateOf(m_env.graphwinstat));
}

void MainWindow::layOutForScreen()
{
  // Nothing stored yet: the schematic and its results side by side over the screen, the help
  // below them where it hides neither.
  const FirstStartLayout layout =
      firstStartLayout(availableAreaFor(frameGeometry()), m_graph->smallestTidySize());
  setWindowState(Qt::WindowNoState);
  placeFrame(*this, layout.main);
  m_graph->setWindowState(Qt::WindowNoState);
  placeFrame(*m_graph, layout.graph);
  placeFrame(*m_help, layout.help);
}

} // namespace norvane
