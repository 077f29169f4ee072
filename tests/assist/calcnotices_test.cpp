#include "assist/calcnotices.h"
#include "assist/txlinecalculator.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(CalcNotices, OneBeepOneErrorBoxThenTheInformation)
{
  TxLineFields f;
  f.microstrip.permittivity = "20k";   // clamped: beep
  f.coax.shieldDiameter = "0.5";       // D < d
  f.flatTwin.permittivity = "nothing"; // unreadable
  const TxLineTexts t = calculateTxLines(f);
  CalcNotices notices = t.notices;
  notices.information = "number out of range";
  ScriptedPrompts prompts;
  showNotices(notices, prompts);
  EXPECT_EQ(prompts.beeps, 1);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_EQ(prompts.messages[0].text,
            "Co-axial cable: The shield diameter (D) must be larger than the conductor diameter "
            "(d).\nFlat-twin, relative permittivity: \"nothing\" is not a valid number.");
  EXPECT_EQ(prompts.messages[1].kind, ScriptedPrompts::Kind::Information);

  ScriptedPrompts quiet;
  showNotices(calculateTxLines({}).notices, quiet);
  EXPECT_EQ(quiet.beeps, 0);
  EXPECT_TRUE(quiet.messages.empty());
}

} // namespace
} // namespace norvane
