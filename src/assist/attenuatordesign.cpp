#include "assist/attenuatordesign.h"

#include "numbers/valuetext.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace norvane {

namespace {

constexpr double kTiny = 1e-30;
constexpr double kMaxAttenuationDb = 1000.0;

void resistor(AssistantCircuit& c, double ohms, double tol, int x, int y, int crot)
{
  c.AddComponent(ComponentType::Resistor, x, y, crot, resistorValues(ohms, tol));
}

void ground(AssistantCircuit& c, int x, int y)
{
  c.AddComponent(ComponentType::Ground, x, y, 1, groundValues());
}

// Power ratio K = 10^(A/10) and D = (K + 1) / (K - 1); the image-matched Tee and Pi pads
// between unequal resistances (Tee: R3 = 2 sqrt(K Zin Zout) / (K - 1), R1 = Zin D - R3,
// R2 = Zout D - R3; the Pi is its dual).
void tee(AssistantCircuit& c, const AttenuatorInput& in, double k, double d)
{
  const double r3 = 2.0 * std::sqrt(k * in.zin * in.zout) / (k - 1.0);
  const double r1 = in.zin * d - r3;
  const double r2 = in.zout * d - r3;
  const double t = in.resistorTol;
  const int o = 20;
  resistor(c, r1, t, o + 50, 50, 2);
  resistor(c, r3, t, o + 90, 100, 1);
  ground(c, o + 90, 130);
  resistor(c, r2, t, o + 130, 50, 2);
  c.AddWire(o + 30, 50, o + 20, 50);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 110, 50);
  c.AddWire(o + 90, 50, o + 90, 80);
  c.AddWire(o + 150, 50, o + 160, 50);
  c.SetPort(1, o, 50, in.zin);
  c.SetPort(2, o + 180, 50, in.zout);
}

void pi(AssistantCircuit& c, const AttenuatorInput& in, double k, double d)
{
  const double rs = ((k - 1.0) / 2.0) * std::sqrt(in.zin * in.zout / k);
  const double ra = 1.0 / (d / in.zin - 1.0 / rs);
  const double rb = 1.0 / (d / in.zout - 1.0 / rs);
  const double t = in.resistorTol;
  const int o = 60;
  resistor(c, ra, t, o + 10, 100, 1);
  ground(c, o + 10, 130);
  resistor(c, rs, t, o + 50, 50, 2);
  resistor(c, rb, t, o + 90, 100, 1);
  ground(c, o + 90, 130);
  c.AddWire(o + 30, 50, o + 10, 50);
  c.AddWire(o + 10, 50, o - 10, 50);
  c.AddWire(o + 70, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 110, 50);
  c.AddWire(o + 10, 50, o + 10, 80);
  c.AddWire(o + 90, 50, o + 90, 80);
  c.SetPort(1, o - 30, 50, in.zin);
  c.SetPort(2, o + 130, 50, in.zout);
}

// Bridged Tee in Z0: two Z0 arms, bridge (V - 1) Z0 and shunt Z0 / (V - 1) with the voltage
// ratio V = 10^(A/20); their product is Z0^2, which keeps both sides matched.
void bridgedTee(AssistantCircuit& c, const AttenuatorInput& in)
{
  const double z0 = in.zin;
  const double v = std::pow(10.0, in.attenuationDb / 20.0);
  const double t = in.resistorTol;
  const int o = 20;
  resistor(c, z0, t, o + 60, 50, 2);
  resistor(c, z0 / (v - 1.0), t, o + 90, 100, 1);
  ground(c, o + 90, 130);
  resistor(c, z0, t, o + 120, 50, 2);
  resistor(c, (v - 1.0) * z0, t, o + 90, 20, 2);
  c.AddWire(o + 40, 50, o + 40, 20);
  c.AddWire(o + 140, 50, o + 140, 20);
  c.AddWire(o + 40, 20, o + 70, 20);
  c.AddWire(o + 110, 20, o + 140, 20);
  c.AddWire(o + 40, 50, o + 20, 50);
  c.AddWire(o + 80, 50, o + 90, 50);
  c.AddWire(o + 90, 50, o + 100, 50);
  c.AddWire(o + 90, 50, o + 90, 80);
  c.AddWire(o + 140, 50, o + 160, 50);
  c.SetPort(1, o, 50, z0);
  c.SetPort(2, o + 180, 50, z0);
}

} // namespace

AttenuatorResult designAttenuator(const AttenuatorInput& in)
{
  AttenuatorResult r;
  if (!(in.attenuationDb > kTiny) || !(in.attenuationDb < kMaxAttenuationDb)) {
    r.error = kMsgAttenuationRange;
    return r;
  }
  const double k = std::pow(10.0, in.attenuationDb / 10.0);
  // An attenuation so small that 10^(A/20) rounds to 1 would divide by zero.
  if (!(std::pow(10.0, in.attenuationDb / 20.0) > 1.0)) {
    r.error = kMsgAttenuationRange;
    return r;
  }
  // An image-matched Tee or Pi between unequal resistances needs more loss than
  // 20 log10(sqrt(n) + sqrt(n - 1)) dB, n = Rh / Rl; below it an arm turns negative.
  if (in.topology != AttenuatorTopology::BridgedTee && in.zin != in.zout) {
    const double n = std::max(in.zin, in.zout) / std::min(in.zin, in.zout);
    const double minimumDb = 20.0 * std::log10(std::sqrt(n) + std::sqrt(n - 1.0));
    if (!(in.attenuationDb > minimumDb)) {
      r.error = std::string(kMsgAttenuationBelowMinimum) + formatEngineering(2, minimumDb) + "dB";
      return r;
    }
  }
  const double d = (k + 1.0) / (k - 1.0);
  switch (in.topology) {
  case AttenuatorTopology::Tee:
    tee(r.circuit, in, k, d);
    break;
  case AttenuatorTopology::Pi:
    pi(r.circuit, in, k, d);
    break;
  case AttenuatorTopology::BridgedTee:
    bridgedTee(r.circuit, in);
    break;
  }
  for (const Component& c : r.circuit.components) {
    const double v = c.value[1].nom;
    if (c.ctype == ComponentType::Resistor && !(std::isfinite(v) && v > 0.0)) {
      AttenuatorResult failed;
      failed.error = kMsgAttenuationRange;
      return failed;
    }
  }
  r.built = true;
  return r;
}

AssistantWriteSettings attenuatorWriteSettings()
{
  AssistantWriteSettings s;
  s.setSweep = false;
  s.freqmode = 2;
  return s;
}

} // namespace norvane
