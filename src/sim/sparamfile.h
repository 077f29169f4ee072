#pragma once
// Reading measured or vendor S-parameters into a data set: Touchstone-style files (*.s1p,
// *.s2p) and HP network analyser CITIFILEs (*.d1, *.d2). The result file the program writes
// is itself a Touchstone file and reads back.
//
// The reader fills a buffer shaped like a 2-port set; a 1-port dialog copies frequency and the
// first (magnitude, angle) pair of each point. Parameters are stored in the order the file
// lists them (S11, S21, S12, S22 for a Touchstone 2-port file), magnitudes linear, angles in
// radians, frequencies in hertz; all data are taken as referred to 50 Ohm.
//
// Touchstone: "!" starts a comment (to the end of the line); a line starting with "#" is the
// option line, whose unit (HZ, KHZ, MHZ, GHZ) and format (MA, DB, RI) apply to the lines after
// it; every line whose first field is a number is one frequency point (at most 1999), missing
// fields reading as 0. When the data start before a unit or format is known the user is asked
// once ("S parameter File Error", Prompts::sParameterFormat).
//
// CITIFILE: the header's DATA lines name the parameters (at most four are read, in order) and
// its SEG line gives a single linear sweep (start, stop, count; at most 2000 points kept);
// each parameter follows as a BEGIN ... END block of "real,imaginary" lines.
//
// Any content, however malformed, is read without crashing; what cannot be understood is
// skipped or reads as 0.

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

// Reads `fileName` into `buffer` (its points and name; other fields are left alone). A file
// that cannot be opened or read leaves the buffer untouched and returns the message for the
// error box ("File not found", "File access denied", "Disk read error"); the caller shows it.
FileResult ReadSParameterFile(const std::string& fileName, T2pdatarray& buffer, Prompts& prompts);

// The same for content already in memory; `fileName` only gives the set its name.
void readSParameterText(std::string_view content, const std::string& fileName, T2pdatarray& buffer,
                        Prompts& prompts);

// The part of a path after its last folder separator ("/" or "\").
std::string fileNameWithoutFolder(const std::string& path);

// Frequency multiplier of a unit of the format dialog ("Hz" 1 ... "THz" 1e12); 1e6 for
// anything else.
double unitMultiplier(const std::string& units);

} // namespace norvane
