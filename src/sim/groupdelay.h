#pragma once
// Group delay from the phase of a transmission coefficient sampled over a sweep:
// tau = -dphi/domega = -dphi_deg / (360 df), shown as its magnitude in seconds. Every place
// that shows a group delay takes it from here.
//
// The derivative is the three-point central difference at interior points and one-sided at
// the two ends. A one-sided (backward) difference gives the slope half a step below the point
// it is plotted at, so on a filter's steep delay skirts it reads several per cent off; the
// central difference has no such shift. For unequal steps (a logarithmic sweep) the central
// difference is the weighted one that is exact for a quadratic phase:
//   phi'(f) = (h+ s- + h- s+) / (h- + h+),  s- = dphi-/h-, s+ = dphi+/h+,
// with h- and h+ the frequency steps below and above the point and dphi-, dphi+ the phase steps.

namespace norvane {

// The phase step from `fromDeg` to `toDeg` in degrees, taken the short way round: a step
// beyond 160 degrees is a wrap through +-180.
double phaseStepDeg(double fromDeg, double toDeg);

// Group delays of a sweep as its points arrive. Each point's delay is given first as the
// one-sided difference to the point before (what the last point of a sweep keeps); when the
// next point arrives, the delay of this one becomes the central difference (or, at the first
// point, the forward difference) and is handed back as a revision.
class GroupDelaySweep
{
public:
  struct Step
  {
    double delay = 0.0;           // of the point just added; 0 for the first point
    bool revisesPrevious = false; // the point before now has a better value:
    double previousDelay = 0.0;   //   this one
  };

  Step add(double freq, double phaseDeg);

private:
  int m_count = 0;
  double m_freq[2] = {0.0, 0.0}; // the two points before the new one, older first
  double m_phase[2] = {0.0, 0.0};
};

} // namespace norvane
