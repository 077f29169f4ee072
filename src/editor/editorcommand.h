#pragma once
// The editor's commands, as one table: for each, the key that runs it on the sheet, the mode
// it enters and what it does. The keys, the popup menus and the main window's menu items and
// toolbar buttons all run a command through this table, so a command and its key are written
// once, in its row (editorcommandtable.cpp).

#include <optional>
#include <span>

namespace norvane {

class SchematicEditor;

enum class EditorCommand {
  Cancel, // back to select mode, dropping what was under way ("Select Cursor", Esc)
  Edit,   // the property dialogs at the last mouse point
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  Duplicate,
  Delete,
  BlockSelect,
  SelectAll,
  Orientation,
  Wire,
  Port1,
  Port2,
  MeasurementPort, // port 1 while it is not placed, else port 2
  DrawLine,
  DrawText,
  // Placing a component of a kind.
  Resistor,
  Capacitor,
  Inductor,
  TxLine,
  Transformer,
  Mutual,
  OpAmp,
  Bipolar,
  VCVS,
  VCCS,
  CCVS,
  CCCS,
  SParam1,
  SParam2,
  Ground,
  Count
};

struct EditorCommandInfo
{
  EditorCommand command;
  // The key as menus write it and QKeySequence reads it: "R", "1", "Space", "Esc", "Del",
  // "Ctrl+X"; "" for none.
  const char* key;
  // The mode the command enters: the placing mode of the kind it places, a port, wire, line
  // or text mode; kNoMode for the others (editormodes.h).
  int mode;
  // Does it; false when there was nothing to do (an undo with no step to undo).
  bool (*run)(SchematicEditor& editor);
};

std::span<const EditorCommandInfo> editorCommandTable();
const EditorCommandInfo& editorCommandInfo(EditorCommand command);

// The command of a key on the sheet: an upper- or lower-case letter or a digit as its
// character, or kKeyEscape, kKeySpace, kKeyDelete; `ctrl` when Ctrl is held.
std::optional<EditorCommand> editorCommandForKey(int key, bool ctrl);

} // namespace norvane
