#pragma once
// The environment record: the user's preferences for the whole run (editor options, screen
// and printer colours, the sweep and axis defaults of new schematics, the last file and the
// window placements). One record exists from start to end; the preference windows edit it,
// painting, the graph window, printing and clearSchematic read it, and it is kept between runs
// in Norvane.cfg (see configfile.h).
//
// Colours are 32-bit colour integers: red in the low byte, green in the next, blue in the
// next (255 red, 8421504 grey, 16711680 blue, 16777215 white).

#include <array>
#include <cstddef>
#include <string>

namespace norvane {

namespace colours {
constexpr int kBlack = 0;
constexpr int kRed = 255;
constexpr int kGrey = 8421504;
constexpr int kBlue = 16711680;
constexpr int kWhite = 16777215;
} // namespace colours

// Window state texts, as stored in the file.
constexpr const char* kWindowStateNormal = "wsNormal";
constexpr const char* kWindowStateMaximized = "wsMaximized";
constexpr const char* kWindowStateMinimized = "wsMinimized";

// True for exactly one of the three state texts above.
bool isWindowStateText(const std::string& text);

struct WindowPlacement
{
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowPlacement&) const = default;
};

// The longest file name the record keeps, in characters (a UTF-8 letter of several bytes
// counts once); longer names read from the file are cut, never inside a character.
constexpr std::size_t kMaxEnvironmentFileName = 255;

// How many recently opened files the File menu offers.
constexpr std::size_t kRecentFileCount = 8;

// Every member starts at its default, so a default-constructed record is the initialised one.
struct Environment
{
  std::string filename;     // full path of the last schematic (also the current file name)
  int numpoints = 100;      // sweep intervals of a new schematic
  double mindB = -50.0;     // bottom of both trace axes of a new schematic
  double maxdB = 50.0;      // top of both trace axes of a new schematic
  double lowfreq = 1000.0;  // start frequency of a new schematic, Hz
  double highfreq = 1e10;   // stop frequency of a new schematic, Hz
  bool autoopen = true;     // open the last file at start-up
  bool chainshorts = false; // chain connecting wires
  bool rememberlastcomp = false;
  bool gridon = true; // show the grid dots

  // Schematic colours on screen (11..21 are the schematic preference swatches' initial
  // colours) and the grid dots.
  int papercolor = colours::kWhite;
  int selectedcompcolor = colours::kGrey;
  int compcolor = colours::kBlack;
  int selectedcomptextcolor = colours::kGrey;
  int comptextcolor = colours::kBlack;
  int selectedwirecolor = colours::kGrey;
  int wirecolor = colours::kBlack;
  int selectedportcolor = colours::kGrey;
  int portcolor = colours::kBlack;
  int gndcolor = colours::kBlack;
  int selectedgndcolor = colours::kGrey;

  // Graph colours on screen.
  int trace1color = colours::kRed;
  int trace2color = colours::kBlue;
  int majoraxiscolor = colours::kWhite;
  int minoraxiscolor = colours::kGrey;
  int graphbackgroundcolor = colours::kBlack;
  int griddotscolor = colours::kGrey;

  // Printer colours.
  int printerpapercolor = colours::kWhite;
  int printercompcolor = colours::kBlack;
  int printercomptextcolor = colours::kBlack;
  int printerwirecolor = colours::kBlack;
  int printerportcolor = colours::kBlack;
  int printergndcolor = colours::kBlack;
  int printertrace1color = colours::kRed;
  int printertrace2color = colours::kBlue;
  int printermajoraxiscolor = colours::kBlack;
  int printerminoraxiscolor = colours::kGrey;
  // Spare colour: read from the key "printergraphbackgroundcolor=", never written, unused.
  int printergraphbackgroundcolor = colours::kWhite;

  // The desktop's own keys, written only when they hold something, after the others, so a
  // configuration without them stays as it always was (and older readers skip them):
  // the files opened last, newest first (empty entries unused), and the tune step's key
  // ("E24", "5%"; empty for the default E12), and the temperature of the circuit's noise
  // sources in kelvin ("300"; empty for the standard 290 K).
  std::array<std::string, kRecentFileCount> recentfiles;
  std::string tunestep;
  std::string noisetemp;

  WindowPlacement schemawinpos{50, 50, 500, 400};
  std::string schemawinstat = kWindowStateNormal;
  WindowPlacement graphwinpos{100, 100, 450, 350};
  std::string graphwinstat = kWindowStateNormal;

  bool operator==(const Environment&) const = default;
};

// The built-in defaults filled in at the main window's first activation, before the
// configuration file is read: a sweep of 100 intervals from 1000 Hz to 1e10 Hz, the Y range
// -50 to 50, "Remember Last Component" off, automatic opening of the last file on, and the
// default window placements in the normal state. The colours (taken from the preference
// swatches) and the other options are left as they are.
void fillBuiltInDefaults(Environment& env);

// The temperature of the noise sources, K: the preference "noisetemp" when it reads wholly as
// a number above 0 and at most 1e6, else the standard 290 K.
double noiseKelvin(const Environment& env);

// `path` first in the list of recent files, any older entry of it removed, the oldest
// dropped when the list is full.
void rememberRecentFile(Environment& env, const std::string& path);
// The list without `path`, the rest moved up.
void forgetRecentFile(Environment& env, const std::string& path);

} // namespace norvane
