#include "assist/couplercalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

namespace {
constexpr double kMm = 1e-3;
} // namespace

CouplerTexts calculateCouplers(const CouplerFields& fields)
{
  CouplerTexts out;
  out.fields = fields;
  CouplerFields& f = out.fields;
  {
    FieldReader reader("Microstrip");
    const auto w = reader.read(f.msWidth, "Line width");
    const auto s = reader.read(f.msSpacing, "Line spacing (A)");
    const auto t = reader.read(f.msThickness, "Line thickness");
    const auto h = reader.read(f.msHeight, "Dielectric thickness");
    const auto er = reader.read(f.msPermittivity, "Dielectric Er");
    if (!reader.failed())
      out.microstrip = calcCoupledMicrostrip({*w * kMm, *s * kMm, *t * kMm, *h * kMm, *er});
    out.notices.notePage(reader, "Microstrip", out.microstrip.error);
    out.msCoupling = fixedText(out.microstrip.couplingDb, 1, "dB");
    out.msLineZo = fixedText(out.microstrip.lineImpedance, 1, "R");
  }
  {
    FieldReader reader("Stripline");
    const auto b = reader.read(f.slGroundSpacing, "Gnd plane spacing");
    const auto t = reader.read(f.slThickness, "Line thickness");
    const auto er = reader.read(f.slPermittivity, "Dielectric Er");
    const auto w = reader.read(f.slWidth, "Line width");
    const auto s = reader.read(f.slSpacing, "Line spacing");
    if (!reader.failed())
      out.stripline = calcCoupledStripline({*b * kMm, *t * kMm, *er, *w * kMm, *s * kMm});
    out.notices.notePage(reader, "Stripline", out.stripline.error);
    out.slCoupling = fixedText(out.stripline.couplingDb, 1, "dB");
    out.slZo = fixedText(out.stripline.lineImpedance, 1, "R");
  }
  {
    FieldReader reader("Lumped");
    const auto zo = reader.read(f.lumpedZo, "System Zo");
    const auto fMHz = reader.read(f.lumpedFrequencyMHz, "Frequency");
    // C1 is read last, with its upper limit set by the frequency and impedance just read.
    NumberBounds c1Bounds;
    if (zo && fMHz) {
      if (const auto maxPf = lumpedCouplerMaxC1Pf(*fMHz * 1e6, *zo)) c1Bounds.max = *maxPf;
    }
    const auto c1 = reader.read(f.lumpedC1pF, "Coupling Cap (C1)", c1Bounds);
    if (!reader.failed()) out.lumped = calcLumpedCoupler({*zo, *c1 * 1e-12, *fMHz * 1e6});
    out.notices.notePage(reader, "Lumped", out.lumped.error);
    out.lumpedCoupling = fixedText(out.lumped.couplingDb, 1, "dB");
    out.lumpedL1 = engineeringText(out.lumped.inductance, 2, "H");
    out.lumpedC2 = engineeringText(out.lumped.capacitance, 2, "F");
  }
  {
    FieldReader reader("lambda/4");
    const auto zo = reader.read(f.quarterZo, "System Zo");
    const auto c1 = reader.read(f.quarterC1pF, "Coupling Cap (C1)");
    const auto fMHz = reader.read(f.quarterFrequencyMHz, "Frequency");
    if (!reader.failed()) out.quarterWave = calcQuarterWaveCoupler({*zo, *c1 * 1e-12, *fMHz * 1e6});
    out.notices.notePage(reader, "lambda/4", out.quarterWave.error);
    out.quarterCoupling = fixedText(out.quarterWave.couplingDb, 1, "dB");
  }
  {
    FieldReader reader("Transformer");
    const auto n1 = reader.read(f.primaryTurns, "Primary Turns (n1)");
    const auto n2 = reader.read(f.secondaryTurns, "Secondary Turns(n2)");
    if (!reader.failed()) out.transformer = calcTransformerCoupler({*n1, *n2});
    out.notices.notePage(reader, "Transformer", out.transformer.error);
    out.transformerCoupling = fixedText(out.transformer.couplingDb, 1, "dB");
  }
  return out;
}

} // namespace norvane
