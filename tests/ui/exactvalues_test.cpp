// A designed value survives its property dialog: opening a dialog and pressing OK without
// typing keeps every stored number exactly, although the fields show them rounded (a designed
// 1.01098438890283 uH shows as "1.01uH"). Tune mode's first click is such an OK, and the tune
// steps then start from the exact value.
#include "mainwindow_support.h"

#include "dialogs/realedit.h"
#include "tunerbar.h"

#include "document/componentkinds.h"
#include "document/placement.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

// A number with many digits that no field shows in full, inside the parameter's limits.
double designed(const ParameterDescription& p, double current)
{
  const double base = current != 0.0 ? current : 1.0;
  const double up = base * 1.0109843889028341;
  return (up <= p.high && up >= p.low) ? up : base * 0.98765432109876543;
}

class ExactValuesTest : public MainWindowTest
{
protected:
  void SetUp() override
  {
    MainWindowTest::SetUp();
    // The dialog is shown, every numeric field is entered and left as a user tabbing
    // through it would, and OK is clicked.
    window->editorConnection().componentDialogs().setModalRunner([this](QDialog& dialog) {
      dialogsShown << dialog.windowTitle();
      dialog.show();
      QApplication::processEvents();
      for (RealEdit* field : dialog.findChildren<RealEdit*>()) {
        if (!field->isVisibleTo(&dialog) || !field->isEnabled()) continue;
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(field, &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
      }
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      // The main window has the keyboard again, as after a real modal dialog.
      QApplication::setActiveWindow(window.get());
      return dialog.result();
    });
  }
};

TEST_F(ExactValuesTest, OkWithoutEditingKeepsEveryValueOfEveryDialog)
{
  int x = 100;
  for (const ComponentKind& kind : componentKinds()) {
    if (!kind.hasProperties()) continue;
    SCOPED_TRACE(std::string(kind.codeName));
    const PlacementResult placed = placeComponent(*doc, kind.type, 1, {x += 60, 300});
    ASSERT_TRUE(placed.placed());
    Component& c = doc->drawdat.components[placed.index];
    // Every number a field shows gets many digits; data set numbers, modes and flags stay.
    for (const ParameterDescription& p : kind.parameters) {
      if (p.name == "dataSet" || p.name == "qMode" || p.field == SlotField::TolEn ||
          p.field == SlotField::TolPercent)
        continue;
      ToleranceValue& v = c.value[p.slot];
      if (p.field != SlotField::Whole) {
        setParameterValue(c, p, designed(p, parameterValue(c, p)));
      } else if (p.unit == "%") {
        // The blocks' tolerances: percent, symmetric about a nominal of 1.
        v = ToleranceValue{1.0, -3.14159265358979, 3.14159265358979, 1.0, true, true};
      } else {
        v.nom = designed(p, v.nom);
        v.mintol = -1.23456789012345;
        v.maxtol = 2.34567890123456;
        v.TolEn = true;
      }
    }
    if (const ParameterDescription* ballPark = kind.parameter("ballParkModel"))
      setParameterValue(c, *ballPark, 0.0); // OK on the estimate page computes a new model
    const Component before = c;

    ASSERT_TRUE(window->editorConnection().componentDialogs().EditComponent(placed.index));
    const Component& after = doc->drawdat.components[placed.index];
    for (int slot = 1; slot <= kind.slotsUsed(); ++slot) {
      SCOPED_TRACE("slot " + std::to_string(slot));
      EXPECT_EQ(after.value[slot].nom, before.value[slot].nom);
      EXPECT_EQ(after.value[slot].mintol, before.value[slot].mintol);
      EXPECT_EQ(after.value[slot].maxtol, before.value[slot].maxtol);
    }
  }
  EXPECT_GE(dialogsShown.size(), 13);
}

TEST_F(ExactValuesTest, TuneModeStartsFromTheExactValue)
{
  constexpr double kDesigned = 1.01098438890283e-6;
  drawResistorToGround();
  key(Qt::Key_L);
  click(300, 200);
  ASSERT_EQ(drawing().components.count(), 3);
  doc->drawdat.components[3].value[1].nom = kDesigned;
  doc->Xax.numpoints = 10;

  window->action(Command::TuneToggle)->trigger();
  int opened = 0;
  window->editorConnection().componentDialogs().setModalRunner([&opened](QDialog&) {
    return static_cast<int>(++opened == 1 ? QDialog::Accepted : QDialog::Rejected);
  });
  click(300, 200); // OK once (unchanged), then Cancel
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(drawing().components[3].value[1].nom, kDesigned);

  // One step of +1 % from the designed value, not from the 1.01 uH the field showed.
  auto* steps = window->tunerBar()->stepList();
  steps->setCurrentIndex(steps->findData(static_cast<int>(TuneStep::Percent1)));
  QTest::keyClick(window->view(), Qt::Key_Up);
  EXPECT_DOUBLE_EQ(drawing().components[3].value[1].nom, kDesigned * 1.01);
}

} // namespace
} // namespace norvane::test
