#include "graph/stabilityverdict.h"

#include "numbers/valuetext.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace norvane {

std::optional<bool> unconditionallyStable(const TwoPortMeasures& m)
{
  if (m.k && m.delta) return *m.k > 1.0 && *m.delta < 1.0;
  if (m.mu1) return *m.mu1 > 1.0;
  return std::nullopt;
}

std::vector<FrequencyRange> potentiallyUnstableRanges(const std::vector<double>& freqs,
                                                      const std::vector<TwoPortMeasures>& measures)
{
  std::vector<FrequencyRange> ranges;
  bool open = false;
  for (std::size_t i = 0; i < freqs.size() && i < measures.size(); ++i) {
    const std::optional<bool> stable = unconditionallyStable(measures[i]);
    if (stable && !*stable) {
      if (!open) ranges.push_back({freqs[i], freqs[i]});
      ranges.back().to = freqs[i];
      open = true;
    } else {
      open = false;
    }
  }
  return ranges;
}

std::string rangeFrequencyText(double hz)
{
  static constexpr std::array<const char*, 5> kPrefixes{"", "k", "M", "G", "T"};
  std::size_t decade = 0;
  double v = hz;
  while (std::fabs(v) >= 999.95 && decade + 1 < kPrefixes.size()) {
    v /= 1000.0;
    ++decade;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", v);
  return std::string(text) + " " + kPrefixes[decade] + "Hz";
}

std::string frequencyRangeText(const FrequencyRange& range)
{
  std::string text = rangeFrequencyText(range.from);
  if (range.to != range.from) text += " - " + rangeFrequencyText(range.to);
  return text;
}

std::string stabilityVerdictText(const std::vector<FrequencyRange>& ranges)
{
  if (ranges.empty()) return "unconditionally stable";
  std::string text = "Potentially unstable: ";
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (i > 0) text += ", ";
    text += frequencyRangeText(ranges[i]);
  }
  return text;
}

CursorFigureTexts cursorFigureTexts(const TwoPortMeasures& m, int port, int digits)
{
  const auto figure = [digits](const std::string& name, const std::optional<double>& v,
                               const char* unit) {
    return v ? name + "=" + formatLevel(*v, digits + 1) + unit : name + " undefined";
  };
  CursorFigureTexts t;
  t.k = figure("K", m.k, "");
  t.mu = port == 2 ? figure("mu2", m.mu2, "") : figure("mu1", m.mu1, "");
  t.gain = figure(m.gainIsMsg ? "MSG" : "MAG", m.gainDb, "dB");
  return t;
}

} // namespace norvane
