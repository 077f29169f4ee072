#include "assist/matchingdesign.h"

#include <cmath>

namespace norvane {

namespace {

constexpr double kTwoPi = 6.283185307179586477;
constexpr double kTiny = 1e-30;
// The lowest start frequency of the written sweep.
constexpr double kLowestSweepStart = 1000.0;

struct Reactances
{
  double omega = 0.0;
  double ltol = 0.0;
  double ctol = 0.0;

  // X = wL for an inductor, X = 1 / (wC) for a capacitor.
  void add(AssistantCircuit& c, bool inductor, double reactance, int x, int y, int crot) const
  {
    if (inductor) {
      c.AddComponent(ComponentType::Inductor, x, y, crot, reactiveValues(reactance / omega, ltol));
    } else {
      c.AddComponent(ComponentType::Capacitor, x, y, crot,
                     reactiveValues(1.0 / (omega * reactance), ctol));
    }
  }
};

void ground(AssistantCircuit& c, int x, int y)
{
  c.AddComponent(ComponentType::Ground, x, y, 1, groundValues());
}

bool lowPass(MatchTopology t)
{
  return t == MatchTopology::LLowPass || t == MatchTopology::PiLowPass ||
         t == MatchTopology::TeeLowPass;
}

// Minimum-loss pad: series Rs on the high side, shunt Rp towards the low side, so that each
// side sees its own resistance (Rs = sqrt((Rh - Rl) Rh), Rp = Rh Rl / Rs).
void pad(MatchingResult& r, double rh, double rl, double rtol)
{
  const double rs = std::sqrt((rh - rl) * rh);
  if (rs == 0.0) {
    r.error = kMsgImpedancesEqual;
    return;
  }
  if (!(rl > kTiny) || !(rh > kTiny)) {
    return;
  }
  const double rp = rh * rl / rs;
  AssistantCircuit& c = r.circuit;
  const int o = 60;
  c.AddComponent(ComponentType::Resistor, o + 50, 50, 2, resistorValues(rs, rtol));
  c.AddComponent(ComponentType::Resistor, o + 90, 90, 1, resistorValues(rp, rtol));
  ground(c, o + 90, 120);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 130, 50);
  c.AddWire(o + 90, 50, o + 90, 70);
  c.AddWire(o + 30, 50, o, 50);
  c.SetPort(1, o - 20, 50, rh);
  c.SetPort(2, o + 150, 50, rl);
  r.built = true;
}

// L section: Q = sqrt(Rh / Rl - 1), series X = Q Rl on the low side, shunt X = Rh / Q across
// the high side.
void lSection(MatchingResult& r, double rh, double rl, double f, bool low, const Reactances& x)
{
  if (rh == rl) {
    r.error = kMsgImpedancesEqual;
    return;
  }
  const double q = std::sqrt((rh - rl) / rl);
  const double xs = q * rl;
  const double xp = rh / q;
  r.bandwidth = f / q;
  AssistantCircuit& c = r.circuit;
  const int o = 60;
  x.add(c, low, xs, o + 50, 50, 2);
  x.add(c, !low, xp, o + 90, 90, 1);
  ground(c, o + 90, 120);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 110, 50);
  c.AddWire(o + 90, 50, o + 90, 70);
  c.SetPort(1, o + 10, 50, rl);
  c.SetPort(2, o + 130, 50, rh);
  r.built = true;
}

// Pi section: two back-to-back L sections through the virtual resistance Rv = Rh / (Q^2 + 1),
// below both terminations.
void piSection(MatchingResult& r, double rh, double rl, double q, bool low, const Reactances& x)
{
  if (!(q * q + 1.0 > kTiny) || !(q > 0.5)) {
    r.error = kMsgNonRealisableBandwidth;
    return;
  }
  const double rv = rh / (q * q + 1.0);
  // Too low a Q for the ratio puts Rv above Rl, and the second section cannot exist.
  if (!(rl / rv - 1.0 >= 0.0)) {
    r.error = kMsgNonRealisableBandwidth;
    return;
  }
  const double xp1 = rh / q;
  const double xs1 = q * rv;
  const double q2 = std::sqrt(rl / rv - 1.0);
  const double xp2 = rl / q2;
  const double xs2 = q2 * rv;
  AssistantCircuit& c = r.circuit;
  const int o = 80;
  x.add(c, !low, xp1, o + 10, 100, 1);
  ground(c, o + 10, 130);
  x.add(c, low, xs1 + xs2, o + 50, 50, 2);
  x.add(c, !low, xp2, o + 90, 100, 1);
  ground(c, o + 90, 130);
  c.AddWire(o + 30, 50, o + 10, 50);
  c.AddWire(o + 10, 50, o - 10, 50);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 110, 50);
  c.AddWire(o + 10, 50, o + 10, 80);
  c.AddWire(o + 90, 50, o + 90, 80);
  c.SetPort(1, o - 30, 50, rh);
  c.SetPort(2, o + 130, 50, rl);
  r.built = true;
}

// Tee section: two L sections through the virtual resistance Rv = (Q^2 + 1) Rl, above both
// terminations.
void teeSection(MatchingResult& r, double rh, double rl, double q, bool low, const Reactances& x)
{
  const double rv = (q * q + 1.0) * rl;
  const double x1 = q * rl;
  const double e = rv / rh - 1.0;
  if (!(e > kTiny) || !(q > 1.0)) {
    r.error = kMsgNonRealisableBandwidth;
    return;
  }
  const double xp1 = rv / q;
  const double xp2 = rv / std::sqrt(e);
  const double x2 = std::sqrt(e) * rh;
  const double shunt = xp1 * xp2 / (xp1 + xp2);
  AssistantCircuit& c = r.circuit;
  const int o = 40;
  x.add(c, low, x2, o + 50, 50, 2);
  x.add(c, !low, shunt, o + 90, 100, 1);
  ground(c, o + 90, 130);
  x.add(c, low, x1, o + 130, 50, 2);
  c.AddWire(o + 30, 50, o + 20, 50);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 110, 50);
  c.AddWire(o + 90, 50, o + 90, 80);
  c.AddWire(o + 150, 50, o + 160, 50);
  c.SetPort(1, o, 50, rh);
  c.SetPort(2, o + 180, 50, rl);
  r.built = true;
}

bool allFinite(const AssistantCircuit& c)
{
  for (const Component& comp : c.components) {
    if (!std::isfinite(comp.value[1].nom)) {
      return false;
    }
  }
  return std::isfinite(c.P1.Zo) && std::isfinite(c.P2.Zo);
}

} // namespace

bool matchUsesFrequency(MatchTopology t)
{
  return t != MatchTopology::MinimumLossPad;
}

bool matchUsesBandwidth(MatchTopology t)
{
  return t != MatchTopology::MinimumLossPad && t != MatchTopology::LLowPass &&
         t != MatchTopology::LHighPass;
}

MatchingResult designMatchingNetwork(const MatchingInput& in)
{
  MatchingResult r;
  r.bandwidth = in.bandwidth;
  const double rh = in.zout > in.zin ? in.zout : in.zin;
  const double rl = in.zout > in.zin ? in.zin : in.zout;
  if (in.bandwidth == 0.0) {
    return r;
  }
  const double q = in.frequency / in.bandwidth;
  Reactances x{kTwoPi * in.frequency, in.inductorTol, in.capacitorTol};
  const bool low = lowPass(in.topology);
  switch (in.topology) {
  case MatchTopology::MinimumLossPad:
    pad(r, rh, rl, in.resistorTol);
    break;
  case MatchTopology::LLowPass:
  case MatchTopology::LHighPass:
    lSection(r, rh, rl, in.frequency, low, x);
    break;
  case MatchTopology::PiLowPass:
  case MatchTopology::PiHighPass:
    piSection(r, rh, rl, q, low, x);
    break;
  case MatchTopology::TeeLowPass:
  case MatchTopology::TeeHighPass:
    teeSection(r, rh, rl, q, low, x);
    break;
  }
  if (r.built && !allFinite(r.circuit)) {
    MatchingResult failed;
    failed.bandwidth = in.bandwidth;
    failed.error = kMsgNonRealisableBandwidth;
    return failed;
  }
  // The written sweep must hold frequencies: it ends at f + 5B, and starts at f - 5B but not
  // below 1 kHz.
  if (r.built) {
    const AssistantWriteSettings sweep = matchingWriteSettings(in.frequency, r.bandwidth);
    if (!(sweep.sweepMax > sweep.sweepMin)) {
      MatchingResult failed;
      failed.bandwidth = in.bandwidth;
      failed.error = matchUsesBandwidth(in.topology) || in.topology == MatchTopology::MinimumLossPad
                         ? kMsgMatchSweepEmpty
                         : kMsgMatchSweepEmptyL;
      return failed;
    }
  }
  return r;
}

AssistantWriteSettings matchingWriteSettings(double frequency, double bandwidth)
{
  AssistantWriteSettings s;
  s.sweepMin = frequency - 5.0 * bandwidth;
  if (s.sweepMin < kLowestSweepStart) {
    s.sweepMin = kLowestSweepStart;
  }
  s.sweepMax = frequency + 5.0 * bandwidth;
  s.freqmode = 1;
  return s;
}

} // namespace norvane
