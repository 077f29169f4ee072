#pragma once
// The simulator: checks and numbers the circuit, applies the tolerance rule, and at every
// frequency point builds the nodal admittance matrix, solves it for each requested
// excitation and hands the S-parameters to a SweepSink. It asks no questions and shows
// nothing; what the user sees of a run (the autoscale question, the graph, the data list, the
// result file) is arranged by its caller (graph/simulationrun.h).

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/matchrequest.h"
#include "sim/netlist.h"
#include "sim/sweep.h"
#include "sim/sweepsink.h"
#include "sim/tolerance.h"

#include <string>
#include <vector>

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
  // Temperature of the circuit's noise sources, K (the "noisetemp" preference, noiseKelvin).
  double noiseKelvin = 290.0;
};

struct SimulateResult
{
  bool checked = false;         // the circuit check passed: the circuit can be swept
  bool ran = false;             // the circuit check passed and the sweep ran
  Netlist netlist;              // the circuit check
  int points = 0;               // frequency points computed
  int failedPoints = 0;         // points whose matrix could not be solved
  int nonFinitePoints = 0;      // points whose solution was not a finite number
  bool complexOverflow = false; // reported as "cplxoverflow"
  bool singular = false;        // reported as "cLUmatherror"
  bool fileWritten = false;     // result-file mode: the file was written completely
  // The data blocks the sweep extrapolates beyond their data, one line each
  // (sim/extrapolation.h); the caller shows them with the run.
  std::vector<std::string> extrapolated;
  // A run that honoured a match request: the S-parameters at the match frequency, for the
  // matcher to design its networks from (assist/automatch.h).
  // A run with noise analysis: the parts it took as noiseless ("Noise: taken as noiseless:
  // op-amp"), or empty.
  std::string noiseNotice;
  bool matchAnalysed = false;
  MatchInput match;
};

// What one sweep solves: the points of `plan` and the excitations asked for (a port that is
// not part of the circuit is never excited).
struct SweepRequest
{
  SweepPlan plan;
  bool excite1 = true;
  bool excite2 = true;
  // Noise analysis at every point (both ports needed; sim/noiseanalysis.h).
  bool noise = false;
  double noiseKelvin = 290.0; // temperature of the noise sources and of the source resistance
};

// Messages of a run.
inline constexpr const char* kMsgIllConditioned = "matrix ill conditioned\rfreq point";
inline constexpr const char* kMsgOverflow = "cplxoverflow";
inline constexpr const char* kMsgSingular = "cLUmatherror";
inline constexpr const char* kMsgNoiseTwoPort =
    "Noise analysis needs a two-port circuit: place and connect both measurement ports";

// The circuit check: numbers the nodes (buildNetlist, into `netlist` of the result; the
// drawing is left as it is, the caller that shows the check applies it), takes a zero port
// impedance as the port dialog does and refuses any other unusable one, applies the
// session's tolerance rule (each toleranced value's `actual`) and refuses values no stamp can
// use. Sets the document's `simulated` flag to whether the check passed; refusals are shown
// through `prompts`.
SimulateResult checkCircuit(Schematic& doc, SimulationSession& session, Prompts& prompts);

// The sweep of a circuit that passed checkCircuit (`result` is what it returned; its netlist
// gives the nodes). With a match
// request in the session only the match frequency is analysed (both present ports excited),
// the S-parameters there are handed back in `result.match` and the request is cleared. A
// point whose matrix cannot be solved is reported ("matrix ill conditioned") once per
// requested excitation and handed on without values.
void simulateCircuit(const Schematic& doc, SimulationSession& session, const SweepRequest& request,
                     SweepSink& sink, Prompts& prompts, SimulateResult& result);

// After the sweep (and whatever the caller wrote): the messages about points without a finite
// result, complex overflow and a singular matrix. Counts the non-finite points as failed.
void reportSweepProblems(SimulateResult& result, Prompts& prompts);

} // namespace norvane
