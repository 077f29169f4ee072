#pragma once
// Where the setup dialogs open.

#include "graph/intgeometry.h"

namespace norvane {

// A dialog of the given size centred over the graph window (halves truncate).
IntPoint centredOver(const IntRect& window, int dialogWidth, int dialogHeight);

} // namespace norvane
