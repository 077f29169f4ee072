#include "graph/chartreadouts.h"

#include "numbers/valuetext.h"
#include "sim/complex.h"

namespace norvane {
namespace {

std::string eng(int digits, double x)
{
  return formatEngineering(digits, x);
}

// "+j" + |v| or "-j" + |v|, then the unit.
std::string imaginaryText(double v, int digits, const char* unit)
{
  return (v >= 0 ? "+j" + eng(digits, v) : "-j" + eng(digits, -v)) + unit;
}

// Admittances are small numbers in siemens: with a fixed number of decimals 15.6 mS would read
// "0.02S". They keep three significant figures with their prefix letter instead.
constexpr int kAdmittanceFigures = 3;

std::string admittanceText(double v)
{
  return formatSignificant(v, kAdmittanceFigures);
}

} // namespace

ImpedancePanelTexts impedancePanels(double gammaRe, double gammaIm, double zo, double freq,
                                    int digits)
{
  using namespace complexconst;
  ComplexErrors errors;
  const Complex gamma{gammaRe, gammaIm};
  const Complex one{1.0, 0.0};
  // z = (1 + Γ)/(1 - Γ); a zero denominator yields the division's 1e20 + j1e20.
  const Complex z = complexDiv(one + gamma, one - gamma, errors);
  const Complex Z = zo * z;
  errors.clear();
  Complex Y = complexDiv(one, Z, errors);
  ImpedancePanelTexts t;
  if (errors.ComplexOverflow) {
    Y = {0.0, 0.0};
    t.admittanceFailed = true;
  }
  const double R = Z.re, X = Z.im, G = Y.re, B = Y.im;
  const double w = kTwoPi * freq;

  t.resistance = " " + eng(digits, R) + "R";
  t.reactance = imaginaryText(X, digits, "R");
  t.seriesResistance = t.resistance;
  if (freq > 0) {
    t.seriesComponent =
        X >= 0 ? " " + eng(digits, X / w) + "H" : " " + eng(digits, -1.0 / (w * X)) + "F";
  }
  t.conductance = " " + admittanceText(G) + "S";
  t.susceptance = (B >= 0 ? "+j" + admittanceText(B) : "-j" + admittanceText(-B)) + "S";
  // A zero conductance (lossless load, or the failed division) is an infinite parallel
  // resistance: shown as the same 1e20 the open circuit reads.
  t.parallelResistance = " " + eng(digits, G != 0.0 ? 1.0 / G : kOverflowValue) + "R";
  if (freq > 0) {
    t.parallelComponent =
        B >= 0 ? " " + eng(digits, B / w) + "F" : " " + eng(digits, -1.0 / (w * B)) + "H";
  }
  return t;
}

GainPanelTexts gainPanels(double re, double im, bool forwardS21, double z1, double z2, int digits)
{
  const double power = 20.0 * guardedLog10(complexAbs({re, im}));
  const double ratio = forwardS21 ? z1 / z2 : z2 / z1;
  const double voltage = power - 10.0 * guardedLog10(ratio);
  return {" " + formatLevel(voltage, digits) + "dB", " " + formatLevel(power, digits) + "dB"};
}

ChartCursorTexts chartCursorTexts(double freq, double re, double im, int digits)
{
  const Complex c{re, im};
  return {"f=" + eng(digits, freq) + "Hz", eng(digits, complexAbs(c)),
          formatLevel(complexPhaseDeg(c), digits) + "Deg"};
}

std::string chartZoText(double zo)
{
  return eng(2, zo) + "R";
}

} // namespace norvane
