#pragma once
// Toolbar icons. Component buttons show the component's own schematic symbol, drawn by the
// core symbol painter; the other buttons get small pictures drawn here.

#include "commands.h"

#include <QIcon>

namespace norvane {

struct Environment;

// The icon of a command, or a null icon when the command has no picture.
QIcon commandIcon(Command command, const Environment& env);

// The symbol of a symbol code (a kind's code, ckPort1, ckPort2) as a 24 x 24 picture.
QImage symbolIconImage(int kind, const Environment& env);

} // namespace norvane
