#include "commands.h"

#include "document/componentkinds.h"
#include "editor/editormodes.h"

#include <array>

namespace norvane {

namespace {

using C = Command;
using K = ComponentType;

// The placement commands of the kinds, with their shortcut keys and toolbar buttons. A kind
// without one here is still placeable: the Component menu gives it an entry named from its
// description (mainwindowmenus.cpp).
// The file commands and Simulate carry the shortcuts every desktop program uses (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+P, Ctrl+Q, F5); none of them clashes with the single
// letters and Ctrl combinations of the drawing.
constexpr std::array<CommandInfo, static_cast<size_t>(Command::Count)> kTable{{
    {C::New, "&New", "Ctrl+N", "New File", kNoKind},
    {C::Open, "&Open...", "Ctrl+O", "Open file", kNoKind},
    {C::Save, "&Save", "Ctrl+S", "Save File", kNoKind},
    {C::SaveAs, "Save &As...", "Ctrl+Shift+S", "", kNoKind},
    // The recent files' captions are their paths, set when the list changes.
    {C::RecentFile1, "", "", "", kNoKind},
    {C::RecentFile2, "", "", "", kNoKind},
    {C::RecentFile3, "", "", "", kNoKind},
    {C::RecentFile4, "", "", "", kNoKind},
    {C::RecentFile5, "", "", "", kNoKind},
    {C::RecentFile6, "", "", "", kNoKind},
    {C::RecentFile7, "", "", "", kNoKind},
    {C::RecentFile8, "", "", "", kNoKind},
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
    {C::SelectAll, "Select A&ll", "Ctrl+A", "", kNoKind},
    {C::Orientation, "&Orientation", "Space", "Rotate component (Space Bar)", kNoKind},
    {C::ZoomIn, "Zoom &In", "Ctrl++", "", kNoKind},
    {C::ZoomOut, "&Zoom Out", "Ctrl+-", "", kNoKind},
    {C::ActualSize, "&Actual Size", "Ctrl+0", "", kNoKind},
    {C::FitToWindow, "&Fit to Window", "", "", kNoKind},
    {C::Resistor, "&Resistor", "R", "Resistor (R)", placingMode(K::Resistor)},
    {C::Capacitor, "&Capacitor", "C", "Capacitor (C)", placingMode(K::Capacitor)},
    {C::Inductor, "&Inductor", "L", "Inductor (L)", placingMode(K::Inductor)},
    {C::TxLine, "Transmission &Line", "X", "Transmission Line (X)", placingMode(K::TxLine)},
    {C::Transformer, "&Transformer", "T", "Transformer (T)", placingMode(K::Transformer)},
    {C::Mutual, "&Mutual Inductance", "", "Mutual Inductance", placingMode(K::Mutual)},
    {C::OpAmp, "&Op-Amp", "O", "Op-Amp (O)", placingMode(K::OpAmp)},
    {C::Bipolar, "&Bipolar Transistor", "", "Bipolar Transistor", placingMode(K::Bipolar)},
    // The access letters of the controlled sources are their SPICE element letters.
    {C::VCVS, "Voltage Controlled Voltage Source (&E)", "",
     "VCVS: voltage controlled voltage source", placingMode(K::VCVS)},
    {C::VCCS, "Voltage Controlled Current Source (&G)", "",
     "VCCS: voltage controlled current source", placingMode(K::VCCS)},
    {C::CCVS, "Current Controlled Voltage Source (&H)", "",
     "CCVS: current controlled voltage source", placingMode(K::CCVS)},
    {C::CCCS, "Current Controlled Current Source (&F)", "",
     "CCCS: current controlled current source", placingMode(K::CCCS)},
    {C::SParam1, "S Parameter One Port", "", "S parameter 1 port", placingMode(K::SParam1)},
    {C::SParam2, "&S Parameter Two Port", "S", "S Parameter 2 port (S)", placingMode(K::SParam2)},
    {C::Port1, "Measurement Port &1", "1", "", emPort1},
    {C::Port2, "Measurement Port &2", "2", "", emPort2},
    {C::Wire, "Connecting &Wire", "W", "Connecting Wire (W)", emWire},
    {C::Ground, "&Ground connection", "G", "Ground Connection (G)", placingMode(K::Ground)},
    {C::PortButton, "", "", "Measurement Port (1 or 2)", kNoKind},
    {C::DrawLine, "&Line", "", "Draw Line", emLine},
    {C::DrawText, "&Text", "", "Draw Text", emText},
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
