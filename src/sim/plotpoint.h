#pragma once
// One plotted sweep point and the display codes that the sweep and the graph window share.
// The codes are stored in the document as plain integers (file keys `plotformat`, `measwhat`,
// `tracetype`, `polarmeaswhat`, `freqmode`), so they are kept here as integer constants.

namespace norvane {

// Seven doubles per sweep point, in this order. On the rectangular graph trace1/trace2 are the
// two trace values; on the Smith and polar charts they are the real and imaginary parts of the
// plotted coefficient. The circle fields describe the point's stability circle in
// reflection-coefficient units; `stability` is the signed stability factor (negative: the
// region outside the circle is unstable).
struct PlotPoint
{
  double freq = 0.0;
  double trace1 = 0.0;
  double trace2 = 0.0;
  double circleCentreRe = 0.0;
  double circleCentreIm = 0.0;
  double circleRadius = 0.0;
  double stability = 0.0;
};

// The point store holds 501 points: at most 500 sweep intervals.
constexpr int kPlotPointCapacity = 501;
constexpr int kMaxSweepIntervals = kPlotPointCapacity - 1;

// `plotformat`: what the graph window shows. ResultFile exists only while an export runs.
namespace plotformat {
constexpr int Rectangular = 1;
constexpr int SmithZ = 2;
constexpr int SmithY = 3;
constexpr int SmithZY = 4;
constexpr int Polar = 5;
constexpr int DataList = 6;
constexpr int ResultFile = 7;
constexpr bool isChart(int f)
{
  return f >= SmithZ && f <= Polar;
}
} // namespace plotformat

// `measwhat` and `polarmeaswhat`: which S-parameter a trace or chart shows.
namespace measwhat {
constexpr int S11 = 1;
constexpr int S21 = 2;
constexpr int S12 = 3;
constexpr int S22 = 4;
} // namespace measwhat

// `tracetype`: how a rectangular trace shows its parameter.
namespace tracetype {
constexpr int Log20 = 0;      // "20Log(V)", dB
constexpr int Linear = 1;     // "Linear V"
constexpr int Phase = 2;      // "Phase", degrees
constexpr int Log10Power = 3; // "10Log(P)", dB including the port impedance ratio
constexpr int GroupDelay = 4; // "GrpDelay", seconds
} // namespace tracetype

// `freqmode`: spacing of the sweep points.
namespace freqmode {
constexpr int Linear = 1;
constexpr int Logarithmic = 2;
} // namespace freqmode

} // namespace norvane
