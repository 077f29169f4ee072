#pragma once
// Touchstone files of a sweep at full precision, for network analysers' and other programs'
// readers (and this program's own): frequency in hertz, S-parameters as real and imaginary
// parts, every number in its shortest form that reads back as the same double.
//
// One port present gives a 1-port file (.s1p) of S11, or of S22 when only port 2 is there;
// both give a 2-port file (.s2p). The data are referred to the ports' reference resistances
// (`Zo`): a version 1 file ("# Hz S RI R z") when both are equal, otherwise version 2 with
// [Reference] z1 z2 (S12 before S21 on each line, as its [Two-Port Data Order] 12_21 says).
// A point whose network could not be solved has no values and is left out.
//
// With `noise` a 2-port file also carries the circuit's noise parameters after its S-data
// (version 1: lines "f NFmin(dB) |Gamma-opt| angle(deg) Rn/R" whose first frequency is not
// above the last S-data frequency; version 2: the same lines after [Noise Data]), Gamma-opt and
// Rn referred to port 1's reference resistance R. Points without all four figures are left out.

#include "sim/sweeppoint.h"

#include <ctime>
#include <string>
#include <vector>

namespace norvane {

// What the comment lines at the top name.
struct TouchstoneSource
{
  std::string program;   // "Norvane 0.1.0"
  std::string schematic; // the schematic's file name
  std::string date;      // when it was simulated, utcDateText
  double z1 = 50.0;      // reference resistance of port 1, ohm
  double z2 = 50.0;      // of port 2
};

// The number of ports the points hold values for: 0 (no port), 1 or 2.
int touchstonePorts(const std::vector<SweepPoint>& points);

// ".s1p" or ".s2p" for the points (".s2p" when there are none).
std::string touchstoneExtension(const std::vector<SweepPoint>& points);

// The whole file, lines ended by CR LF.
std::string touchstoneText(const std::vector<SweepPoint>& points, const TouchstoneSource& source,
                           bool noise = false);

// "2026-12-08 01:30:00 UTC".
std::string utcDateText(std::time_t t);

} // namespace norvane
