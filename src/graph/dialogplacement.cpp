#include "graph/dialogplacement.h"

namespace norvane {

IntPoint centredOver(const IntRect& window, int dialogWidth, int dialogHeight)
{
  return {window.left + (window.width - dialogWidth) / 2,
          window.top + (window.height - dialogHeight) / 2};
}

} // namespace norvane
