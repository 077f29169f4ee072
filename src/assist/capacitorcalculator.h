#pragma once
// The capacitor calculator window without the window: a parallel-plate capacitor from its
// plate area (sq mm), spacing (mm) and dielectric. The material list below the permittivity
// offers kDielectricMaterials, "Air Er=1" selected at creation.

#include "assist/calculatorpages.h"
#include "assist/platecapacitor.h"

#include <string>

namespace norvane {

// The texts of the inputs with their defaults; captions, units and limits are in the page
// tables.
struct CapacitorFields
{
  std::string area = "10";
  std::string spacing = "0.085";
  std::string permittivity = "1";
};

struct CapacitorTexts
{
  CapacitorFields fields; // the inputs as read
  std::string capacitance;
  PlateCapacitorResult result;
  CalcNotices notices;
};

CapacitorTexts calculateCapacitor(const CapacitorFields& fields);

std::span<const CalcPage<CapacitorFields, CapacitorTexts>> capacitorPages();

} // namespace norvane
