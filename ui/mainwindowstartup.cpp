// The start-up sequence of the main window's first activation: defaults, the configuration
// file (or a first start with help and the welcome circuit), the file named on the command
// line or else the last file, the saved window placements, and a re-simulation of a circuit
// that was saved simulated.
#include "mainwindow.h"

#include "common/latin1text.h"
#include "common/qtcanvas.h"
#include "graph/graphwindow.h"
#include "helpwindow.h"
#include "startnotice.h"

#include "config/configfile.h"
#include "config/environment.h"
#include "document/schematic.h"
#include "document/schematicreader.h"
#include "platform/prompts.h"

#include <QCoreApplication>

#include <filesystem>
#include <system_error>

namespace norvane {

namespace {

bool isExistingFile(const std::string& path)
{
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

void MainWindow::startUp(const StartupOptions& options)
{
  if (m_startedUp) {
    return;
  }
  m_startedUp = true;
  m_configPath = options.configPath;

  // Built-in defaults (the colours are already the preference swatches' colours), then a
  // fresh document and the default placements.
  fillBuiltInDefaults(m_env);
  resetDocument();

  const bool haveConfig = !options.configPath.empty() && isExistingFile(options.configPath);
  if (haveConfig) {
    const ConfigFileResult read = readConfig(m_env, options.configPath);
    if (!read.ok) {
      m_prompts.error(read.error);
    }
    showRecentFiles();
    applyRememberedTuneStep();
  } else {
    // A first start: show the help and, when there is one, the welcome circuit.
    showHelp({});
    const std::filesystem::path welcome = options.currentDir / "welcome.cct";
    if (!options.currentDir.empty() && isExistingFile(welcome.string())) {
      const FileResult result = loadSchematic(m_doc, welcome.string());
      if (!result) {
        m_prompts.error(result.error);
      } else {
        showReadWarnings(result);
      }
    }
  }
  m_view->setPaperColor(toQColor(m_env.papercolor));
  m_graph->repaintPlot(); // in the graph background colour that was read

  // The configuration names the file that was open last; until a file is actually opened
  // the current document is the unnamed one, so that Save never writes the new drawing over
  // the last file.
  const std::string lastFile = m_env.filename;
  m_env.filename = "unnamed.cct";
  updateCaption();
  m_view->repaintSheet();

  const bool simulatedNow = openStartingFile(options.arguments, haveConfig, lastFile);

  if (haveConfig) {
    applyPlacements();
  } else {
    layOutForScreen();
  }
  QCoreApplication::processEvents();
  if (!haveConfig) {
    // By now the window manager has framed the windows that are shown: sized again with the
    // decoration it really draws, they meet without a gap and end at the screen's edge.
    layOutForScreen();
  }
  showDrawing(); // in the window as it is now placed
  m_graph->takeFromDocument();
  if (m_doc.simulated && !simulatedNow) {
    simulate();
  }
  if (!haveConfig && m_graph->isVisible()) {
    // A first start with a circuit: its results come first; the help waits behind them.
    m_graph->raise();
  }
  setModified(false);
  if (m_notice) {
    m_notice->requestClose();
  }
}

// The file named on the command line, simulated at once; otherwise, with "auto open", the
// file that was open last. Returns whether a simulation ran.
bool MainWindow::openStartingFile(const std::vector<std::string>& arguments, bool haveConfig,
                                  const std::string& lastFile)
{
  bool simulatedNow = false;
  std::string commandLine;
  for (const std::string& argument : arguments) {
    // An unquoted path with blanks arrives as several arguments: join them again.
    commandLine += commandLine.empty() ? argument : " " + argument;
  }
  if (!commandLine.empty() && isExistingFile(commandLine)) {
    // A file that is no schematic is refused before the sheet changes; the sheet stays the
    // unnamed one, so a Save cannot write a drawing over the named file.
    std::string content;
    FileResult result = readSchematicFile(commandLine, content);
    if (result) {
      resetDocument();
      result = readSchematicText(m_doc, content);
    }
    if (result) {
      m_env.filename = commandLine;
      rememberRecentFile(commandLine);
      updateCaption();
      m_view->repaintSheet();
      showReadWarnings(result);
      // The circles button as the file was saved, before the run that draws them.
      m_graph->takeFromDocument();
      simulate();
      simulatedNow = true;
    } else {
      m_prompts.error(result.error);
      m_view->repaintSheet();
    }
  } else if (m_env.autoopen) {
    m_doc.simulated = false;
    if (haveConfig && isExistingFile(lastFile)) {
      const FileResult result = loadSchematic(m_doc, lastFile);
      if (result) {
        m_env.filename = lastFile;
        rememberRecentFile(lastFile);
        updateCaption();
        showReadWarnings(result);
      } else {
        m_prompts.error(result.error);
      }
      m_view->repaintSheet();
    }
  }
  return simulatedNow;
}

} // namespace norvane
