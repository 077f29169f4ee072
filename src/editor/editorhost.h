#pragma once
// What the editor needs from the window that hosts it. The Qt main window implements it with
// real dialogs and widgets; the tests implement it with a script. Message boxes go through
// Prompts (platform/prompts.h), not through the host.

#include "editor/editormodes.h"
#include "platform/canvas.h"

#include <optional>
#include <string>

namespace norvane {

// Content of the "Edit text" dialog: the text (up to 64 characters are kept) and the font
// size chosen from "6", "8", ... "30".
struct TextItemEntry
{
  std::string text;
  std::string size = "8";
  friend bool operator==(const TextItemEntry&, const TextItemEntry&) = default;
};

class EditorHost
{
public:
  virtual ~EditorHost() = default;

  // Paint the drawing again (schematic, then the editor overlay).
  virtual void repaint() = 0;
  virtual void setCursor(EditorCursor cursor) = 0;

  // The modal property dialog of component `index` (1-based); true when closed with OK. The
  // dialog copies confirmed values into the kind's template itself.
  virtual bool editComponent(int index) = 0;
  // The port impedance dialog with this caption ("Test Port 1 Zo") showing `text` ("50R");
  // the text typed on OK, nothing on Cancel.
  virtual std::optional<std::string> editPortImpedance(const std::string& caption,
                                                       const std::string& text) = 0;
  // The "Edit text" dialog; the entry on OK, nothing on Cancel.
  virtual std::optional<TextItemEntry> editText(const TextItemEntry& initial) = 0;
  // Shows the popup menu at the drawing point and returns the chosen item's command, or
  // nothing when it was dismissed. Disabled items cannot be chosen.
  virtual std::optional<EditorCommand> showPopup(const PopupMenu& menu, Point at) = 0;
  // Runs the simulation (tune mode re-simulates after every accepted change).
  virtual void simulate() = 0;
  // Size in drawing units of a free text with this font size ("8"), as painted at 1/1.
  virtual TextExtent textExtent(const std::string& text, const std::string& size) = 0;

  // The "Tune" toolbar toggle is set to this state (leaving tune mode releases it).
  virtual void setTuneButton(bool /*down*/) {}
  // The modified flag or the undo/redo availability changed (caption, menu enabling).
  virtual void stateChanged() {}
  // The drawing changed (an edit, an undo or a redo): results simulated before no longer
  // match it. Tune mode simulates again right after.
  virtual void documentChanged() {}
};

} // namespace norvane
