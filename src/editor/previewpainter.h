#pragma once
// The small circuit pictures of the design assistants (matching, attenuator, filter). An
// assistant keeps its own circuit of components, wires and two ports outside the document; it
// is drawn at 1/1 with the schematic's symbols, shifted by an offset, with short labels.

#include "config/environment.h"
#include "document/schematic.h"
#include "platform/canvas.h"

#include <span>
#include <string>

namespace norvane {

// The value an assistant uses for "no value computed"; its label shows "?".
constexpr double kNoValueMark = 1.1e35;

struct PreviewCircuitView
{
  const Port* P1 = nullptr; // optional
  const Port* P2 = nullptr; // optional
  std::span<const Component> components;
  std::span<const Wire> wires;
};

// Label of a preview component: resistors, capacitors and inductors show their value with 3
// decimals and "R", "F" or "H" ("?" for kNoValueMark); the other kinds show nothing.
std::string previewLabelText(const Component& comp);

// Draws the circuit with every point shifted by (xOffset, yOffset). Ports are drawn in their
// orientation, orientation 1 when the assistant left it unset; unplaced ports are skipped.
void paintPreviewCircuit(Canvas& canvas, const PreviewCircuitView& circuit, int xOffset,
                         int yOffset, const Environment& env, const std::string& fontName);

} // namespace norvane
