#pragma once
// The automatic matcher's calculation: L-section networks that match port 1, port 2 or both
// (simultaneous conjugate match) at one frequency, from the circuit's S-parameters there.
//
// MatchNetwork is a pure function from the request and the S-parameters to a plan (messages
// and the element values of each port's network); ApplyMatchPlan edits the drawing: it makes
// room, inserts the components and wires in front of the port and sets the port's Zo.

#include "document/schema.h"
#include "platform/prompts.h"
#include "sim/complex.h"

#include <string>
#include <vector>

namespace norvane {

// The match request (`matchMode`): what the next simulation run matches.
namespace matchmode {
constexpr int None = 0;
constexpr int Port1 = 1;
constexpr int Port2 = 2;
constexpr int Simultaneous = 3; // simultaneous conjugate match of both ports
} // namespace matchmode

namespace matchtopology {
constexpr int LowPass = 0;  // series inductor, shunt capacitor
constexpr int HighPass = 1; // series capacitor, shunt inductor
} // namespace matchtopology

struct MatchRequest
{
  int mode = matchmode::None;
  double frequency = 0.0; // Hz
  double r1 = 50.0;       // resistance port 1 is matched to, ohm
  double r2 = 50.0;       // resistance port 2 is matched to, ohm
  int topology1 = matchtopology::LowPass;
  int topology2 = matchtopology::HighPass;
};

// Everything MatchNetwork reads. The transmission coefficients are the raw ones (2 V2 and
// 2 V1', before the port-impedance scaling).
struct MatchInput
{
  MatchRequest request;
  Complex s11, s21, s12, s22;
  double zo1 = 50.0; // the ports' present reference impedances
  double zo2 = 50.0;
};

struct MatchElement
{
  int ctype = 0;      // ckCapacitor or ckInductor
  double value = 0.0; // farad or henry
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
inline constexpr const char* kMsgPort1Matched =
    "Port 1 is already matched, nothing to do on this port!";
inline constexpr const char* kMsgPort2Matched =
    "Port 2 is already matched, nothing to do on this port!";

// The element values of the networks. A simultaneous request whose S11 and S22 are equal or
// opposite (within 0.01 in both parts) is carried out as a port-1 match, where the
// simultaneous solution degenerates; single-port requests are carried out as asked.
MatchPlan MatchNetwork(const MatchInput& input);

// Inserts the planned networks into the drawing and shows the plan's messages. For each port
// the drawing first moves 100 units right when the network needs room on the left, the port
// moves out by 80, and the series element, the shunt element with its ground and three wires
// are added; the port's Zo becomes the target resistance. A port whose network would exceed
// the component or wire capacity is left as it is, with the editor's capacity message.
void ApplyMatchPlan(Tschema& doc, const MatchPlan& plan, Prompts& prompts);

} // namespace norvane
