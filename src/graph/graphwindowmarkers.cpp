// The graph markers of the graph window: placing, moving and deleting them, drawing their
// signs over the graph and the rows of the marker table.
#include "graph/graphwindowcore.h"

#include "graph/markeredit.h"
#include "graph/plotdrawing.h"
#include "graph/rectgrid.h"

#include <algorithm>

namespace norvane {

int GraphWindowCore::selectedMarker() const
{
  return m_selectedMarker <= markers().count() ? m_selectedMarker : 0;
}

void GraphWindowCore::selectMarker(int number)
{
  const int wanted = number >= 1 && number <= markers().count() ? number : 0;
  if (wanted == selectedMarker()) return;
  m_selectedMarker = wanted;
  markersChanged();
}

int GraphWindowCore::markerPoint(int number) const
{
  if (number < 1 || number > markers().count()) return 0;
  return pointNearestFrequency(m_store, markers()[number].freq, m_logX);
}

bool GraphWindowCore::canAddMarker() const
{
  return m_store.count() > 0 && !markers().full();
}

int GraphWindowCore::addMarkerAtCursor()
{
  if (!canAddMarker()) return 0;
  const int number =
      addMarker(m_doc.graphMarkers, m_store.at(std::min(cursorPosition(), m_store.count())).freq);
  m_selectedMarker = number;
  markersChanged();
  return number;
}

int GraphWindowCore::addMarkerAtPixel(IntPoint pixel)
{
  const int point = pointAtPixel(pixel);
  if (point < 1 || !canAddMarker()) return 0;
  const int number = addMarker(m_doc.graphMarkers, m_store.at(point).freq);
  m_selectedMarker = number;
  markersChanged();
  return number;
}

int GraphWindowCore::markerAtPixel(IntPoint pixel) const
{
  if (!m_glyphsLive) return 0;
  // A little slack around the small signs; the sign drawn last lies on top.
  constexpr int kSlack = 2;
  for (auto it = m_liveGlyphs.rbegin(); it != m_liveGlyphs.rend(); ++it) {
    const IntRect box = markerGlyphBox(*it);
    if (pixel.x >= box.left - kSlack && pixel.x < box.right() + kSlack &&
        pixel.y >= box.top - kSlack && pixel.y < box.bottom() + kSlack)
      return it->number;
  }
  return 0;
}

void GraphWindowCore::moveMarkerToPixel(int number, IntPoint pixel)
{
  const int point = pointAtPixel(pixel);
  if (point < 1 || number < 1 || number > markers().count()) return;
  const double freq = m_store.at(point).freq;
  if (markers()[number].freq == freq) return;
  moveMarker(m_doc.graphMarkers, number, freq);
  markersChanged();
}

void GraphWindowCore::deleteSelectedMarker()
{
  const int number = selectedMarker();
  if (number == 0) return;
  deleteMarker(m_doc.graphMarkers, number);
  m_selectedMarker = 0;
  markersChanged();
}

void GraphWindowCore::clearMarkers()
{
  if (markers().empty()) return;
  m_doc.graphMarkers.clear();
  m_selectedMarker = 0;
  markersChanged();
}

void GraphWindowCore::markerToExtreme(int trace, Extreme extreme)
{
  const MarkedValue which = chartMode()  ? MarkedValue::ChartMagnitude
                            : trace == 2 ? MarkedValue::Trace2
                                         : MarkedValue::Trace1;
  const int point = extremePoint(m_store, which, extreme);
  if (point < 1) return;
  const double freq = m_store.at(point).freq;
  int number = selectedMarker();
  if (number == 0) {
    number = addMarker(m_doc.graphMarkers, freq);
    if (number == 0) return; // all eight in use and none selected
    m_selectedMarker = number;
  } else {
    moveMarker(m_doc.graphMarkers, number, freq);
  }
  markersChanged();
}

void GraphWindowCore::toggleReferenceOfSelected()
{
  if (selectedMarker() == 0) return;
  toggleReference(m_doc.graphMarkers, selectedMarker());
  markersChanged();
}

MarkerTable GraphWindowCore::markerTable() const
{
  MarkerTableContext view = markerTableContext(m_doc);
  view.chart = chartMode();
  view.logarithmic = m_logX;
  return norvane::markerTable(markers(), m_store, view);
}

std::vector<MarkerGlyph> GraphWindowCore::markerGlyphs(const Scaling& s, int scale, bool printing,
                                                       const IntRect* within) const
{
  std::vector<MarkerGlyph> glyphs;
  const bool rect = m_plotformat == plotformat::Rectangular;
  if (m_store.count() < 1 || (!rect && !chartMode())) return glyphs;
  const GraphColors c = colors();
  const int selected = printing ? 0 : selectedMarker();
  const auto add = [&](int number, CanvasPoint at, Color color) {
    if (within && (at.x < within->left || at.x > within->right() || at.y < within->top ||
                   at.y > within->bottom()))
      return;
    MarkerGlyph g;
    g.at = at;
    g.number = number;
    g.reference = markers()[number].reference;
    g.selected = number == selected;
    g.color = color;
    g.scale = scale;
    // Inverted signs on the same place would wipe each other out: a marker on the point of
    // another stands above it.
    g.lift = static_cast<int>(std::count_if(glyphs.begin(), glyphs.end(),
                                            [&](const MarkerGlyph& o) { return o.at == at; }));
    glyphs.push_back(g);
  };
  for (int i = 1; i <= markers().count(); ++i) {
    const PlotPoint& p = m_store.at(markerPoint(i));
    if (rect) {
      const CanvasPoint a = rectPointFree(s.area, s.x, s.y1, p.freq, p.trace1);
      const CanvasPoint b = rectPointFree(s.area, s.x, s.y2, p.freq, p.trace2);
      add(i, a, c.trace1);
      if (b != a) add(i, b, c.trace2); // one sign where both traces meet
    } else {
      add(i, s.chart.point(p.trace1, p.trace2), c.trace1);
    }
  }
  return glyphs;
}

void GraphWindowCore::drawGlyphs(Canvas& canvas, const std::vector<MarkerGlyph>& glyphs)
{
  for (const MarkerGlyph& g : glyphs)
    drawMarkerGlyph(canvas, g);
}

void GraphWindowCore::markersChanged()
{
  if (m_store.count() >= 1) {
    if (cursorRedrawsWholeGraph()) {
      m_host.repaintGraph();
    } else if (Canvas* canvas = m_host.liveCanvas(); canvas && m_live.valid && m_glyphsLive) {
      drawGlyphs(*canvas, m_liveGlyphs); // erases them
      m_liveGlyphs = markerGlyphs(m_live, 1, false);
      drawGlyphs(*canvas, m_liveGlyphs);
    }
  }
  m_host.refreshControls();
}

} // namespace norvane
