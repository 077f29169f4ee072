#include "assist/capacitorcalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

CapacitorTexts calculateCapacitor(const CapacitorFields& fields)
{
  CapacitorTexts out;
  out.fields = fields;
  CapacitorFields& f = out.fields;
  FieldReader reader("Capacitor");
  const auto area = reader.read(f.area, "Plate Area (A)");
  const auto spacing = reader.read(f.spacing, "Plate Spacing (S)");
  const auto er = reader.read(f.permittivity, "Dielectric Er (D)", {1, 1e12});
  if (!reader.failed()) out.result = calcPlateCapacitor({*area * 1e-6, *spacing * 1e-3, *er});
  out.notices.notePage(reader, "Capacitor", out.result.error);
  out.capacitance = engineeringText(out.result.capacitance, 1, "F");
  return out;
}

} // namespace norvane
