#pragma once
// The splitter window without the window: the resistive splitter and the lumped Wilkinson,
// both calculated at once. Frequency typed in MHz.

#include "assist/calculatorpages.h"
#include "assist/splitters.h"

#include <string>

namespace norvane {

// The texts of the inputs with their defaults; captions, units and limits are in the page
// tables.
struct SplitterFields
{
  std::string resistiveZo = "50";
  std::string wilkinsonZo = "50";
  std::string wilkinsonFrequencyMHz = "900";
};

struct SplitterTexts
{
  SplitterFields fields; // the inputs as read
  std::string resistiveR;
  std::string wilkinsonL;
  std::string wilkinsonC1;
  std::string wilkinsonC2;
  std::string wilkinsonR;

  ResistiveSplitterResult resistive;
  WilkinsonResult wilkinson;
  CalcNotices notices;
};

SplitterTexts calculateSplitters(const SplitterFields& fields);

std::span<const CalcPage<SplitterFields, SplitterTexts>> splitterPages();

} // namespace norvane
