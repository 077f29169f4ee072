#include "assist/inductorcalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

InductorTexts calculateInductors(const InductorFields& fields)
{
  InductorTexts out;
  out.fields = fields;
  InductorFields& f = out.fields;
  {
    FieldReader reader("Air Cored Inductor");
    const auto length = reader.read(f.airLength, "Length");
    const auto diameter = reader.read(f.airDiameter, "Diameter");
    const auto turns = reader.read(f.airTurns, "Number of turns");
    if (!reader.failed()) out.air = calcAirCoreInductor({*length * 1e-3, *diameter * 1e-3, *turns});
    out.notices.notePage(reader, "Air Cored Inductor", out.air.error);
    out.airInductance = engineeringText(out.air.inductance, 1, "H");
  }
  {
    FieldReader reader("Printed Spiral Inductor");
    const auto side = reader.read(f.spiralSide, "Side Length (A)");
    const auto turns = reader.read(f.spiralTurns, "Number of turns");
    if (!reader.failed()) out.spiral = calcSpiralInductor({*side * 1e-3, *turns});
    out.notices.notePage(reader, "Printed Spiral Inductor", out.spiral.error);
    out.spiralInductance = engineeringText(out.spiral.inductance, 1, "H");
  }
  {
    FieldReader reader("Printed Short cct stub");
    const auto zo = reader.read(f.stubImpedance, "Tx Line Zo");
    const auto length = reader.read(f.stubLength, "Length (L)");
    const auto velocity = reader.read(f.stubVelocity, "Phase velocity");
    const auto fMHz = reader.read(f.stubFrequencyMHz, "Frequency");
    if (!reader.failed())
      out.stub = calcShortedStub({*zo, *length * 1e-3, *velocity * 1e8, *fMHz * 1e6});
    out.notices.notePage(reader, "Printed Short cct stub", out.stub.error);
    out.stubReactance = reactanceText(out.stub.reactance, 1);
    out.stubInductance = engineeringText(out.stub.inductance, 1, "H");
  }
  return out;
}

} // namespace norvane
