// The graph window's menus, tool bar and commands.
#include "graph/graphwindow.h"

#include "common/imagefile.h"
#include "common/latin1text.h"
#include "config/environment.h"
#include "graph/graphdrawingarea.h"
#include "graph/graphtoolicons.h"
#include "graph/multisweep.h"
#include "graph/printpreview.h"
#include "graph/sweepsetupdialog.h"
#include "graph/touchstoneexport.h"
#include "graph/tracesetupdialog.h"
#include "platform/prompts.h"
#include "sim/results.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace norvane {

namespace {

constexpr const char* kBitmapTitle = "Save graph as Bitmap";
constexpr const char* kBitmapFilter = "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*";
constexpr const char* kBitmapDefault = "*.bmp";

struct CommandText
{
  GraphCommand command;
  const char* caption;
};

// Menu captions, in menu order.
constexpr CommandText kCommandTexts[] = {
    {GraphCommand::SaveResults, "&Save results as S parameter file"},
    {GraphCommand::ExportTouchstone, "Export &Touchstone\u2026"},
    {GraphCommand::Print, "&Print"},
    {GraphCommand::ExportPdf, "Export P&DF..."},
    {GraphCommand::SaveBitmap, "Save graph as &Bitmap"},
    {GraphCommand::SquareGrid, "&Square grid"},
    {GraphCommand::SmithZ, "Smith &Z"},
    {GraphCommand::SmithY, "Smith &Y"},
    {GraphCommand::SmithZY, "Smith Z/Y"},
    {GraphCommand::Polar, "&Polar"},
    {GraphCommand::List, "Lis&t"},
    {GraphCommand::LinSweep, "&Lin freq sweep"},
    {GraphCommand::LogSweep, "Lo&g freq sweep"},
    {GraphCommand::FrequencySweep, "Frequency &Sweep"},
    {GraphCommand::Trace1Limits, "Trace &1 Limits"},
    {GraphCommand::Trace2Limits, "Trace &2 Limits"},
    {GraphCommand::ToleranceLower, "&Lower Limit"},
    {GraphCommand::ToleranceNominal, "&Nominal"},
    {GraphCommand::ToleranceUpper, "&Upper Limit"},
    {GraphCommand::ToleranceRandom, "&Random"},
    {GraphCommand::ToleranceMultiSweep, "&Tolerance Multi-Sweep"},
    {GraphCommand::StabilityCircles, "&Stability Circles"},
    {GraphCommand::NoiseCircles, "&Noise Circles"},
    {GraphCommand::AutoMatch, "&Auto Match"},
    {GraphCommand::GraphPreferences, "Graph Preferences"},
    {GraphCommand::HelpContents, "&Contents"},
    {GraphCommand::GettingStarted, "&Getting Started"},
    {GraphCommand::About, "&About Norvane"},
    {GraphCommand::AddMarker, "&Add Marker"},
    {GraphCommand::DeleteMarker, "&Delete Marker"},
    {GraphCommand::MarkerMaxTrace1, "Trace &1"},
    {GraphCommand::MarkerMaxTrace2, "Trace &2"},
    {GraphCommand::MarkerMinTrace1, "Trace &1"},
    {GraphCommand::MarkerMinTrace2, "Trace &2"},
    {GraphCommand::SetReference, "Set &Reference"},
    {GraphCommand::ClearMarkers, "&Clear Markers"},
};

struct ToolText
{
  GraphTool tool;
  const char* hint;
};

// Tool bar, left to right, with the hints the buttons show.
constexpr ToolText kToolTexts[] = {
    {GraphTool::SaveResults, "Save results as S parameter file"},
    {GraphTool::Print, "Print"},
    {GraphTool::SquareGrid, "Square grid"},
    {GraphTool::Smith, "Smith chart (Z)"},
    {GraphTool::Polar, "Polar chart"},
    {GraphTool::DataList, "Data List"},
    {GraphTool::LinSweep, "Linear frequency sweep"},
    {GraphTool::LogSweep, "Log frequency sweep"},
    {GraphTool::Lower, "Lower Tolerance Limits"},
    {GraphTool::Nominal, "Nominal Values"},
    {GraphTool::Upper, "Upper Tolerance Limits"},
    {GraphTool::Random, "Random Values Between Tolerance Limits"},
    {GraphTool::MultiSweep, "Tolerance Multi-Sweep"},
    {GraphTool::StabilityCircles, "Stability Circles"},
    {GraphTool::AutoMatch, "Auto Match"},
};

} // namespace

void GraphWindow::createActions()
{
  for (const CommandText& t : kCommandTexts) {
    auto* a = new QAction(t.caption, this);
    const GraphCommand c = t.command;
    connect(a, &QAction::triggered, this, [this, c] { runCommand(c); });
    m_actions[idx(c)] = a;
  }
  for (const ToolText& t : kToolTexts) {
    auto* a = new QAction(graphToolIcon(t.tool), t.hint, this);
    a->setToolTip(t.hint);
    m_tools[idx(t.tool)] = a;
  }
  // The grouped buttons stay pressed for the current state; refreshControls sets them, and
  // a click runs the command of the button.
  const auto group = [this](std::initializer_list<GraphTool> tools) {
    auto* g = new QActionGroup(this);
    g->setExclusive(true);
    for (GraphTool t : tools) {
      m_tools[idx(t)]->setCheckable(true);
      g->addAction(m_tools[idx(t)]);
    }
  };
  group({GraphTool::SquareGrid, GraphTool::Smith, GraphTool::Polar, GraphTool::DataList});
  group({GraphTool::LinSweep, GraphTool::LogSweep});
  group({GraphTool::Lower, GraphTool::Nominal, GraphTool::Upper, GraphTool::Random,
         GraphTool::MultiSweep});
  m_tools[idx(GraphTool::StabilityCircles)]->setCheckable(true);
  m_actions[idx(GraphCommand::NoiseCircles)]->setCheckable(true);
  m_actions[idx(GraphCommand::SetReference)]->setCheckable(true);
  m_actions[idx(GraphCommand::DeleteMarker)]->setShortcut(QKeySequence::Delete);
  m_actions[idx(GraphCommand::DeleteMarker)]->setShortcutContext(Qt::WidgetShortcut);

  const auto on = [this](GraphTool t, GraphCommand c) {
    connect(m_tools[idx(t)], &QAction::triggered, this, [this, c] { runCommand(c); });
  };
  on(GraphTool::SaveResults, GraphCommand::SaveResults);
  on(GraphTool::Print, GraphCommand::Print);
  on(GraphTool::SquareGrid, GraphCommand::SquareGrid);
  on(GraphTool::Smith, GraphCommand::SmithZ);
  on(GraphTool::Polar, GraphCommand::Polar);
  on(GraphTool::DataList, GraphCommand::List);
  on(GraphTool::LinSweep, GraphCommand::LinSweep);
  on(GraphTool::LogSweep, GraphCommand::LogSweep);
  on(GraphTool::Lower, GraphCommand::ToleranceLower);
  on(GraphTool::Nominal, GraphCommand::ToleranceNominal);
  on(GraphTool::Upper, GraphCommand::ToleranceUpper);
  on(GraphTool::Random, GraphCommand::ToleranceRandom);
  on(GraphTool::MultiSweep, GraphCommand::ToleranceMultiSweep);
  on(GraphTool::AutoMatch, GraphCommand::AutoMatch);
  connect(m_tools[idx(GraphTool::StabilityCircles)], &QAction::triggered, this,
          [this](bool checked) { m_core.setStabilityCircles(checked); });
}

void GraphWindow::createMenus()
{
  QMenuBar* bar = menuBar();
  const auto add = [this](QMenu* menu, std::initializer_list<GraphCommand> commands) {
    for (GraphCommand c : commands)
      menu->addAction(m_actions[idx(c)]);
  };
  add(bar->addMenu("&File"),
      {GraphCommand::SaveResults, GraphCommand::ExportTouchstone, GraphCommand::Print,
       GraphCommand::ExportPdf, GraphCommand::SaveBitmap});
  add(bar->addMenu("&Graph Type"),
      {GraphCommand::SquareGrid, GraphCommand::SmithZ, GraphCommand::SmithY, GraphCommand::SmithZY,
       GraphCommand::Polar, GraphCommand::List, GraphCommand::LinSweep, GraphCommand::LogSweep});
  QMenu* limits = bar->addMenu("Graph Limit &Setup");
  add(limits,
      {GraphCommand::FrequencySweep, GraphCommand::Trace1Limits, GraphCommand::Trace2Limits});
  // Opening the menu applies the trace-1 type again and simulates.
  connect(limits, &QMenu::aboutToShow, this, [this] { m_core.graphLimitSetupMenu(); });
  add(bar->addMenu("&Tolerances"),
      {GraphCommand::ToleranceLower, GraphCommand::ToleranceNominal, GraphCommand::ToleranceUpper,
       GraphCommand::ToleranceRandom, GraphCommand::ToleranceMultiSweep});
  add(bar->addMenu("Too&ls"),
      {GraphCommand::StabilityCircles, GraphCommand::NoiseCircles, GraphCommand::AutoMatch});
  // Also the plot's context menu.
  m_markersMenu = bar->addMenu("&Markers");
  add(m_markersMenu, {GraphCommand::AddMarker, GraphCommand::DeleteMarker});
  add(m_markersMenu->addMenu("Marker to &Max"),
      {GraphCommand::MarkerMaxTrace1, GraphCommand::MarkerMaxTrace2});
  add(m_markersMenu->addMenu("Marker to M&in"),
      {GraphCommand::MarkerMinTrace1, GraphCommand::MarkerMinTrace2});
  add(m_markersMenu, {GraphCommand::SetReference, GraphCommand::ClearMarkers});
  add(bar->addMenu("&Options"), {GraphCommand::GraphPreferences});
  add(bar->addMenu("&Help"),
      {GraphCommand::HelpContents, GraphCommand::GettingStarted, GraphCommand::About});
}

void GraphWindow::createToolBar()
{
  m_toolBar = addToolBar("Graph");
  m_toolBar->setMovable(false);
  m_toolBar->setIconSize(QSize(20, 20));
  const auto add = [this](std::initializer_list<GraphTool> tools) {
    for (GraphTool t : tools)
      m_toolBar->addAction(m_tools[idx(t)]);
    m_toolBar->addSeparator();
  };
  add({GraphTool::SaveResults, GraphTool::Print});
  add({GraphTool::SquareGrid, GraphTool::Smith, GraphTool::Polar, GraphTool::DataList});
  add({GraphTool::LinSweep, GraphTool::LogSweep});
  add({GraphTool::Lower, GraphTool::Nominal, GraphTool::Upper, GraphTool::Random,
       GraphTool::MultiSweep});
  m_toolBar->addAction(m_tools[idx(GraphTool::StabilityCircles)]);
  m_toolBar->addAction(m_tools[idx(GraphTool::AutoMatch)]);
}

namespace {

// The graph type commands and the plot format each one shows.
std::optional<PlotFormat> plotFormatOf(GraphCommand command)
{
  switch (command) {
  case GraphCommand::SquareGrid:
    return plotformat::Rectangular;
  case GraphCommand::SmithZ:
    return plotformat::SmithZ;
  case GraphCommand::SmithY:
    return plotformat::SmithY;
  case GraphCommand::SmithZY:
    return plotformat::SmithZY;
  case GraphCommand::Polar:
    return plotformat::Polar;
  case GraphCommand::List:
    return plotformat::DataList;
  default:
    return std::nullopt;
  }
}

} // namespace

void GraphWindow::runCommand(GraphCommand command)
{
  if (const auto format = plotFormatOf(command)) {
    graphTypeCommand(*format);
    return;
  }
  switch (command) {
  case GraphCommand::SaveResults:
    saveResults();
    break;
  case GraphCommand::ExportTouchstone:
    exportTouchstone();
    break;
  case GraphCommand::Print:
    openGraphPreview();
    break;
  case GraphCommand::ExportPdf:
    exportPdf(PrintContent::Graph);
    break;
  case GraphCommand::SaveBitmap:
    saveGraphBitmap();
    break;
  case GraphCommand::LinSweep:
    m_core.setFreqMode(freqmode::Linear);
    break;
  case GraphCommand::LogSweep:
    m_core.setFreqMode(freqmode::Logarithmic);
    break;
  case GraphCommand::FrequencySweep:
    frequencySweepCommand();
    break;
  case GraphCommand::Trace1Limits:
    traceLimitsCommand(1);
    break;
  case GraphCommand::Trace2Limits:
    traceLimitsCommand(2);
    break;
  case GraphCommand::ToleranceLower:
    setToleranceMode(tolerancemode::Lower);
    break;
  case GraphCommand::ToleranceNominal:
    setToleranceMode(tolerancemode::Nominal);
    break;
  case GraphCommand::ToleranceUpper:
    setToleranceMode(tolerancemode::Upper);
    break;
  case GraphCommand::ToleranceRandom:
    setToleranceMode(tolerancemode::Random);
    break;
  case GraphCommand::ToleranceMultiSweep:
    multiSweepCommand();
    break;
  case GraphCommand::StabilityCircles:
    m_core.setStabilityCircles(!m_core.stabilityCircles());
    break;
  case GraphCommand::NoiseCircles:
    m_core.setNoiseCircles(!m_core.noiseCircles());
    break;
  case GraphCommand::AutoMatch:
    callLink(m_links.autoMatch, "The automatic matcher is");
    break;
  case GraphCommand::GraphPreferences:
    callLink(m_links.graphPreferences, "The graph preferences are");
    break;
  case GraphCommand::HelpContents:
    callLink(m_links.helpContents, "The help is");
    break;
  case GraphCommand::GettingStarted:
    callLink(m_links.gettingStarted, "The help is");
    break;
  case GraphCommand::About:
    callLink(m_links.about, "The about box is");
    break;
  case GraphCommand::AddMarker:
    m_core.addMarkerAtCursor();
    break;
  case GraphCommand::DeleteMarker:
    m_core.deleteSelectedMarker();
    break;
  case GraphCommand::MarkerMaxTrace1:
  case GraphCommand::MarkerMaxTrace2:
    m_core.markerToExtreme(command == GraphCommand::MarkerMaxTrace2 ? 2 : 1, Extreme::Maximum);
    break;
  case GraphCommand::MarkerMinTrace1:
  case GraphCommand::MarkerMinTrace2:
    m_core.markerToExtreme(command == GraphCommand::MarkerMinTrace2 ? 2 : 1, Extreme::Minimum);
    break;
  case GraphCommand::SetReference:
    m_core.toggleReferenceOfSelected();
    break;
  case GraphCommand::ClearMarkers:
    m_core.clearMarkers();
    break;
  default: // the graph types (above) and Count
    break;
  }
}

void GraphWindow::callLink(const std::function<void()>& link, const QString& what)
{
  if (link)
    link();
  else
    notAvailable(what);
}

void GraphWindow::notAvailable(const QString& what)
{
  m_prompts.information(fromQt(what + " not available yet"));
}

// ---- Simulation ---------------------------------------------------------------------------

SimulateResult GraphWindow::runSimulation()
{
  // Message boxes inside a run let other input through; a second run must not start then.
  if (m_running) return m_lastResult;
  m_running = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The noise temperature preference may have changed since the last run.
  m_session.noiseKelvin = noiseKelvin(m_env);
  m_lastResult = simulateForDisplay(m_doc, m_session, m_core, m_links.chores, m_prompts);
  QApplication::restoreOverrideCursor();
  showRunNote();
  m_running = false;
  m_outOfDate = false; // shown by refreshControls
  // A window first shown by this run is mapped from now on.
  if (m_handBackTo) m_handBackClock.start();
  refreshControls();
  if (m_links.afterSimulation) m_links.afterSimulation(m_lastResult);
  return m_lastResult;
}

void GraphWindow::showRunNote()
{
  // Every run says which data blocks it extrapolated, and a run that did not clears it.
  QStringList extrapolated;
  for (const std::string& line : m_lastResult.extrapolated)
    extrapolated << toQt(line);
  m_runNote->setText(extrapolated.join("; "));
  m_runNote->setToolTip(extrapolated.join("\n"));
}

void GraphWindow::graphTypeCommand(PlotFormat pf)
{
  m_core.setGraphType(pf);
}

void GraphWindow::setToleranceMode(int mode)
{
  m_session.toleranceMode = mode;
  refreshControls();
  runSimulation();
}

void GraphWindow::saveResults()
{
  if (m_running) return;
  m_running = true;
  m_session.noiseKelvin = noiseKelvin(m_env);
  m_lastResult = exportSParameterFile(m_doc, m_session, m_core, m_links.chores, m_prompts);
  showRunNote();
  m_running = false;
  // The plotted points survive an export; the picture is shown again as it was.
  repaintGraph();
  refreshControls();
}

void GraphWindow::exportTouchstone()
{
  if (m_running) return;
  m_running = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TouchstoneExportResult r =
      exportTouchstoneFile(m_doc, m_session, m_prompts, "Norvane " NORVANE_VERSION, m_env.filename);
  QApplication::restoreOverrideCursor();
  m_running = false;
  m_lastResult = r.run;
  showRunNote();
  repaintGraph();
  refreshControls();
}

// ---- Setup dialogs ------------------------------------------------------------------------

void GraphWindow::traceLimitsCommand(int trace)
{
  if (m_doc.plotformat != plotformat::Rectangular && trace == 1) {
    m_polarDialog->prepare(false);
    centreDialogOver(*m_polarDialog, *this);
    m_polarDialog->exec();
  } else if (m_doc.plotformat == plotformat::Rectangular) {
    m_traceDialog->prepare(trace, TraceSetupLogic::Focus::Measure);
    centreDialogOver(*m_traceDialog, *this);
    if (m_traceDialog->exec() == QDialog::Accepted) {
      if (trace == 1)
        m_core.SetTrace1Limits(m_doc.Y1ax.min, m_doc.Y1ax.max);
      else
        m_core.SetTrace2Limits(m_doc.Y2ax.min, m_doc.Y2ax.max);
    }
  } else {
    return; // "Trace 2 Limits" exists for the square grid only
  }
  // OK or Cancel: the graph is simulated again with what the document now holds.
  runSimulation();
  focusCursorScrollBar();
}

void GraphWindow::frequencySweepCommand()
{
  m_sweepDialog->activate();
  centreDialogOver(*m_sweepDialog, *this);
  if (m_sweepDialog->exec() == QDialog::Accepted)
    m_core.SetSweepLimits(m_doc.Xax.min, m_doc.Xax.max);
  runSimulation();
}

// ---- Tolerance multi-sweep ----------------------------------------------------------------

void GraphWindow::multiSweepCommand()
{
  centreDialogOver(*m_tolDialog, *this);
  if (m_tolDialog->exec() != QDialog::Accepted) {
    refreshControls(); // the button goes back to the current mode
    return;
  }
  runMultiSweep(m_tolDialog->runs());
}

int GraphWindow::runMultiSweep(int runs)
{
  if (m_running) return 0;
  const int n = std::clamp(runs, 1, kMaxMultiSweepRuns);
  m_abortRequested = false;
  m_multiSweeping = true;
  refreshControls();

  // The progress box is application-modal: nothing else can start a run meanwhile, and its
  // Escape (or "Stop") ends the series like Escape in the graph window.
  QProgressDialog progress("Tolerance multi-sweep", "Stop", 0, n + 1, this);
  progress.setWindowTitle("Tolerance Multi-Sweep");
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(300);
  progress.setAutoClose(true);
  int simulated = 0;
  MultiSweepHooks hooks;
  hooks.simulate = [&] {
    runSimulation();
    progress.setLabelText(
        QString("Tolerance multi-sweep: run %1 of %2").arg(std::min(simulated + 1, n)).arg(n));
    progress.setValue(std::min(++simulated, n + 1));
  };
  hooks.abortRequested = [&] {
    QApplication::processEvents();
    return m_abortRequested || progress.wasCanceled();
  };
  hooks.repaint = [this] { repaintGraph(); };
  const int made = runToleranceMultiSweep(m_core, m_session.toleranceMode, n, hooks);
  progress.setValue(n + 1);
  m_multiSweeping = false;
  m_abortRequested = false;
  refreshControls();
  return made;
}

// ---- Printing and pictures ----------------------------------------------------------------

void GraphWindow::openSchematicPreview()
{
  m_preview->openOn(PrintContent::Schematic);
}

void GraphWindow::openGraphPreview()
{
  m_preview->openOn(PrintContent::Graph);
}

bool GraphWindow::exportPdf(PrintContent content)
{
  // Offered as the document's name with ".pdf", in the document's folder.
  std::filesystem::path suggested = m_env.filename;
  suggested.replace_extension(".pdf");
  const auto name =
      m_prompts.saveFileName("Export PDF", kPdfFileFilter, suggested.filename().string());
  if (!name || name->empty()) return false;
  std::string path = *name;
  if (std::filesystem::path(path).extension().empty()) path += ".pdf";
  m_preview->setContent(content);
  m_preview->fitToPage();
  return m_preview->exportPdf(path);
}

QImage GraphWindow::clientImage()
{
  // Everything below the menu bar: tool bar, panels, graph and status bar.
  const int top = menuBar()->isVisible() ? menuBar()->height() : 0;
  return grab(QRect(0, top, width(), height() - top)).toImage();
}

bool GraphWindow::saveGraphBitmap()
{
  const auto name = m_prompts.saveFileName(kBitmapTitle, kBitmapFilter, kBitmapDefault);
  if (!name || name->empty()) return false;
  QString path = pathToQt(*name);
  if (QFileInfo(path).suffix().isEmpty()) path += ".bmp";
  if (const FileResult saved = saveImageFile(clientImage(), pathFromQt(path), "BMP"); !saved) {
    m_prompts.error(saved.error);
    return false;
  }
  return true;
}

QSize GraphWindow::smallestTidySize() const
{
  const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
  const int width = std::max(menuBar()->sizeHint().width(), m_toolBar->sizeHint().width());
  return {width + frame, 0};
}

} // namespace norvane
