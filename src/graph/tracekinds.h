#pragma once
// The kinds of rectangular trace (`tracetype`) as the window presents them: the item of the
// trace-type list, the unit text after the axis values and read-outs, and the remembered axis
// limits that go with each kind. Switching a trace from dB to phase and back restores the dB
// limits the user had, because each kind keeps its own (max, min) pair in the document.

#include "document/schematic.h"
#include "graph/axisticks.h"

#include <array>
#include <string>

namespace norvane {

// The trace-type list, top to bottom: the S-parameter kinds, then the stability, gain and
// port figures (sim/twoportmeasures.h), and the noise figures (sim/noiseanalysis.h).
inline constexpr std::array<const char*, 14> kTraceTypeItems = {
    "10Log(P)", "20Log(V)", "Linear V", "Phase", "GrpDelay", "K",  "|Delta|",
    "Mu",       "MAG/MSG",  "VSWR",     "Re Z",  "Im Z",     "NF", "NFmin"};

// List index of a tracetype and back (0 <-> 1, 1 <-> 2, 2 <-> 3, 3 <-> 0, 4 <-> 4, and the
// figures 5..13 at their own codes). Unknown codes are shown as "20Log(V)".
int traceTypeListIndex(TraceType tracetype);
TraceType traceTypeOfListIndex(int index);

// "dB", "", "deg", "dB" or "s"; "R" (ohm) for the impedance parts, "dB" for MAG/MSG and
// nothing for K, |Delta|, Mu and VSWR.
std::string traceUnitText(TraceType tracetype);

// How the graph labels an axis of this kind: dB, a plain ratio, degrees or seconds.
AxisUnit traceAxisUnit(TraceType tracetype);

// The trace's name in the graph's legend: the parameter and what of it is shown ("S21 dB",
// "S11 mag", "S22 phase", "S21 delay"); the figures by their own names, with the port the
// trace's parameter selects ("K", "|Delta|", "mu1", "MAG/MSG", "VSWR2", "Re Zin (ohm)").
std::string traceLegendText(const TraceAxis& axis);

// A trace value as the read-outs show it, followed by its unit: decibels and degrees in plain
// decimals ("-0.35dB", "0.00deg"; a prefix letter would read as part of the number: "-1.34mdB"
// looks like -1.34 dB), linear magnitudes and group delays in engineering notation ("0.5",
// "80.7ns"). `digits` is the number of decimals.
std::string traceValueText(TraceType tracetype, double value, int digits);

// The remembered pair of a kind: mmdB for both dB kinds (and unknown codes), mmLin, mmPhase,
// mmGrpDelay.
DisplayRange& rememberedRange(Schematic& doc, TraceType tracetype);
const DisplayRange& rememberedRange(const Schematic& doc, TraceType tracetype);

// Trace 1 is Y1ax, trace 2 Y2ax (any other number reads as trace 1).
TraceAxis& traceAxis(Schematic& doc, int trace);
const TraceAxis& traceAxis(const Schematic& doc, int trace);

// A value field of the trace was left or Enter pressed: the value becomes the axis maximum
// (or minimum) and is remembered for the trace's current kind.
void storeTraceMax(Schematic& doc, int trace, double value);
void storeTraceMin(Schematic& doc, int trace, double value);

// What the window must do after a trace-type change.
enum class TraceTypeChange {
  Resimulate,    // run the simulation again
  SwitchedToS21, // group delay of a reflection makes no sense: the trace now measures S21
                 // (selecting that button runs the simulation)
};

// Another item of the trace-type list was chosen: the limits shown are saved for the old kind,
// the new kind's remembered limits are loaded. Group delay on S11 or S22 switches the trace
// to S21.
TraceTypeChange changeTraceType(Schematic& doc, int trace, TraceType newTracetype);

} // namespace norvane
