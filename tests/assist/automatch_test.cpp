#include "assist/automatch.h"
#include "assist/matchsafety.h"

#include "sim/plotpoint.h"

#include "sim/netlist_support.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using testing::Circuit;

constexpr double kPi = 3.14159265358979323846;

Complex polar(double mag, double deg)
{
  return polarToComplex(mag, deg * kPi / 180.0);
}

Complex cdiv(Complex a, Complex b)
{
  const double den = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / den, (a.im * b.re - a.re * b.im) / den};
}

// The reflection of the impedance a port network was designed for, back from R + jX.
Complex gammaOf(const PortMatchNetwork& net, double zo)
{
  const Complex z{net.r, net.x};
  return cdiv(z - Complex{zo, 0.0}, z + Complex{zo, 0.0});
}

MatchInput input(int mode, Complex s11, Complex s21, Complex s12, Complex s22)
{
  MatchInput in;
  in.request.mode = mode;
  in.request.frequency = 100e6;
  in.s11 = s11;
  in.s21 = s21;
  in.s12 = s12;
  in.s22 = s22;
  return in;
}

TEST(Match, HundredOhmLoadLowPass)
{
  // Gamma of 100 ohm in 50 ohm is 1/3: R = 100 >= 50, Q = 1, Xs = 50, Xp = 100.
  const MatchPlan plan = matchNetwork(input(matchmode::Port1, {1.0 / 3.0, 0}, {}, {}, {}));
  ASSERT_TRUE(plan.port1.build);
  EXPECT_FALSE(plan.port2.build);
  EXPECT_TRUE(plan.messages.empty());
  EXPECT_NEAR(plan.port1.r, 100.0, 1e-9);
  EXPECT_NEAR(plan.port1.x, 0.0, 1e-9);
  EXPECT_TRUE(plan.port1.shuntOnCircuitSide);
  EXPECT_EQ(plan.port1.series.ctype, ComponentType::Inductor);
  EXPECT_NEAR(plan.port1.series.value, 50.0 / (2 * kPi * 100e6), 1e-15); // 79.6 nH
  EXPECT_EQ(plan.port1.shunt.ctype, ComponentType::Capacitor);
  EXPECT_NEAR(plan.port1.shunt.value, 1.0 / (2 * kPi * 100e6 * 100.0), 1e-18); // 15.9 pF
}

TEST(Match, LowResistanceHighPass)
{
  // 10 - j5 ohm matched to 50 ohm, high pass: R < R0, Q = 2, Xs = 20, Xp = 25.
  // Series capacitor for Xs + X = 15 ohm, shunt inductor for 25 ohm on the port side.
  const Complex z{10.0, -5.0};
  const Complex g = cdiv(z - Complex{50, 0}, z + Complex{50, 0});
  MatchInput in = input(matchmode::Port2, {}, {}, {}, g);
  in.request.topology2 = matchtopology::HighPass;
  const MatchPlan plan = matchNetwork(in);
  ASSERT_TRUE(plan.port2.build);
  EXPECT_FALSE(plan.port1.build);
  EXPECT_FALSE(plan.port2.shuntOnCircuitSide);
  const double w = 2 * kPi * 100e6;
  EXPECT_EQ(plan.port2.series.ctype, ComponentType::Capacitor);
  EXPECT_NEAR(plan.port2.series.value * w * 15.0, 1.0, 1e-9);
  EXPECT_EQ(plan.port2.shunt.ctype, ComponentType::Inductor);
  EXPECT_NEAR(plan.port2.shunt.value * w, 25.0, 1e-9);
}

TEST(Match, AlreadyMatchedPorts)
{
  const MatchPlan plan =
      matchNetwork(input(matchmode::Simultaneous, {0.0005, 0}, {0.1, 0}, {0, 0}, {0.5, 0.2}));
  EXPECT_FALSE(plan.refused);
  ASSERT_FALSE(plan.messages.empty());
  EXPECT_EQ(plan.messages[0].text, kMsgPort1Matched);
  EXPECT_FALSE(plan.messages[0].error);
  EXPECT_FALSE(plan.port1.build);

  const MatchPlan p2 = matchNetwork(input(matchmode::Port2, {0.5, 0}, {}, {}, {0, 0.0009}));
  ASSERT_EQ(p2.messages.size(), 1u);
  EXPECT_EQ(p2.messages[0].text, kMsgPort2Matched);
  EXPECT_FALSE(p2.port2.build);
}

TEST(Match, SymmetricCircuitFallsBackToPortOne)
{
  const MatchPlan plan =
      matchNetwork(input(matchmode::Simultaneous, {0.2, 0.1}, {0.8, 0}, {0.8, 0}, {0.205, 0.095}));
  EXPECT_EQ(plan.mode, matchmode::Port1);
  EXPECT_TRUE(plan.port1.build);
  EXPECT_FALSE(plan.port2.build);
  const MatchPlan opposite =
      matchNetwork(input(matchmode::Simultaneous, {0.2, 0.1}, {0.8, 0}, {0.8, 0}, {-0.2, -0.1}));
  EXPECT_EQ(opposite.mode, matchmode::Port1);
  // A port-2 request is carried out as asked.
  const MatchPlan p2 =
      matchNetwork(input(matchmode::Port2, {0.2, 0.1}, {0.8, 0}, {0.8, 0}, {0.2, 0.1}));
  EXPECT_EQ(p2.mode, matchmode::Port2);
  EXPECT_TRUE(p2.port2.build);
  EXPECT_FALSE(p2.port1.build);
}

TEST(Match, SimultaneousConjugateSolution)
{
  // An unconditionally stable transistor (K = 2.09). At the simultaneous conjugate match the
  // reflection each network is designed for is the port's reflection with the other port
  // terminated in the other network: Gamma1 = S11 + S12 S21 G2* / (1 - S22 G2*), and the same
  // with the ports exchanged.
  const Complex s11 = polar(0.6, -160);
  const Complex s21 = polar(2.5, 50);
  const Complex s12 = polar(0.05, 40);
  const Complex s22 = polar(0.4, -50);
  // Port 2's impedance there, 48.0 - j55.7 ohm, needs a negative series capacitor in a High
  // Pass section; the Low Pass section builds it.
  MatchInput in = input(matchmode::Simultaneous, s11, s21, s12, s22);
  EXPECT_TRUE(matchNetwork(in).refused);
  in.request.topology2 = matchtopology::LowPass;
  const MatchPlan plan = matchNetwork(in);
  ASSERT_FALSE(plan.refused);
  ASSERT_TRUE(plan.port1.build && plan.port2.build);
  const Complex g1 = gammaOf(plan.port1, 50.0);
  const Complex g2 = gammaOf(plan.port2, 50.0);
  const Complex one{1, 0};
  const Complex in1 = s11 + cdiv(s12 * s21 * complexConj(g2), one - s22 * complexConj(g2));
  const Complex in2 = s22 + cdiv(s12 * s21 * complexConj(g1), one - s11 * complexConj(g1));
  EXPECT_NEAR(g1.re, in1.re, 1e-9);
  EXPECT_NEAR(g1.im, in1.im, 1e-9);
  EXPECT_NEAR(g2.re, in2.re, 1e-9);
  EXPECT_NEAR(g2.im, in2.im, 1e-9);
  EXPECT_NEAR(g1.re, -0.633387914962602, 1e-9);
}

TEST(Match, SimultaneousRefusals)
{
  // Potentially unstable (K = 0.57): B1^2 - 4|C1|^2 < 0, no real solution.
  const MatchPlan unstable = matchNetwork(input(matchmode::Simultaneous, polar(0.7, -120),
                                                polar(4, 90), polar(0.15, 20), polar(0.6, -40)));
  EXPECT_TRUE(unstable.refused);
  ASSERT_EQ(unstable.messages.size(), 1u);
  EXPECT_EQ(unstable.messages[0].text, kMsgMatchNegativeRoot);
  EXPECT_TRUE(unstable.messages[0].error);
  EXPECT_FALSE(unstable.port1.build || unstable.port2.build);

  // Unilateral with S11 = 0: C1 = S11 (1 - |S22|^2) = 0, so port 1 has no defined solution.
  const MatchPlan degenerate =
      matchNetwork(input(matchmode::Simultaneous, {0, 0}, {2, 0}, {0, 0}, {0.5, 0}));
  EXPECT_TRUE(degenerate.refused);
  ASSERT_EQ(degenerate.messages.size(), 1u);
  EXPECT_EQ(degenerate.messages[0].text, kMsgMatchUnrealistic);

  // The document stays as it was.
  Circuit c = Circuit::series(ComponentType::Resistor, 10.0);
  const Schematic before = c.doc;
  ScriptedPrompts prompts;
  applyMatchPlan(c.doc, unstable, prompts);
  EXPECT_TRUE(c.doc == before);
  EXPECT_TRUE(prompts.saw(kMsgMatchNegativeRoot));
}

// The input impedance of a port's network (port side) when it is loaded with `z`.
Complex networkInput(const PortMatchNetwork& net, Complex z, double freq)
{
  const double w = 2 * kPi * freq;
  const auto reactance = [&](const MatchElement& e) {
    return e.ctype == ComponentType::Inductor ? w * e.value : -1.0 / (w * e.value);
  };
  const Complex one{1, 0};
  const Complex series{0, reactance(net.series)};
  const Complex shunt{0, -1.0 / reactance(net.shunt)}; // susceptance
  if (net.shuntOnCircuitSide) {
    return cdiv(one, cdiv(one, z) + shunt) + series;
  }
  return cdiv(one, cdiv(one, z + series) + shunt);
}

TEST(Match, EveryImpedanceIsMatchedWithPositiveElementsOrRefused)
{
  // Over a grid of impedances either topology builds only positive elements that match, and
  // where one cannot, it is refused naming the other, which can.
  int refusals = 0;
  for (double r : {2.0, 10.0, 40.0, 50.5, 60.0, 200.0, 1000.0}) {
    for (double x : {-400.0, -60.0, -5.0, 0.0, 5.0, 60.0, 400.0}) {
      const Complex z{r, x};
      const Complex g = cdiv(z - Complex{50, 0}, z + Complex{50, 0});
      for (int topology : {matchtopology::LowPass, matchtopology::HighPass}) {
        SCOPED_TRACE(std::to_string(r) + " " + std::to_string(x) + " " + std::to_string(topology));
        MatchInput in = input(matchmode::Port1, g, {}, {}, {});
        in.request.topology1 = topology;
        const MatchPlan plan = matchNetwork(in);
        if (plan.refused) {
          ++refusals;
          EXPECT_FALSE(plan.port1.build);
          ASSERT_EQ(plan.messages.size(), 1u);
          const char* other = topology == matchtopology::LowPass ? "High Pass" : "Low Pass";
          EXPECT_NE(plan.messages[0].text.find(std::string("Choose the ") + other),
                    std::string::npos)
              << plan.messages[0].text;
          in.request.topology1 = 1 - topology;
          EXPECT_FALSE(matchNetwork(in).refused);
          continue;
        }
        ASSERT_TRUE(plan.port1.build);
        EXPECT_GT(plan.port1.series.value, 0.0);
        EXPECT_GT(plan.port1.shunt.value, 0.0);
        const Complex zin = networkInput(plan.port1, z, in.request.frequency);
        EXPECT_NEAR(zin.re, 50.0, 1e-6);
        EXPECT_NEAR(zin.im, 0.0, 1e-6);
      }
    }
  }
  EXPECT_GT(refusals, 5);

  // No positive resistance: |Gamma| of 1 (a pure reactance) or more (a negative resistance).
  for (Complex g : {Complex{0.6, 0.8}, Complex{-1.5, 0.2}}) {
    const MatchPlan plan = matchNetwork(input(matchmode::Port1, g, {}, {}, {}));
    EXPECT_TRUE(plan.refused);
    ASSERT_EQ(plan.messages.size(), 1u);
    EXPECT_NE(plan.messages[0].text.find("no\rpositive resistance"), std::string::npos);
  }
}

TEST(Match, SimultaneousMatchNeedsUnconditionalStability)
{
  // 100 ohm in series, -20 ohm across port 2 (50 ohm ports): K = -9, |Delta| = 0.714. Both
  // discriminants are positive, yet the roots lie outside the unit circle.
  const Complex s11{1.0 / 7.0, 0}, s21{4.0 / 7.0, 0}, s22{-19.0 / 7.0, 0};
  const MatchPlan unstable = matchNetwork(input(matchmode::Simultaneous, s11, s21, s21, s22));
  EXPECT_TRUE(unstable.refused);
  ASSERT_EQ(unstable.messages.size(), 1u);
  EXPECT_EQ(unstable.messages[0].text.rfind(kMsgMatchNotStable, 0), 0u);
  EXPECT_NE(unstable.messages[0].text.find("K = -9.000, |Delta| = 0.714"), std::string::npos)
      << unstable.messages[0].text;
  const StabilityFactors f = rollettStability(s11, s21, s21, s22);
  EXPECT_NEAR(f.k, -9.0, 1e-12);

  // K > 1 with |Delta| > 1 is refused as well.
  const Complex a{2.0, 0}, b{0.5, 0};
  EXPECT_GT(rollettStability(a, b, b, a * Complex{1.2, 0}).k, 1.0);
  EXPECT_TRUE(matchNetwork(input(matchmode::Simultaneous, a, b, b, Complex{2.4, 0.1})).refused);

  // A lossless two-port (a 10 nH series inductor between 50 and 75 ohm at 1 GHz) has K = 1
  // and |Delta| = 1: matching port 1 matches both, so the request becomes a port-1 match.
  const double x = 2 * kPi * 1e9 * 10e-9;
  // Z = [[jx, jx], [jx, jx]] is singular; use the ABCD form: A = 1, B = jx, C = 0, D = 1.
  const double z1 = 50.0, z2 = 75.0;
  const Complex den{1.0 + z1 / z2, x / z2};
  const Complex l11 = cdiv(Complex{1.0 - z1 / z2, x / z2}, den);
  const Complex l22 = cdiv(Complex{z1 / z2 - 1.0, x / z2}, den);
  const Complex l21 = cdiv(Complex{2.0 * std::sqrt(z1 / z2), 0}, den);
  // Raw transmissions (2 V2, before the port-impedance scaling) as the simulator hands them.
  const Complex raw21 = std::sqrt(z2 / z1) * l21;
  const Complex raw12 = std::sqrt(z1 / z2) * l21;
  MatchInput lossless = input(matchmode::Simultaneous, l11, raw21, raw12, l22);
  lossless.zo2 = 75.0;
  lossless.request.r2 = 75.0;
  lossless.request.frequency = 1e9;
  const MatchPlan plan = matchNetwork(lossless);
  EXPECT_FALSE(plan.refused);
  EXPECT_EQ(plan.mode, matchmode::Port1);

  // A lone 30 ohm series resistor between 50 and 75 ohm: K = 1 with |Delta| < 1, no
  // simultaneous solution (and no talk of oscillation).
  const double s21r = 2.0 * std::sqrt(z1 * z2) / 155.0;
  MatchInput resistor =
      input(matchmode::Simultaneous, {55.0 / 155.0, 0}, {s21r * std::sqrt(z2 / z1), 0},
            {s21r * std::sqrt(z1 / z2), 0}, {5.0 / 155.0, 0});
  resistor.zo2 = 75.0;
  const MatchPlan single = matchNetwork(resistor);
  EXPECT_TRUE(single.refused);
  ASSERT_EQ(single.messages.size(), 1u);
  EXPECT_EQ(single.messages[0].text, kMsgMatchUnrealistic);
}

TEST(Match, NetworkIsPlacedInFrontOfThePort)
{
  // Port 1 at (100, 100) facing right onto a 100 ohm resistor to ground.
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 100.0); // resistor at (120, 120)
  c.wire(50, 300, 90, 300);
  const MatchPlan plan = matchNetwork(input(matchmode::Port1, {1.0 / 3.0, 0}, {}, {}, {}));
  ScriptedPrompts prompts;
  applyMatchPlan(c.doc, plan, prompts);
  EXPECT_TRUE(prompts.messages.empty());
  const Drawing& d = c.doc.drawdat;
  // Everything moved 100 right, then the port 80 back: it ends 20 right of where it was.
  EXPECT_EQ(d.P1.pos, (Point{120, 100}));
  EXPECT_EQ(d.components[1].position, (Point{220, 120}));
  EXPECT_EQ(d.wires[1].start, (Point{150, 300}));
  ASSERT_EQ(d.components.count(), 5);
  const Component& series = d.components[3];
  EXPECT_EQ(series.ctype, ComponentType::Inductor);
  EXPECT_EQ(series.position, (Point{180, 100}));
  EXPECT_EQ(series.crot, 2);
  EXPECT_TRUE(series.value[1].TolEn && series.value[1].TolPercent);
  EXPECT_EQ(series.value[1].mintol, -5.0);
  const Component& shunt = d.components[4];
  EXPECT_EQ(shunt.ctype, ComponentType::Capacitor);
  EXPECT_EQ(shunt.position, (Point{210, 160})); // circuit side of the series element
  EXPECT_EQ(shunt.value[1].maxtol, 2.0);
  EXPECT_EQ(d.components[5].ctype, ComponentType::Ground);
  EXPECT_EQ(d.components[5].position, (Point{210, 190}));
  ASSERT_EQ(d.wires.count(), 4);
  EXPECT_EQ(d.wires[2].start, (Point{140, 100}));
  EXPECT_EQ(d.wires[2].finish, (Point{160, 100}));
  EXPECT_EQ(d.wires[3].start, (Point{210, 100}));
  EXPECT_EQ(d.wires[3].finish, (Point{210, 140}));
  EXPECT_EQ(d.wires[4].start, (Point{200, 100}));
  EXPECT_EQ(d.wires[4].finish, (Point{220, 100}));
  EXPECT_EQ(d.P1.Zo, 50.0);
}

TEST(Match, PortTwoNetworkGrowsLeftwards)
{
  Circuit c =
      Circuit::series(ComponentType::Resistor, 10.0); // port 2 at (200, 100), terminal (180, 100)
  MatchInput in = input(matchmode::Port2, {}, {}, {}, {0.5, 0});
  in.request.r2 = 75.0;
  ScriptedPrompts prompts;
  applyMatchPlan(c.doc, matchNetwork(in), prompts);
  const Drawing& d = c.doc.drawdat;
  EXPECT_EQ(d.P2.pos, (Point{280, 100})); // no room needed: the port moves out by 80
  EXPECT_EQ(d.components[1].position, (Point{140, 100}));
  EXPECT_EQ(d.components[2].position, (Point{220, 100}));        // series element
  EXPECT_EQ(d.wires[d.wires.count()].finish, (Point{180, 100})); // back to the old terminal
  EXPECT_EQ(d.P2.Zo, 75.0);
}

TEST(Match, CapacityIsRespected)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  while (c.doc.drawdat.components.count() < kMaxComponents - 1) {
    c.add(ComponentType::Resistor, 1000, 1000, 1, 1.0);
  }
  const Schematic before = c.doc;
  ScriptedPrompts prompts;
  applyMatchPlan(c.doc, matchNetwork(input(matchmode::Port1, {1.0 / 3.0, 0}, {}, {}, {})), prompts);
  EXPECT_TRUE(prompts.saw("maximum of 1000 components"));
  EXPECT_TRUE(c.doc == before);
}

// Collects the points of a run.
class Points : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override { points.push_back(p); }
  std::vector<SweepPoint> points;
};

// A run with both ports excited over the document's sweep (or at the match frequency).
SimulateResult simulateAll(Schematic& doc, SimulationSession& session, Points& out,
                           Prompts& prompts)
{
  SimulateResult r = checkCircuit(doc, session, prompts);
  if (r.checked) {
    SweepRequest request;
    request.plan = planSweep(doc);
    simulateCircuit(doc, session, request, out, prompts, r);
  }
  return r;
}

TEST(Match, AutoMatchRunsMatchThenSimulate)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  c.doc.Xax.min = 100e6;
  c.doc.Xax.max = 200e6;
  c.doc.Xax.numpoints = 1;
  c.doc.Xax.freqmode = freqmode::Linear;
  c.doc.plotformat = plotformat::DataList;
  SimulationSession session;
  ScriptedPrompts prompts;
  std::vector<std::vector<SweepPoint>> runs;
  MatchRequest request;
  request.mode = matchmode::Port1;
  request.frequency = 100e6;
  const AutoMatchOutcome outcome = performAutoMatch(
      c.doc, session, request,
      [&] {
        Points out;
        const SimulateResult r = simulateAll(c.doc, session, out, prompts);
        runs.push_back(out.points);
        return r;
      },
      prompts);
  EXPECT_TRUE(outcome.analysed);
  EXPECT_FALSE(outcome.refused);
  EXPECT_EQ(outcome.networks, 1);
  EXPECT_EQ(session.match.mode, matchmode::None);
  ASSERT_EQ(c.doc.drawdat.components.count(), 5);
  // The first run at the match frequency only, the second over the sweep: the matched
  // circuit reflects nothing at 100 MHz.
  ASSERT_EQ(runs.size(), 2u);
  ASSERT_EQ(runs[0].size(), 1u);
  ASSERT_EQ(runs[1].size(), 2u);
  EXPECT_LT(complexAbs(runs[1][0].s11), 1e-9);
  EXPECT_GT(complexAbs(runs[1][1].s11), 0.1);

  // A circuit the check refuses: nothing is inserted and the request does not linger.
  Circuit empty;
  session.match = {};
  const AutoMatchOutcome refused = performAutoMatch(
      empty.doc, session, request,
      [&] {
        Points out;
        return simulateAll(empty.doc, session, out, prompts);
      },
      prompts);
  EXPECT_FALSE(refused.analysed);
  EXPECT_EQ(session.match.mode, matchmode::None);
  EXPECT_EQ(empty.doc.drawdat.components.count(), 0);
}

TEST(Match, AutoMatchWarnsOfOscillationAndRestoresRefusedPorts)
{
  // 50 ohm across port 1 and in series; across port 2 a series resonator at 2 GHz with
  // -20 ohm. Stable at 500 MHz (K = 3.0), where the match is made; at the resonance the
  // matched circuit reflects more than it receives: a warning, not an error.
  Circuit c = Circuit::series(ComponentType::Resistor, 50.0);
  c.add(ComponentType::Resistor, 120, 120, 1, 50.0);
  c.add(ComponentType::Ground, 120, 150);
  const double l = 50e-9;
  const double w = 2 * kPi * 2e9;
  c.add(ComponentType::Resistor, 180, 120, 1, -20.0);
  c.add(ComponentType::Inductor, 180, 160, 1, l);
  c.add(ComponentType::Capacitor, 180, 200, 1, 1.0 / (w * w * l));
  c.add(ComponentType::Ground, 180, 230);
  c.doc.Xax.min = 100e6;
  c.doc.Xax.max = 3e9;
  c.doc.Xax.numpoints = 290;
  c.doc.Xax.freqmode = freqmode::Linear;
  SimulationSession session;
  ScriptedPrompts prompts;
  MatchRequest request;
  request.mode = matchmode::Simultaneous;
  request.frequency = 500e6;
  request.topology2 = matchtopology::LowPass;
  const auto run = [&] {
    Points out;
    return simulateAll(c.doc, session, out, prompts);
  };
  const AutoMatchOutcome matched = performAutoMatch(c.doc, session, request, run, prompts);
  EXPECT_FALSE(matched.refused);
  EXPECT_EQ(matched.networks, 2);
  EXPECT_TRUE(matched.oscillates);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().kind, ScriptedPrompts::Kind::Warning);
  EXPECT_NE(prompts.messages.back().text.find("at port 2: |S22| = "), std::string::npos)
      << prompts.messages.back().text;
  const ReflectionPeak peak = largestReflection(c.doc);
  EXPECT_NEAR(peak.frequency, 2e9, 50e6);

  // A refused match (port 2 alone presents -20 ohm at the resonance) leaves the ports'
  // impedances as they were, whatever the request's targets.
  Circuit active = Circuit::series(ComponentType::Resistor, 100.0);
  active.add(ComponentType::Resistor, 180, 120, 1, -20.0);
  active.add(ComponentType::Ground, 180, 150);
  active.doc.Xax.min = 10e6;
  active.doc.Xax.max = 200e6;
  const Schematic before = active.doc;
  request.mode = matchmode::Port2;
  request.frequency = 100e6;
  request.r1 = request.r2 = 75.0;
  prompts.messages.clear();
  const AutoMatchOutcome refused = performAutoMatch(
      active.doc, session, request,
      [&] {
        Points out;
        return simulateAll(active.doc, session, out, prompts);
      },
      prompts);
  EXPECT_TRUE(refused.refused);
  EXPECT_EQ(refused.networks, 0);
  EXPECT_EQ(active.doc.drawdat.P1.Zo, 50.0);
  EXPECT_EQ(active.doc.drawdat.P2.Zo, 50.0);
  EXPECT_EQ(active.doc.drawdat.components.count(), before.drawdat.components.count());
  EXPECT_EQ(prompts.messages.front().kind, ScriptedPrompts::Kind::Error);
}

} // namespace
} // namespace norvane
