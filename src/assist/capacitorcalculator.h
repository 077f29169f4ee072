#pragma once
// The capacitor calculator window without the window: a parallel-plate capacitor from its
// plate area (sq mm), spacing (mm) and dielectric. The material list beside the permittivity
// is a MaterialChoice over kDielectricMaterials, "Air Er=1" selected at creation.

#include "assist/calcnotices.h"
#include "assist/materials.h"
#include "assist/platecapacitor.h"

#include <string>

namespace norvane {

struct CapacitorFields
{
  std::string area = "10";        // "Plate Area (A)", sq mm
  std::string spacing = "0.085";  // "Plate Spacing (S)", mm
  std::string permittivity = "1"; // "Dielectric  Er    (D)", limits 1 and 1e12
};

inline constexpr int kCapacitorMaterialDefault = kAirDielectric;

struct CapacitorTexts
{
  CapacitorFields fields;  // the inputs as read
  std::string capacitance; // after "Capacitance ="
  PlateCapacitorResult result;
  CalcNotices notices;
};

CapacitorTexts calculateCapacitor(const CapacitorFields& fields);

} // namespace norvane
