#pragma once
// The schematic grid is painted by repeating one prepared 100 x 100 tile over the drawing area
// instead of setting 15000 dots one by one. The tile is rebuilt whenever the paper or the grid
// dot colour changes.

#include "platform/canvas.h"

namespace norvane {

constexpr int kGridTileSize = 100;
constexpr int kGridSpacing = 10; // drawing units between grid points (the snapping grid)

// Paper colour everywhere, one dot of `dots` at every multiple of the grid spacing.
PixelImage buildGridTile(Color paper, Color dots);

} // namespace norvane
