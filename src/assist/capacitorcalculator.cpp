#include "assist/capacitorcalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

namespace {
using F = CapacitorFields;
using T = CapacitorTexts;

constexpr CalcMaterial kDielectric{"Dielectric", kDielectricMaterials, kAirDielectric};
constexpr CalcInput<F> kInputs[] = {
    {&F::area, "Plate Area (A)", "sq mm", 1e-6},
    {&F::spacing, "Plate Spacing (S)", "mm", 1e-3},
    {&F::permittivity,
     "Dielectric  Er    (D)",
     "",
     1,
     {1, 1e12},
     "Dielectric Er (D)",
     &kDielectric},
};
constexpr CalcResult<F, T> kResults[] = {{&T::capacitance, "Capacitance ="}};

std::string calculatePlates(const PageValues* v, T& out)
{
  if (v) out.result = calcPlateCapacitor({(*v)[0], (*v)[1], (*v)[2]});
  out.capacitance = engineeringText(out.result.capacitance, 1, "F");
  return out.result.error;
}

constexpr CalcPage<F, T> kPages[] = {{"Capacitor", kInputs, kResults, calculatePlates}};
} // namespace

std::span<const CalcPage<CapacitorFields, CapacitorTexts>> capacitorPages()
{
  return kPages;
}

CapacitorTexts calculateCapacitor(const CapacitorFields& fields)
{
  return calculatePages(capacitorPages(), fields);
}

} // namespace norvane
