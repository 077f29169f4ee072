// The dialogs behind the editor's host: a double click on overlapping components opens each
// dialog in turn, a port's position opens its impedance dialog, a text its "Edit text"
// dialog, and tune mode reopens a dialog after every OK until Cancel.
#include "config/environment.h"
#include "dialogs/componentdialogs.h"
#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/passivedialogs.h"
#include "dialogs/realedit.h"
#include "dialogs/smalldialogs.h"
#include "dialogs_support.h"
#include "document/clearschematic.h"
#include "document/placement.h"
#include "editor/schematiceditor.h"
#include "support/scriptedprompts.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace norvane {
namespace {

// The main window's part of the host, reduced to what reaches the dialogs.
class DialogsHost : public EditorHost
{
public:
  explicit DialogsHost(ComponentDialogs& dialogs) : m_dialogs(dialogs) {}

  void repaint() override {}
  void setCursor(EditorCursor) override {}
  bool editComponent(int index) override { return m_dialogs.EditComponent(index); }
  std::optional<std::string> editPortImpedance(const std::string& caption,
                                               const std::string& text) override
  {
    return m_dialogs.editPortImpedance(caption, text);
  }
  std::optional<TextItemEntry> editText(const TextItemEntry& initial) override
  {
    return m_dialogs.editText(initial);
  }
  std::optional<EditorCommand> showPopup(const PopupMenu&, Point) override { return std::nullopt; }
  void simulate() override { ++simulations; }
  TextExtent textExtent(const std::string& text, const std::string&) override
  {
    return {static_cast<int>(text.size()) * 6, 12};
  }

  int simulations = 0;

private:
  ComponentDialogs& m_dialogs;
};

class EditorWiringTest : public ::testing::Test
{
protected:
  EditorWiringTest()
  {
    clearSchematic(*doc, env);
    dialogs.setModalRunner([this](QDialog& dialog) {
      dialog.show();
      captions.push_back(dialog.windowTitle());
      const bool ok = !answers.empty() && answers.front()(dialog);
      if (!answers.empty()) answers.erase(answers.begin());
      dialog.hide();
      return ok ? QDialog::Accepted : QDialog::Rejected;
    });
  }

  void doubleClick(int x, int y)
  {
    editor.mousePress(MouseButton::Left, x, y);
    editor.mouseRelease(MouseButton::Left, x, y);
    editor.doubleClick(x, y);
    editor.mousePress(MouseButton::Left, x, y);
    editor.mouseRelease(MouseButton::Left, x, y);
  }

  Environment env;
  std::unique_ptr<Schematic> doc = std::make_unique<Schematic>();
  ScriptedPrompts prompts;
  ComponentDialogs dialogs{*doc, prompts, nullptr};
  DialogsHost host{dialogs};
  SchematicEditor editor{*doc, env, host, prompts};
  // One answer per dialog opened: fill it and say OK (true) or Cancel (false).
  std::vector<std::function<bool(QDialog&)>> answers;
  QStringList captions;
};

std::function<bool(QDialog&)> typeResistance(const QString& text)
{
  return [text](QDialog& dialog) {
    auto& d = dynamic_cast<GeneratedComponentDialog&>(dialog);
    d.numericField("resistance")->selectAll();
    QTest::keyClicks(d.numericField("resistance"), text);
    return true;
  };
}

TEST_F(EditorWiringTest, DoubleClickOnOverlappingComponentsOpensEach)
{
  placeComponent(*doc, ComponentType::Resistor, 1, {100, 100});
  placeComponent(*doc, ComponentType::Capacitor, 1, {110, 100});
  answers = {typeResistance("220"), [](QDialog& dialog) {
               auto& d = dynamic_cast<CapacitorDialog&>(dialog);
               d.valueEdit()->selectAll();
               QTest::keyClicks(d.valueEdit(), "0");
               return true;
             }};
  doubleClick(104, 100);
  EXPECT_EQ(captions, (QStringList{"Edit Resistor", "Edit Capacitor"}));
  EXPECT_EQ(doc->drawdat.components[1].value[1].nom, 220);
  EXPECT_EQ(doc->drawdat.components[2].value[1].nom, 1e-20);
  EXPECT_EQ(doc->lastR.value[1].nom, 220);
  EXPECT_TRUE(editor.modified());
}

TEST_F(EditorWiringTest, DoubleClickOnAPortAndOnAText)
{
  doc->drawdat.P1.pos = {300, 200};
  doc->drawdat.P1.crot = 1;
  TextItem text;
  text.pos = {500, 500};
  text.size = "8";
  text.text = "LNA";
  doc->drawdat.texts.append(text);

  answers = {[](QDialog& dialog) {
    auto& d = dynamic_cast<PortDialog&>(dialog);
    EXPECT_EQ(d.zoEdit()->text(), "50R");
    d.zoEdit()->selectAll();
    QTest::keyClicks(d.zoEdit(), "0");
    return true;
  }};
  doubleClick(300, 200);
  EXPECT_EQ(captions, QStringList{"Test Port 1 Zo"});
  EXPECT_EQ(doc->drawdat.P1.Zo, 1e-6);

  answers = {[](QDialog& dialog) {
    auto& d = dynamic_cast<TextDialog&>(dialog);
    EXPECT_EQ(d.textEdit()->text(), "LNA");
    d.textEdit()->selectAll();
    QTest::keyClicks(d.textEdit(), "Mixer");
    return true;
  }};
  doubleClick(505, 505);
  EXPECT_EQ(captions.back(), "Edit text");
  EXPECT_EQ(doc->drawdat.texts[1].text, "Mixer");
}

TEST_F(EditorWiringTest, TuneModeRepeatsUntilCancel)
{
  placeComponent(*doc, ComponentType::Resistor, 1, {100, 100});
  editor.setTuneMode(true);
  ASSERT_EQ(host.simulations, 1);
  answers = {typeResistance("60"), typeResistance("70"), [](QDialog&) { return false; }};
  editor.mousePress(MouseButton::Left, 102, 98);
  editor.mouseRelease(MouseButton::Left, 102, 98);
  EXPECT_EQ(captions.size(), 3);
  EXPECT_EQ(host.simulations, 3);
  EXPECT_EQ(doc->drawdat.components[1].value[1].nom, 70);
  EXPECT_EQ(editor.mode(), emTune);

  // A click on empty paper leaves tune mode without a dialog.
  editor.mousePress(MouseButton::Left, 700, 700);
  editor.mouseRelease(MouseButton::Left, 700, 700);
  EXPECT_EQ(captions.size(), 3);
  EXPECT_EQ(editor.mode(), emSelect);
}

TEST_F(EditorWiringTest, PlacingAComponentAndCancellingRemovesIt)
{
  editor.startPlacing(ComponentType::Inductor);
  answers = {[](QDialog&) { return false; }};
  editor.mousePress(MouseButton::Left, 200, 200);
  editor.mouseRelease(MouseButton::Left, 200, 200);
  EXPECT_EQ(captions, QStringList{"Edit Inductor "});
  EXPECT_EQ(doc->drawdat.components.count(), 0);
}

} // namespace
} // namespace norvane
