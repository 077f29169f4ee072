#include "assist/couplercalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

namespace {
using F = CouplerFields;
using T = CouplerTexts;
constexpr double kMm = 1e-3;
constexpr double kMHz = 1e6;
constexpr double kPf = 1e-12;

constexpr CalcInput<F> kMicrostripInputs[] = {
    {&F::msWidth, "Line width", "mm", kMm},
    {&F::msSpacing, "Line spacing (A)", "mm", kMm},
    {&F::msThickness, "Line thickness", "mm", kMm},
    {&F::msHeight, "Dielectric thickness", "mm", kMm},
    {&F::msPermittivity, "Dielectric Er"},
};
constexpr CalcResult<F, T> kMicrostripResults[] = {{&T::msCoupling, "Coupling"},
                                                   {&T::msLineZo, "Zo of line"}};

std::string calculateMicrostrip(const PageValues* v, T& out)
{
  if (v) out.microstrip = calcCoupledMicrostrip({(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]});
  out.msCoupling = fixedText(out.microstrip.couplingDb, 1, "dB");
  out.msLineZo = fixedText(out.microstrip.lineImpedance, 1, "R");
  out.msWarning = out.microstrip.warning;
  return out.microstrip.error;
}

constexpr CalcInput<F> kStriplineInputs[] = {
    {&F::slGroundSpacing, "Gnd plane spacing", "mm", kMm},
    {&F::slThickness, "Line thickness", "mm", kMm},
    {&F::slPermittivity, "Dielectric Er"},
    {&F::slWidth, "Line width", "mm", kMm},
    {&F::slSpacing, "Line spacing", "mm", kMm},
};
constexpr CalcResult<F, T> kStriplineResults[] = {{&T::slCoupling, "Coupling"}, {&T::slZo, "Zo"}};

std::string calculateStripline(const PageValues* v, T& out)
{
  if (v) out.stripline = calcCoupledStripline({(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]});
  out.slCoupling = fixedText(out.stripline.couplingDb, 1, "dB");
  out.slZo = fixedText(out.stripline.lineImpedance, 1, "R");
  out.slWarning = out.stripline.warning;
  return out.stripline.error;
}

// C1's upper limit is set by the impedance and the frequency.
NumberBounds lumpedC1Bounds(const PartialValues& v)
{
  NumberBounds bounds;
  if (v[0] && v[2]) {
    if (const auto maxPf = lumpedCouplerMaxC1Pf(*v[2], *v[0])) bounds.max = *maxPf;
  }
  return bounds;
}

constexpr CalcInput<F> kLumpedInputs[] = {
    {&F::lumpedZo, "System Zo", "R"},
    {&F::lumpedC1pF, "Coupling Cap (C1)", "pF", kPf, {}, {}, nullptr, lumpedC1Bounds},
    {&F::lumpedFrequencyMHz, "Frequency", "MHz", kMHz},
};
constexpr CalcResult<F, T> kLumpedResults[] = {{&T::lumpedCoupling, "Approx Coupling"},
                                               {&T::lumpedL1, "Inductor (L1)"},
                                               {&T::lumpedC2, "Capacitor (C2)"}};

std::string calculateLumped(const PageValues* v, T& out)
{
  if (v) out.lumped = calcLumpedCoupler({(*v)[0], (*v)[1], (*v)[2]});
  out.lumpedCoupling = fixedText(out.lumped.couplingDb, 1, "dB");
  out.lumpedL1 = engineeringText(out.lumped.inductance, 2, "H");
  out.lumpedC2 = engineeringText(out.lumped.capacitance, 2, "F");
  return out.lumped.error;
}

constexpr CalcInput<F> kQuarterWaveInputs[] = {
    {&F::quarterZo, "System Zo", "R"},
    {&F::quarterC1pF, "Coupling Cap (C1)", "pF", kPf},
    {&F::quarterFrequencyMHz, "Frequency", "MHz", kMHz},
};
constexpr CalcResult<F, T> kQuarterWaveResults[] = {{&T::quarterCoupling, "Approx Coupling"}};
constexpr std::string_view kQuarterWaveNotes[] = {"Note: coupling < -15dB"};

std::string calculateQuarterWave(const PageValues* v, T& out)
{
  if (v) out.quarterWave = calcQuarterWaveCoupler({(*v)[0], (*v)[1], (*v)[2]});
  out.quarterCoupling = fixedText(out.quarterWave.couplingDb, 1, "dB");
  out.quarterWarning = out.quarterWave.warning;
  return out.quarterWave.error;
}

constexpr CalcInput<F> kTransformerInputs[] = {
    {&F::primaryTurns, "Primary Turns (n1)"},
    {&F::secondaryTurns, "Secondary Turns(n2)"},
};
constexpr CalcResult<F, T> kTransformerResults[] = {{&T::transformerCoupling, "Coupling="}};
constexpr std::string_view kTransformerNotes[] = {"Construct on two hole ferrite",
                                                  "with multifilar windings."};

std::string calculateTransformer(const PageValues* v, T& out)
{
  if (v) out.transformer = calcTransformerCoupler({(*v)[0], (*v)[1]});
  out.transformerCoupling = fixedText(out.transformer.couplingDb, 1, "dB");
  return out.transformer.error;
}

constexpr CalcPage<F, T> kPages[] = {
    {"Microstrip",
     kMicrostripInputs,
     kMicrostripResults,
     calculateMicrostrip,
     {},
     false,
     &T::msWarning},
    {"Stripline",
     kStriplineInputs,
     kStriplineResults,
     calculateStripline,
     {},
     false,
     &T::slWarning},
    {"Lumped", kLumpedInputs, kLumpedResults, calculateLumped},
    {"lambda/4", kQuarterWaveInputs, kQuarterWaveResults, calculateQuarterWave, kQuarterWaveNotes,
     true, &T::quarterWarning},
    {"Transformer", kTransformerInputs, kTransformerResults, calculateTransformer,
     kTransformerNotes, true},
};
} // namespace

std::span<const CalcPage<CouplerFields, CouplerTexts>> couplerPages()
{
  return kPages;
}

CouplerTexts calculateCouplers(const CouplerFields& fields)
{
  return calculatePages(couplerPages(), fields);
}

} // namespace norvane
