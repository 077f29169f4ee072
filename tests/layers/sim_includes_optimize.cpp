// Must not compile: the optimiser stands on the simulator, never the other way round.
#include "optimize/goal.h"
