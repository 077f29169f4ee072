// "Synthesize" on the pages of the transmission line window: typed impedance in, the page's
// free dimension out, calculated at once so the panel shows the typed impedance.
#include "calc_support.h"

#include "assist/txlines.h"
#include "calculators/txlinecalculatorwindow.h"
#include "support/scriptedprompts.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace norvane {
namespace {

using namespace calctest;

TEST(TxLineSynthesisWindow, EveryPageSolvesForItsDimension)
{
  ScriptedPrompts prompts;
  TxLineCalculatorWindow window{prompts};
  const auto synthesize = [&](TxLinePage page, const QString& ohms) {
    typeInto(window.synthesisRow(page).target, ohms);
    QTest::mouseClick(window.synthesisRow(page).button, Qt::LeftButton);
  };

  // 50 ohm microstrip on the default board: a little narrower than 2.9 mm.
  synthesize(TxLinePage::Microstrip, "50");
  EXPECT_EQ(text(window.microstrip().impedance), "50R");
  const double w = std::stod(text(window.microstrip().width));
  EXPECT_LT(w, 2.9);
  // Analysed again from the field's text: within 0.01 %.
  const MicrostripResult again = calcMicrostrip({w * 1e-3, 0.1e-3, 1.6e-3, 4.7});
  ASSERT_TRUE(again.impedance);
  EXPECT_NEAR(*again.impedance, 50.0, 50.0 * 1e-4);

  synthesize(TxLinePage::Stripline, "35");
  EXPECT_EQ(text(window.stripline().impedance), "35R");
  synthesize(TxLinePage::Coax, "75");
  EXPECT_EQ(text(window.coax().impedance), "75R");
  EXPECT_EQ(text(window.coax().shieldDiameter), "2.3"); // only d was solved for
  synthesize(TxLinePage::FlatTwin, "300");
  EXPECT_NEAR(number(text(window.flatTwin().impedance)), 300.0, 0.005);
  EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();

  // A target no width reaches: a clear message, the width as it was.
  const std::string before = text(window.stripline().width);
  synthesize(TxLinePage::Stripline, "500");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Error);
  EXPECT_NE(prompts.lastText().find("Stripline: No track width gives 500 ohm"),
            std::string::npos)
      << prompts.lastText();
  EXPECT_EQ(text(window.stripline().width), before);
}

} // namespace
} // namespace norvane
