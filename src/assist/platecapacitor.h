#pragma once
// The parallel-plate capacitor (fringing neglected). SI units: m^2, m, farad.

#include <optional>
#include <string>

namespace norvane {

struct PlateCapacitorInput
{
  double area = 0;         // plate area, m^2
  double spacing = 0;      // plate spacing, m
  double permittivity = 1; // relative, of the dielectric between the plates
};

struct PlateCapacitorResult
{
  std::optional<double> capacitance; // F
  std::string error;
};

PlateCapacitorResult calcPlateCapacitor(const PlateCapacitorInput& in);

} // namespace norvane
