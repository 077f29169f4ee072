#include "assist/automatch.h"

#include "document/pins.h"
#include "sim/netlist.h"

#include <cmath>
#include <string>

namespace norvane {

namespace {

// Below this |Gamma| a port counts as matched already.
constexpr double kMatchedGamma = 0.001;
// S11 and S22 closer than this (per part) to equal or opposite make the simultaneous
// solution degenerate.
constexpr double kSymmetricTolerance = 0.01;
// Result of a division by zero for port 1; for port 2 a zero divisor is replaced by 1e-20.
constexpr double kBigValue = 1e20;
constexpr double kTinyDivisor = 1e-20;
constexpr double kTwoPi = 6.283185307179586477;
// Room made for a network, and how far the port moves out.
constexpr int kRoom = 100;
constexpr int kPortShift = 80;

double magSquared(Complex a)
{
  return a.re * a.re + a.im * a.im;
}

bool nearlyEqual(Complex a, Complex b)
{
  return std::fabs(a.re - b.re) <= kSymmetricTolerance &&
         std::fabs(a.im - b.im) <= kSymmetricTolerance;
}

// a / b with the port's rule for a zero divisor.
double divide(double a, double b, int port)
{
  if (b != 0.0) {
    return a / b;
  }
  return port == 1 ? kBigValue : a / kTinyDivisor;
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

MatchElement element(ComponentType ctype, double reactance, double omega, int port)
{
  MatchElement e;
  e.ctype = ctype;
  if (ctype == ComponentType::Capacitor) {
    e.value = divide(1.0, omega * reactance, port); // X = 1/(wC)
  } else {
    e.value = divide(reactance, omega, port); // X = wL
  }
  return e;
}

// The L-section that transforms the impedance of reflection `gamma` (referred to zo) to the
// resistance r0 (the classic two-element match; Pozar, "Microwave Engineering", 5.1).
PortMatchNetwork designPort(Complex gamma, double zo, double r0, int topology, double freq,
                            int port)
{
  ComplexErrors errors;
  PortMatchNetwork net;
  net.build = true;
  net.targetR = r0;
  const Complex one{1.0, 0.0};
  const Complex denom = one - gamma;
  if (isZero(denom)) {
    net.r = kBigValue;
    net.x = kBigValue;
  } else {
    const Complex z = ComplexDiv(zo * (one + gamma), denom, errors);
    net.r = z.re;
    net.x = z.im;
  }
  const double omega = kTwoPi * freq;
  const bool lowPass = topology != matchtopology::HighPass;
  const ComponentType seriesKind = lowPass ? ComponentType::Inductor : ComponentType::Capacitor;
  const ComponentType shuntKind = lowPass ? ComponentType::Capacitor : ComponentType::Inductor;

  if (net.r >= r0) {
    // Shunt element at the load (circuit) side brings the conductance to 1/r0.
    net.shuntOnCircuitSide = true;
    const Complex y = ComplexDiv(one, Complex{net.r, net.x}, errors);
    const double g = y.re;
    const double b = y.im;
    const double q = std::sqrt(std::fabs(divide(divide(1.0, g, port) - r0, r0, port)));
    const double xs = q * r0;
    const double xp = divide(1.0, g * q, port);
    const double inv = divide(1.0, xp, port);
    net.series = element(seriesKind, xs, omega, port);
    net.shunt = element(shuntKind, divide(1.0, lowPass ? inv - b : inv + b, port), omega, port);
  } else {
    // Series element at the load side brings the resistance up to r0 in parallel form.
    net.shuntOnCircuitSide = false;
    const double q = std::sqrt(std::fabs(divide(r0 - net.r, net.r, port)));
    const double xs = q * net.r;
    const double xp = divide(r0, q, port);
    net.series = element(seriesKind, lowPass ? xs - net.x : xs + net.x, omega, port);
    net.shunt = element(shuntKind, xp, omega, port);
  }
  return net;
}

void moveDrawing(TDrawData& drawing, int dx)
{
  for (Tcomponent& comp : drawing.components) {
    comp.position.x += dx;
  }
  for (Tshort& w : drawing.wires) {
    w.start.x += dx;
    w.finish.x += dx;
  }
  for (Tport* port : {&drawing.P1, &drawing.P2}) {
    if (portIsPlaced(*port)) {
      port->pos.x += dx;
    }
  }
}

Tcomponent makeComponent(ComponentType ctype, int crot, TPoint position, double value)
{
  Tcomponent comp;
  comp.ctype = ctype;
  comp.crot = crot;
  comp.position = position;
  if (ctype == ComponentType::Capacitor || ctype == ComponentType::Inductor) {
    Ttolvalue& v = comp.value[1];
    v.nom = value;
    v.actual = value;
    const double tol = ctype == ComponentType::Capacitor ? 2.0 : 5.0;
    v.mintol = -tol;
    v.maxtol = tol;
    v.TolEn = true;
    v.TolPercent = true;
  }
  ComputePinPositions(comp);
  return comp;
}

void buildPort(Tschema& doc, int port, const PortMatchNetwork& net, Prompts& prompts)
{
  TDrawData& drawing = doc.drawdat;
  if (drawing.components.count() + 3 > kMaxComponents) {
    prompts.error("maximum of " + std::to_string(kMaxComponents) + " components");
    return;
  }
  if (drawing.wires.count() + 3 > kMaxWires) {
    prompts.error("maximum of " + std::to_string(kMaxWires) + " shorts");
    return;
  }
  Tport& p = port == 1 ? drawing.P1 : drawing.P2;
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
  AppendShort(drawing, {x + 20 * s, y}, {x + 40 * s, y});
  AppendShort(drawing, {shuntX, y}, {shuntX, y + 40});
  AppendShort(drawing, {x + 80 * s, y}, {x + 100 * s, y});
  p.Zo = net.targetR;
}

} // namespace

MatchPlan MatchNetwork(const MatchInput& input)
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

  if (plan.mode == matchmode::Simultaneous) {
    const Complex s11 = input.s11;
    const Complex s22 = input.s22;
    const Complex delta = s11 * s22 - input.s12 * input.s21;
    const Complex c1 = s11 - delta * ComplexConj(s22);
    const Complex c2 = s22 - delta * ComplexConj(s11);
    const double b1 = 1.0 + magSquared(s11) - magSquared(s22) - magSquared(delta);
    const double b2 = 1.0 + magSquared(s22) - magSquared(s11) - magSquared(delta);
    const Root r1 = conjugateReflection(b1, c1, gamma1);
    const Root r2 = conjugateReflection(b2, c2, gamma2);
    if (r1 == Root::Negative || r2 == Root::Negative) {
      plan.refused = true;
      plan.messages.push_back({true, kMsgMatchNegativeRoot});
      return plan;
    }
    if (r1 == Root::Unrealistic || r2 == Root::Unrealistic) {
      plan.refused = true;
      plan.messages.push_back({true, kMsgMatchUnrealistic});
      return plan;
    }
  }

  if (plan.mode == matchmode::Port1 || plan.mode == matchmode::Simultaneous) {
    if (ComplexAbs(gamma1) < kMatchedGamma) {
      plan.messages.push_back({false, kMsgPort1Matched});
    } else {
      plan.port1 = designPort(gamma1, input.zo1, req.r1, req.topology1, req.frequency, 1);
    }
  }
  if (plan.mode == matchmode::Port2 || plan.mode == matchmode::Simultaneous) {
    if (ComplexAbs(gamma2) < kMatchedGamma) {
      plan.messages.push_back({false, kMsgPort2Matched});
    } else {
      plan.port2 = designPort(gamma2, input.zo2, req.r2, req.topology2, req.frequency, 2);
    }
  }
  return plan;
}

void ApplyMatchPlan(Tschema& doc, const MatchPlan& plan, Prompts& prompts)
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

AutoMatchOutcome RunAutoMatch(Tschema& doc, SimulationSession& session, const MatchRequest& request,
                              const std::function<SimulateResult()>& simulate, Prompts& prompts)
{
  AutoMatchOutcome outcome;
  doc.drawdat.P1.Zo = request.r1;
  doc.drawdat.P2.Zo = request.r2;
  session.match = request;
  const SimulateResult first = simulate();
  session.match.mode = matchmode::None;
  if (first.matchAnalysed) {
    outcome.analysed = true;
    const MatchPlan plan = MatchNetwork(first.match);
    outcome.refused = plan.refused;
    const int before = doc.drawdat.components.count();
    ApplyMatchPlan(doc, plan, prompts);
    outcome.networks = (doc.drawdat.components.count() - before) / 3;
  }
  outcome.finalRun = simulate();
  return outcome;
}

} // namespace norvane
