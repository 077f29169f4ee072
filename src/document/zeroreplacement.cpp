#include "document/zeroreplacement.h"

namespace norvane {

double replaceZero(double x, double replacement)
{
  return x == 0.0 ? replacement : x;
}

} // namespace norvane
