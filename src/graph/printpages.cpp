#include "graph/printpages.h"

#include "graph/tracekinds.h"
#include "numbers/valuetext.h"

#include <algorithm>

namespace norvane {

std::string parameterName(MeasuredParameter measwhat)
{
  switch (measwhat) {
  case MeasuredParameter::S21:
    return "S21";
  case MeasuredParameter::S12:
    return "S12";
  case MeasuredParameter::S22:
    return "S22";
  default:
    return "S11";
  }
}

GraphPageTexts graphPageTexts(const GraphPanelState& s, const GraphReadouts& readouts)
{
  GraphPageTexts t;
  t.chart = s.view == GraphView::Chart;
  const auto field = [](double v, const std::string& unit) {
    return formatEngineering(kValueFieldDecimals, v) + unit;
  };
  t.trace1Max = t.chart ? field(s.chartMagnitude, "") : field(s.trace1Max, s.trace1Unit);
  t.trace1Min = field(s.trace1Min, s.trace1Unit);
  t.trace2Max = field(s.trace2Max, s.trace2Unit);
  t.trace2Min = field(s.trace2Min, s.trace2Unit);
  t.leftParameter = parameterName(s.leftChecked);
  t.rightParameter = parameterName(s.rightChecked);
  t.trace1Type = kTraceTypeItems[static_cast<size_t>(
      std::clamp(s.trace1ListIndex, 0, static_cast<int>(kTraceTypeItems.size()) - 1))];
  t.trace2Type = kTraceTypeItems[static_cast<size_t>(
      std::clamp(s.trace2ListIndex, 0, static_cast<int>(kTraceTypeItems.size()) - 1))];
  t.start = formatEngineering(kSweepFieldDecimals, s.start) + "Hz";
  t.stop = formatEngineering(kSweepFieldDecimals, s.stop) + "Hz";
  t.points = formatEngineering(0, s.points) + kPointsFieldUnit;
  t.readouts = readouts;
  return t;
}

namespace {

bool textReadable(const Canvas& canvas)
{
  return canvas.font().size >= 1;
}

struct TextMetrics
{
  int tw = 4; // extent of "AAAAAAA"
  int th = 2;
  int a = 0; // width of "A"
};

TextMetrics metrics(Canvas& canvas)
{
  TextMetrics m;
  if (!textReadable(canvas)) return m;
  const TextExtent seven = canvas.textExtent("AAAAAAA");
  m.tw = seven.width;
  m.th = seven.height;
  m.a = canvas.textExtent("A").width;
  return m;
}

} // namespace

void drawGraphPage(Canvas& canvas, GraphWindowCore& graph, const GraphPageRequest& r)
{
  const bool readable = textReadable(canvas);
  const TextMetrics m = metrics(canvas);
  GraphPageInput in;
  in.pageWidth = r.pageWidth;
  in.pageHeight = r.pageHeight;
  in.boxWidth = r.boxWidth;
  in.boxHeight = r.boxHeight;
  in.textWidth = m.tw;
  in.textHeight = m.th;
  in.letterWidth = m.a;
  // The texts as the window shows them now; the graph and cursor follow.
  const GraphPageTexts t = graphPageTexts(graph.panelState(), graph.readouts());
  in.chart = t.chart;
  if (readable && !t.chart) {
    for (const std::string* right : {&t.trace2Max, &t.trace2Min, &t.rightParameter, &t.trace2Type})
      in.rightTextWidth = std::max(in.rightTextWidth, canvas.textExtent(*right).width);
  }
  const GraphPageLayout l = graphPageLayout(in);
  const int ox = r.originX, oy = r.originY;
  const auto text = [&](IntPoint p, const std::string& s) {
    if (readable) canvas.textOut(ox + p.x, oy + p.y, s);
  };
  const auto centred = [&](IntPoint p, const std::string& s) {
    if (readable) canvas.textOut(ox + p.x - canvas.textExtent(s).width / 2, oy + p.y, s);
  };

  canvas.setBrushStyle(BrushStyle::Clear);
  text(l.caption, r.caption);

  const IntRect box{ox + l.box.left, oy + l.box.top, l.box.width, l.box.height};
  canvas.setBrush({colors::white, BrushStyle::Solid});
  canvas.fillRect(box.left, box.top, box.right(), box.bottom());
  canvas.setBrush({colors::black, BrushStyle::Solid});
  canvas.frameRect(box.left, box.top, box.right(), box.bottom());
  canvas.setBrushStyle(BrushStyle::Clear);

  text(l.trace1Max, t.trace1Max);
  text(l.leftParameter, t.leftParameter);
  const GraphReadouts& ro = t.readouts;
  if (!t.chart) {
    text(l.trace1Type, t.trace1Type);
    text(l.trace1Min, t.trace1Min);
    text(l.trace2Max, t.trace2Max);
    text(l.rightParameter, t.rightParameter);
    text(l.trace2Type, t.trace2Type);
    text(l.trace2Min, t.trace2Min);
    text(l.markerLine, "Marker: " + ro.frequency + "         Trace1:" + ro.value1 +
                           "        Trace2:" + ro.value2);
  } else {
    text(l.chartZoLabel, "Chart Zo");
    text(l.chartZoValue, ro.chartZo);
    text(l.markerLine, "Marker: " + ro.frequency + "  " + ro.value1 + "  " + ro.value2);
    const ImpedancePanelTexts& z = ro.impedance;
    text(l.impedanceLine, "Impedance @ Mkr: " + z.resistance + " " + z.reactance +
                              "          Admittance @ Mkr: " + z.conductance + " " + z.susceptance);
    text(l.equivalentLine, "Series Equiv @ Mkr: " + z.seriesResistance + "  " + z.seriesComponent +
                               "         Parallel Equiv @ Mkr: " + z.parallelResistance + "  " +
                               z.parallelComponent);
  }
  centred(l.startCentre, "Start:" + t.start);
  centred(l.stopCentre, "Stop:" + t.stop);
  centred(l.pointsCentre, t.points);

  graph.DrawGraph(canvas, box.left, box.top, box.width, box.height, true);
  graph.DrawCursor(canvas, l.markerHalfSize, box.left, box.top, box.width, box.height);
}

void drawDataListPage(Canvas& canvas, const GraphPageRequest& r,
                      const std::vector<DataListRow>& rows,
                      const std::function<void()>& newPrintJob)
{
  const bool readable = textReadable(canvas);
  const TextMetrics m = metrics(canvas);
  const DataListPageLayout l =
      dataListPageLayout(r.pageWidth, r.pageHeight, m.tw, m.th, static_cast<int>(rows.size()));
  const int ox = r.originX, oy = r.originY;
  const bool preview = !newPrintJob;
  canvas.setBrushStyle(BrushStyle::Clear);

  if (preview && !readable) {
    // Too small to read: suggest the table with a short line per cell on the first rows.
    const int shown =
        std::min<int>((static_cast<int>(rows.size()) + 1) / 5, static_cast<int>(l.rows.size()));
    for (int i = 0; i < shown; ++i) {
      if (l.rows[static_cast<size_t>(i)].page > 0) break;
      const int y = oy + l.rows[static_cast<size_t>(i)].y;
      for (int k = 0; k < 8; ++k) {
        canvas.moveTo(ox + l.columnX(k), y);
        canvas.lineTo(ox + l.columnX(k) + m.tw, y);
      }
    }
    return;
  }
  const auto text = [&](int x, int y, const std::string& s) {
    if (readable) canvas.textOut(ox + x, oy + y, s);
  };
  text(l.caption.x, l.caption.y, r.caption);
  for (int k = 0; k < 9; ++k)
    text(l.columnX(k), l.headingY, kDataListPrintHeadings[k]);
  // Without a readable font nothing shows, but the print jobs still come out as they would.
  int page = 0;
  for (const DataListRowPlacement& p : l.rows) {
    if (p.page != page) {
      if (preview) break;
      newPrintJob();
      page = p.page;
    }
    const auto& cells = rows[static_cast<size_t>(p.row - 1)];
    for (int k = 0; k < 9; ++k)
      text(l.columnX(k), p.y, cells[static_cast<size_t>(k)]);
  }
}

} // namespace norvane
