// The Simulate and Netlist commands of the main window. The engine does the work and the graph
// window shows what came out; the main window repaints the drawing (markers of unconnected
// pins) and lists the S-parameters per point in the results window.
#include "drawingedit.h"

#include "editorconnection.h"
#include "graph/tgraphwin.h"
#include "helpwindow.h"
#include "latin1text.h"
#include "netlistwindow.h"
#include "resultswindow.h"

#include "numbers/valuetext.h"
#include "sim/listing.h"
#include "sim/results.h"
#include "sim/simulate.h"
#include "sim/sweepoutput.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

namespace norvane {

// The rows of the run in progress, for the results window.
struct GraphRunRows
{
  QList<QStringList> rows;
  double first = 0.0;
  double last = 0.0;
  bool showResults = false; // the run came from the Simulate command
};

void TDrawingEdit::connectGraphWindow()
{
  // A child window of the main window: it closes with it and stays above it.
  m_graph = new TGraphwin(m_doc, m_env, m_prompts, *m_session, this);
  m_runRows = std::make_shared<GraphRunRows>();
  GraphWindowLinks links;
  links.mainWindow = this;
  links.chores.repaintDrawing = [this] { m_view->repaintSheet(); };
  links.chores.clearNetlistListing = [this] { m_netlist->clearLines(); };
  links.chores.sweepPoint = [rows = m_runRows](int index, const SweepPoint& point) {
    if (index == 0) {
      rows->rows.clear();
      rows->first = point.freq;
    }
    QStringList row;
    for (const std::string& cell : FormatDataListRow(point)) {
      row << toQt(cell);
    }
    rows->rows << row;
    rows->last = point.freq;
  };
  // Every run, whichever window started it, ends here.
  links.afterSimulation = [this](const SimulateResult& result) { showRunResults(result); };
  links.repaintSchematic = [this] { m_view->repaintSheet(); };
  links.graphPreferences = [this] { runCommand(Command::GraphPreferences); };
  links.helpContents = [this] { m_help->showContents(); };
  links.gettingStarted = [this] { m_help->showTopic("idstarting"); };
  links.about = [this] { showAbout(); };
  m_graph->setLinks(links);
}

void TDrawingEdit::simulate()
{
  m_runRows->rows.clear();
  m_runRows->showResults = true;
  m_graph->runSimulation();
  m_runRows->showResults = false;
}

void TDrawingEdit::showRunResults(const SimulateResult& result)
{
  SchematicEditor& editor = m_editor->editor();
  if (editor.mode() != emTune) {
    editor.enterSelectMode();
  }
  m_view->repaintSheet();
  if (!result.ran) {
    m_lastSimulation = "The circuit was not simulated.";
    return;
  }
  QStringList headings;
  for (const char* heading : kDataListHeadings) {
    headings << QString::fromLatin1(heading);
  }
  m_lastSimulation = QString("%1 frequency points from %2Hz to %3Hz")
                         .arg(result.points)
                         .arg(toQt(FormatEngineering(3, m_runRows->first)))
                         .arg(toQt(FormatEngineering(3, m_runRows->last)));
  if (result.failedPoints > 0) {
    m_lastSimulation += QString("; %1 points could not be solved").arg(result.failedPoints);
  }
  m_results->setTable(headings, m_runRows->rows);
  m_results->setSummary(m_lastSimulation + ".");
  // The list of values comes forward for the Simulate command only; runs started from the
  // graph window's own controls leave the focus there.
  if (!m_runRows->showResults) {
    return;
  }
  if (!m_results->isVisible()) {
    placeBeside(*m_results);
  }
  m_results->show();
  m_results->raise();
  m_graph->raise();
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
  // Items dragged off the sheet can be neither seen nor reached: the listing removes them
  // first, as one step the user can undo.
  bool offSheet = false;
  for (const Tcomponent& c : m_doc.drawdat.components) {
    offSheet = offSheet || isOffSheet(c.position);
  }
  for (const Tshort& w : m_doc.drawdat.wires) {
    offSheet = offSheet || isOffSheet(w.start) || isOffSheet(w.finish);
  }
  if (offSheet) {
    m_editor->editor().recordUndoPoint();
    RemoveOffSheetItems(m_doc.drawdat);
    setModified(true);
  }
  QStringList lines;
  for (const std::string& line : ListNetlist(m_doc, m_prompts)) {
    lines << toQt(line);
  }
  m_netlist->setLines(lines);
  m_view->repaintSheet();
  if (!m_netlist->isVisible()) {
    placeBeside(*m_netlist);
  }
  m_netlist->show();
  m_netlist->raise();
}

} // namespace norvane
