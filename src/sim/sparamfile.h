#pragma once
// Reading measured or vendor S-parameters into a data set: Touchstone files (*.s1p, *.s2p;
// versions 1 and 2) and HP network analyser CITIFILEs (*.d1, *.d2). The result file and the
// Touchstone export the program writes read back.
//
// The reader fills a buffer shaped like a 2-port set; a 1-port dialog copies frequency and the
// first (magnitude, angle) pair of each point. Parameters are stored as S11, S21, S12, S22
// (a 1-port file fills S11 only), magnitudes linear, angles in radians, frequencies in hertz,
// referred to 50 ohm: data measured against another reference impedance (the option line's
// "R", or Touchstone 2's [Reference]) are converted on reading and the result says so.
//
// Touchstone: "!" starts a comment anywhere; a line starting with "#" is the option line
// (unit HZ ... THZ, parameter S, format MA, DB or RI, "R" and the reference impedance) and
// applies to the lines after it; fields are separated by blanks, tabs or commas, in any case.
// A version 1 data line holds one whole record: the frequency and one pair (1-port) or four
// pairs (2-port). In a 2-port file a frequency not above the one before starts the noise
// parameters (five numbers a line: frequency, NFmin in dB, |Gamma-opt|, its angle in degrees,
// Rn normalised to the reference), kept in the set's `noise` referred to 50 ohm; any other
// line there ends the reading. Version 2 files are read with their keywords ([Version],
// [Number of Ports], [Two-Port Data Order], [Number of Frequencies], [Reference],
// [Matrix Format], [Network Data], [Noise Data] (kept as in version 1), [End]); their records may
// run over several lines. At most 1999 points are kept. When the data start before a unit or format
// is known the user is asked once ("S parameter File Error", Prompts::sParameterFormat).
//
// CITIFILE: the header's DATA lines name the parameters (at most four are read, in order) and
// its SEG line gives a single linear sweep (start, stop, count; at most 2000 points kept);
// each parameter follows as a BEGIN ... END block of "real,imaginary" lines.
//
// A file that does not read as a whole is refused with a message naming the line (a field
// that is not a number, a data line that does not hold a whole record, frequencies out of
// order or below zero, a negative magnitude, more than two ports, Y/Z/H/G parameters; a
// CITIFILE without DATA or SEG line, with a falling sweep or with a block shorter than its
// SEG count); the buffer is left as it was. A file larger than kMaxFileBytes is refused
// before it is read: no file of 2000 points needs that much. A file with more points than
// a set holds is read up to the set's capacity, and the result's warning says where the
// data were cut. Any content, however malformed, is read or refused without crashing.

#include "document/fileresult.h"
#include "document/schematic.h"
#include "platform/prompts.h"

#include <string>
#include <string_view>
#include <utility>

namespace norvane {

namespace sparamfile {
constexpr int kMaxTouchstonePoints = 1999;
constexpr int kMaxCitifilePoints = kMaxDataPoints;
// The largest file read. 2000 points of a 2-port file take well under 1 MB even in the
// widest layout; 64 MiB leaves room for any amount of comments and noise data, and keeps a
// mistaken pick (a disk image, a device that never ends) from filling the memory.
constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;
// The format dialog.
constexpr const char* kErrorCaption = "S parameter File Error";
constexpr const char* kErrorText =
    "No formatting information was found in the  S parameter file specified. ";
constexpr const char* kErrorPrompt = "Select frequency units and data format to use:-";
} // namespace sparamfile

// The outcome of reading an S-parameter file. On failure `error` holds the message for the
// error box and the buffer is unchanged; on success `note` may say what was done to the data
// (the conversion to 50 ohm), for the dialog to show, and `warning` that the file held more
// points than were kept, for a warning box.
struct SParamReadResult
{
  std::string error;
  std::string note;
  std::string warning;
  // The file's port count: 1 or 2 (a CITIFILE with one DATA parameter is 1-port data, with
  // more 2-port data); 0 when the file held no data.
  int ports = 0;

  static SParamReadResult refused(std::string message)
  {
    SParamReadResult r;
    r.error = std::move(message);
    return r;
  }
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

// Reads `fileName` into `buffer` (its points and name; other fields are left alone). A file
// that cannot be opened or read gives "File not found", "File access denied" or "Disk read
// error"; a file above kMaxFileBytes is refused with its size; a file that does not read as
// S-parameter data gives a message naming the line.
SParamReadResult readSParameterFile(const std::string& fileName, TwoPortDataSet& buffer,
                                    Prompts& prompts);

// The same for content already in memory; `fileName` gives the set its name (and a ".s3p"
// or higher extension is refused).
SParamReadResult readSParameterText(std::string_view content, const std::string& fileName,
                                    TwoPortDataSet& buffer, Prompts& prompts);

// The part of a path after its last folder separator ("/" or "\").
std::string fileNameWithoutFolder(const std::string& path);

// Frequency multiplier of a unit of the format dialog ("Hz" 1 ... "THz" 1e12); 1e6 for
// anything else.
double unitMultiplier(const std::string& units);

// The warning for data cut at the set's capacity: `kept` points were read, up to `lastFreq`.
std::string cutWarning(int kept, double lastFreq);

} // namespace norvane
