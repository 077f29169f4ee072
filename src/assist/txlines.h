#pragma once
// Characteristic impedance and phase velocity of four line geometries: microstrip, stripline,
// coaxial cable (with its copper loss) and the parallel two-wire (flat-twin) line.
// Dimensions in metres, frequencies in hertz. A geometry outside a formula's domain gives an
// error text and no results; results are never NaN or infinite.

#include <optional>
#include <string>

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

MicrostripResult calcMicrostrip(const MicrostripInput& in);
StriplineResult calcStripline(const StriplineInput& in);
CoaxResult calcCoax(const CoaxInput& in);
FlatTwinResult calcFlatTwin(const FlatTwinInput& in);

} // namespace norvane
