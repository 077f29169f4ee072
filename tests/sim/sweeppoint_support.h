#pragma once
// A sweep point of a two-port measured from both ports, as the sweep hands it on.

#include "sim/complex.h"
#include "sim/sweeppoint.h"

namespace norvane::testing {

inline SweepPoint twoPort(double freq, Complex s11, Complex s21, Complex s12, Complex s22)
{
  SweepPoint p;
  p.freq = freq;
  p.port1 = p.port2 = p.excited1 = p.excited2 = true;
  p.s11 = s11;
  p.s21raw = p.s21 = s21;
  p.s12raw = p.s12 = s12;
  p.s22 = s22;
  return p;
}

} // namespace norvane::testing
