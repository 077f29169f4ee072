#pragma once
// The drawing surface every painter in the program writes to: the schematic (screen, print,
// preview, assistant pictures) and the graph window. It holds the current pen, brush and font
// like a classic GDI device context; the drawing operations read that state when they run.
//
// Coordinates are integer device pixels, x to the right and y downwards. Colours are 32-bit
// integers with red in the low byte, green in the next and blue in the next (255 is red,
// 8421504 grey, 16711680 blue), the form the configuration file stores.
//
// Implementations: QtCanvas (QPainter on a widget, image or printer) and, for the tests,
// RecordingCanvas (tests/support).

#include <cstdint>
#include <string>
#include <vector>

namespace norvane {

using Color = std::int32_t;

constexpr Color makeColor(int red, int green, int blue)
{
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Color c)
{
  return c & 0xFF;
}
constexpr int greenOf(Color c)
{
  return (c >> 8) & 0xFF;
}
constexpr int blueOf(Color c)
{
  return (c >> 16) & 0xFF;
}

namespace colors {
constexpr Color black = 0;
constexpr Color white = 16777215;
constexpr Color grey = 8421504; // RGB 128, 128, 128
constexpr Color red = 255;
constexpr Color blue = 16711680;
} // namespace colors

struct CanvasPoint
{
  int x = 0;
  int y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct TextExtent
{
  int width = 0;
  int height = 0;
  friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

enum class PenStyle { Solid, Dot };

// How the pen combines with what is already there. Xor drawn twice restores the picture;
// Not inverts the destination (the pen colour is ignored). Vector output such as PDF cannot
// combine with the destination: there Xor and Not draw as Copy.
enum class PenMode { Copy, Xor, Not };

// Clear leaves the interior of rectangles, ellipses and polygons (and the background of text)
// untouched. DiagonalHatch fills with thin diagonal lines of the brush colour.
enum class BrushStyle { Solid, Clear, DiagonalHatch };

struct Pen
{
  Color color = colors::black;
  int width = 1; // in pixels; 0 draws the thinnest line the device has
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush
{
  Color color = colors::white;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font
{
  std::string name = "Sans Serif";
  int size = 8; // points; a text's pixel height follows from the canvas's pixels per inch
  Color color = colors::black;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// A small picture prepared once and repeated across an area (the schematic's grid tile).
struct PixelImage
{
  int width = 0;
  int height = 0;
  std::vector<Color> pixels; // row by row, width * height entries
  Color at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

class Canvas
{
public:
  virtual ~Canvas() = default;

  // State. The setters only record; the next drawing operation uses the new state.
  void setPenColor(Color c) { m_pen.color = c; }
  void setPenWidth(int w) { m_pen.width = w < 0 ? 0 : w; }
  void setPenStyle(PenStyle s) { m_pen.style = s; }
  void setPenMode(PenMode m) { m_pen.mode = m; }
  void setPen(const Pen& p) { m_pen = p; }
  void setBrushColor(Color c) { m_brush.color = c; }
  void setBrushStyle(BrushStyle s) { m_brush.style = s; }
  void setBrush(const Brush& b) { m_brush = b; }
  void setFontName(const std::string& name) { m_font.name = name; }
  void setFontSize(int points) { m_font.size = points; }
  void setFontColor(Color c) { m_font.color = c; }
  void setFontBold(bool bold) { m_font.bold = bold; }
  void setFont(const Font& f) { m_font = f; }
  // Lines and curves drawn in Copy mode are anti-aliased where the device can (traces read
  // as smooth curves); inverting and exclusive-or drawing stay pixel-exact, since drawing
  // them a second time must restore every pixel.
  void setSmoothing(bool on) { m_smoothing = on; }
  bool smoothing() const { return m_smoothing; }

  const Pen& pen() const { return m_pen; }
  const Brush& brush() const { return m_brush; }
  const Font& font() const { return m_font; }
  CanvasPoint penPosition() const { return m_penPos; }

  // Device resolution (96 on a usual screen, several hundred on a printer).
  virtual int pixelsPerInch() const = 0;

  // Lines with the pen. lineTo draws from the pen position to (x, y), excluding the end
  // pixel as GDI does, and leaves the pen position there.
  void moveTo(int x, int y) { m_penPos = {x, y}; }
  void lineTo(int x, int y)
  {
    drawLine(m_penPos, {x, y});
    m_penPos = {x, y};
  }

  // A rectangle from (x1, y1) to (x2, y2), right and bottom edges exclusive: outlined with the
  // pen and filled with the brush.
  virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
  // The same area filled with the brush only (no outline).
  virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
  // A one-pixel border of the same area in the brush colour, interior untouched.
  virtual void frameRect(int x1, int y1, int x2, int y2) = 0;
  // The ellipse inscribed in the box, outlined with the pen and filled with the brush.
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  // Part of the ellipse inscribed in the box, drawn with the pen counter-clockwise (as seen on
  // the screen) from where the ray from the box centre through (startX, startY) meets it to
  // where the ray through (endX, endY) meets it. Equal rays draw the whole ellipse.
  virtual void arc(int x1, int y1, int x2, int y2, int startX, int startY, int endX, int endY) = 0;
  // A closed polygon outlined with the pen and filled with the brush.
  virtual void polygon(const std::vector<CanvasPoint>& points) = 0;
  // One pixel of the given colour (pen and mode do not apply).
  virtual void setPixel(int x, int y, Color c) = 0;
  // Text in the font's colour with its top-left corner at (x, y). The background behind the
  // characters is filled with the brush colour when the brush is Solid, else left as it is.
  virtual void textOut(int x, int y, const std::string& text) = 0;
  // Width and height in pixels that textOut would cover with the current font.
  virtual TextExtent textExtent(const std::string& text) = 0;

  // Covers the area (x, y, width, height) with copies of the tile, its top-left corner at
  // (x, y). The default draws pixel by pixel; real canvases blit a cached image.
  virtual void drawTiled(const PixelImage& tile, int x, int y, int width, int height)
  {
    if (tile.width <= 0 || tile.height <= 0) return;
    for (int j = 0; j < height; ++j)
      for (int i = 0; i < width; ++i)
        setPixel(x + i, y + j, tile.at(i % tile.width, j % tile.height));
  }

protected:
  virtual void drawLine(CanvasPoint from, CanvasPoint to) = 0;

private:
  Pen m_pen;
  Brush m_brush;
  Font m_font;
  CanvasPoint m_penPos;
  bool m_smoothing = false;
};

} // namespace norvane
