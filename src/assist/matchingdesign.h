#pragma once
// The matching assistant's designs: networks that match a resistive source to a resistive
// load at one frequency — the minimum-loss resistive pad, and reactive L, Pi and Tee sections
// in low-pass and high-pass form.

#include "assist/assistantcircuit.h"

#include <string>

namespace norvane {

// The topology list of the window, in its order.
enum class MatchTopology {
  MinimumLossPad = 0,
  LLowPass,
  LHighPass,
  PiLowPass,
  PiHighPass,
  TeeLowPass,
  TeeHighPass,
};

inline constexpr const char* kMatchTopologyNames[] = {
    "Minimun Loss R",         "Reactive L  (Low Pass)",  "Reactive L  (High Pass)",
    "Reactive Pi (Low Pass)", "Reactive Pi (High Pass)", "Reactive Tee(Low Pass)",
    "Reactive Tee(High Pass)"};

struct MatchingInput
{
  MatchTopology topology = MatchTopology::LLowPass;
  double zin = 50.0;        // ohm
  double zout = 200.0;      // ohm
  double frequency = 100e6; // Hz
  double bandwidth = 10e6;  // Hz; the loaded Q of Pi and Tee is frequency / bandwidth
  double inductorTol = 5.0; // percent
  double capacitorTol = 2.0;
  double resistorTol = 2.0;
};

inline constexpr const char* kMsgImpedancesEqual = "i/p and o/p impedances must be different";
inline constexpr const char* kMsgNonRealisableBandwidth = "non-realisable bandwidth";
// The written sweep runs from f - 5B (at least 1 kHz) to f + 5B: below that it is empty.
inline constexpr const char* kMsgMatchSweepEmpty =
    "Frequency and Bandwidth too low: the sweep from 1kHz to Frequency + 5 x Bandwidth would "
    "be empty";
inline constexpr const char* kMsgMatchSweepEmptyL =
    "Frequency too low: the sweep from 1kHz to Frequency + 5 x Bandwidth (the network's own, "
    "Frequency / Q) would be empty";

struct MatchingResult
{
  bool built = false;     // `circuit` holds the new design
  std::string error;      // the error box to show; empty for success and for a silent stop
                          // (a design whose written sweep would be empty is refused too)
  double bandwidth = 0.0; // what the bandwidth field shows afterwards (the L network's f / Q)
  AssistantCircuit circuit;
};

// Which inputs the topology uses (the others are disabled in the window).
bool matchUsesFrequency(MatchTopology t);
bool matchUsesBandwidth(MatchTopology t);

MatchingResult designMatchingNetwork(const MatchingInput& in);

// Sweep of the written schematic: f - 5B (at least 1000 Hz) to f + 5B, linear.
AssistantWriteSettings matchingWriteSettings(double frequency, double bandwidth);

} // namespace norvane
