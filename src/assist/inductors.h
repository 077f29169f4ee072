#pragma once
// Inductance of three constructions: an air-cored solenoid, a printed square spiral and a
// printed short-circuited stub. SI units in and out (metres, hertz, m/s, henry, ohm).

#include <optional>
#include <string>

namespace norvane {

struct AirCoreInductorInput
{
  double length = 0;   // coil length, m
  double diameter = 0; // coil diameter, m
  double turns = 0;
};

struct SpiralInductorInput
{
  double sideLength = 0; // outer side A of the square spiral, m (track width = spacing)
  double turns = 0;
};

struct ShortedStubInput
{
  double impedance = 0; // Zo of the printed line, ohm
  double length = 0;    // m
  double velocity = 0;  // phase velocity, m/s
  double frequency = 0; // Hz
};

struct InductanceResult
{
  std::optional<double> inductance; // H
  std::string error;
};

struct ShortedStubResult
{
  std::optional<double> electricalLength; // radians
  std::optional<double> reactance;        // ohm, the input reactance Zin = jX
  std::optional<double> inductance;       // H, the inductor with that reactance at f
  std::string error;
};

InductanceResult calcAirCoreInductor(const AirCoreInductorInput& in);
InductanceResult calcSpiralInductor(const SpiralInductorInput& in);
ShortedStubResult calcShortedStub(const ShortedStubInput& in);

} // namespace norvane
