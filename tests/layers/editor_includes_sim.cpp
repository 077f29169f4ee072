// Must not compile: the editor edits the drawing and never simulates it, so it does not stand
// on the simulator and cannot see its headers.
#include "sim/netlist.h"
