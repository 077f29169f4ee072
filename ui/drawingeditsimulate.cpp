// The Simulate and Netlist commands of the main window.
#include "drawingedit.h"

#include "dialogs/netlistwindow.h"
#include "editorconnection.h"
#include "graph/tgraphwin.h"

#include <QScreen>

namespace norvane {

void TDrawingEdit::simulate()
{
  // The graph window runs the engine and shows the points as they come; the main window's
  // chores (repaint with the check's markers, select mode afterwards) come back through the
  // links set up with the window.
  m_graph->runSimulation();
}

void TDrawingEdit::placeBeside(QWidget& other)
{
  // To the right of the main window when the screen has room for it, else a little offset
  // over it, so the schematic and its results can be seen together.
  const QRect frame = frameGeometry();
  QRect target(frame.topRight() + QPoint(8, 0), other.size());
  const QScreen* screen = this->screen();
  if (screen != nullptr && !screen->availableGeometry().contains(target)) {
    target.moveTopLeft(frame.topLeft() + QPoint(40, 40));
  }
  other.move(target.topLeft());
}

void TDrawingEdit::showNetlist()
{
  if (!m_netlist->isVisible()) {
    placeBeside(*m_netlist);
  }
  // Items dragged off the sheet are removed first with the editor's Delete, so the removal
  // frees data sets as a Delete does and can be undone.
  m_netlist->showNetlist(m_doc, m_prompts, [this] { m_editor->editor().deleteSelection(); });
  m_view->repaintSheet();
}

} // namespace norvane
