#include "graph/markerglyph.h"

#include <array>
#include <vector>

namespace norvane {

namespace {

// Sizes at scale 1, in pixels.
constexpr int kHalfWidth = 5;      // of the triangle and the diamond
constexpr int kTriangleHeight = 8; //
constexpr int kDiamondHeight = 12; //
constexpr int kGap = 2;            // between the sign and its number
constexpr int kDigitWidth = 4;     //
constexpr int kDigitHeight = 6;    //
constexpr int kSignHeight = kDiamondHeight + kGap + kDigitHeight + 2; // one step of `lift`

using Stroke = std::vector<CanvasPoint>;

// The digits 1..8 as polylines on a grid 4 wide and 6 high (y downwards). A line leaves out
// its end pixel, so the strokes are laid out never to cover a pixel twice: an inverted pixel
// inverted again would vanish.
const std::array<std::vector<Stroke>, 8>& digitStrokes()
{
  static const std::array<std::vector<Stroke>, 8> kDigits = {{
      {{{1, 1}, {2, 0}, {2, 6}}, {{1, 6}, {4, 6}}},
      {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}, {5, 6}}},
      {{{0, 0}, {4, 0}, {4, 6}, {-1, 6}}, {{1, 3}, {4, 3}}},
      {{{0, 0}, {0, 4}, {3, 4}}, {{3, 0}, {3, 7}}, {{4, 4}, {5, 4}}},
      {{{4, 0}, {0, 0}, {0, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {-1, 6}}},
      {{{4, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}},
      {{{0, 0}, {4, 0}, {1, 7}}},
      {{{1, 0},
        {3, 0},
        {4, 1},
        {4, 2},
        {3, 3},
        {1, 3},
        {0, 4},
        {0, 5},
        {1, 6},
        {3, 6},
        {4, 5},
        {4, 4},
        {3, 3}},
       {{0, 2}, {0, 1}, {1, 0}}},
  }};
  return kDigits;
}

int signHeight(const MarkerGlyph& g)
{
  return (g.reference ? kDiamondHeight : kTriangleHeight) * g.scale;
}

// The tip of the sign, raised for stacked markers.
CanvasPoint tip(const MarkerGlyph& g)
{
  return {g.at.x, g.at.y - g.lift * kSignHeight * g.scale};
}

} // namespace

void drawMarkerGlyph(Canvas& canvas, const MarkerGlyph& g)
{
  const int s = g.scale;
  const CanvasPoint t = tip(g);
  const int h = signHeight(g);
  canvas.setPen({g.color, s > 1 ? s : 1, PenStyle::Solid, PenMode::Not});
  canvas.setBrush({g.color, g.selected ? BrushStyle::Solid : BrushStyle::Clear});
  if (g.reference) {
    canvas.polygon({t,
                    {t.x - kHalfWidth * s, t.y - h / 2},
                    {t.x, t.y - h},
                    {t.x + kHalfWidth * s, t.y - h / 2}});
  } else {
    canvas.polygon({t, {t.x - kHalfWidth * s, t.y - h}, {t.x + kHalfWidth * s, t.y - h}});
  }
  if (g.number >= 1 && g.number <= 8) {
    const int left = t.x - kDigitWidth * s / 2;
    const int top = t.y - h - kGap * s - kDigitHeight * s;
    for (const Stroke& stroke : digitStrokes()[static_cast<std::size_t>(g.number - 1)]) {
      canvas.moveTo(left + stroke.front().x * s, top + stroke.front().y * s);
      for (std::size_t i = 1; i < stroke.size(); ++i)
        canvas.lineTo(left + stroke[i].x * s, top + stroke[i].y * s);
    }
  }
  canvas.setPenMode(PenMode::Copy);
}

IntRect markerGlyphBox(const MarkerGlyph& g)
{
  const int s = g.scale;
  const CanvasPoint t = tip(g);
  const int height = signHeight(g) + (kGap + kDigitHeight) * s;
  return {t.x - kHalfWidth * s, t.y - height, 2 * kHalfWidth * s + 1, height + 1};
}

} // namespace norvane
