// Tools -> Optimize: the window and its links to the drawing, the undo history and the graph.
#include "mainwindow.h"

#include "dialogs/optimizewindow.h"
#include "editorconnection.h"
#include "graph/graphwindow.h"
#include "schematicview.h"

#include "editor/schematiceditor.h"

namespace norvane {

void MainWindow::showOptimizer()
{
  if (!m_optimizer) {
    m_optimizer = std::make_unique<OptimizeWindow>(m_doc, this);
    OptimizeWindow::Hooks hooks;
    hooks.recordUndo = [this] { m_editor->editor().recordUndoPoint(); };
    hooks.changed = [this] {
      setModified(true);
      updateCaption();
      updateEditActions();
      m_view->repaintSheet();
      simulate();
    };
    hooks.showValues = [this] {
      m_view->repaintSheet();
      simulate();
    };
    m_optimizer->setHooks(std::move(hooks));
  }
  // A run in progress keeps its lists; otherwise they follow the document as it is now.
  if (!m_optimizer->isVisible()) m_optimizer->reload();
  showWindow(*m_optimizer);
}

} // namespace norvane
