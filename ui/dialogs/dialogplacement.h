#pragma once
// Property dialogs open where the user double-clicked: their top-left corner at the mouse,
// pulled back inside the screen when they would reach beyond its right or bottom edge, and
// never above its top.

#include <QPoint>
#include <QRect>

class QWidget;

namespace norvane {

// The top-left corner for a window of `frame` size wanted at `wanted` on a screen whose
// usable area is `screen`.
QPoint keepOnScreen(QPoint wanted, QSize frame, const QRect& screen);

// Moves the window there (the screen is the one under `wanted`, else the primary one).
void placeDialogAt(QWidget* dialog, QPoint wanted);

} // namespace norvane
