#pragma once
// The main value of a component for live tuning: the parameter its kind's description names
// (componentkinds.h). Resistor, capacitor and inductor: R, C, L; transmission line: its
// length; op-amp: Ri; transformer and mutual inductance: the secondary turns; bipolar
// transistor: its current gain; controlled sources: their gain. Ground and the S-parameter
// blocks (whose first slot names a data set) have none.

#include "document/componenttype.h"

namespace norvane {

// The value slot (1..5) tuning steps, or 0 for none.
int tunedValueSlot(ComponentType ctype);

} // namespace norvane
