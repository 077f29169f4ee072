#pragma once
// Edge-coupled microstrip lines: even- and odd-mode impedances and the coupling, from the
// Kirschning-Jansen closed-form model (static, no dispersion). SI units.

#include "assist/couplers.h"

#include <optional>
#include <string>

namespace norvane {

struct CoupledMicrostripInput
{
  double width = 0;        // of each line
  double spacing = 0;      // gap between the lines
  double thickness = 0;    // of the lines
  double height = 0;       // dielectric thickness h
  double permittivity = 1; // Er
};

struct CoupledMicrostripResult
{
  std::optional<double> singleImpedance;             // Z0 of one line alone
  std::optional<double> singleEffectivePermittivity; // its effective permittivity
  std::optional<double> evenEffectivePermittivity;
  std::optional<double> oddEffectivePermittivity;
  std::optional<double> evenImpedance; // Z0e
  std::optional<double> oddImpedance;  // Z0o
  std::optional<double> couplingDb;
  std::optional<double> lineImpedance; // sqrt(Z0e Z0o)
  std::string warning;                 // inputs outside the model's range ("" inside it)
  std::string error;
};

CoupledMicrostripResult calcCoupledMicrostrip(const CoupledMicrostripInput& in);

} // namespace norvane
