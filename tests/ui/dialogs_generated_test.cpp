// The property dialog generated from a kind's parameter descriptions: it shows the resistor
// and the controlled sources as their hand-made dialogs did, and a kind that no window code
// knows gets a working dialog from its descriptions alone.
#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"
#include "dialogs_support.h"
#include "document/componentkinds.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace norvane {
namespace {

// The captions of the labelled rows, top to bottom.
QStringList rowCaptions(const QDialog& dialog)
{
  QList<QLabel*> labels = dialog.findChildren<QLabel*>();
  std::sort(labels.begin(), labels.end(),
            [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
  QStringList captions;
  for (const QLabel* l : labels) {
    if (l->buddy() != nullptr) captions << l->text();
  }
  return captions;
}

TEST(GeneratedDialog, ResistorAndControlledSourcesShowTheirCaptionsAndFields)
{
  GeneratedComponentDialog resistor(componentKind(ComponentType::Resistor));
  resistor.show();
  EXPECT_EQ(resistor.windowTitle(), "Edit Resistor");
  EXPECT_EQ(rowCaptions(resistor), QStringList{"Resistance"});
  EXPECT_EQ(resistor.firstField(), resistor.toleranceField("resistance"));
  const ToleranceGroup* group = resistor.toleranceGroup("resistance");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), "Tolerances");
  EXPECT_EQ(group->offButton()->text(), "Off");
  EXPECT_EQ(group->percentButton()->text(), "%");
  EXPECT_EQ(group->unitButton()->text(), "R");
  // The group stands below the field, OK and Cancel below both.
  EXPECT_GT(group->y(), resistor.toleranceField("resistance")->y());
  const auto top = [&resistor](const QWidget* w) { return w->mapTo(&resistor, QPoint()).y(); };
  EXPECT_GT(top(resistor.okButton()), top(group));
  EXPECT_EQ(top(resistor.cancelButton()), top(resistor.okButton()));
  EXPECT_TRUE(resistor.findChildren<QCheckBox*>().isEmpty());

  // The sources take tolerances in brackets but have no group: the tolerance modes leave
  // their gains alone.
  const struct
  {
    ComponentType kind;
    const char* title;
    const char* caption;
    const char* unit;
  } sources[] = {{ComponentType::VCVS, "VCVS edit", "Voltage Gain", "V/V"},
                 {ComponentType::VCCS, "VCCS edit", "Voltage Gain", "A/V"},
                 {ComponentType::CCVS, "CCVS", "Transconductance", "V/A"},
                 {ComponentType::CCCS, "CCCS edit", "Current gain", "A/A"}};
  for (const auto& s : sources) {
    GeneratedComponentDialog d(componentKind(s.kind));
    EXPECT_EQ(d.windowTitle(), s.title);
    EXPECT_EQ(rowCaptions(d), QStringList{s.caption});
    ASSERT_NE(d.toleranceField("gain"), nullptr);
    EXPECT_EQ(d.toleranceField("gain")->units(), s.unit);
    EXPECT_TRUE(d.findChildren<ToleranceGroup*>().isEmpty());
  }
}

// A kind of the test's own: two varied values with tolerances, two single numbers sharing a
// slot and a flag. No window code names it.
using F = SlotField;
constexpr ParameterDescription kAirCoil[] = {
    {"inductance", 1, F::Whole, "H", true, 0, 2, -1e20, 1e20, {}},
    {"length", 2, F::Whole, " m", true, 0, 4, 0, 10, {}},
    {"seriesResistance", 3, F::Nom, "R", false, 0, 3, 0, 1e6, {}},
    {"turns", 3, F::MinTol, "", false, 0, 0, 1, 100, {}, "Number of turns"},
    {"shielded", 3, F::TolEn, "", false, 0, 0, 0, 1, {}},
};

ComponentKind airCoil()
{
  ComponentKind kind;
  kind.type = kindOfCode(42);
  kind.codeName = "ckAirCoil";
  kind.title = "air coil";
  kind.pins = 2;
  kind.parameters = kAirCoil;
  return kind;
}

TEST(GeneratedDialog, AKindUnknownToTheWindowsGetsItsDialogFromItsDescriptions)
{
  const ComponentKind kind = airCoil();
  GeneratedComponentDialog d(kind);
  ASSERT_TRUE(showActive(d));
  EXPECT_EQ(d.windowTitle(), "Edit Air coil");
  EXPECT_EQ(rowCaptions(d),
            (QStringList{"Inductance", "Length", "Series Resistance", "Number of turns"}));
  ASSERT_NE(d.checkBox("shielded"), nullptr);
  EXPECT_EQ(d.checkBox("shielded")->text(), "Shielded");
  // Two varied values: a group for each, named after its field; " m" is the button "m".
  ASSERT_NE(d.toleranceGroup("length"), nullptr);
  EXPECT_EQ(d.toleranceGroup("inductance")->title(), "Inductance Tolerance");
  EXPECT_EQ(d.toleranceGroup("length")->title(), "Length Tolerance");
  EXPECT_EQ(d.toleranceGroup("length")->unitButton()->text(), "m");
  EXPECT_EQ(d.toleranceGroup("seriesResistance"), nullptr);
  EXPECT_EQ(d.toleranceField("turns"), nullptr);

  Component coil;
  coil.ctype = kind.type;
  coil.value[1] = {1.0109843889028341e-6, -5, 5, 0, true, true};
  coil.value[2] = {0.25, -0.01, 0.01, 0.26, true, false};
  coil.value[3] = {47.123456789, 12, 0, 0, true, false};
  const auto doc = std::make_unique<Schematic>(); // the dialog uses the component only

  // Loaded and confirmed without an edit: every number as it was, though shown rounded.
  d.loadFrom(coil, *doc);
  EXPECT_TRUE(d.toleranceGroup("inductance")->percentButton()->isChecked());
  EXPECT_TRUE(d.toleranceGroup("length")->unitButton()->isChecked());
  EXPECT_EQ(d.numericField("turns")->text(), "12");
  EXPECT_TRUE(d.checkBox("shielded")->isChecked());
  Component confirmed = coil;
  d.storeInto(confirmed, *doc);
  EXPECT_EQ(confirmed, coil);

  // Typed entries: limits clamp, the flag and the tolerance buttons store, the simulation's
  // actual value stays.
  const auto retype = [](QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
  };
  retype(d.numericField("seriesResistance"), "4k7");
  retype(d.numericField("turns"), "150");
  retype(d.numericField("inductance"), "22n (+10,-10%)");
  QTest::mouseClick(d.toleranceGroup("length")->offButton(), Qt::LeftButton);
  d.checkBox("shielded")->click();
  d.storeInto(confirmed, *doc);
  EXPECT_EQ(confirmed.value[3].nom, 4700);
  EXPECT_EQ(confirmed.value[3].mintol, 100);
  EXPECT_FALSE(confirmed.value[3].TolEn);
  EXPECT_DOUBLE_EQ(confirmed.value[1].nom, 22e-9);
  EXPECT_EQ(confirmed.value[1].maxtol, 10);
  EXPECT_FALSE(confirmed.value[2].TolEn);
  EXPECT_EQ(confirmed.value[2].nom, 0.25);
  EXPECT_EQ(confirmed.value[2].actual, 0.26);
}

} // namespace
} // namespace norvane
