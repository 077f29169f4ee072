// The main window's file commands: New, Open, Save, Save As, the window bitmap, and the
// bookkeeping around them (save prompt, caption, current file name and the configuration
// written at close).
#include "mainwindow.h"

#include "common/imagefile.h"
#include "common/latin1text.h"
#include "editorconnection.h"
#include "graph/graphwindow.h"

#include "config/configfile.h"
#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/fileresult.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"
#include "platform/prompts.h"

#include <QImage>
#include <QPixmap>

#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <filesystem>

namespace norvane {

namespace {

constexpr const char* kUnnamed = "unnamed.cct";
constexpr const char* kOpenFilter = "Circuit files (*.cct)|*.cct|All files (*.*)|*.*";
constexpr const char* kSaveFilter = "Circuit Files (*.cct)|*.cct|All Files (*.*)|*.*";
constexpr const char* kBitmapFilter = "Bitmap files (*.bmp)|*.bmp|All files (*.*)|*.*";

bool isUnnamed(const std::string& path)
{
  return std::filesystem::path(path).filename() == kUnnamed;
}

} // namespace

void MainWindow::resetDocument()
{
  clearSchematic(m_doc, m_env);
  m_editor->editor().resetForNewDocument();
  m_env.filename = kUnnamed;
  updateCaption();
  updateEditActions();
  m_view->repaintSheet();
}

void MainWindow::showReadWarnings(const FileResult& read)
{
  // Value fields that are no clean number were read by the file's rule; the user should
  // know, since a damaged file would otherwise simulate as if nothing were wrong.
  if (!read.warnings.empty()) {
    m_prompts.warning(readWarningsText(read.warnings));
  }
}

bool MainWindow::confirmDiscard()
{
  if (!isModified()) {
    return true;
  }
  switch (m_prompts.question("Save Changes to: " + m_env.filename, true)) {
  case Answer::Yes:
    fileSave();
    return true;
  case Answer::No:
    return true;
  case Answer::Cancel:
    break;
  }
  return false;
}

bool MainWindow::fileNew()
{
  if (!confirmDiscard()) {
    return false;
  }
  resetDocument();
  showDrawing();
  m_graph->close(); // its traces belong to the old circuit
  return true;
}

bool MainWindow::fileOpen()
{
  if (!confirmDiscard()) {
    return false;
  }
  const auto path = m_prompts.openFileName("Open", kOpenFilter);
  if (!path) {
    return false;
  }
  return openFile(*path);
}

bool MainWindow::openFile(const std::string& path)
{
  // A file that cannot be read or is no schematic at all (a picture, an S-parameter file)
  // is refused before anything changes: the open document, its name and its graph stay.
  std::string content;
  if (const FileResult read = readSchematicFile(path, content); !read) {
    m_prompts.error(read.error);
    return false;
  }
  resetDocument();
  m_graph->close();
  m_doc.simulated = false;
  const FileResult result = readSchematicText(m_doc, content);
  if (!result) {
    // What was read stays on the sheet, but it is not the named file: the name stays
    // "unnamed.cct" so that Save cannot overwrite a file with a partial copy of another.
    m_prompts.error(result.error);
    m_view->repaintSheet();
    return false;
  }
  m_env.filename = path;
  updateCaption();
  showDrawing(); // wherever the last document was scrolled to
  setModified(false);
  rememberRecentFile(path);
  m_graph->takeFromDocument(); // the circles button as the file was saved
  showReadWarnings(result);
  if (m_doc.simulated) {
    simulate();
  }
  return true;
}

bool MainWindow::fileSave()
{
  if (isUnnamed(m_env.filename)) {
    return fileSaveAs();
  }
  m_graph->copyToDocument(); // the graph cursor and circles state are saved with the file
  const FileResult result = saveSchematic(m_doc, m_env.filename);
  if (!result) {
    m_prompts.error(result.error);
    return false;
  }
  setModified(false);
  return true;
}

bool MainWindow::fileSaveAs()
{
  const std::string suggested = isUnnamed(m_env.filename) ? std::string() : m_env.filename;
  const auto path = m_prompts.saveFileName("Save As", kSaveFilter, suggested);
  if (!path) {
    return false;
  }
  m_graph->copyToDocument();
  const FileResult result = saveSchematic(m_doc, *path);
  if (!result) {
    m_prompts.error(result.error);
    return false;
  }
  m_env.filename = *path;
  setModified(false);
  updateCaption(); // the graph window's caption too
  rememberRecentFile(*path);
  return true;
}

bool MainWindow::saveWindowBitmap()
{
  const auto path = m_prompts.saveFileName("Save window as Bitmap", kBitmapFilter, "*.bmp");
  if (!path) {
    return false;
  }
  // The window's image as it is on the screen now: menus, toolbars and the sheet.
  const QImage image = grab().toImage();
  if (const FileResult saved = saveImageFile(image, *path, "BMP"); !saved) {
    m_prompts.error(saved.error);
    return false;
  }
  return true;
}

// ---- The configuration file ------------------------------------------------------------

bool MainWindow::writeConfiguration()
{
  if (m_configPath.empty()) {
    return true; // started without a configuration file (tests)
  }
  const ConfigFileResult result = writeConfig(m_env, m_configPath);
  if (!result.ok) {
    m_prompts.error(result.error);
  }
  return result.ok;
}

} // namespace norvane
