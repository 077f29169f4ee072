// The main window's file commands: New, Open, Save, Save As, the window bitmap, and the
// bookkeeping around them (save prompt, caption, current file name, window placements and
// the configuration written at close).
#include "drawingedit.h"

#include "editorconnection.h"
#include "graph/tgraphwin.h"
#include "imagefile.h"
#include "latin1text.h"

#include "config/configfile.h"
#include "config/environment.h"
#include "document/clearschema.h"
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

Qt::WindowStates windowStateOf(const std::string& state)
{
  if (state == kWindowStateMaximized) {
    return Qt::WindowMaximized;
  }
  if (state == kWindowStateMinimized) {
    return Qt::WindowMinimized;
  }
  return Qt::WindowNoState;
}

bool isUnnamed(const std::string& path)
{
  return std::filesystem::path(path).filename() == kUnnamed;
}

} // namespace

void TDrawingEdit::resetDocument()
{
  ClearSchema(m_doc, m_env);
  m_editor->editor().resetForNewDocument();
  m_env.filename = kUnnamed;
  updateCaption();
  updateEditActions();
  m_view->repaintSheet();
}

bool TDrawingEdit::confirmDiscard()
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

bool TDrawingEdit::fileNew()
{
  if (!confirmDiscard()) {
    return false;
  }
  resetDocument();
  m_graph->close(); // its traces belong to the old circuit
  return true;
}

bool TDrawingEdit::fileOpen()
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

bool TDrawingEdit::openFile(const std::string& path)
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
  m_view->repaintSheet();
  setModified(false);
  m_graph->takeFromDocument(); // the circles button as the file was saved
  if (m_doc.simulated) {
    simulate();
  }
  return true;
}

bool TDrawingEdit::fileSave()
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

bool TDrawingEdit::fileSaveAs()
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
  updateCaption();
  setModified(false);
  return true;
}

bool TDrawingEdit::saveWindowBitmap()
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

// ---- Window placements and the configuration file --------------------------------------

void TDrawingEdit::recordPlacements()
{
  // Minimised or maximised windows keep their last normal placement, only the state is noted.
  if (isMinimized()) {
    m_env.schemawinstat = kWindowStateMinimized;
  } else if (isMaximized()) {
    m_env.schemawinstat = kWindowStateMaximized;
  } else {
    m_env.schemawinstat = kWindowStateNormal;
    m_env.schemawinpos = {x(), y(), width(), height()};
  }
  if (m_graph->isMinimized()) {
    m_env.graphwinstat = kWindowStateMinimized;
  } else if (m_graph->isMaximized()) {
    m_env.graphwinstat = kWindowStateMaximized;
  } else {
    m_env.graphwinstat = kWindowStateNormal;
    m_env.graphwinpos = {m_graph->x(), m_graph->y(), m_graph->width(), m_graph->height()};
  }
}

QSize TDrawingEdit::smallestTidySize() const
{
  // Both toolbars whole and a useful piece of the sheet beside the component bar.
  const int width =
      std::max(m_commandBar->sizeHint().width(), m_componentBar->sizeHint().width() + 320);
  const int height = menuBar()->sizeHint().height() + m_commandBar->sizeHint().height() +
                     std::max(m_componentBar->sizeHint().height(), 240);
  return {width, height};
}

void TDrawingEdit::applyPlacements()
{
  const WindowPlacement& place = m_env.schemawinpos;
  if (place.width > 0 && place.height > 0) {
    // A stored size too small for the toolbars (the classic 500 x 400 default among them) is
    // widened so that no button is hidden; the size the user chooses is kept from then on.
    move(place.left, place.top);
    resize(QSize(place.width, place.height).expandedTo(smallestTidySize()));
  }
  setWindowState(windowStateOf(m_env.schemawinstat));
  // The graph window takes its place now and appears there with the first simulation.
  const WindowPlacement& graph = m_env.graphwinpos;
  if (graph.width > 0 && graph.height > 0) {
    // Likewise the graph window's default 450 pixels would hide part of its tool bar.
    m_graph->move(graph.left, graph.top);
    m_graph->resize(QSize(graph.width, graph.height).expandedTo(m_graph->smallestTidySize()));
  }
  m_graph->setWindowState(windowStateOf(m_env.graphwinstat));
}

bool TDrawingEdit::writeConfiguration()
{
  if (m_configPath.empty()) {
    return true; // started without a configuration file (tests)
  }
  const ConfigFileResult result = WriteConfig(m_env, m_configPath);
  if (!result.ok) {
    m_prompts.error(result.error);
  }
  return result.ok;
}

} // namespace norvane
