// The Simulate and Netlist commands of the main window. The engine does the work; the window
// shows the busy cursor, repaints the drawing (markers of unconnected pins) and shows what
// came out: the S-parameters per point in the results window.
#include "drawingedit.h"

#include "editorconnection.h"
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

namespace {

// Collects the rows of one run for the results window and passes the window chores on.
class MainWindowOutput : public SweepOutput
{
public:
  MainWindowOutput(SchematicView& view, NetlistWindow& netlist) : m_view(view), m_netlist(netlist)
  {
  }

  void sweepPoint(int, const SweepPoint& point) override
  {
    QStringList row;
    for (const std::string& cell : FormatDataListRow(point)) {
      row << toQt(cell);
    }
    rows << row;
    if (first == 0.0 && rows.size() == 1) {
      first = point.freq;
    }
    last = point.freq;
  }
  void repaintDrawing() override { m_view.repaintSheet(); }
  void clearNetlistListing() override { m_netlist.clearLines(); }

  QList<QStringList> rows;
  double first = 0.0;
  double last = 0.0;

private:
  SchematicView& m_view;
  NetlistWindow& m_netlist;
};

} // namespace

void TDrawingEdit::simulate()
{
  MainWindowOutput output(*m_view, *m_netlist);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const SimulateResult result = Simulate(m_doc, *m_session, output, m_prompts);
  QApplication::restoreOverrideCursor();
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
                         .arg(toQt(FormatEngineering(3, output.first)))
                         .arg(toQt(FormatEngineering(3, output.last)));
  if (result.failedPoints > 0) {
    m_lastSimulation += QString("; %1 points could not be solved").arg(result.failedPoints);
  }
  m_results->setTable(headings, output.rows);
  m_results->setSummary(m_lastSimulation + ". (The graph window is not available yet in this "
                                           "version; the results are listed here.)");
  if (!m_results->isVisible()) {
    placeBeside(*m_results);
  }
  m_results->show();
  m_results->raise();
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
