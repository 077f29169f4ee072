#pragma once
// While the print preview is open the screen colours of the schematic and the graph are
// exchanged, value for value, with the printer colours of the environment record, so every
// painter draws in printer colours without knowing it. Exchanging again restores them.
// Paper, selection and graph background colours are not exchanged.

#include "config/environment.h"

namespace norvane {

void exchangePrintColours(Environment& env);

} // namespace norvane
