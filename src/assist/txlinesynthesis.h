#pragma once
// Synthesis for the transmission line calculator: the width (microstrip, stripline), inner
// conductor diameter (coaxial cable) or separation (flat-twin) that gives a wanted
// characteristic impedance, the other dimensions and materials held. The search runs on the
// very analysis functions of txlines.h, so the answer analysed again gives the wanted
// impedance whatever formula those functions use.
//
// Method: the free dimension is scanned on a logarithmic grid over its whole useful range;
// every interval where the impedance crosses the target is a bracket, the one nearest the
// present dimension is refined by bisection (in log scale) until the impedance is within
// one part in a million. A target no dimension reaches gets a message naming the reachable
// range; a target that falls into a jump between two pieces of a piecewise formula says so.

#include "assist/txlinecalculator.h"
#include "assist/txlines.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

struct SynthesisResult
{
  std::optional<double> dimension; // metres
  std::optional<double> impedance; // ohm, the dimension analysed again
  std::string error;               // why there is none (a sentence for the user)
};

// Each takes the other inputs from `in`; the dimension solved for is only a starting hint
// (the nearest crossing to it wins where the formula crosses the target more than once).
SynthesisResult synthesizeMicrostripWidth(const MicrostripInput& in, double targetOhms);
SynthesisResult synthesizeStriplineWidth(const StriplineInput& in, double targetOhms);
SynthesisResult synthesizeCoaxConductor(const CoaxInput& in, double targetOhms);
SynthesisResult synthesizeFlatTwinSeparation(const FlatTwinInput& in, double targetOhms);

enum class TxLinePage { Microstrip, Stripline, Coax, FlatTwin };

// The "Synthesize" action on a page of the window: reads the page's fields and the wanted
// impedance text ("50", "75R" is refused: plain numbers with the multiplier letters only),
// solves, and writes the solved dimension in mm into the fields. `notices` carries the beep
// and the error text as for Calculate.
struct TxLineSynthesis
{
  TxLineFields fields;
  std::optional<double> dimensionMm;
  CalcNotices notices;
};
TxLineSynthesis synthesizeTxLine(TxLinePage page, const TxLineFields& fields,
                                 const std::string& targetText);

// The label of the dimension the page solves for ("Track Width (W)").
std::string_view synthesizedFieldLabel(TxLinePage page);

// A dimension in mm as the field shows it: nine significant digits, plain decimals, no
// trailing zeros ("2.94836472"), so reading it back reproduces the impedance closely.
std::string dimensionText(double mm);

} // namespace norvane
