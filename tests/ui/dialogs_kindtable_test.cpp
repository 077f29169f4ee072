// The dialog table gives every component kind with parameters a property dialog: its own
// layout where it has one, else the one generated from the kind's parameter descriptions.
// Ground has no parameters and no dialog.
#include "config/environment.h"
#include "dialogs/componentdialogs.h"
#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"
#include "document/clearschematic.h"
#include "document/componentkinds.h"
#include "support/scriptedprompts.h"

#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace norvane {
namespace {

TEST(DialogTable, EveryKindWithParametersHasADialog)
{
  auto doc = std::make_unique<Schematic>();
  clearSchematic(*doc, Environment{});
  ScriptedPrompts prompts;
  ComponentDialogs dialogs(*doc, prompts, nullptr);
  int generated = 0;
  for (const ComponentKind& kind : componentKinds()) {
    SCOPED_TRACE(std::string(kind.codeName));
    const bool wanted = kind.hasProperties();
    EXPECT_EQ(kindHasDialog(kind.type), wanted);
    ComponentDialog* dialog = dialogs.dialogFor(kind.type);
    EXPECT_EQ(dialog != nullptr, wanted);
    if (dialog == nullptr) continue;
    EXPECT_FALSE(dialog->windowTitle().isEmpty());
    if (!kindHasGeneratedDialog(kind.type)) continue;

    // A generated dialog has a field for every parameter, set up as the description says.
    ++generated;
    auto* g = dynamic_cast<GeneratedComponentDialog*>(dialog);
    ASSERT_NE(g, nullptr);
    for (const ParameterDescription& p : kind.parameters) {
      SCOPED_TRACE(std::string(p.name));
      if (p.field == SlotField::TolEn || p.field == SlotField::TolPercent) {
        ASSERT_NE(g->checkBox(p.name), nullptr);
        EXPECT_EQ(g->checkBox(p.name)->text(), parameterCaption(p));
        continue;
      }
      RealEdit* field = g->numericField(p.name);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(field->units(), std::string(p.unit));
      EXPECT_EQ(field->decimalPlaces(), p.decimals);
      EXPECT_EQ(field->minValue(), p.low);
      EXPECT_EQ(field->maxValue(), p.high);
      EXPECT_EQ(g->toleranceField(p.name) != nullptr, p.field == SlotField::Whole);
      EXPECT_EQ(g->toleranceGroup(p.name) != nullptr, p.field == SlotField::Whole && p.varied);
      bool captioned = false;
      for (const QLabel* l : g->findChildren<QLabel*>())
        captioned = captioned || (l->buddy() == field && l->text() == parameterCaption(p));
      EXPECT_TRUE(captioned);
    }
  }
  EXPECT_GT(generated, 0);
}

} // namespace
} // namespace norvane
