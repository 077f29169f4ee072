#include "assist/rfcalculator.h"

#include "calc_support.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace norvane {
namespace {

using F = RfField;

TEST(ResonanceLocks, KeepsTheTwoMostRecentLocksDown)
{
  ResonanceLocks locks;
  locks.lock(F::ResonantFrequency);
  locks.lock(F::Reactance);
  EXPECT_TRUE(locks.isDown(F::ResonantFrequency));
  EXPECT_TRUE(locks.isDown(F::Reactance));
  // A third lock releases the oldest of the three.
  locks.lock(F::Capacitance);
  EXPECT_FALSE(locks.isDown(F::ResonantFrequency));
  EXPECT_TRUE(locks.isDown(F::Reactance));
  EXPECT_TRUE(locks.isDown(F::Capacitance));
  EXPECT_EQ(locks.list(), (std::vector<F>{F::Capacitance, F::Reactance, F::ResonantFrequency}));
  // A fourth: the fourth entry is released (already up), then the third of three down.
  locks.lock(F::Inductance);
  EXPECT_EQ(locks.downCount(), 2u);
  EXPECT_TRUE(locks.isDown(F::Inductance));
  EXPECT_TRUE(locks.isDown(F::Capacitance));
  EXPECT_EQ(locks.list(),
            (std::vector<F>{F::Inductance, F::Capacitance, F::Reactance, F::ResonantFrequency}));
  // Locking a released field again moves it to the front.
  locks.lock(F::ResonantFrequency);
  EXPECT_EQ(locks.list(),
            (std::vector<F>{F::ResonantFrequency, F::Inductance, F::Capacitance, F::Reactance}));
  EXPECT_TRUE(locks.isDown(F::ResonantFrequency));
  EXPECT_TRUE(locks.isDown(F::Inductance));
  EXPECT_FALSE(locks.isDown(F::Capacitance));
}

TEST(ResonanceLocks, RepeatedLockAndUnlock)
{
  ResonanceLocks locks;
  locks.lock(F::Reactance);
  locks.lock(F::Reactance); // first already: nothing changes
  EXPECT_EQ(locks.list(), std::vector<F>{F::Reactance});
  locks.lock(F::Inductance);
  locks.lock(F::Reactance); // down but second: moves to the front, nothing released
  EXPECT_EQ(locks.list(), (std::vector<F>{F::Reactance, F::Inductance}));
  EXPECT_EQ(locks.downCount(), 2u);
  locks.unlock(F::Reactance);
  EXPECT_EQ(locks.list(), std::vector<F>{F::Inductance});
  EXPECT_FALSE(locks.isDown(F::Reactance));
  // A field that is not on the resonance page has no lock.
  locks.lock(F::Dbm);
  EXPECT_EQ(locks.list(), std::vector<F>{F::Inductance});
}

TEST(RfCalculator, OkDoesNothingBeforeAnyEdit)
{
  RfCalculator calc;
  EXPECT_FALSE(calc.lastPage().has_value());
  EXPECT_TRUE(calc.calculate(rfInitialValues()).writes.empty());
}

TEST(RfCalculator, CreationCalculatesEveryPageButLeavesOkWithoutAPage)
{
  RfCalculator calc;
  const RfPageResult r = calc.calculateAllPages(rfInitialValues());
  EXPECT_EQ(r.error, "");
  EXPECT_FALSE(calc.lastPage().has_value());
  // No lock is down yet; the resonance page is worked from frequency and reactance, so the
  // inductance shows 50 ohm / (2 pi 100 MHz) and no lock goes down.
  ASSERT_NE(r.find(F::Inductance), nullptr);
  EXPECT_EQ(r.find(F::Inductance)->text, "79.577nH");
  EXPECT_NEAR(*r.find(F::Inductance)->value, 50.0 / (2 * std::numbers::pi * 100e6), 1e-15);
  EXPECT_EQ(r.find(F::Capacitance)->text, "31.831pF");
  EXPECT_EQ(calc.locks().downCount(), 0u);
  EXPECT_EQ(rfFieldText(F::Inductance, rfFieldInfo(F::Inductance).initial), "79.577nH");
  EXPECT_EQ(r.find(F::Vswr)->text, "1.925 : 1");
  EXPECT_EQ(r.find(F::NoisePowerDbm)->text, "-173.83dBm");
  EXPECT_EQ(r.find(F::Delay)->text, "33.3333ps");
  EXPECT_EQ(r.find(F::VoltsPkPk)->text, "2Vpk-pk");
}

TEST(RfCalculator, EditingChoosesThePageAndTheGivenField)
{
  struct Case
  {
    F edited;
    RfPage page;
    F given;
  };
  const Case cases[] = {
      {F::Vswr, RfPage::ReturnLoss, F::Vswr},
      {F::SystemImpedance, RfPage::SignalLevel, F::Dbm},
      {F::Watts, RfPage::SignalLevel, F::Watts},
      {F::Temperature, RfPage::ThermalNoise, F::Temperature},
      {F::PhaseFrequency, RfPage::FreqWavelength, F::PhaseFrequency},
  };
  for (const Case& c : cases) {
    RfCalculator calc;
    calc.fieldEdited(c.edited);
    EXPECT_EQ(calc.lastPage(), c.page);
    EXPECT_EQ(calc.lastInput(c.page), c.given);
  }
  RfCalculator calc;
  calc.fieldEdited(F::Capacitance);
  EXPECT_EQ(calc.lastPage(), RfPage::Resonance);
  calc.fieldEdited(F::Dbm);
  calc.lockButtonClicked(F::Reactance, true);
  EXPECT_EQ(calc.lastPage(), RfPage::Resonance);
  EXPECT_TRUE(calc.isLocked(F::Reactance));
}

TEST(RfCalculator, AfterACalculationTheLastWrittenFieldIsGivenAndRecalculatingAgrees)
{
  RfCalculator calc;
  RfFieldValues v = rfInitialValues();
  v[rfIndex(F::Watts)] = 0.02;
  calc.fieldEdited(F::Watts);
  const RfPageResult first = calc.calculate(v);
  EXPECT_EQ(calc.lastInput(RfPage::SignalLevel), F::VoltsPkPk);
  for (const RfWrite& w : first.writes)
    v[rfIndex(w.field)] = rfShownValue(w.field, *w.value);
  const RfPageResult second = calc.calculate(v);
  // The same values again, up to the 3 decimals the fields show.
  ASSERT_EQ(first.writes.size(), second.writes.size());
  for (std::size_t i = 0; i < first.writes.size(); ++i) {
    EXPECT_EQ(first.writes[i].field, second.writes[i].field);
    EXPECT_TRUE(testing::isNear(*second.writes[i].value, *first.writes[i].value, 5e-4));
  }
  EXPECT_EQ(calc.lastInput(RfPage::SignalLevel), F::VoltsPkPk);
}

TEST(RfCalculator, LockingFrequencyAndReactanceThenCapacitance)
{
  RfCalculator calc;
  RfFieldValues v = rfInitialValues();
  calc.resonanceKeyPressed(F::ResonantFrequency);
  calc.lockButtonClicked(F::Reactance, true);
  const RfPageResult r = calc.calculate(v);
  EXPECT_TRUE(testing::isNear(*r.value(F::Inductance), 79.577e-9, 1e-4));
  EXPECT_TRUE(testing::isNear(*r.value(F::Capacitance), 31.831e-12, 1e-4));
  // Locking the capacitance releases the frequency, the oldest of the three.
  calc.resonanceKeyPressed(F::Capacitance);
  EXPECT_FALSE(calc.isLocked(F::ResonantFrequency));
  EXPECT_TRUE(calc.isLocked(F::Reactance));
  EXPECT_TRUE(calc.isLocked(F::Capacitance));
  v[rfIndex(F::Capacitance)] = 10e-12;
  const RfPageResult again = calc.calculate(v);
  EXPECT_TRUE(testing::isNear(*again.value(F::ResonantFrequency), 318.31e6, 1e-4));
  // Unlocking by the button leaves one lock: the reactance.
  calc.lockButtonClicked(F::Capacitance, false);
  EXPECT_EQ(calc.locks().list(), (std::vector<F>{F::Reactance, F::ResonantFrequency}));
  EXPECT_EQ(calc.locks().downCount(), 1u);
}

} // namespace
} // namespace norvane
