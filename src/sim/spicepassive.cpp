// SPICE lines of the passive kinds: resistor, capacitor, inductor, transmission line and the
// coupled windings (transformer and mutual inductance).

#include "document/kindparameters.h"
#include "sim/spicedeck.h"
#include "sim/stamps.h"

#include <cmath>

namespace norvane::spicedetail {

using kindparameters::describe;
using kindparameters::kCapacitor;
using kindparameters::kInductor;
using kindparameters::kResistor;
using kindparameters::kTransformer;
using kindparameters::kTxLine;
using kindparameters::read;
using kindparameters::slotOf;

namespace {

constexpr double kTwoPi = 6.283185307179586477;

// ngspice evaluates `hertz` in an element's expression at every point of an AC or .sp
// analysis (and as 0 at the operating point, where max() keeps the divisions finite; the
// sweep never goes below 1 mHz, so the floor never touches a swept point).
constexpr const char* kHertz = "max(hertz,1e-4)";

// The physical capacitor: C parallel to its loss resistance Rp, in series with the
// self-resonance inductance. Rp follows the Q law of the mode.
std::string capacitorSubcircuit(QMode mode, std::string& name)
{
  std::string rp;
  switch (mode) {
  case QMode::ResistiveLossConstant: // Rp = F Q / (2 pi f^2 C)
    name = "norvane_cap_q1";
    rp = std::string("fq*qval/(") + kHertz + "*2*pi*" + kHertz + "*cval)";
    break;
  case QMode::SquareRoot: // Rp = sqrt(F/f) Q / (2 pi f C)
    name = "norvane_cap_q2";
    rp = std::string("sqrt(fq/") + kHertz + ")*qval/(2*pi*" + kHertz + "*cval)";
    break;
  case QMode::ConstantQ: // Rp = Q / (2 pi f C)
    name = "norvane_cap_q3";
    rp = std::string("qval/(2*pi*") + kHertz + "*cval)";
    break;
  }
  return ".subckt " + name +
         " a b cval=1 qval=1 fq=1 ls=1\n"
         "* capacitor C parallel to its loss resistance, in series with its self-resonance "
         "inductance\n"
         "C1 a m {cval}\n"
         "R1 a m R={" +
         rp +
         "}\n"
         "L1 m b {ls}\n"
         ".ends " +
         name + "\n";
}

// The physical inductor: L in series with its loss resistance Rs, parallel to the
// self-resonance capacitance.
std::string inductorSubcircuit(QMode mode, std::string& name)
{
  std::string rs;
  switch (mode) {
  case QMode::ResistiveLossConstant: // Rs = 2 pi F L / Q, the same at every frequency:
    name = "norvane_ind_q1";         // computed by the caller
    rs = "rs";
    break;
  case QMode::SquareRoot: // Rs = sqrt(F/f) 2 pi f L / Q
    name = "norvane_ind_q2";
    rs = std::string("sqrt(fq/") + kHertz + ")*2*pi*" + kHertz + "*lval/qval";
    break;
  case QMode::ConstantQ: // Rs = 2 pi f L / Q
    name = "norvane_ind_q3";
    rs = std::string("2*pi*") + kHertz + "*lval/qval";
    break;
  }
  const std::string value =
      mode == QMode::ResistiveLossConstant ? "{" + rs + "}" : "R={" + rs + "}";
  return ".subckt " + name +
         " a b lval=1 qval=1 fq=1 cp=1 rs=1\n"
         "* inductor L in series with its loss resistance, parallel to its self-resonance "
         "capacitance\n"
         "L1 a m {lval}\n"
         "R1 m b " +
         value +
         "\n"
         "C1 a b {cp}\n"
         ".ends " +
         name + "\n";
}

const char* qModeText(QMode mode)
{
  switch (mode) {
  case QMode::ResistiveLossConstant:
    return "Q proportional to 1/f";
  case QMode::SquareRoot:
    return "Q proportional to 1/sqrt(f)";
  case QMode::ConstantQ:
    break;
  }
  return "constant Q";
}

} // namespace

bool writeResistor(Deck& d)
{
  const Component& c = d.component();
  d.line(d.name('R') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' +
         num(c.value[slotOf(kResistor, "resistance")].actual));
  return true;
}

bool writeCapacitor(Deck& d)
{
  const Component& c = d.component();
  const double C = c.value[slotOf(kCapacitor, "capacitance")].actual;
  if (!usesPhysicalModel(c)) {
    d.line(d.name('C') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(C));
    return true;
  }
  const QMode mode = qModeOf(qModeNumber(c));
  const double wr = kTwoPi * selfResonance(c);
  const double Ls = 1.0 / (wr * wr * C);
  std::string sub;
  d.useSubcircuit(capacitorSubcircuit(mode, sub));
  d.comment(std::string("physical model: Q ") + num(qualityFactor(c)) + " at " +
            num(qFrequency(c)) + " Hz (" + qModeText(mode) + "), self-resonance " +
            num(selfResonance(c)) + " Hz");
  d.line(d.name('X') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + sub + " cval=" + num(C) +
         " qval=" + num(qualityFactor(c)) + " fq=" + num(qFrequency(c)) + " ls=" + num(Ls));
  return true;
}

bool writeInductor(Deck& d)
{
  const Component& c = d.component();
  const double L = c.value[slotOf(kInductor, "inductance")].actual;
  if (!usesPhysicalModel(c)) {
    d.line(d.name('L') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + num(L));
    return true;
  }
  const QMode mode = qModeOf(qModeNumber(c));
  const double wr = kTwoPi * selfResonance(c);
  const double Cp = 1.0 / (wr * wr * L);
  std::string sub;
  d.useSubcircuit(inductorSubcircuit(mode, sub));
  const char* law = mode == QMode::ResistiveLossConstant ? "Q proportional to f"
                    : mode == QMode::SquareRoot          ? "Q proportional to sqrt(f)"
                                                         : "constant Q";
  d.comment(std::string("physical model: Q ") + num(qualityFactor(c)) + " at " +
            num(qFrequency(c)) + " Hz (" + law + "), self-resonance " + num(selfResonance(c)) +
            " Hz");
  std::string line = d.name('X') + ' ' + d.pin(1) + ' ' + d.pin(2) + ' ' + sub + " lval=" + num(L) +
                     " qval=" + num(qualityFactor(c)) + " fq=" + num(qFrequency(c)) +
                     " cp=" + num(Cp);
  if (mode == QMode::ResistiveLossConstant) {
    line += " rs=" + num(kTwoPi * qFrequency(c) * L / qualityFactor(c));
  }
  d.line(line);
  return true;
}

// A lossless line between pin 1 and pin 2, both ends referred to ground; its electrical
// length 2 pi f l / v is the delay l / v.
bool writeTxLine(Deck& d)
{
  const Component& c = d.component();
  const ToleranceValue& zv = c.value[slotOf(kTxLine, "impedance")];
  const ToleranceValue& lv = c.value[slotOf(kTxLine, "length")];
  const double Zo = zv.TolEn ? zv.actual : zv.nom;
  const double length = lv.TolEn ? lv.actual : lv.nom;
  const double delay = length / read(c, describe(kTxLine, "velocity"));
  if (!(delay > 0.0) || !(Zo > 0.0) || !std::isfinite(delay)) {
    return false;
  }
  d.line(d.name('T') + ' ' + d.pin(1) + " 0 " + d.pin(2) + " 0 z0=" + num(Zo) +
         " td=" + num(delay));
  return true;
}

// The windings are stamped through their inverse-inductance matrix
//   Y = 1/(jw) [ 1/Lp, -k/sqrt(Lp Ls); -k/sqrt(Lp Ls), 1/Ls ],
// which splits exactly into w w^T + diag(0, (1 - k^2)/Ls) with w = (1/sqrt(Lp), -k/sqrt(Ls)):
// an inductance Lp in series with the primary of an ideal transformer of voltage ratio
// n = k sqrt(Lp/Ls), and Ls/(1 - k^2) across the secondary (absent when k = 1). Unlike a
// SPICE K coupling this stays finite at k = 1, as the stamp does. The ideal windings
// (no physical model) are the same with the series reactance of 1 nOhm left out.
namespace {

bool writeWindings(Deck& d, bool transformer)
{
  const Component& c = d.component();
  const double Ns = read(c, describe(kTransformer, "secondaryTurns"));
  const double Np = read(c, describe(kTransformer, "primaryTurns"));
  const double Lp = read(c, describe(kTransformer, "primaryInductance"));
  const double k = read(c, describe(kTransformer, "coupling"));
  const bool physical = read(c, describe(kTransformer, "physicalModel")) != 0.0;
  const std::string a = d.inner("a");
  const std::string b = d.inner("b");
  double n = 0.0;
  double Ls = 0.0;
  if (physical) {
    Ls = transformer ? (Ns / Np) * (Ns / Np) * Lp : Lp * Ns / Np;
    n = k * std::sqrt(Lp / Ls);
    if (!std::isfinite(n) || !(Lp > 0.0) || !(Ls > 0.0)) {
      return false;
    }
    d.comment("Lp in series with an ideal transformer of ratio k sqrt(Lp/Ls) (E, F), and "
              "Ls/(1-k^2) across the secondary");
    d.line(d.name('L', "p") + ' ' + d.pin(1) + ' ' + a + ' ' + num(Lp));
    d.line(d.name('V', "s") + ' ' + a + ' ' + b + " 0");
  } else {
    n = transformer ? Np / Ns : std::sqrt(Np / Ns);
    if (!std::isfinite(n) || !(n > 0.0)) {
      return false;
    }
    d.comment("ideal transformer (E, F); the model's 1 nOhm series reactance is left out");
    d.line(d.name('V', "s") + ' ' + d.pin(1) + ' ' + b + " 0");
  }
  d.line(d.name('E') + ' ' + b + ' ' + d.pin(2) + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + num(n));
  d.line(d.name('F') + ' ' + d.pin(4) + ' ' + d.pin(3) + ' ' + d.name('V', "s") + ' ' + num(n));
  if (physical && std::fabs(k) != 1.0) {
    d.line(d.name('L', "s") + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + num(Ls / (1.0 - k * k)));
  }
  if (transformer) {
    // The transformer model adds the secondary susceptance once more from pins 2 and 4 to
    // ground (with a 1e-20 S leak, left out): the inductance Ls, or for ideal windings a
    // near short of 1e-9 (Ns/Np)^2 ohm, written as a resistance of that size.
    bool commented = false;
    for (int p : {2, 4}) {
      if (d.pin(p) == "0") {
        continue;
      }
      if (!commented) {
        d.comment("the model's secondary susceptance again from pins 2 and 4 to ground");
        commented = true;
      }
      const std::string suffix = "g" + std::to_string(p);
      if (physical) {
        d.line(d.name('L', suffix) + ' ' + d.pin(p) + " 0 " + num(Ls));
      } else {
        d.line(d.name('R', suffix) + ' ' + d.pin(p) + " 0 " +
               num(1.0 / (stampconst::kIdealWinding * n * n)));
      }
    }
  }
  return true;
}

} // namespace

bool writeTransformer(Deck& d)
{
  return writeWindings(d, true);
}

bool writeMutual(Deck& d)
{
  return writeWindings(d, false);
}

} // namespace norvane::spicedetail
