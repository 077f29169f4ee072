#include "numbers/realeditlogic.h"
#include "numbers/toleranceeditlogic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace norvane {
namespace {

RealEditLogic resistorField()
{
  RealEditLogic field;
  field.Units = "R";
  field.DecimalPlaces = 2;
  field.minvalue = 0.0;
  field.maxvalue = 1e12;
  return field;
}

TEST(RealEditLogic, ReformatsTypedTextAndSelectsTheNumber)
{
  struct Case
  {
    const char* typed;
    const char* shown;
    double value;
    std::size_t selected; // length of the selected number
  };
  const Case cases[] = {
      {"4k7", "4.7kR", 4700.0, 4}, {"100", "100R", 100.0, 3},
      {"100R", "100R", 100.0, 3},  {"abc", "0R", 0.0, 1}, // refused: the fresh field's 0 stays
      {"-5", "0R", 0.0, 1},                               // clamped to minvalue
      {"1T5", "1TR", 1e12, 2},                            // 1.5e12 clamped to maxvalue
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    RealEditLogic field = resistorField();
    field.setText(c.typed);
    field.focusOut();
    EXPECT_EQ(field.text(), c.shown);
    EXPECT_DOUBLE_EQ(field.value(), c.value);
    EXPECT_EQ(field.selection(), (TextSelection{0, c.selected}));
  }
}

TEST(RealEditLogic, ClampsSilentlyToTheLimits)
{
  RealEditLogic field = resistorField();
  field.maxvalue = 1e5;
  field.setText("1M");
  EXPECT_EQ(field.Getvalue(), 1e5);
  EXPECT_EQ(field.text(), "100kR");

  field.minvalue = 10.0;
  field.Setvalue(1.0);
  EXPECT_EQ(field.value(), 10.0);
  EXPECT_EQ(field.text(), "10R");
}

TEST(RealEditLogic, UnitSelectionKeepsUnitsThatLookLikePrefixes)
{
  // Units starting with a prefix letter carry a leading blank (" m/s", " m"), so the unit is
  // never read as "milli"; the selection covers the number and its own prefix only.
  RealEditLogic field;
  field.Units = " m/s";
  field.DecimalPlaces = 3;
  field.Setvalue(1.6e8);
  EXPECT_EQ(field.text(), "160M m/s");
  EXPECT_EQ(field.selection(), (TextSelection{0, 4}));
  field.Setvalue(300.0);
  EXPECT_EQ(field.text(), "300 m/s");
  EXPECT_EQ(field.Getvalue(), 300.0);
  EXPECT_EQ(field.selection(), (TextSelection{0, 3}));

  field.Units = " m";
  field.DecimalPlaces = 4;
  field.Setvalue(0.05);
  field.focusIn();
  field.focusOut();
  EXPECT_EQ(field.text(), "0.05 m");
  EXPECT_EQ(field.value(), 0.05);
}

TEST(RealEditLogic, SetvalueShowsTheDecimalsButHoldsTheValue)
{
  RealEditLogic field;
  field.Units = "dB";
  field.DecimalPlaces = 0;
  field.Setvalue(100.4);
  EXPECT_EQ(field.text(), "100dB");
  EXPECT_EQ(field.Getvalue(), 100.4);
  // Validating again changes nothing.
  field.returnPressed();
  field.focusIn();
  EXPECT_EQ(field.text(), "100dB");
}

TEST(EditLogic, OnlyAnEditedNumberReplacesTheHeldValue)
{
  // A designed inductance shown with 3 significant figures survives entering and leaving
  // the field; typing a number (even the one shown) takes what was typed.
  constexpr double kDesigned = 1.01098438890283e-6;
  RealEditLogic field;
  field.Units = "H";
  field.Setvalue(kDesigned);
  EXPECT_EQ(field.text(), "1.01uH");
  field.focusIn();
  field.setText(" 1.01uH ");
  field.focusOut();
  field.returnPressed();
  EXPECT_EQ(field.Getvalue(), kDesigned);
  field.setText("1.02uH");
  EXPECT_EQ(field.Getvalue(), 1.02e-6);

  // The tolerance field: value and each bracket part are kept until edited.
  ToleranceEditLogic tol;
  tol.Units = "H";
  tol.settol(ToleranceFields{kDesigned, -1.23456e-9, 2.34567e-9, true, false});
  EXPECT_EQ(tol.text(), "1.01uH (+2.35n,-1.23nH)");
  tol.focusIn();
  tol.focusOut();
  ToleranceFields out;
  tol.gettol(out);
  EXPECT_EQ(out, (ToleranceFields{kDesigned, -1.23456e-9, 2.34567e-9, true, false}));
  tol.setText("1.01uH (+2.35n,-2nH)");
  tol.gettol(out);
  EXPECT_EQ(out, (ToleranceFields{kDesigned, -2e-9, 2.34567e-9, true, false}));
  tol.setTolerancePercent(true);
  tol.setTolerancePercent(false);
  tol.gettol(out);
  EXPECT_EQ(out.nom, kDesigned);
}

ToleranceEditLogic percentField()
{
  ToleranceEditLogic field;
  field.Units = "R";
  field.DecimalPlaces = 2;
  field.minvalue = 0.0;
  field.maxvalue = 1e12;
  field.settol(ToleranceFields{100.0, -5.0, 5.0, true, true});
  return field;
}

TEST(ToleranceEditLogic, ShowsAndReadsTheBracket)
{
  ToleranceEditLogic field = percentField();
  EXPECT_EQ(field.text(), "100R (+5,-5%)");
  EXPECT_EQ(field.selection(), (TextSelection{0, 3}));

  field.setText("100R (+10,-2%)");
  field.focusOut();
  EXPECT_EQ(field.maxtol, 10.0);
  EXPECT_EQ(field.mintol, -2.0);
  EXPECT_EQ(field.text(), "100R (+10,-2%)");

  // Prefixes and the unit inside the bracket are read too.
  field.setText("4k7 (500m,-1.5)");
  field.focusOut();
  EXPECT_EQ(field.text(), "4.7kR (+0.5,-1.5%)");
  EXPECT_EQ(field.selection(), (TextSelection{0, 4}));

  // An incomplete bracket leaves the tolerances as they were.
  field.setText("4k7 (+7-7%");
  field.focusOut();
  EXPECT_EQ(field.maxtol, 0.5);
  EXPECT_EQ(field.mintol, -1.5);
}

TEST(ToleranceEditLogic, AbsoluteFormCarriesTheUnit)
{
  ToleranceEditLogic field = percentField();
  field.setTolerancePercent(false);
  EXPECT_EQ(field.text(), "100R (+5,-5R)");
  field.setText("100R (+2,-1R)");
  field.focusOut();
  EXPECT_EQ(field.maxtol, 2.0);
  EXPECT_EQ(field.mintol, -1.0);
}

TEST(ToleranceEditLogic, ConvertsBetweenPercentAndAbsolute)
{
  ToleranceEditLogic field = percentField();
  field.Setvalue(200.0);
  EXPECT_EQ(field.text(), "200R (+5,-5%)");
  field.setTolerancePercent(false);
  EXPECT_DOUBLE_EQ(field.maxtol, 10.0);
  EXPECT_DOUBLE_EQ(field.mintol, -10.0);
  EXPECT_EQ(field.text(), "200R (+10,-10R)");

  field.setTolerancePercent(true);
  EXPECT_DOUBLE_EQ(field.maxtol, 5.0);
  EXPECT_DOUBLE_EQ(field.mintol, -5.0);
  EXPECT_EQ(field.text(), "200R (+5,-5%)");

  // Setting the flag it already has converts nothing.
  field.setTolerancePercent(true);
  EXPECT_DOUBLE_EQ(field.maxtol, 5.0);

  // Converting while the bracket is hidden still converts the stored tolerances.
  field.setToleranceEnabled(false);
  EXPECT_EQ(field.text(), "200R");
  field.setTolerancePercent(false);
  EXPECT_DOUBLE_EQ(field.maxtol, 10.0);
}

TEST(ToleranceEditLogic, ZeroValueShowsZeroPercentAndNeverDividesByZero)
{
  ToleranceEditLogic field = percentField();
  field.Setvalue(0.0);
  EXPECT_EQ(field.text(), "0R (0,0%)");

  field.setTolerancePercent(false);
  field.setText("0R (+3,-3R)");
  field.focusOut();
  field.setTolerancePercent(true);
  EXPECT_EQ(field.maxtol, 0.0);
  EXPECT_EQ(field.mintol, 0.0);
  EXPECT_EQ(field.text(), "0R (0,0%)");
}

TEST(ToleranceEditLogic, ConversionOfExtremeValuesStaysFinite)
{
  ToleranceEditLogic field;
  field.settol(ToleranceFields{1e-300, -1e300, 1e300, true, false});
  field.setTolerancePercent(true);
  EXPECT_TRUE(std::isfinite(field.maxtol));
  EXPECT_TRUE(std::isfinite(field.mintol));
  field.settol(ToleranceFields{1e300, -1e300, 1e300, true, true});
  field.setTolerancePercent(false);
  EXPECT_TRUE(std::isfinite(field.maxtol));
  EXPECT_EQ(field.text().find("inf"), std::string::npos);
}

TEST(ToleranceEditLogic, EnablingShowsOrHidesTheBracket)
{
  ToleranceEditLogic field = percentField();
  field.setToleranceEnabled(false);
  EXPECT_EQ(field.text(), "100R");
  field.setToleranceEnabled(true);
  EXPECT_EQ(field.text(), "100R (+5,-5%)");
}

// A record shaped like the document's value record, with a field the dialog does not touch.
struct ValueRecord
{
  double nom = 0.0;
  double mintol = 0.0;
  double maxtol = 0.0;
  double actual = 42.0;
  bool TolEn = false;
  bool TolPercent = false;
};

TEST(ToleranceEditLogic, ExchangesRecordsWithoutConversion)
{
  ToleranceEditLogic field = percentField(); // currently percent, enabled
  const ValueRecord absolute{50.0, -2.0, 3.0, 0.0, true, false};
  field.settol(absolute);
  EXPECT_EQ(field.text(), "50R (+3,-2R)");
  EXPECT_FALSE(field.tolerancepercent());

  ValueRecord out;
  EXPECT_TRUE(field.gettol(out));
  EXPECT_EQ(out.nom, 50.0);
  EXPECT_EQ(out.mintol, -2.0);
  EXPECT_EQ(out.maxtol, 3.0);
  EXPECT_TRUE(out.TolEn);
  EXPECT_FALSE(out.TolPercent);
  EXPECT_EQ(out.actual, 42.0);

  // A zero value loaded over a percent field keeps its absolute tolerances.
  field.settol(ValueRecord{0.0, -1.0, 1.0, 0.0, true, false});
  EXPECT_EQ(field.text(), "0R (+1,-1R)");

  // A disabled record: no bracket, tolerances still kept for later.
  field.settol(ValueRecord{1e-9, -10.0, 10.0, 0.0, false, true});
  EXPECT_EQ(field.text(), "1nR");
  ValueRecord disabled;
  EXPECT_FALSE(field.gettol(disabled));
  EXPECT_EQ(disabled.maxtol, 10.0);
  EXPECT_TRUE(disabled.TolPercent);
}

TEST(EditLogic, TextThatIsNotANumberKeepsThePreviousValueAndSaysWhy)
{
  RealEditLogic field = resistorField();
  field.Setvalue(2200);
  EXPECT_EQ(field.problem(), "");
  for (const char* typed : {"abc", "1,5k", "0x10", "1kRzz", ""}) {
    SCOPED_TRACE(typed);
    field.setText(typed);
    field.returnPressed();
    EXPECT_EQ(field.value(), 2200.0);
    EXPECT_EQ(field.text(), "2.2kR");
    EXPECT_EQ(field.problem(), std::string("\"") + typed + "\" is not a number");
    field.focusOut(); // the field's own text again: nothing to report
    EXPECT_EQ(field.problem(), "");
  }
  field.setText("10 k");
  field.returnPressed();
  EXPECT_EQ(field.value(), 10000.0);
  EXPECT_EQ(field.problem(), "");

  // Tolerance fields keep value and tolerances alike.
  ToleranceEditLogic tol = percentField();
  tol.settol(ToleranceFields{100.0, -5.0, 5.0, true, true});
  tol.setText("abc (+5,-5%)");
  tol.focusOut();
  EXPECT_EQ(tol.text(), "100R (+5,-5%)");
  EXPECT_EQ(tol.problem(), "\"abc\" is not a number");
  tol.setText("100R (+x,-2%)");
  tol.focusOut();
  EXPECT_EQ(tol.text(), "100R (+5,-5%)");
  EXPECT_EQ(tol.problem(), "\"+x\" is not a number");
  tol.setText("47 R (+10,-2 %)");
  tol.focusOut();
  EXPECT_EQ(tol.text(), "47R (+10,-2%)");
  EXPECT_EQ(tol.problem(), "");
}

TEST(ToleranceEditLogic, GettolReadsABracketTypedJustBefore)
{
  ToleranceEditLogic field = percentField();
  field.setText("220R (+1,-1%)"); // typed, and OK pressed without leaving the field
  ToleranceFields out;
  field.gettol(out);
  EXPECT_EQ(out, (ToleranceFields{220.0, -1.0, 1.0, true, true}));
}

} // namespace
} // namespace norvane

namespace norvane {
namespace {

// Whatever the user types, the fields end up with a finite value inside their limits and a
// text that shows it.
TEST(EditLogic, SurvivesArbitraryTyping)
{
  const std::string alphabet = "0123456789.,()+-eEkMGTmunpf%R !\xb5";
  std::mt19937 rng(99);
  for (int round = 0; round < 3000; ++round) {
    std::string typed;
    const int length = static_cast<int>(rng() % 30);
    for (int i = 0; i < length; ++i)
      typed += alphabet[rng() % alphabet.size()];

    ToleranceEditLogic field = percentField();
    field.setTolerancePercent(round % 2 == 0);
    field.setText(typed);
    field.focusOut();
    SCOPED_TRACE(typed);
    EXPECT_TRUE(std::isfinite(field.value()));
    EXPECT_GE(field.value(), field.minvalue);
    EXPECT_LE(field.value(), field.maxvalue);
    EXPECT_TRUE(std::isfinite(field.mintol));
    EXPECT_TRUE(std::isfinite(field.maxtol));
    EXPECT_EQ(field.text().find("nan"), std::string::npos);
    EXPECT_EQ(field.text().find("inf"), std::string::npos);
    // Validating a validated field changes nothing.
    const std::string shown = field.text();
    field.focusIn();
    EXPECT_EQ(field.text(), shown);
  }
}

} // namespace
} // namespace norvane
