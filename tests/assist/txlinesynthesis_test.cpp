// Synthesis in the transmission line calculator: the solved dimension, written into its field
// and calculated again, gives the wanted impedance within 0.01 %; targets no geometry
// reaches get a message naming the reachable range.
#include "assist/txlinesynthesis.h"

#include "calc_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using testing::isNear;

double reanalysed(TxLinePage page, const TxLineFields& fields)
{
  const TxLineTexts t = calculateTxLines(fields);
  EXPECT_EQ(t.notices.error, "");
  switch (page) {
  case TxLinePage::Microstrip:
    return t.microstrip.impedance.value_or(-1);
  case TxLinePage::Stripline:
    return t.stripline.impedance.value_or(-1);
  case TxLinePage::Coax:
    return t.coax.impedance.value_or(-1);
  case TxLinePage::FlatTwin:
    return t.flatTwin.impedance.value_or(-1);
  }
  return -1;
}

TEST(TxLineSynthesis, SolvedFieldsReanalyseToTheTarget)
{
  struct Case
  {
    TxLinePage page;
    const char* target;
    double ohms;
  };
  // Narrow and wide tracks (both sides of W/H = 1 and 1.3), thin and fat cable, close and
  // far wires.
  const Case cases[] = {
      {TxLinePage::Microstrip, "50", 50},   {TxLinePage::Microstrip, "25", 25},
      {TxLinePage::Microstrip, "75", 75},   {TxLinePage::Microstrip, "120", 120},
      {TxLinePage::Stripline, "50", 50},    {TxLinePage::Stripline, "20", 20},
      {TxLinePage::Stripline, "90", 90},  {TxLinePage::Coax, "50", 50},
      {TxLinePage::Coax, "75", 75},         {TxLinePage::Coax, "1", 1},
      {TxLinePage::Coax, "300", 300},       {TxLinePage::FlatTwin, "300", 300},
      {TxLinePage::FlatTwin, "100", 100},   {TxLinePage::FlatTwin, "1k", 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(synthesizedFieldLabel(c.page)) + " for " + c.target);
    const TxLineSynthesis s = synthesizeTxLine(c.page, TxLineFields{}, c.target);
    ASSERT_EQ(s.notices.error, "");
    ASSERT_TRUE(s.dimensionMm);
    EXPECT_FALSE(s.notices.beep);
    EXPECT_TRUE(isNear(reanalysed(c.page, s.fields), c.ohms, 1e-4));
  }

  // The cable in closed form: Z = 60/sqrt(Er) ln(D/d), so d = D exp(-Z sqrt(Er) / 60).
  TxLineFields ptfe;
  ptfe.coax.permittivity = "2.2";
  const TxLineSynthesis coax = synthesizeTxLine(TxLinePage::Coax, ptfe, "50");
  ASSERT_TRUE(coax.dimensionMm);
  EXPECT_TRUE(isNear(*coax.dimensionMm, 2.3 * std::exp(-50 * std::sqrt(2.2) / 60), 1e-7));
  EXPECT_EQ(coax.fields.coax.conductorDiameter, dimensionText(*coax.dimensionMm));

  // The other fields are left as typed; only the solved one changes.
  const TxLineSynthesis ms = synthesizeTxLine(TxLinePage::Microstrip, TxLineFields{}, "50");
  EXPECT_EQ(ms.fields.microstrip.height, "1.6");
  EXPECT_EQ(ms.fields.stripline.width, "0.5");
  // 49.07 ohm at 2.9 mm, so a little narrower.
  EXPECT_LT(*ms.dimensionMm, 2.9);
  EXPECT_GT(*ms.dimensionMm, 2.6);
}

TEST(TxLineSynthesis, UnreachableTargetsAndBadTextsAreRefused)
{
  // A 2 kohm microstrip does not exist on this board.
  const TxLineSynthesis high = synthesizeTxLine(TxLinePage::Microstrip, TxLineFields{}, "2000");
  EXPECT_FALSE(high.dimensionMm);
  EXPECT_NE(high.notices.error.find("Microstrip: No track width gives 2000 ohm"),
            std::string::npos)
      << high.notices.error;
  EXPECT_NE(high.notices.error.find("reaches only"), std::string::npos);
  EXPECT_EQ(high.fields.microstrip.width, "2.9"); // the field keeps its text

  // Wires a million diameters apart in air still stay below 2 kohm.
  const TxLineSynthesis low = synthesizeTxLine(TxLinePage::FlatTwin, TxLineFields{}, "5k");
  EXPECT_FALSE(low.dimensionMm);
  EXPECT_NE(low.notices.error.find("No separation gives 5000 ohm"), std::string::npos) << low.notices.error;

  // The wanted impedance must read as a number; other fields are read as Calculate reads them.
  const TxLineSynthesis text = synthesizeTxLine(TxLinePage::Stripline, TxLineFields{}, "fifty");
  EXPECT_FALSE(text.dimensionMm);
  EXPECT_NE(text.notices.error.find("Wanted Zo"), std::string::npos) << text.notices.error;
  TxLineFields broken;
  broken.coax.shieldDiameter = "x";
  const TxLineSynthesis field = synthesizeTxLine(TxLinePage::Coax, broken, "50");
  EXPECT_FALSE(field.dimensionMm);
  EXPECT_NE(field.notices.error.find("Shield Diameter (D)"), std::string::npos);

  // Numeric entry points refuse non-positive targets.
  EXPECT_FALSE(synthesizeCoaxConductor({2.3e-3, 1e-3, 1, 1e9}, 0).dimension);
  EXPECT_FALSE(synthesizeCoaxConductor({2.3e-3, 1e-3, 1, 1e9}, -50).dimension);
}

TEST(TxLineSynthesis, DimensionTextKeepsNineDigitsWithoutExponent)
{
  EXPECT_EQ(dimensionText(2.5), "2.5");
  EXPECT_EQ(dimensionText(2.948364721), "2.94836472");
  EXPECT_EQ(dimensionText(0.000012345678912), "0.0000123456789");
  EXPECT_EQ(dimensionText(123456.789), "123456.789");
}

} // namespace
} // namespace norvane
