#pragma once
// The "ball-park" bipolar transistor: a full small-signal model estimated from the four
// figures on a data sheet's first page (DC current gain, transition frequency, operating
// collector current and feedback capacitance) and the package style.

#include <string>

namespace norvane {

// The parameters of the transistor model (hybrid-pi with base and emitter lead inductance).
struct BipolarParameters
{
  double beta = 0.0;       // DC current gain
  double rbb = 0.0;        // base spreading resistance, ohm
  double re = 0.0;         // emitter resistance, ohm
  double ro = 0.0;         // output resistance, ohm
  double ccb = 0.0;        // collector-base (feedback) capacitance, F
  double cbe = 0.0;        // base-emitter capacitance, F
  double lb = 0.0;         // base lead inductance, H
  double le = 0.0;         // emitter lead inductance, H
  double betaCutoff = 0.0; // 3 dB frequency of the current gain, Hz
  double timeDelay = 0.0;  // time delay of the current gain, s
};

struct BallParkInput
{
  double dcGain = 0.0;       // DC current gain
  double ft = 0.0;           // transition frequency, Hz
  double ic = 0.0;           // operating collector current, A
  double feedbackCap = 0.0;  // Ccb, F
  bool surfaceMount = false; // surface-mount package (else leaded)
};

// Every estimated parameter is kept within what the detailed model's fields accept, so an
// extreme entry (a tiny Ic) gives the largest resistance rather than an overflow.
constexpr double kBipolarParameterMin = 1e-20;
constexpr double kBipolarParameterMax = 1e12;

// Re = kT/q / Ic with kT/q taken as 26 mV at room temperature; Rbb 10 ohm and Ro 100 Mohm are
// typical small-signal figures; Ccb = Cbe = the data sheet's feedback capacitance; a 10 ps
// delay; lead inductances of a typical package (SMT 0.5 nH base, 0.3 nH emitter; leaded
// 1.5 nH each); the current gain's 3 dB point is Ft / beta (the gain-bandwidth product).
BipolarParameters ballParkEstimate(const BallParkInput& input);

// The read-only texts the ball-park page shows: "Lb=0.5nH", "Rbb=10R", ...
struct BallParkTexts
{
  std::string lb, rbb, re, cbe, le, ro, tf;
};
BallParkTexts ballParkTexts(const BipolarParameters& p);

} // namespace norvane
