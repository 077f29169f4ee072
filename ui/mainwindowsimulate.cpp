// The Simulate, Netlist and Export SPICE netlist commands of the main window.
#include "mainwindow.h"

#include "common/latin1text.h"
#include "dialogs/yieldwindow.h"
#include "netlistwindow.h"

#include "editorconnection.h"
#include "graph/graphwindow.h"
#include "sim/listing.h"
#include "sim/spiceexport.h"

#include <QScreen>

#include <filesystem>

namespace norvane {

void MainWindow::simulate()
{
  // The graph window runs the engine and shows the points as they come; the main window's
  // chores (repaint with the check's markers, select mode afterwards) come back through the
  // links set up with the window.
  m_graph->runSimulation();
}

void MainWindow::placeBeside(QWidget& other)
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

void MainWindow::showNetlist()
{
  // The circuit a simulation checks, the whole drawing: items beyond the sheet's edge are
  // simulated too, so they are listed (and not deleted) here.
  const NetlistListing listing = checkAndListNetlist(m_doc, m_prompts);
  applyNetlistToDrawing(m_doc, listing.netlist); // its junctions, nodes and markers
  QStringList lines;
  for (const std::string& line : listing.lines) {
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

void MainWindow::showYield()
{
  if (m_yield == nullptr) {
    m_yield = new YieldWindow(m_doc, this);
    m_yield->setWindowFlag(Qt::Window);
    placeBeside(*m_yield);
  }
  m_yield->show();
  m_yield->raise();
}

bool MainWindow::exportSpice()
{
  // The netlist is named after the schematic; it writes its results beside itself.
  std::filesystem::path suggested = std::filesystem::path(m_env.filename).filename();
  suggested.replace_extension(".cir");
  const auto path =
      m_prompts.saveFileName(kSpiceDialogTitle, kSpiceDialogFilter, suggested.string());
  if (!path) {
    return false;
  }
  const std::string title = std::filesystem::path(m_env.filename).filename().string();
  const SpiceExportResult netlist =
      exportSpiceNetlist(m_doc, title, spiceDataFileName(*path), m_prompts);
  applyNetlistToDrawing(m_doc, netlist.netlist);
  m_view->repaintSheet(); // the circuit check's unconnected markers
  if (!netlist.ok) {
    return false;
  }
  if (const FileResult r = saveSpiceNetlist(netlist.text, *path); !r) {
    m_prompts.error(r.error);
    return false;
  }
  return true;
}

} // namespace norvane
