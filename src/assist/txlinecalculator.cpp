#include "assist/txlinecalculator.h"

#include "assist/calctext.h"
#include "numbers/valuetext.h"

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
constexpr NumberBounds kElectricalDeg{0, 1e12};
constexpr NumberBounds kLength{0, 1e12};

using T = TxLineTexts;
using D = TxLineMaterialDefaults;
constexpr CalcMaterial kMicrostripBoard{"Dielectric", kDielectricMaterials, D::microstrip};
constexpr CalcMaterial kStriplineBoard{"Dielectric", kDielectricMaterials, D::stripline};
constexpr CalcMaterial kCoaxDielectric{"Dielectric", kDielectricMaterials, D::coax};
constexpr CalcMaterial kTwinMagnetic{"magnetic medium", kMagneticMaterials, D::flatTwinMagnetic};
constexpr CalcMaterial kTwinDielectric{"dielectric", kDielectricMaterials, D::flatTwinDielectric};
constexpr std::string_view kBoardNotes[] = {"Notes:", "Zo Accuracy <5% "};

// The three length inputs every page ends with: the frequency as a plain input, the
// electrical and the physical length inside their result rows ("Line Length for [90] deg =").
template <class Fields> constexpr CalcInput<Fields> frequencyInput()
{
  return {&Fields::lengthFrequencyMHz, "Frequency (f)", "MHz", 1e6, kFrequencyMHz};
}
template <class Fields> constexpr CalcInput<Fields> electricalInput()
{
  return {&Fields::electricalDeg, "for", "deg =", 1, kElectricalDeg, "Electrical length"};
}
template <class Fields> constexpr CalcInput<Fields> lengthInput()
{
  return {&Fields::lengthMm, "of", "mm =", kMm, kLength, "Line length"};
}

// The length on the line of the wanted electrical length, and the electrical length of the
// given length, for waves at `velocity` (empty when the line itself could not be calculated).
void calculateLength(const PageValues* v, std::optional<double> velocity, LineLengthResult& result,
                     std::string& lengthText, std::string& angleText)
{
  if (v) {
    result = {};
    if (velocity)
      result = calcLineLength({*velocity, (*v)[kLengthFrequencyInput], (*v)[kElectricalDegInput],
                               (*v)[kLengthMmInput]});
  }
  // Lengths with four significant figures ("94.45mm", "1.234m"); angles in plain degrees.
  lengthText = result.length ? formatSignificant(*result.length, 4) + "m" : "";
  angleText = result.electricalDeg ? formatLevel(*result.electricalDeg, 1) + "\xB0" : "";
}

std::optional<double> velocityOf(std::optional<double> effectivePermittivity, double ur = 1.0)
{
  if (!effectivePermittivity || !(*effectivePermittivity > 0)) return std::nullopt;
  return waveVelocity(*effectivePermittivity, ur);
}

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
    frequencyInput<MS>(),
    electricalInput<MS>(),
    lengthInput<MS>(),
};
constexpr CalcResult<MS, T> kMicrostripResults[] = {
    {&T::microstripImpedance, "Characteristic Impedance="},
    {&T::microstripVelocity, "Phase Velocity ="},
    {&T::microstripLength, "Line Length", &MS::electricalDeg},
    {&T::microstripAngle, "Electrical Length", &MS::lengthMm}};

std::string calculateMicrostrip(const PageValues* v, T& out)
{
  if (v) out.microstrip = calcMicrostrip(lineInput<MicrostripInput>(*v));
  out.microstripImpedance = impedanceText(out.microstrip.impedance);
  out.microstripVelocity = velocityText(out.microstrip.velocity1e8);
  out.microstripWarning = out.microstrip.warning;
  // The wave travels at c / sqrt(effective permittivity): partly in the board, partly in air.
  calculateLength(v, velocityOf(out.microstrip.effectivePermittivity), out.microstripLine,
                  out.microstripLength, out.microstripAngle);
  return out.microstrip.error.empty() ? out.microstripLine.error : out.microstrip.error;
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
    frequencyInput<SL>(),
    electricalInput<SL>(),
    lengthInput<SL>(),
};
constexpr CalcResult<SL, T> kStriplineResults[] = {
    {&T::striplineImpedance, "Characteristic Impedance="},
    {&T::striplineVelocity, "Phase Velocity ="},
    {&T::striplineLength, "Line Length", &SL::electricalDeg},
    {&T::striplineAngle, "Electrical Length", &SL::lengthMm}};

std::string calculateStripline(const PageValues* v, T& out)
{
  if (v) out.stripline = calcStripline(lineInput<StriplineInput>(*v));
  out.striplineImpedance = impedanceText(out.stripline.impedance);
  out.striplineVelocity = velocityText(out.stripline.velocity1e8);
  out.striplineWarning = out.stripline.warning;
  // All of the field is in the board.
  const std::optional<double> er =
      out.stripline.impedance && v ? std::optional<double>((*v)[3]) : std::nullopt;
  calculateLength(v, velocityOf(er), out.striplineLine, out.striplineLength, out.striplineAngle);
  return out.stripline.error.empty() ? out.striplineLine.error : out.stripline.error;
}

using CX = CoaxFields;
constexpr CalcInput<CX> kCoaxInputs[] = {
    {&CX::shieldDiameter, "Shield Diameter (D)", "mm", kMm, kDimension},
    {&CX::conductorDiameter, "Conductor Diameter (d)", "mm", kMm, kDimension},
    {&CX::permittivity, "Dielectric Permittivity (Er)", "", 1, kPermittivity, {}, &kCoaxDielectric},
    {&CX::frequencyMHz, "Atten @", "MHz = ", 1e6, kFrequencyMHz, "Atten @ MHz"},
    frequencyInput<CX>(),
    electricalInput<CX>(),
    lengthInput<CX>(),
};
constexpr CalcResult<CX, T> kCoaxResults[] = {{&T::coaxImpedance, "Characteristic Impedance="},
                                              {&T::coaxLoss, "For copper", &CX::frequencyMHz},
                                              {&T::coaxVelocity, "Phase Velocity ="},
                                              {&T::coaxLength, "Line Length", &CX::electricalDeg},
                                              {&T::coaxAngle, "Electrical Length", &CX::lengthMm}};

std::string calculateCoax(const PageValues* v, T& out)
{
  if (v) out.coax = calcCoax(lineInput<CoaxInput>(*v));
  out.coaxImpedance = impedanceText(out.coax.impedance);
  out.coaxLoss = fixedText(out.coax.lossDbPerMetre, 1, "dB/m");
  out.coaxVelocity = velocityText(out.coax.velocity1e8);
  const std::optional<double> er =
      out.coax.impedance && v ? std::optional<double>((*v)[2]) : std::nullopt;
  calculateLength(v, velocityOf(er), out.coaxLine, out.coaxLength, out.coaxAngle);
  return out.coax.error.empty() ? out.coaxLine.error : out.coax.error;
}

using FT = FlatTwinFields;
constexpr CalcInput<FT> kFlatTwinInputs[] = {
    {&FT::separation, "Separation (s)", "mm", kMm, kDimension},
    {&FT::conductorDiameter, "Conductor diameter (d)", "mm", kMm, kDimension},
    {&FT::permeability, "relative permeability", "", 1, kRelative, {}, &kTwinMagnetic},
    {&FT::permittivity, "relative permittivity", "", 1, kRelative, {}, &kTwinDielectric},
    frequencyInput<FT>(),
    electricalInput<FT>(),
    lengthInput<FT>(),
};
constexpr CalcResult<FT, T> kFlatTwinResults[] = {
    {&T::flatTwinImpedance, "Characteristic Impedance="},
    {&T::flatTwinLength, "Line Length", &FT::electricalDeg},
    {&T::flatTwinAngle, "Electrical Length", &FT::lengthMm}};

std::string calculateFlatTwin(const PageValues* v, T& out)
{
  if (v) out.flatTwin = calcFlatTwin(lineInput<FlatTwinInput>(*v));
  out.flatTwinImpedance = impedanceText(out.flatTwin.impedance);
  // A uniform medium: the wave travels at c / sqrt(ur er).
  std::optional<double> velocity;
  if (out.flatTwin.impedance && v && (*v)[2] > 0 && (*v)[3] > 0)
    velocity = waveVelocity((*v)[3], (*v)[2]);
  calculateLength(v, velocity, out.flatTwinLine, out.flatTwinLength, out.flatTwinAngle);
  return out.flatTwin.error.empty() ? out.flatTwinLine.error : out.flatTwin.error;
}

const TxLinePages kPages{
    {"Microstrip", kMicrostripInputs, kMicrostripResults, calculateMicrostrip, kBoardNotes, true,
     &T::microstripWarning},
    {"Stripline", kStriplineInputs, kStriplineResults, calculateStripline, kBoardNotes, false,
     &T::striplineWarning},
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
