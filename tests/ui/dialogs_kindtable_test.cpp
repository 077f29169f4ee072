// The dialog table registers a property dialog for every component kind but ground.
#include "config/environment.h"
#include "dialogs/componentdialogs.h"
#include "document/clearschema.h"
#include "document/componentkinds.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

TEST(DialogTable, EveryKindButGroundHasItsDialog)
{
  auto doc = std::make_unique<Schematic>();
  ClearSchema(*doc, Environment{});
  ScriptedPrompts prompts;
  ComponentDialogs dialogs(*doc, prompts, nullptr);
  for (const ComponentKind& kind : componentKinds()) {
    SCOPED_TRACE(kind.codeName);
    const bool wanted = kind.type != ComponentType::Ground;
    EXPECT_EQ(kindHasDialog(kind.type), wanted);
    ComponentDialog* dialog = dialogs.dialogFor(kind.type);
    EXPECT_EQ(dialog != nullptr, wanted);
    if (dialog != nullptr) {
      EXPECT_FALSE(dialog->windowTitle().isEmpty());
    }
  }
}

} // namespace
} // namespace norvane
