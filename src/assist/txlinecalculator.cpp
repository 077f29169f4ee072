#include "assist/txlinecalculator.h"

#include "assist/calctext.h"

namespace norvane {

namespace {
constexpr double kMm = 1e-3;

// Limits of the inputs, in the units typed.
constexpr NumberBounds kDimension{1e-12, 1e12};
constexpr NumberBounds kGroundSeparation{0, 1e12};
constexpr NumberBounds kPermittivity{1, 10000};
constexpr NumberBounds kStriplinePermittivity{1, 1e12};
constexpr NumberBounds kFrequencyMHz{1e-12, 1e15};
constexpr NumberBounds kRelative{1e-12, 1e12}; // flat-twin permeability, permittivity

using T = TxLineTexts;
using D = TxLineMaterialDefaults;
constexpr CalcMaterial kMicrostripBoard{"Dielectric", kDielectricMaterials, D::microstrip};
constexpr CalcMaterial kStriplineBoard{"Dielectric", kDielectricMaterials, D::stripline};
constexpr CalcMaterial kCoaxDielectric{"Dielectric", kDielectricMaterials, D::coax};
constexpr CalcMaterial kTwinMagnetic{"magnetic medium", kMagneticMaterials, D::flatTwinMagnetic};
constexpr CalcMaterial kTwinDielectric{"dielectric", kDielectricMaterials, D::flatTwinDielectric};
constexpr std::string_view kBoardNotes[] = {"Notes:", "Zo Accuracy <5% "};

using MS = MicrostripFields;
constexpr CalcInput<MS> kMicrostripInputs[] = {
    {&MS::width, "Track Width (W)", "mm", kMm, kDimension},
    {&MS::thickness, "Track Thickness (T)", "mm", kMm, kDimension},
    {&MS::height, "Dielectric Thickness (H)", "mm", kMm, kDimension},
    {&MS::permittivity,
     "Dielectric Permittivity (Er)",
     "",
     1,
     kPermittivity,
     {},
     &kMicrostripBoard},
};
constexpr CalcResult<MS, T> kMicrostripResults[] = {
    {&T::microstripImpedance, "Characteristic Impedance="},
    {&T::microstripVelocity, "Phase Velocity ="}};

std::string calculateMicrostrip(const PageValues* v, T& out)
{
  if (v) out.microstrip = calcMicrostrip(lineInput<MicrostripInput>(*v));
  out.microstripImpedance = impedanceText(out.microstrip.impedance);
  out.microstripVelocity = velocityText(out.microstrip.velocity1e8);
  return out.microstrip.error;
}

using SL = StriplineFields;
constexpr CalcInput<SL> kStriplineInputs[] = {
    {&SL::width, "Track Width (W)", "mm", kMm, kDimension},
    {&SL::thickness, "Track Thickness (T)", "mm", kMm, kDimension},
    {&SL::separation, "Gnd Plane Separation (S)", "mm", kMm, kGroundSeparation},
    {&SL::permittivity,
     "Dielectric Permittivity (Er)",
     "",
     1,
     kStriplinePermittivity,
     {},
     &kStriplineBoard},
};
constexpr CalcResult<SL, T> kStriplineResults[] = {
    {&T::striplineImpedance, "Characteristic Impedance="},
    {&T::striplineVelocity, "Phase Velocity ="}};

std::string calculateStripline(const PageValues* v, T& out)
{
  if (v) out.stripline = calcStripline(lineInput<StriplineInput>(*v));
  out.striplineImpedance = impedanceText(out.stripline.impedance);
  out.striplineVelocity = velocityText(out.stripline.velocity1e8);
  return out.stripline.error;
}

using CX = CoaxFields;
constexpr CalcInput<CX> kCoaxInputs[] = {
    {&CX::shieldDiameter, "Shield Diameter (D)", "mm", kMm, kDimension},
    {&CX::conductorDiameter, "Conductor Diameter (d)", "mm", kMm, kDimension},
    {&CX::permittivity, "Dielectric Permittivity (Er)", "", 1, kPermittivity, {}, &kCoaxDielectric},
    {&CX::frequencyMHz, "Atten @", "MHz = ", 1e6, kFrequencyMHz, "Atten @ MHz"},
};
constexpr CalcResult<CX, T> kCoaxResults[] = {{&T::coaxImpedance, "Characteristic Impedance="},
                                              {&T::coaxLoss, "For copper", &CX::frequencyMHz},
                                              {&T::coaxVelocity, "Phase Velocity ="}};

std::string calculateCoax(const PageValues* v, T& out)
{
  if (v) out.coax = calcCoax(lineInput<CoaxInput>(*v));
  out.coaxImpedance = impedanceText(out.coax.impedance);
  out.coaxLoss = fixedText(out.coax.lossDbPerMetre, 1, "dB/m");
  out.coaxVelocity = velocityText(out.coax.velocity1e8);
  return out.coax.error;
}

using FT = FlatTwinFields;
constexpr CalcInput<FT> kFlatTwinInputs[] = {
    {&FT::separation, "Separation (s)", "mm", kMm, kDimension},
    {&FT::conductorDiameter, "Conductor diameter (d)", "mm", kMm, kDimension},
    {&FT::permeability, "relative permeability", "", 1, kRelative, {}, &kTwinMagnetic},
    {&FT::permittivity, "relative permittivity", "", 1, kRelative, {}, &kTwinDielectric},
};
constexpr CalcResult<FT, T> kFlatTwinResults[] = {
    {&T::flatTwinImpedance, "Characteristic Impedance="}};

std::string calculateFlatTwin(const PageValues* v, T& out)
{
  if (v) out.flatTwin = calcFlatTwin(lineInput<FlatTwinInput>(*v));
  out.flatTwinImpedance = impedanceText(out.flatTwin.impedance);
  return out.flatTwin.error;
}

const TxLinePages kPages{
    {"Microstrip", kMicrostripInputs, kMicrostripResults, calculateMicrostrip, kBoardNotes, true},
    {"Stripline", kStriplineInputs, kStriplineResults, calculateStripline, kBoardNotes},
    {"Co-axial cable", kCoaxInputs, kCoaxResults, calculateCoax, {}, true},
    {"Flat-twin", kFlatTwinInputs, kFlatTwinResults, calculateFlatTwin},
};
} // namespace

const TxLinePages& txLinePages()
{
  return kPages;
}

std::string impedanceText(std::optional<double> ohms)
{
  return engineeringText(ohms, 2, "R");
}

TxLineTexts calculateTxLines(const TxLineFields& fields)
{
  TxLineTexts out;
  out.fields = fields;
  calculatePage(kPages.microstrip, out.fields.microstrip, out);
  calculatePage(kPages.stripline, out.fields.stripline, out);
  calculatePage(kPages.coax, out.fields.coax, out);
  calculatePage(kPages.flatTwin, out.fields.flatTwin, out);
  return out;
}

} // namespace norvane
