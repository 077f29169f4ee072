// norvane-cli automatch FILE.cct: Auto Match without its window. Inserts L-section matching
// networks in front of port 1, port 2 or both ports (simultaneous conjugate match) at one
// frequency, exactly as the graph window's Auto Match does, and writes the result.

#include "assistantoptions.h"
#include "commandinput.h"
#include "simulateprompts.h"

#include "assist/automatch.h"
#include "graph/simulationrun.h"
#include "sim/netlist.h"
#include "sim/simulate.h"

#include <memory>
#include <ostream>

namespace norvane::cli {

namespace {

const std::vector<OptionSpec> kAutomatchOptions = {
    {"-o", "--output", true}, {"", "--freq", true},       {"", "--port1", false},
    {"", "--port2", false},   {"", "--conjugate", false}, {"", "--r1", true},
    {"", "--r2", true},       {"", "--topology1", true},  {"", "--topology2", true}};

// The request's frequency, resistances and topologies from the options (a resistance not
// given stays -1: the port's present Zo); the problem with them, or empty.
std::string readRequest(const ParsedArguments& parsed, MatchRequest& request, double& r1,
                        double& r2)
{
  if (!parsed.has("--output") || parsed.value("--output")->empty()) {
    return "missing -o OUT.cct";
  }
  if (!parsed.has("--freq")) {
    return "missing --freq F, the match frequency";
  }
  const int modes = parsed.has("--port1") + parsed.has("--port2") + parsed.has("--conjugate");
  if (modes > 1) {
    return "--port1, --port2 and --conjugate exclude each other";
  }
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
  return problem;
}

// As the window: the targets default to the ports' present Zo, and without a choice both
// ports placed means the simultaneous match, else the one port there is. The window offers
// only the ports the circuit has: asking for another is a problem.
std::string completeRequest(const ParsedArguments& parsed, const Drawing& drawing, double r1,
                            double r2, MatchRequest& request)
{
  request.r1 = r1 > 0.0 ? r1 : drawing.P1.Zo;
  request.r2 = r2 > 0.0 ? r2 : drawing.P2.Zo;
  const bool placed1 = portIsPlaced(drawing.P1);
  const bool placed2 = portIsPlaced(drawing.P2);
  if (parsed.has("--port1")) {
    request.mode = matchmode::Port1;
  } else if (parsed.has("--port2")) {
    request.mode = matchmode::Port2;
  } else if (parsed.has("--conjugate") || (placed1 && placed2)) {
    request.mode = matchmode::Simultaneous;
  } else {
    request.mode = placed2 ? matchmode::Port2 : matchmode::Port1;
  }
  const bool wants1 = request.mode != matchmode::Port2;
  const bool wants2 = request.mode != matchmode::Port1;
  if ((wants1 && !placed1) || (wants2 && !placed2)) {
    return std::string("the circuit has no port ") + (wants1 && !placed1 ? "1" : "2") + " to match";
  }
  return {};
}

} // namespace

int runAutomatch(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("automatch");
  const auto parsedArgs = parseCommandArguments(self, args, kAutomatchOptions, io);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  MatchRequest request;
  double r1 = -1.0;
  double r2 = -1.0;
  if (const std::string problem = readRequest(parsed, request, r1, r2); !problem.empty()) {
    return usageError(self, problem, io);
  }
  const auto doc = loadDocument(parsed.positional.front(), io);
  if (!doc) {
    return kExitFailure;
  }
  if (const std::string problem = completeRequest(parsed, doc->drawdat, r1, r2, request);
      !problem.empty()) {
    return usageError(self, problem, io);
  }
  SimulationSession session;
  SimulatePrompts prompts(io.err);
  NoRunDisplay display;
  const MainWindowChores chores;
  const AutoMatchOutcome outcome = performAutoMatch(
      *doc, session, request,
      [&] { return simulateForDisplay(*doc, session, display, chores, prompts); }, prompts);
  if (!outcome.analysed || outcome.refused) {
    return kExitFailure; // the reason is on stderr already
  }
  return writeSchematicFile(*doc, *parsed.value("--output"), io);
}

} // namespace norvane::cli
