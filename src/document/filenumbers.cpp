#include "document/filenumbers.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace norvane {
namespace {

bool isBlank(char c)
{
  return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}

// Splits off the next blank-separated token.
std::string_view nextToken(std::string_view& text)
{
  std::size_t begin = 0;
  while (begin < text.size() && isBlank(text[begin])) {
    ++begin;
  }
  std::size_t end = begin;
  while (end < text.size() && !isBlank(text[end])) {
    ++end;
  }
  const std::string_view token = text.substr(begin, end - begin);
  text.remove_prefix(end);
  return token;
}

// Checks the shape of a real number: sign, digits with optional point and fraction (at least
// one digit), optional exponent with at least one digit. Returns the decimal order of
// magnitude of its first significant digit (for telling overflow from underflow), or
// nullopt when the token is not a number.
std::optional<long> checkReal(std::string_view s)
{
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    ++i;
  }
  long magnitude = 0;
  bool significant = false;
  int digits = 0;
  while (i < s.size() && isDigit(s[i])) {
    if (significant || s[i] != '0') {
      significant = true;
      ++magnitude;
    }
    ++digits;
    ++i;
  }
  if (significant) {
    --magnitude; // "123" is of order 2
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    long zeros = 0;
    while (i < s.size() && isDigit(s[i])) {
      if (!significant) {
        if (s[i] == '0') {
          ++zeros;
        } else {
          significant = true;
          magnitude = -(zeros + 1);
        }
      }
      ++digits;
      ++i;
    }
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      negative = s[i] == '-';
      ++i;
    }
    long exponent = 0;
    int expDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
      if (exponent < 1000000) {
        exponent = exponent * 10 + (s[i] - '0');
      }
      ++expDigits;
      ++i;
    }
    if (expDigits == 0) {
      return std::nullopt;
    }
    magnitude += negative ? -exponent : exponent;
  }
  if (i != s.size()) {
    return std::nullopt;
  }
  return significant ? magnitude : 0;
}

std::optional<double> realFromToken(std::string_view token)
{
  const std::optional<long> magnitude = checkReal(token);
  if (!magnitude) {
    return std::nullopt;
  }
  const bool negative = !token.empty() && token.front() == '-';
  if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
    token.remove_prefix(1);
  }
  double value = 0.0;
  const auto [ptr, ec] =
      std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = *magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (ec != std::errc() || ptr != token.data() + token.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

} // namespace

std::optional<int> parseFileInteger(std::string_view text)
{
  std::string_view token = nextToken(text);
  if (!token.empty() && token.front() == '+') {
    token.remove_prefix(1);
    if (!token.empty() && token.front() == '-') {
      return std::nullopt;
    }
  }
  int value = 0;
  const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || ec != std::errc() || ptr != token.data() + token.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> parseFileReal(std::string_view text)
{
  return realFromToken(nextToken(text));
}

std::optional<double> takeFileReal(std::string_view& text)
{
  return realFromToken(nextToken(text));
}

} // namespace norvane
