#include "graph/sweeptraces.h"

#include "document/measureranges.h"
#include "graph/measuretraces.h"

#include <cmath>
#include <utility>

namespace norvane {

namespace {

// Replaces an exactly zero stability denominator.
constexpr double kZeroDenominator = 1e-20;
// k of a unilateral device, where |S12 S21| = 0 would divide by zero.
constexpr double kUnilateralK = 1e20;

double magSquared(Complex a)
{
  return a.re * a.re + a.im * a.im;
}

// A value the graph can place: NaN (from a degenerate circuit, e.g. a zero inductance) as 0,
// an infinity as the 1e30 sentinel of the guarded logarithm.
double finiteValue(double x)
{
  if (std::isnan(x)) {
    return 0.0;
  }
  if (std::isinf(x)) {
    return x > 0 ? 1e30 : -1e30;
  }
  return x;
}

PlotPoint finitePoint(PlotPoint p)
{
  for (double* v : {&p.freq, &p.trace1, &p.trace2, &p.circleCentreRe, &p.circleCentreIm,
                    &p.circleRadius, &p.stability}) {
    *v = finiteValue(*v);
  }
  return p;
}

// Whether the excitation showing `measwhat` was solved at this point.
bool solved(const SweepPoint& point, MeasuredParameter measwhat)
{
  return needsPort1(measwhat) ? point.excited1 : point.excited2;
}

// A figure that cannot be formed although the ports are there is beyond any axis.
constexpr double kFigureBeyondScale = 1e30;

} // namespace

Complex rawParameter(const SweepPoint& point, MeasuredParameter measwhat)
{
  switch (measwhat) {
  case measwhat::S21:
    return point.s21raw;
  case measwhat::S12:
    return point.s12raw;
  case measwhat::S22:
    return point.s22;
  default:
    return point.s11;
  }
}

Complex chartCoefficient(const SweepPoint& point, MeasuredParameter measwhat)
{
  switch (measwhat) {
  case measwhat::S21:
    return point.s21;
  case measwhat::S12:
    return point.s12;
  case measwhat::S22:
    return point.s22;
  default:
    return point.s11;
  }
}

double TraceValue::value(TraceType tracetype, MeasuredParameter measwhat, Complex s, double freq,
                         double z1, double z2)
{
  switch (tracetype) {
  case tracetype::Linear:
    return complexAbs(s);
  case tracetype::Phase:
    return complexPhaseDeg(s);
  case tracetype::Log10Power: {
    double db = 20.0 * guardedLog10(complexAbs(s));
    // The power ratio between ports of different reference impedance: |b2|^2/Z2 over
    // |a1|^2/Z1 in voltage waves.
    if (measwhat == measwhat::S21) {
      db += 10.0 * guardedLog10(z1 / z2);
    } else if (measwhat == measwhat::S12) {
      db += 10.0 * guardedLog10(z2 / z1);
    }
    return db;
  }
  case tracetype::GroupDelay: {
    const GroupDelaySweep::Step step = m_delay.add(freq, complexPhaseDeg(s));
    if (step.revisesPrevious) m_revision = step.previousDelay;
    return step.delay;
  }
  default: // 20Log(V)
    return 20.0 * guardedLog10(complexAbs(s));
  }
}

std::optional<double> TraceValue::takeRevision()
{
  return std::exchange(m_revision, std::nullopt);
}

StabilityCircle stabilityCircle(Complex s11, Complex s21, Complex s12, Complex s22, bool inputPlane)
{
  // Rollett's stability factor and the source/load stability circles (Gonzalez,
  // "Microwave Transistor Amplifiers", sections 3.2-3.3).
  const Complex delta = s11 * s22 - s12 * s21;
  const double loop = complexAbs(s12 * s21);
  const double deltaSq = magSquared(delta);
  const double numerator = 1.0 - magSquared(s11) - magSquared(s22) + deltaSq;
  const double k = loop != 0.0 ? numerator / (2.0 * loop) : kUnilateralK;

  const Complex own = inputPlane ? s11 : s22;
  const Complex other = inputPlane ? s22 : s11;
  double d = magSquared(own) - deltaSq;
  if (d == 0.0) {
    d = kZeroDenominator;
  }
  const Complex c = complexConj(own - delta * complexConj(other));
  StabilityCircle circle;
  circle.centreRe = c.re / d;
  circle.centreIm = c.im / d;
  circle.radius = loop / d;
  const double t = complexAbs(other);
  const double gap =
      complexAbs(Complex{circle.centreRe, circle.centreIm}) - std::fabs(circle.radius);
  circle.stability = std::fabs(k);
  if ((t > 1.0 && gap > 0.0) || (t <= 1.0 && gap < 0.0)) {
    circle.stability = -circle.stability;
  }
  return circle;
}

PlotValues::PlotValues(const Schematic& doc, bool chart, bool circles)
    : m_axis1(doc.Y1ax), m_axis2(doc.Y2ax), m_charted(doc.polarmeaswhat), m_z1(doc.drawdat.P1.Zo),
      m_z2(doc.drawdat.P2.Zo), m_chart(chart), m_circles(circles)
{
}

double PlotValues::trace(TraceValue& value, const TraceAxis& axis, const SweepPoint& point,
                         const TwoPortMeasures& measures) const
{
  if (isNoiseTraceType(axis.tracetype)) {
    if (const std::optional<double> v = noiseTraceValue(point.noise, axis.tracetype)) return *v;
    return traceHasItsPorts(axis, point.port1, point.port2) ? kFigureBeyondScale : 0.0;
  }
  if (isMeasureTraceType(axis.tracetype)) {
    if (const std::optional<double> v = measureTraceValue(measures, axis)) return *v;
    return traceHasItsPorts(axis, point.port1, point.port2) ? kFigureBeyondScale : 0.0;
  }
  return value.value(axis.tracetype, axis.measwhat, rawParameter(point, axis.measwhat), point.freq,
                     m_z1, m_z2);
}

std::optional<double> PlotValues::revision(TraceValue& value, int& lastSolved) const
{
  const std::optional<double> revised = value.takeRevision();
  // A reading further back (points between were not solved) is left as it was: the points
  // after it copied its first value.
  const bool previousPoint = lastSolved == m_index - 1;
  lastSolved = m_index;
  return previousPoint ? revised : std::nullopt;
}

PlotPoint PlotValues::next(const SweepPoint& point)
{
  PlotPoint previous = m_plotted;
  m_revised.reset();
  m_plotted.freq = point.freq;
  if (m_chart) {
    if (solved(point, m_charted)) {
      const Complex c = chartCoefficient(point, m_charted);
      m_plotted.trace1 = c.re;
      m_plotted.trace2 = c.im;
    }
  } else {
    bool revised = false;
    TwoPortMeasures measures;
    if (isMeasureTraceType(m_axis1.tracetype) || isMeasureTraceType(m_axis2.tracetype)) {
      measures = twoPortMeasures(point, m_z1, m_z2);
    }
    if (traceSolved(point, m_axis1)) {
      m_plotted.trace1 = trace(m_value1, m_axis1, point, measures);
      if (const auto r = revision(m_value1, m_lastSolved1)) {
        previous.trace1 = *r;
        revised = true;
      }
    }
    if (traceSolved(point, m_axis2)) {
      m_plotted.trace2 = trace(m_value2, m_axis2, point, measures);
      if (const auto r = revision(m_value2, m_lastSolved2)) {
        previous.trace2 = *r;
        revised = true;
      }
    }
    if (revised) m_revised = finitePoint(previous);
  }
  ++m_index;
  if (m_circles && point.excited1 && point.excited2) {
    const StabilityCircle sc = stabilityCircle(point.s11, point.s21raw, point.s12raw, point.s22,
                                               m_charted == measwhat::S11);
    m_plotted.circleCentreRe = sc.centreRe;
    m_plotted.circleCentreIm = sc.centreIm;
    m_plotted.circleRadius = sc.radius;
    m_plotted.stability = sc.stability;
  }
  return finitePoint(m_plotted);
}

} // namespace norvane
