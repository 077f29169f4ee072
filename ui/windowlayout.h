#pragma once
// Where the program's windows go on the screen: the layout of a first start (no stored
// placements) and stored placements fitted to the screen they are meant for.
//
// All rectangles are window frames (title bar and border included) in screen pixels; a
// window's client size is its frame less the decoration the window manager adds.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace norvane {

struct FirstStartLayout
{
  QRect main;  // the schematic, on the left
  QRect graph; // the results, beside it on the right
  QRect help;  // below both, across the screen (on a low screen: where the results go)
};

// Main window and graph window side by side over the available screen area, the help below
// them. The main window takes a little more than half the width (the sheet is wider than the
// plot needs) unless the graph window would then be narrower than `graphTidy` (its menu and
// tool bar in full).
FirstStartLayout firstStartLayout(const QRect& available, QSize graphTidy);

// A stored frame moved and shrunk as little as possible to lie within the available area.
QRect fitFrame(const QRect& frame, const QRect& available);

// The decoration around a top-level window: measured once it is on the screen, otherwise a
// typical title bar and border.
QMargins decorationOf(const QWidget& window);

// The available area of the screen that holds the middle of `frame` (the primary screen when
// no screen does).
QRect availableAreaFor(const QRect& frame);

// Moves and sizes a top-level window so that its frame is `frame`.
void placeFrame(QWidget& window, const QRect& frame);

} // namespace norvane
