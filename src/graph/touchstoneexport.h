#pragma once
// The graph window's "Export Touchstone..." command: simulates the circuit with every present
// port excited, asks for the file name (.s1p for one port, .s2p for two) and writes the
// Touchstone file at full precision. The plotted points and the data list are left alone.

#include "platform/prompts.h"
#include "sim/simulate.h"

#include <string>

namespace norvane {

inline constexpr const char* kTouchstoneDialogTitle = "Export Touchstone";
inline constexpr const char* kTouchstoneFilterOnePort =
    "Touchstone 1-port files (*.s1p)|*.s1p|All Files (*.*)|*.*";
inline constexpr const char* kTouchstoneFilterTwoPort =
    "Touchstone 2-port files (*.s2p)|*.s2p|All Files (*.*)|*.*";

struct TouchstoneExportResult
{
  SimulateResult run;
  std::string path; // the file written, empty when none was
};

// `program` names the program in the file's comments ("Norvane 0.1.0"); `schematicPath` is
// the document's file (empty for an unsaved one), whose name the comments give and whose
// folder and stem the suggested file name takes. A refused circuit asks nothing; a cancelled
// dialog writes nothing; a failed write is reported and leaves any previous file intact.
TouchstoneExportResult exportTouchstoneFile(Schematic& doc, SimulationSession& session,
                                            Prompts& prompts, const std::string& program,
                                            const std::string& schematicPath);

} // namespace norvane
