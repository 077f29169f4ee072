#pragma once
// The text forms of a sweep's S-parameters for files: the S-parameter result file
// (Touchstone style, readable by the program's own data-file reader) and the
// comma-separated export of the command-line tool. (The data list's cells are the graph
// window's: graph/datalist.h.)

#include "numbers/valuetext.h"
#include "sim/complex.h"
#include "sim/sweeppoint.h"

#include <span>
#include <string>

namespace norvane {

// ---- Number text --------------------------------------------------------------------------

// formatFixed (numbers/valuetext.h) writes the numbers of the list and the file.

// Degrees per radian of the list and the file.
constexpr double kResultDegPerRad = complexconst::kDegPerRad;

// ---- S-parameter result file --------------------------------------------------------------

inline constexpr const char* kResultFileHeader = "! Kestrel S parameter simulation result";
inline constexpr const char* kResultFileOptions = "# MHz MA";
inline constexpr const char* kResultFileLineEnd = "\r\n";

// One data line (without its line end): the frequency in MHz with 6 decimals, then the
// magnitude and angle (degrees, 3 decimals) of S11, S21, S12, S22 as far as they exist, each
// number followed by one blank. A two-port gives nine numbers, a one-port three. The file is
// written only for 50 ohm ports, where the raw and normalised transmission coefficients agree;
// the raw ones are written. A point whose network could not be solved gives an empty line.
std::string formatResultFileLine(const SweepPoint& point);

// The whole result file of a sweep: the header and options lines, then one line per point,
// each ended by kResultFileLineEnd. The graph window's export and the command line write
// exactly this text.
std::string resultFileText(std::span<const SweepPoint> points);

inline constexpr const char* kMsgResultFilePorts =
    "Port impedances must be 50R for saving results to S parameter file";

// The export refuses unless both ports are exactly 50 ohm.
inline bool resultFilePortsOk(double z1, double z2)
{
  return z1 == 50.0 && z2 == 50.0;
}

// ---- Comma-separated values ---------------------------------------------------------------

inline constexpr const char* kCsvHeader =
    "freq_hz,s11_re,s11_im,s21_re,s21_im,s12_re,s12_im,s22_re,s22_im";

// Frequency in Hz and the real and imaginary parts of S11, S21, S12, S22 (transmission
// normalised by the port impedances) with 17 significant digits, enough to read back the
// same double; the fields of parameters that were not computed are empty.
std::string formatCsvLine(const SweepPoint& point);

// One number as the comma-separated fields write it: 17 significant digits.
std::string formatCsvNumber(double x);

} // namespace norvane
