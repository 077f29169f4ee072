#pragma once
// The window the program opens with: the schematic of the one document in a scrollable drawing
// area, the menus and the two toolbars, the file commands, the start-up sequence (settings,
// first-start help, the file to open) and the closing sequence (placements recorded, save
// prompt, settings written).
//
// The window owns the editor state and the modified flag; the document, the environment
// record and the prompts belong to the application and are passed in. Mouse and key input
// of the drawing area goes to the core editor, which reaches back through its host
// interface (repaint, cursor, popup menus, property dialogs, messages).

#include "commands.h"
#include "schematicview.h"
#include "startnotice.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class QToolBar;
class QToolButton;

namespace norvane {

struct Schematic;
struct Environment;
struct FileResult;
class Prompts;
class HelpWindow;
class DebugWindow;
class CalculatorWindows;
class AssistantWindows;
class OptimizeWindow;
struct AssistantCircuit;
struct AssistantWriteSettings;
struct AssistantWriteOptions;
struct MatchRequest;
class EditorConnection;
class NetlistWindow;
class YieldWindow;
class SchematicPreferencesWindow;
class GraphPreferencesWindow;
class GraphWindow;
class TunerBar;
struct SimulationSession;

// Print Setup when the system has no printer to set up.
inline constexpr const char* kNoPrinterMessage =
    "No printer is installed, so there is no printer setup to change. Print and "
    "\"Export PDF...\" write PDF files.";

// What the start-up sequence needs from the outside world; main() fills it from the process,
// tests point it at temporary folders.
struct StartupOptions
{
  std::vector<std::string> arguments; // the command line without the program name
  std::filesystem::path configPath;   // Norvane.cfg to read at start and write at close
  std::filesystem::path currentDir;   // where a first start looks for "welcome.cct"
};

class MainWindow : public QMainWindow, private SchematicViewClient
{
  Q_OBJECT
public:
  MainWindow(Schematic& doc, Environment& env, Prompts& prompts, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up steps of the first activation; later calls do nothing.
  void startUp(const StartupOptions& options);
  bool startedUp() const { return m_startedUp; }
  // Shows the start notice now; startUp closes it when it is done.
  void showStartNotice();

  QAction* action(Command command) const { return m_actions[static_cast<size_t>(command)]; }
  // Runs a command of the table (commands.h): in the editor or on the window.
  void runCommand(Command command);

  // File commands. Each returns false when the user cancelled or a file error stopped it.
  bool fileNew();
  bool fileOpen();
  bool fileSave();
  bool fileSaveAs();
  // File > Export SPICE netlist: asks for the file name, writes the netlist; false when
  // cancelled or refused.
  bool exportSpice();
  bool saveWindowBitmap();
  // Opens `path` as Open does after its dialog (reset, read, caption, simulate if saved so).
  bool openFile(const std::string& path);
  // Asks "Save Changes to: <file>" when modified; false when the user cancelled.
  bool confirmDiscard();

  bool isModified() const;
  void setModified(bool modified);
  std::string currentFileName() const;

  Schematic& document() { return m_doc; }
  EditorConnection& editorConnection() { return *m_editor; }
  Environment& environment() { return m_env; }
  SchematicView* view() const { return m_view; }
  HelpWindow* helpWindow() const { return m_help; }
  DebugWindow* debugWindow() const { return m_debug; }
  // The calculator windows (the component dialogs open them on a page through this).
  CalculatorWindows* calculators() const { return m_calculators.get(); }
  // The design assistants and Auto Match.
  AssistantWindows* assistants() const { return m_assistants.get(); }
  // Tools -> Optimize (made when first opened).
  OptimizeWindow* optimizer() const { return m_optimizer.get(); }
  void showOptimizer();
  NetlistWindow* netlistWindow() const { return m_netlist; }
  YieldWindow* yieldWindow() const { return m_yield; } // null until Tools -> Yield
  SchematicPreferencesWindow* schematicPreferences() const { return m_schematicPrefs; }
  GraphPreferencesWindow* graphPreferences() const { return m_graphPrefs; }
  GraphWindow* graphWindow() const { return m_graph.get(); }
  StartNotice* startNotice() const { return m_notice; }
  QToolBar* commandToolBar() const { return m_commandBar; }
  QToolBar* componentToolBar() const { return m_componentBar; }
  // The live tuning step and the tuned component, in the status bar.
  TunerBar* tunerBar() const { return m_tuner; }
  // The component buttons in their order on the bar.
  const std::vector<QToolButton*>& componentButtons() const { return m_componentButtons; }
  // The toolbar button of a command (component bar first), or nullptr.
  QToolButton* toolButton(Command command) const;
  // True while the menu bar shows the captions-only menus (another program window active).
  bool showingCaptionMenus() const { return m_captionMenusShown; }
  void showFullMenu(bool full);

  // For tests: answers popup menus instead of showing them (returns the chosen item index,
  // or -1 for none).
  using PopupChooser = std::function<int(const std::vector<std::string>& items)>;
  void setPopupChooser(PopupChooser chooser) { m_popupChooser = std::move(chooser); }

protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  friend class EditorConnection;
  // The window's commands in the table call its private members.
  friend std::span<const CommandInfo> commandTable();

  // SchematicViewClient
  void paintSheet(QPainter& painter, const QRect& visibleUnits) override;
  void sheetMousePress(QPoint units, Qt::MouseButton button) override;
  void sheetMouseMove(QPoint units) override;
  void sheetMouseRelease(QPoint units, Qt::MouseButton button) override;
  void sheetDoubleClick(QPoint units) override;
  bool sheetWheel(int notches) override;
  bool sheetKey(int key, bool autoRepeat) override;

  // The box of the drawing on the sheet (drawing units), nothing for an empty sheet; Fit to
  // Window and Actual Size centre it, and an opened file is brought into view.
  std::optional<QRect> drawingBox() const;
  void fitDrawing();
  void actualSize();
  void showDrawing();

  // The File menu's recent files from the environment record; opening one of them.
  void showRecentFiles();
  void rememberRecentFile(const std::string& path);
  bool openRecentFile(int index);
  // The tuner's step from the record (after the configuration was read), and back into it.
  void applyRememberedTuneStep();

  void createTunerBar();
  void refreshTuner();

  void createActions();
  void createMenus();
  void addUnlistedKinds(QMenu* menu);
  void createToolBars();
  void updateCaption();
  void resetDocument(); // New step 2
  void showReadWarnings(const FileResult& read);
  void simulate();
  void showNetlist();
  void showYield();
  void placeBeside(QWidget& other);
  void showWindow(QWidget& window);
  // The help contents (empty topic) or a topic, beside the main window when first shown.
  void showHelp(const QString& topic);
  void connectPreferences();
  bool isProgramWindow(const QWidget* widget) const;
  void showNotAvailable(const QString& what);
  // The assistants' Simulate: the circuit becomes the new document, which is simulated.
  void createAssistants();
  void writeAssistantCircuit(const AssistantCircuit& circuit,
                             const AssistantWriteSettings& settings,
                             const AssistantWriteOptions& options);
  // Auto Match's OK: the match run, the networks, the run over the sweep.
  void runAutoMatch(const MatchRequest& request);
  void showAbout();
  void printSetup();
  void recordPlacements();
  void applyPlacements();
  // A first start: main and graph window side by side, sized to the screen.
  void layOutForScreen();
  bool openStartingFile(const std::vector<std::string>& arguments, bool haveConfig,
                        const std::string& lastFile);
  QSize smallestTidySize() const;
  bool writeConfiguration();
  void updateEditActions();
  int choosePopup(const std::vector<std::string>& items, QPoint units);

  Schematic& m_doc;
  Environment& m_env;
  Prompts& m_prompts;
  std::unique_ptr<EditorConnection> m_editor;
  std::unique_ptr<CalculatorWindows> m_calculators;
  std::unique_ptr<AssistantWindows> m_assistants;
  std::unique_ptr<OptimizeWindow> m_optimizer;

  SchematicView* m_view = nullptr;
  QToolBar* m_commandBar = nullptr;
  QToolBar* m_componentBar = nullptr;
  std::vector<QToolButton*> m_componentButtons;
  TunerBar* m_tuner = nullptr;
  std::array<QAction*, static_cast<size_t>(Command::Count)> m_actions{};
  QMenu* m_recentMenu = nullptr;
  std::vector<QMenu*> m_fullMenus;
  std::vector<QMenu*> m_captionMenus;
  bool m_captionMenusShown = false;

  HelpWindow* m_help = nullptr;
  DebugWindow* m_debug = nullptr;
  NetlistWindow* m_netlist = nullptr;
  YieldWindow* m_yield = nullptr;
  SchematicPreferencesWindow* m_schematicPrefs = nullptr;
  GraphPreferencesWindow* m_graphPrefs = nullptr;
  // The session outlives the graph window, which refers to it.
  std::unique_ptr<SimulationSession> m_session;
  std::unique_ptr<GraphWindow> m_graph;
  QPointer<StartNotice> m_notice;

  bool m_startedUp = false;
  bool m_portDrag = false; // the port button, not a component button, is being dragged
  std::filesystem::path m_configPath;
  PopupChooser m_popupChooser;
};

} // namespace norvane
