// The page tables of the calculators: every text of an input record is one input of one
// page, and an unreadable field is named in the message as the user knows it.
#include "assist/capacitorcalculator.h"
#include "assist/couplercalculator.h"
#include "assist/inductorcalculator.h"
#include "assist/splittercalculator.h"
#include "assist/txlinecalculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace norvane {
namespace {

// The inputs of the pages cover the record's texts once each; every page fits the reader and
// shows inside a result row only an input of its own.
template <class Fields, class Texts>
void expectCompleteTables(std::span<const CalcPage<Fields, Texts>> pages)
{
  std::vector<std::string Fields::*> members;
  for (const CalcPage<Fields, Texts>& page : pages) {
    SCOPED_TRACE(std::string(page.caption));
    EXPECT_LE(page.inputs.size(), kMaxPageInputs);
    EXPECT_FALSE(page.results.empty());
    for (const CalcInput<Fields>& in : page.inputs) {
      EXPECT_EQ(std::ranges::count(members, in.text), 0) << in.caption;
      members.push_back(in.text);
    }
    for (const CalcResult<Fields, Texts>& r : page.results) {
      if (r.input) {
        EXPECT_EQ(std::ranges::count(page.inputs, r.input, &CalcInput<Fields>::text), 1);
      }
    }
  }
  // The records hold nothing but the texts of their inputs.
  EXPECT_EQ(members.size() * sizeof(std::string), sizeof(Fields));
}

TEST(CalculatorPages, EveryInputTextIsDescribedOnce)
{
  expectCompleteTables(inductorPages());
  expectCompleteTables(capacitorPages());
  expectCompleteTables(couplerPages());
  expectCompleteTables(splitterPages());
  const TxLinePages& lines = txLinePages();
  expectCompleteTables(std::span(&lines.microstrip, 1));
  expectCompleteTables(std::span(&lines.stripline, 1));
  expectCompleteTables(std::span(&lines.coax, 1));
  expectCompleteTables(std::span(&lines.flatTwin, 1));
}

TEST(CalculatorPages, UnreadableFieldsAreNamedAsTheUserKnowsThem)
{
  TxLineFields lines;
  lines.coax.frequencyMHz = "x";
  EXPECT_EQ(calculateTxLines(lines).notices.error,
            "Co-axial cable, Atten @ MHz: \"x\" is not a valid number.");
  CapacitorFields plates;
  plates.permittivity = "x";
  EXPECT_EQ(calculateCapacitor(plates).notices.error,
            "Capacitor, Dielectric Er (D): \"x\" is not a valid number.");
  InductorFields stub;
  stub.stubImpedance = "x";
  EXPECT_EQ(calculateInductors(stub).notices.error,
            "Printed Short cct stub, Tx Line Zo: \"x\" is not a valid number.");
  // The lumped coupler reads its capacitor last, after the values that limit it.
  CouplerFields lumped;
  lumped.lumpedC1pF = "x";
  lumped.lumpedFrequencyMHz = "y";
  EXPECT_EQ(calculateCouplers(lumped).notices.error,
            "Lumped, Frequency: \"y\" is not a valid number.");
  SplitterFields wilkinson;
  wilkinson.wilkinsonFrequencyMHz = "";
  EXPECT_NE(calculateSplitters(wilkinson).notices.error.find("Wilkinson, Frequency: "),
            std::string::npos);
}

} // namespace
} // namespace norvane
