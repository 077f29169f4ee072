#pragma once
// What the graph window shows, as the document keeps it: the plot format, the S-parameter a
// trace or chart shows and how a rectangular trace shows it. The schematic file stores the
// enumerators' integer values (keys `plotformat`, `measwhat`, `polarmeaswhat`,
// `tracetype`); only the schematic reader and writer convert between the two. A value read
// from a file that names no enumerator is kept as it is, so the file round-trips.

namespace norvane {

// ResultFile exists only while an export runs (or in a file that was saved then).
enum class PlotFormat : int {
  Rectangular = 1,
  SmithZ,
  SmithY,
  SmithZY,
  Polar,
  DataList,
  ResultFile
};

enum class MeasuredParameter : int { S11 = 1, S21, S12, S22 };

enum class TraceType : int {
  Log20 = 0,  // "20Log(V)", dB
  Linear,     // "Linear V"
  Phase,      // "Phase", degrees
  Log10Power, // "10Log(P)", dB including the port impedance ratio
  GroupDelay  // "GrpDelay", seconds
};

// The short spellings used throughout: plotformat::SmithZ, measwhat::S21, tracetype::Phase.
namespace plotformat {
using enum PlotFormat;
constexpr bool isChart(PlotFormat f)
{
  return f >= SmithZ && f <= Polar;
}
} // namespace plotformat

namespace measwhat {
using enum MeasuredParameter;
} // namespace measwhat

namespace tracetype {
using enum TraceType;
} // namespace tracetype

} // namespace norvane
