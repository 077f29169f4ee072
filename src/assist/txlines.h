#pragma once
// Characteristic impedance and phase velocity of four line geometries: microstrip, stripline,
// coaxial cable (with its copper loss) and the parallel two-wire (flat-twin) line.
// Dimensions in metres, frequencies in hertz. A geometry outside a formula's domain gives an
// error text and no results; results are never NaN or infinite.

#include <optional>
#include <string>
#include <vector>

namespace norvane {

struct MicrostripInput
{
  double width = 0;        // W, track width
  double thickness = 0;    // T, track thickness
  double height = 0;       // H, dielectric thickness
  double permittivity = 1; // Er of the substrate
};

struct MicrostripResult
{
  // Inputs outside the range where the formulas hold ("" inside it): the numbers are shown,
  // but with this warning beside them.
  std::string warning;
  std::optional<double> widthRatio;            // u = W / H
  std::optional<double> effectiveWidth;        // We, width ratio widened by the thickness
  std::optional<double> effectivePermittivity; // after the thickness correction
  std::optional<double> impedance;             // Z0, ohm
  std::optional<double> velocity1e8;           // phase velocity in 1e8 m/s
  std::string error;
};

struct StriplineInput
{
  double width = 0;      // W
  double thickness = 0;  // T
  double separation = 0; // S, ground plane separation
  double permittivity = 1;
};

struct StriplineResult
{
  std::string warning; // inputs outside the formula's range
  std::optional<double> impedance;
  std::optional<double> velocity1e8;
  std::string error;
};

struct CoaxInput
{
  double shieldDiameter = 0;    // D, inside of the shield
  double conductorDiameter = 0; // d, inner conductor
  double permittivity = 1;
  double frequency = 0; // for the copper loss
};

struct CoaxResult
{
  std::optional<double> impedance;
  std::optional<double> lossDbPerMetre; // copper conductors
  std::optional<double> velocity1e8;
  std::string error;
};

struct FlatTwinInput
{
  double separation = 0;        // s, centre to centre
  double conductorDiameter = 0; // d
  double permeability = 1;      // relative
  double permittivity = 1;      // relative
};

struct FlatTwinResult
{
  std::optional<double> impedance;
  std::string error;
};

// The length of a line of a given electrical length and the electrical length of a given
// length, at one frequency, for waves that travel at `velocity` along the line.
struct LineLengthInput
{
  double velocity = 0;      // m/s: c / sqrt(effective permittivity)
  double frequency = 0;     // Hz
  double electricalDeg = 0; // wanted electrical length, degrees
  double length = 0;        // given physical length, m
};

struct LineLengthResult
{
  std::optional<double> length;        // m, of electricalDeg
  std::optional<double> electricalDeg; // of length
  std::string error;
};

LineLengthResult calcLineLength(const LineLengthInput& in);

// "Outside the formula's range: W/H 25 (0.05 to 20), ...; the result is only a rough guide.",
// or "" when no condition is listed. Shared by the line and coupler formulas.
std::string outOfRangeWarning(const std::vector<std::string>& conditions);

// A ratio in a range warning: "3.13", "0.06".
std::string ratioText(double x);

// The microstrip thickness conditions the line's dimensions break: "T/H 3.13 (below 1)" and
// "T/W 1.72 (below 0.5)".
std::vector<std::string> microstripThicknessConditions(const MicrostripInput& in);

// Speed of a wave in a medium of relative permittivity (and permeability) er (ur), m/s.
double waveVelocity(double er, double ur = 1.0);

MicrostripResult calcMicrostrip(const MicrostripInput& in);
StriplineResult calcStripline(const StriplineInput& in);
CoaxResult calcCoax(const CoaxInput& in);
FlatTwinResult calcFlatTwin(const FlatTwinInput& in);

} // namespace norvane
