#pragma once
// Referring S-parameters measured against one reference impedance to another, for the data
// sets, which are all referred to 50 ohm.

#include "document/schematic.h"

#include <string>

namespace norvane::sparamfile {

// The point's S-parameters (S11 alone for ports = 1) measured with reference resistances
// z1, z2 at the ports, referred to `z` at every port. Power waves with real references:
// with r_i = (z - z_i)/(z + z_i), R = diag(r_i) and C = diag((z_i + z)/(2 sqrt(z_i z))),
//   S' = C (S - R) (I - R S)^-1 C^-1
// (from a_i = (V_i + z_i I_i)/(2 sqrt z_i), b_i = (V_i - z_i I_i)/(2 sqrt z_i) written for
// both references; K. Kurokawa, "Power waves and the scattering matrix", IEEE Trans. MTT-13,
// 1965). For one port it is (S - r)/(1 - r S).
TwoPortPoint referredTo(const TwoPortPoint& point, int ports, double z1, double z2, double z);

// The note a dialog shows after the conversion: "Converted from 75 ohm to 50 ohm".
std::string conversionNote(int ports, double z1, double z2, double z);

} // namespace norvane::sparamfile
