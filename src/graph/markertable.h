#pragma once
// The marker table under the graph: one row per marker with its frequency and what the graph
// shows there (both trace values on the rectangular graph; magnitude, angle and impedance or
// gain on a chart), then, when one marker is the reference, each other marker's difference
// from it.

#include "document/graphmarkers.h"
#include "document/schematic.h"
#include "graph/plotstore.h"

#include <string>
#include <vector>

namespace norvane {

// What the graph shows, as far as the table needs it.
struct MarkerTableContext
{
  bool chart = false;
  bool logarithmic = false; // a logarithmic sweep: markers stand on the nearest point in log f
  TraceAxis trace1;         // rectangular graph
  TraceAxis trace2;         //
  MeasuredParameter charted = MeasuredParameter::S11; // chart
  double z1 = 50.0;                                   // reference impedances of the ports
  double z2 = 50.0;
};

struct MarkerColumn
{
  std::string heading; // "Frequency", "S21 dB", "|S11|"
  // A difference from the reference marker; the window puts the delta sign before the
  // heading.
  bool delta = false;
};

struct MarkerTable
{
  std::vector<MarkerColumn> columns;
  std::vector<std::vector<std::string>> rows; // one per marker, a cell per column
};

// Marker cells say "1".."8", the reference "1 (ref)". A marker stands on the stored point
// nearest to its frequency; without points only its number and stored frequency are shown.
// The difference cells are empty for the reference itself and when there is no reference.
MarkerTable markerTable(const GraphMarkers& markers, const PlotStore& store,
                        const MarkerTableContext& view);

// The view of a document as the graph window shows it.
MarkerTableContext markerTableContext(const Schematic& doc);

} // namespace norvane
