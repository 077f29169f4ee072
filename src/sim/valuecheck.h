#pragma once
// The check of the component values before a run. The element stamps divide by resistances,
// capacitances, inductances, line impedances, turns and more; a zero there, or a value that
// is not a finite number, would turn every S-parameter into NaN, which the graph shows as 0.
// Such a circuit is refused with a message naming the component instead. The SPICE export
// makes the same check, so that it never writes a netlist the simulator itself would refuse.

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/netlist.h"
#include "sim/tolerance.h"

#include <string>

namespace norvane {

// The message for the first component whose values cannot be simulated, or an empty text.
// Run after the tolerance rule, so `actual` holds the value the run would use. Refused: a
// NaN, an infinity or a value at the double range's end (where too large a number in a file
// was saturated) in any slot; an exact zero where the kind's stamp divides by the value.
// Components are named by their name when they have one, else by kind and number ("capacitor
// 2"), with their position.
std::string checkComponentValues(const Drawing& drawing);

// Every value of a numbered circuit as a run uses it: a present port's zero Zo is taken as the
// port dialog takes it (1e-6 ohm), any other Zo that is not a positive number is refused; the
// tolerance rule in `toleranceMode` fixes each value's `actual`; then checkComponentValues.
// False after the refusal's message has gone to `prompts`.
bool checkCircuitValues(Drawing& drawing, const Netlist& net, int toleranceMode,
                        ToleranceRandom& random, Prompts& prompts);

} // namespace norvane
