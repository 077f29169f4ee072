#pragma once
// Every command of the main window, as one table: the menu caption with its access letter,
// the toolbar hint and what the command does. The menus, the toolbars, the window's shortcuts
// and the tests are built from this table, so a command is added in one row.
//
// A command of the drawing names the editor's command (editor/editorcommand.h), whose row
// holds its key and the mode it enters; the window's own commands (files, zoom, windows,
// help) hold their key and their action here.

#include "editor/editorcommand.h"

#include <optional>
#include <span>

namespace norvane {

enum class Command {
  // File
  New,
  Open,
  Save,
  SaveAs,
  // The File menu's recent files, newest first; an unused one is hidden.
  RecentFile1,
  RecentFile2,
  RecentFile3,
  RecentFile4,
  RecentFile5,
  RecentFile6,
  RecentFile7,
  RecentFile8,
  Print,
  ExportPdf,
  PrintSetup,
  SaveBitmap,
  ExportSpice,
  Exit,
  // Edit
  Undo,
  Redo,
  SelectCursor,
  EditComponent,
  Cut,
  Copy,
  Paste,
  Duplicate,
  Delete,
  BlockSelect,
  SelectAll,
  Orientation,
  // View (in the Edit menu): the zoom of the sheet on screen
  ZoomIn,
  ZoomOut,
  ActualSize,
  FitToWindow,
  // Component placement
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
  Port1,
  Port2,
  Wire,
  Ground,
  // The port toolbar button: port 1 while it is not placed, else port 2.
  PortButton,
  // Draw
  DrawLine,
  DrawText,
  // Analyse
  Simulate,
  Tune,       // the menu item: runs the simulation
  TuneToggle, // the toolbar toggle: tune mode
  Netlist,
  // Tools
  MatchAssistant,
  AttenuatorAssistant,
  FilterAssistant,
  InductorCalculator,
  CapacitorCalculator,
  TxLineCalculator,
  CouplerCalculator,
  SplitterCalculator,
  RfCalculator,
  Optimize,
  Yield,
  // Options
  SchematicPreferences,
  GraphPreferences,
  // Help
  HelpContents,
  GettingStarted,
  About,
  Count
};

class MainWindow;

struct CommandInfo
{
  Command command;
  const char* caption; // menu text with "&" before the access letter; "" if not in a menu
  const char* hint;    // toolbar tooltip, "" when the command has no toolbar button
  // What it does: a command of the drawing runs in the editor ...
  std::optional<EditorCommand> editing;
  // ... and any other runs on the window, with its own key (QKeySequence text, "" for none).
  const char* windowShortcut;
  void (*runOnWindow)(MainWindow& window);

  // The key as QKeySequence text, "" for none.
  const char* shortcut() const;
  // The editor mode the command enters (a placing mode, port, wire, line or text), else
  // kNoMode.
  int mode() const;
};

// The table lists the commands in enum order. It is MainWindow's friend: the window's commands
// call its private members.
std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(Command command);

} // namespace norvane
