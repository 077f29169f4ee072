#pragma once
// The editor's tools ("modes"), cursors, mouse buttons and the popup menus it shows. Every
// component kind is a mode too: its code (kindCode) is the mode that places that kind.

#include "document/componentkinds.h"
#include "document/schematic.h"
#include "editor/editorcommand.h"

#include <string>
#include <vector>

namespace norvane {

constexpr int emWire = 0;         // draw connecting wires
constexpr int emBlockSelect = -1; // rubber-band selection
constexpr int emSelect = -3;      // select, move, edit
constexpr int emPort1 = -4;       // place measurement port 1
constexpr int emPort2 = -5;       // place measurement port 2
constexpr int emTune = -10;       // click a component or port to tune it
constexpr int emText = -11;       // place a free text
constexpr int emLine = -12;       // draw a drawing line
// Not a mode: what a command that enters no mode gives as its mode.
constexpr int kNoMode = -100;

inline bool isPlacingMode(int mode)
{
  return isKindCode(mode);
}
// The mode that places a kind, and the kind a placing mode places.
constexpr int placingMode(ComponentType kind)
{
  return kindCode(kind);
}
constexpr ComponentType placedKind(int placingMode)
{
  return kindOfCode(placingMode);
}
constexpr bool isPortMode(int mode)
{
  return mode == emPort1 || mode == emPort2;
}

// "No point": the chain point when no wire chain is under way, and where placement outlines
// start when the mouse is not over the sheet.
constexpr Point kNoPoint{-1000, -1000};

enum class MouseButton { Left, Right };

// Cursor shapes; Tune and Text are the program's own cursors "CURSOR_TUNE" and "CURSOR_TEXT".
enum class EditorCursor { Arrow, CrossHair, Drag, Tune, Text };

struct PopupItem
{
  std::string caption; // with "&" before the access letter
  EditorCommand command;
  bool enabled = true;
  friend bool operator==(const PopupItem&, const PopupItem&) = default;
};

// Item menu: something is selected. Drag menu: a placement or drag is under way. Sheet menu:
// a right click on empty sheet.
enum class PopupKind { Item, Drag, Sheet };

struct PopupMenu
{
  PopupKind kind = PopupKind::Sheet;
  std::vector<PopupItem> items;
};

PopupMenu makePopupMenu(PopupKind kind, bool canPaste);

// Shortcut keys delivered to SchematicEditor::keyPress: letters and digits as their
// character, plus these.
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyDelete = 127;

} // namespace norvane
