#pragma once
// The rectangular traces of stability, gain and port figures (K, |Delta|, Mu, MAG/MSG, VSWR,
// Re Z, Im Z, NF, NFmin): which excitations they need, which port they describe and their value at
// a sweep point, from the figures of sim/twoportmeasures.h.
//
// The port follows the trace's parameter, as for the S-parameter kinds: a trace measuring
// S11 or S21 (the wave enters at port 1) shows mu1, the VSWR of port 1 and the input
// impedance; S12 or S22 shows mu2, the VSWR of port 2 and the output impedance. K, |Delta|
// and MAG/MSG describe the whole two-port and need both excitations whatever the parameter.

#include "document/schematic.h"
#include "sim/sweeppoint.h"
#include "sim/twoportmeasures.h"

#include <optional>
#include <string>

namespace norvane {

// K, |Delta|, Mu, MAG/MSG, NF and NFmin: figures of the two-port as a whole.
bool needsBothPorts(TraceType tracetype);

// 1 for S11 and S21, 2 for S12 and S22.
int portOfParameter(MeasuredParameter measwhat);

// The excitations a trace of any kind needs.
struct TraceExcitations
{
  bool port1 = false;
  bool port2 = false;
};
TraceExcitations traceExcitations(const TraceAxis& axis);

// Whether the circuit has the ports the trace describes; a trace without them stays at 0
// and its legend says what it misses (measureLegendText).
bool traceHasItsPorts(const TraceAxis& axis, bool port1, bool port2);

// Whether the excitations the trace needs were solved at this point.
bool traceSolved(const SweepPoint& point, const TraceAxis& axis);

// The figure the trace shows; empty where it cannot be formed (a port missing, a division by
// zero, the VSWR of a port reflecting all it receives).
std::optional<double> measureTraceValue(const TwoPortMeasures& m, const TraceAxis& axis);

// NF or NFmin of a point of a run with noise analysis; empty where it is not defined (no
// transfer to port 2) and for any other kind.
std::optional<double> noiseTraceValue(const PointNoise& noise, TraceType tracetype);

// "K", "|Delta|", "mu1", "MAG/MSG", "VSWR1", "Re Zin (ohm)", "Im Zout (ohm)".
std::string measureLegendText(const TraceAxis& axis);

// What the legend adds for a trace on a circuit that lacks a port it needs:
// " (needs both ports)", " (needs port 2)"; empty when the ports are there.
std::string missingPortNotice(const TraceAxis& axis, bool port1, bool port2);

} // namespace norvane
