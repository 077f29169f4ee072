#include "assist/splittercalculator.h"

#include "assist/calctext.h"
#include "numbers/boundedreader.h"

namespace norvane {

namespace {
using F = SplitterFields;
using T = SplitterTexts;

constexpr CalcInput<F> kResistiveInputs[] = {{&F::resistiveZo, "System Zo", "R"}};
constexpr CalcResult<F, T> kResistiveResults[] = {{&T::resistiveR, "R="}};
constexpr std::string_view kResistiveNotes[] = {"Insertion loss 6dB"};

std::string calculateResistive(const PageValues* v, T& out)
{
  if (v) out.resistive = calcResistiveSplitter((*v)[0]);
  out.resistiveR = engineeringText(out.resistive.resistance, 1, "R");
  return out.resistive.error;
}

constexpr CalcInput<F> kWilkinsonInputs[] = {
    {&F::wilkinsonZo, "System Zo", "R"},
    {&F::wilkinsonFrequencyMHz, "Frequency", "MHz", 1e6},
};
constexpr CalcResult<F, T> kWilkinsonResults[] = {
    {&T::wilkinsonL, "L="},
    {&T::wilkinsonC1, "C1="},
    {&T::wilkinsonC2, "C2="},
    {&T::wilkinsonR, "R="},
};

std::string calculateWilkinson(const PageValues* v, T& out)
{
  if (v) out.wilkinson = calcWilkinson({(*v)[0], (*v)[1]});
  out.wilkinsonL = engineeringText(out.wilkinson.inductance, 1, "H");
  out.wilkinsonC1 = engineeringText(out.wilkinson.outputCapacitance, 1, "F");
  out.wilkinsonC2 = engineeringText(out.wilkinson.inputCapacitance, 1, "F");
  out.wilkinsonR = engineeringText(out.wilkinson.resistance, 1, "R");
  return out.wilkinson.error;
}

constexpr CalcPage<F, T> kPages[] = {
    {"Resistive", kResistiveInputs, kResistiveResults, calculateResistive, kResistiveNotes},
    {"Wilkinson", kWilkinsonInputs, kWilkinsonResults, calculateWilkinson, {}, true},
};
} // namespace

std::span<const CalcPage<SplitterFields, SplitterTexts>> splitterPages()
{
  return kPages;
}

SplitterTexts calculateSplitters(const SplitterFields& fields)
{
  return calculatePages(splitterPages(), fields);
}

} // namespace norvane
