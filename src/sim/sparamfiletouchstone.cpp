// Touchstone-style S-parameter files: an option line "# <unit> S <format> R <ohms>", comment
// lines and comments after "!", and one frequency point per data line: the frequency, then
// up to four (a, b) pairs in the file's format.

#include "sim/complex.h"
#include "sim/sparamfile.h"
#include "sim/sparamfiletext.h"

namespace norvane::sparamfile {

namespace {

constexpr double kDegToRad = 0.017453292; // as the readers have always converted degrees

enum class Format {
  Unset,
  MagnitudeAngle,
  DecibelAngle,
  RealImaginary,
};

struct Options
{
  double multiplier = -1.0; // unset
  Format format = Format::Unset;
};

// The option line, by substring search: the most specific unit wins (GHZ over HZ), and of
// the formats the last one checked (DB over RI over MA).
void readOptionLine(const std::string& line, Options& o)
{
  const auto has = [&](const char* word) { return line.find(word) != std::string::npos; };
  if (has("HZ")) {
    o.multiplier = 1.0;
  }
  if (has("GHZ")) {
    o.multiplier = 1e9;
  } else if (has("MHZ")) {
    o.multiplier = 1e6;
  } else if (has("KHZ")) {
    o.multiplier = 1e3;
  }
  if (has("MA")) {
    o.format = Format::MagnitudeAngle;
  }
  if (has("RI")) {
    o.format = Format::RealImaginary;
  }
  if (has("DB")) {
    o.format = Format::DecibelAngle;
  }
}

TMagAngle pairValue(double a, double b, Format format)
{
  switch (format) {
  case Format::RealImaginary: {
    const Complex z{a, b};
    return TMagAngle{finiteValue(ComplexAbs(z)), ComplexPhase(z)};
  }
  case Format::DecibelAngle:
    return TMagAngle{finiteValue(Power(10.0, a / 20.0)), b * kDegToRad};
  case Format::MagnitudeAngle:
  case Format::Unset:
    break;
  }
  return TMagAngle{a, b * kDegToRad};
}

} // namespace

void readTouchstone(const std::vector<std::string_view>& lines, T2pdatarray& buffer,
                    Prompts& prompts)
{
  Options options;
  for (std::string_view raw : lines) {
    if (buffer.points.count() >= kMaxTouchstonePoints) {
      break;
    }
    // A comment runs from "!" to the end of the line; cutting it keeps words and numbers
    // in comments out of the option and data fields.
    const std::size_t bang = raw.find('!');
    if (bang != std::string_view::npos) {
      raw = raw.substr(0, bang);
    }
    const std::string line = upperCase(trimLeft(raw));
    if (!line.empty() && line[0] == '#') {
      readOptionLine(line, options);
      continue;
    }
    const std::vector<std::string_view> f = fields(line);
    if (f.empty() || !startsWithNumber(f[0])) {
      continue; // text, blank lines
    }
    if (options.multiplier < 0 || options.format == Format::Unset) {
      // Ask once, before the first point; what the option line did give is kept.
      const SParameterFormatChoice choice = prompts.sParameterFormat();
      if (options.multiplier < 0) {
        options.multiplier = unitMultiplier(choice.units);
      }
      if (options.format == Format::Unset) {
        options.format = choice.magnitudeAngle ? Format::MagnitudeAngle : Format::RealImaginary;
      }
    }
    T2pPoint p;
    p.freq = finiteValue(fieldValue(f, 0) * options.multiplier);
    TMagAngle* pairs[4] = {&p.s11, &p.s21, &p.s12, &p.s22};
    for (std::size_t k = 0; k < 4; ++k) {
      *pairs[k] = pairValue(fieldValue(f, 1 + 2 * k), fieldValue(f, 2 + 2 * k), options.format);
    }
    buffer.points.append(p);
  }
}

} // namespace norvane::sparamfile
