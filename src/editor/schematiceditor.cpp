#include "editor/schematiceditor.h"

#include "document/pins.h"
#include "document/placement.h"
#include "editor/editorhelpers.h"
#include "editor/hittest.h"
#include "editor/selectionedit.h"
#include "editor/wirejunctions.h"
#include "numbers/valuetext.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace norvane {

using namespace editordetail;

SchematicEditor::SchematicEditor(Schematic& doc, const Environment& env, EditorHost& host,
                                 Prompts& prompts)
    : m_doc(doc), m_env(env), m_host(host), m_prompts(prompts)
{
  m_lastPopup = makePopupMenu(PopupKind::Sheet, false);
}

std::optional<Point> SchematicEditor::chainPoint() const
{
  if (m_chain == kNoPoint) return std::nullopt;
  return m_chain;
}

// ---- Bookkeeping -------------------------------------------------------------------------

void SchematicEditor::markChanged()
{
  m_modified = true;
  m_host.stateChanged();
  m_host.documentChanged();
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
  if (snapshotMatches(m_doc, before)) return;
  m_history.push(std::move(before));
  markChanged();
}

void SchematicEditor::clearUndoHistory()
{
  m_history.clear();
  m_host.stateChanged();
}

void SchematicEditor::recordUndoPoint()
{
  m_history.push(captureSnapshot(m_doc));
  m_host.stateChanged();
}

TextMeasure SchematicEditor::textMeasure()
{
  return [this](const TextItem& t) { return m_host.textExtent(t.text, t.size); };
}

bool SchematicEditor::selectAt(Point p)
{
  recomputeAllPins(m_doc.drawdat);
  return selectAtPoint(m_doc.drawdat, p, textMeasure());
}

// ---- Mouse -------------------------------------------------------------------------------

void SchematicEditor::mousePress(MouseButton button, int x, int y)
{
  const Point raw{x, y};
  const Point snapped = snapToGrid(raw);
  if (button == MouseButton::Right) {
    rightPress(snapped, raw);
    return;
  }
  press(snapped, raw);
}

void SchematicEditor::press(Point s, Point raw)
{
  Drawing& d = m_doc.drawdat;
  if (!d.UnconnectedMarkers.empty()) {
    d.UnconnectedMarkers.clear();
    m_host.repaint();
  }
  // A press by itself changes nothing: the document is marked modified by the change a
  // drag, a placement or a dialog makes, not by the click.
  if (m_ignoreNextPress) {
    m_ignoreNextPress = false;
    return;
  }
  m_p0 = m_p1 = s;
  m_rawLast = raw;
  m_dragBefore.reset();
  if (m_mode == emBlockSelect) {
    deselectAll(d);
    m_host.repaint();
  }
  if (m_mode == emSelect) {
    m_dragBefore = captureSnapshot(m_doc);
    if (m_keepSelection) {
      m_keepSelection = false;
    } else {
      deselectAll(d);
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
  const Point raw{x, y};
  const Point s = snapToGrid(raw);
  m_rawLast = raw;
  bool changed = s != m_p1;
  if (m_dragging) {
    Drawing& d = m_doc.drawdat;
    if (isPlacingMode(m_mode) || isPortMode(m_mode)) {
      changed = changed || m_outline != s;
      m_outline = s;
    } else if (m_mode == emSelect) {
      if (!m_moving) {
        selectWireEndsOnSelectedPins(d);
        m_moving = true;
        changed = true;
      }
      const int dx = s.x - m_p1.x;
      const int dy = s.y - m_p1.y;
      if (dx != 0 || dy != 0) {
        if (m_dragBefore) {
          m_history.push(std::move(*m_dragBefore));
          m_dragBefore.reset();
          markChanged();
        }
        moveSelection(d, dx, dy);
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
  const Point raw{x, y};
  const Point r = snapToGrid(raw);
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
  deselectAll(m_doc.drawdat);
  const Point raw{x, y};
  m_p1 = snapToGrid(raw);
  m_rawLast = raw;
  editAt(m_p1, raw);
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
  o.tunedComponent = tunedComponent();
  return o;
}

} // namespace norvane
