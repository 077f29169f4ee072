#include "mainwindow.h"

#include "aboutbox.h"
#include "assistants/assistantwindows.h"
#include "calculators/calculatorwindows.h"
#include "common/latin1text.h"
#include "common/qtcanvas.h"
#include "debugwindow.h"
#include "dialogs/optimizewindow.h"
#include "editorconnection.h"
#include "helpwindow.h"
#include "startnotice.h"

#include "config/environment.h"
#include "dialogs/preferencewindows.h"
#include "dialogs/yieldwindow.h"
#include "document/schematic.h"
#include "editor/editoroverlay.h"
#include "editor/schematicpainter.h"
#include "graph/graphwindow.h"
#include "graph/printpreview.h"
#include "netlistwindow.h"
#include "platform/prompts.h"
#include "sim/simulate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace norvane {

namespace {

std::optional<MouseButton> editorButton(Qt::MouseButton button)
{
  if (button == Qt::LeftButton) {
    return MouseButton::Left;
  }
  if (button == Qt::RightButton) {
    return MouseButton::Right;
  }
  return std::nullopt;
}

// The grid tile survives between paints; it is rebuilt only when its colours change.
GridTileCache& gridTileCache()
{
  static GridTileCache cache;
  return cache;
}

} // namespace

MainWindow::MainWindow(Schematic& doc, Environment& env, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_env(env), m_prompts(prompts)
{
  setObjectName("DrawingEdit");
  m_view = new SchematicView(this);
  m_view->setClient(this);
  setCentralWidget(m_view);
  m_editor = std::make_unique<EditorConnection>(*this, doc, env, prompts);

  createActions();
  createMenus();
  createToolBars();
  createTunerBar();

  // The other windows are made once and shown and hidden from then on.
  m_help = new HelpWindow(this);
  m_schematicPrefs = new SchematicPreferencesWindow(env, this);
  m_graphPrefs = new GraphPreferencesWindow(env, this);
  m_netlist = new NetlistWindow(this);
  m_debug = new DebugWindow(this);
  m_calculators = std::make_unique<CalculatorWindows>(this, prompts);
  // The calculator buttons of the property dialogs.
  m_editor->componentDialogs().setCalculatorHook([this](CalculatorRequest which) {
    switch (which) {
    case CalculatorRequest::Capacitor:
      m_calculators->showCapacitorCalculator();
      break;
    case CalculatorRequest::Inductor:
      m_calculators->showInductorCalculator();
      break;
    case CalculatorRequest::TransmissionLine:
      m_calculators->showTxLineCalculator();
      break;
    case CalculatorRequest::RfResonance:
      m_calculators->showRfCalculator(RfPage::Resonance);
      break;
    case CalculatorRequest::RfWavelength:
      m_calculators->showRfCalculator(RfPage::FreqWavelength);
      break;
    }
  });

  // The random generator of the tolerance runs is seeded once, from the clock.
  m_session = std::make_unique<SimulationSession>();
  m_session->random.setSeed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));

  // The graph window is a window of its own (not a child: the main window is disabled while
  // a key is held in it, which must not disable the graph window too).
  m_graph = std::make_unique<GraphWindow>(doc, env, prompts, *m_session);
  GraphWindowLinks links;
  links.mainWindow = this;
  links.chores.repaintDrawing = [this] { m_view->repaintSheet(); };
  links.chores.clearNetlistListing = [this] { m_netlist->clearLines(); };
  links.afterSimulation = [this](const SimulateResult&) {
    // After a run the editor is back in select mode, unless the run was a tuning step.
    SchematicEditor& editor = m_editor->editor();
    if (editor.mode() != emTune) {
      editor.enterSelectMode();
    }
    m_view->repaintSheet();
  };
  links.helpContents = [this] { showHelp({}); };
  links.gettingStarted = [this] { showHelp("idstarting"); };
  links.about = [this] { showAbout(); };
  links.repaintSchematic = [this] { m_view->repaintSheet(); };
  links.graphPreferences = [this] { showWindow(*m_graphPrefs); };
  links.autoMatch = [this] { m_assistants->showAutoMatch(); };
  m_graph->setLinks(links);
  createAssistants();
  connectPreferences();

  // F1 anywhere in the window opens the help contents.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, [this] { showHelp({}); });

  resetDocument();
  applyPlacements();
}

MainWindow::~MainWindow() = default;

bool MainWindow::isModified() const
{
  return m_editor->editor().modified();
}

void MainWindow::setModified(bool modified)
{
  m_editor->editor().setModified(modified);
}

std::string MainWindow::currentFileName() const
{
  return m_env.filename;
}

void MainWindow::updateCaption()
{
  // "[*]" is where the platform shows the modified state (an asterisk on most desktops).
  setWindowTitle("Norvane - " + pathToQt(m_env.filename) + "[*]");
  setWindowModified(isModified());
  // The graph window's caption names the same file.
  if (m_graph) m_graph->showCaption();
}

void MainWindow::updateEditActions()
{
  setWindowModified(isModified());
  action(Command::Undo)->setEnabled(m_editor->editor().canUndo());
  action(Command::Redo)->setEnabled(m_editor->editor().canRedo());
  refreshTuner(); // an undo or a new document may end the tuning of a component
}

void MainWindow::showNotAvailable(const QString& what)
{
  m_prompts.information(fromQt(what + " not available yet in this version of Norvane."));
}

void MainWindow::runCommand(Command command)
{
  const CommandInfo& info = commandInfo(command);
  if (info.editing) {
    m_editor->editor().run(*info.editing);
  } else {
    info.runOnWindow(*this);
  }
}

void MainWindow::showAbout()
{
  AboutBox box(this);
  box.exec();
}

void MainWindow::printSetup()
{
  // One printer for the whole program: the print preview prints on what is chosen here.
  PrintPreview& preview = m_graph->printPreview();
  // Without an installed printer Qt falls back to its PDF writer, for which the platform's
  // page setup dialog silently does nothing; say so instead.
  if (preview.printer().outputFormat() != QPrinter::NativeFormat) {
    m_prompts.information(kNoPrinterMessage);
    return;
  }
  preview.printerSetup();
}

void MainWindow::showHelp(const QString& topic)
{
  if (!m_help->isVisible()) {
    placeBeside(*m_help);
  }
  if (topic.isEmpty()) {
    m_help->showContents();
  } else {
    m_help->showTopic(topic);
  }
}

void MainWindow::showWindow(QWidget& window)
{
  window.show();
  window.raise();
  window.activateWindow();
}

void MainWindow::connectPreferences()
{
  // The preference windows change the environment record at once; the windows that show
  // its colours and options repaint.
  const auto repaintSchematic = [this] { m_view->repaintSheet(); };
  connect(m_schematicPrefs, &SchematicPreferencesWindow::schematicChanged, this, repaintSchematic);
  connect(m_schematicPrefs, &SchematicPreferencesWindow::gridTileChanged, this, repaintSchematic);
  connect(m_schematicPrefs, &SchematicPreferencesWindow::paperColourChanged, this,
          [this](int colour) { m_view->setPaperColor(toQColor(colour)); });
  const auto repaintGraph = [this] { m_graph->repaintPlot(); };
  connect(m_graphPrefs, &GraphPreferencesWindow::graphChanged, this, repaintGraph);
  connect(m_graphPrefs, &GraphPreferencesWindow::graphBackgroundChanged, this, repaintGraph);
  connect(m_graphPrefs, &GraphPreferencesWindow::traceColourChanged, this, repaintGraph);
}

bool MainWindow::isProgramWindow(const QWidget* widget) const
{
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w == this || w == m_graph.get()) {
      return true;
    }
  }
  return false;
}

void MainWindow::showStartNotice()
{
  if (!m_notice) {
    m_notice = new StartNotice(this);
  }
  m_notice->show();
  m_notice->raise();
}

// ---- The drawing area -----------------------------------------------------------------

void MainWindow::paintSheet(QPainter& painter, const QRect&)
{
  QtCanvas canvas(painter, m_view->logicalDpiY());
  const PaintScale scale{0, 0, m_doc.scaleNum, m_doc.scaleDen};
  SchematicPaintOptions options;
  options.moving = m_editor->editor().moving();
  options.gridTile = &gridTileCache();
  paintSchematic(canvas, m_doc, m_env, scale, options);
  paintEditorOverlay(canvas, m_editor->editor().overlay(), m_doc, m_env, scale);
}

void MainWindow::sheetMousePress(QPoint units, Qt::MouseButton button)
{
  if (const auto b = editorButton(button)) {
    m_editor->editor().mousePress(*b, units.x(), units.y());
  }
}

void MainWindow::sheetMouseMove(QPoint units)
{
  m_editor->editor().mouseMove(units.x(), units.y());
}

void MainWindow::sheetMouseRelease(QPoint units, Qt::MouseButton button)
{
  if (const auto b = editorButton(button)) {
    m_editor->editor().mouseRelease(*b, units.x(), units.y());
  }
  refreshTuner(); // a click in tune mode chooses what to tune
}

void MainWindow::sheetDoubleClick(QPoint units)
{
  // Qt replaces the second press of a double click by this event; the editor expects the
  // double click followed by that press (which it then ignores).
  SchematicEditor& editor = m_editor->editor();
  editor.doubleClick(units.x(), units.y());
  editor.mousePress(MouseButton::Left, units.x(), units.y());
}

int MainWindow::choosePopup(const std::vector<std::string>& items, QPoint units)
{
  if (m_popupChooser) {
    return m_popupChooser(items);
  }
  QMenu menu(this);
  std::vector<QAction*> actions;
  for (const std::string& item : items) {
    actions.push_back(menu.addAction(toQt(item)));
  }
  const QPoint global = m_view->viewport()->mapToGlobal(m_view->toViewport(units));
  QAction* chosen = menu.exec(global);
  for (size_t i = 0; i < actions.size(); ++i) {
    if (actions[i] == chosen) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
  // Component toolbar buttons: a press starts the placement, the mouse may then be dragged
  // onto the sheet and released there to place the component.
  auto* button = qobject_cast<QToolButton*>(watched);
  if (button == nullptr || button->defaultAction() == nullptr) {
    return QMainWindow::eventFilter(watched, event);
  }
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return QMainWindow::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint inViewport = m_view->viewport()->mapFromGlobal(mouse->globalPosition().toPoint());
  const QPoint units = m_view->toUnits(inViewport);
  const bool overSheet = m_view->viewport()->rect().contains(inViewport);
  SchematicEditor& editor = m_editor->editor();
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    Command command = Command::Count;
    for (const CommandInfo& info : commandTable()) {
      if (action(info.command) == button->defaultAction()) {
        command = info.command;
      }
    }
    if (command == Command::Count) {
      return QMainWindow::eventFilter(watched, event);
    }
    if (command == Command::PortButton) {
      // Port 1 while it is not on the sheet, else port 2; dropping it places it there.
      m_portDrag = true;
      editor.enterNextPortMode();
    } else {
      m_portDrag = false;
      editor.beginToolbarDrag(placedKind(commandInfo(command).mode()));
    }
  } else if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton) && overSheet) {
    editor.mouseMove(units.x(), units.y());
  } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && overSheet) {
    if (m_portDrag) {
      // The drop counts as a click at that point, the way a port is placed on the sheet.
      editor.mousePress(MouseButton::Left, units.x(), units.y());
      editor.mouseRelease(MouseButton::Left, units.x(), units.y());
    } else {
      editor.toolbarRelease(units.x(), units.y());
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Activation, closing --------------------------------------------------------------

bool MainWindow::event(QEvent* event)
{
  if (event->type() == QEvent::WindowActivate) {
    showFullMenu(true);
  } else if (event->type() == QEvent::WindowDeactivate) {
    // Another window of the program in front: the menu bar keeps only its captions.
    QTimer::singleShot(0, this, [this] {
      QWidget* active = QApplication::activeWindow();
      if (active != nullptr && active != this && isProgramWindow(active)) {
        showFullMenu(false);
      }
    });
  }
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
  recordPlacements();
  if (isModified()) {
    const Answer answer = m_prompts.question("Save Changes to: " + m_env.filename, true);
    if (answer == Answer::Cancel) {
      event->ignore();
      return;
    }
    if (answer == Answer::Yes) {
      // A cancelled Save As still ends the program, without saving.
      fileSave();
    }
  }
  writeConfiguration();
  if (m_notice) {
    m_notice->close();
  }
  m_help->close();
  m_schematicPrefs->close();
  m_graphPrefs->close();
  m_netlist->close();
  if (m_yield != nullptr) {
    m_yield->close(); // and stops its run
  }
  m_graph->close();
  m_debug->close();
  event->accept();
}

} // namespace norvane
