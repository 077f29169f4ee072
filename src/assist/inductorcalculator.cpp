#include "assist/inductorcalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

namespace {
using F = InductorFields;
using T = InductorTexts;
constexpr double kMm = 1e-3;

constexpr CalcInput<F> kAirInputs[] = {
    {&F::airLength, "Length", "mm", kMm},
    {&F::airDiameter, "Diameter", "mm", kMm},
    {&F::airTurns, "Number of turns"},
};
constexpr CalcResult<F, T> kAirResults[] = {{&T::airInductance, "L="}};

std::string calculateAir(const PageValues* v, T& out)
{
  if (v) out.air = calcAirCoreInductor({(*v)[0], (*v)[1], (*v)[2]});
  out.airInductance = engineeringText(out.air.inductance, 1, "H");
  return out.air.error;
}

constexpr CalcInput<F> kSpiralInputs[] = {
    {&F::spiralSide, "Side Length (A)", "mm", kMm},
    {&F::spiralTurns, "Number of turns"},
};
constexpr CalcResult<F, T> kSpiralResults[] = {{&T::spiralInductance, "Low Freq Inductance="}};
constexpr std::string_view kSpiralNotes[] = {"1/ Track width = track spacing (B)",
                                             "2/ Inductance is approximate"};

std::string calculateSpiral(const PageValues* v, T& out)
{
  if (v) out.spiral = calcSpiralInductor({(*v)[0], (*v)[1]});
  out.spiralInductance = engineeringText(out.spiral.inductance, 1, "H");
  return out.spiral.error;
}

constexpr CalcInput<F> kStubInputs[] = {
    {&F::stubImpedance, "Tx Line Zo ", "R", 1, {}, "Tx Line Zo"},
    {&F::stubLength, "Length (L)", "mm", kMm},
    {&F::stubVelocity, "Phase velocity", "x10^8 m/s", 1e8},
    {&F::stubFrequencyMHz, "Frequency", "MHz", 1e6},
};
constexpr CalcResult<F, T> kStubResults[] = {{&T::stubReactance, "Zin="},
                                             {&T::stubInductance, "L="}};

std::string calculateStub(const PageValues* v, T& out)
{
  if (v) out.stub = calcShortedStub({(*v)[0], (*v)[1], (*v)[2], (*v)[3]});
  out.stubReactance = reactanceText(out.stub.reactance, 1);
  out.stubInductance = engineeringText(out.stub.inductance, 1, "H");
  return out.stub.error;
}

constexpr CalcPage<F, T> kPages[] = {
    {"Air Cored Inductor", kAirInputs, kAirResults, calculateAir},
    {"Printed Spiral Inductor", kSpiralInputs, kSpiralResults, calculateSpiral, kSpiralNotes},
    {"Printed Short cct stub", kStubInputs, kStubResults, calculateStub, {}, true},
};
} // namespace

std::span<const CalcPage<InductorFields, InductorTexts>> inductorPages()
{
  return kPages;
}

InductorTexts calculateInductors(const InductorFields& fields)
{
  return calculatePages(inductorPages(), fields);
}

} // namespace norvane
