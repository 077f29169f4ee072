#pragma once
// The bridge between the main window and the core editor: owns the SchematicEditor and
// implements its host interface with the window's widgets (repaint, cursors, popup menus,
// the text and port dialogs, simulation).

#include "dialogs/componentdialogs.h"
#include "editor/editorhost.h"
#include "editor/schematiceditor.h"

#include <functional>
#include <optional>

namespace norvane {

class MainWindow;

class EditorConnection : public EditorHost
{
public:
  EditorConnection(MainWindow& window, Schematic& doc, const Environment& env, Prompts& prompts);

  SchematicEditor& editor() { return m_editor; }
  // The property, port and text dialogs the editor asks for (tests give it a modal runner).
  ComponentDialogs& componentDialogs() { return m_dialogs; }
  const SchematicEditor& editor() const { return m_editor; }

  // For tests: answers the "Edit text" dialog instead of showing it.
  using TextEntryHook = std::function<std::optional<TextItemEntry>(const TextItemEntry&)>;
  void setTextEntryHook(TextEntryHook hook) { m_textHook = std::move(hook); }

  // EditorHost
  void repaint() override;
  void setCursor(EditorCursor cursor) override;
  bool editComponent(int index) override;
  std::optional<std::string> editPortImpedance(const std::string& caption,
                                               const std::string& text) override;
  std::optional<TextItemEntry> editText(const TextItemEntry& initial) override;
  std::optional<EditorCommand> showPopup(const PopupMenu& menu, Point at) override;
  void simulate() override;
  TextExtent textExtent(const std::string& text, const std::string& size) override;
  void setTuneButton(bool down) override;
  void stateChanged() override;
  void documentChanged() override;

private:
  MainWindow& m_window;
  Schematic& m_doc;
  SchematicEditor m_editor;
  ComponentDialogs m_dialogs;
  TextEntryHook m_textHook;
};

} // namespace norvane
