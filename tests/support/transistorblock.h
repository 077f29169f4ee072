#pragma once
// Circuits for the tests of the stability and gain figures: a 2-port S-parameter block
// between two 50 ohm ports, holding either a transistor's data or a matched pad.

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/placement.h"
#include "document/schematic.h"

#include <numbers>

namespace norvane::testing {

struct BlockPoint
{
  double freqHz;
  double s11Mag, s11Deg, s21Mag, s21Deg, s12Mag, s12Deg, s22Mag, s22Deg;
};

// Port 1, the block "Q1" with its common pin grounded, port 2; the sweep 100 MHz to 2 GHz,
// linear, 39 points.
inline Schematic blockCircuit(std::initializer_list<BlockPoint> data)
{
  Schematic doc;
  clearSchematic(doc, Environment{});
  for (int n : {1, 2}) {
    Port& port = n == 1 ? doc.drawdat.P1 : doc.drawdat.P2;
    port.pos = n == 1 ? Point{100, 110} : Point{300, 110}; // connect at (120, 110), (280, 110)
    port.crot = 1;
    port.Zo = 50;
    port.node = portConnectionPoint(n, port);
  }
  // Block pins: port 1 (170, 110), port 2 (230, 110), common (200, 150).
  const PlacementResult block = placeComponent(doc, ComponentType::SParam2, 1, {200, 120});
  doc.drawdat.components[block.index].name = "Q1";
  placeComponent(doc, ComponentType::Ground, 1, {200, 160});
  doc.drawdat.wires.append({false, false, {120, 110}, {170, 110}});
  doc.drawdat.wires.append({false, false, {230, 110}, {280, 110}});

  TwoPortDataSet& set = doc.datasets.twoPort[1];
  set.name = "q1.s2p";
  set.index = 1;
  constexpr double rad = std::numbers::pi / 180;
  for (const BlockPoint& p : data) {
    set.points.append({p.freqHz,
                       {p.s11Mag, p.s11Deg * rad},
                       {p.s21Mag, p.s21Deg * rad},
                       {p.s12Mag, p.s12Deg * rad},
                       {p.s22Mag, p.s22Deg * rad}});
  }
  doc.Xax.min = 100e6;
  doc.Xax.max = 2e9;
  doc.Xax.numpoints = 38;
  doc.Xax.freqmode = 1;
  return doc;
}

// A transistor: potentially unstable at the low end (K about 0.3 at 100 MHz), unconditionally
// stable at the top (K about 10 at 2 GHz).
inline Schematic transistorCircuit()
{
  return blockCircuit({{100e6, 0.8, -60, 8, 140, 0.05, 60, 0.6, -30},
                       {500e6, 0.65, -120, 4, 100, 0.05, 50, 0.5, -45},
                       {1000e6, 0.5, -150, 2, 60, 0.04, 40, 0.4, -60},
                       {2000e6, 0.45, 170, 1.2, 30, 0.03, 30, 0.35, -80}});
}

// A matched 6 dB pad: no reflection, |S21| = |S12| = 0.5.
inline Schematic matchedPadCircuit()
{
  return blockCircuit(
      {{100e6, 0, 0, 0.5, -10, 0.5, -10, 0, 0}, {2000e6, 0, 0, 0.5, -200, 0.5, -200, 0, 0}});
}

} // namespace norvane::testing
