#pragma once
// What the stability read-out of a chart says about the whole sweep and about the cursor
// point, from the two-port figures of every point (sim/twoportmeasures.h).
//
// A two-port is unconditionally stable at a frequency when K > 1 and |Delta| < 1 (Rollett);
// where K cannot be formed (a unilateral two-port, S12 S21 = 0) mu1 > 1 decides, the single
// condition of Edwards and Sinsky that says the same. The sweep's verdict is "unconditionally
// stable" when every point is, otherwise the frequency ranges of the points that are not:
// "Potentially unstable: 100 MHz - 450 MHz, 1.2 GHz - 3 GHz". A range runs from the first to
// the last sweep point of a run of such points; the true edge lies within one step of it.

#include "sim/twoportmeasures.h"

#include <optional>
#include <string>
#include <vector>

namespace norvane {

struct FrequencyRange
{
  double from = 0.0; // Hz
  double to = 0.0;
};

// Whether the figures show the point unconditionally stable; empty when they cannot tell
// (the circuit lacks a port).
std::optional<bool> unconditionallyStable(const TwoPortMeasures& m);

// The runs of potentially unstable points; `freqs` and `measures` are the sweep's points in
// order, of equal length.
std::vector<FrequencyRange> potentiallyUnstableRanges(const std::vector<double>& freqs,
                                                      const std::vector<TwoPortMeasures>& measures);

// "433.9 MHz", "3 GHz", "500 kHz": four significant digits at most, the prefix of its decade.
std::string rangeFrequencyText(double hz);

// "100 MHz - 450 MHz", or "450 MHz" for a range of one point.
std::string frequencyRangeText(const FrequencyRange& range);

// "unconditionally stable" for no ranges, else "Potentially unstable: " and the ranges.
std::string stabilityVerdictText(const std::vector<FrequencyRange>& ranges);

// The figures at the cursor: "K=1.234", "mu1=0.951" (mu2 for port 2), "MAG=12.35dB" or
// "MSG=15.20dB"; a figure that cannot be formed reads "K undefined".
struct CursorFigureTexts
{
  std::string k;
  std::string mu;
  std::string gain;
};
CursorFigureTexts cursorFigureTexts(const TwoPortMeasures& m, int port, int digits);

} // namespace norvane
