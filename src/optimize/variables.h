#pragma once
// What the optimiser may change: the main value of components (R, C, L, a line's length, ...,
// the value tune mode steps), each within a range and optionally held to a standard series.

#include "document/schematic.h"
#include "optimize/eseries.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

struct Variable
{
  int component = 0; // drawdat.components[component]
  int slot = 0;      // value[slot] holds the main value
  std::string label; // the component's name, or "#N" for the N-th component of the listing
  std::string unit;  // as the listing writes it ("F", "H", "R", "m")
  double start = 0.0;
  double min = 0.0;
  double max = 0.0;
  std::optional<ESeries> series;
};

struct VariableReading
{
  std::optional<Variable> variable;
  std::string problem;
};

// "NAME[=MIN..MAX][,SERIES]": NAME is a component's name or its number N in the netlist
// listing's order (document order, ground symbols left out); the range defaults to the value
// /2 .. x2; SERIES is E6, E12, E24, E48 or E96. The problem names the wrong part.
VariableReading parseVariable(std::string_view text, const Schematic& doc);

// The number of drawdat.components[component] in the netlist listing's order (0 for ground,
// which the listing leaves out): "#N" names a component without a name.
int listingNumber(const Drawing& d, int component);

// Every resistor, capacitor, inductor and transmission line in its default range.
std::vector<Variable> defaultVariables(const Schematic& doc);

// Writes the values into the components' main value (nominal and the value a run uses).
void applyVariables(Drawing& drawing, const std::vector<Variable>& vars,
                    const std::vector<double>& values);

// "31.83pF", as the results print a variable's value.
std::string variableValueText(const Variable& v, double value);

} // namespace norvane
