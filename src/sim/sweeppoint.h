#pragma once
// The S-parameters of one sweep point, as the sweep derives them from the port voltages.

#include "sim/complex.h"

#include <optional>

namespace norvane {

// Each port is driven in turn by a unit source behind its reference resistance (a Norton
// current 1/Zo into the port node, which carries its own 1/Zo shunt), so a matched port sits
// at 0.5 V and the incident wave is 0.5 V. With V1, V2 the port voltages while port 1 is
// driven and V1', V2' while port 2 is driven:
//   S11 = 2 V1 - 1,  S21 = 2 V2 sqrt(Z1/Z2),  S12 = 2 V1' sqrt(Z2/Z1),  S22 = 2 V2' - 1.
// The raw transmission coefficients 2 V2 and 2 V1' (without the impedance factor) are what
// the rectangular traces, the stability circles and the result file use.
// The noise figures of a point of a run that asked for them (sim/noiseanalysis.h): NF with
// port 1's reference resistance as the source, and the two-port's noise parameters
// (Gamma-opt against 50 ohm). A figure that is not defined at the point is absent.
struct PointNoise
{
  std::optional<double> nfDb;
  std::optional<double> nfminDb;
  std::optional<double> goptMag;
  std::optional<double> goptDeg;
  std::optional<double> rnOhm;
};

struct SweepPoint
{
  double freq = 0.0;     // Hz
  bool port1 = false;    // port 1 is part of the circuit
  bool port2 = false;    // port 2 is part of the circuit
  bool excited1 = false; // the port-1 excitation was solved at this point
  bool excited2 = false; // the port-2 excitation was solved at this point
  Complex s11;           // valid with excited1
  Complex s21raw;        // 2 V2, valid with excited1 and port2
  Complex s21;           // normalised
  Complex s12raw;        // 2 V1', valid with excited2 and port1
  Complex s12;           // normalised
  Complex s22;           // valid with excited2
  PointNoise noise;      // filled only by a run that asks for noise

  bool hasS11() const { return port1 && excited1; }
  bool hasS21() const { return port1 && port2 && excited1; }
  bool hasS12() const { return port1 && port2 && excited2; }
  bool hasS22() const { return port2 && excited2; }
};

} // namespace norvane
