// The bipolar transistor: a small-signal hybrid-pi model whose parameters the dialog can
// estimate from the bias current and fT ("ball-park" model).

#include "kinds/kindunit.h"

#include <cmath>

namespace norvane::kinds {
namespace {

using namespace stampconst;

// Each slot's three doubles are separate model parameters.
constexpr double kMin = 1e-20;
constexpr double kMax = 1e12;
constexpr ParameterDescription kParameters[] = {
    {"beta", 1, F::Nom, "", false, 0, 3, kMin, kMax, value(100)},
    {"re", 2, F::Nom, "R", false, 0, 3, kMin, kMax, value(16)},
    {"rbb", 2, F::MinTol, "R", false, 0, 3, kMin, kMax, value(10)},
    {"ro", 2, F::MaxTol, "R", false, 0, 3, kMin, kMax, value(5000)},
    {"cbe", 3, F::Nom, "F", false, 0, 3, kMin, kMax, value(1e-12)},
    {"ccb", 3, F::MinTol, "F", false, 0, 3, kMin, kMax, value(5e-13)},
    {"delay", 3, F::MaxTol, "s", false, 0, 3, kMin, kMax, value(1e-11)},
    {"lb", 4, F::Nom, "H", false, 0, 3, kMin, kMax, value(5e-10)},
    {"betaCutoff", 4, F::MinTol, "Hz", false, 0, 3, kMin, kMax, value(3e7)},
    {"le", 4, F::MaxTol, "H", false, 0, 3, kMin, kMax, value(5e-10)},
    {"ic", 5, F::Nom, "A", false, 0, 3, 1e-20, 1e20, value(0.005)},
    {"ft", 5, F::MinTol, "Hz", false, 0, 3, 1.0, 1e20, value(3e9)},
    {"ballParkModel", 5, F::TolEn, "", false, 0, 0, 0, 1, value(1)},
    {"surfaceMount", 5, F::TolPercent, "", false, 0, 0, 0, 1, value(0)},
};

// Collector on top, base left, emitter below with its arrow; pins 4 and 5 sit on the
// reference point and stand for the model's internal node.
constexpr std::array kSymbol{
    L(0, -10, 0, 10),    L(-10, 0, 0, 0),  L(0, -5, 10, -10), L(0, 5, 10, 10), L(10, 10, 10, 20),
    L(10, -10, 10, -20), L(10, 10, 6, 10), L(10, 10, 10, 5),  L(6, 10, 10, 5),
};

// The hybrid-pi model's values, as the stamp and the SPICE element both read them.
struct HybridPi
{
  double beta0, Re, Rbb, Ro, Cbe, Ccb, tau, Lb, fbeta, Le;
};

HybridPi hybridPiOf(const Component& c)
{
  return {read(c, describe(kParameters, "beta")),       read(c, describe(kParameters, "re")),
          read(c, describe(kParameters, "rbb")),        read(c, describe(kParameters, "ro")),
          read(c, describe(kParameters, "cbe")),        read(c, describe(kParameters, "ccb")),
          read(c, describe(kParameters, "delay")),      read(c, describe(kParameters, "lb")),
          read(c, describe(kParameters, "betaCutoff")), read(c, describe(kParameters, "le"))};
}

// Pins 1 collector, 2 base, 3 emitter, 4 (= 5) the internal base node b'. A hybrid-pi model:
// base branch Rbb + jwLb from base to b'; a current beta(f) Ib from collector into b'; Re
// parallel Cbe, in series with Le, from b' to the emitter; Ro and Ccb from collector to b'.
void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f, const DataSets&,
           ComplexErrors& errors)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const auto [beta0, Re, Rbb, Ro, Cbe, Ccb, tau, Lb, fbeta, Le] = hybridPiOf(c);
  const double w = kTwoPi * f;

  // beta(f) = beta0 e^(-j phi) / (1 + j f/fbeta). The delay enters as phi = f tau / (2 pi),
  // divided by 2 pi rather than multiplied, as the model has always had it.
  const double phi = f * tau / kTwoPi;
  const Complex delayed{beta0 * std::cos(phi), -beta0 * std::sin(phi)};
  const Complex beta = complexDiv(delayed, Complex{1.0, f / fbeta}, errors);
  const Complex Yb = complexDiv(Complex{1.0, 0.0}, Complex{Rbb, w * Lb}, errors);
  const Complex betaYb = complexMul(beta, Yb);

  m.add(p[1], p[2], betaYb);
  m.add(p[4], p[4], betaYb);
  m.add(p[1], p[4], -betaYb);
  m.add(p[4], p[2], -betaYb);

  stamp2(m, p[2], p[4], Yb);

  const double resonance = 1.0 - w * w * Le * Cbe;
  const double D = (Re * resonance) * (Re * resonance) + (w * Le) * (w * Le);
  const double G = Re / D;
  const double B = w * (Re * Re * Cbe * resonance - Le) / D;
  stamp2(m, p[3], p[4], Complex{G, B});

  stamp2(m, p[1], p[4], Complex{1.0 / Ro, 0.0});
  stamp2(m, p[1], p[4], Complex{0.0, w * Ccb});
}

std::string listing(const Schematic&, const Component&, const PinNodes& nodes)
{
  return "bipolar transistor " + listingNodes(nodes, 4);
}

std::vector<double> divisors(const Component& c)
{
  return {parameterValue(c, "ro"), parameterValue(c, "betaCutoff")};
}

// Pins 1 collector, 2 base, 3 emitter, 4 the internal base node b'. The base branch
// Rbb + jwLb carries Ib (sensed by a zero-volt source); the collector source beta(f) Ib
// with beta(f) = beta0 e^(-j f tau / (2 pi)) / (1 + j f/fbeta) is built as Ib turned into a
// voltage, delayed by a matched line of delay tau / (2 pi)^2 (the model's phase
// f tau / (2 pi) is w times that delay), passed through a one-pole RC low-pass with its
// corner at fbeta, and scaled by beta0 into a transconductance from collector to b'.
bool spice(Deck& d)
{
  const Component& c = d.component();
  const auto [beta0, Re, Rbb, Ro, Cbe, Ccb, tau, Lb, fbeta, Le] = hybridPiOf(c);
  if (!(fbeta > 0.0) || !(Re > 0.0) || !(Ro > 0.0) || Rbb < 0.0 || tau < 0.0) {
    return false;
  }
  d.comment("base branch Rbb, Lb; Ib sensed by " + d.name('V', "b") +
            "; beta(f) Ib: H, delay line, RC pole at fbeta, G");
  d.comment("emitter branch (Re || Cbe) + Le; Ro || Ccb from collector to b'");
  // Base branch.
  std::string at = d.pin(2);
  if (Rbb > 0.0) {
    d.line(d.name('R', "bb") + ' ' + at + ' ' + d.inner("r") + ' ' + num(Rbb));
    at = d.inner("r");
  }
  if (Lb != 0.0) {
    d.line(d.name('L', "b") + ' ' + at + ' ' + d.inner("l") + ' ' + num(Lb));
    at = d.inner("l");
  }
  d.line(d.name('V', "b") + ' ' + at + ' ' + d.pin(4) + " 0");
  // beta(f) Ib.
  d.line(d.name('H') + ' ' + d.inner("x") + " 0 " + d.name('V', "b") + " 1");
  std::string delayed = d.inner("x");
  if (tau > 0.0) {
    d.line(d.name('T') + ' ' + d.inner("x") + " 0 " + d.inner("y") +
           " 0 z0=1 td=" + num(tau / (kTwoPi * kTwoPi)));
    d.line(d.name('R', "t") + ' ' + d.inner("y") + " 0 1");
    delayed = d.inner("y");
  }
  d.line(d.name('E', "f") + ' ' + d.inner("z") + " 0 " + delayed + " 0 1");
  d.line(d.name('R', "f") + ' ' + d.inner("z") + ' ' + d.inner("p") + " 1");
  d.line(d.name('C', "f") + ' ' + d.inner("p") + " 0 " + num(1.0 / (kTwoPi * fbeta)));
  d.line(d.name('G') + ' ' + d.pin(1) + ' ' + d.pin(4) + ' ' + d.inner("p") + " 0 " + num(beta0));
  // Emitter branch: (Re parallel Cbe) in series with Le.
  const std::string m = Le != 0.0 ? d.inner("m") : d.pin(3);
  d.line(d.name('R', "e") + ' ' + d.pin(4) + ' ' + m + ' ' + num(Re));
  if (Cbe != 0.0) {
    d.line(d.name('C', "be") + ' ' + d.pin(4) + ' ' + m + ' ' + num(Cbe));
  }
  if (Le != 0.0) {
    d.line(d.name('L', "e") + ' ' + m + ' ' + d.pin(3) + ' ' + num(Le));
  }
  // Collector to b'.
  d.line(d.name('R', "o") + ' ' + d.pin(1) + ' ' + d.pin(4) + ' ' + num(Ro));
  if (Ccb != 0.0) {
    d.line(d.name('C', "cb") + ' ' + d.pin(1) + ' ' + d.pin(4) + ' ' + num(Ccb));
  }
  return true;
}

// The bias the model implies: with the ball-park model on, its collector current Ic; else the
// emitter current that makes Re the emitter's dynamic resistance, Ie = Vt/Re (Vt = kT/q at
// the noise temperature), of which Ic = beta0/(beta0 + 1) Ie. The base current is Ic/beta0.
struct Bias
{
  double ic = 0.0;
  double ib = 0.0;
};

Bias biasOf(const Component& c, double kT)
{
  const HybridPi h = hybridPiOf(c);
  Bias b;
  if (read(c, describe(kParameters, "ballParkModel")) != 0.0) {
    b.ic = read(c, describe(kParameters, "ic"));
  } else {
    const double ie = kT / noiseconst::kElementaryCharge / h.Re;
    b.ic = ie * h.beta0 / (h.beta0 + 1.0);
  }
  b.ib = b.ic / h.beta0;
  return b;
}

// The hybrid-pi noise model on this model's topology, where the collector source is beta(f)
// times the base branch's current Ib (not a transconductance), so a noise current that
// takes part in Ib comes with beta(f) times itself from the collector into b':
// - the thermal noise of the base branch (Rbb + jwLb): a current 4kT Re(Yb) in the branch,
//   from the base into b', and beta times it from the collector into b';
// - the base current's shot noise 2q Ib, which in the hybrid-pi flows across r_pi and is
//   amplified like a base current: here a current from the emitter into b' with beta times
//   it from the collector into b', so that r_pi = (beta + 1) Re carries (beta + 1) times it
//   as the hybrid-pi's r_pi carries it once with beta times it at the collector;
// - the collector current's shot noise 2q Ic from collector to emitter.
// Re and Ro are dynamic resistances, not resistors: no thermal noise.
void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f, const DataSets&,
           ComplexErrors& errors)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const HybridPi h = hybridPiOf(c);
  const double w = kTwoPi * f;
  const Complex Yb = complexDiv(Complex{1.0, 0.0}, Complex{h.Rbb, w * h.Lb}, errors);
  const double phi = f * h.tau / kTwoPi;
  const Complex beta = complexDiv(Complex{h.beta0 * std::cos(phi), -h.beta0 * std::sin(phi)},
                                  Complex{1.0, f / h.fbeta}, errors);
  const Complex intoBase = beta + Complex{1.0, 0.0};
  const Bias bias = biasOf(c, n.kT());

  const int branch[3] = {p[1], p[4], p[2]};
  const Complex branchWeights[3] = {-beta, intoBase, Complex{-1.0, 0.0}};
  n.addCorrelated(branch, branchWeights, 3, 4.0 * n.kT() * std::fabs(Yb.re));

  const int junction[3] = {p[1], p[4], p[3]};
  const Complex junctionWeights[3] = {-beta, intoBase, Complex{-1.0, 0.0}};
  n.addCorrelated(junction, junctionWeights, 3,
                  2.0 * noiseconst::kElementaryCharge * std::fabs(bias.ib));
  n.addShot(p[1], p[3], bias.ic);
}

constexpr DeviceModel kDevice{stamp, listing, divisors, spice, noise};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Bipolar,
    .codeName = "ckBipolar",
    .prefix = "Q",
    .title = "bipolar transistor",
    .pins = 5,
    .templateRecord = &Schematic::lastBipolar,
    .templateValues = 5,
    .parameters = kParameters,
    .tunedParameter = "beta",
    .symbol = {kindCode(T::Bipolar),
               pinTable({{10, -20}, {-10, 0}, {10, 20}, {0, 0}, {0, 0}}),
               {10, 0},
               kClassMirrored,
               kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds
