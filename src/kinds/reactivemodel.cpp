#include "kinds/reactivemodel.h"

namespace norvane::kinds {

QMode qModeOf(double stored)
{
  const double r = std::nearbyint(stored);
  if (r == 1.0) {
    return QMode::ResistiveLossConstant;
  }
  if (r == 2.0) {
    return QMode::SquareRoot;
  }
  return QMode::ConstantQ;
}

SpiceExpression operator*(const SpiceExpression& a, const SpiceExpression& b)
{
  return {a.text + "*" + b.text, false};
}

SpiceExpression operator/(const SpiceExpression& a, const SpiceExpression& b)
{
  return {a.text + "/" + (b.term ? b.text : "(" + b.text + ")"), false};
}

SpiceExpression sqrt(const SpiceExpression& a)
{
  return {"sqrt(" + a.text + ")", true};
}

PhysicalModel physicalModelOf(const Component& c)
{
  PhysicalModel p;
  p.value = c.value[1].actual;
  p.Q = c.value[kQSlot].nom;
  p.F = c.value[kQFrequencySlot].nom;
  p.SRF = c.value[kSelfResonanceSlot].nom;
  p.mode = qModeOf(c.value[kModelSlot].nom);
  return p;
}

// (Rp || C) in series with Ls = 1/((2 pi SRF)^2 C):
//   Y = (1 + jwRpC) / (Rp(1 - w^2 Ls C) + jwLs)
//     = [Rp + jw(Rp^2 C (1 - w^2 Ls C) - Ls)] / D,  D = (Rp(1 - w^2 Ls C))^2 + (w Ls)^2.
Complex physicalCapacitorAdmittance(const PhysicalModel& c, double f)
{
  const double w = kTwoPi * f;
  const double C = c.value;
  const double wr = kTwoPi * c.SRF;
  const double Ls = 1.0 / (wr * wr * C);
  const double Rp = capacitorLossResistance(c.mode, c.Q, c.F, f, w, C);
  const double resonance = 1.0 - w * w * Ls * C;
  const double D = (Rp * resonance) * (Rp * resonance) + (w * Ls) * (w * Ls);
  const double G = Rp / D;
  const double B = w * (Rp * Rp * C * resonance - Ls) / D;
  return Complex{G, B};
}

// (Rs + jwL) in parallel with Cp = 1/((2 pi SRF)^2 L):
//   Y = (Rs - jwL) / (Rs^2 + (wL)^2) + jwCp.
Complex physicalInductorAdmittance(const PhysicalModel& l, double f)
{
  const double w = kTwoPi * f;
  const double L = l.value;
  const double wr = kTwoPi * l.SRF;
  const double Cp = 1.0 / (wr * wr * L);
  const double Rs = inductorLossResistance(l.mode, l.Q, l.F, f, w, L);
  const double D = Rs * Rs + (w * L) * (w * L);
  const double G = Rs / D;
  const double B = w * Cp - w * L / D;
  return Complex{G, B};
}

std::vector<double> reactiveDivisors(const Component& c)
{
  const double value = c.value[1].actual;
  if (c.value[kModelSlot].TolEn) {
    return {value, c.value[kQSlot].nom, c.value[kQFrequencySlot].nom,
            c.value[kSelfResonanceSlot].nom};
  }
  return {value};
}

namespace {

// ngspice evaluates `hertz` in an element's expression at every point of an AC or .sp
// analysis (and as 0 at the operating point, where max() keeps the divisions finite; the
// sweep never goes below 1 mHz, so the floor never touches a swept point).
const SpiceExpression kHertz{"max(hertz,1e-4)", true};
const SpiceExpression kOmega = SpiceExpression{"2", true} * SpiceExpression{"pi", true} * kHertz;
const SpiceExpression kQ{"qval", true};
const SpiceExpression kFq{"fq", true};

const char* subcircuitName(const char* prefix, QMode mode)
{
  static const std::string names[2][3] = {{"norvane_cap_q1", "norvane_cap_q2", "norvane_cap_q3"},
                                          {"norvane_ind_q1", "norvane_ind_q2", "norvane_ind_q3"}};
  const int row = std::string(prefix) == "cap" ? 0 : 1;
  return names[row][static_cast<int>(mode) - 1].c_str();
}

} // namespace

// The physical capacitor: C parallel to its loss resistance Rp, in series with the
// self-resonance inductance.
std::string capacitorSubcircuit(QMode mode, std::string& name)
{
  name = subcircuitName("cap", mode);
  const SpiceExpression rp =
      capacitorLossResistance(mode, kQ, kFq, kHertz, kOmega, SpiceExpression{"cval", true});
  return ".subckt " + name +
         " a b cval=1 qval=1 fq=1 ls=1\n"
         "* capacitor C parallel to its loss resistance, in series with its self-resonance "
         "inductance\n"
         "C1 a m {cval}\n"
         "R1 a m R={" +
         rp.text +
         "}\n"
         "L1 m b {ls}\n"
         ".ends " +
         name + "\n";
}

// The physical inductor: L in series with its loss resistance Rs, parallel to the
// self-resonance capacitance.
std::string inductorSubcircuit(QMode mode, std::string& name)
{
  name = subcircuitName("ind", mode);
  const SpiceExpression rs =
      inductorLossResistance(mode, kQ, kFq, kHertz, kOmega, SpiceExpression{"lval", true});
  return ".subckt " + name +
         " a b lval=1 qval=1 fq=1 cp=1 rs=1\n"
         "* inductor L in series with its loss resistance, parallel to its self-resonance "
         "capacitance\n"
         "L1 a m {lval}\n"
         "R1 m b R={" +
         rs.text +
         "}\n"
         "C1 a b {cp}\n"
         ".ends " +
         name + "\n";
}

std::string physicalModelComment(const Component& c, const char* law)
{
  return std::string("physical model: Q ") + num(c.value[kQSlot].nom) + " at " +
         num(c.value[kQFrequencySlot].nom) + " Hz (" + law + "), self-resonance " +
         num(c.value[kSelfResonanceSlot].nom) + " Hz";
}

} // namespace norvane::kinds
