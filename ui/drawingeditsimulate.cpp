// The Simulate command of the main window.
#include "drawingedit.h"

namespace norvane {

void TDrawingEdit::simulate()
{
  showNotAvailable("The simulation engine is");
}

} // namespace norvane
