#pragma once
// The automatic matcher's request to the simulate command. With a request set, the next run
// analyses the circuit at the match frequency only, hands back the S-parameters there (in
// SimulateResult::match) and clears the request; the matcher then designs and inserts its
// networks (assist/automatch.h). The simulator itself never edits the drawing.

#include "sim/complex.h"

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

// Everything the matcher reads. The transmission coefficients are the raw ones (2 V2 and
// 2 V1', before the port-impedance scaling).
struct MatchInput
{
  MatchRequest request;
  Complex s11, s21, s12, s22;
  double zo1 = 50.0; // the ports' present reference impedances
  double zo2 = 50.0;
};

} // namespace norvane
