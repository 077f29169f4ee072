#pragma once
// A scripted host window and a fixture that drives the schematic editor with mouse events.

#include "document/clearschematic.h"
#include "document/pins.h"
#include "editor/schematiceditor.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace norvane {

struct ScriptedHost : EditorHost
{
  int repaints = 0;
  EditorCursor cursor = EditorCursor::Arrow;
  int simulations = 0;
  std::optional<bool> tuneButton;
  int stateChanges = 0;
  int documentChanges = 0;

  // Component dialogs: queued answers, then the default. The hook runs before answering
  // (a test can change values as the user would).
  std::deque<bool> componentAnswers;
  bool defaultComponentAnswer = true;
  std::function<void(int)> onEditComponent;
  std::vector<int> editedComponents;

  std::deque<std::optional<std::string>> portAnswers;
  std::vector<std::pair<std::string, std::string>> portDialogs; // caption, text shown

  std::deque<std::optional<TextItemEntry>> textAnswers;
  std::vector<TextItemEntry> textDialogs;

  std::deque<std::optional<EditorCommand>> popupAnswers;
  std::vector<PopupMenu> popups;

  void repaint() override { ++repaints; }
  void setCursor(EditorCursor c) override { cursor = c; }
  bool editComponent(int index) override
  {
    editedComponents.push_back(index);
    if (onEditComponent) onEditComponent(index);
    if (componentAnswers.empty()) return defaultComponentAnswer;
    const bool ok = componentAnswers.front();
    componentAnswers.pop_front();
    return ok;
  }
  std::optional<std::string> editPortImpedance(const std::string& caption,
                                               const std::string& text) override
  {
    portDialogs.emplace_back(caption, text);
    if (portAnswers.empty()) return std::nullopt;
    auto a = portAnswers.front();
    portAnswers.pop_front();
    return a;
  }
  std::optional<TextItemEntry> editText(const TextItemEntry& initial) override
  {
    textDialogs.push_back(initial);
    if (textAnswers.empty()) return std::nullopt;
    auto a = textAnswers.front();
    textAnswers.pop_front();
    return a;
  }
  std::optional<EditorCommand> showPopup(const PopupMenu& menu, Point) override
  {
    popups.push_back(menu);
    if (popupAnswers.empty()) return std::nullopt;
    auto a = popupAnswers.front();
    popupAnswers.pop_front();
    return a;
  }
  void simulate() override { ++simulations; }
  // Fixed pitch: 6 units per character, 11 high (8 points on a 96 dpi screen).
  TextExtent textExtent(const std::string& text, const std::string&) override
  {
    return {6 * static_cast<int>(text.size()), 11};
  }
  void setTuneButton(bool down) override { tuneButton = down; }
  void stateChanged() override { ++stateChanges; }
  void documentChanged() override { ++documentChanges; }
};

class EditorTest : public ::testing::Test
{
protected:
  Schematic doc;
  Environment env;
  ScriptedHost host;
  ScriptedPrompts prompts;
  SchematicEditor ed{doc, env, host, prompts};
  Drawing& d = doc.drawdat;

  EditorTest() { clearSchematic(doc, env); }

  void click(int x, int y)
  {
    ed.mouseMove(x, y);
    ed.mousePress(MouseButton::Left, x, y);
    ed.mouseRelease(MouseButton::Left, x, y);
  }
  void drag(int x0, int y0, int x1, int y1)
  {
    ed.mouseMove(x0, y0);
    ed.mousePress(MouseButton::Left, x0, y0);
    ed.mouseMove((x0 + x1) / 2, (y0 + y1) / 2);
    ed.mouseMove(x1, y1);
    ed.mouseRelease(MouseButton::Left, x1, y1);
  }
  void rightClick(int x, int y)
  {
    ed.mouseMove(x, y);
    ed.mousePress(MouseButton::Right, x, y);
    ed.mouseRelease(MouseButton::Right, x, y);
  }
  // Places a component of `kind` at (x, y) with the dialog answering OK.
  int place(ComponentType kind, int x, int y)
  {
    ed.mouseMove(x, y);
    ed.startPlacing(kind);
    click(x, y);
    return d.components.count();
  }
  void placePort(int number, int x, int y)
  {
    ed.enterPortMode(number);
    click(x, y);
  }
  void wire(int x0, int y0, int x1, int y1)
  {
    ed.enterWireMode();
    drag(x0, y0, x1, y1);
    ed.enterSelectMode();
  }
  bool hasWire(Point a, Point b) const
  {
    for (const Wire& w : d.wires)
      if ((w.start == a && w.finish == b) || (w.start == b && w.finish == a)) return true;
    return false;
  }
  static TwoPortPoint point2(double f)
  {
    return TwoPortPoint{f, {0.5, 0.1}, {2, 1}, {0.1, 0}, {0.4, -1}};
  }
};

} // namespace norvane
