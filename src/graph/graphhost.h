#pragma once
// What the graph window's logic needs from the real window around it. The Qt window implements
// this; tests use a recording host. Everything is synchronous: repaintGraph() must have painted
// (through GraphWindowCore::paint) when it returns.

#include "graph/intgeometry.h"
#include "platform/canvas.h"

namespace norvane {

class GraphHost
{
public:
  virtual ~GraphHost() = default;

  // Run the simulation again with the document's current settings (the simulate command).
  virtual void simulate() = 0;

  // Repaint the whole drawing area now. The window fills it through GraphWindowCore::paint,
  // into its own picture (an off-screen bitmap that is then shown avoids flicker).
  virtual void repaintGraph() = 0;

  // The canvas holding the window's current picture, for drawing between repaints (trace
  // segments while sweeping, cursor markers); nullptr while there is none.
  virtual Canvas* liveCanvas() = 0;

  // The drawing area in the live canvas's coordinates.
  virtual IntRect drawingArea() const = 0;

  // Texts, checks and buttons changed: show GraphWindowCore::panelState() and readouts().
  virtual void refreshControls() {}

  // The first simulation shows the window.
  virtual void showWindow() {}

  // Give the cursor scroll bar the keyboard focus (after a trace-type change).
  virtual void focusCursorScrollBar() {}

  virtual void beep() {}
};

} // namespace norvane
