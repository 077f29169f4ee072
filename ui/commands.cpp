#include "commands.h"

#include "assistants/assistantwindows.h"
#include "calculators/calculatorwindows.h"
#include "dialogs/preferencewindows.h"
#include "editor/editormodes.h"
#include "editorconnection.h"
#include "graph/graphwindow.h"
#include "mainwindow.h"
#include "schematicview.h"

#include <QAction>

#include <array>

namespace norvane {

namespace {

using C = Command;
using E = EditorCommand;
using W = MainWindow&;

constexpr CommandInfo drawing(C command, const char* caption, const char* hint, E editing)
{
  return {command, caption, hint, editing, "", nullptr};
}

constexpr CommandInfo window(C command, const char* caption, const char* shortcut, const char* hint,
                             void (*run)(MainWindow&))
{
  return {command, caption, hint, std::nullopt, shortcut, run};
}

} // namespace

const char* CommandInfo::shortcut() const
{
  return editing ? editorCommandInfo(*editing).key : windowShortcut;
}

int CommandInfo::mode() const
{
  return editing ? editorCommandInfo(*editing).mode : kNoMode;
}

// A kind without a placement command here is still placeable: the Component menu gives it an
// entry named from its description (mainwindowmenus.cpp).
// The file commands and Simulate carry the shortcuts every desktop program uses (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+P, Ctrl+Q, F5); none of them clashes with the single
// letters and Ctrl combinations of the drawing.
std::span<const CommandInfo> commandTable()
{
  static constexpr std::array<CommandInfo, static_cast<size_t>(Command::Count)> kTable{{
      window(C::New, "&New", "Ctrl+N", "New File", [](W w) { w.fileNew(); }),
      window(C::Open, "&Open...", "Ctrl+O", "Open file", [](W w) { w.fileOpen(); }),
      window(C::Save, "&Save", "Ctrl+S", "Save File", [](W w) { w.fileSave(); }),
      window(C::SaveAs, "Save &As...", "Ctrl+Shift+S", "", [](W w) { w.fileSaveAs(); }),
      // The recent files' captions are their paths, set when the list changes.
      window(C::RecentFile1, "", "", "", [](W w) { w.openRecentFile(0); }),
      window(C::RecentFile2, "", "", "", [](W w) { w.openRecentFile(1); }),
      window(C::RecentFile3, "", "", "", [](W w) { w.openRecentFile(2); }),
      window(C::RecentFile4, "", "", "", [](W w) { w.openRecentFile(3); }),
      window(C::RecentFile5, "", "", "", [](W w) { w.openRecentFile(4); }),
      window(C::RecentFile6, "", "", "", [](W w) { w.openRecentFile(5); }),
      window(C::RecentFile7, "", "", "", [](W w) { w.openRecentFile(6); }),
      window(C::RecentFile8, "", "", "", [](W w) { w.openRecentFile(7); }),
      window(C::Print, "&Print...", "Ctrl+P", "Print",
             [](W w) { w.m_graph->openSchematicPreview(); }),
      window(C::ExportPdf, "Export P&DF...", "", "",
             [](W w) { w.m_graph->exportPdf(PrintContent::Schematic); }),
      window(C::PrintSetup, "P&rint Setup...", "", "", [](W w) { w.printSetup(); }),
      window(C::SaveBitmap, "Save window as &Bitmap", "", "", [](W w) { w.saveWindowBitmap(); }),
      window(C::ExportSpice, "Export SPICE &netlist...", "", "", [](W w) { w.exportSpice(); }),
      window(C::Exit, "E&xit", "Ctrl+Q", "",
             [](W w) {
               if (w.m_notice) w.m_notice->close();
               w.close();
             }),
      drawing(C::Undo, "&Undo", "", E::Undo),
      drawing(C::Redo, "&Redo", "", E::Redo),
      drawing(C::SelectCursor, "Select Cursor", "Select", E::Cancel),
      drawing(C::EditComponent, "&Edit component (mouse dblclk)", "", E::Edit),
      drawing(C::Cut, "Cu&t", "Cut", E::Cut),
      drawing(C::Copy, "&Copy", "Copy", E::Copy),
      drawing(C::Paste, "&Paste", "Paste", E::Paste),
      drawing(C::Duplicate, "D&uplicate", "", E::Duplicate),
      drawing(C::Delete, "&Delete", "Delete", E::Delete),
      drawing(C::BlockSelect, "&Block Select", "", E::BlockSelect),
      drawing(C::SelectAll, "Select A&ll", "", E::SelectAll),
      drawing(C::Orientation, "&Orientation", "Rotate component (Space Bar)", E::Orientation),
      window(C::ZoomIn, "Zoom &In", "Ctrl++", "", [](W w) { w.m_view->zoomIn(); }),
      window(C::ZoomOut, "&Zoom Out", "Ctrl+-", "", [](W w) { w.m_view->zoomOut(); }),
      window(C::ActualSize, "&Actual Size", "Ctrl+0", "", [](W w) { w.actualSize(); }),
      window(C::FitToWindow, "&Fit to Window", "", "", [](W w) { w.fitDrawing(); }),
      drawing(C::Resistor, "&Resistor", "Resistor (R)", E::Resistor),
      drawing(C::Capacitor, "&Capacitor", "Capacitor (C)", E::Capacitor),
      drawing(C::Inductor, "&Inductor", "Inductor (L)", E::Inductor),
      drawing(C::TxLine, "Transmission &Line", "Transmission Line (X)", E::TxLine),
      drawing(C::Transformer, "&Transformer", "Transformer (T)", E::Transformer),
      drawing(C::Mutual, "&Mutual Inductance", "Mutual Inductance", E::Mutual),
      drawing(C::OpAmp, "&Op-Amp", "Op-Amp (O)", E::OpAmp),
      drawing(C::Bipolar, "&Bipolar Transistor", "Bipolar Transistor", E::Bipolar),
      // The access letters of the controlled sources are their SPICE element letters.
      drawing(C::VCVS, "Voltage Controlled Voltage Source (&E)",
              "VCVS: voltage controlled voltage source", E::VCVS),
      drawing(C::VCCS, "Voltage Controlled Current Source (&G)",
              "VCCS: voltage controlled current source", E::VCCS),
      drawing(C::CCVS, "Current Controlled Voltage Source (&H)",
              "CCVS: current controlled voltage source", E::CCVS),
      drawing(C::CCCS, "Current Controlled Current Source (&F)",
              "CCCS: current controlled current source", E::CCCS),
      drawing(C::SParam1, "S Parameter One Port", "S parameter 1 port", E::SParam1),
      drawing(C::SParam2, "&S Parameter Two Port", "S Parameter 2 port (S)", E::SParam2),
      drawing(C::Port1, "Measurement Port &1", "", E::Port1),
      drawing(C::Port2, "Measurement Port &2", "", E::Port2),
      drawing(C::Wire, "Connecting &Wire", "Connecting Wire (W)", E::Wire),
      drawing(C::Ground, "&Ground connection", "Ground Connection (G)", E::Ground),
      drawing(C::PortButton, "", "Measurement Port (1 or 2)", E::MeasurementPort),
      drawing(C::DrawLine, "&Line", "Draw Line", E::DrawLine),
      drawing(C::DrawText, "&Text", "Draw Text", E::DrawText),
      window(C::Simulate, "&Simulate", "F5", "Simulate circuit", [](W w) { w.simulate(); }),
      window(C::Tune, "&Tune", "", "", [](W w) { w.simulate(); }),
      // The toolbar toggle: tune mode while it is down.
      window(C::TuneToggle, "", "", "Tune circuit elements",
             [](W w) {
               w.m_editor->editor().setTuneMode(w.action(C::TuneToggle)->isChecked());
               w.refreshTuner();
             }),
      window(C::Netlist, "&Netlist", "", "", [](W w) { w.showNetlist(); }),
      window(C::MatchAssistant, "&Match", "", "Match Assistant",
             [](W w) { w.m_assistants->showMatch(); }),
      window(C::AttenuatorAssistant, "&Attenuator", "", "Attenualtor Assistant",
             [](W w) { w.m_assistants->showAttenuator(); }),
      window(C::FilterAssistant, "&Filter", "", "Filter Assistant",
             [](W w) { w.m_assistants->showFilter(); }),
      window(C::InductorCalculator, "&Inductor", "", "",
             [](W w) { w.m_calculators->showInductorCalculator(); }),
      window(C::CapacitorCalculator, "&Capacitor", "", "",
             [](W w) { w.m_calculators->showCapacitorCalculator(); }),
      window(C::TxLineCalculator, "&Transmission Line", "", "",
             [](W w) { w.m_calculators->showTxLineCalculator(); }),
      window(C::CouplerCalculator, "Cou&pler", "", "",
             [](W w) { w.m_calculators->showCouplerCalculator(); }),
      window(C::SplitterCalculator, "&Splitter", "", "",
             [](W w) { w.m_calculators->showSplitterCalculator(); }),
      window(C::RfCalculator, "&Calculator", "", "RF Calculator",
             [](W w) { w.m_calculators->showRfCalculator(); }),
      window(C::Optimize, "&Optimize...", "", "Optimize the values to meet goals",
             [](W w) { w.showOptimizer(); }),
      window(C::Yield, "&Yield...", "", "", [](W w) { w.showYield(); }),
      window(C::SchematicPreferences, "Schematic Editor Preferences", "", "",
             [](W w) { w.showWindow(*w.m_schematicPrefs); }),
      window(C::GraphPreferences, "Graph Output Preferences", "", "",
             [](W w) { w.showWindow(*w.m_graphPrefs); }),
      window(C::HelpContents, "&Contents", "", "", [](W w) { w.showHelp({}); }),
      window(C::GettingStarted, "&Getting Started", "", "", [](W w) { w.showHelp("idstarting"); }),
      window(C::About, "&About Norvane", "", "", [](W w) { w.showAbout(); }),
  }};
  static_assert(
      [] {
        for (size_t i = 0; i < kTable.size(); ++i) {
          if (static_cast<size_t>(kTable[i].command) != i) return false;
        }
        return true;
      }(),
      "the command table must list every command in enum order");
  return kTable;
}

const CommandInfo& commandInfo(Command command)
{
  return commandTable()[static_cast<size_t>(command)];
}

} // namespace norvane
