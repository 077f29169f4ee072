// norvane-cli simulate FILE.cct: runs the circuit's frequency sweep and writes the
// S-parameters of every point, as the S-parameter result file, a full-precision Touchstone
// file or comma-separated values.

#include "arguments.h"
#include "command.h"
#include "loadinput.h"
#include "simulateprompts.h"

#include "config/environment.h"
#include "document/atomicwrite.h"
#include "document/clearschema.h"
#include "numbers/valuetext.h"
#include "sim/plotpoint.h"
#include "sim/results.h"
#include "sim/simulate.h"
#include "sim/sparamfile.h"
#include "sim/touchstonewriter.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>
#include <ostream>
#include <sstream>

namespace norvane::cli {

namespace {

// Collects the S-parameters of every point.
class CollectPoints : public SweepOutput
{
public:
  void sweepPoint(int, const SweepPoint& point) override { points.push_back(point); }
  std::vector<SweepPoint> points;
};

// A frequency on the command line: a number with an optional prefix letter and unit ("1MHz",
// "2.4G", "1 MHz"). Anything else is refused with the reason, naming the option.
std::string parseFrequency(const std::string& option, const std::string& text, double& f)
{
  const NumberReading n = ReadNumber(text, NumberRules::Entry("Hz"));
  if (!n.ok) {
    return option + ": \"" + text + "\" is " + n.problem + " (a frequency, e.g. 1MHz)";
  }
  if (!(n.value > 0.0)) {
    return option + " needs a frequency above zero, e.g. 1MHz";
  }
  f = n.value;
  return {};
}

bool parseInteger(const std::string& text, long long& value)
{
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last;
}

void writeResults(std::ostream& os, const std::vector<SweepPoint>& points,
                  const std::string& format, const TouchstoneSource& source)
{
  if (format == "touchstone") {
    os << touchstoneText(points, source);
    return;
  }
  if (format == "csv") {
    os << kCsvHeader << '\n';
    for (const SweepPoint& p : points) {
      os << FormatCsvLine(p) << '\n';
    }
    return;
  }
  os << kResultFileHeader << kResultFileLineEnd << kResultFileOptions << kResultFileLineEnd;
  for (const SweepPoint& p : points) {
    os << FormatResultFileLine(p) << kResultFileLineEnd;
  }
}

} // namespace

int runSimulate(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("simulate");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true},
                                                       {"", "--format", true},
                                                       {"", "--start", true},
                                                       {"", "--stop", true},
                                                       {"", "--points", true},
                                                       {"", "--lin", false},
                                                       {"", "--log", false},
                                                       {"", "--tolerance", true},
                                                       {"", "--seed", true},
                                                       {"", "--autoscale", false}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self, parsed.positional.empty() ? "missing input file" : "too many arguments",
                      io);
  }
  const std::string format = parsed.value("--format").value_or("s2p");
  if (format != "s2p" && format != "csv" && format != "touchstone") {
    return usageError(self, "unknown format '" + format + "' (s2p, touchstone or csv)", io);
  }
  if (parsed.has("--lin") && parsed.has("--log")) {
    return usageError(self, "--lin and --log exclude each other", io);
  }
  double start = 0.0;
  double stop = 0.0;
  for (const auto& [option, f] : {std::pair{"--start", &start}, std::pair{"--stop", &stop}}) {
    if (const auto text = parsed.value(option)) {
      if (const std::string problem = parseFrequency(option, *text, *f); !problem.empty()) {
        return usageError(self, problem, io);
      }
    }
  }
  long long points = 0;
  if (parsed.has("--points") && (!parseInteger(*parsed.value("--points"), points) || points < 2)) {
    return usageError(self, "--points needs a whole number of at least 2", io);
  }
  int toleranceMode = tolerancemode::Nominal;
  if (const auto t = parsed.value("--tolerance")) {
    if (*t == "lower") {
      toleranceMode = tolerancemode::Lower;
    } else if (*t == "nominal") {
      toleranceMode = tolerancemode::Nominal;
    } else if (*t == "upper") {
      toleranceMode = tolerancemode::Upper;
    } else if (*t == "random") {
      toleranceMode = tolerancemode::Random;
    } else {
      return usageError(self, "unknown tolerance '" + *t + "' (lower, nominal, upper, random)", io);
    }
  }
  long long seed = 0;
  if (parsed.has("--seed") &&
      (!parseInteger(*parsed.value("--seed"), seed) || seed < 0 || seed > 4294967295LL)) {
    return usageError(self, "--seed needs a whole number from 0 to 4294967295", io);
  }

  const std::string& input = parsed.positional.front();
  auto doc = std::make_unique<Tschema>(); // large: keep it off the stack
  TenvironmentProps env;
  fillBuiltInDefaults(env);
  ClearSchema(*doc, env);
  if (!loadInput(*doc, input, io)) {
    return kExitFailure;
  }

  // The sweep: the file's, changed by the options.
  if (parsed.has("--start")) {
    doc->Xax.min = start;
  }
  if (parsed.has("--stop")) {
    doc->Xax.max = stop;
  }
  if (parsed.has("--points")) {
    const long long intervals = points - 1;
    doc->Xax.numpoints =
        static_cast<int>(intervals > kMaxSweepIntervals ? kMaxSweepIntervals : intervals);
  }
  // A sweep that would have to be corrected is reported instead (the desktop program's
  // sweep dialog corrects it; here nobody would see the change).
  if (!(doc->Xax.min < doc->Xax.max) || !std::isfinite(doc->Xax.max)) {
    const bool fromOptions = parsed.has("--start") || parsed.has("--stop");
    io.err << "norvane-cli: the sweep start (" << FormatEngineering(6, doc->Xax.min)
           << "Hz) must lie below its stop (" << FormatEngineering(6, doc->Xax.max) << "Hz)"
           << (fromOptions ? "" : " in " + input) << "\n";
    return fromOptions ? kExitUsage : kExitFailure;
  }
  if (parsed.has("--lin")) {
    doc->Xax.freqmode = freqmode::Linear;
  }
  if (parsed.has("--log")) {
    doc->Xax.freqmode = freqmode::Logarithmic;
  }

  if (format == "s2p" && !resultFilePortsOk(doc->drawdat.P1.Zo, doc->drawdat.P2.Zo)) {
    io.err << kMsgResultFilePorts << "\n";
    return kExitFailure;
  }

  SimulationSession session;
  session.toleranceMode = toleranceMode;
  session.random.setSeed(parsed.has("--seed")
                             ? static_cast<std::uint32_t>(seed)
                             : static_cast<std::uint32_t>(
                                   std::chrono::system_clock::now().time_since_epoch().count()));
  SimulatePrompts prompts(io.err, parsed.has("--autoscale") ? Answer::Yes : Answer::No);
  CollectPoints collected;
  // Every present port is excited, as for the data list, whatever the file shows.
  doc->plotformat = plotformat::DataList;
  const SimulateResult result = Simulate(*doc, session, collected, prompts);
  if (!result.ran) {
    return kExitFailure;
  }
  const TouchstoneSource source{"Norvane " NORVANE_VERSION, fileNameWithoutFolder(input),
                                utcDateText(std::time(nullptr)), doc->drawdat.P1.Zo,
                                doc->drawdat.P2.Zo};

  if (const auto output = parsed.value("--output"); output && *output != "-") {
    // The whole text is written at once through a temporary file, so a full disk keeps the
    // previous result file.
    std::ostringstream text;
    writeResults(text, collected.points, format, source);
    if (const FileResult r = writeFileAtomically(*output, text.view()); !r) {
      io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
      return kExitFailure;
    }
  } else {
    writeResults(io.out, collected.points, format, source);
  }
  // Points whose network could not be solved are written without values; the run reports
  // them above and counts as failed.
  return result.failedPoints > 0 ? kExitFailure : kExitOk;
}

} // namespace norvane::cli
