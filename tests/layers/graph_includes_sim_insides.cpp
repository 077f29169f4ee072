// Must not compile: the graph stands on the simulator but sees only its public headers, not
// the value check's insides.
#include "sim/valuecheck.h"
