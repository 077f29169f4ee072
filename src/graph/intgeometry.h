#pragma once
// Integer points and rectangles of device pixels, used for drawing areas and page layouts.

namespace norvane {

struct IntPoint
{
  int x = 0;
  int y = 0;
  bool operator==(const IntPoint&) const = default;
};

struct IntRect
{
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const IntRect&) const = default;
};

} // namespace norvane
