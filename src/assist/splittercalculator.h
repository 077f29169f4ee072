#pragma once
// The splitter window without the window: the resistive splitter and the lumped Wilkinson,
// both calculated at once. Frequency typed in MHz.

#include "assist/calculatorpages.h"
#include "assist/splitters.h"

#include <string>

namespace norvane {

struct SplitterFields
{
  std::string resistiveZo = "50"; // "Resistive": "System Zo"
  std::string wilkinsonZo = "50"; // "Wilkinson": "System Zo"
  std::string wilkinsonFrequencyMHz = "900";
};

struct SplitterTexts
{
  SplitterFields fields;   // the inputs as read
  std::string resistiveR;  // "R=": eng. 1, "R"
  std::string wilkinsonL;  // "L=": eng. 1, "H"
  std::string wilkinsonC1; // "C1=": eng. 1, "F"
  std::string wilkinsonC2; // "C2=": eng. 1, "F"
  std::string wilkinsonR;  // "R=": eng. 1, "R"

  ResistiveSplitterResult resistive;
  WilkinsonResult wilkinson;
  CalcNotices notices;
};

SplitterTexts calculateSplitters(const SplitterFields& fields);

std::span<const CalcPage<SplitterFields, SplitterTexts>> splitterPages();

} // namespace norvane
