#pragma once
// The example schematics shipped in examples/, built in code. The committed files are
// what our writer makes of these documents; examples_test.cpp keeps the two in step.

#include "document/schematic.h"

#include <string>
#include <vector>

namespace norvane::testing {

struct ExampleDocument
{
  std::string fileName; // in examples/
  Schematic (*build)();
};

// 3-pole Butterworth LC low-pass (shunt C, series L, shunt C), 100 MHz, between two
// 50 ohm ports.
Schematic lowpass3Example();

// A resistive divider (450 ohm series, 50 ohm shunt) with a 100 pF shunt capacitor.
Schematic welcomeExample();
Schematic rcDividerExample();

// A 2-port data block holding the measured S-parameters of a 6 dB attenuator.
Schematic attenuatorBlockExample();

const std::vector<ExampleDocument>& exampleDocuments();

} // namespace norvane::testing
