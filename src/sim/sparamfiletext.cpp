#include "sim/sparamfiletext.h"

#include "numbers/valuetext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace norvane::sparamfile {

std::vector<std::string_view> splitLines(std::string_view text)
{
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) {
    lines.push_back(text.substr(start));
  }
  return lines;
}

std::string upperCase(std::string_view s)
{
  std::string r(s);
  for (char& c : r) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return r;
}

namespace {
bool isBlank(char c)
{
  return c == ' ' || c == '\t';
}
bool isSeparator(char c)
{
  return c == ' ' || c == '\t' || c == ',';
}
bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}
} // namespace

std::string_view trimLeft(std::string_view s)
{
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) {
    ++i;
  }
  return s.substr(i);
}

std::string_view trim(std::string_view s)
{
  s = trimLeft(s);
  std::size_t n = s.size();
  while (n > 0 && isBlank(s[n - 1])) {
    --n;
  }
  return s.substr(0, n);
}

std::vector<std::string_view> fields(std::string_view line)
{
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSeparator(line[i])) {
      ++i;
    }
    const std::size_t start = i;
    while (i < line.size() && !isSeparator(line[i])) {
      ++i;
    }
    if (i > start) {
      out.push_back(line.substr(start, i - start));
    }
  }
  return out;
}

bool startsWithNumber(std::string_view field)
{
  std::size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    ++i;
  }
  if (i < field.size() && isDigit(field[i])) {
    return true;
  }
  return i + 1 < field.size() && field[i] == '.' && isDigit(field[i + 1]);
}

double fieldValue(const std::vector<std::string_view>& f, std::size_t i)
{
  return i < f.size() ? parseValueText(f[i]) : 0.0;
}

std::optional<double> dataNumber(std::string_view field)
{
  std::string_view s = field;
  if (!s.empty() && s[0] == '+') {
    s.remove_prefix(1); // from_chars takes no plus sign
  }
  const std::size_t first = !s.empty() && s[0] == '-' ? 1 : 0;
  if (first >= s.size() || !(isDigit(s[first]) || s[first] == '.')) {
    return std::nullopt; // also keeps out "inf" and "nan"
  }
  double value = 0.0;
  const char* end = s.data() + s.size();
  const auto [stop, ec] = std::from_chars(s.data(), end, value, std::chars_format::general);
  if (stop != end) {
    return std::nullopt;
  }
  if (ec == std::errc::result_out_of_range) {
    // Below the smallest double the value is as good as zero; above the largest it is no
    // measurement anyone made.
    const std::size_t e = s.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-') {
      return 0.0;
    }
    return std::nullopt;
  }
  if (ec != std::errc()) {
    return std::nullopt;
  }
  return value;
}

DataFields dataNumbers(const std::vector<std::string_view>& fields)
{
  DataFields out;
  out.values.reserve(fields.size());
  for (std::string_view f : fields) {
    const std::optional<double> v = dataNumber(f);
    if (!v) {
      out.error = "\"" + std::string(f.substr(0, 40)) + "\" is not a number";
      break;
    }
    out.values.push_back(*v);
  }
  return out;
}

SParamReadResult refusedAt(std::size_t line, const std::string& what)
{
  return SParamReadResult::refused("Line " + std::to_string(line) + ": " + what +
                                   "; the file was not read.");
}

double finiteValue(double x)
{
  if (std::isnan(x)) {
    return 0.0;
  }
  if (std::isinf(x)) {
    return x > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  }
  return x;
}

} // namespace norvane::sparamfile
