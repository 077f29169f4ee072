#pragma once
// The stability, gain and noise columns that "norvane-cli simulate --format csv --measures LIST"
// appends to the S-parameter columns: one column per item of the list, headed by the item's
// name, an empty cell where the figure cannot be formed (see sim/twoportmeasures.h).

#include "sim/sweeppoint.h"

#include <span>
#include <string>
#include <vector>

namespace norvane {

enum class MeasureColumn {
  K,
  Delta,
  Mu1,
  Mu2,
  MagDb,
  Vswr1,
  Vswr2,
  ZinRe,
  ZinIm,
  ZoutRe,
  ZoutIm,
  GroupDelay21,
  // Noise (sim/noiseanalysis.h): NF for port 1's reference resistance, NFmin, Gamma-opt
  // against 50 ohm (magnitude, angle in degrees) and Rn in ohm.
  NfDb,
  NfminDb,
  GoptMag,
  GoptDeg,
  RnOhm,
};

// The items of a comma-separated list ("k,mag_db,gd21_s"), in its order. An item that names
// no column is put in `unknown` and the list is refused (empty result).
std::vector<MeasureColumn> readMeasureList(const std::string& list, std::string& unknown);

// True when a column needs the run's noise analysis.
bool needsNoise(std::span<const MeasureColumn> columns);

// The known names, separated by ", ", for the message that refuses an unknown one.
std::string measureNames();

// ",k,mag_db": the heading cells to append to the S-parameter heading.
std::string measureHeading(std::span<const MeasureColumn> columns);

// Per point, the cells to append to its S-parameter line (each led by a comma). z1, z2 are
// the ports' reference impedances in ohm. The group delay needs the neighbouring points,
// so the whole sweep is given at once.
std::vector<std::string> measureCells(std::span<const SweepPoint> points,
                                      std::span<const MeasureColumn> columns, double z1, double z2);

} // namespace norvane
