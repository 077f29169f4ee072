#pragma once
// The results of the last simulation on screen: a rectangular graph of
// two traces, a Smith or polar chart, or the data list. Every control writes its setting into
// the document and simulates again; the simulation feeds the window point by point through
// its core (GraphWindowCore), which draws into the window's off-screen picture.
//
// The window exists for the whole run of the program; the first simulation shows it. The main
// window reaches it through the owner API below: runSimulation() for its Simulate command,
// the print preview for "&Print...", and the window's menu commands.

#include "graph/graphhost.h"
#include "graph/graphwindowcore.h"
#include "graph/printpreview.h"
#include "graph/simulationrun.h"
#include "sim/simulate.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QRadioButton;
class QScrollBar;
class QStackedWidget;
class QTimer;
class QToolBar;
class QWidget;

namespace norvane {

struct Environment;
class Prompts;
class GraphDrawingArea;
class GraphValueField;
class DataListView;
class MarkerTableView;
class SidePanel;
class TextPanel;
class PrintPreview;
class TraceSetupDialog;
class PolarSetupDialog;
class SweepSetupDialog;
class ToleranceSweepDialog;

// The window's commands: menu items and tool buttons.
enum class GraphCommand {
  SaveResults,
  ExportTouchstone,
  Print,
  ExportPdf,
  SaveBitmap,
  SquareGrid,
  SmithZ,
  SmithY,
  SmithZY,
  Polar,
  List,
  LinSweep,
  LogSweep,
  FrequencySweep,
  Trace1Limits,
  Trace2Limits,
  ToleranceLower,
  ToleranceNominal,
  ToleranceUpper,
  ToleranceRandom,
  ToleranceMultiSweep,
  StabilityCircles,
  NoiseCircles,
  AutoMatch,
  GraphPreferences,
  HelpContents,
  GettingStarted,
  About,
  AddMarker,
  DeleteMarker,
  MarkerMaxTrace1, // on a chart: the charted magnitude
  MarkerMaxTrace2,
  MarkerMinTrace1,
  MarkerMinTrace2,
  SetReference,
  ClearMarkers,
  Count
};

// The tool bar buttons, left to right.
enum class GraphTool {
  SaveResults,
  Print,
  SquareGrid,
  Smith,
  Polar,
  DataList,
  LinSweep,
  LogSweep,
  Lower,
  Nominal,
  Upper,
  Random,
  MultiSweep,
  StabilityCircles,
  AutoMatch,
  Count
};

// What the window needs from the main window and the rest of the program. Every member is
// optional; a missing command tells the user it is not available yet.
struct GraphWindowLinks
{
  // Disabled while a key is held in the graph window; its caption and font name go on
  // printed pages. Must not be an ancestor of the graph window.
  QWidget* mainWindow = nullptr;
  MainWindowChores chores;
  // After every run (the editor goes back to select mode unless it is tuning).
  std::function<void(const SimulateResult&)> afterSimulation;
  std::function<void()> autoMatch;
  std::function<void()> graphPreferences;
  std::function<void()> helpContents;
  std::function<void()> gettingStarted;
  std::function<void()> about;
  // The schematic is repainted when the print preview closes (its colours come back).
  std::function<void()> repaintSchematic;
};

class GraphWindow : public QMainWindow, private GraphHost
{
  Q_OBJECT
public:
  GraphWindow(Schematic& doc, Environment& env, Prompts& prompts, SimulationSession& session,
              QWidget* parent = nullptr);
  ~GraphWindow() override;

  // ---- Owner API ---------------------------------------------------------------------------
  void setLinks(GraphWindowLinks links);
  const GraphWindowLinks& links() const { return m_links; }
  // The simulate command: one run of the document's circuit into this window (shown by the
  // first run), with a busy cursor. A run asked for while another is going on is ignored.
  SimulateResult runSimulation();
  const SimulateResult& lastResult() const { return m_lastResult; }
  // Shows the window with its tool buttons and cursor as they were.
  void showGraph();
  // Paints the plot anew from the stored points (after a colour change).
  void repaintPlot() { repaintGraph(); }
  // The schematic changed after the run shown: the caption says the graph is out of date
  // until the next run. Without a run there is nothing to mark.
  void setResultsOutOfDate(bool outOfDate);
  bool resultsOutOfDate() const { return m_outOfDate; }
  // "Norvane - " and the file name, and the out-of-date mark (after Save As renamed it).
  void showCaption();
  // The smallest size at which the menu bar and the tool bar show every item without an
  // overflow arrow.
  QSize smallestTidySize() const;
  // The print preview, shared with the main window: open it on the schematic or the graph.
  PrintPreview& printPreview() { return *m_preview; }
  void openSchematicPreview();
  void openGraphPreview();
  // "Export PDF...": the printed page(s) of the schematic or of this window's display
  // (graph, chart or data list) as a PDF file; false when cancelled or not written.
  bool exportPdf(PrintContent content);
  // Cursor position and circle toggle into the document before saving / back after loading.
  // Before any run the window has nothing of its own to give: the document keeps its values.
  void copyToDocument()
  {
    if (m_core.points().count() > 0) m_core.copyToDocument();
  }
  void takeFromDocument() { m_core.takeFromDocument(); }

  // ---- Commands ----------------------------------------------------------------------------
  void runCommand(GraphCommand command);
  QAction* action(GraphCommand command) const { return m_actions[idx(command)]; }
  QAction* toolAction(GraphTool tool) const { return m_tools[idx(tool)]; }
  // Sets the tolerance mode (-1, 0, 1, 2), presses its button and simulates.
  void setToleranceMode(int mode);
  // The multi-sweep after its dialog: `runs` random runs, then the nominal one. Returns the
  // number of random runs made (fewer when Escape stopped it).
  int runMultiSweep(int runs);
  // Escape while a multi-sweep runs.
  void requestAbort() { m_abortRequested = true; }
  // "&Save results as S parameter file".
  void saveResults();
  // "Export Touchstone...": the full-precision Touchstone file of the circuit.
  void exportTouchstone();
  // "Save graph as &Bitmap": false when cancelled or the file could not be written.
  bool saveGraphBitmap();
  // The window's client area as a picture.
  QImage clientImage();

  // ---- For tests and the print pages -------------------------------------------------------
  GraphWindowCore& core() { return m_core; }
  GraphDrawingArea* plotArea() const { return m_area; }
  DataListView* dataList() const { return m_list; }
  MarkerTableView* markerTable() const { return m_markerTable; }
  // The "&Markers" menu, which is also the plot's context menu.
  QMenu* markersMenu() const { return m_markersMenu; }
  QScrollBar* cursorScrollBar() const { return m_cursorBar; }
  GraphValueField* valueField(ValueField field) const;
  GraphValueField* startField() const { return m_startField; }
  GraphValueField* stopField() const { return m_stopField; }
  GraphValueField* pointsField() const { return m_pointsField; }
  QComboBox* traceTypeList(int trace) const;
  QRadioButton* parameterButton(int side, MeasuredParameter measwhat) const;
  QLabel* readout(int index) const { return m_readouts[static_cast<size_t>(index)]; }
  QLabel* sDataNotice() const { return m_sDataText; }
  // The status bar's note on the last run: the data blocks it extrapolated; empty otherwise.
  QLabel* runNote() const { return m_runNote; }
  QTimer* blinkTimer() const { return m_blink; }
  TraceSetupDialog& traceSetupDialog() { return *m_traceDialog; }
  PolarSetupDialog& polarSetupDialog() { return *m_polarDialog; }
  SweepSetupDialog& sweepSetupDialog() { return *m_sweepDialog; }
  ToleranceSweepDialog& toleranceSweepDialog() { return *m_tolDialog; }
  // Texts of the chart panels, as shown (for tests).
  QString chartPanelText() const;
  bool running() const { return m_running; }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The status bar's note on the last run (m_lastResult): the blocks it extrapolated.
  void showRunNote();
  template <typename E> static size_t idx(E e) { return static_cast<size_t>(e); }

  // GraphHost
  void simulate() override { runSimulation(); }
  void repaintGraph() override;
  Canvas* liveCanvas() override;
  IntRect drawingArea() const override;
  void refreshControls() override;
  void showWindow() override;
  void focusCursorScrollBar() override;
  void beep() override;

  void createActions();
  void createMenus();
  void createToolBar();
  void createPanels();
  void createSidePanel(int side);
  void createReadoutPanels();
  void createBottomPanel(QWidget* central);
  void createStatusBar();
  void layoutSidePanels();
  void showPanelState();
  void showReadouts();
  void showMarkers();
  void toggleBlink();
  void graphTypeCommand(PlotFormat plotformat);
  void traceLimitsCommand(int trace);
  void frequencySweepCommand();
  void multiSweepCommand();
  void notAvailable(const QString& what);
  void callLink(const std::function<void()>& link, const QString& what);
  void keyHeld(bool held);
  void handBackKeyboard();

  Schematic& m_doc;
  Environment& m_env;
  Prompts& m_prompts;
  SimulationSession& m_session;
  GraphWindowCore m_core;
  GraphWindowLinks m_links;
  SimulateResult m_lastResult;
  bool m_running = false;
  bool m_outOfDate = false;
  bool m_abortRequested = false;
  bool m_shownOnce = false;
  bool m_mainDisabled = false;
  bool m_multiSweeping = false;
  // The window that had the keyboard when this one was first shown, and since when.
  QPointer<QWidget> m_handBackTo;
  QElapsedTimer m_handBackClock;
  struct SeenKey
  {
    const QEvent* event = nullptr;
    quint64 timestamp = 0;
    int type = 0;
  } m_lastKey;

  std::array<QAction*, static_cast<size_t>(GraphCommand::Count)> m_actions{};
  std::array<QAction*, static_cast<size_t>(GraphTool::Count)> m_tools{};
  QToolBar* m_toolBar = nullptr;

  QStackedWidget* m_stack = nullptr;
  GraphDrawingArea* m_area = nullptr;
  DataListView* m_list = nullptr;
  MarkerTableView* m_markerTable = nullptr;
  QMenu* m_markersMenu = nullptr;
  SidePanel* m_left = nullptr;
  SidePanel* m_right = nullptr;
  QWidget* m_bottom = nullptr;
  std::array<GraphValueField*, 4> m_valueFields{};
  std::array<QComboBox*, 2> m_typeLists{};
  std::array<QButtonGroup*, 2> m_paramGroups{};
  std::array<QWidget*, 2> m_paramBoxes{};
  std::array<std::array<QRadioButton*, 4>, 2> m_paramButtons{};
  std::array<QLabel*, 2> m_marks{};
  TextPanel* m_chartZoPanel = nullptr;
  TextPanel* m_impedancePanel = nullptr;
  TextPanel* m_admittancePanel = nullptr;
  TextPanel* m_seriesPanel = nullptr;
  TextPanel* m_parallelPanel = nullptr;
  TextPanel* m_gain20Panel = nullptr;
  TextPanel* m_gain10Panel = nullptr;
  TextPanel* m_legendPortPanel = nullptr;
  TextPanel* m_legendPanel = nullptr;
  TextPanel* m_stabilityPanel = nullptr; // verdict over the sweep, K, mu, MAG/MSG at the cursor
  TextPanel* m_noisePanel = nullptr;     // NFmin, Gamma-opt, Rn and the noise/gain circles
  GraphValueField* m_startField = nullptr;
  GraphValueField* m_stopField = nullptr;
  GraphValueField* m_pointsField = nullptr;
  QLabel* m_sDataIcon = nullptr;
  QLabel* m_sDataText = nullptr;
  QTimer* m_blink = nullptr;
  std::array<QLabel*, 3> m_readouts{};
  std::array<QLabel*, 2> m_readoutMarks{};
  QScrollBar* m_cursorBar = nullptr;
  QLabel* m_runNote = nullptr;

  std::unique_ptr<PrintPreview> m_preview;
  std::unique_ptr<TraceSetupDialog> m_traceDialog;
  std::unique_ptr<PolarSetupDialog> m_polarDialog;
  std::unique_ptr<SweepSetupDialog> m_sweepDialog;
  std::unique_ptr<ToleranceSweepDialog> m_tolDialog;
};

} // namespace norvane
