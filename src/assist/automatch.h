#pragma once
// The automatic matcher's calculation: L-section networks that match port 1, port 2 or both
// (simultaneous conjugate match) at one frequency, from the circuit's S-parameters there.
//
// matchNetwork is a pure function from the request and the S-parameters to a plan (messages
// and the element values of each port's network); applyMatchPlan edits the drawing: it makes
// room, inserts the components and wires in front of the port and sets the port's Zo.

#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/matchrequest.h"
#include "sim/simulate.h"

#include <functional>
#include <string>
#include <vector>

namespace norvane {

struct MatchElement
{
  ComponentType ctype{}; // Capacitor or Inductor
  double value = 0.0;    // farad or henry
};

// One port's L-section.
struct PortMatchNetwork
{
  bool build = false;
  double r = 0.0; // impedance to match, R + jX (ohm)
  double x = 0.0;
  double targetR = 50.0;
  // R >= target: the shunt element stands on the circuit side of the series element;
  // R < target: on the port side.
  bool shuntOnCircuitSide = false;
  MatchElement series;
  MatchElement shunt;
  // Why no network of the chosen topology can match this port (the message to show), or
  // empty. Such a port refuses the whole match: half a conjugate match matches nothing.
  std::string problem;
};

struct MatchMessage
{
  bool error = false; // error box, else information
  std::string text;
};

struct MatchPlan
{
  int mode = matchmode::None;         // the request as carried out
  bool refused = false;               // no network can be built; the drawing stays as it is
  std::vector<MatchMessage> messages; // to show, in order
  PortMatchNetwork port1;
  PortMatchNetwork port2;
};

inline constexpr const char* kMsgMatchNegativeRoot =
    "Simultaneous conjugate match not possible at this frequency because\r"
    "S parameters produce a negative square root in the solution.\r"
    "This could be because the circuit would be unstable if it were conjugately matched.";
inline constexpr const char* kMsgMatchUnrealistic =
    "Simultaneous conjugate match not possible at this frequency because\r"
    "S parameters produce unrealistic values.";
// A two-port that could oscillate once matched (K <= -1, or |Delta| >= 1): the roots are real
// but the reflections lie outside the unit circle. The factors follow in the message.
inline constexpr const char* kMsgMatchNotStable =
    "Simultaneous conjugate match not possible at this frequency because\r"
    "the circuit is not unconditionally stable there";
inline constexpr const char* kMsgMatchNoFiniteS =
    "Simultaneous conjugate match not possible at this frequency because\r"
    "the circuit gave no finite S parameters there.";
inline constexpr const char* kMsgPort1Matched =
    "Port 1 is already matched, nothing to do on this port!";
inline constexpr const char* kMsgPort2Matched =
    "Port 2 is already matched, nothing to do on this port!";

// The element values of the networks. A simultaneous request whose S11 and S22 are equal or
// opposite (within 0.01 in both parts) is carried out as a port-1 match, where the
// simultaneous solution degenerates; single-port requests are carried out as asked.
// Refused (with the reason in `messages`): a simultaneous match of a circuit that is not
// unconditionally stable at the frequency (K > 1 and |Delta| < 1), and any port whose
// impedance has no positive resistance or whose chosen topology would need a negative, zero
// or unbounded inductor or capacitor (the message names the topology that can match it).
MatchPlan matchNetwork(const MatchInput& input);

// Inserts the planned networks into the drawing and shows the plan's messages. For each port
// the drawing first moves 100 units right when the network needs room on the left, the port
// moves out by 80, and the series element, the shunt element with its ground and three wires
// are added; the port's Zo becomes the target resistance. A port whose network would exceed
// the component or wire capacity is left as it is, with the editor's capacity message.
void applyMatchPlan(Schematic& doc, const MatchPlan& plan, Prompts& prompts);

// What one Auto Match did.
struct AutoMatchOutcome
{
  bool analysed = false;   // the first run reached the match frequency
  bool refused = false;    // the match was refused: the drawing was left as it was
  int networks = 0;        // port networks inserted
  bool oscillates = false; // the matched circuit's |S11| or |S22| exceeds 1 in the sweep
  SimulateResult finalRun;
};

// Auto Match as the window's OK and the command line carry it out: the ports' Zo become the
// target resistances, a first run (`simulate`, with the request set in `session`) analyses
// the circuit at the match frequency, the networks are designed and inserted (messages
// through `prompts`), and a second run simulates the modified circuit over the normal sweep.
// The request never outlives the first run, even when the circuit check refused it.
//
// A match frequency outside the sweep or outside the data of a data block is refused before
// any run. A refused match leaves the document as it was (the ports keep their Zo). After
// networks were inserted, the matched circuit is swept once more with nominal values and a
// warning is shown when |S11| or |S22| exceeds 1 anywhere (it would oscillate there).
AutoMatchOutcome performAutoMatch(Schematic& doc, SimulationSession& session,
                                  const MatchRequest& request,
                                  const std::function<SimulateResult()>& simulate,
                                  Prompts& prompts);

} // namespace norvane
