// The entry fields typed into as a user would: the text re-formats on Enter and when the
// field is left, the number is selected afterwards, limits clamp silently, and the
// tolerance bracket is read back.
#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"
#include "dialogs_support.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace norvane {
namespace {

// A window holding the field and a second widget to move the focus to.
struct FieldWindow
{
  QWidget window;
  QLineEdit* other = new QLineEdit(&window);

  template <class Field> Field* add(Field* field, QWidget* extra = nullptr)
  {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    if (extra != nullptr) layout->addWidget(extra);
    layout->addWidget(other);
    EXPECT_TRUE(showActive(window));
    return field;
  }
};

// Replaces the field's text as a user would and presses Enter.
void typeAndEnter(QLineEdit* field, const QString& text)
{
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

RealEdit* resistorField()
{
  auto* edit = new RealEdit;
  edit->setUnits("R");
  edit->setDecimalPlaces(2);
  edit->setLimits(-1e20, 1e20);
  return edit;
}

TEST(DialogsRealEdit, OnlyTheFocusedFieldShowsItsSelection)
{
  FieldWindow w;
  RealEdit* edit = w.add(resistorField());
  w.other->setFocus();
  edit->Setvalue(4700);
  EXPECT_EQ(edit->text(), "4.7kR");
  EXPECT_FALSE(edit->hasSelectedText());
  edit->setFocus();
  EXPECT_EQ(edit->selectedText(), "4.7k");
}

TEST(DialogsRealEdit, EnterReformatsAndSelectsTheNumber)
{
  struct Case
  {
    const char* typed;
    const char* shown;
    double value;
    const char* selected;
  };
  const Case cases[] = {
      {"4k7", "4.7kR", 4700, "4.7k"},
      {"0", "0R", 0, "0"},
      {"2.2", "2.2R", 2.2, "2.2"},
      {"abc", "2.2R", 2.2,
       "2.2"}, // refused: the value before stays          {"1E3", "1kR", 1000, "1k"},
  };
  FieldWindow w;
  RealEdit* edit = w.add(resistorField());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    typeAndEnter(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(edit->value(), c.value);
    EXPECT_EQ(edit->selectedText(), QString::fromLatin1(c.selected));
  }
  // Typing now replaces the number and keeps the unit.
  typeAndEnter(edit, "100");
  QTest::keyClicks(edit, "47");
  EXPECT_EQ(edit->text(), "47R");

  // Entering the field selects the number too.
  w.other->setFocus();
  edit->setText("1k5");
  QTest::keyClick(w.other, Qt::Key_Backtab);
  ASSERT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->text(), "1.5kR");
  EXPECT_EQ(edit->selectedText(), "1.5k");
}

TEST(DialogsRealEdit, LeavingTheFieldValidates)
{
  FieldWindow w;
  RealEdit* edit = w.add(resistorField());
  edit->setLimits(0, 1e5);
  edit->setFocus();
  edit->setText("1M");
  // The focus moves on: the field shows its maximum.
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_TRUE(w.other->hasFocus());
  EXPECT_EQ(edit->text(), "100kR");
  EXPECT_EQ(edit->value(), 1e5);

  edit->setText("-3");
  EXPECT_EQ(edit->Getvalue(), 0.0);
  EXPECT_EQ(edit->text(), "0R");

  edit->Setvalue(0.0047);
  EXPECT_EQ(edit->text(), "4.7mR");
}

TEST(DialogsRealEdit, UnitsStartingWithAPrefixLetterKeepTheirBlank)
{
  FieldWindow w;
  auto* edit = w.add(new RealEdit);
  edit->setUnits(" m/s");
  edit->setDecimalPlaces(3);
  typeAndEnter(edit, "300M m/s");
  EXPECT_EQ(edit->value(), 3e8);
  EXPECT_EQ(edit->text(), "300M m/s");
  EXPECT_EQ(edit->selectedText(), "300M");
}

TEST(DialogsToleranceEdit, BracketIsReadBackAndRebuilt)
{
  FieldWindow w;
  auto* edit = w.add(new ToleranceEdit);
  edit->setUnits("R");
  edit->setDecimalPlaces(2);
  edit->setLimits(-1e20, 1e20);
  ToleranceValue v;
  v.nom = 100;
  v.mintol = -5;
  v.maxtol = 5;
  v.TolEn = true;
  v.TolPercent = true;
  v.actual = 123.0;
  edit->setFocus();
  edit->settol(v);
  EXPECT_EQ(edit->text(), "100R (+5,-5%)");
  EXPECT_EQ(edit->selectedText(), "100");

  edit->setText("100R (+10,-2%)");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "100R (+10,-2%)");
  ToleranceValue out = v;
  EXPECT_TRUE(edit->gettol(out));
  EXPECT_EQ(out.maxtol, 10);
  EXPECT_EQ(out.mintol, -2);
  EXPECT_EQ(out.nom, 100);
  EXPECT_EQ(out.actual, 123.0); // the last run's value is not the field's

  // A bracket typed but not yet validated is not lost by gettol.
  edit->setText("200R (+1,-1%)");
  ASSERT_TRUE(edit->gettol(out));
  EXPECT_EQ(out.nom, 200);
  EXPECT_EQ(out.maxtol, 1);

  // Switching to absolute converts: +-5 % of 200 is +-10.
  edit->setText("200R (+5,-5%)");
  edit->setTolerancePercent(false);
  EXPECT_EQ(edit->text(), "200R (+10,-10R)");
  edit->gettol(out);
  EXPECT_FALSE(out.TolPercent);
  EXPECT_EQ(out.maxtol, 10);

  edit->setToleranceEnabled(false);
  EXPECT_EQ(edit->text(), "200R");
  EXPECT_FALSE(edit->gettol(out));
  EXPECT_FALSE(out.TolEn);

  // A zero value shows (0,0%).
  edit->setTolerancePercent(true);
  edit->setToleranceEnabled(true);
  typeAndEnter(edit, "0");
  EXPECT_EQ(edit->text(), "0R (0,0%)");
}

TEST(DialogsToleranceGroup, ButtonsSwitchTheField)
{
  FieldWindow w;
  auto* edit = new ToleranceEdit;
  edit->setUnits("R");
  edit->setDecimalPlaces(2);
  auto* groupBox = new ToleranceGroup("Tolerances", "R", edit);
  ToleranceGroup& group = *groupBox;
  w.add(edit, groupBox);
  ToleranceValue v;
  v.nom = 100;
  edit->settol(v);
  group.showFromField();
  EXPECT_TRUE(group.offButton()->isChecked());
  EXPECT_EQ(edit->text(), "100R");

  QTest::mouseClick(group.percentButton(), Qt::LeftButton);
  EXPECT_TRUE(edit->toleranceEnabled());
  EXPECT_TRUE(edit->tolerancePercent());
  EXPECT_EQ(edit->text(), "100R (+0,+0%)");
  edit->setText("100R (+5,-5%)");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "100R (+5,-5%)");

  QTest::mouseClick(group.unitButton(), Qt::LeftButton);
  EXPECT_FALSE(edit->tolerancePercent());
  EXPECT_EQ(edit->text(), "100R (+5,-5R)");

  QTest::mouseClick(group.offButton(), Qt::LeftButton);
  EXPECT_FALSE(edit->toleranceEnabled());
  EXPECT_EQ(edit->text(), "100R");

  v.TolEn = true;
  v.TolPercent = false;
  edit->settol(v);
  group.showFromField();
  EXPECT_TRUE(group.unitButton()->isChecked());
  v.TolPercent = true;
  edit->settol(v);
  group.showFromField();
  EXPECT_TRUE(group.percentButton()->isChecked());
}

} // namespace
} // namespace norvane
