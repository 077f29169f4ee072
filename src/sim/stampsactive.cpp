// Active models: op-amp, bipolar transistor and the four controlled sources, all in Norton
// form (no extra rows). Ideal sources are approximated with large conductances; the small
// leaks keep otherwise floating output nodes solvable.

#include "document/kindparameters.h"
#include "sim/stamps.h"
#include "sim/stampsdetail.h"

#include <cmath>

namespace norvane::stampdetail {

using kindparameters::describe;
using kindparameters::kBipolar;
using kindparameters::kCCCS;
using kindparameters::kCCVS;
using kindparameters::kOpAmp;
using kindparameters::kVCCS;
using kindparameters::kVCVS;
using kindparameters::read;

using namespace stampconst;

// Pins 1 non-inverting input, 2 inverting input, 3 output; all voltages to ground. The output
// is a source A (V1 - V2) behind Ro, the inputs are joined by Ri.
void stampOpAmp(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 3, p)) {
    return;
  }
  const double Ri = read(c, describe(kOpAmp, "inputResistance"));
  const double Ro = read(c, describe(kOpAmp, "outputResistance"));
  const double A = read(c, describe(kOpAmp, "gain"));
  stamp2(m, p[1], p[2], Complex{1.0 / Ri, 0.0});
  m.add(p[3], p[3], Complex{1.0 / Ro, 0.0});
  m.add(p[3], p[2], Complex{A / Ro, 0.0});
  m.add(p[3], p[1], Complex{-A / Ro, 0.0});
}

// Pins 1 collector, 2 base, 3 emitter, 4 (= 5) the internal base node b'. A hybrid-pi model:
// base branch Rbb + jwLb from base to b'; a current beta(f) Ib from collector into b'; Re
// parallel Cbe, in series with Le, from b' to the emitter; Ro and Ccb from collector to b'.
void stampBipolar(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                  ComplexErrors& errors)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double beta0 = read(c, describe(kBipolar, "beta"));
  const double Re = read(c, describe(kBipolar, "re"));
  const double Rbb = read(c, describe(kBipolar, "rbb"));
  const double Ro = read(c, describe(kBipolar, "ro"));
  const double Cbe = read(c, describe(kBipolar, "cbe"));
  const double Ccb = read(c, describe(kBipolar, "ccb"));
  const double tau = read(c, describe(kBipolar, "delay"));
  const double Lb = read(c, describe(kBipolar, "lb"));
  const double fbeta = read(c, describe(kBipolar, "betaCutoff"));
  const double Le = read(c, describe(kBipolar, "le"));
  const double w = kTwoPi * f;

  // beta(f) = beta0 e^(-j phi) / (1 + j f/fbeta). The delay enters as phi = f tau / (2 pi),
  // divided by 2 pi rather than multiplied, as the model has always had it.
  const double phi = f * tau / kTwoPi;
  const Complex delayed{beta0 * std::cos(phi), -beta0 * std::sin(phi)};
  const Complex beta = ComplexDiv(delayed, Complex{1.0, f / fbeta}, errors);
  const Complex Yb = ComplexDiv(Complex{1.0, 0.0}, Complex{Rbb, w * Lb}, errors);
  const Complex betaYb = ComplexMul(beta, Yb);

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

namespace {

// The transfer term of a controlled source: x (V2 - V1) into the output rows 3 and 4, with
// the four additions always in the same order (3,2), (4,1), (3,1), (4,2).
void stampTransfer(ComplexMatrix& m, const Pins& p, double x)
{
  m.add(p[3], p[2], Complex{x, 0.0});
  m.add(p[4], p[1], Complex{x, 0.0});
  m.add(p[3], p[1], Complex{-x, 0.0});
  m.add(p[4], p[2], Complex{-x, 0.0});
}

} // namespace

// Pins 1, 2 control (+, -); 3, 4 output (+, -). The output is A (V1 - V2) behind 1/G0.
void stampVCVS(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double AG = read(c, describe(kVCVS, "gain")) * kVcvsOutput;
  stamp2(m, p[3], p[4], Complex{kVcvsOutput, 0.0});
  stampTransfer(m, p, AG);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
}

// A current gm (V1 - V2) flows out of node 3 through the source into node 4.
void stampVCCS(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double gm = read(c, describe(kVCCS, "gain"));
  stampTransfer(m, p, -gm);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

// The control current is sensed through 0.1 uOhm between pins 1 and 2; the output is
// Rm I behind 0.1 uOhm between pins 3 and 4.
void stampCCVS(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double transfer = read(c, describe(kCCVS, "gain")) * kCcvsTransfer;
  stamp2(m, p[1], p[2], Complex{kCcvsBranch, 0.0});
  stamp2(m, p[3], p[4], Complex{kCcvsBranch, 0.0});
  stampTransfer(m, p, transfer);
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

// The control current is sensed through 1 nOhm between pins 1 and 2; beta times it flows out
// of node 3 through the source into node 4.
void stampCCCS(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const double gain = read(c, describe(kCCCS, "gain")) * kCccsSense;
  stamp2(m, p[1], p[2], Complex{kCccsSense, 0.0});
  stampTransfer(m, p, -gain);
  m.add(p[3], p[3], Complex{kSourceLeak, 0.0});
  m.add(p[4], p[4], Complex{kSourceLeak, 0.0});
}

} // namespace norvane::stampdetail
