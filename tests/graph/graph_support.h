#pragma once
// A graph window stand-in for the tests: its picture is a recording canvas that a repaint
// clears and paints again through the core.

#include "graph/graphhost.h"
#include "graph/graphwindowcore.h"
#include "support/recordingcanvas.h"

#include <functional>

namespace norvane {

class TestHost : public GraphHost
{
public:
  void simulate() override
  {
    ++simulations;
    if (onSimulate) onSimulate();
  }
  void repaintGraph() override
  {
    ++repaints;
    canvas.clear();
    core->paint(canvas, area);
  }
  Canvas* liveCanvas() override { return &canvas; }
  IntRect drawingArea() const override { return area; }
  void focusCursorScrollBar() override { ++focusRequests; }
  void beep() override { ++beeps; }

  std::function<void()> onSimulate;
  GraphWindowCore* core = nullptr;
  RecordingCanvas canvas;
  IntRect area{0, 0, 400, 300};
  int simulations = 0;
  int repaints = 0;
  int beeps = 0;
  int focusRequests = 0;
};

} // namespace norvane
