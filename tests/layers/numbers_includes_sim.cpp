// Must not compile: the number layer sits below the simulator and cannot see its headers.
#include "sim/netlist.h"
