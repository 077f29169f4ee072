#pragma once
// The private circuit of a design assistant (matching, attenuator, filter): the preview it
// shows and the schematic it writes into the document on Simulate. Coordinates are drawing
// units; two-terminal parts are 40 units long, grounds connect 10 units above their point,
// and ports (orientation 1) connect 20 units to the side.

#include "config/environment.h"
#include "document/schematic.h"

#include <string>

namespace norvane {

struct AssistantCircuit
{
  Port P1; // pos and Zo only
  Port P2;
  BoundedList<Component, kMaxComponents> components;
  BoundedList<Wire, kMaxWires> wires;

  void ClearCircuit()
  {
    components.clear();
    wires.clear();
  }
  // Appends a component (kind, position, orientation and five value records).
  void AddComponent(ComponentType ctype, int x, int y, int crot,
                    const OneBasedArray<ToleranceValue, kValuesPerComponent>& values);
  void AddWire(int x1, int y1, int x2, int y2);
  void SetPort(int port, int x, int y, double zo);
};

// Value records of generated parts. A computed value v with a tolerance of t percent carries
// mintol -t and maxtol +t, the sign order of every other component, so the lower tolerance
// simulates the lower value.
OneBasedArray<ToleranceValue, kValuesPerComponent> resistorValues(double ohms, double tolPercent);
// Inductors and capacitors: value[2]..[5] are the loss parameters Q 100 at 100 MHz, a
// self-resonance of 1 GHz and Q mode 1, left switched off (value[5] disabled).
OneBasedArray<ToleranceValue, kValuesPerComponent> reactiveValues(double value, double tolPercent);
OneBasedArray<ToleranceValue, kValuesPerComponent> groundValues();

// How an assistant's circuit goes into the document.
struct AssistantWriteSettings
{
  bool setSweep = true;  // else the new schematic keeps the preferences' sweep limits
  double sweepMin = 0.0; // Hz
  double sweepMax = 0.0; // Hz
  int freqmode = 1;      // 1 linear, 2 logarithmic
  int xShift = 0;        // each x becomes snapToGrid(x + xShift) (0: copied unchanged)
};

// The name a generated schematic gets.
inline constexpr const char* kUnnamedFile = "unnamed.cct";

// Resets the document (clearSchematic), sets the sweep and the display (square grid, S21 and
// S11 in dB from -40 to 10), names it "unnamed.cct" in env.filename, and copies the
// circuit's components, wires and ports (both ports orientation 1). Closing the graph
// window, the modified flag and the simulation are the caller's.
void writeAssistantSchematic(Schematic& doc, Environment& env, const AssistantCircuit& circuit,
                             const AssistantWriteSettings& settings);

} // namespace norvane
