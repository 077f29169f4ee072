#include "commands.h"

#include <array>

namespace norvane {

namespace {

using C = Command;

// Kinds 10 to 15 (mutual inductance, bipolar transistor, the four controlled sources) are
// simulated like every other kind; they get placement commands of their own here.
// The file commands and Simulate carry the shortcuts every desktop program uses (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+P, Ctrl+Q, F5); none of them clashes with the single
// letters and Ctrl combinations of the drawing.
constexpr std::array<CommandInfo, static_cast<size_t>(Command::Count)> kTable{{
    {C::New, "&New", "Ctrl+N", "New File", kNoKind},
    {C::Open, "&Open...", "Ctrl+O", "Open file", kNoKind},
    {C::Save, "&Save", "Ctrl+S", "Save File", kNoKind},
    {C::SaveAs, "Save &As...", "Ctrl+Shift+S", "", kNoKind},
    {C::Print, "&Print...", "Ctrl+P", "Print", kNoKind},
    {C::ExportPdf, "Export P&DF...", "", "", kNoKind},
    {C::PrintSetup, "P&rint Setup...", "", "", kNoKind},
    {C::SaveBitmap, "Save window as &Bitmap", "", "", kNoKind},
    {C::ExportSpice, "Export SPICE &netlist...", "", "", kNoKind},
    {C::Exit, "E&xit", "Ctrl+Q", "", kNoKind},
    {C::Undo, "&Undo", "Ctrl+Z", "", kNoKind},
    {C::Redo, "&Redo", "Ctrl+Y", "", kNoKind},
    {C::SelectCursor, "Select Cursor", "Esc", "Select", kNoKind},
    {C::EditComponent, "&Edit component (mouse dblclk)", "", "", kNoKind},
    {C::Cut, "Cu&t", "Ctrl+X", "Cut", kNoKind},
    {C::Copy, "&Copy", "Ctrl+C", "Copy", kNoKind},
    {C::Paste, "&Paste", "Ctrl+V", "Paste", kNoKind},
    {C::Duplicate, "D&uplicate", "Ctrl+D", "", kNoKind},
    {C::Delete, "&Delete", "Del", "Delete", kNoKind},
    {C::BlockSelect, "&Block Select", "", "", kNoKind},
    {C::Orientation, "&Orientation", "Space", "Rotate component (Space Bar)", kNoKind},
    {C::ZoomIn, "Zoom &In", "Ctrl++", "", kNoKind},
    {C::ZoomOut, "&Zoom Out", "Ctrl+-", "", kNoKind},
    {C::ActualSize, "&Actual Size", "Ctrl+0", "", kNoKind},
    {C::FitToWindow, "&Fit to Window", "", "", kNoKind},
    {C::Resistor, "&Resistor", "R", "Resistor (R)", 1},
    {C::Capacitor, "&Capacitor", "C", "Capacitor (C)", 2},
    {C::Inductor, "&Inductor", "L", "Inductor (L)", 3},
    {C::TxLine, "Transmission &Line", "X", "Transmission Line (X)", 6},
    {C::Transformer, "&Transformer", "T", "Transformer (T)", 9},
    {C::Mutual, "&Mutual Inductance", "", "Mutual Inductance", 10},
    {C::OpAmp, "&Op-Amp", "O", "Op-Amp (O)", 5},
    {C::Bipolar, "&Bipolar Transistor", "", "Bipolar Transistor", 11},
    // The access letters of the controlled sources are their SPICE element letters.
    {C::VCVS, "Voltage Controlled Voltage Source (&E)", "",
     "VCVS: voltage controlled voltage source", 12},
    {C::VCCS, "Voltage Controlled Current Source (&G)", "",
     "VCCS: voltage controlled current source", 13},
    {C::CCVS, "Current Controlled Voltage Source (&H)", "",
     "CCVS: current controlled voltage source", 14},
    {C::CCCS, "Current Controlled Current Source (&F)", "",
     "CCCS: current controlled current source", 15},
    {C::SParam1, "S Parameter One Port", "", "S parameter 1 port", 8},
    {C::SParam2, "&S Parameter Two Port", "S", "S Parameter 2 port (S)", 7},
    {C::Port1, "Measurement Port &1", "1", "", -4},
    {C::Port2, "Measurement Port &2", "2", "", -5},
    {C::Wire, "Connecting &Wire", "W", "Connecting Wire (W)", 0},
    {C::Ground, "&Ground connection", "G", "Ground Connection (G)", 4},
    {C::PortButton, "", "", "Measurement Port (1 or 2)", kNoKind},
    {C::DrawLine, "&Line", "", "Draw Line", -12},
    {C::DrawText, "&Text", "", "Draw Text", -11},
    {C::Simulate, "&Simulate", "F5", "Simulate circuit", kNoKind},
    {C::Tune, "&Tune", "", "", kNoKind},
    {C::TuneToggle, "", "", "Tune circuit elements", kNoKind},
    {C::Netlist, "&Netlist", "", "", kNoKind},
    {C::MatchAssistant, "&Match", "", "Match Assistant", kNoKind},
    {C::AttenuatorAssistant, "&Attenuator", "", "Attenualtor Assistant", kNoKind},
    {C::FilterAssistant, "&Filter", "", "Filter Assistant", kNoKind},
    {C::InductorCalculator, "&Inductor", "", "", kNoKind},
    {C::CapacitorCalculator, "&Capacitor", "", "", kNoKind},
    {C::TxLineCalculator, "&Transmission Line", "", "", kNoKind},
    {C::CouplerCalculator, "Cou&pler", "", "", kNoKind},
    {C::SplitterCalculator, "&Splitter", "", "", kNoKind},
    {C::RfCalculator, "&Calculator", "", "RF Calculator", kNoKind},
    {C::SchematicPreferences, "Schematic Editor Preferences", "", "", kNoKind},
    {C::GraphPreferences, "Graph Output Preferences", "", "", kNoKind},
    {C::HelpContents, "&Contents", "", "", kNoKind},
    {C::GettingStarted, "&Getting Started", "", "", kNoKind},
    {C::About, "&About Norvane", "", "", kNoKind},
}};

constexpr bool tableInOrder()
{
  for (size_t i = 0; i < kTable.size(); ++i) {
    if (static_cast<size_t>(kTable[i].command) != i) {
      return false;
    }
  }
  return true;
}
static_assert(tableInOrder(), "the command table must list every command in enum order");

} // namespace

std::span<const CommandInfo> commandTable()
{
  return kTable;
}

const CommandInfo& commandInfo(Command command)
{
  return kTable[static_cast<size_t>(command)];
}

} // namespace norvane
