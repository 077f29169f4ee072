#pragma once
// Steps of live tuning: the next value of a component up or down a standard E series (E6,
// E12, E24, E96, across decades) or by a fixed percentage (1, 5 or 10 %).
//
// An E-series step goes to the nearest series value strictly above (or below) the present
// value, so a value off the series (4.8k) steps onto it (5.6k up, 4.7k down in E12) and a
// value on the series moves exactly one place. A percentage step multiplies by 1 + p or
// 1 - p.

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

enum class TuneStep { E6, E12, E24, E96, Percent1, Percent5, Percent10 };

inline constexpr TuneStep kTuneSteps[] = {
    TuneStep::E6,       TuneStep::E12,      TuneStep::E24,      TuneStep::E96,
    TuneStep::Percent1, TuneStep::Percent5, TuneStep::Percent10};

// The caption of a step in the tuner ("E12", "±5 %", in Latin-1 for the ± sign).
std::string tuneStepCaption(TuneStep step);

// The step's text in the configuration file ("E12", "5%"), and the step such a text names
// (nothing for any other text).
std::string tuneStepKey(TuneStep step);
std::optional<TuneStep> tuneStepFromKey(std::string_view key);

// The value `steps` places up (positive) or down (negative) from `value`; empty when the value
// cannot be stepped (zero, negative or not finite) or the step would leave 1e-18 .. 1e18.
std::optional<double> stepValue(double value, TuneStep step, int steps);

} // namespace norvane
