// Every property dialog opened through the dispatcher for a placed component, filled as a
// user would fill it, and confirmed or cancelled; the stored slots and templates are checked.
#include "config/environment.h"
#include "dialogs/bipolardialog.h"
#include "dialogs/circuitdialogs.h"
#include "dialogs/componentdialogs.h"
#include "dialogs/dialogplacement.h"
#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/passivedialogs.h"
#include "dialogs/realedit.h"
#include "dialogs/smalldialogs.h"
#include "dialogs/tolerancegroup.h"
#include "dialogs_support.h"
#include "document/clearschematic.h"
#include "document/placement.h"
#include "document/schematicwriter.h"
#include "support/scriptedprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace norvane {
namespace {

void retype(QLineEdit* field, const QString& text)
{
  field->selectAll();
  QTest::keyClicks(field, text);
}

class ComponentDialogsTest : public ::testing::Test
{
protected:
  ComponentDialogsTest()
  {
    clearSchematic(*doc, env);
    dialogs.setModalRunner([this](QDialog& dialog) {
      dialog.show();
      shownCaption = dialog.windowTitle();
      ++opened;
      const bool ok = script ? script(dialog) : true;
      dialog.hide();
      return ok ? QDialog::Accepted : QDialog::Rejected;
    });
  }

  int place(ComponentType kind, Point at = {100, 100})
  {
    const PlacementResult r = placeComponent(*doc, kind, 1, at);
    EXPECT_TRUE(r.placed());
    return r.index;
  }

  Component& comp(int index) { return doc->drawdat.components[index]; }

  // Opens component `index`, runs `fill` on its dialog (cast to D) and answers OK (true) or
  // Cancel.
  template <class D> bool edit(int index, std::function<bool(D&)> fill)
  {
    script = [fill](QDialog& dialog) {
      D* typed = dynamic_cast<D*>(&dialog);
      EXPECT_NE(typed, nullptr);
      return typed != nullptr && fill(*typed);
    };
    return dialogs.EditComponent(index);
  }

  Environment env;
  std::unique_ptr<Schematic> doc = std::make_unique<Schematic>();
  ScriptedPrompts prompts;
  ComponentDialogs dialogs{*doc, prompts, nullptr};
  std::function<bool(QDialog&)> script;
  QString shownCaption;
  int opened = 0;
};

TEST_F(ComponentDialogsTest, ResistorTakesTypedValuesAndTolerances)
{
  const int r = place(ComponentType::Resistor);
  ASSERT_TRUE(edit<GeneratedComponentDialog>(r, [](GeneratedComponentDialog& d) {
    EXPECT_EQ(d.numericField("resistance")->text(), "50R (+1,-1%)");
    EXPECT_TRUE(d.toleranceGroup("resistance")->percentButton()->isChecked());
    EXPECT_TRUE(d.numericField("resistance")->hasFocus() || !d.isActiveWindow());
    retype(d.numericField("resistance"), "4k7 (+5,-2%)");
    return true;
  }));
  EXPECT_EQ(shownCaption, "Edit Resistor");
  EXPECT_EQ(comp(r).value[1].nom, 4700);
  EXPECT_EQ(comp(r).value[1].maxtol, 5);
  EXPECT_EQ(comp(r).value[1].mintol, -2);
  EXPECT_TRUE(comp(r).value[1].TolEn);
  EXPECT_EQ(doc->lastR.value[1], comp(r).value[1]);

  // "Off" drops the tolerance; zero becomes 1e-6.
  ASSERT_TRUE(edit<GeneratedComponentDialog>(r, [](GeneratedComponentDialog& d) {
    QTest::mouseClick(d.toleranceGroup("resistance")->offButton(), Qt::LeftButton);
    retype(d.numericField("resistance"), "0");
    return true;
  }));
  EXPECT_EQ(comp(r).value[1].nom, 1e-6);
  EXPECT_FALSE(comp(r).value[1].TolEn);

  // Switching to the unit button converts the percentages: +-10 % of 200 is +-20.
  ASSERT_TRUE(edit<GeneratedComponentDialog>(r, [](GeneratedComponentDialog& d) {
    QTest::mouseClick(d.toleranceGroup("resistance")->percentButton(), Qt::LeftButton);
    retype(d.numericField("resistance"), "200R (+10,-10%)");
    QTest::keyClick(d.numericField("resistance"), Qt::Key_Return);
    QTest::mouseClick(d.toleranceGroup("resistance")->unitButton(), Qt::LeftButton);
    EXPECT_EQ(d.numericField("resistance")->text(), "200R (+20,-20R)");
    return true;
  }));
  EXPECT_EQ(comp(r).value[1].maxtol, 20);
  EXPECT_FALSE(comp(r).value[1].TolPercent);
  EXPECT_TRUE(comp(r).value[1].TolEn);
}

// The first line where two saved files differ, "" when they are equal.
std::string firstDifference(const std::string& before, const std::string& after)
{
  std::size_t at = 0;
  while (at < before.size() && at < after.size() && before[at] == after[at])
    ++at;
  if (at == before.size() && at == after.size()) return "";
  const auto lineOf = [at](const std::string& text) {
    const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    return text.substr(from, text.find('\r', from) - from);
  };
  return lineOf(before) + "  became  " + lineOf(after);
}

// Every kind with parameters, as the kind descriptions list them: the dialog of a placed
// component opens; OK without an edit leaves the saved file byte for byte as it was; Cancel
// after typing into every field and toggling every box leaves the document unchanged.
//
// A generated dialog keeps a freshly placed component as it is. Some dialogs with a layout of
// their own put a freshly placed component into their form on the first OK (a data block's
// disabled tolerances become percent about 1, the mutual inductance's empty template is
// clamped to its fields' limits, the transistor's template is replaced by its ball-park
// estimate); from then on their OK changes nothing either.
TEST_F(ComponentDialogsTest, EveryKindOkWithoutEditKeepsTheFileAndCancelChangesNothing)
{
  int kinds = 0;
  for (const ComponentKind& kind : componentKinds()) {
    if (!kind.hasProperties()) continue;
    place(kind.type, {100 + 50 * kind.code(), 100});
    ++kinds;
  }
  ASSERT_GT(kinds, 0);
  for (int i = 1; i <= doc->drawdat.components.count(); ++i) {
    const ComponentType type = comp(i).ctype;
    SCOPED_TRACE(std::string(componentKind(type).codeName));
    script = [](QDialog&) { return true; };
    std::string saved = schematicText(*doc);
    EXPECT_TRUE(dialogs.EditComponent(i));
    if (kindHasGeneratedDialog(type)) {
      EXPECT_EQ(firstDifference(saved, schematicText(*doc)), "");
    }
    saved = schematicText(*doc);
    EXPECT_TRUE(dialogs.EditComponent(i));
    EXPECT_EQ(firstDifference(saved, schematicText(*doc)), "");

    const auto before = std::make_unique<Schematic>(*doc);
    script = [](QDialog& dialog) {
      for (QLineEdit* field : dialog.findChildren<QLineEdit*>())
        retype(field, "1M");
      for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        box->toggle();
      return false;
    };
    EXPECT_FALSE(dialogs.EditComponent(i));
    EXPECT_TRUE(*doc == *before);
  }
  EXPECT_EQ(opened, 3 * kinds);
}

TEST_F(ComponentDialogsTest, KindsWithoutADialogOpenNothing)
{
  const int g = place(ComponentType::Ground);
  EXPECT_FALSE(dialogs.EditComponent(g));
  EXPECT_FALSE(dialogs.EditComponent(0));
  EXPECT_FALSE(dialogs.EditComponent(99));
  comp(g).ctype = kindOfCode(42);
  EXPECT_FALSE(dialogs.EditComponent(g));
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(dialogs.dialogFor(ComponentType::Ground), nullptr);
}

TEST_F(ComponentDialogsTest, CaptionsOfEveryKind)
{
  const struct
  {
    ComponentType kind;
    const char* caption;
  } kinds[] = {
      {ComponentType::Resistor, "Edit Resistor"},
      {ComponentType::Capacitor, "Edit Capacitor"},
      {ComponentType::Inductor, "Edit Inductor "},
      {ComponentType::OpAmp, "Edit Op-Amp"},
      {ComponentType::TxLine, "Edit Transmission Line Element"},
      {ComponentType::SParam2, "2 port properties"},
      {ComponentType::SParam1, "S parameter 1 port properties"},
      {ComponentType::Transformer, "Transformer Properties"},
      {ComponentType::Mutual, "Mulual inductance properties"},
      {ComponentType::Bipolar, "Bipolar transistor properties"},
      {ComponentType::VCVS, "VCVS edit"},
      {ComponentType::VCCS, "VCCS edit"},
      {ComponentType::CCVS, "CCVS"},
      {ComponentType::CCCS, "CCCS edit"},
  };
  for (const auto& k : kinds) {
    ASSERT_NE(dialogs.dialogFor(k.kind), nullptr) << kindCode(k.kind);
    EXPECT_EQ(dialogs.dialogFor(k.kind)->windowTitle(), QString::fromLatin1(k.caption));
    // Made once, then reused.
    EXPECT_EQ(dialogs.dialogFor(k.kind), dialogs.dialogFor(k.kind));
  }
}

TEST_F(ComponentDialogsTest, CapacitorPhysicalModel)
{
  const int c = place(ComponentType::Capacitor);
  ASSERT_TRUE(edit<CapacitorDialog>(c, [](CapacitorDialog& d) {
    EXPECT_EQ(d.valueEdit()->text(), "10pF (+2,-2%)");
    EXPECT_FALSE(d.physicalModelGroup()->isVisible());
    const int small = d.height();
    d.physicalModelBox()->click();
    EXPECT_TRUE(d.physicalModelGroup()->isVisible());
    EXPECT_GT(d.height(), small);
    EXPECT_EQ(d.qEdit()->text(), "200");
    EXPECT_EQ(d.qFrequencyEdit()->text(), "100MHz");
    EXPECT_EQ(d.selfResonanceEdit()->text(), "1GHz");
    EXPECT_TRUE(d.qModeButton(1)->isChecked());
    retype(d.valueEdit(), "0");
    retype(d.qEdit(), "150");
    retype(d.qFrequencyEdit(), "5T"); // beyond 1e12: clamped
    retype(d.selfResonanceEdit(), "2G2");
    d.qModeButton(2)->click();
    return true;
  }));
  const Component& cap = comp(c);
  EXPECT_EQ(cap.value[1].nom, 1e-20);
  EXPECT_EQ(cap.value[2].nom, 150);
  EXPECT_EQ(cap.value[3].nom, 1e12);
  EXPECT_DOUBLE_EQ(cap.value[4].nom, 2.2e9);
  EXPECT_EQ(cap.value[5].nom, 2);
  EXPECT_TRUE(cap.value[5].TolEn);
  EXPECT_EQ(doc->lastC.value, cap.value);

  // Reopened, the model shows and the third mode can be chosen.
  ASSERT_TRUE(edit<CapacitorDialog>(c, [](CapacitorDialog& d) {
    EXPECT_TRUE(d.physicalModelBox()->isChecked());
    EXPECT_TRUE(d.physicalModelGroup()->isVisible());
    EXPECT_TRUE(d.qModeButton(2)->isChecked());
    EXPECT_EQ(d.qFrequencyEdit()->text(), "1THz");
    d.qModeButton(3)->click();
    d.physicalModelBox()->click();
    return true;
  }));
  EXPECT_EQ(comp(c).value[5].nom, 3);
  EXPECT_FALSE(comp(c).value[5].TolEn);
}

TEST_F(ComponentDialogsTest, TypedValuesWithBlanksAndTextThatIsNotANumber)
{
  const int c = place(ComponentType::Capacitor);
  ASSERT_TRUE(edit<CapacitorDialog>(c, [](CapacitorDialog& d) {
    retype(d.valueEdit(), "22 pF (+5,-5%)");
    d.valueEdit()->validate(); // as on leaving the field (Enter would answer OK)
    EXPECT_EQ(d.valueEdit()->text(), "22pF (+5,-5%)");
    EXPECT_EQ(d.valueEdit()->problem(), "");
    for (const char* typed : {"abc", "1,5p", "0x10"}) {
      retype(d.valueEdit(), typed);
      QTest::keyClick(d.valueEdit(), Qt::Key_Return);
      // Refused: the previous value and tolerance are shown again, with the reason.
      EXPECT_EQ(d.valueEdit()->text(), "22pF (+5,-5%)");
      EXPECT_EQ(d.valueEdit()->toolTip(), QString("\"%1\" is not a number").arg(typed));
      EXPECT_TRUE(d.isVisible()); // Enter did not close the dialog
      // The reason also stands beside the field, right under (or over) it.
      const QLabel* why = entryProblemLabel(*d.valueEdit());
      EXPECT_TRUE(why);
      if (!why) return false;
      EXPECT_TRUE(why->isVisible());
      EXPECT_EQ(why->text(), d.valueEdit()->toolTip());
      const QRect field(d.valueEdit()->mapTo(why->parentWidget(), QPoint(0, 0)),
                        d.valueEdit()->size());
      EXPECT_TRUE(why->geometry().top() == field.bottom() + 1 ||
                  why->geometry().bottom() + 1 == field.top());
      EXPECT_TRUE(why->parentWidget()->rect().contains(why->geometry()));
    }
    // A number again: the reason goes away.
    retype(d.valueEdit(), "33p (+5,-5%)");
    d.valueEdit()->validate();
    EXPECT_FALSE(entryProblemLabel(*d.valueEdit())->isVisible());
    EXPECT_TRUE(d.valueEdit()->toolTip().isEmpty());
    retype(d.valueEdit(), "22p (+5,-5%)");
    d.valueEdit()->validate();
    return true;
  }));
  EXPECT_DOUBLE_EQ(comp(c).value[1].nom, 22e-12);
  EXPECT_EQ(comp(c).value[1].maxtol, 5);
  EXPECT_EQ(comp(c).value[1].mintol, -5);

  // The port impedance dialog refuses such text on OK and stays open.
  script = [](QDialog& dialog) {
    auto* d = dynamic_cast<PortDialog*>(&dialog);
    retype(d->zoEdit(), "7 5");
    d->accept();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->zoEdit()->toolTip().isEmpty());
    retype(d->zoEdit(), "75 R");
    d->accept();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    return true;
  };
  EXPECT_EQ(dialogs.editPortImpedance("Test Port 1 Zo", "50R"), "75 R");
}

TEST_F(ComponentDialogsTest, InductorZeroAndLimits)
{
  const int l = place(ComponentType::Inductor);
  ASSERT_TRUE(edit<InductorDialog>(l, [](InductorDialog& d) {
    EXPECT_EQ(d.valueEdit()->text(), "10nH (+5,-5%)");
    EXPECT_EQ(d.toleranceGroup()->title(), "Tolerance");
    EXPECT_EQ(d.physicalModelBox()->text(), "Use Physical Model ");
    retype(d.valueEdit(), "0");
    return true;
  }));
  EXPECT_EQ(comp(l).value[1].nom, 1e-20);
  EXPECT_EQ(doc->lastL.value[1].nom, 1e-20);
}

TEST_F(ComponentDialogsTest, OpAmpGainInDecibels)
{
  const int a = place(ComponentType::OpAmp);
  ASSERT_TRUE(edit<OpAmpDialog>(a, [](OpAmpDialog& d) {
    EXPECT_EQ(d.gainEdit()->text(), "120dB");
    EXPECT_EQ(d.inputResistanceEdit()->text(), "1MR");
    retype(d.gainEdit(), "100");
    retype(d.inputResistanceEdit(), "0");
    retype(d.outputResistanceEdit(), "5G"); // beyond 1e9: clamped
    return true;
  }));
  EXPECT_DOUBLE_EQ(comp(a).value[3].nom, 1e5);
  EXPECT_EQ(comp(a).value[1].nom, 1e-20);
  EXPECT_EQ(comp(a).value[2].nom, 1e9);
  EXPECT_EQ(doc->lastopamp.value[3].nom, comp(a).value[3].nom);
  EXPECT_FALSE(edit<OpAmpDialog>(a, [](OpAmpDialog& d) {
    EXPECT_EQ(d.gainEdit()->text(), "100dB");
    return false;
  }));
}

TEST_F(ComponentDialogsTest, TransmissionLine)
{
  const int t = place(ComponentType::TxLine);
  ASSERT_TRUE(edit<TransmissionLineDialog>(t, [](TransmissionLineDialog& d) {
    EXPECT_EQ(d.zoEdit()->text(), "50R (+5,-5R)");
    EXPECT_EQ(d.velocityEdit()->text(), "300M m/s");
    EXPECT_EQ(d.lengthEdit()->text(), "0.01 m (+2,-2%)");
    EXPECT_TRUE(d.zoGroup()->unitButton()->isChecked());
    EXPECT_TRUE(d.lengthGroup()->percentButton()->isChecked());
    retype(d.zoEdit(), "1G");
    retype(d.velocityEdit(), "0");
    retype(d.lengthEdit(), "0.25 m (+1,-3%)");
    return true;
  }));
  const Component& line = comp(t);
  EXPECT_EQ(line.value[1].nom, 1e8);
  EXPECT_EQ(line.value[2].nom, 1.0);
  EXPECT_EQ(line.value[3].nom, 0.25);
  EXPECT_EQ(line.value[3].maxtol, 1);
  EXPECT_EQ(line.value[3].mintol, -3);
  EXPECT_EQ(doc->lasttxln.value[3], line.value[3]);

  ASSERT_TRUE(edit<TransmissionLineDialog>(t, [](TransmissionLineDialog& d) {
    retype(d.zoEdit(), "0");
    retype(d.lengthEdit(), "0");
    return true;
  }));
  EXPECT_EQ(comp(t).value[1].nom, 1e-20);
  EXPECT_EQ(comp(t).value[3].nom, 1e-20);
}

TEST_F(ComponentDialogsTest, TransformerAndMutualInductance)
{
  const int t = place(ComponentType::Transformer);
  ASSERT_TRUE(edit<TransformerDialog>(t, [](TransformerDialog& d) {
    EXPECT_EQ(d.primaryTurnsEdit()->text(), "1");
    EXPECT_EQ(d.primaryInductanceEdit()->text(), "10nH");
    EXPECT_FALSE(d.physicalModelBox()->isChecked());
    EXPECT_EQ(d.physicalModelBox()->text(), "Enable Physical Model");
    retype(d.primaryTurnsEdit(), "2");
    retype(d.secondaryTurnsEdit(), "0"); // limited to 1e-20
    d.physicalModelBox()->click();
    retype(d.primaryInductanceEdit(), "4u7");
    retype(d.couplingEdit(), "2"); // k is at most 1
    return true;
  }));
  EXPECT_EQ(comp(t).value[1].mintol, 2);
  EXPECT_EQ(comp(t).value[1].nom, 1e-20);
  EXPECT_TRUE(comp(t).value[1].TolEn);
  EXPECT_DOUBLE_EQ(comp(t).value[2].nom, 4.7e-6);
  EXPECT_EQ(comp(t).value[3].nom, 1.0);
  EXPECT_EQ(doc->lastTransformer.value, comp(t).value);

  const int m = place(ComponentType::Mutual, {200, 200});
  ASSERT_TRUE(edit<MutualInductanceDialog>(m, [](MutualInductanceDialog& d) {
    EXPECT_EQ(d.physicalModelBox()->text(), "Use Physical Model");
    // The model's fields take entries only while the model is used.
    EXPECT_FALSE(d.couplingEdit()->isEnabled());
    d.physicalModelBox()->click();
    EXPECT_TRUE(d.couplingEdit()->isEnabled());
    retype(d.primaryTurnsEdit(), "3");
    retype(d.secondaryTurnsEdit(), "6");
    retype(d.primaryInductanceEdit(), "1u");
    retype(d.couplingEdit(), "0.95");
    return true;
  }));
  EXPECT_EQ(comp(m).value[1].mintol, 3);
  EXPECT_EQ(comp(m).value[1].nom, 6);
  EXPECT_EQ(comp(m).value[3].nom, 0.95);
  EXPECT_TRUE(comp(m).value[1].TolEn);
  EXPECT_EQ(doc->lastMutual.value[1].nom, 6);
}

TEST_F(ComponentDialogsTest, BipolarBallParkAndAccuratePages)
{
  const int q = place(ComponentType::Bipolar);
  ASSERT_TRUE(edit<BipolarDialog>(q, [](BipolarDialog& d) {
    // The template is a ball-park, leaded transistor: that page shows, with its texts.
    EXPECT_TRUE(d.ballParkPageActive());
    EXPECT_TRUE(d.leadedButton()->isChecked());
    EXPECT_EQ(d.ballParkGainEdit()->text(), "100");
    EXPECT_EQ(d.ftEdit()->text(), "3GHz");
    EXPECT_EQ(d.icEdit()->text(), "5mA");
    EXPECT_EQ(d.feedbackCapEdit()->text(), "500fF");
    EXPECT_EQ(d.derivedLabel(0)->text(), "Lb=1.5nH");
    EXPECT_EQ(d.derivedLabel(2)->text(), "Re=5.2R");
    EXPECT_EQ(d.derivedLabel(6)->text(), "Tf=10ps");
    retype(d.icEdit(), "10m");
    retype(d.ballParkGainEdit(), "50");
    d.surfaceMountButton()->click();
    EXPECT_EQ(d.derivedLabel(0)->text(), "Lb=500pH");
    return true;
  }));
  const Component& t = comp(q);
  EXPECT_EQ(t.value[1].nom, 50);
  EXPECT_DOUBLE_EQ(t.value[2].nom, 2.6);    // Re = 26 mV / 10 mA
  EXPECT_EQ(t.value[2].mintol, 10);         // Rbb
  EXPECT_EQ(t.value[2].maxtol, 1e8);        // Ro
  EXPECT_EQ(t.value[3].nom, 5e-13);         // Cbe = Ccb
  EXPECT_EQ(t.value[3].mintol, 5e-13);      // Ccb
  EXPECT_EQ(t.value[3].maxtol, 1e-11);      // delay
  EXPECT_EQ(t.value[4].nom, 5e-10);         // Lb, surface mount
  EXPECT_DOUBLE_EQ(t.value[4].mintol, 6e7); // 3 GHz / 50
  EXPECT_EQ(t.value[4].maxtol, 3e-10);      // Le, surface mount
  EXPECT_EQ(t.value[5].nom, 0.01);
  EXPECT_EQ(t.value[5].mintol, 3e9);
  EXPECT_TRUE(t.value[5].TolEn);
  EXPECT_TRUE(t.value[5].TolPercent);
  EXPECT_EQ(doc->lastBipolar.value, t.value);

  // On the accurate page the entries stand as typed; nothing can be zero.
  ASSERT_TRUE(edit<BipolarDialog>(q, [](BipolarDialog& d) {
    d.pages()->setCurrentIndex(1);
    EXPECT_EQ(d.reEdit()->text(), "2.6R");
    retype(d.reEdit(), "22");
    retype(d.roEdit(), "0");
    retype(d.timeDelayEdit(), "5p");
    return true;
  }));
  EXPECT_EQ(comp(q).value[2].nom, 22);
  EXPECT_EQ(comp(q).value[2].maxtol, 1e-20);
  EXPECT_EQ(comp(q).value[3].maxtol, 5e-12);
  EXPECT_FALSE(comp(q).value[5].TolEn);
  EXPECT_FALSE(edit<BipolarDialog>(q, [](BipolarDialog& d) {
    EXPECT_FALSE(d.ballParkPageActive());
    EXPECT_EQ(d.derivedLabel(0)->text(), "");
    EXPECT_TRUE(d.surfaceMountButton()->isChecked());
    return false;
  }));
}

TEST_F(ComponentDialogsTest, ControlledSources)
{
  const struct
  {
    ComponentType kind;
    const char* shown;
    Component Schematic::*tmpl;
  } kinds[] = {{ComponentType::VCVS, "1V/V", &Schematic::lastVCVS},
               {ComponentType::VCCS, "1A/V", &Schematic::lastVCCS},
               {ComponentType::CCVS, "1V/A", &Schematic::lastCCVS},
               {ComponentType::CCCS, "1A/A", &Schematic::lastCCCS}};
  int x = 100;
  for (const auto& k : kinds) {
    const int s = place(k.kind, {x += 100, 100});
    ASSERT_TRUE(edit<GeneratedComponentDialog>(s, [&](GeneratedComponentDialog& d) {
      EXPECT_EQ(d.numericField("gain")->text(), QString::fromLatin1(k.shown));
      retype(d.numericField("gain"), "0.5");
      return true;
    }));
    EXPECT_EQ(comp(s).value[1].nom, 0.5) << kindCode(k.kind);
    EXPECT_EQ(((*doc).*k.tmpl).value[1].nom, 0.5);
  }
}

TEST_F(ComponentDialogsTest, PortImpedanceDialog)
{
  script = [](QDialog& dialog) {
    auto* d = dynamic_cast<PortDialog*>(&dialog);
    EXPECT_EQ(d->zoEdit()->text(), "50R");
    EXPECT_EQ(d->zoEdit()->selectedText(), "50R");
    QTest::keyClicks(d->zoEdit(), "75");
    return true;
  };
  EXPECT_EQ(dialogs.editPortImpedance("Test Port 1 Zo", "50R"), "75");
  EXPECT_EQ(shownCaption, "Test Port 1 Zo");
  script = [](QDialog&) { return false; };
  EXPECT_FALSE(dialogs.editPortImpedance("Test Port 2 Zo", "50R").has_value());
  EXPECT_EQ(shownCaption, "Test Port 2 Zo");
}

TEST_F(ComponentDialogsTest, EditTextDialog)
{
  script = [](QDialog& dialog) {
    auto* d = dynamic_cast<TextDialog*>(&dialog);
    EXPECT_EQ(d->textEdit()->text(), "");
    EXPECT_EQ(d->sizeBox()->currentText(), "8");
    EXPECT_EQ(d->sizeBox()->count(), 13);
    EXPECT_EQ(d->sizeBox()->itemText(0), "6");
    EXPECT_EQ(d->sizeBox()->itemText(12), "30");
    QTest::keyClicks(d->textEdit(), QString(70, 'a')); // the field takes 64
    d->sizeBox()->setCurrentText("24");
    return true;
  };
  const std::optional<TextItemEntry> entry = dialogs.editText(TextItemEntry{"", "8"});
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(shownCaption, "Edit text");
  EXPECT_EQ(entry->text, std::string(64, 'a'));
  EXPECT_EQ(entry->size, "24");

  // Latin-1 text survives the round trip; a size the list does not offer stays as it is.
  script = [](QDialog& dialog) {
    auto* d = dynamic_cast<TextDialog*>(&dialog);
    EXPECT_EQ(d->sizeBox()->currentText(), "7");
    EXPECT_EQ(d->textEdit()->text(), QString::fromUtf8("Gain stage µ"));
    return true;
  };
  const TextItemEntry odd{"Gain stage \xB5", "7"};
  EXPECT_EQ(dialogs.editText(odd), odd);

  // The odd size is not left behind in the list.
  script = [](QDialog& dialog) {
    auto* d = dynamic_cast<TextDialog*>(&dialog);
    EXPECT_EQ(d->sizeBox()->count(), 13);
    retype(d->textEdit(), "Output");
    d->sizeBox()->setCurrentText("10");
    return true;
  };
  EXPECT_EQ(dialogs.editText(TextItemEntry{"In", "12"}), (TextItemEntry{"Output", "10"}));
  script = [](QDialog&) { return false; };
  EXPECT_FALSE(dialogs.editText(TextItemEntry{"In", "12"}).has_value());
}

TEST_F(ComponentDialogsTest, CalculatorButtonsReachTheHook)
{
  const int c = place(ComponentType::Capacitor);
  const int t = place(ComponentType::TxLine, {300, 300});
  const auto pressAll = [](QDialog& dialog) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
      if (b->text().contains("Calculator") && b->isVisible()) b->click();
    }
    return false;
  };
  script = [&](QDialog& dialog) {
    dynamic_cast<CapacitorDialog&>(dialog).physicalModelBox()->setChecked(true);
    return pressAll(dialog);
  };
  dialogs.EditComponent(c);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.lastText(), "This calculator is not available yet.");

  std::vector<CalculatorRequest> asked;
  dialogs.setCalculatorHook([&](CalculatorRequest which) { asked.push_back(which); });
  dialogs.EditComponent(c);
  script = pressAll;
  dialogs.EditComponent(t);
  EXPECT_EQ(asked, (std::vector<CalculatorRequest>{
                       CalculatorRequest::Capacitor, CalculatorRequest::RfResonance,
                       CalculatorRequest::TransmissionLine, CalculatorRequest::RfWavelength}));
}

TEST(DialogPlacement, KeptOnScreen)
{
  const QRect screen(0, 0, 1024, 768);
  const QSize size(300, 200);
  EXPECT_EQ(keepOnScreen({100, 100}, size, screen), QPoint(100, 100));
  EXPECT_EQ(keepOnScreen({900, 100}, size, screen), QPoint(724, 100));
  EXPECT_EQ(keepOnScreen({100, 700}, size, screen), QPoint(100, 568));
  EXPECT_EQ(keepOnScreen({100, -50}, size, screen), QPoint(100, 0));
  EXPECT_EQ(keepOnScreen({900, 700}, size, screen), QPoint(724, 568));
  // Taller than the screen: the top edge stays visible.
  EXPECT_EQ(keepOnScreen({10, 10}, QSize(300, 900), screen), QPoint(10, 0));
  const QRect second(1024, 0, 800, 600);
  EXPECT_EQ(keepOnScreen({1700, 50}, size, second), QPoint(1524, 50));
}

} // namespace
} // namespace norvane
