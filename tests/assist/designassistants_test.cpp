// The design assistants' worked numbers: matching networks, attenuator pads, filter ladders,
// and how their circuits go into the document.

#include "assist/attenuatordesign.h"
#include "assist/filterdesign.h"
#include "assist/matchingdesign.h"

#include "config/environment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace norvane {
namespace {

constexpr double kTwoPi = 6.283185307179586477;

double nomOf(const AssistantCircuit& c, int i)
{
  return c.components[i].value[1].nom;
}

// The reactance a generated inductor or capacitor was built for, at f.
double reactanceOf(const Component& comp, double f)
{
  const double w = kTwoPi * f;
  return comp.ctype == ComponentType::Inductor ? w * comp.value[1].nom
                                               : 1.0 / (w * comp.value[1].nom);
}

TEST(MatchingAssistant, DefaultLNetworkAndOrdering)
{
  const MatchingResult r = designMatchingNetwork({});
  ASSERT_TRUE(r.built);
  const AssistantCircuit& c = r.circuit;
  ASSERT_EQ(c.components.count(), 3);
  EXPECT_EQ(c.components[1].ctype, ComponentType::Inductor);
  EXPECT_NEAR(nomOf(c, 1), 137.8e-9, 0.05e-9);
  EXPECT_EQ(c.components[1].position, (Point{110, 50}));
  EXPECT_EQ(c.components[1].crot, 2);
  EXPECT_EQ(c.components[2].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(nomOf(c, 2), 13.78e-12, 0.005e-12);
  EXPECT_EQ(c.components[2].position, (Point{150, 90}));
  EXPECT_EQ(c.components[3].ctype, ComponentType::Ground);
  EXPECT_NEAR(r.bandwidth, 57.735e6, 1e3); // f / sqrt(3)
  EXPECT_EQ(c.P1.pos, (Point{70, 50}));
  EXPECT_EQ(c.P1.Zo, 50.0);
  EXPECT_EQ(c.P2.pos, (Point{190, 50}));
  EXPECT_EQ(c.P2.Zo, 200.0);
  EXPECT_EQ(c.wires.count(), 3);
  // Tolerances in the sign order of every other component, and the fixed loss records.
  const ToleranceValue& l = c.components[1].value[1];
  EXPECT_EQ(l.mintol, -5.0);
  EXPECT_EQ(l.maxtol, 5.0);
  EXPECT_TRUE(l.TolEn && l.TolPercent);
  EXPECT_EQ(c.components[2].value[1].mintol, -2.0);
  EXPECT_EQ(c.components[1].value[2].nom, 100.0);
  EXPECT_EQ(c.components[1].value[4].nom, 1e9);
  EXPECT_FALSE(c.components[1].value[5].TolEn);

  // The pair is ordered by size, not by field.
  MatchingInput swapped;
  swapped.zin = 200.0;
  swapped.zout = 50.0;
  const MatchingResult s = designMatchingNetwork(swapped);
  ASSERT_TRUE(s.built);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(s.circuit.components[i], c.components[i]);
  }

  // High pass: the series capacitor and the shunt inductor for the same reactances.
  MatchingInput hp;
  hp.topology = MatchTopology::LHighPass;
  const MatchingResult h = designMatchingNetwork(hp);
  EXPECT_EQ(h.circuit.components[1].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(reactanceOf(h.circuit.components[1], 100e6), 86.60, 0.01);
  EXPECT_NEAR(reactanceOf(h.circuit.components[2], 100e6), 115.47, 0.01);
}

TEST(MatchingAssistant, PadPiAndTee)
{
  MatchingInput in;
  in.topology = MatchTopology::MinimumLossPad;
  const MatchingResult pad = designMatchingNetwork(in);
  ASSERT_TRUE(pad.built);
  EXPECT_NEAR(nomOf(pad.circuit, 1), 173.2, 0.05);
  EXPECT_NEAR(nomOf(pad.circuit, 2), 57.7, 0.05);
  EXPECT_EQ(pad.circuit.P1.Zo, 200.0); // the series resistor is on the 200 ohm side
  EXPECT_EQ(pad.circuit.P1.pos, (Point{40, 50}));
  EXPECT_EQ(pad.circuit.P2.pos, (Point{210, 50}));
  EXPECT_EQ(pad.circuit.components[1].value[1].maxtol, 2.0);

  // Pi low pass, Q = 10: the series inductor carries Xs1 + Xs2 = 29.55 ohm.
  in.topology = MatchTopology::PiLowPass;
  in.bandwidth = 10e6;
  const MatchingResult pi = designMatchingNetwork(in);
  ASSERT_TRUE(pi.built);
  ASSERT_EQ(pi.circuit.components.count(), 5);
  EXPECT_EQ(pi.circuit.components[1].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(reactanceOf(pi.circuit.components[1], 100e6), 20.0, 1e-9);
  EXPECT_EQ(pi.circuit.components[3].ctype, ComponentType::Inductor);
  EXPECT_NEAR(reactanceOf(pi.circuit.components[3], 100e6), 29.55, 0.005);
  EXPECT_NEAR(reactanceOf(pi.circuit.components[4], 100e6), 10.15, 0.005);
  EXPECT_EQ(pi.circuit.P1.Zo, 200.0);

  // Tee low pass, Q = 10: 984.9 ohm at the 200 ohm port, 500 ohm at the other, shunt 338.4.
  in.topology = MatchTopology::TeeLowPass;
  const MatchingResult tee = designMatchingNetwork(in);
  ASSERT_TRUE(tee.built);
  EXPECT_EQ(tee.circuit.components[1].ctype, ComponentType::Inductor);
  EXPECT_NEAR(reactanceOf(tee.circuit.components[1], 100e6), 984.9, 0.05);
  EXPECT_EQ(tee.circuit.components[2].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(reactanceOf(tee.circuit.components[2], 100e6), 338.4, 0.05);
  EXPECT_NEAR(reactanceOf(tee.circuit.components[4], 100e6), 500.0, 1e-6);
  EXPECT_EQ(tee.circuit.P1.Zo, 200.0);
  EXPECT_EQ(tee.circuit.P2.pos, (Point{220, 50}));
}

TEST(MatchingAssistant, Refusals)
{
  MatchingInput in;
  in.zout = 50.0;
  EXPECT_EQ(designMatchingNetwork(in).error, kMsgImpedancesEqual);
  in.topology = MatchTopology::MinimumLossPad;
  EXPECT_EQ(designMatchingNetwork(in).error, kMsgImpedancesEqual);

  in.zout = 200.0;
  in.topology = MatchTopology::TeeLowPass;
  in.bandwidth = in.frequency; // Q = 1 exactly
  MatchingResult r = designMatchingNetwork(in);
  EXPECT_FALSE(r.built);
  EXPECT_EQ(r.error, kMsgNonRealisableBandwidth);

  in.topology = MatchTopology::PiLowPass;
  in.bandwidth = 2.0 * in.frequency; // Q = 0.5
  EXPECT_EQ(designMatchingNetwork(in).error, kMsgNonRealisableBandwidth);
  // Q above 0.5 but too low for 200:50 (Rv above Rl): refused instead of a NaN.
  in.bandwidth = in.frequency; // Q = 1, Rv = 100
  r = designMatchingNetwork(in);
  EXPECT_FALSE(r.built);
  EXPECT_EQ(r.error, kMsgNonRealisableBandwidth);

  // Bandwidth 0: nothing, silently.
  in.bandwidth = 0.0;
  r = designMatchingNetwork(in);
  EXPECT_FALSE(r.built);
  EXPECT_EQ(r.error, "");
}

TEST(AttenuatorAssistant, TeePiBridgedTee)
{
  AttenuatorInput in;
  in.topology = AttenuatorTopology::Tee;
  AttenuatorResult r = designAttenuator(in);
  ASSERT_TRUE(r.built);
  EXPECT_NEAR(nomOf(r.circuit, 1), 25.97, 0.005);
  EXPECT_NEAR(nomOf(r.circuit, 2), 35.14, 0.005);
  EXPECT_NEAR(nomOf(r.circuit, 4), 25.97, 0.005);
  EXPECT_EQ(r.circuit.components[1].value[1].mintol, -5.0);
  EXPECT_EQ(r.circuit.P2.pos, (Point{200, 50}));

  in.topology = AttenuatorTopology::Pi; // the defaults
  r = designAttenuator(in);
  ASSERT_TRUE(r.built);
  EXPECT_NEAR(nomOf(r.circuit, 1), 96.25, 0.005);
  EXPECT_NEAR(nomOf(r.circuit, 3), 71.15, 0.005);
  EXPECT_NEAR(nomOf(r.circuit, 4), 96.25, 0.005);
  EXPECT_EQ(r.circuit.P1.pos, (Point{30, 50}));

  in.topology = AttenuatorTopology::BridgedTee;
  in.zout = 75.0; // not used: both sides are Zin
  r = designAttenuator(in);
  ASSERT_TRUE(r.built);
  EXPECT_EQ(nomOf(r.circuit, 1), 50.0);
  EXPECT_NEAR(nomOf(r.circuit, 2), 23.12, 0.005);
  EXPECT_EQ(nomOf(r.circuit, 4), 50.0);
  EXPECT_NEAR(nomOf(r.circuit, 5), 108.1, 0.05);
  EXPECT_EQ(r.circuit.P2.Zo, 50.0);
  EXPECT_EQ(r.circuit.wires.count(), 9);

  for (double a : {0.0, 1000.0, -3.0, 1e-40}) {
    in.attenuationDb = a;
    r = designAttenuator(in);
    EXPECT_FALSE(r.built) << a;
    EXPECT_EQ(r.error, kMsgAttenuationRange);
  }
}

TEST(FilterAssistant, Prototypes)
{
  const FilterPrototype b = butterworthPrototype(3);
  EXPECT_NEAR(b[1], 1.0, 1e-12);
  EXPECT_NEAR(b[2], 2.0, 1e-12);
  EXPECT_NEAR(b[3], 1.0, 1e-12);
  EXPECT_EQ(b[4], 1.0);

  const FilterPrototype c3 = chebyshevPrototype(3, 0.1);
  EXPECT_NEAR(c3[1], 1.0316, 5e-5);
  EXPECT_NEAR(c3[2], 1.1474, 5e-5);
  EXPECT_NEAR(c3[3], 1.0316, 5e-5);
  EXPECT_EQ(c3[4], 1.0);
  EXPECT_NEAR(chebyshevPrototype(4, 0.1)[5], 1.3554, 5e-5);

  EXPECT_EQ(filterPoleCount(20), 15);
  EXPECT_EQ(filterPoleCount(0), 1);
  EXPECT_EQ(filterPoleCount(-4), 1);
  EXPECT_EQ(filterPoleCount(4.6), 5);
}

TEST(FilterAssistant, LaddersAndPlacement)
{
  FilterInput in;
  FilterResult r = designFilter(in);
  ASSERT_TRUE(r.built);
  const AssistantCircuit& c = r.circuit;
  ASSERT_EQ(c.components.count(), 4); // L, C, ground, L
  EXPECT_EQ(c.components[1].ctype, ComponentType::Inductor);
  EXPECT_NEAR(nomOf(c, 1), 795.8e-9, 0.05e-9);
  EXPECT_EQ(c.components[1].position, (Point{60, 50}));
  EXPECT_EQ(c.components[2].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(nomOf(c, 2), 636.6e-12, 0.05e-12);
  EXPECT_EQ(c.components[2].position, (Point{100, 100}));
  EXPECT_EQ(c.components[3].position, (Point{100, 130}));
  EXPECT_NEAR(nomOf(c, 4), 795.8e-9, 0.05e-9);
  EXPECT_EQ(c.P1.pos, (Point{0, 50}));
  EXPECT_EQ(c.P2.pos, (Point{200, 50}));
  EXPECT_EQ(c.P2.Zo, 50.0);

  // Chebyshev 0.1 dB with 4 poles: the load is 67.77 ohm (series first), 36.89 (parallel).
  in.type = FilterType::Chebyshev;
  in.poles = 4;
  EXPECT_NEAR(designFilter(in).circuit.P2.Zo, 67.77, 0.005);
  in.first = FilterFirstBranch::Parallel;
  EXPECT_NEAR(designFilter(in).circuit.P2.Zo, 36.89, 0.005);
  in.rippleDb = 0.0;
  r = designFilter(in);
  EXPECT_FALSE(r.built);
  EXPECT_EQ(r.error, kMsgNonRealisableRipple);

  // 15 poles build 15 elements (8 series, 7 shunt with their grounds).
  in = {};
  in.poles = filterPoleCount(20);
  EXPECT_EQ(designFilter(in).circuit.components.count(), 15 + 7);

  // High pass, parallel first, 2 poles: a shunt inductor at the cursor, then a series C.
  in = {};
  in.topology = FilterTopology::HighPass;
  in.first = FilterFirstBranch::Parallel;
  in.poles = 2;
  r = designFilter(in);
  EXPECT_EQ(r.circuit.components[1].ctype, ComponentType::Inductor);
  EXPECT_EQ(r.circuit.components[1].position, (Point{20, 100}));
  EXPECT_EQ(r.circuit.components[3].ctype, ComponentType::Capacitor);
  EXPECT_EQ(r.circuit.components[3].position, (Point{60, 50}));

  // Band pass: each resonator tunes to the centre.
  in = {};
  in.topology = FilterTopology::BandPass;
  r = designFilter(in);
  ASSERT_TRUE(r.built);
  const double l = nomOf(r.circuit, 1);
  const double cap = nomOf(r.circuit, 2);
  EXPECT_NEAR(1.0 / (kTwoPi * std::sqrt(l * cap)), 100e6, 1.0);
  EXPECT_EQ(r.circuit.components[2].position, (Point{140, 50}));
  EXPECT_EQ(r.circuit.P2.pos, (Point{20 + 160 + 60 + 160 + 20, 50}));
}

TEST(FilterAssistant, SweepAndPreviewShift)
{
  FilterInput in;
  AssistantWriteSettings s = filterWriteSettings(in);
  EXPECT_EQ(s.sweepMin, 1e6);
  EXPECT_EQ(s.sweepMax, 100e6);
  EXPECT_EQ(s.freqmode, 2);
  in.bandwidth = 5e3;
  EXPECT_EQ(filterWriteSettings(in).sweepMin, 1000.0);
  in = {};
  in.topology = FilterTopology::BandPass;
  s = filterWriteSettings(in);
  EXPECT_EQ(s.sweepMin, 80e6);
  EXPECT_EQ(s.sweepMax, 120e6);
  EXPECT_EQ(s.freqmode, 1);
  in.bandwidth = 60e6;
  EXPECT_EQ(filterWriteSettings(in).sweepMin, 1.0);

  in = {};
  EXPECT_EQ(filterPreviewShift(in, 0, 400), 200 - 120);
  EXPECT_EQ(filterPreviewShift(in, 10, 400), 80 - 60);
  in.topology = FilterTopology::BandPass;
  EXPECT_EQ(filterPreviewShift(in, 0, 400), 200 - 210);
  in.first = FilterFirstBranch::Parallel;
  EXPECT_EQ(filterPreviewShift(in, 0, 400), 200 - 180);
}

TEST(AssistantCircuit, WrittenIntoTheDocument)
{
  auto doc = std::make_unique<Schematic>();
  Environment env;
  env.filename = "old.cct";
  doc->drawdat.components.append(Component{});

  // The filter moves everything 20 right (x + 25 onto the grid) and sweeps logarithmically.
  FilterInput in;
  const FilterResult f = designFilter(in);
  writeAssistantSchematic(*doc, env, f.circuit, filterWriteSettings(in));
  EXPECT_EQ(env.filename, "unnamed.cct");
  const Drawing& d = doc->drawdat;
  ASSERT_EQ(d.components.count(), 4);
  EXPECT_EQ(d.P1.pos, (Point{20, 50}));
  EXPECT_EQ(d.components[1].position, (Point{80, 50}));
  EXPECT_EQ(d.wires[1].start, (Point{40, 50}));
  EXPECT_EQ(d.P1.crot, 1);
  EXPECT_EQ(d.P2.crot, 1);
  EXPECT_EQ(doc->Xax.min, 1e6);
  EXPECT_EQ(doc->Xax.freqmode, 2);
  EXPECT_EQ(doc->plotformat, PlotFormat::Rectangular);
  EXPECT_EQ(doc->Y1ax.measwhat, MeasuredParameter::S21);
  EXPECT_EQ(doc->Y2ax.measwhat, MeasuredParameter::S11);
  EXPECT_EQ(doc->Y1ax.tracetype, TraceType::Log10Power);
  EXPECT_EQ(doc->Y1ax.min, -40.0);
  EXPECT_EQ(doc->Y2ax.max, 10.0);

  // The matching assistant copies coordinates unchanged and sweeps f -/+ 5B linearly.
  const MatchingResult m = designMatchingNetwork({});
  writeAssistantSchematic(*doc, env, m.circuit, matchingWriteSettings(100e6, m.bandwidth));
  EXPECT_EQ(d.components[1].position, (Point{110, 50}));
  EXPECT_NEAR(doc->Xax.min, 1000.0, 0.0); // 100 MHz - 5 x 57.7 MHz is below 1000 Hz
  EXPECT_NEAR(doc->Xax.max, 100e6 + 5 * m.bandwidth, 1.0);
  EXPECT_EQ(doc->Xax.freqmode, 1);

  // The attenuator keeps the preferences' sweep limits.
  writeAssistantSchematic(*doc, env, designAttenuator({}).circuit, attenuatorWriteSettings());
  EXPECT_EQ(doc->Xax.min, env.lowfreq);
  EXPECT_EQ(doc->Xax.max, env.highfreq);
  EXPECT_EQ(doc->Xax.freqmode, 2);
}

} // namespace
} // namespace norvane
