#pragma once
// The texts a chart shows for the point under the cursor: magnitude and angle of the plotted
// coefficient, the impedance and admittance it stands for at a port (with their series and
// parallel equivalents as R with L or C at that frequency), and the gain in dB of a
// transmission coefficient.

#include <string>

namespace norvane {

struct ImpedancePanelTexts
{
  std::string resistance;         // " 50R"
  std::string reactance;          // "+j25R" / "-j25R"
  std::string seriesResistance;   // " 50R"
  std::string seriesComponent;    // " 3.98nH" / " 6.37pF"; empty at 0 Hz
  std::string conductance;        // " 20mS"
  std::string susceptance;        // "+j10mS" / "-j10mS"
  std::string parallelResistance; // " 50R"
  std::string parallelComponent;  // " 1.59pF" / " 15.9nH"; empty at 0 Hz
  bool admittanceFailed = false;  // Z was 0: Y shows 0 and the system beeps
};

// Γ is the reflection coefficient at a port of reference resistance zo; `digits` is the
// engineering-notation precision (2 for the cursor handler, 1 when the cursor is first drawn).
// Γ = 1 (open circuit) reads the sentinel impedance 1e20 + j1e20.
ImpedancePanelTexts impedancePanels(double gammaRe, double gammaIm, double zo, double freq,
                                    int digits);

struct GainPanelTexts
{
  std::string voltageGain; // "dB Mag" "(20log[V])": " -3.5dB"
  std::string powerGain;   // "dB Mag" "(10log[P])"
};

// The plotted transmission coefficient is normalised by √(Z1/Z2) (S21) or √(Z2/Z1) (S12), so
// its 20·log10 magnitude already is the power gain; the voltage gain takes the impedance
// ratio back out. Both agree with the "20Log(V)" and "10Log(P)" traces of the rectangular
// graph for the same circuit.
GainPanelTexts gainPanels(double re, double im, bool forwardS21, double z1, double z2, int digits);

// The three status readouts on a chart: "f=1.5GHz", the magnitude and the angle + "Deg".
struct ChartCursorTexts
{
  std::string frequency;
  std::string magnitude;
  std::string angle;
};
ChartCursorTexts chartCursorTexts(double freq, double re, double im, int digits);

// The "Chart Zo=" panel value: "50R".
std::string chartZoText(double zo);

} // namespace norvane
