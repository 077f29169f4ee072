#include "editorconnection.h"

#include "common/latin1text.h"
#include "common/qtcanvas.h"
#include "mainwindow.h"
#include "programcursors.h"

#include "editor/schematicpainter.h"
#include "graph/graphwindow.h"

#include <QAction>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

namespace norvane {

EditorConnection::EditorConnection(MainWindow& window, Schematic& doc, const Environment& env,
                                   Prompts& prompts)
    : m_window(window), m_doc(doc), m_editor(doc, env, *this, prompts),
      m_dialogs(doc, prompts, &window)
{
}

void EditorConnection::repaint()
{
  m_window.view()->repaintSheet();
}

void EditorConnection::setCursor(EditorCursor cursor)
{
  QWidget* area = m_window.view()->viewport();
  switch (cursor) {
  case EditorCursor::Arrow:
    area->setCursor(Qt::ArrowCursor);
    break;
  case EditorCursor::CrossHair:
    area->setCursor(Qt::CrossCursor);
    break;
  case EditorCursor::Drag:
    area->setCursor(Qt::DragMoveCursor);
    break;
  case EditorCursor::Tune:
    area->setCursor(tuneCursor());
    break;
  case EditorCursor::Text:
    area->setCursor(textCursor());
    break;
  }
}

bool EditorConnection::editComponent(int index)
{
  // The dialog opens with its top-left corner at the mouse.
  m_dialogs.setAnchor(QCursor::pos());
  return m_dialogs.EditComponent(index);
}

std::optional<std::string> EditorConnection::editPortImpedance(const std::string& caption,
                                                               const std::string& text)
{
  m_dialogs.setAnchor(QCursor::pos());
  return m_dialogs.editPortImpedance(caption, text);
}

std::optional<TextItemEntry> EditorConnection::editText(const TextItemEntry& initial)
{
  if (m_textHook) {
    return m_textHook(initial);
  }
  m_dialogs.setAnchor(QCursor::pos());
  return m_dialogs.editText(initial);
}

std::optional<EditorCommand> EditorConnection::showPopup(const PopupMenu& menu, Point at)
{
  std::vector<std::string> captions;
  captions.reserve(menu.items.size());
  for (const PopupItem& item : menu.items) {
    captions.push_back(item.caption);
  }
  const int chosen = m_window.choosePopup(captions, QPoint(at.x, at.y));
  if (chosen < 0 || chosen >= static_cast<int>(menu.items.size())) {
    return std::nullopt;
  }
  const PopupItem& item = menu.items[static_cast<size_t>(chosen)];
  if (!item.enabled) {
    return std::nullopt;
  }
  return item.command;
}

void EditorConnection::simulate()
{
  m_window.simulate();
}

TextExtent EditorConnection::textExtent(const std::string& text, const std::string& size)
{
  // Measured with the same canvas the sheet is painted with, at 1/1.
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  const int ppi = m_window.view()->logicalDpiY();
  QtCanvas canvas(painter, ppi);
  canvas.setFontName(kDefaultSchematicFont);
  canvas.setFontSize(textItemFontSize(size, PaintScale{}, ppi));
  return canvas.textExtent(text);
}

void EditorConnection::setTuneButton(bool down)
{
  QAction* tune = m_window.action(Command::TuneToggle);
  const QSignalBlocker block(tune);
  tune->setChecked(down);
}

void EditorConnection::stateChanged()
{
  m_window.updateEditActions();
}

void EditorConnection::documentChanged()
{
  // Tune mode simulates right after its changes, which clears the mark again.
  if (GraphWindow* graph = m_window.graphWindow()) graph->setResultsOutOfDate(true);
}

} // namespace norvane
