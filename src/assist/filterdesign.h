#pragma once
// The filter assistant's designs: Butterworth and Chebyshev LC ladders (low pass, high pass,
// band pass) between equal source and load resistances, from the normalised low-pass
// prototype values g[0..n+1].

#include "assist/assistantcircuit.h"

#include <array>
#include <string>

namespace norvane {

enum class FilterType { Butterworth = 0, Chebyshev };
enum class FilterTopology { LowPass = 0, HighPass, BandPass };
enum class FilterFirstBranch { Series = 0, Parallel };

inline constexpr const char* kFilterTypeNames[] = {"Butterworth", "Chebyshev"};
inline constexpr const char* kFilterTopologyNames[] = {"Low Pass", "High Pass", "Band Pass"};
inline constexpr const char* kFilterFirstBranchNames[] = {"Series", "Parallel"};

constexpr int kMaxFilterPoles = 15;

// g[0] = 1, g[1..n] the ladder's element values, g[n+1] the normalised load.
using FilterPrototype = std::array<double, kMaxFilterPoles + 2>;

// Butterworth: g[k] = 2 sin((2k - 1) pi / 2n), load 1.
FilterPrototype butterworthPrototype(int n);
// Chebyshev with the pass-band ripple in dB (above 0); the load is 1 for odd n and
// coth^2(beta / 4) for even n (Matthaei, Young and Jones, "Microwave Filters, Impedance-
// Matching Networks, and Coupling Structures", 4.05).
FilterPrototype chebyshevPrototype(int n, double rippleDb);

// The pole count as the window takes it: rounded to the nearest whole number and held to
// 1..15 (fewer than one pole has no ladder).
int filterPoleCount(double typed);

struct FilterInput
{
  FilterType type = FilterType::Butterworth;
  FilterTopology topology = FilterTopology::LowPass;
  FilterFirstBranch first = FilterFirstBranch::Series;
  double centre = 100e6;    // Hz, band pass only
  double bandwidth = 10e6;  // Hz; the cut-off frequency of low and high pass
  int poles = 3;            // 1..15 (see filterPoleCount)
  double rippleDb = 0.1;    // Chebyshev only
  double z0 = 50.0;         // ohm
  double inductorTol = 5.0; // percent
  double capacitorTol = 2.0;
};

inline constexpr const char* kMsgNonRealisableRipple = "non-realisable ripple";
inline constexpr const char* kMsgRippleTooLarge =
    "non-realisable ripple: Passband Ripple must be at most 100dB";

struct FilterResult
{
  bool built = false;
  // Why the inputs were refused, naming the field: a Chebyshev ripple not above 0 dB or above
  // 100 dB, an impedance, frequency or tolerance out of range, a sweep that would hold no
  // frequencies (a cut-off not above 100 Hz; a band pass too narrow for its centre).
  std::string error;
  FilterPrototype g{};
  AssistantCircuit circuit;
};

FilterResult designFilter(const FilterInput& in);

// How far right the preview draws the circuit: centred in a preview `width` wide, moved by
// the scroll bar position `scroll` (-50..50).
int filterPreviewShift(const FilterInput& in, int scroll, int width);

// Band pass: centre -/+ 2 bandwidths (from at least 1 Hz), linear. Low and high pass: a tenth
// to ten times the cut-off (from at least 1000 Hz), logarithmic. Every x moves by 25, onto
// the grid.
AssistantWriteSettings filterWriteSettings(const FilterInput& in);

} // namespace norvane
