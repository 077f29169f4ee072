// Compiles: a library's own sources see its private headers.
#include "sim/stampsdetail.h"
