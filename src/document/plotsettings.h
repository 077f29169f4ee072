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
  GroupDelay, // "GrpDelay", seconds
  // Two-port figures of stability and gain, and port figures. Which port a port figure
  // (and which of mu1/mu2) belongs to follows the trace's parameter: S11 and S21 port 1,
  // S12 and S22 port 2.
  StabilityK,     // "K", Rollett's stability factor
  DeltaMagnitude, // "|Delta|", |S11 S22 - S12 S21|
  Mu,             // "Mu", Edwards-Sinsky mu1 (port 1) or mu2 (port 2)
  MaxGain,        // "MAG/MSG", dB: MAG where K >= 1, MSG elsewhere
  Vswr,           // "VSWR" of the port
  ResistanceZ,    // "Re Z", ohm: input (port 1) or output (port 2) impedance
  ReactanceZ,     // "Im Z", ohm
  // Noise of the two-port (sim/noiseanalysis.h), computed only by runs that show them.
  NoiseFigure,   // "NF", dB, with port 1's reference resistance as the source
  MinNoiseFigure // "NFmin", dB
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
