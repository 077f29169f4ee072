#include "editor/schematiceditor.h"

#include "document/pins.h"
#include "document/placement.h"
#include "editor/hittest.h"
#include "editor/selectionedit.h"
#include "editor/wirejunctions.h"
#include "numbers/valuetext.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace norvane {

namespace {

bool isPlaced(const Tport& p)
{
  return p.pos.x >= 0 && p.pos.y >= 0;
}

std::string capacityMessage(int capacity, const char* what)
{
  return "maximum of " + std::to_string(capacity) + what;
}

// The data set a block shows, as the lists CaptureSnapshot takes.
void blockSetsOf(const Tcomponent& c, std::vector<int>& two, std::vector<int>& one)
{
  const int n = blockDataSetIndex(c);
  if (n == 0) return;
  if (c.ctype == ckSParam2) two.push_back(n);
  if (c.ctype == ckSParam1) one.push_back(n);
}

DrawingSnapshot captureForComponent(const Tschema& doc, const Tcomponent& c)
{
  std::vector<int> two, one;
  blockSetsOf(c, two, one);
  return CaptureSnapshot(doc, two, one);
}

} // namespace

SchematicEditor::SchematicEditor(Tschema& doc, const TenvironmentProps& env, EditorHost& host,
                                 Prompts& prompts)
    : m_doc(doc), m_env(env), m_host(host), m_prompts(prompts)
{
  m_lastPopup = MakePopupMenu(PopupKind::Sheet, false);
}

std::optional<TPoint> SchematicEditor::chainPoint() const
{
  if (m_chain == kNoPoint) return std::nullopt;
  return m_chain;
}

// ---- Bookkeeping -------------------------------------------------------------------------

void SchematicEditor::touch()
{
  if (!m_modified) {
    m_modified = true;
    m_host.stateChanged();
  }
}

void SchematicEditor::setModified(bool modified)
{
  if (m_modified != modified) {
    m_modified = modified;
    m_host.stateChanged();
  }
}

void SchematicEditor::commit(DrawingSnapshot before)
{
  if (SnapshotMatches(m_doc, before)) return;
  m_history.push(std::move(before));
  m_modified = true;
  m_host.stateChanged();
}

void SchematicEditor::recordUndoPoint()
{
  m_history.push(CaptureSnapshot(m_doc));
}

TextMeasure SchematicEditor::textMeasure()
{
  return [this](const Ttextitem& t) { return m_host.textExtent(t.text, t.size); };
}

bool SchematicEditor::selectAt(TPoint p)
{
  RecomputeAllPins(m_doc.drawdat);
  return SelectAtPoint(m_doc.drawdat, p, textMeasure());
}

// ---- Modes -------------------------------------------------------------------------------

void SchematicEditor::enterSelectMode()
{
  m_host.setTuneButton(false);
  DeselectAll(m_doc.drawdat);
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
  DeselectAll(m_doc.drawdat);
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

void SchematicEditor::enterBlockSelectMode()
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = emBlockSelect;
  m_host.setCursor(EditorCursor::Arrow);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
}

void SchematicEditor::startPlacing(int kind)
{
  if (!isComponentKind(kind)) return;
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = kind;
  m_chain = kNoPoint;
  m_moving = false;
  m_host.setCursor(EditorCursor::Drag);
  // Near the top or left edge the mouse is probably on a menu or toolbar: start off-sheet,
  // the outline appears under the mouse at its next movement.
  const TPoint at = (m_p1.x > 10 && m_p1.y > 10) ? m_p1 : kNoPoint;
  press(at, at);
  m_host.repaint();
}

void SchematicEditor::enterPortMode(int portNumber)
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = portNumber == 2 ? emPort2 : emPort1;
  m_host.setCursor(EditorCursor::CrossHair);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
}

void SchematicEditor::enterNextPortMode()
{
  enterPortMode(isPlaced(m_doc.drawdat.P1) ? 2 : 1);
}

void SchematicEditor::enterTextMode()
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = emText;
  m_host.setCursor(EditorCursor::Text);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
}

void SchematicEditor::enterLineMode()
{
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = emLine;
  m_host.setCursor(EditorCursor::CrossHair);
  m_dragging = false;
  m_moving = false;
  m_chain = kNoPoint;
  m_outline.reset();
  m_host.repaint();
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

void SchematicEditor::beginToolbarDrag(int kind)
{
  if (!isComponentKind(kind)) return;
  if (m_mode == emTune) m_host.setTuneButton(false);
  m_mode = kind;
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

// ---- Mouse -------------------------------------------------------------------------------

void SchematicEditor::mousePress(MouseButton button, int x, int y)
{
  const TPoint raw{x, y};
  const TPoint snapped = SnapToGrid(raw);
  if (button == MouseButton::Right) {
    rightPress(snapped, raw);
    return;
  }
  press(snapped, raw);
}

void SchematicEditor::press(TPoint s, TPoint raw)
{
  TDrawData& d = m_doc.drawdat;
  if (!d.UnconnectedMarkers.empty()) {
    d.UnconnectedMarkers.clear();
    m_host.repaint();
  }
  touch();
  if (m_ignoreNextPress) {
    m_ignoreNextPress = false;
    return;
  }
  m_p0 = m_p1 = s;
  m_rawLast = raw;
  m_dragBefore.reset();
  if (m_mode == emBlockSelect) {
    DeselectAll(d);
    m_host.repaint();
  }
  if (m_mode == emSelect) {
    m_dragBefore = CaptureSnapshot(m_doc);
    if (m_keepSelection) {
      m_keepSelection = false;
    } else {
      DeselectAll(d);
      if (!selectAt(s)) {
        m_mode = emBlockSelect;
        m_dragBefore.reset();
      }
    }
    m_host.repaint();
  }
  m_dragging = true;
  if (isPlacingMode(m_mode)) {
    m_outline = m_p1;
    m_host.repaint();
  } else if (isPortMode(m_mode)) {
    m_outline.reset(); // the port outline appears at the first movement
  }
}

void SchematicEditor::mouseMove(int x, int y)
{
  const TPoint raw{x, y};
  const TPoint s = SnapToGrid(raw);
  m_rawLast = raw;
  bool changed = s != m_p1;
  if (m_dragging) {
    TDrawData& d = m_doc.drawdat;
    if (isPlacingMode(m_mode) || isPortMode(m_mode)) {
      changed = changed || m_outline != s;
      m_outline = s;
    } else if (m_mode == emSelect) {
      if (!m_moving) {
        SelectWireEndsOnSelectedPins(d);
        m_moving = true;
        changed = true;
      }
      const int dx = s.x - m_p1.x;
      const int dy = s.y - m_p1.y;
      if (dx != 0 || dy != 0) {
        if (m_dragBefore) {
          m_history.push(std::move(*m_dragBefore));
          m_dragBefore.reset();
          m_host.stateChanged();
        }
        MoveSelection(d, dx, dy);
      }
    } else if (m_mode == emTune) {
      if (s.x != m_p0.x && s.y != m_p0.y) {
        m_mode = emBlockSelect;
        m_host.setTuneButton(false);
        m_host.setCursor(EditorCursor::Arrow);
      }
    }
  }
  m_p1 = s;
  if (m_dragging && changed) m_host.repaint();
}

void SchematicEditor::mouseRelease(MouseButton button, int x, int y)
{
  const TPoint raw{x, y};
  const TPoint r = SnapToGrid(raw);
  if (button == MouseButton::Right) {
    if (m_mode == emWire) {
      m_chain = kNoPoint;
      enterWireMode();
    }
    return;
  }
  m_dragging = false;
  m_p1 = r;
  m_rawLast = raw;
  if (m_mode == emWire)
    releaseWire(r);
  else if (isPlacingMode(m_mode))
    releasePlacing(r);
  else if (m_mode == emLine)
    releaseLine(r);
  else if (m_mode == emText)
    releaseText(raw);
  else if (isPortMode(m_mode))
    releasePort(r);
  else if (m_mode == emSelect)
    releaseSelect(r);
  else if (m_mode == emBlockSelect)
    releaseBlockSelect(r);
  else if (m_mode == emTune)
    releaseTune(r);
  m_dragBefore.reset();
}

void SchematicEditor::doubleClick(int x, int y)
{
  if (m_mode != emSelect) return;
  m_ignoreNextPress = true;
  m_dragging = false;
  m_moving = false;
  DeselectAll(m_doc.drawdat);
  const TPoint raw{x, y};
  m_p1 = SnapToGrid(raw);
  m_rawLast = raw;
  editAt(m_p1, raw);
}

// ---- Releases ----------------------------------------------------------------------------

void SchematicEditor::releaseWire(TPoint r)
{
  TDrawData& d = m_doc.drawdat;
  if (d.wires.full()) {
    m_prompts.error(capacityMessage(kMaxWires, " shorts"));
    m_host.repaint();
    return;
  }
  const bool chained = m_chain != kNoPoint;
  const TPoint start = chained ? m_chain : m_p0;
  if (r == start) {
    // A click without movement: the next click or drag draws from here.
    m_chain = r;
    press(r, r);
    return;
  }
  DrawingSnapshot before = CaptureSnapshot(m_doc);
  RecomputeAllPins(d);
  d.wires.append(Tshort{false, false, start, r});
  SplitWiresAtWireEnds(d, d.wires.count());
  SplitWiresAtAllPins(d);
  RemoveDuplicateWires(d);
  commit(std::move(before));
  m_host.repaint();
  if (m_env.chainshorts && chained) {
    m_chain = r;
    press(r, r);
  } else {
    m_chain = kNoPoint;
  }
}

void SchematicEditor::finishPlacement()
{
  if (m_env.rememberlastcomp) {
    press(kNoPoint, kNoPoint); // the outline restarts off-sheet and follows the mouse
    m_host.repaint();
  } else {
    enterSelectMode();
  }
}

void SchematicEditor::releasePlacing(TPoint r)
{
  TDrawData& d = m_doc.drawdat;
  const int kind = m_mode;
  for (const Tcomponent& c : d.components)
    if (c.position == r) return; // placing on top of another component is ignored
  if (d.components.full()) {
    m_prompts.error(capacityMessage(kMaxComponents, " components"));
    m_host.repaint();
    finishPlacement();
    return;
  }
  DeselectAll(d);
  m_outline.reset();
  std::vector<int> two, one;
  if (kind == ckSParam2) two.push_back(nextBlockIndex(m_doc, kind));
  if (kind == ckSParam1) one.push_back(nextBlockIndex(m_doc, kind));
  DrawingSnapshot before = CaptureSnapshot(m_doc, two, one);

  const PlacementResult placed = placeComponent(m_doc, kind, m_orientation, r);
  if (!placed.placed()) {
    if (!placed.message.empty()) m_prompts.error(placed.message);
    m_host.repaint();
    finishPlacement();
    return;
  }
  m_host.repaint();
  if (kind != ckGround && !m_host.editComponent(placed.index)) {
    d.components.removeLast();
    m_host.repaint();
    finishPlacement();
    return;
  }
  RecomputeAllPins(d);
  SplitWiresAtComponentPins(d, d.components[placed.index]);
  AddPinJunctions(d, placed.index);
  commit(std::move(before));
  m_host.repaint();
  finishPlacement();
}

void SchematicEditor::releaseLine(TPoint r)
{
  TDrawData& d = m_doc.drawdat;
  if (d.lines.full()) {
    m_prompts.error(capacityMessage(kMaxLines, " lines"));
  } else {
    DrawingSnapshot before = CaptureSnapshot(m_doc);
    d.lines.append(Tshape{1, false, m_p0, r});
    commit(std::move(before));
  }
  m_host.repaint();
  if (!m_env.rememberlastcomp) enterSelectMode();
}

void SchematicEditor::releaseText(TPoint raw)
{
  TDrawData& d = m_doc.drawdat;
  if (d.texts.full()) {
    m_prompts.information("Maximum number of text items reached");
  } else if (auto entry = m_host.editText(TextItemEntry{"", "8"})) {
    DrawingSnapshot before = CaptureSnapshot(m_doc);
    d.texts.append(Ttextitem{raw, entry->size.substr(0, kMaxTextSizeLength), false,
                             entry->text.substr(0, kMaxTextLength)});
    commit(std::move(before));
  }
  enterSelectMode();
}

void SchematicEditor::releasePort(TPoint r)
{
  const int number = m_mode == emPort2 ? 2 : 1;
  Tport& port = number == 2 ? m_doc.drawdat.P2 : m_doc.drawdat.P1;
  DrawingSnapshot before = CaptureSnapshot(m_doc);
  port.pos = r;
  port.crot = m_orientation;
  port.node = portConnectionPoint(number, port);
  commit(std::move(before));
  enterSelectMode();
}

void SchematicEditor::releaseSelect(TPoint r)
{
  TDrawData& d = m_doc.drawdat;
  RecomputeAllPins(d);
  const int wiresBefore = d.wires.count();
  for (int i = 1; i <= wiresBefore; ++i)
    if (d.wires[i].startselected || d.wires[i].finishselected) SplitWiresAtWireEnds(d, i);
  SplitWiresAtAllPins(d);
  for (int c = 1; c <= d.components.count(); ++c) {
    if (!d.components[c].selected) continue;
    ComputePinPositions(d.components[c]);
    SplitWiresAtComponentPins(d, d.components[c]);
    AddPinJunctions(d, c);
  }
  DeselectAll(d);
  m_moving = false;
  if (r == m_p0) selectAt(r);
  m_host.repaint();
  RemoveDuplicateWires(d);
}

void SchematicEditor::releaseBlockSelect(TPoint r)
{
  if (SelectInRect(m_doc.drawdat, m_p0, r)) m_keepSelection = true;
  m_mode = emSelect;
  m_host.setCursor(EditorCursor::Arrow);
  m_host.repaint();
}

void SchematicEditor::releaseTune(TPoint r)
{
  TDrawData& d = m_doc.drawdat;
  DeselectAll(d);
  m_dragging = false;
  bool hit = false;
  for (int i = 1; i <= d.components.count(); ++i) {
    const Tcomponent& c = d.components[i];
    if (c.ctype == ckGround || std::abs(c.position.x - r.x) > 10 ||
        std::abs(c.position.y - r.y) > 10)
      continue;
    hit = true;
    d.components[i].selected = true;
    m_host.repaint();
    // Each OK re-simulates and opens the dialog again, until Cancel.
    for (;;) {
      DrawingSnapshot before = captureForComponent(m_doc, d.components[i]);
      if (!m_host.editComponent(i)) break;
      commit(std::move(before));
      m_host.repaint();
      m_host.simulate();
      if (i > d.components.count()) break;
    }
  }
  for (int number = 1; number <= 2; ++number) {
    const Tport& port = number == 1 ? d.P1 : d.P2;
    if (!isPlaced(port) || port.pos != r) continue;
    hit = true;
    editPortImpedance(number, 3);
    // The tuning loop simulates after the port dialog whether or not a new impedance was
    // accepted, so the graph always matches what the dialog last showed.
    m_host.repaint();
    m_host.simulate();
  }
  if (!hit) enterSelectMode();
}

// ---- Right button and popups -------------------------------------------------------------

void SchematicEditor::rightPress(TPoint s, TPoint raw)
{
  m_p1 = s;
  m_rawLast = raw;
  if (m_mode == emWire) {
    if (!m_dragging) enterSelectMode();
    return;
  }
  bool hit = false;
  if (!m_keepSelection) {
    DeselectAll(m_doc.drawdat);
    hit = SelectInRect(m_doc.drawdat, {s.x - 5, s.y - 5}, {s.x + 5, s.y + 5});
    m_host.repaint();
  }
  const PopupKind kind = (hit || m_keepSelection) ? PopupKind::Item
                         : m_dragging             ? PopupKind::Drag
                                                  : PopupKind::Sheet;
  m_lastPopup = MakePopupMenu(kind, !m_clipboard.empty());
  const std::optional<PopupCommand> choice = m_host.showPopup(m_lastPopup, s);
  if (!choice) return;
  for (const PopupItem& item : m_lastPopup.items)
    if (item.command == *choice && item.enabled) {
      runPopup(*choice);
      return;
    }
}

void SchematicEditor::runPopup(PopupCommand command)
{
  switch (command) {
  case PopupCommand::Cancel:
    enterSelectMode();
    break;
  case PopupCommand::Orientation:
    toggleOrientation();
    break;
  case PopupCommand::Edit:
    editAtLastPoint();
    break;
  case PopupCommand::Copy:
    copySelection();
    break;
  case PopupCommand::Cut:
    cutSelection();
    break;
  case PopupCommand::Duplicate:
    duplicate();
    break;
  case PopupCommand::Delete:
    deleteSelection();
    break;
  case PopupCommand::Paste:
    paste();
    break;
  case PopupCommand::Wire:
    enterWireMode();
    break;
  case PopupCommand::Ground:
    startPlacing(ckGround);
    break;
  case PopupCommand::Resistor:
    startPlacing(ckResistor);
    break;
  case PopupCommand::Capacitor:
    startPlacing(ckCapacitor);
    break;
  case PopupCommand::Inductor:
    startPlacing(ckInductor);
    break;
  case PopupCommand::TxLine:
    startPlacing(ckTxLine);
    break;
  case PopupCommand::MeasurementPort:
    enterNextPortMode();
    break;
  }
}

// ---- Commands ----------------------------------------------------------------------------

bool SchematicEditor::keyPress(int key, bool ctrl)
{
  key = std::toupper(key);
  if (ctrl) {
    switch (key) {
    case 'C':
      copySelection();
      return true;
    case 'X':
      cutSelection();
      return true;
    case 'V':
      paste();
      return true;
    case 'D':
      duplicate();
      return true;
    case 'Z':
      return undo();
    case 'Y':
      return redo();
    default:
      return false;
    }
  }
  switch (key) {
  case kKeyEscape:
    enterSelectMode();
    return true;
  case kKeySpace:
    toggleOrientation();
    return true;
  case kKeyDelete:
    deleteSelection();
    return true;
  case 'W':
    enterWireMode();
    return true;
  case '1':
    enterPortMode(1);
    return true;
  case '2':
    enterPortMode(2);
    return true;
  case 'R':
    startPlacing(ckResistor);
    return true;
  case 'C':
    startPlacing(ckCapacitor);
    return true;
  case 'L':
    startPlacing(ckInductor);
    return true;
  case 'X':
    startPlacing(ckTxLine);
    return true;
  case 'T':
    startPlacing(ckTransformer);
    return true;
  case 'O':
    startPlacing(ckOpAmp);
    return true;
  case 'S':
    startPlacing(ckSParam2);
    return true;
  case 'G':
    startPlacing(ckGround);
    return true;
  default:
    return false;
  }
}

void SchematicEditor::toggleOrientation()
{
  m_orientation = m_orientation == 1 ? 2 : 1;
  TDrawData& d = m_doc.drawdat;
  if (AnythingSelected(d)) {
    DrawingSnapshot before = CaptureSnapshot(m_doc);
    if (ToggleSelectedOrientation(d)) commit(std::move(before));
  }
  if (m_outline) m_outline = m_p1;
  m_host.repaint();
}

void SchematicEditor::deleteSelection()
{
  softSelectMode();
  TDrawData& d = m_doc.drawdat;
  if (AnythingSelected(d)) {
    const BlockSetIndexes sets = SelectedBlockSets(d);
    DrawingSnapshot before = CaptureSnapshot(m_doc, sets.twoPort, sets.onePort);
    if (DeleteSelection(m_doc)) commit(std::move(before));
  }
  m_host.repaint();
}

void SchematicEditor::copySelection()
{
  CopySelection(m_doc, m_clipboard);
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
  DrawingSnapshot before = CaptureSnapshot(m_doc);
  if (PasteClipboard(m_doc, m_clipboard) > 0) commit(std::move(before));
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
  Tport& port = number == 2 ? m_doc.drawdat.P2 : m_doc.drawdat.P1;
  const std::string caption = "Test Port " + std::to_string(number) + " Zo";
  const std::optional<std::string> text =
      m_host.editPortImpedance(caption, FormatEngineering(decimals, port.Zo) + "R");
  if (!text) return false;
  DrawingSnapshot before = CaptureSnapshot(m_doc);
  double zo = ParseValueText(*text);
  if (zo == 0) zo = 1e-6; // a zero reference impedance would short the port
  port.Zo = zo;
  commit(std::move(before));
  return true;
}

void SchematicEditor::editAt(TPoint s, TPoint raw)
{
  TDrawData& d = m_doc.drawdat;
  for (int i = 1; i <= d.components.count(); ++i) {
    const Tcomponent& c = d.components[i];
    if (c.ctype == ckGround || std::abs(c.position.x - s.x) > 10 ||
        std::abs(c.position.y - s.y) > 10)
      continue;
    DrawingSnapshot before = captureForComponent(m_doc, c);
    if (m_host.editComponent(i)) {
      ComputePinPositions(d.components[i]);
      commit(std::move(before));
    }
  }
  m_host.repaint();
  for (int number = 1; number <= 2; ++number) {
    const Tport& port = number == 1 ? d.P1 : d.P2;
    if (!isPlaced(port) || port.pos != s) continue;
    editPortImpedance(number, 2);
    m_host.repaint();
  }
  for (int i = 1; i <= d.texts.count(); ++i) {
    const Ttextitem& t = d.texts[i];
    const TextExtent e = m_host.textExtent(t.text, t.size);
    const bool inside = raw.x >= t.pos.x && raw.x <= t.pos.x + e.width && raw.y >= t.pos.y &&
                        raw.y <= t.pos.y + e.height;
    if (!inside) continue;
    const std::optional<TextItemEntry> entry = m_host.editText(TextItemEntry{t.text, t.size});
    if (!entry) continue;
    DrawingSnapshot before = CaptureSnapshot(m_doc);
    d.texts[i].text = entry->text.substr(0, kMaxTextLength);
    d.texts[i].size = entry->size.substr(0, kMaxTextSizeLength);
    commit(std::move(before));
    m_host.repaint();
  }
}

bool SchematicEditor::undo()
{
  if (!m_history.undo(m_doc)) return false;
  afterRestore();
  return true;
}

bool SchematicEditor::redo()
{
  if (!m_history.redo(m_doc)) return false;
  afterRestore();
  return true;
}

void SchematicEditor::afterRestore()
{
  TDrawData& d = m_doc.drawdat;
  RecomputeAllPins(d);
  DeselectAll(d);
  softSelectMode();
  m_keepSelection = false;
  m_dragBefore.reset();
  m_modified = true;
  m_host.stateChanged();
  m_host.repaint();
}

// ---- Overlay -----------------------------------------------------------------------------

EditorOverlay SchematicEditor::overlay() const
{
  EditorOverlay o;
  if ((isPlacingMode(m_mode) || isPortMode(m_mode)) && m_outline)
    o.outline = PlacementOutline{m_mode, m_orientation, *m_outline}; // emPort1/2 = ckPort1/2
  if ((m_mode == emWire || m_mode == emLine) && m_dragging)
    o.rubberLine = std::make_pair(m_chain != kNoPoint ? m_chain : m_p0, m_p1);
  if (m_mode == emBlockSelect && m_dragging) o.rubberBand = std::make_pair(m_p0, m_p1);
  o.frameSelectedTexts = m_moving;
  return o;
}

} // namespace norvane
