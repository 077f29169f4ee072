// norvane-cli simulate FILE.cct: runs the circuit's frequency sweep and writes the
// S-parameters of every point, as the S-parameter result file, a full-precision Touchstone
// file or comma-separated values.

#include "arguments.h"
#include "command.h"
#include "commandinput.h"
#include "simulateprompts.h"

#include "document/atomicwrite.h"
#include "graph/simulationrun.h"
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
#include <optional>
#include <ostream>
#include <sstream>

namespace norvane::cli {

namespace {

// Collects the S-parameters of every point.
class CollectPoints : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override { points.push_back(p); }
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
  os << ResultFileText(points);
}

const std::vector<OptionSpec> kSimulateOptions = {
    {"-o", "--output", true},  {"", "--format", true},    {"", "--start", true},
    {"", "--stop", true},      {"", "--points", true},    {"", "--lin", false},
    {"", "--log", false},      {"", "--tolerance", true}, {"", "--seed", true},
    {"", "--autoscale", false}};

// The options' values, checked before the input is read.
struct SimulateOptions
{
  std::string format = "s2p";
  double start = 0.0;
  double stop = 0.0;
  long long points = 0;
  int toleranceMode = tolerancemode::Nominal;
  long long seed = 0;
};

std::string readTolerance(const ParsedArguments& parsed, int& mode)
{
  const auto t = parsed.value("--tolerance");
  if (!t) {
    return {};
  }
  constexpr std::pair<const char*, int> kModes[] = {{"lower", tolerancemode::Lower},
                                                    {"nominal", tolerancemode::Nominal},
                                                    {"upper", tolerancemode::Upper},
                                                    {"random", tolerancemode::Random}};
  for (const auto& [name, value] : kModes) {
    if (*t == name) {
      mode = value;
      return {};
    }
  }
  return "unknown tolerance '" + *t + "' (lower, nominal, upper, random)";
}

// The problem with the options, or empty.
std::string readOptions(const ParsedArguments& parsed, SimulateOptions& o)
{
  o.format = parsed.value("--format").value_or("s2p");
  if (o.format != "s2p" && o.format != "csv" && o.format != "touchstone") {
    return "unknown format '" + o.format + "' (s2p, touchstone or csv)";
  }
  if (parsed.has("--lin") && parsed.has("--log")) {
    return "--lin and --log exclude each other";
  }
  for (const auto& [option, f] : {std::pair{"--start", &o.start}, std::pair{"--stop", &o.stop}}) {
    if (const auto text = parsed.value(option)) {
      if (std::string problem = parseFrequency(option, *text, *f); !problem.empty()) {
        return problem;
      }
    }
  }
  if (parsed.has("--points") &&
      (!parseInteger(*parsed.value("--points"), o.points) || o.points < 2)) {
    return "--points needs a whole number of at least 2";
  }
  if (std::string problem = readTolerance(parsed, o.toleranceMode); !problem.empty()) {
    return problem;
  }
  if (parsed.has("--seed") &&
      (!parseInteger(*parsed.value("--seed"), o.seed) || o.seed < 0 || o.seed > 4294967295LL)) {
    return "--seed needs a whole number from 0 to 4294967295";
  }
  return {};
}

// The sweep: the file's, changed by the options. A sweep that would have to be corrected is
// reported instead (the desktop program's sweep dialog corrects it; here nobody would see the
// change): returns the exit code then.
std::optional<int> applySweepOptions(Tschema& doc, const ParsedArguments& parsed,
                                     const SimulateOptions& o, CommandIo& io)
{
  Txaxis& x = doc.Xax;
  if (parsed.has("--start")) {
    x.min = o.start;
  }
  if (parsed.has("--stop")) {
    x.max = o.stop;
  }
  if (parsed.has("--points")) {
    const long long intervals = o.points - 1;
    x.numpoints = static_cast<int>(intervals > kMaxSweepIntervals ? kMaxSweepIntervals : intervals);
  }
  if (const std::string problem = SweepLimitsProblem(x); !problem.empty()) {
    const bool fromOptions = parsed.has("--start") || parsed.has("--stop");
    io.err << "norvane-cli: " << problem << (fromOptions ? "" : " in " + parsed.positional.front())
           << "\n";
    return fromOptions ? kExitUsage : kExitFailure;
  }
  if (parsed.has("--lin")) {
    x.freqmode = freqmode::Linear;
  }
  if (parsed.has("--log")) {
    x.freqmode = freqmode::Logarithmic;
  }
  return std::nullopt;
}

// To the output file (written at once through a temporary file, so a full disk keeps the
// previous result file) or to standard output.
int writeOutput(const ParsedArguments& parsed, const std::string& format,
                const CollectPoints& collected, const TouchstoneSource& source, CommandIo& io)
{
  const auto output = parsed.value("--output");
  if (!output || *output == "-") {
    writeResults(io.out, collected.points, format, source);
    return kExitOk;
  }
  std::ostringstream text;
  writeResults(text, collected.points, format, source);
  if (const FileResult r = writeFileAtomically(*output, text.view()); !r) {
    io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

std::uint32_t seedOf(const ParsedArguments& parsed, const SimulateOptions& o)
{
  return parsed.has("--seed") ? static_cast<std::uint32_t>(o.seed)
                              : static_cast<std::uint32_t>(
                                    std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

int runSimulate(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("simulate");
  const auto parsedArgs = parseCommandArguments(self, args, kSimulateOptions, io);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  SimulateOptions options;
  if (const std::string problem = readOptions(parsed, options); !problem.empty()) {
    return usageError(self, problem, io);
  }
  const std::string& input = parsed.positional.front();
  const auto doc = loadDocument(input, io);
  if (!doc) {
    return kExitFailure;
  }
  if (const auto refused = applySweepOptions(*doc, parsed, options, io)) {
    return *refused;
  }
  if (options.format == "s2p" && !resultFilePortsOk(doc->drawdat.P1.Zo, doc->drawdat.P2.Zo)) {
    io.err << kMsgResultFilePorts << "\n";
    return kExitFailure;
  }
  SimulationSession session;
  session.toleranceMode = options.toleranceMode;
  session.random.setSeed(seedOf(parsed, options));
  SimulatePrompts prompts(io.err, parsed.has("--autoscale") ? Answer::Yes : Answer::No);
  CollectPoints collected;
  const SimulateResult result = SimulateEveryPort(*doc, session, collected, prompts);
  if (!result.ran) {
    return kExitFailure;
  }
  const TouchstoneSource source{"Norvane " NORVANE_VERSION, fileNameWithoutFolder(input),
                                utcDateText(std::time(nullptr)), doc->drawdat.P1.Zo,
                                doc->drawdat.P2.Zo};
  if (const int written = writeOutput(parsed, options.format, collected, source, io);
      written != kExitOk) {
    return written;
  }
  // Points whose network could not be solved are written without values; the run reports
  // them above and counts as failed.
  return result.failedPoints > 0 ? kExitFailure : kExitOk;
}

} // namespace norvane::cli
