#pragma once
// The simulate command: checks and numbers the circuit, prepares the output, applies the
// tolerance rule, and at every frequency point builds the nodal admittance matrix, solves it
// for each excited port and hands the S-parameters to the output (graph, charts, data list or
// result file).

#include "document/schema.h"
#include "platform/prompts.h"
#include "sim/matchrequest.h"
#include "sim/netlist.h"
#include "sim/sweepoutput.h"
#include "sim/tolerance.h"

namespace norvane {

// What lives from one run to the next (the program keeps one of these for its whole run).
struct SimulationSession
{
  int toleranceMode = tolerancemode::Nominal;
  ToleranceRandom random; // seeded once from the clock by the program; settable for tests
  // Set once the autoscale question was asked and declined; stops it from repeating until
  // a sweep lies inside the stored data's frequency range again.
  bool warned = false;
  // The automatic matcher's request; a run that honours it clears its mode.
  MatchRequest match;
};

struct SimulateResult
{
  bool ran = false;             // the circuit check passed and the sweep ran
  NetlistResult netlist;        // the circuit check
  int points = 0;               // frequency points computed
  int failedPoints = 0;         // points whose matrix could not be solved
  bool complexOverflow = false; // reported as "cplxoverflow"
  bool singular = false;        // reported as "cLUmatherror"
  bool fileWritten = false;     // result-file mode: the file was written completely
  // A run that honoured a match request: the S-parameters at the match frequency, for the
  // matcher to design its networks from (assist/automatch.h).
  bool matchAnalysed = false;
  MatchInput match;
};

// Messages of a run.
inline constexpr const char* kMsgAutoscale =
    "Simulation frequency range outside S parameter file range, Autoscale?";
inline constexpr const char* kMsgCirclesOneport =
    "Cannot calculate stability circles with only 1 measurement port. Stability circles "
    "turned off";
inline constexpr const char* kMsgIllConditioned = "matrix ill conditioned\rfreq point";
inline constexpr const char* kMsgOverflow = "cplxoverflow";
inline constexpr const char* kMsgSingular = "cLUmatherror";
inline constexpr const char* kResultFileDialogTitle = "Save results as S Parameter File";
inline constexpr const char* kResultFileDialogFilter =
    "S parameter files (*.S2P)|*.s2p|All S parameter files "
    "(*.S2P,*.S1P,*.D1,*.D2)|*.s2p;*.s1p;*.d1;*.d2|All Files (*.*)|*.*";
inline constexpr const char* kResultFileDialogDefault = "*.S2P";

// One run over the document's sweep (or, with a match request, at the match frequency
// only). The output mode is the document's plotformat: 1 rectangular graph, 2-5 charts,
// 6 data list, 7 result file (the file name is asked through `prompts`; cancelling falls back
// to the data list). Writes the corrected sweep, the defaulted parameter choices and the
// `simulated` flag into the document, and each toleranced value's `actual`.
//
// The caller shows the busy cursor around the call and, afterwards, puts the editor back
// into select mode unless it is tuning.
SimulateResult Simulate(Tschema& doc, SimulationSession& session, SweepOutput& out,
                        Prompts& prompts);

// The export command: refuses with kMsgResultFilePorts unless both ports are 50 ohm;
// otherwise runs Simulate in result-file mode and restores the document's plotformat.
SimulateResult ExportSParameterFile(Tschema& doc, SimulationSession& session, SweepOutput& out,
                                    Prompts& prompts);

} // namespace norvane
