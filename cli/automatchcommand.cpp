// norvane-cli automatch FILE.cct: Auto Match without its window. Inserts L-section matching
// networks in front of port 1, port 2 or both ports (simultaneous conjugate match) at one
// frequency, exactly as the graph window's Auto Match does, and writes the result.

#include "assistantoptions.h"
#include "loadinput.h"
#include "simulateprompts.h"

#include "assist/automatch.h"
#include "config/environment.h"
#include "document/clearschema.h"
#include "sim/netlist.h"
#include "sim/simulate.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

namespace {

// The runs write nothing anywhere: the command only keeps the edited drawing.
class NoOutput : public SweepOutput
{
};

} // namespace

int runAutomatch(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("automatch");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true},
                                                       {"", "--freq", true},
                                                       {"", "--port1", false},
                                                       {"", "--port2", false},
                                                       {"", "--conjugate", false},
                                                       {"", "--r1", true},
                                                       {"", "--r2", true},
                                                       {"", "--topology1", true},
                                                       {"", "--topology2", true}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self, parsed.positional.empty() ? "missing input file" : "too many arguments",
                      io);
  }
  if (!parsed.has("--output") || parsed.value("--output")->empty()) {
    return usageError(self, "missing -o OUT.cct", io);
  }
  if (!parsed.has("--freq")) {
    return usageError(self, "missing --freq F, the match frequency", io);
  }
  const int modes = parsed.has("--port1") + parsed.has("--port2") + parsed.has("--conjugate");
  if (modes > 1) {
    return usageError(self, "--port1, --port2 and --conjugate exclude each other", io);
  }
  MatchRequest request;
  double r1 = -1.0;
  double r2 = -1.0;
  std::string problem = readNumberOptions(
      parsed,
      {{"--freq", &request.frequency, 1.0, 1e12, "Hz", "a frequency from 1Hz to 1THz, e.g. 2.4GHz"},
       {"--r1", &r1, 1e-6, 1e12, "R", "a resistance above zero, e.g. 50R"},
       {"--r2", &r2, 1e-6, 1e12, "R", "a resistance above zero, e.g. 50R"}});
  if (problem.empty()) {
    problem = readChoice(parsed, "--topology1", {"lowpass", "highpass"}, request.topology1);
  }
  if (problem.empty()) {
    problem = readChoice(parsed, "--topology2", {"lowpass", "highpass"}, request.topology2);
  }
  if (!problem.empty()) {
    return usageError(self, problem, io);
  }

  const std::string& input = parsed.positional.front();
  auto doc = std::make_unique<Tschema>(); // large: keep it off the stack
  TenvironmentProps env;
  fillBuiltInDefaults(env);
  ClearSchema(*doc, env);
  if (!loadInput(*doc, input, io)) {
    return kExitFailure;
  }
  const TDrawData& drawing = doc->drawdat;
  // As the window: the targets default to the ports' present Zo, and without a choice both
  // ports placed means the simultaneous match, else the one port there is.
  request.r1 = r1 > 0.0 ? r1 : drawing.P1.Zo;
  request.r2 = r2 > 0.0 ? r2 : drawing.P2.Zo;
  if (parsed.has("--port1")) {
    request.mode = matchmode::Port1;
  } else if (parsed.has("--port2")) {
    request.mode = matchmode::Port2;
  } else if (parsed.has("--conjugate")) {
    request.mode = matchmode::Simultaneous;
  } else if (portIsPlaced(drawing.P1) && portIsPlaced(drawing.P2)) {
    request.mode = matchmode::Simultaneous;
  } else {
    request.mode = portIsPlaced(drawing.P2) ? matchmode::Port2 : matchmode::Port1;
  }

  // The window offers only the ports the circuit has.
  const bool wants1 = request.mode != matchmode::Port2;
  const bool wants2 = request.mode != matchmode::Port1;
  if ((wants1 && !portIsPlaced(drawing.P1)) || (wants2 && !portIsPlaced(drawing.P2))) {
    return usageError(self,
                      std::string("the circuit has no port ") +
                          (wants1 && !portIsPlaced(drawing.P1) ? "1" : "2") + " to match",
                      io);
  }

  SimulationSession session;
  SimulatePrompts prompts(io.err);
  NoOutput out;
  const AutoMatchOutcome outcome = RunAutoMatch(
      *doc, session, request, [&] { return Simulate(*doc, session, out, prompts); }, prompts);
  if (!outcome.analysed || outcome.refused) {
    return kExitFailure; // the reason is on stderr already
  }
  return writeSchematicFile(*doc, *parsed.value("--output"), io);
}

} // namespace norvane::cli
