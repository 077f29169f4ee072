#include "assist/splittercalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

SplitterTexts calculateSplitters(const SplitterFields& fields)
{
  SplitterTexts out;
  out.fields = fields;
  SplitterFields& f = out.fields;
  {
    FieldReader reader("Resistive");
    const auto zo = reader.read(f.resistiveZo, "System Zo");
    if (!reader.failed()) out.resistive = calcResistiveSplitter(*zo);
    out.notices.notePage(reader, "Resistive", out.resistive.error);
    out.resistiveR = engineeringText(out.resistive.resistance, 1, "R");
  }
  {
    FieldReader reader("Wilkinson");
    const auto zo = reader.read(f.wilkinsonZo, "System Zo");
    const auto fMHz = reader.read(f.wilkinsonFrequencyMHz, "Frequency");
    if (!reader.failed()) out.wilkinson = calcWilkinson({*zo, *fMHz * 1e6});
    out.notices.notePage(reader, "Wilkinson", out.wilkinson.error);
    out.wilkinsonL = engineeringText(out.wilkinson.inductance, 1, "H");
    out.wilkinsonC1 = engineeringText(out.wilkinson.outputCapacitance, 1, "F");
    out.wilkinsonC2 = engineeringText(out.wilkinson.inputCapacitance, 1, "F");
    out.wilkinsonR = engineeringText(out.wilkinson.resistance, 1, "R");
  }
  return out;
}

} // namespace norvane
