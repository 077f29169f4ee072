#pragma once
// The program's own cursors: "CURSOR_TUNE" for tune mode (a trimmer tool over a hot spot)
// and "CURSOR_TEXT" for placing a text (a cross-hair with a letter), drawn in code.

#include <QCursor>

namespace norvane {

QCursor tuneCursor();
QCursor textCursor();

} // namespace norvane
