// Every registered kind, the program's own and the series RL this test program adds
// (seriesrlkind.cpp), goes through what a user does with a component: placed from its menu
// entry, saved, read back and saved again unchanged. The series RL, which no window, file
// or simulator code knows by name, is also edited in its generated dialog and simulated to
// its closed form.

#include "mainwindow_support.h"

#include "commands.h"
#include "document/componentkinds.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"
#include "sim/simulate.h"
#include "sim/sweepsink.h"

#include <QMenuBar>

#include <complex>
#include <vector>

namespace norvane {
namespace {

using test::MainWindowTest;

constexpr ComponentType kSeriesRL = kindOfCode(40);

class KindConformanceTest : public MainWindowTest
{
protected:
  // What places a kind: its command's action, or else the Component menu's entry named by
  // its title.
  QAction* placingAction(const ComponentKind& kind)
  {
    for (const CommandInfo& info : commandTable()) {
      if (info.mode() == placingMode(kind.type)) {
        return window->action(info.command);
      }
    }
    QString title = QString::fromLatin1(kind.title.data(), static_cast<int>(kind.title.size()));
    title[0] = title[0].toUpper();
    for (QAction* top : window->menuBar()->actions()) {
      for (QAction* item : top->menu()->actions()) {
        if (item->text() == title) {
          return item;
        }
      }
    }
    return nullptr;
  }
};

TEST_F(KindConformanceTest, EveryKindIsPlacedFromItsMenuSavedAndReadBack)
{
  ASSERT_NE(findComponentKind(kSeriesRL), nullptr) << "the test kind is registered";
  int placed = 0;
  for (const ComponentKind& kind : componentKinds()) {
    SCOPED_TRACE(std::string(kind.codeName));
    QAction* place = placingAction(kind);
    ASSERT_NE(place, nullptr);
    place->trigger();
    const Point at{100 + 100 * (placed % 6), 100 + 100 * (placed / 6)};
    click(at.x, at.y);
    key(Qt::Key_Escape);
    ASSERT_EQ(drawing().components.count(), ++placed);
    const Component& c = drawing().components[placed];
    EXPECT_EQ(c.ctype, kind.type);
    EXPECT_EQ(c.position, at);
    EXPECT_EQ(c.pins.count, kind.pins);
  }
  const std::string text = schematicText(*doc);
  Schematic reread;
  ASSERT_TRUE(readSchematicText(reread, text).ok()) << text;
  ASSERT_EQ(reread.drawdat.components.count(), placed);
  EXPECT_EQ(schematicText(reread), text);
}

// Collects S21 of every point.
class S21Sink : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override { s21.push_back(p); }
  std::vector<SweepPoint> s21;
};

TEST_F(KindConformanceTest, ASeriesRLFromOneUnitFileIsEditedAndSimulated)
{
  // Port 1 at (100, 180): terminal (120, 180); the series RL at (200, 200) with pins
  // (200, 180) and (200, 220); port 2 at (300, 220): terminal (280, 220).
  placingAction(componentKind(kSeriesRL))->trigger();
  click(200, 200);
  key(Qt::Key_1);
  click(100, 180);
  key(Qt::Key_2);
  click(300, 220);
  key(Qt::Key_W);
  drag(120, 180, 200, 180);
  drag(200, 220, 280, 220);
  key(Qt::Key_Escape);
  ASSERT_EQ(drawing().components.count(), 1);

  // Its generated dialog opens on a double click, and OK without a change keeps every value.
  const std::string before = schematicText(*doc);
  dialogsShown.clear();
  doubleClick(200, 200);
  EXPECT_EQ(dialogsShown, QStringList{"Edit Series RL"});
  doc->drawdat.components[1].selected = false; // the double click selected it
  EXPECT_EQ(schematicText(*doc), before);
  Component& rl = doc->drawdat.components[1];
  EXPECT_EQ(parameterValue(rl, "resistance"), 10.0);
  EXPECT_EQ(parameterValue(rl, "inductance"), 1e-7);

  // Z = R + jwL in series between two 50 Ohm ports: S21 = 100 / (100 + Z).
  doc->Xax.min = 1e6;
  doc->Xax.max = 1e9;
  doc->Xax.numpoints = 30;
  doc->Xax.freqmode = 1;
  SimulationSession session;
  SimulateResult result = checkCircuit(*doc, session, prompts);
  ASSERT_TRUE(result.checked) << prompts.lastText();
  SweepRequest request;
  request.plan = planSweep(*doc);
  S21Sink sink;
  simulateCircuit(*doc, session, request, sink, prompts, result);
  ASSERT_EQ(sink.s21.size(), 31u);
  for (const SweepPoint& p : sink.s21) {
    const std::complex<double> z{10.0, 2.0 * 3.14159265358979323846 * p.freq * 1e-7};
    const std::complex<double> want = 100.0 / (100.0 + z);
    EXPECT_NEAR(p.s21.re, want.real(), 1e-12) << p.freq;
    EXPECT_NEAR(p.s21.im, want.imag(), 1e-12) << p.freq;
  }
}

} // namespace
} // namespace norvane
