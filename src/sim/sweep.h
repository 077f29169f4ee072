#pragma once
// The frequency points of a sweep and the corrections applied to impossible sweep settings.

#include "document/schematic.h"

#include <string>
#include <vector>

namespace norvane {

// Smallest sweep limit: a start or stop at or below zero becomes 1 mHz.
constexpr double kMinSweepFrequency = 0.001;

// The points of one sweep: `intervals` + 1 frequencies from start to stop, spaced evenly
// (linear) or evenly in log f (logarithmic) -- or, when `listed` holds any, exactly those
// frequencies in their order (the optimiser evaluates a circuit only where its goals look,
// band edges included).
struct SweepPlan
{
  double start = kMinSweepFrequency; // Hz
  double stop = 1.0;                 // Hz
  int intervals = 1;                 // N: points 0..N
  int freqmode = 1;                  // 1 linear, 2 logarithmic
  std::vector<double> listed;        // Hz; empty: the even spacing above

  int pointCount() const
  {
    return listed.empty() ? intervals + 1 : static_cast<int>(listed.size());
  }
  // Frequency of point i (0..N): start + i*step, or exp(ln start + i*step); listed[i].
  double frequency(int i) const;
};

// Makes the document's sweep usable and returns its plan: a start or stop at or below zero
// (or not a finite number) becomes 1 mHz, a stop not above the start becomes start + 1 mHz,
// and the interval count is kept within 1..500 (the point store holds 501 points). The
// corrected values are written back so the graph window and the file agree with the run.
SweepPlan sanitizeSweep(SweepAxis& axis);

// What is wrong with a sweep whose stop sanitizeSweep would have to move (a start that does
// not lie below the stop, or a stop that is not a finite number), or an empty text. The
// command line and the SPICE export refuse such a sweep rather than run another one than the
// file asks for: "the sweep start (1MHz) must lie below its stop (500kHz)".
std::string sweepLimitsProblem(const SweepAxis& axis);

// The document's sweep made usable (sanitizeSweep); a logarithmic sweep also leaves the
// centre/span view of the limits, which has no meaning on a log axis.
SweepPlan planSweep(Schematic& doc);

} // namespace norvane
