#include "graph/dialognumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace norvane {
namespace {

double finiteOrClamped(double x)
{
  if (std::isnan(x)) return 0.0;
  if (std::isinf(x))
    return x > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  return x;
}

} // namespace

std::string shortestText(double x)
{
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", finiteOrClamped(x));
  return buf;
}

double parsePlainNumber(std::string_view text)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return 0.0;
  // from_chars would also take "inf" and "nan"; a number must start with a digit, a point or
  // a minus sign followed by one of those.
  const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
  if (!((first >= '0' && first <= '9') || first == '.')) return 0.0;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return 0.0;
  return value;
}

IntPoint centredOver(const IntRect& window, int dialogWidth, int dialogHeight)
{
  return {window.left + (window.width - dialogWidth) / 2,
          window.top + (window.height - dialogHeight) / 2};
}

} // namespace norvane
