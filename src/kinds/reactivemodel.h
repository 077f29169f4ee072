#pragma once
// The physical model the capacitor and the inductor share: a Q at a stated frequency that
// follows one of three laws, and a self-resonance. The law is written once, as a template
// that the stamps evaluate with doubles and the SPICE export with expression text.

#include "kinds/kindunit.h"

#include <cmath>
#include <string>

namespace norvane::kinds {

// Q modes of the physical models (parameter "qMode", rounded).
enum class QMode {
  ResistiveLossConstant = 1, // capacitor Q(f) = Q(F)*F/f, inductor Q(f) = Q(F)*f/F
  SquareRoot = 2,            // capacitor Q(f) = Q(F)*sqrt(F/f), inductor Q(f) = Q(F)*sqrt(f/F)
  ConstantQ = 3,             // Q(f) = Q(F)
};

// The Q mode stored in a value slot: the nearest whole number; anything but 1 or 2 (which the
// dialogs never store) is taken as constant Q.
QMode qModeOf(double stored);

// The physical-model parameters, the same slots in both kinds; q's default differs.
#define NORVANE_REACTIVE_MODEL(qDefault)                                                           \
  {"q", 2, F::Nom, "", false, 0, 0, 1e-20, 1e12, value(qDefault)},                                 \
      {"qFrequency", 3, F::Nom, "Hz", false, 0, 3, 1e-20, 1e12, value(1e8)},                       \
      {"selfResonance", 4, F::Nom, "Hz", false, 0, 3, 1e-20, 1e12, value(1e9)},                    \
      {"qMode", 5, F::Nom, "", false, 0, 0, 1, 3, value(1)},                                       \
  {                                                                                                \
    "physicalModel", 5, F::TolEn, "", false, 0, 0, 0, 1, value(0)                                  \
  }

inline constexpr int kQSlot = 2;
inline constexpr int kQFrequencySlot = 3;
inline constexpr int kSelfResonanceSlot = 4;
inline constexpr int kModelSlot = 5; // qMode in nom, the model switch in TolEn

// The loss resistance under the Q law of `mode`: the capacitor's parallel Rp, at SRF far
// above f Q(f) = w C Rp; the inductor's series Rs, Q(f) = w L / Rs. Q holds at Fq; w = 2 pi f.
// X is double for the stamp and SpiceExpression for the export.
template <class X> X capacitorLossResistance(QMode mode, X Q, X Fq, X f, X w, X C)
{
  switch (mode) {
  case QMode::ResistiveLossConstant: // the series-equivalent loss 1/(2 pi F C Q) is constant
    return Fq * Q / (f * w * C);
  case QMode::SquareRoot:
    return sqrt(Fq / f) * Q / (w * C);
  case QMode::ConstantQ:
    break;
  }
  return Q / (w * C);
}

template <class X> X inductorLossResistance(QMode mode, X Q, X Fq, X f, X w, X L)
{
  switch (mode) {
  case QMode::ResistiveLossConstant: // Rs = 2 pi F L / Q, the same at every frequency
    return w * L * Fq / (Q * f);
  case QMode::SquareRoot:
    return sqrt(Fq / f) * w * L / Q;
  case QMode::ConstantQ:
    break;
  }
  return w * L / Q;
}

// An expression as SPICE reads it, built by the same operators as the numbers: products
// and quotients chain without brackets, a divisor that is not a single term is bracketed.
struct SpiceExpression
{
  std::string text;
  bool term = true; // a name, a number or a function call
};
SpiceExpression operator*(const SpiceExpression& a, const SpiceExpression& b);
SpiceExpression operator/(const SpiceExpression& a, const SpiceExpression& b);
SpiceExpression sqrt(const SpiceExpression& a);
using std::sqrt;

// The values of a capacitor's or inductor's physical model.
struct PhysicalModel
{
  double value = 0.0; // C in farads or L in henries
  double Q = 0.0;     // quality factor at frequency F
  double F = 0.0;     // Hz
  double SRF = 0.0;   // self-resonant frequency, Hz
  QMode mode = QMode::ConstantQ;
};
// The model of a component whose main value (C or L, with its tolerance applied) is in
// slot 1.
PhysicalModel physicalModelOf(const Component& c);

// Admittance of the physical capacitor model (C parallel to its loss resistance, in series
// with the self-resonance inductance), and of the physical inductor model (L in series with
// its loss resistance, parallel to the self-resonance capacitance). f in Hz.
Complex physicalCapacitorAdmittance(const PhysicalModel& c, double f);
Complex physicalInductorAdmittance(const PhysicalModel& l, double f);

// What the value check refuses when zero: the value, and with the model Q, its frequency
// and the self-resonance.
std::vector<double> reactiveDivisors(const Component& c);

// The SPICE sub-circuit of a physical model under its Q law, defined once per deck; `name`
// receives the sub-circuit's name.
std::string capacitorSubcircuit(QMode mode, std::string& name);
std::string inductorSubcircuit(QMode mode, std::string& name);
// The model's comment line in the deck: "physical model: Q ... at ... Hz (law), ...".
std::string physicalModelComment(const Component& c, const char* law);

} // namespace norvane::kinds
