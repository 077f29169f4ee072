#include "numbers/filenumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace norvane {

std::string formatFileReal(double x)
{
  if (std::isnan(x)) x = 0.0;
  if (std::isinf(x))
    x = x > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  if (x == 0.0) x = 0.0; // no "-0"

  // 15 significant digits: "d.ddddddddddddddde+XX" from the locale-free converter.
  char buf[64];
  const char* end =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14).ptr;
  const std::string_view sci(buf, static_cast<std::size_t>(end - buf));
  const std::size_t ePos = sci.find('e');
  int exponent = 0;
  const char* expBegin = buf + ePos + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, end, exponent);

  std::string out;
  out.reserve(23);
  out += x < 0 ? '-' : ' ';
  out.append(sci.substr(0, ePos));
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  const std::string digits = std::to_string(std::abs(exponent));
  out.append(4 - digits.size(), '0');
  out += digits;
  return out;
}

} // namespace norvane
