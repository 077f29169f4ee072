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
// parameters, where reading stops. Version 2 files are read with their keywords ([Version],
// [Number of Ports], [Two-Port Data Order], [Number of Frequencies], [Reference],
// [Matrix Format], [Network Data], [Noise Data] (skipped), [End]); their records may run over
// several lines. At most 1999 points are kept. When the data start before a unit or format
// is known the user is asked once ("S parameter File Error", Prompts::sParameterFormat).
//
// CITIFILE: the header's DATA lines name the parameters (at most four are read, in order) and
// its SEG line gives a single linear sweep (start, stop, count; at most 2000 points kept);
// each parameter follows as a BEGIN ... END block of "real,imaginary" lines.
//
// A file that does not read as a whole is refused with a message naming the line (a field
// that is not a number, a data line that does not hold a whole record, frequencies out of
// order, more than two ports, Y/Z/H/G parameters); the buffer is left as it was. Any content,
// however malformed, is read or refused without crashing.

#include "document/fileresult.h"
#include "document/schema.h"
#include "platform/prompts.h"

#include <string>
#include <string_view>

namespace norvane {

namespace sparamfile {
constexpr int kMaxTouchstonePoints = 1999;
constexpr int kMaxCitifilePoints = kMaxDataPoints;
// The format dialog.
constexpr const char* kErrorCaption = "S parameter File Error";
constexpr const char* kErrorText =
    "No formatting information was found in the  S parameter file specified. ";
constexpr const char* kErrorPrompt = "Select frequency units and data format to use:-";
} // namespace sparamfile

// The outcome of reading an S-parameter file. On failure `error` holds the message for the
// error box and the buffer is unchanged; on success `note` may say what was done to the data
// (the conversion to 50 ohm), for the dialog to show.
struct SParamReadResult
{
  std::string error;
  std::string note;

  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

// Reads `fileName` into `buffer` (its points and name; other fields are left alone). A file
// that cannot be opened or read gives "File not found", "File access denied" or "Disk read
// error"; a file that does not read as S-parameter data gives a message naming the line.
SParamReadResult ReadSParameterFile(const std::string& fileName, T2pdatarray& buffer,
                                    Prompts& prompts);

// The same for content already in memory; `fileName` gives the set its name (and a ".s3p"
// or higher extension is refused).
SParamReadResult readSParameterText(std::string_view content, const std::string& fileName,
                                    T2pdatarray& buffer, Prompts& prompts);

// The part of a path after its last folder separator ("/" or "\").
std::string fileNameWithoutFolder(const std::string& path);

// Frequency multiplier of a unit of the format dialog ("Hz" 1 ... "THz" 1e12); 1e6 for
// anything else.
double unitMultiplier(const std::string& units);

} // namespace norvane
