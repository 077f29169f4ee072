#include "graph/graphwindowcore.h"

#include "document/measureranges.h"

#include "graph/chartgrid.h"
#include "graph/cursorpick.h"
#include "graph/goallines.h"
#include "graph/measuretraces.h"
#include "graph/plotdrawing.h"
#include "graph/polarsetup.h"
#include "graph/rectgrid.h"
#include "graph/rectlabels.h"
#include "graph/stabilityhatch.h"
#include "graph/stabilityverdict.h"
#include "graph/sweepsetup.h"
#include "graph/tracekinds.h"
#include "numbers/valuetext.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace norvane {

GraphWindowCore::GraphWindowCore(Schematic& doc, const Environment& env, GraphHost& host)
    : m_doc(doc), m_env(env), m_host(host)
{
  m_store.reset();
}

// ---- The run's display --------------------------------------------------------------------

void GraphWindowCore::beginRun(const RunLayout& layout)
{
  setSDataWarning(layout.sDataWarning);
  enableParameterButtons(layout.port1, layout.port2);
  SetSweepLimits(layout.sweepStart, layout.sweepStop);
  SetTrace1Limits(layout.trace1Min, layout.trace1Max);
  SetTrace2Limits(layout.trace2Min, layout.trace2Max);
  showGraphWindow();
  if (layout.newPlot) BeginPlot(layout.plotformat, layout.freqmode);
  if (layout.listRows > 0) beginDataList(layout.listRows);
}

void GraphWindowCore::endRun(bool list, bool cursor)
{
  if (list) endDataList();
  // The segments drawn while sweeping used the first group delays; the picture is drawn
  // again from the revised points (which also draws the cursor). A MAG/MSG legend, drawn
  // with the first point, is known only now that every point is in, and so are the colours
  // of the goals' limit lines.
  const bool gainLegend =
      m_plotformat == plotformat::Rectangular &&
      (m_doc.Y1ax.tracetype == tracetype::MaxGain || m_doc.Y2ax.tracetype == tracetype::MaxGain);
  const bool goalLines = m_plotformat == plotformat::Rectangular && !m_doc.goals.empty();
  if (cursor && (m_pointsRevised || gainLegend || goalLines)) m_host.repaintGraph();
  m_pointsRevised = false;
  if (cursor) DrawCursor();
}

void GraphWindowCore::showGraphWindow()
{
  m_host.showWindow();
}

void GraphWindowCore::enableParameterButtons(bool port1, bool port2)
{
  m_port1 = port1;
  m_port2 = port2;
  m_host.refreshControls();
}

void GraphWindowCore::setSDataWarning(bool on)
{
  m_sDataWarning = on;
  m_host.refreshControls();
}

void GraphWindowCore::turnOffStabilityCircles()
{
  m_circlesOn = false;
  m_host.refreshControls();
}

void GraphWindowCore::SetSweepLimits(double start, double stop)
{
  m_xMin = start;
  m_xMax = stop;
  m_host.refreshControls();
}

void GraphWindowCore::SetTrace1Limits(double min, double max)
{
  m_y1Min = min;
  m_y1Max = max;
}

void GraphWindowCore::SetTrace2Limits(double min, double max)
{
  m_y2Min = min;
  m_y2Max = max;
}

void GraphWindowCore::BeginPlot(PlotFormat plotformat, int freqmode)
{
  // The runs of a finished multi-sweep survive exactly one more plot: the nominal one that
  // is drawn over them.
  if (m_runsKeptForNextPlot)
    m_runsKeptForNextPlot = false;
  else if (!m_multiSweepRun)
    m_runsShown = false;
  m_plotformat = plotformat;
  m_logX = freqmode == freqmode::Logarithmic;
  m_store.reset();
  m_measures.clear();
  m_swept.clear();
  m_pointsRevised = false;
  m_host.refreshControls();
}

void GraphWindowCore::AddPoint(const PlotPoint& point)
{
  if (!m_store.add(point)) return;
  const int n = m_store.count();
  m_measures.resize(static_cast<std::size_t>(n));
  m_measures.back() = std::exchange(m_pendingMeasures, TwoPortMeasures{});
  m_swept.resize(static_cast<std::size_t>(n));
  m_swept.back() = std::exchange(m_pendingSwept, SweepPoint{});
  if (n == 1) {
    // The first point of a plot clears the old picture (not between multi-sweep runs,
    // which accumulate on the screen).
    if (!m_multiSweepRun) m_host.repaintGraph();
    return;
  }
  drawSegment(m_store.at(n - 1), m_store.at(n));
}

void GraphWindowCore::reviseLastPoint(const PlotPoint& point)
{
  m_store.replaceLast(point);
  m_pointsRevised = true;
}

void GraphWindowCore::drawSegment(const PlotPoint& from, const PlotPoint& to)
{
  Canvas* canvas = m_host.liveCanvas();
  if (!canvas || !m_live.valid) return;
  const GraphColors c = colors();
  const Scaling& s = m_live;
  canvas->setPen({c.trace1, 1, PenStyle::Solid, PenMode::Copy});
  // Smooth like the traces of a full redraw, so the picture does not change when it is
  // repainted after the sweep.
  canvas->setSmoothing(true);
  if (m_plotformat == plotformat::Rectangular) {
    const CanvasPoint a1 = rectPointFree(s.area, s.x, s.y1, from.freq, from.trace1);
    const CanvasPoint b1 = rectPointFree(s.area, s.x, s.y1, to.freq, to.trace1);
    canvas->moveTo(a1.x, a1.y);
    canvas->lineTo(b1.x, b1.y);
    const CanvasPoint a2 = rectPointFree(s.area, s.x, s.y2, from.freq, from.trace2);
    const CanvasPoint b2 = rectPointFree(s.area, s.x, s.y2, to.freq, to.trace2);
    canvas->setPenColor(c.trace2);
    canvas->moveTo(a2.x, a2.y);
    canvas->lineTo(b2.x, b2.y);
  } else if (plotformat::isChart(m_plotformat)) {
    const CanvasPoint a = s.chart.point(from.trace1, from.trace2);
    const CanvasPoint b = s.chart.point(to.trace1, to.trace2);
    canvas->moveTo(a.x, a.y);
    canvas->lineTo(b.x, b.y);
  }
  canvas->setSmoothing(false);
}

void GraphWindowCore::DrawCursor()
{
  if (m_multiSweepRun) return;
  Canvas* canvas = m_host.liveCanvas();
  const int pos = cursorPosition();
  if (canvas && m_live.valid && m_store.count() >= 1 && m_liveMarkers.empty())
    m_liveMarkers = drawMarkers(*canvas, m_live, pos, 2, drawsStabilityCircle());
  // The graph markers stand on the points of the finished sweep.
  if (canvas && m_live.valid && m_store.count() >= 1 && !m_glyphsLive) {
    m_liveGlyphs = markerGlyphs(m_live, 1, false);
    drawGlyphs(*canvas, m_liveGlyphs);
    m_glyphsLive = true;
  }
  updateReadouts(pos, 1);
  cursorChanged(pos);
}

void GraphWindowCore::beginDataList(int rows)
{
  // The grid keeps what its surviving rows held, as a resized table does.
  m_list.resize(static_cast<size_t>(std::clamp(rows - 1, 0, PlotStore::kCapacity)));
}

void GraphWindowCore::dataListRow(int row, const SweepPoint& point)
{
  if (row < 1 || row > static_cast<int>(m_list.size())) return;
  m_list[static_cast<size_t>(row - 1)] = formatDataListRow(point);
}

void GraphWindowCore::endDataList()
{
  m_host.refreshControls();
}

// ---- Drawing ------------------------------------------------------------------------------

GraphWindowCore::Scaling GraphWindowCore::scalingFor(const IntRect& area) const
{
  Scaling s;
  s.valid = true;
  s.area = m_plotformat == plotformat::Rectangular ? readableRectArea(area) : area;
  s.x = FrequencyAxis::make(m_xMin, m_xMax, m_logX, s.area.width);
  s.y1 = ValueAxis::make(m_y1Min, m_y1Max, s.area.height);
  s.y2 = ValueAxis::make(m_y2Min, m_y2Max, s.area.height);
  s.chart = ChartGeometry::make(area, chartMagnitude());
  return s;
}

double GraphWindowCore::chartMagnitude() const
{
  return polarMagnitude(m_doc, m_doc.polarmeaswhat);
}

RectLabelling GraphWindowCore::rectLabelling() const
{
  return {traceAxisUnit(m_doc.Y1ax.tracetype), traceAxisUnit(m_doc.Y2ax.tracetype),
          traceLegend(m_doc.Y1ax), traceLegend(m_doc.Y2ax)};
}

bool GraphWindowCore::wantsMeasures() const
{
  return m_circlesOn || m_noiseCirclesOn || isMeasureTraceType(m_doc.Y1ax.tracetype) ||
         isMeasureTraceType(m_doc.Y2ax.tracetype);
}

const TwoPortMeasures* GraphWindowCore::measuresAt(int position) const
{
  const int n = std::min(m_store.count(), static_cast<int>(m_measures.size()));
  if (n < 1) return nullptr;
  return &m_measures[static_cast<std::size_t>(std::clamp(position, 1, n) - 1)];
}

std::string GraphWindowCore::traceLegend(const TraceAxis& axis) const
{
  std::string legend = traceLegendText(axis);
  if (axis.tracetype == tracetype::MaxGain) {
    // MAG where K >= 1 over the whole sweep, MSG where K < 1 throughout; otherwise the
    // legend stays "MAG/MSG" and the read-out at the cursor says which one holds there.
    int mag = 0, msg = 0;
    for (const TwoPortMeasures& m : m_measures)
      if (m.gainDb) ++(m.gainIsMsg ? msg : mag);
    if (mag > 0 && msg == 0) legend = "MAG";
    if (msg > 0 && mag == 0) legend = "MSG";
  }
  return legend + missingPortNotice(axis, m_port1, m_port2);
}

std::string GraphWindowCore::traceReadout(const TraceAxis& axis, double value, int position,
                                          int digits) const
{
  std::string text = traceValueText(axis.tracetype, value, digits);
  if (axis.tracetype == tracetype::MaxGain) {
    const TwoPortMeasures* m = measuresAt(position);
    if (m && m->gainDb) text = (m->gainIsMsg ? "MSG " : "MAG ") + text;
  }
  return text;
}

void GraphWindowCore::addStabilityReadouts(GraphReadouts& r, int position, int digits) const
{
  const int n = std::min(m_store.count(), static_cast<int>(m_measures.size()));
  std::vector<double> freqs;
  freqs.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i)
    freqs.push_back(m_store.at(i).freq);
  const std::vector<FrequencyRange> ranges = potentiallyUnstableRanges(freqs, m_measures);
  r.stabilityVerdict = stabilityVerdictText(ranges);
  // The side panel is narrow: the verdict and each range take two short lines.
  if (ranges.empty()) {
    r.stabilityLines = {"unconditionally", "stable"};
  } else {
    r.stabilityLines = {"Potentially", "unstable:"};
    for (const FrequencyRange& range : ranges) {
      if (range.to == range.from) {
        r.stabilityLines.push_back(rangeFrequencyText(range.from));
      } else {
        r.stabilityLines.push_back(rangeFrequencyText(range.from) + " -");
        r.stabilityLines.push_back(rangeFrequencyText(range.to));
      }
    }
  }
  if (const TwoPortMeasures* m = measuresAt(position)) {
    const CursorFigureTexts t =
        cursorFigureTexts(*m, m_doc.polarmeaswhat == measwhat::S22 ? 2 : 1, digits);
    for (const std::string& line : {t.k, t.mu, t.gain})
      r.stabilityLines.push_back(line);
  }
}

void GraphWindowCore::DrawGraph(Canvas& canvas, int left, int top, int width, int height,
                                bool printing)
{
  const IntRect area{left, top, width, height};
  const int penWidth = graphPenWidth(printing, area);
  const Scaling s = scalingFor(area);
  const GraphColors c = colors();
  const MultiSweepRuns* runs = m_runsShown ? &m_runs : nullptr;
  if (m_plotformat == plotformat::Rectangular) {
    const IntRect& plot = s.area;
    if (!(plot == area)) {
      canvas.setPen({c.majorAxis, penWidth, PenStyle::Solid, PenMode::Copy});
      canvas.setBrushStyle(BrushStyle::Clear);
      canvas.rectangle(plot.left - 1, plot.top - 1, plot.right() + 2, plot.bottom() + 2);
    }
    const RectLabelling labelling = rectLabelling();
    const RectTicks& ticks = m_ticks.get(plot, s.x, s.y1, s.y2, labelling.unit1, labelling.unit2);
    // The labels go between the grid and the traces: the grid does not run through their
    // text, and a trace is never hidden behind a label.
    drawRectGrid(canvas, plot, s.x, s.y1, ticks, c, penWidth);
    drawRectLabels(canvas, plot, s.x, s.y1, s.y2, ticks, labelling, c);
    // The goals' limit lines lie under the traces: where a trace runs along its limit, the
    // trace stays visible.
    drawGoalLines(canvas, plot, s.x, s.y1, s.y2, m_doc, m_store, penWidth);
    drawRectTraces(canvas, plot, s.x, s.y1, s.y2, m_store, runs, c, penWidth);
  } else if (plotformat::isChart(m_plotformat)) {
    // The circles and arcs of the chart read as circles only when smoothed.
    canvas.setSmoothing(true);
    drawChartGrid(canvas, area, s.chart, chartKindOf(m_plotformat), c, penWidth);
    canvas.setSmoothing(false);
    drawChartTrace(canvas, s.chart, m_store, runs, c, penWidth);
  }
}

void GraphWindowCore::DrawCursor(Canvas& canvas, int markerSize, int left, int top, int width,
                                 int height)
{
  if (m_store.count() < 1) return;
  const int pos = cursorPosition();
  // A page has no window edge to hide a marker whose value lies beyond the axis limits: such
  // a marker is left out instead of standing beside the graph box.
  const IntRect box{left, top, width, height};
  const Scaling s = scalingFor(box);
  drawGlyphs(canvas, markerGlyphs(s, std::max(1, markerSize / 2), true, &box));
  drawNoiseCircles(canvas, s, pos, graphPenWidth(markerSize > 2, box));
  drawMarkers(canvas, s, pos, markerSize, drawsStabilityCircle(), &box);
  updateReadouts(pos, 1);
}

void GraphWindowCore::paint(Canvas& canvas, const IntRect& area)
{
  canvas.setBrush({m_env.graphbackgroundcolor, BrushStyle::Solid});
  canvas.fillRect(area.left, area.top, area.right(), area.bottom());
  DrawGraph(canvas, area.left, area.top, area.width, area.height);
  m_live = scalingFor(area);
  m_liveMarkers.clear();
  m_liveGlyphs.clear();
  m_glyphsLive = false;
  if (m_store.count() > 1) {
    m_liveGlyphs = markerGlyphs(m_live, 1, false);
    drawGlyphs(canvas, m_liveGlyphs);
    m_glyphsLive = true;
    const int pos = cursorPosition();
    drawNoiseCircles(canvas, m_live, pos, 1);
    m_liveMarkers = drawMarkers(canvas, m_live, pos, 2, drawsStabilityCircle());
    updateReadouts(pos, 1);
  }
}

std::vector<CanvasPoint> GraphWindowCore::drawMarkers(Canvas& canvas, const Scaling& s,
                                                      int position, int markerSize, bool withCircle,
                                                      const IntRect* within)
{
  std::vector<CanvasPoint> drawn;
  const int n = m_store.count();
  if (n < 1) return drawn;
  const PlotPoint& p = m_store.at(std::min(position, n));
  if (m_plotformat == plotformat::Rectangular) {
    const CanvasPoint a = rectPointFree(s.area, s.x, s.y1, p.freq, p.trace1);
    const CanvasPoint b = rectPointFree(s.area, s.x, s.y2, p.freq, p.trace2);
    drawn.push_back(a);
    // Both markers are inverting: a second one on the same pixels would wipe out the first.
    if (b.y != a.y) drawn.push_back(b);
  } else if (plotformat::isChart(m_plotformat)) {
    if (withCircle) {
      drawStabilityCircle(canvas, s.area, s.chart,
                          {p.circleCentreRe, p.circleCentreIm, p.circleRadius, p.stability},
                          colors().trace1);
    }
    drawn.push_back(s.chart.point(p.trace1, p.trace2));
  }
  if (within != nullptr) {
    std::erase_if(drawn, [within](const CanvasPoint& at) {
      return at.x < within->left || at.x > within->right() || at.y < within->top ||
             at.y > within->bottom();
    });
  }
  for (const CanvasPoint& at : drawn)
    drawCursorMarker(canvas, at, markerSize);
  return drawn;
}

// ---- Cursor -------------------------------------------------------------------------------

int GraphWindowCore::cursorMaximum() const
{
  return std::clamp(m_doc.Xax.numpoints + 1, 1, PlotStore::kCapacity);
}

int GraphWindowCore::clampedCursor(int position) const
{
  return std::clamp(position, 1, cursorMaximum());
}

int GraphWindowCore::cursorPosition() const
{
  return clampedCursor(m_cursor);
}

int GraphWindowCore::pointAtPixel(IntPoint pixel) const
{
  if (!m_live.valid || m_store.count() < 1) return 0;
  if (m_plotformat == plotformat::Rectangular)
    return nearestPointByFrequency(m_store, m_live.x, m_live.area, pixel.x);
  if (chartMode()) return nearestPointOnChart(m_store, m_live.chart, pixel);
  return 0;
}

bool GraphWindowCore::chartMode() const
{
  return plotformat::isChart(m_plotformat);
}

bool GraphWindowCore::reflectionChart() const
{
  return m_doc.polarmeaswhat == measwhat::S11 || m_doc.polarmeaswhat == measwhat::S22;
}

bool GraphWindowCore::cursorRedrawsWholeGraph() const
{
  // The noise circles belong to the cursor's frequency: a cursor move draws them anew.
  return chartMode() && ((m_circlesOn && reflectionChart()) || m_noiseCirclesOn);
}

bool GraphWindowCore::drawsStabilityCircle() const
{
  return cursorRedrawsWholeGraph() && !m_multiSweepRun;
}

void GraphWindowCore::cursorChanged(int position)
{
  const int pos = clampedCursor(position);
  m_cursor = pos;
  if (m_store.count() >= 1) {
    if (cursorRedrawsWholeGraph()) {
      m_host.repaintGraph();
    } else if (Canvas* canvas = m_host.liveCanvas(); canvas && m_live.valid) {
      for (const CanvasPoint& at : m_liveMarkers)
        drawCursorMarker(*canvas, at, 2);
      m_liveMarkers = drawMarkers(*canvas, m_live, pos, 2, false);
    }
    updateReadouts(pos, 2);
  }
  m_host.refreshControls();
}

void GraphWindowCore::updateReadouts(int position, int digits)
{
  const int n = m_store.count();
  if (n < 1) return;
  const PlotPoint& p = m_store.at(std::min(position, n));
  const GraphColors c = colors();
  GraphReadouts r;
  if (chartMode()) {
    const ChartCursorTexts t = chartCursorTexts(p.freq, p.trace1, p.trace2, digits);
    r.frequency = t.frequency;
    r.value1 = t.magnitude;
    r.value2 = t.angle;
    r.mark2Color = c.trace1;
    const MeasuredParameter which = m_doc.polarmeaswhat;
    const Port& p1 = m_doc.drawdat.P1;
    const Port& p2 = m_doc.drawdat.P2;
    if (reflectionChart()) {
      const double zo = which == measwhat::S11 ? p1.Zo : p2.Zo;
      r.chartZoVisible = true;
      r.chartZo = chartZoText(zo);
      r.impedanceVisible = true;
      r.impedance = impedancePanels(p.trace1, p.trace2, zo, p.freq, digits);
      if (r.impedance.admittanceFailed) m_host.beep();
      r.legendVisible = m_circlesOn;
      r.legendPort = which == measwhat::S11 ? "Port 1" : "Port 2";
      if (m_circlesOn) addStabilityReadouts(r, position, digits);
    } else {
      r.gainVisible = true;
      r.gain = gainPanels(p.trace1, p.trace2, which == measwhat::S21, p1.Zo, p2.Zo, digits);
    }
    addNoiseReadouts(r, position, digits);
  } else {
    r.frequency = "f=" + formatEngineering(3, p.freq) + "Hz";
    r.value1 = traceReadout(m_doc.Y1ax, p.trace1, position, digits);
    r.value2 = traceReadout(m_doc.Y2ax, p.trace2, position, digits);
    r.mark2Color = c.trace2;
  }
  m_readouts = r;
}

// ---- Controls -----------------------------------------------------------------------------

GraphPanelState GraphWindowCore::panelState() const
{
  GraphPanelState s;
  const PlotFormat pf = m_doc.plotformat;
  s.view = pf == plotformat::DataList ? GraphView::List
           : plotformat::isChart(pf)  ? GraphView::Chart
                                      : GraphView::Rectangular;
  s.caption = "Norvane - " + m_env.filename;
  switch (pf) {
  case plotformat::SmithZ:
  case plotformat::SmithY:
  case plotformat::SmithZY:
    s.graphTypeButton = GraphTypeButton::Smith;
    break;
  case plotformat::Polar:
    s.graphTypeButton = GraphTypeButton::Polar;
    break;
  case plotformat::DataList:
    s.graphTypeButton = GraphTypeButton::DataList;
    break;
  default:
    s.graphTypeButton = GraphTypeButton::SquareGrid;
  }
  s.logSweep = m_doc.Xax.freqmode == freqmode::Logarithmic;
  s.circlesOn = m_circlesOn;
  s.trace2LimitsEnabled = s.view == GraphView::Rectangular;
  s.parameterEnabled = {m_port1, m_port1 && m_port2, m_port1 && m_port2, m_port2};
  s.leftChecked = s.view == GraphView::Chart ? m_doc.polarmeaswhat : m_doc.Y1ax.measwhat;
  s.rightChecked = m_doc.Y2ax.measwhat;
  s.trace1ListIndex = traceTypeListIndex(m_doc.Y1ax.tracetype);
  s.trace2ListIndex = traceTypeListIndex(m_doc.Y2ax.tracetype);
  s.trace1Max = m_doc.Y1ax.max;
  s.trace1Min = m_doc.Y1ax.min;
  s.trace2Max = m_doc.Y2ax.max;
  s.trace2Min = m_doc.Y2ax.min;
  s.trace1Unit = traceUnitText(m_doc.Y1ax.tracetype);
  s.trace2Unit = traceUnitText(m_doc.Y2ax.tracetype);
  s.chartMagnitude = chartMagnitude();
  s.start = m_xMin;
  s.stop = m_xMax;
  s.points = m_doc.Xax.numpoints + 1;
  s.sDataWarning = m_sDataWarning;
  return s;
}

void GraphWindowCore::resimulate()
{
  m_host.simulate();
}

void GraphWindowCore::setGraphType(PlotFormat plotformat)
{
  m_doc.plotformat = plotformat;
  resimulate();
}

void GraphWindowCore::setFreqMode(int mode)
{
  m_doc.Xax.freqmode = mode;
  resimulate();
}

void GraphWindowCore::traceTypeChosen(int trace, int listIndex)
{
  if (m_painting) return;
  changeTraceType(m_doc, trace, traceTypeOfListIndex(listIndex));
  resimulate();
  m_host.focusCursorScrollBar();
}

void GraphWindowCore::graphLimitSetupMenu()
{
  traceTypeChosen(1, traceTypeListIndex(m_doc.Y1ax.tracetype));
}

void GraphWindowCore::parameterChosen(int side, MeasuredParameter which)
{
  if (m_painting) return;
  if (plotformat::isChart(m_doc.plotformat)) {
    m_doc.polarmeaswhat = which;
    m_doc.plotformat = plotformat::SmithZ;
  } else {
    traceAxis(m_doc, side).measwhat = which;
  }
  resimulate();
}

void GraphWindowCore::valueFieldLeft(ValueField field, double value)
{
  if (m_painting) return;
  if (plotformat::isChart(m_doc.plotformat)) {
    if (field != ValueField::Trace1Max) return;
    polarMagnitude(m_doc, m_doc.polarmeaswhat) = value;
  } else {
    switch (field) {
    case ValueField::Trace1Max:
      storeTraceMax(m_doc, 1, value);
      break;
    case ValueField::Trace1Min:
      storeTraceMin(m_doc, 1, value);
      break;
    case ValueField::Trace2Max:
      storeTraceMax(m_doc, 2, value);
      break;
    case ValueField::Trace2Min:
      storeTraceMin(m_doc, 2, value);
      break;
    }
  }
  resimulate();
}

void GraphWindowCore::startFieldLeft(double hz)
{
  if (m_painting) return;
  m_doc.Xax.min = hz;
  resimulate();
}

void GraphWindowCore::stopFieldLeft(double hz)
{
  if (m_painting) return;
  m_doc.Xax.max = hz;
  resimulate();
}

void GraphWindowCore::pointsFieldLeft(double points)
{
  if (m_painting) return;
  m_doc.Xax.numpoints = sweepIntervalsFromPoints(points);
  resimulate();
}

namespace {
// Noise circles green, available-gain circles cyan (dotted): apart from the trace colours.
constexpr Color kNoiseCircleColor = 0x00C000;
constexpr Color kGainCircleColor = 0xC0C000;
} // namespace

void GraphWindowCore::setNoiseCircles(bool on)
{
  m_noiseCirclesOn = on;
  m_host.refreshControls();
  resimulate();
}

std::optional<NoiseCircleSet> GraphWindowCore::noiseCirclesAtCursor() const
{
  const int n = std::min(m_store.count(), static_cast<int>(m_swept.size()));
  if (!m_noiseCirclesOn || !chartMode() || n < 1) return std::nullopt;
  const SweepPoint& point = m_swept[static_cast<std::size_t>(std::min(cursorPosition(), n) - 1)];
  return noiseCirclesAt(point, m_doc.drawdat.P1.Zo);
}

void GraphWindowCore::drawNoiseCircles(Canvas& canvas, const Scaling& s, int position,
                                       int penWidth) const
{
  (void)position; // the cursor's point, as noiseCirclesAtCursor takes it
  if (m_multiSweepRun) return;
  const std::optional<NoiseCircleSet> set = noiseCirclesAtCursor();
  if (!set) return;
  const auto draw = [&](const SourceCircle& c) {
    const CanvasPoint centre = s.chart.point(c.centre.re, c.centre.im);
    const double r = c.radius * s.chart.u;
    // A circle far larger than the chart says nothing there; its box could overflow.
    if (!(r < 16000.0)) return;
    const int ri = static_cast<int>(std::lround(r));
    canvas.ellipse(centre.x - ri, centre.y - ri, centre.x + ri + 1, centre.y + ri + 1);
  };
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.setSmoothing(true);
  canvas.setPen({kNoiseCircleColor, penWidth, PenStyle::Solid, PenMode::Copy});
  for (const SourceCircle& c : set->noise)
    draw(c);
  canvas.setPen({kGainCircleColor, penWidth, PenStyle::Dot, PenMode::Copy});
  for (const SourceCircle& c : set->gain)
    draw(c);
  // Gamma-opt itself: a small cross.
  const CanvasPoint g = s.chart.point(set->gammaOpt.re, set->gammaOpt.im);
  canvas.setPen({kNoiseCircleColor, penWidth, PenStyle::Solid, PenMode::Copy});
  canvas.moveTo(g.x - 4, g.y);
  canvas.lineTo(g.x + 5, g.y);
  canvas.moveTo(g.x, g.y - 4);
  canvas.lineTo(g.x, g.y + 5);
  canvas.setSmoothing(false);
}

void GraphWindowCore::addNoiseReadouts(GraphReadouts& r, int position, int digits) const
{
  (void)position;
  if (!m_noiseCirclesOn) return;
  r.noiseVisible = true;
  const std::optional<NoiseCircleSet> set = noiseCirclesAtCursor();
  if (!set) {
    r.noiseLines = {"no noise", "figures here"};
    return;
  }
  const Complex g = set->gammaOpt;
  r.noiseLines.push_back("NFmin=" + formatLevel(set->nfminDb, digits) + "dB");
  r.noiseLines.push_back("Gopt=" + formatLevel(complexAbs(g), digits + 1));
  r.noiseLines.push_back(" " + formatLevel(complexPhaseDeg(g), digits - 1 < 0 ? 0 : digits - 1) +
                         "Deg");
  r.noiseLines.push_back("Rn=" + formatEngineering(digits + 1, set->rnOhm) + "R");
  for (const SourceCircle& c : set->noise)
    r.noiseLines.push_back("NF " + formatLevel(c.valueDb, digits) + "dB");
  for (const SourceCircle& c : set->gain)
    r.noiseLines.push_back("GA " + formatLevel(c.valueDb, digits) + "dB");
}

void GraphWindowCore::setStabilityCircles(bool on)
{
  m_circlesOn = on;
  m_host.refreshControls();
  resimulate();
}

// ---- Multi-sweep ---------------------------------------------------------------------------

void GraphWindowCore::beginMultiSweep(int runs)
{
  m_runs.size(m_doc.Xax.numpoints + 2, std::clamp(runs, 0, 100000) + 2);
  m_runsShown = false;
  m_runsKeptForNextPlot = false;
}

void GraphWindowCore::captureMultiSweepRun(int run)
{
  m_runs.capture(run, m_store);
}

void GraphWindowCore::endMultiSweep()
{
  m_multiSweepRun = false;
  m_runsShown = true;
  m_runsKeptForNextPlot = true;
}

// ---- Document exchange ---------------------------------------------------------------------

void GraphWindowCore::copyToDocument()
{
  m_doc.cursorpos = m_cursor;
  m_doc.circleson = m_circlesOn;
}

void GraphWindowCore::takeFromDocument()
{
  m_cursor = std::max(1, m_doc.cursorpos);
  m_circlesOn = m_doc.circleson;
  m_selectedMarker = 0; // another document's markers
  m_host.refreshControls();
}

} // namespace norvane
