// The main window's side of the design assistants and Auto Match: the assistants' circuits
// become the new document, and Auto Match edits the document through the graph window's runs.
#include "mainwindow.h"

#include "assistants/assistantwindow.h"
#include "assistants/assistantwindows.h"
#include "assistants/automatchwindow.h"
#include "editorconnection.h"
#include "graph/graphwindow.h"

#include "assist/automatch.h"
#include "config/environment.h"
#include "sim/netlist.h"

namespace norvane {

void MainWindow::createAssistants()
{
  AssistantLinks links;
  links.documentModified = [this] { return isModified(); };
  links.writeAndSimulate = [this](const AssistantCircuit& circuit,
                                  const AssistantWriteSettings& settings,
                                  const AssistantWriteOptions& options) {
    writeAssistantCircuit(circuit, settings, options);
  };
  m_assistants = std::make_unique<AssistantWindows>(this, m_env, m_prompts, links);

  AutoMatchWindow* autoMatch = m_assistants->autoMatch();
  autoMatch->setStateSource([this] {
    AutoMatchState s;
    const GraphWindowCore& core = m_graph->core();
    // The frequency under the graph cursor; before any run, the sweep's start.
    s.frequency =
        core.points().count() > 0 ? core.points().at(core.cursorPosition()).freq : m_doc.Xax.min;
    const Drawing& drawing = m_doc.drawdat;
    s.zo1 = drawing.P1.Zo;
    s.zo2 = drawing.P2.Zo;
    // Connected in the last circuit check: the terminal holds a node number.
    s.port1Connected = portIsPlaced(drawing.P1) && isResolved(drawing.P1.node);
    s.port2Connected = portIsPlaced(drawing.P2) && isResolved(drawing.P2.node);
    return s;
  });
  autoMatch->setRunner([this](const MatchRequest& request) { runAutoMatch(request); });
}

void MainWindow::writeAssistantCircuit(const AssistantCircuit& circuit,
                                       const AssistantWriteSettings& settings,
                                       const AssistantWriteOptions& options)
{
  if (options.closeGraph) m_graph->close();
  const bool wasModified = isModified();
  m_editor->editor().resetForNewDocument();
  writeAssistantSchematic(m_doc, m_env, circuit, settings);
  setModified(options.setModified || wasModified);
  updateCaption();
  updateEditActions();
  m_view->repaintSheet();
  simulate();
}

void MainWindow::runAutoMatch(const MatchRequest& request)
{
  const int before = m_doc.drawdat.components.count();
  // The inserted networks can be taken back with Undo.
  m_editor->editor().recordUndoPoint();
  performAutoMatch(
      m_doc, *m_session, request, [this] { return m_graph->runSimulation(); }, m_prompts);
  if (m_doc.drawdat.components.count() != before) setModified(true);
  updateEditActions();
  m_view->repaintSheet();
}

} // namespace norvane
