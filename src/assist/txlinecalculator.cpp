#include "assist/txlinecalculator.h"

#include "assist/calctext.h"

namespace norvane {

namespace {
constexpr double kMm = 1e-3;
} // namespace

std::string impedanceText(std::optional<double> ohms)
{
  return engineeringText(ohms, 2, "R");
}

std::optional<MicrostripInput> readMicrostripFields(MicrostripFields& f, FieldReader& reader)
{
  using namespace txlinebounds;
  const auto w = reader.read(f.width, "Track Width (W)", kDimension);
  const auto t = reader.read(f.thickness, "Track Thickness (T)", kDimension);
  const auto h = reader.read(f.height, "Dielectric Thickness (H)", kDimension);
  const auto er = reader.read(f.permittivity, "Dielectric Permittivity (Er)", kPermittivity);
  if (reader.failed()) return std::nullopt;
  return MicrostripInput{*w * kMm, *t * kMm, *h * kMm, *er};
}

std::optional<StriplineInput> readStriplineFields(StriplineFields& f, FieldReader& reader)
{
  using namespace txlinebounds;
  const auto w = reader.read(f.width, "Track Width (W)", kDimension);
  const auto t = reader.read(f.thickness, "Track Thickness (T)", kDimension);
  const auto s = reader.read(f.separation, "Gnd Plane Separation (S)", kGroundSeparation);
  const auto er =
      reader.read(f.permittivity, "Dielectric Permittivity (Er)", kStriplinePermittivity);
  if (reader.failed()) return std::nullopt;
  return StriplineInput{*w * kMm, *t * kMm, *s * kMm, *er};
}

std::optional<CoaxInput> readCoaxFields(CoaxFields& f, FieldReader& reader)
{
  using namespace txlinebounds;
  const auto dOuter = reader.read(f.shieldDiameter, "Shield Diameter (D)", kDimension);
  const auto dInner = reader.read(f.conductorDiameter, "Conductor Diameter (d)", kDimension);
  const auto er = reader.read(f.permittivity, "Dielectric Permittivity (Er)", kPermittivity);
  const auto fMHz = reader.read(f.frequencyMHz, "Atten @ MHz", kFrequencyMHz);
  if (reader.failed()) return std::nullopt;
  return CoaxInput{*dOuter * kMm, *dInner * kMm, *er, *fMHz * 1e6};
}

std::optional<FlatTwinInput> readFlatTwinFields(FlatTwinFields& f, FieldReader& reader)
{
  using namespace txlinebounds;
  const auto s = reader.read(f.separation, "Separation (s)", kDimension);
  const auto d = reader.read(f.conductorDiameter, "Conductor diameter (d)", kDimension);
  const auto ur = reader.read(f.permeability, "relative permeability", kRelative);
  const auto er = reader.read(f.permittivity, "relative permittivity", kRelative);
  if (reader.failed()) return std::nullopt;
  return FlatTwinInput{*s * kMm, *d * kMm, *ur, *er};
}

TxLineTexts calculateTxLines(const TxLineFields& fields)
{
  TxLineTexts out;
  out.fields = fields;

  {
    FieldReader reader("Microstrip");
    if (const auto in = readMicrostripFields(out.fields.microstrip, reader))
      out.microstrip = calcMicrostrip(*in);
    out.notices.notePage(reader, "Microstrip", out.microstrip.error);
    out.microstripImpedance = impedanceText(out.microstrip.impedance);
    out.microstripVelocity = velocityText(out.microstrip.velocity1e8);
  }
  {
    FieldReader reader("Stripline");
    if (const auto in = readStriplineFields(out.fields.stripline, reader))
      out.stripline = calcStripline(*in);
    out.notices.notePage(reader, "Stripline", out.stripline.error);
    out.striplineImpedance = impedanceText(out.stripline.impedance);
    out.striplineVelocity = velocityText(out.stripline.velocity1e8);
  }
  {
    FieldReader reader("Co-axial cable");
    if (const auto in = readCoaxFields(out.fields.coax, reader)) out.coax = calcCoax(*in);
    out.notices.notePage(reader, "Co-axial cable", out.coax.error);
    out.coaxImpedance = impedanceText(out.coax.impedance);
    out.coaxLoss = fixedText(out.coax.lossDbPerMetre, 1, "dB/m");
    out.coaxVelocity = velocityText(out.coax.velocity1e8);
  }
  {
    FieldReader reader("Flat-twin");
    if (const auto in = readFlatTwinFields(out.fields.flatTwin, reader))
      out.flatTwin = calcFlatTwin(*in);
    out.notices.notePage(reader, "Flat-twin", out.flatTwin.error);
    out.flatTwinImpedance = impedanceText(out.flatTwin.impedance);
  }
  return out;
}

} // namespace norvane
