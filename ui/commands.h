#pragma once
// Every command of the main window, as one table: the menu caption with its access letter,
// the shortcut key and the toolbar hint. The menus, the toolbars and the tests are built from
// this table, so a caption is written once.

#include <QString>

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
  // Options
  SchematicPreferences,
  GraphPreferences,
  // Help
  HelpContents,
  GettingStarted,
  About,
  Count
};

struct CommandInfo
{
  Command command;
  const char* caption;  // menu text with "&" before the access letter; "" if not in a menu
  const char* shortcut; // QKeySequence text, "" for none
  const char* hint;     // toolbar tooltip, "" when the command has no toolbar button
  int kind;             // placement mode (component kind, -4/-5 ports, 0 wire), else -100
};

std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(Command command);

// The placement commands in menu order with their component kind codes.
inline constexpr int kNoKind = -100;

} // namespace norvane
