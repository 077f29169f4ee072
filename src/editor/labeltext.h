#pragma once
// The value labels written beside each component symbol: up to three lines per component,
// built from its values in engineering notation ("50R", "+1%,-1%", "Q=200 @100MHz").

#include "document/schematic.h"

#include <array>
#include <string>

namespace norvane {

// Three label lines; an empty line is not drawn.
using LabelLines = std::array<std::string, 3>;

// Eng(v, n): engineering text of v with n decimals and its prefix letter ("4.7k", "10p").
std::string engText(double value, int decimals);

// The tolerance text of a value: empty when tolerance is off; else the upper then the lower
// tolerance, each signed, as "+1%,-1%" in percent or "+5R-5R" with the unit.
std::string toleranceText(const ToleranceValue& v, const std::string& unit);

// The shortest plain decimal form of a number ("200", "0.5", "1E20"), as Q figures are shown.
std::string plainNumberText(double value);

// The label lines of a component. Data blocks show the name of their data set, which lives in
// the document's data sets.
LabelLines componentLabelLines(const Component& comp, const DataSets& dataSets);

// The label of a measurement port: its reference impedance, "50R".
std::string portLabelText(const Port& port);

} // namespace norvane
