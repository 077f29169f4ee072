#pragma once
// The program's own picture for the start notice and the about box: a Smith chart motif with
// the program's name, drawn in code so no image file has to travel with the program.

#include <QImage>
#include <QSize>

namespace norvane {

QImage brandPicture(QSize size);

} // namespace norvane
