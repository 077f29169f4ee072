// Must not compile: the editor sees only the simulator's public headers, not the value
// check's insides.
#include "sim/valuecheck.h"
