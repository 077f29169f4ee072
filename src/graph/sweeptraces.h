#pragma once
// The numbers the graph window plots for one sweep point: the two rectangular trace values,
// the chart coefficient and the stability circle.

#include "document/schematic.h"
#include "sim/complex.h"
#include "sim/groupdelay.h"
#include "sim/plotpoint.h"
#include "sim/sweeppoint.h"
#include "sim/twoportmeasures.h"

#include <optional>

namespace norvane {

// The parameter a trace or chart shows (measwhat 1..4), as the rectangular traces use it:
// S11, raw S21 (2 V2), raw S12 (2 V1'), S22. Any other code gives S11.
Complex rawParameter(const SweepPoint& point, MeasuredParameter measwhat);

// The parameter as the charts plot it: the transmission coefficients normalised by the port
// impedances, the reflections as they are.
Complex chartCoefficient(const SweepPoint& point, MeasuredParameter measwhat);

// True when showing `measwhat` needs the excitation of port 1 (S11, S21) rather than port 2.
inline bool needsPort1(MeasuredParameter measwhat)
{
  return measwhat != measwhat::S12 && measwhat != measwhat::S22;
}

// One rectangular trace's values over a sweep. Holds the previous phases and frequencies for
// the group delay, so a run uses one TraceValue per trace, created fresh for the run.
class TraceValue
{
public:
  // The value of `tracetype` for the parameter `s` (measwhat says which it is) at `freq`,
  // with Z1, Z2 the port reference impedances:
  //   0 20Log(V): 20 log10|S|         1 Linear V: |S|        2 Phase: degrees
  //   3 10Log(P): 20 log10|S| plus 10 log10(Z1/Z2) for S21, 10 log10(Z2/Z1) for S12
  //   4 GrpDelay: |dphi / (df * 360)| seconds (sim/groupdelay.h): first the one-sided
  //     difference to the previous point of this trace (0 at the first point); the next
  //     point revises it to the central difference, see takeRevision.
  // log10 is the guarded guardedLog10 (a zero magnitude gives the 1e30 sentinel, drawn at the
  // edge).
  double value(TraceType tracetype, MeasuredParameter measwhat, Complex s, double freq, double z1,
               double z2);

  // After a group-delay value: the better value of this trace's previous point, once.
  std::optional<double> takeRevision();

private:
  GroupDelaySweep m_delay;
  std::optional<double> m_revision;
};

// The stability circle of one point (raw S-parameters, no impedance normalisation).
struct StabilityCircle
{
  double centreRe = 0.0;
  double centreIm = 0.0;
  double radius = 0.0;    // may be negative
  double stability = 0.0; // |k|, negative when the region outside the circle is unstable
};

// Input-plane circle (inputPlane, the chart shows S11) or output-plane circle:
//   Delta = S11 S22 - S12 S21,  k = (1 - |S11|^2 - |S22|^2 + |Delta|^2) / (2 |S12 S21|)
//   input:  D = |S11|^2 - |Delta|^2, C = conj(S11 - Delta conj(S22)) / D, test T = |S22|
//   output: D = |S22|^2 - |Delta|^2, C = conj(S22 - Delta conj(S11)) / D, test T = |S11|
//   r = |S12 S21| / D. An exactly zero D is replaced by 1e-20; a unilateral device
//   (S12 S21 = 0) gets the sentinel k = 1e20 instead of an infinity.
StabilityCircle stabilityCircle(Complex s11, Complex s21, Complex s12, Complex s22,
                                bool inputPlane);

// The plotted point of every sweep point for the document's graph settings: on the
// rectangular graph the two trace values, on a chart the real and imaginary part of the
// charted coefficient, and with `circles` the stability circle. A value whose excitation was
// not solved at a point keeps the value of the point before. NaN is plotted as 0 and an
// infinity as the 1e30 sentinel, so the graph never meets a value it cannot place. A
// stability, gain or port-figure trace (graph/measuretraces.h) on a circuit without the
// ports it needs is 0; a figure that cannot be formed where the ports are there (K of a
// unilateral two-port, VSWR of a total reflection) is the 1e30 sentinel, beyond the axis.
class PlotValues
{
public:
  PlotValues(const Schematic& doc, bool chart, bool circles);
  PlotPoint next(const SweepPoint& point);
  // After next(): the point returned before it, with the group delay its successor made
  // central; empty when nothing changed.
  const std::optional<PlotPoint>& revisedPrevious() const { return m_revised; }

private:
  double trace(TraceValue& value, const TraceAxis& axis, const SweepPoint& point,
               const TwoPortMeasures& measures) const;
  // The trace's revision of its previous reading, when that reading was the previous point.
  std::optional<double> revision(TraceValue& value, int& lastSolved) const;

  // The settings as the run began (read once, not at every point).
  const TraceAxis m_axis1;
  const TraceAxis m_axis2;
  const MeasuredParameter m_charted;
  const double m_z1;
  const double m_z2;
  const bool m_chart;
  const bool m_circles;
  TraceValue m_value1;
  TraceValue m_value2;
  PlotPoint m_plotted;
  std::optional<PlotPoint> m_revised;
  int m_index = 0;        // of the point being computed, from 0
  int m_lastSolved1 = -2; // index of each trace's last computed reading
  int m_lastSolved2 = -2;
};

} // namespace norvane
