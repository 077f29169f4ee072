#include "graph/markertable.h"

#include "graph/chartreadouts.h"
#include "graph/markeredit.h"
#include "graph/markerpoints.h"
#include "graph/tracekinds.h"
#include "numbers/valuetext.h"
#include "sim/complex.h"

#include <cmath>

namespace norvane {

namespace {

constexpr int kDigits = 2;
// What a cell shows for a point the graph cannot place (the logarithm of zero).
constexpr const char* kOverflowText = "overflow";

std::string frequencyText(double hz)
{
  return formatEngineering(3, hz) + "Hz";
}

std::string trimmedText(const std::string& s)
{
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

// Angles differ by at most half a turn either way: 170 and -170 degrees are 20 apart.
double angleDifference(double a, double b)
{
  return std::remainder(a - b, 360.0);
}

std::string parameterName(MeasuredParameter m)
{
  static constexpr const char* kNames[] = {"S11", "S21", "S12", "S22"};
  const int i = static_cast<int>(m);
  return i >= 1 && i <= 4 ? kNames[i - 1] : "S?";
}

std::string markerCell(int number, const GraphMarker& m)
{
  return std::to_string(number) + (m.reference ? " (ref)" : "");
}

// ---- Rectangular graph ----------------------------------------------------------------------

std::string traceCell(TraceType type, double v)
{
  return isReadableValue(v) ? traceValueText(type, v, kDigits) : kOverflowText;
}

std::string traceDelta(TraceType type, double v, double ref)
{
  if (!isReadableValue(v) || !isReadableValue(ref)) return kOverflowText;
  const double d = type == TraceType::Phase ? angleDifference(v, ref) : v - ref;
  return signedText(traceValueText(type, d, kDigits));
}

MarkerTable rectangularTable(const GraphMarkers& markers, const PlotStore& store,
                             const MarkerTableContext& view)
{
  const std::string legend1 = traceLegendText(view.trace1);
  const std::string legend2 = traceLegendText(view.trace2);
  MarkerTable t;
  t.columns = {{"Marker"},          {"Frequency"},   {legend1},      {legend2},
               {"Frequency", true}, {legend1, true}, {legend2, true}};
  const int ref = referenceMarker(markers);
  const PlotPoint* refPoint =
      ref > 0 && store.count() > 0
          ? &store.at(pointNearestFrequency(store, markers[ref].freq, view.logarithmic))
          : nullptr;
  for (int i = 1; i <= markers.count(); ++i) {
    const GraphMarker& m = markers[i];
    std::vector<std::string> row(t.columns.size());
    row[0] = markerCell(i, m);
    if (store.count() == 0) {
      row[1] = frequencyText(m.freq);
    } else {
      const PlotPoint& p = store.at(pointNearestFrequency(store, m.freq, view.logarithmic));
      row[1] = frequencyText(p.freq);
      row[2] = traceCell(view.trace1.tracetype, p.trace1);
      row[3] = traceCell(view.trace2.tracetype, p.trace2);
      if (refPoint && i != ref) {
        row[4] = signedText(frequencyText(p.freq - refPoint->freq));
        row[5] = traceDelta(view.trace1.tracetype, p.trace1, refPoint->trace1);
        row[6] = traceDelta(view.trace2.tracetype, p.trace2, refPoint->trace2);
      }
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

// ---- Charts -----------------------------------------------------------------------------------

bool reflection(MeasuredParameter m)
{
  return m == MeasuredParameter::S11 || m == MeasuredParameter::S22;
}

MarkerTable chartTable(const GraphMarkers& markers, const PlotStore& store,
                       const MarkerTableContext& view)
{
  const std::string magnitude = "|" + parameterName(view.charted) + "|";
  MarkerTable t;
  t.columns = {{"Marker"},
               {"Frequency"},
               {magnitude},
               {"Angle"},
               {reflection(view.charted) ? "Impedance" : "dB Mag (20log[V])"},
               {"Frequency", true},
               {magnitude, true},
               {"Angle", true}};
  const int ref = referenceMarker(markers);
  const PlotPoint* refPoint =
      ref > 0 && store.count() > 0
          ? &store.at(pointNearestFrequency(store, markers[ref].freq, view.logarithmic))
          : nullptr;
  const auto angleOf = [](const PlotPoint& p) { return complexPhaseDeg({p.trace1, p.trace2}); };
  for (int i = 1; i <= markers.count(); ++i) {
    const GraphMarker& m = markers[i];
    std::vector<std::string> row(t.columns.size());
    row[0] = markerCell(i, m);
    if (store.count() == 0) {
      row[1] = frequencyText(m.freq);
    } else {
      const PlotPoint& p = store.at(pointNearestFrequency(store, m.freq, view.logarithmic));
      row[1] = frequencyText(p.freq);
      const ChartCursorTexts c = chartCursorTexts(p.freq, p.trace1, p.trace2, kDigits);
      row[2] = c.magnitude;
      row[3] = c.angle;
      if (reflection(view.charted)) {
        const double zo = view.charted == MeasuredParameter::S11 ? view.z1 : view.z2;
        const ImpedancePanelTexts z = impedancePanels(p.trace1, p.trace2, zo, p.freq, kDigits);
        row[4] = trimmedText(z.resistance) + " " + z.reactance;
      } else {
        row[4] = trimmedText(gainPanels(p.trace1, p.trace2, view.charted == MeasuredParameter::S21,
                                        view.z1, view.z2, kDigits)
                                 .voltageGain);
      }
      if (refPoint && i != ref) {
        row[5] = signedText(frequencyText(p.freq - refPoint->freq));
        const double dm = markedValue(p, MarkedValue::ChartMagnitude) -
                          markedValue(*refPoint, MarkedValue::ChartMagnitude);
        row[6] = signedText(formatEngineering(kDigits, dm));
        row[7] = signedText(formatLevel(angleDifference(angleOf(p), angleOf(*refPoint)), kDigits) +
                            "Deg");
      }
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

} // namespace

MarkerTable markerTable(const GraphMarkers& markers, const PlotStore& store,
                        const MarkerTableContext& view)
{
  return view.chart ? chartTable(markers, store, view) : rectangularTable(markers, store, view);
}

MarkerTableContext markerTableContext(const Schematic& doc)
{
  MarkerTableContext v;
  v.chart = plotformat::isChart(doc.plotformat);
  v.logarithmic = doc.Xax.freqmode == freqmode::Logarithmic;
  v.trace1 = doc.Y1ax;
  v.trace2 = doc.Y2ax;
  v.charted = doc.polarmeaswhat;
  v.z1 = doc.drawdat.P1.Zo;
  v.z2 = doc.drawdat.P2.Zo;
  return v;
}

} // namespace norvane
