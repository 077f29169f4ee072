#include "editor/gridtile.h"

namespace norvane {

PixelImage buildGridTile(Color paper, Color dots)
{
  PixelImage tile;
  tile.width = kGridTileSize;
  tile.height = kGridTileSize;
  tile.pixels.assign(static_cast<std::size_t>(kGridTileSize * kGridTileSize), paper);
  for (int y = 0; y < kGridTileSize; y += kGridSpacing)
    for (int x = 0; x < kGridTileSize; x += kGridSpacing)
      tile.pixels[static_cast<std::size_t>(y * kGridTileSize + x)] = dots;
  return tile;
}

} // namespace norvane
