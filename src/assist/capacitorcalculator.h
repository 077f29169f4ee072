#pragma once
// The capacitor calculator window without the window: a parallel-plate capacitor from its
// plate area (sq mm), spacing (mm) and dielectric. The material list below the permittivity
// offers kDielectricMaterials, "Air Er=1" selected at creation.

#include "assist/calculatorpages.h"
#include "assist/platecapacitor.h"

#include <string>

namespace norvane {

struct CapacitorFields
{
  std::string area = "10";        // "Plate Area (A)", sq mm
  std::string spacing = "0.085";  // "Plate Spacing (S)", mm
  std::string permittivity = "1"; // "Dielectric  Er    (D)", limits 1 and 1e12
};

struct CapacitorTexts
{
  CapacitorFields fields;  // the inputs as read
  std::string capacitance; // after "Capacitance ="
  PlateCapacitorResult result;
  CalcNotices notices;
};

CapacitorTexts calculateCapacitor(const CapacitorFields& fields);

std::span<const CalcPage<CapacitorFields, CapacitorTexts>> capacitorPages();

} // namespace norvane
