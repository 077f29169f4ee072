// Mode changes, popup menus, the keys and the commands on the selection.
#include "editor/schematiceditor.h"

#include "document/pins.h"
#include "document/placement.h"
#include "editor/editorhelpers.h"
#include "editor/hittest.h"
#include "editor/selectionedit.h"
#include "editor/wirejunctions.h"
#include "numbers/valuetext.h"

#include <cstdlib>
#include <string>

namespace norvane {

using namespace editordetail;

// ---- Modes -------------------------------------------------------------------------------

void SchematicEditor::enterSelectMode()
{
  m_host.setTuneButton(false);
  deselectAll(m_doc.drawdat);
  m_mode = emSelect;
  m_host.setCursor(EditorCursor::Arrow);
  m_keepSelection = false;
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
}

// Select mode without deselecting (Delete and Paste keep or make a selection).
void SchematicEditor::softSelectMode()
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = emSelect;
  m_host.setCursor(EditorCursor::Arrow);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
}

void SchematicEditor::enterWireMode()
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  deselectAll(m_doc.drawdat);
  m_mode = emWire;
  m_host.setCursor(EditorCursor::CrossHair);
  // A chain left over from an earlier wire session must not start the next wire.
  m_chain = kNoPoint;
  m_dragging = false;
  m_moving = false;
  m_keepSelection = false;
  m_outline.reset();
  m_host.repaint();
}

// The modes that draw or pick something new all start from the same clean state: no tune
// button, no drag or move in progress, no wire chain and no placement outline.
void SchematicEditor::switchToDrawingMode(int mode, EditorCursor cursor)
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = mode;
  m_host.setCursor(cursor);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
}

void SchematicEditor::enterBlockSelectMode()
{
  switchToDrawingMode(emBlockSelect, EditorCursor::Arrow);
}

void SchematicEditor::startPlacing(ComponentType kind)
{
  if (!isComponentKind(kind)) return;
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = placingMode(kind);
  m_chain = kNoPoint;
  m_moving = false;
  m_host.setCursor(EditorCursor::Drag);
  // Near the top or left edge the mouse is probably on a menu or toolbar: start off-sheet,
  // the outline appears under the mouse at its next movement.
  const Point at = (m_p1.x > 10 && m_p1.y > 10) ? m_p1 : kNoPoint;
  press(at, at);
  m_host.repaint();
}

void SchematicEditor::enterPortMode(int portNumber)
{
  switchToDrawingMode(portNumber == 2 ? emPort2 : emPort1, EditorCursor::CrossHair);
}

void SchematicEditor::enterNextPortMode()
{
  enterPortMode(isPlaced(m_doc.drawdat.P1) ? 2 : 1);
}

void SchematicEditor::enterTextMode()
{
  switchToDrawingMode(emText, EditorCursor::Text);
}

void SchematicEditor::enterLineMode()
{
  switchToDrawingMode(emLine, EditorCursor::CrossHair);
}

void SchematicEditor::setTuneMode(bool down)
{
  if (!down) {
    if (m_mode == emTune) enterSelectMode();
    return;
  }
  m_mode = emTune;
  m_host.setCursor(EditorCursor::Tune);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.simulate();
}

void SchematicEditor::beginToolbarDrag(ComponentType kind)
{
  if (!isComponentKind(kind)) return;
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = placingMode(kind);
  m_chain = kNoPoint;
  m_moving = false;
  m_host.setCursor(EditorCursor::Drag);
  press(kNoPoint, kNoPoint);
}

void SchematicEditor::toolbarRelease(int x, int y)
{
  // Dropped back on the toolbar (or left of the sheet): nothing is placed and the outline
  // keeps following the mouse, as after the menu command.
  if (x > 0) mouseRelease(MouseButton::Left, x, y);
}

void SchematicEditor::resetForNewDocument()
{
  m_history.clear();
  m_host.setTuneButton(false);
  m_mode = emSelect;
  m_orientation = 1;
  m_dragging = false;
  m_moving = false;
  m_keepSelection = false;
  m_ignoreNextPress = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_dragBefore.reset();
  m_modified = false;
  m_host.setCursor(EditorCursor::Arrow);
  m_host.stateChanged();
  m_host.repaint();
}

// ---- Right button and popups -------------------------------------------------------------

void SchematicEditor::rightPress(Point s, Point raw)
{
  m_p1 = s;
  m_rawLast = raw;
  if (m_mode == emWire) {
    if (!m_dragging) enterSelectMode();
    return;
  }
  bool hit = false;
  if (!m_keepSelection) {
    deselectAll(m_doc.drawdat);
    hit = selectInRect(m_doc.drawdat, {s.x - 5, s.y - 5}, {s.x + 5, s.y + 5});
    m_host.repaint();
  }
  const PopupKind kind = (hit || m_keepSelection) ? PopupKind::Item
                         : m_dragging             ? PopupKind::Drag
                                                  : PopupKind::Sheet;
  m_lastPopup = makePopupMenu(kind, !m_clipboard.empty());
  const std::optional<EditorCommand> choice = m_host.showPopup(m_lastPopup, s);
  if (!choice) return;
  for (const PopupItem& item : m_lastPopup.items)
    if (item.command == *choice && item.enabled) {
      run(*choice);
      return;
    }
}

// ---- Commands ----------------------------------------------------------------------------

bool SchematicEditor::keyPress(int key, bool ctrl)
{
  const std::optional<EditorCommand> command = editorCommandForKey(key, ctrl);
  return command && run(*command);
}

bool SchematicEditor::run(EditorCommand command)
{
  return editorCommandInfo(command).run(*this);
}

void SchematicEditor::toggleOrientation()
{
  m_orientation = m_orientation == 1 ? 2 : 1;
  Drawing& d = m_doc.drawdat;
  if (anythingSelected(d)) {
    DrawingSnapshot before = captureSnapshot(m_doc);
    if (toggleSelectedOrientation(d)) commit(std::move(before));
  }
  if (m_outline) m_outline = m_p1;
  m_host.repaint();
}

void SchematicEditor::deleteSelection()
{
  softSelectMode();
  Drawing& d = m_doc.drawdat;
  if (anythingSelected(d)) {
    const BlockSetIndexes sets = selectedBlockSets(d);
    DrawingSnapshot before = captureSnapshot(m_doc, sets.twoPort, sets.onePort);
    if (deleteSelectedItems(m_doc)) commit(std::move(before));
  }
  m_host.repaint();
}

void SchematicEditor::copySelection()
{
  copySelectionToClipboard(m_doc, m_clipboard);
  m_host.stateChanged();
}

void SchematicEditor::cutSelection()
{
  copySelection();
  deleteSelection();
  m_keepSelection = false;
}

void SchematicEditor::paste()
{
  if (m_clipboard.empty()) return;
  DrawingSnapshot before = captureSnapshot(m_doc);
  if (pasteClipboard(m_doc, m_clipboard) > 0) commit(std::move(before));
  softSelectMode();
  m_keepSelection = true; // the next press drags the pasted group
  m_host.repaint();
}

void SchematicEditor::duplicate()
{
  copySelection();
  paste();
}

void SchematicEditor::editAtLastPoint()
{
  editAt(m_p1, m_rawLast);
}

bool SchematicEditor::editPortImpedance(int number, int decimals)
{
  Port& port = number == 2 ? m_doc.drawdat.P2 : m_doc.drawdat.P1;
  const std::string caption = "Test Port " + std::to_string(number) + " Zo";
  const std::string shown = formatEngineering(decimals, port.Zo) + "R";
  const std::optional<std::string> text = m_host.editPortImpedance(caption, shown);
  if (!text) return false;
  // The rounded text as shown stands for the impedance the port has: OK keeps it exactly.
  if (*text == shown) return true;
  const NumberReading entered = readNumber(*text, NumberRules::Entry("R"));
  if (!entered.ok) return false; // the dialog refuses such text; never taken as 0
  DrawingSnapshot before = captureSnapshot(m_doc);
  double zo = entered.value;
  if (zo == 0) zo = 1e-6; // a zero reference impedance would short the port
  port.Zo = zo;
  commit(std::move(before));
  return true;
}

void SchematicEditor::editAt(Point s, Point raw)
{
  Drawing& d = m_doc.drawdat;
  for (int i = 1; i <= d.components.count(); ++i) {
    const Component& c = d.components[i];
    if (isGround(c) || std::abs(c.position.x - s.x) > 10 || std::abs(c.position.y - s.y) > 10)
      continue;
    DrawingSnapshot before = captureForComponent(m_doc, c);
    if (m_host.editComponent(i)) {
      computePinPositions(d.components[i]);
      commit(std::move(before));
    }
  }
  m_host.repaint();
  for (int number = 1; number <= 2; ++number) {
    const Port& port = number == 1 ? d.P1 : d.P2;
    if (!isPlaced(port) || port.pos != s) continue;
    editPortImpedance(number, 2);
    m_host.repaint();
  }
  for (int i = 1; i <= d.texts.count(); ++i) {
    const TextItem& t = d.texts[i];
    const TextExtent e = m_host.textExtent(t.text, t.size);
    const bool inside = raw.x >= t.pos.x && raw.x <= t.pos.x + e.width && raw.y >= t.pos.y &&
                        raw.y <= t.pos.y + e.height;
    if (!inside) continue;
    const std::optional<TextItemEntry> entry = m_host.editText(TextItemEntry{t.text, t.size});
    if (!entry) continue;
    DrawingSnapshot before = captureSnapshot(m_doc);
    d.texts[i].text = entry->text.substr(0, kMaxTextLength);
    d.texts[i].size = entry->size.substr(0, kMaxTextSizeLength);
    commit(std::move(before));
    m_host.repaint();
  }
}

std::optional<Component> SchematicEditor::tunedBeforeRestore() const
{
  const int index = tunedComponent();
  if (index == 0) return std::nullopt;
  return m_doc.drawdat.components[index];
}

bool SchematicEditor::undo()
{
  const std::optional<Component> tuned = tunedBeforeRestore();
  if (!m_history.undo(m_doc)) return false;
  afterRestore(tuned);
  return true;
}

bool SchematicEditor::redo()
{
  const std::optional<Component> tuned = tunedBeforeRestore();
  if (!m_history.redo(m_doc)) return false;
  afterRestore(tuned);
  return true;
}

void SchematicEditor::afterRestore(const std::optional<Component>& tuned)
{
  Drawing& d = m_doc.drawdat;
  recomputeAllPins(d);
  deselectAll(d);
  const bool tuning = m_mode == emTune;
  if (tuning) {
    // Tuning goes on: the same component stays chosen when the step restored it in place.
    m_dragging = false;
    m_moving = false;
    const bool stillThere = tuned && m_tuned >= 1 && m_tuned <= d.components.count() &&
                            d.components[m_tuned].ctype == tuned->ctype &&
                            d.components[m_tuned].position == tuned->position;
    if (stillThere)
      d.components[m_tuned].selected = true;
    else
      m_tuned = 0;
  } else {
    softSelectMode();
  }
  m_keepSelection = false;
  m_dragBefore.reset();
  m_tuneUndoFor = 0;
  markChanged();
  m_host.repaint();
  // In tune mode the graph always shows the drawing as it is.
  if (tuning) m_host.simulate();
}

void SchematicEditor::selectAll()
{
  softSelectMode();
  deselectAll(m_doc.drawdat);
  // Like a block selection: the next press drags everything.
  m_keepSelection = selectEverything(m_doc.drawdat);
  m_host.repaint();
}

} // namespace norvane
