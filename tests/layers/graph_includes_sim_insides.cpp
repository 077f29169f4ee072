// Must not compile: the graph stands on the simulator but sees only its public headers, not
// the stamps' internal helpers.
#include "sim/stampsdetail.h"
