// Mouse releases of the schematic editor: what each mode does when the button comes up.
#include "editor/schematiceditor.h"

#include "document/pins.h"
#include "document/placement.h"
#include "editor/editorhelpers.h"
#include "editor/hittest.h"
#include "editor/selectionedit.h"
#include "editor/tunedvalue.h"
#include "editor/wirejunctions.h"
#include "numbers/valuetext.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace norvane {

using namespace editordetail;

// ---- Releases ----------------------------------------------------------------------------

void SchematicEditor::releaseWire(Point r)
{
  Drawing& d = m_doc.drawdat;
  if (d.wires.full()) {
    m_prompts.error(capacityMessage(kMaxWires, " shorts"));
    m_host.repaint();
    return;
  }
  const bool chained = m_chain != kNoPoint;
  const Point start = chained ? m_chain : m_p0;
  if (r == start) {
    // A click without movement: the next click or drag draws from here.
    m_chain = r;
    press(r, r);
    return;
  }
  DrawingSnapshot before = captureSnapshot(m_doc);
  recomputeAllPins(d);
  d.wires.append(Wire{false, false, start, r});
  splitWiresAtWireEnds(d, d.wires.count());
  splitWiresAtAllPins(d);
  removeDuplicateWires(d);
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

void SchematicEditor::releasePlacing(Point r)
{
  Drawing& d = m_doc.drawdat;
  const ComponentType kind = placedKind(m_mode);
  for (const Component& c : d.components)
    if (c.position == r) return; // placing on top of another component is ignored
  if (d.components.full()) {
    m_prompts.error(capacityMessage(kMaxComponents, " components"));
    m_host.repaint();
    finishPlacement();
    return;
  }
  deselectAll(d);
  m_outline.reset();
  // A new block's dialog may load a file into the data set it receives: keep that set.
  std::vector<int> two, one;
  if (dataBlockOf(kind) == DataBlock::TwoPort) two.push_back(nextBlockIndex(m_doc, kind));
  if (dataBlockOf(kind) == DataBlock::OnePort) one.push_back(nextBlockIndex(m_doc, kind));
  DrawingSnapshot before = captureSnapshot(m_doc, two, one);

  const PlacementResult placed = placeComponent(m_doc, kind, m_orientation, r);
  if (!placed.placed()) {
    if (!placed.message.empty()) m_prompts.error(placed.message);
    m_host.repaint();
    finishPlacement();
    return;
  }
  m_host.repaint();
  if (componentKind(kind).hasProperties() && !m_host.editComponent(placed.index)) {
    d.components.removeLast();
    m_host.repaint();
    finishPlacement();
    return;
  }
  recomputeAllPins(d);
  splitWiresAtComponentPins(d, d.components[placed.index]);
  addPinJunctions(d, placed.index);
  commit(std::move(before));
  m_host.repaint();
  finishPlacement();
}

void SchematicEditor::releaseLine(Point r)
{
  Drawing& d = m_doc.drawdat;
  if (d.lines.full()) {
    m_prompts.error(capacityMessage(kMaxLines, " lines"));
  } else {
    DrawingSnapshot before = captureSnapshot(m_doc);
    d.lines.append(DrawingLine{1, false, m_p0, r});
    commit(std::move(before));
  }
  m_host.repaint();
  if (!m_env.rememberlastcomp) enterSelectMode();
}

void SchematicEditor::releaseText(Point raw)
{
  Drawing& d = m_doc.drawdat;
  if (d.texts.full()) {
    m_prompts.information("Maximum number of text items reached");
  } else if (auto entry = m_host.editText(TextItemEntry{"", "8"})) {
    DrawingSnapshot before = captureSnapshot(m_doc);
    d.texts.append(TextItem{raw, entry->size.substr(0, kMaxTextSizeLength), false,
                            entry->text.substr(0, kMaxTextLength)});
    commit(std::move(before));
  }
  enterSelectMode();
}

void SchematicEditor::releasePort(Point r)
{
  const int number = m_mode == emPort2 ? 2 : 1;
  Port& port = number == 2 ? m_doc.drawdat.P2 : m_doc.drawdat.P1;
  DrawingSnapshot before = captureSnapshot(m_doc);
  port.pos = r;
  port.crot = m_orientation;
  port.node = portConnectionPoint(number, port);
  commit(std::move(before));
  enterSelectMode();
}

void SchematicEditor::releaseSelect(Point r)
{
  Drawing& d = m_doc.drawdat;
  recomputeAllPins(d);
  const int wiresBefore = d.wires.count();
  for (int i = 1; i <= wiresBefore; ++i)
    if (d.wires[i].startselected || d.wires[i].finishselected) splitWiresAtWireEnds(d, i);
  splitWiresAtAllPins(d);
  for (int c = 1; c <= d.components.count(); ++c) {
    if (!d.components[c].selected) continue;
    computePinPositions(d.components[c]);
    splitWiresAtComponentPins(d, d.components[c]);
    addPinJunctions(d, c);
  }
  deselectAll(d);
  m_moving = false;
  if (r == m_p0) selectAt(r);
  m_host.repaint();
  removeDuplicateWires(d);
  // A click without a drag normally changes nothing but the selection; only when the wire
  // tidying above changed the drawing (a file with overlapping wires) is that a change.
  if (m_dragBefore && !sameDrawingApartFromSelection(m_doc, *m_dragBefore)) {
    m_history.push(std::move(*m_dragBefore));
    m_dragBefore.reset();
    markChanged();
  }
}

void SchematicEditor::releaseBlockSelect(Point r)
{
  if (selectInRect(m_doc.drawdat, m_p0, r)) m_keepSelection = true;
  m_mode = emSelect;
  m_host.setCursor(EditorCursor::Arrow);
  m_host.repaint();
}

void SchematicEditor::releaseTune(Point r)
{
  Drawing& d = m_doc.drawdat;
  deselectAll(d);
  m_dragging = false;
  // A new choice of component starts a new undo step for its tuning.
  m_tuned = 0;
  m_tuneUndoFor = 0;
  bool hit = false;
  for (int i = 1; i <= d.components.count(); ++i) {
    const Component& c = d.components[i];
    if (isGround(c) || std::abs(c.position.x - r.x) > 10 || std::abs(c.position.y - r.y) > 10)
      continue;
    hit = true;
    d.components[i].selected = true;
    if (tunedValueSlot(c.ctype) != 0) m_tuned = i;
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
    const Port& port = number == 1 ? d.P1 : d.P2;
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

} // namespace norvane
