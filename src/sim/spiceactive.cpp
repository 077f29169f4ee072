// SPICE lines of the active kinds: op-amp, bipolar transistor and the four controlled
// sources. They are written as the stamps model them, sensing resistances and leaks
// included, so that ngspice solves the very network Norvane solves.

#include "document/kindparameters.h"
#include "sim/spicedeck.h"
#include "sim/stamps.h"

#include <cmath>

namespace norvane::spicedetail {

using kindparameters::describe;
using kindparameters::kBipolar;
using kindparameters::kCCCS;
using kindparameters::kCCVS;
using kindparameters::kOpAmp;
using kindparameters::kVCCS;
using kindparameters::kVCVS;
using kindparameters::read;

using namespace stampconst;

namespace {

constexpr double kTwoPi = 6.283185307179586477;

// The small conductance that keeps a source's output node solvable, from node to ground.
void leak(Deck& d, int pin)
{
  if (d.pin(pin) != "0") {
    d.comment("the model's 1e-9 S leak from pin " + std::to_string(pin) + " to ground");
  }
  d.leakToGround(d.pin(pin), "g" + std::to_string(pin), 1.0 / kSourceLeak);
}

} // namespace

// Pins 1 non-inverting input, 2 inverting input, 3 output: Ri between the inputs, and the
// output a source A (V1 - V2) behind Ro.
bool writeOpAmp(Deck& d)
{
  const Component& c = d.component();
  const std::string o = d.inner("o");
  d.comment("Ri between the inputs; output A (V1 - V2) behind Ro");
  d.line(d.name('R', "i") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(c, describe(kOpAmp, "inputResistance"))));
  d.line(d.name('E') + ' ' + o + " 0 " + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(c, describe(kOpAmp, "gain"))));
  d.line(d.name('R', "o") + ' ' + o + ' ' + d.pin(3) + ' ' +
         num(read(c, describe(kOpAmp, "outputResistance"))));
  return true;
}

// Pins 1 collector, 2 base, 3 emitter, 4 the internal base node b'. The base branch
// Rbb + jwLb carries Ib (sensed by a zero-volt source); the collector source beta(f) Ib
// with beta(f) = beta0 e^(-j f tau / (2 pi)) / (1 + j f/fbeta) is built as Ib turned into a
// voltage, delayed by a matched line of delay tau / (2 pi)^2 (the model's phase
// f tau / (2 pi) is w times that delay), passed through a one-pole RC low-pass with its
// corner at fbeta, and scaled by beta0 into a transconductance from collector to b'.
bool writeBipolar(Deck& d)
{
  const Component& c = d.component();
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

// Pins 1, 2 control (+, -); 3, 4 output (+, -): A (V1 - V2) behind 0.1 uOhm, and a leak
// from pin 3 to ground.
bool writeVCVS(Deck& d)
{
  const std::string o = d.inner("o");
  d.comment("output A (V1 - V2) behind the model's 0.1 uOhm");
  d.line(d.name('E') + ' ' + o + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kVCVS, "gain"))));
  d.line(d.name('R', "o") + ' ' + d.pin(3) + ' ' + o + ' ' + num(1.0 / kVcvsOutput));
  leak(d, 3);
  return true;
}

// A current gm (V1 - V2) out of pin 3 through the source into pin 4; leaks at both.
bool writeVCCS(Deck& d)
{
  d.line(d.name('G') + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kVCCS, "gain"))));
  leak(d, 3);
  leak(d, 4);
  return true;
}

// The control current is sensed through 0.1 uOhm between pins 1 and 2; the output Rm I
// (written as the voltage gain Rm / 0.1 uOhm on the sensing voltage) behind 0.1 uOhm.
bool writeCCVS(Deck& d)
{
  const std::string o = d.inner("o");
  d.comment("control current sensed through 0.1 uOhm; output Rm I behind 0.1 uOhm");
  d.line(d.name('R', "s") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(1.0 / kCcvsBranch));
  d.line(d.name('E') + ' ' + o + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kCCVS, "gain")) * kCcvsTransfer / kCcvsBranch));
  d.line(d.name('R', "o") + ' ' + d.pin(3) + ' ' + o + ' ' + num(1.0 / kCcvsBranch));
  leak(d, 4);
  return true;
}

// The control current is sensed through 1 nOhm between pins 1 and 2; beta times it flows
// out of pin 3 through the source into pin 4.
bool writeCCCS(Deck& d)
{
  d.comment("control current sensed through 1 nOhm; output beta I");
  d.line(d.name('R', "s") + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(1.0 / kCccsSense));
  d.line(d.name('G') + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(read(d.component(), describe(kCCCS, "gain")) * kCccsSense));
  leak(d, 3);
  leak(d, 4);
  return true;
}

} // namespace norvane::spicedetail
