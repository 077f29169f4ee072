#include "sim/groupdelay.h"

#include <cmath>

namespace norvane {

namespace {

// A phase step larger than this between two points is taken as a wrap through +-180.
constexpr double kPhaseWrapDeg = 160.0;

// The magnitude of -slope/360 for a phase slope in degrees per hertz.
double delayOfSlope(double slopeDegPerHz)
{
  return std::fabs(slopeDegPerHz / 360.0);
}

// One-sided difference between two points; 0 when they share their frequency.
double oneSided(double f0, double p0, double f1, double p1)
{
  const double df = f1 - f0;
  return df != 0.0 ? delayOfSlope(phaseStepDeg(p0, p1) / df) : 0.0;
}

} // namespace

double phaseStepDeg(double fromDeg, double toDeg)
{
  double step = toDeg - fromDeg;
  if (step > kPhaseWrapDeg) {
    step -= 360.0;
  } else if (step < -kPhaseWrapDeg) {
    step += 360.0;
  }
  return step;
}

GroupDelaySweep::Step GroupDelaySweep::add(double freq, double phaseDeg)
{
  Step s;
  if (m_count >= 1) {
    const double fPrev = m_freq[1], pPrev = m_phase[1];
    s.delay = oneSided(fPrev, pPrev, freq, phaseDeg);
    s.revisesPrevious = true;
    if (m_count == 1) {
      // The first point: the forward difference to this one.
      s.previousDelay = s.delay;
    } else {
      const double hBelow = fPrev - m_freq[0];
      const double hAbove = freq - fPrev;
      if (hBelow != 0.0 && hAbove != 0.0 && hBelow + hAbove != 0.0) {
        const double slopeBelow = phaseStepDeg(m_phase[0], pPrev) / hBelow;
        const double slopeAbove = phaseStepDeg(pPrev, phaseDeg) / hAbove;
        s.previousDelay =
            delayOfSlope((hAbove * slopeBelow + hBelow * slopeAbove) / (hBelow + hAbove));
      } else {
        s.previousDelay = hAbove != 0.0 ? s.delay : oneSided(m_freq[0], m_phase[0], fPrev, pPrev);
      }
    }
  }
  // The raw phases are remembered, so the wrap test always compares two readings in
  // -180..180 however many times the phase has wrapped.
  m_freq[0] = m_freq[1];
  m_phase[0] = m_phase[1];
  m_freq[1] = freq;
  m_phase[1] = phaseDeg;
  ++m_count;
  return s;
}

} // namespace norvane
