#include "assist/automatch.h"

#include "assist/matchsafety.h"
#include "document/pins.h"
#include "numbers/valuetext.h"
#include "sim/netlist.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace norvane {

namespace {

// Below this |Gamma| a port counts as matched already.
constexpr double kMatchedGamma = 0.001;
// S11 and S22 closer than this (per part) to equal or opposite make the simultaneous
// solution degenerate.
constexpr double kSymmetricTolerance = 0.01;
// How close K and |Delta| must come to 1 for a two-port to count as lossless.
constexpr double kLosslessTolerance = 1e-9;
// An element value this large stands for a zero divisor (an open or a short): never built.
constexpr double kBigValue = 1e20;
constexpr double kTwoPi = 6.283185307179586477;
// Room made for a network, and how far the port moves out.
constexpr int kRoom = 100;
constexpr int kPortShift = 80;

double magSquared(Complex a)
{
  return a.re * a.re + a.im * a.im;
}

bool finite(Complex a)
{
  return std::isfinite(a.re) && std::isfinite(a.im);
}

bool nearlyEqual(Complex a, Complex b)
{
  return std::fabs(a.re - b.re) <= kSymmetricTolerance &&
         std::fabs(a.im - b.im) <= kSymmetricTolerance;
}

// The reflection a simultaneous conjugate match presents at one port (Gonzalez, "Microwave
// Transistor Amplifiers", eq. 3.6.7/3.6.8): Gamma = C k with
// k = (B - sign(B) sqrt(B^2 - 4|C|^2)) / (2|C|^2).
enum class Root { Ok, Negative, Unrealistic };
Root conjugateReflection(double b, Complex c, Complex& gamma)
{
  const double cSq = magSquared(c);
  const double disc = b * b - 4.0 * cSq;
  if (disc < 0.0) {
    return Root::Negative;
  }
  if (cSq <= 0.0) {
    return Root::Unrealistic;
  }
  const double sign = b >= 0.0 ? 1.0 : -1.0;
  const double k = (b - sign * std::sqrt(disc)) / (2.0 * cSq);
  gamma = Complex{c.re * k, c.im * k};
  return Root::Ok;
}

// One L-section as signed element values: the series reactance (positive: an inductor,
// negative: a capacitor) and the shunt susceptance (positive: a capacitor, negative: an
// inductor), both in ohm and siemens.
struct Section
{
  double seriesX = 0.0;
  double shuntB = 0.0;
};

// The element of a signed reactance or susceptance; its value is not a positive finite number
// when the sign does not fit the kind.
MatchElement seriesElement(bool lowPass, double x, double omega)
{
  // X = wL for the inductor; X = -1/(wC) for the capacitor.
  return lowPass ? MatchElement{ComponentType::Inductor, x / omega}
                 : MatchElement{ComponentType::Capacitor, -1.0 / (omega * x)};
}

MatchElement shuntElement(bool lowPass, double b, double omega)
{
  // B = wC for the capacitor; B = -1/(wL) for the inductor.
  return lowPass ? MatchElement{ComponentType::Capacitor, b / omega}
                 : MatchElement{ComponentType::Inductor, -1.0 / (omega * b)};
}

bool buildable(const MatchElement& e)
{
  return std::isnormal(e.value) && e.value > 0.0 && e.value < kBigValue;
}

bool buildable(const Section& s, bool lowPass, double omega)
{
  return buildable(seriesElement(lowPass, s.seriesX, omega)) &&
         buildable(shuntElement(lowPass, s.shuntB, omega));
}

std::string topologyName(bool lowPass)
{
  return lowPass ? "Low Pass" : "High Pass";
}

std::string describe(const MatchElement& e)
{
  const std::string kind = e.ctype == ComponentType::Inductor ? "inductor" : "capacitor";
  const std::string unit = e.ctype == ComponentType::Inductor ? "H" : "F";
  if (!std::isfinite(e.value) || !(std::fabs(e.value) < kBigValue)) {
    return "an unbounded " + kind;
  }
  return "a " + kind + " of " + formatEngineering(3, e.value) + unit;
}

// The L-section that transforms the impedance of reflection `gamma` (referred to zo) to the
// resistance r0 (the classic two-element match; Pozar, "Microwave Engineering", 5.1). Each
// topology has one solution; its elements have the right signs only for some impedances, and
// where they have not, the other topology's have.
PortMatchNetwork designPort(Complex gamma, double zo, double r0, int topology, double freq,
                            int port)
{
  PortMatchNetwork net;
  net.build = true;
  net.targetR = r0;
  const std::string name = "Port " + std::to_string(port);
  const double magnitude = complexAbs(gamma);
  if (!std::isfinite(magnitude)) {
    net.build = false;
    net.problem = name + " cannot be matched at this frequency: the circuit gave no finite\r"
                         "S parameters there.";
    return net;
  }
  // |Gamma| >= 1 is a load without positive resistance: a lossless network cannot match it.
  if (!(magnitude < 1.0)) {
    net.build = false;
    net.problem = name +
                  " cannot be matched at this frequency: the impedance to match has no\r"
                  "positive resistance (|Gamma| = " +
                  formatFixed(magnitude, 3) +
                  "), and inductors and capacitors can only match a positive resistance.";
    return net;
  }
  ComplexErrors errors;
  const Complex one{1.0, 0.0};
  const Complex z = complexDiv(zo * (one + gamma), one - gamma, errors);
  net.r = z.re;
  net.x = z.im;
  const double omega = kTwoPi * freq;
  Section low;
  Section high;
  if (net.r >= r0) {
    // Shunt element at the load (circuit) side brings the conductance to 1/r0, the series
    // element then cancels the remaining reactance.
    net.shuntOnCircuitSide = true;
    const Complex y = complexDiv(one, z, errors);
    const double q = std::sqrt(std::max(0.0, (1.0 / y.re - r0) / r0));
    const double xs = q * r0;
    const double bp = y.re * q; // 1 / Xp
    low = {xs, bp - y.im};
    high = {-xs, -bp - y.im};
  } else {
    // Series element at the load side brings the resistance up to r0 in parallel form.
    net.shuntOnCircuitSide = false;
    const double q = std::sqrt((r0 - net.r) / net.r);
    const double xs = q * net.r;
    const double bp = q / r0; // 1 / Xp
    low = {xs - net.x, bp};
    high = {-(xs + net.x), -bp};
  }
  const bool lowPass = topology != matchtopology::HighPass;
  const Section& chosen = lowPass ? low : high;
  net.series = seriesElement(lowPass, chosen.seriesX, omega);
  net.shunt = shuntElement(lowPass, chosen.shuntB, omega);
  if (!buildable(chosen, lowPass, omega)) {
    net.build = false;
    const MatchElement& bad = buildable(net.series) ? net.shunt : net.series;
    net.problem = name + " cannot be matched with a " + topologyName(lowPass) +
                  " network at this frequency:\rit would need " + describe(bad) + ".";
    if (buildable(lowPass ? high : low, !lowPass, omega)) {
      net.problem += "\rChoose the " + topologyName(!lowPass) + " topology for port " +
                     std::to_string(port) + ".";
    } else {
      net.problem += "\rNeither topology can match it.";
    }
  }
  return net;
}

void moveDrawing(Drawing& drawing, int dx)
{
  for (Component& comp : drawing.components) {
    comp.position.x += dx;
  }
  for (Wire& w : drawing.wires) {
    w.start.x += dx;
    w.finish.x += dx;
  }
  for (Port* port : {&drawing.P1, &drawing.P2}) {
    if (portIsPlaced(*port)) {
      port->pos.x += dx;
    }
  }
}

Component makeComponent(ComponentType ctype, int crot, Point position, double value)
{
  Component comp;
  comp.ctype = ctype;
  comp.crot = crot;
  comp.position = position;
  if (ctype == ComponentType::Capacitor || ctype == ComponentType::Inductor) {
    ToleranceValue& v = comp.value[1];
    v.nom = value;
    v.actual = value;
    const double tol = ctype == ComponentType::Capacitor ? 2.0 : 5.0;
    v.mintol = -tol;
    v.maxtol = tol;
    v.TolEn = true;
    v.TolPercent = true;
  }
  computePinPositions(comp);
  return comp;
}

void buildPort(Schematic& doc, int port, const PortMatchNetwork& net, Prompts& prompts)
{
  Drawing& drawing = doc.drawdat;
  if (drawing.components.count() + 3 > kMaxComponents) {
    prompts.error("maximum of " + std::to_string(kMaxComponents) + " components");
    return;
  }
  if (drawing.wires.count() + 3 > kMaxWires) {
    prompts.error("maximum of " + std::to_string(kMaxWires) + " shorts");
    return;
  }
  Port& p = port == 1 ? drawing.P1 : drawing.P2;
  // Which way the network grows: towards the circuit, from the port's connection side.
  int d;
  if (port == 1) {
    d = p.crot == 1 ? 1 : -1;
    if (d == 1) {
      moveDrawing(drawing, kRoom);
    }
    p.pos.x -= kPortShift * d;
  } else {
    d = p.crot == 2 ? -1 : 1;
    if (d == -1) {
      moveDrawing(drawing, kRoom);
    }
    p.pos.x += kPortShift * d;
  }
  const int s = port == 1 ? d : -d; // +k offsets of port 1 are -k offsets for port 2
  const int x = p.pos.x;
  const int y = p.pos.y;
  const int shuntX = x + (net.shuntOnCircuitSide ? 90 : 30) * s;
  drawing.components.append(makeComponent(net.series.ctype, 2, {x + 60 * s, y}, net.series.value));
  drawing.components.append(makeComponent(net.shunt.ctype, 1, {shuntX, y + 60}, net.shunt.value));
  drawing.components.append(makeComponent(ComponentType::Ground, 1, {shuntX, y + 90}, 0.0));
  appendShort(drawing, {x + 20 * s, y}, {x + 40 * s, y});
  appendShort(drawing, {shuntX, y}, {shuntX, y + 40});
  appendShort(drawing, {x + 80 * s, y}, {x + 100 * s, y});
  p.Zo = net.targetR;
}

} // namespace

MatchPlan matchNetwork(const MatchInput& input)
{
  const MatchRequest& req = input.request;
  MatchPlan plan;
  plan.mode = req.mode;
  Complex gamma1 = input.s11;
  Complex gamma2 = input.s22;

  if (plan.mode == matchmode::Simultaneous &&
      (nearlyEqual(input.s11, input.s22) || nearlyEqual(input.s11, -input.s22))) {
    plan.mode = matchmode::Port1;
  }
  // A lossless two-port (K = 1, |Delta| = 1) has no single simultaneous solution: the roots
  // are made of rounding noise. Matching port 1 matches port 2 as well, since no power is
  // lost on the way.
  if (plan.mode == matchmode::Simultaneous) {
    const StabilityFactors f = rollettStability(input.s11, input.s21, input.s12, input.s22);
    if (std::fabs(f.k - 1.0) < kLosslessTolerance &&
        std::fabs(f.deltaMagnitude - 1.0) < kLosslessTolerance) {
      plan.mode = matchmode::Port1;
    }
  }

  if (plan.mode == matchmode::Simultaneous &&
      !(finite(input.s11) && finite(input.s21) && finite(input.s12) && finite(input.s22))) {
    plan.refused = true;
    plan.messages.push_back({true, kMsgMatchNoFiniteS});
    return plan;
  }

  if (plan.mode == matchmode::Simultaneous) {
    const Complex s11 = input.s11;
    const Complex s22 = input.s22;
    const Complex delta = s11 * s22 - input.s12 * input.s21;
    const Complex c1 = s11 - delta * complexConj(s22);
    const Complex c2 = s22 - delta * complexConj(s11);
    const double b1 = 1.0 + magSquared(s11) - magSquared(s22) - magSquared(delta);
    const double b2 = 1.0 + magSquared(s22) - magSquared(s11) - magSquared(delta);
    const Root r1 = conjugateReflection(b1, c1, gamma1);
    const Root r2 = conjugateReflection(b2, c2, gamma2);
    // K = 1 with |Delta| < 1 is a lossy two-port of a single element (a series or shunt
    // resistance): no simultaneous solution exists, and the discriminants are rounding noise.
    const StabilityFactors stability = rollettStability(s11, input.s21, input.s12, s22);
    if (std::fabs(stability.k - 1.0) < kLosslessTolerance && stability.deltaMagnitude < 1.0) {
      plan.refused = true;
      plan.messages.push_back({true, kMsgMatchUnrealistic});
      return plan;
    }
    if (r1 == Root::Negative || r2 == Root::Negative) {
      plan.refused = true;
      plan.messages.push_back({true, kMsgMatchNegativeRoot});
      return plan;
    }
    // Real roots alone do not make a match: for K <= -1, or |Delta| >= 1, they lie outside
    // the unit circle and the matched circuit would oscillate.
    if (!stability.unconditionallyStable()) {
      plan.refused = true;
      const std::string k = std::isfinite(stability.k) ? formatFixed(stability.k, 3)
                            : stability.k > 0.0        ? "infinite"
                                                       : "-infinite";
      plan.messages.push_back({true, std::string(kMsgMatchNotStable) + " (K = " + k +
                                         ", |Delta| = " + formatFixed(stability.deltaMagnitude, 3) +
                                         ";\ra conjugate match needs K > 1 and |Delta| < 1).\r"
                                         "It would oscillate if it were conjugately matched."});
      return plan;
    }
    if (r1 == Root::Unrealistic || r2 == Root::Unrealistic) {
      plan.refused = true;
      plan.messages.push_back({true, kMsgMatchUnrealistic});
      return plan;
    }
  }

  if (plan.mode == matchmode::Port1 || plan.mode == matchmode::Simultaneous) {
    if (complexAbs(gamma1) < kMatchedGamma) {
      plan.messages.push_back({false, kMsgPort1Matched});
    } else {
      plan.port1 = designPort(gamma1, input.zo1, req.r1, req.topology1, req.frequency, 1);
    }
  }
  if (plan.mode == matchmode::Port2 || plan.mode == matchmode::Simultaneous) {
    if (complexAbs(gamma2) < kMatchedGamma) {
      plan.messages.push_back({false, kMsgPort2Matched});
    } else {
      plan.port2 = designPort(gamma2, input.zo2, req.r2, req.topology2, req.frequency, 2);
    }
  }
  for (PortMatchNetwork* net : {&plan.port1, &plan.port2}) {
    if (!net->problem.empty()) {
      plan.refused = true;
      plan.messages.push_back({true, net->problem});
    }
  }
  if (plan.refused) {
    plan.port1.build = plan.port2.build = false;
  }
  return plan;
}

void applyMatchPlan(Schematic& doc, const MatchPlan& plan, Prompts& prompts)
{
  for (const MatchMessage& m : plan.messages) {
    if (m.error) {
      prompts.error(m.text);
    } else {
      prompts.information(m.text);
    }
  }
  if (plan.refused) {
    return;
  }
  if (plan.port1.build) {
    buildPort(doc, 1, plan.port1, prompts);
  }
  if (plan.port2.build) {
    buildPort(doc, 2, plan.port2, prompts);
  }
}

AutoMatchOutcome performAutoMatch(Schematic& doc, SimulationSession& session,
                                  const MatchRequest& request,
                                  const std::function<SimulateResult()>& simulate, Prompts& prompts)
{
  AutoMatchOutcome outcome;
  if (const std::string problem = matchFrequencyProblem(doc, request.frequency); !problem.empty()) {
    prompts.error(problem);
    outcome.refused = true;
    return outcome;
  }
  const double zo1 = doc.drawdat.P1.Zo;
  const double zo2 = doc.drawdat.P2.Zo;
  doc.drawdat.P1.Zo = request.r1;
  doc.drawdat.P2.Zo = request.r2;
  session.match = request;
  const SimulateResult first = simulate();
  session.match.mode = matchmode::None;
  if (first.matchAnalysed) {
    outcome.analysed = true;
    const MatchPlan plan = matchNetwork(first.match);
    outcome.refused = plan.refused;
    const int before = doc.drawdat.components.count();
    applyMatchPlan(doc, plan, prompts);
    outcome.networks = (doc.drawdat.components.count() - before) / 3;
  }
  if (!outcome.analysed || outcome.refused) {
    // Nothing was matched: the ports keep the impedances they had.
    doc.drawdat.P1.Zo = zo1;
    doc.drawdat.P2.Zo = zo2;
  }
  outcome.finalRun = simulate();
  if (outcome.networks > 0) {
    const std::string warning = oscillationWarning(largestReflection(doc));
    if (!warning.empty()) {
      outcome.oscillates = true;
      prompts.warning(warning);
    }
  }
  return outcome;
}

} // namespace norvane
