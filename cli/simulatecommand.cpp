// norvane-cli simulate FILE.cct: runs the circuit's frequency sweep and writes the
// S-parameters of every point, as the S-parameter result file, a full-precision Touchstone
// file or comma-separated values.

#include "arguments.h"
#include "command.h"
#include "commandinput.h"
#include "datafileinput.h"
#include "simulateprompts.h"

#include "document/atomicwrite.h"
#include "document/componentkinds.h"
#include "document/placement.h"
#include "editor/propertymapping_sparam.h"
#include "graph/simulationrun.h"
#include "numbers/valuetext.h"
#include "sim/blockdatafile.h"
#include "sim/measurecolumns.h"
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
  const NumberReading n = readNumber(text, NumberRules::Entry("Hz"));
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

// The options' values, checked before the input is read.
struct SimulateOptions
{
  std::string format = "s2p";
  double start = 0.0;
  double stop = 0.0;
  long long points = 0;
  int toleranceMode = tolerancemode::Nominal;
  long long seed = 0;
  std::vector<MeasureColumn> measures; // appended to the csv columns
  bool noise = false;                  // --noise: the Touchstone file carries a noise block
  bool analyseNoise() const { return noise || needsNoise(measures); }
};

void writeResults(std::ostream& os, const std::vector<SweepPoint>& points,
                  const SimulateOptions& options, const TouchstoneSource& source)
{
  if (options.format == "touchstone") {
    os << touchstoneText(points, source, options.noise);
    return;
  }
  if (options.format == "csv") {
    const std::vector<std::string> measures =
        measureCells(points, options.measures, source.z1, source.z2);
    os << kCsvHeader << measureHeading(options.measures) << '\n';
    for (std::size_t i = 0; i < points.size(); ++i) {
      os << formatCsvLine(points[i]) << measures[i] << '\n';
    }
    return;
  }
  os << resultFileText(points);
}

const std::vector<OptionSpec> kSimulateOptions = {
    {"-o", "--output", true},   {"", "--format", true},    {"", "--start", true},
    {"", "--stop", true},       {"", "--points", true},    {"", "--lin", false},
    {"", "--log", false},       {"", "--tolerance", true}, {"", "--seed", true},
    {"", "--autoscale", false}, {"", "--data", true},      {"", "--measures", true},
    {"", "--noise", false}};

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

std::string readMeasures(const ParsedArguments& parsed, SimulateOptions& o)
{
  const auto list = parsed.value("--measures");
  if (!list) {
    return {};
  }
  if (o.format != "csv") {
    return "--measures needs --format csv";
  }
  std::string unknown;
  o.measures = readMeasureList(*list, unknown);
  if (o.measures.empty()) {
    return unknown.empty() ? "--measures needs a comma-separated list of " + measureNames()
                           : "unknown measure '" + unknown + "' (" + measureNames() + ")";
  }
  return {};
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
  // The graph's point store holds kMaxSweepIntervals + 1 points; more cannot be swept.
  if (parsed.has("--points") && (!parseInteger(*parsed.value("--points"), o.points) ||
                                 o.points < 2 || o.points > kMaxSweepIntervals + 1)) {
    return "--points needs a whole number from 2 to " + std::to_string(kMaxSweepIntervals + 1);
  }
  if (std::string problem = readTolerance(parsed, o.toleranceMode); !problem.empty()) {
    return problem;
  }
  if (parsed.has("--seed") &&
      (!parseInteger(*parsed.value("--seed"), o.seed) || o.seed < 0 || o.seed > 4294967295LL)) {
    return "--seed needs a whole number from 0 to 4294967295";
  }
  o.noise = parsed.has("--noise");
  if (o.noise && o.format != "touchstone") {
    return "--noise needs --format touchstone";
  }
  return readMeasures(parsed, o);
}

// The sweep: the file's, changed by the options. A sweep that would have to be corrected is
// reported instead (the desktop program's sweep dialog corrects it; here nobody would see the
// change): returns the exit code then.
std::optional<int> applySweepOptions(Schematic& doc, const ParsedArguments& parsed,
                                     const SimulateOptions& o, CommandIo& io)
{
  SweepAxis& x = doc.Xax;
  if (parsed.has("--start")) {
    x.min = o.start;
  }
  if (parsed.has("--stop")) {
    x.max = o.stop;
  }
  if (parsed.has("--points")) {
    x.numpoints = static_cast<int>(o.points - 1);
  }
  if (const std::string problem = sweepLimitsProblem(x); !problem.empty()) {
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
int writeOutput(const ParsedArguments& parsed, const SimulateOptions& options,
                const CollectPoints& collected, const TouchstoneSource& source, CommandIo& io)
{
  const auto output = parsed.value("--output");
  if (!output || *output == "-") {
    writeResults(io.out, collected.points, options, source);
    return kExitOk;
  }
  std::ostringstream text;
  writeResults(text, collected.points, options, source);
  if (const FileResult r = writeFileAtomically(*output, text.view()); !r) {
    io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

// --data BLOCK=FILE: the data block named BLOCK takes the S-parameters of FILE, read as its
// dialog's "Load File" reads them (the same refusals, the port count checked). The reader's
// note and warning go to standard error. Returns the exit code when the data are refused.
std::optional<int> loadBlockData(Schematic& doc, const std::string& assignment, Prompts& prompts,
                                 CommandIo& io)
{
  const std::size_t eq = assignment.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 == assignment.size()) {
    io.err << "norvane-cli: --data needs BLOCK=FILE, e.g. --data ATT1=att.s2p\n";
    return kExitUsage;
  }
  const std::string block = assignment.substr(0, eq);
  const std::string file = assignment.substr(eq + 1);
  bool found = false;
  for (const Component& c : doc.drawdat.components) {
    const int index = blockDataSetIndex(c);
    if (c.name != block || dataBlockOf(c.ctype) == DataBlock::None || index < 1 ||
        index > kMaxDataSets) {
      continue;
    }
    found = true;
    auto buffer = std::make_unique<TwoPortDataSet>(blockBufferFromDataSet(doc, c.ctype, index));
    const SParamReadResult read = loadBlockDataFile(c.ctype, file, *buffer, prompts);
    if (!read) {
      io.err << "norvane-cli: " << file << ": " << read.error << "\n";
      return kExitFailure;
    }
    for (const std::string& said : {read.note, read.warning}) {
      if (!said.empty()) {
        io.err << file << ": " << said << "\n";
      }
    }
    storeBlockDataSet(doc, c.ctype, index, *buffer, buffer->name);
    break; // blocks of one name share the data set the first one names
  }
  if (!found) {
    io.err << "norvane-cli: no S-parameter data block is named " << block << "\n";
    return kExitFailure;
  }
  return std::nullopt;
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
  SimulatePrompts prompts(io.err, parsed.has("--autoscale") ? Answer::Yes : Answer::No);
  const auto doc =
      isDataFileInput(input) ? documentFromDataFile(input, prompts, io) : loadDocument(input, io);
  if (!doc) {
    return kExitFailure;
  }
  if (const auto data = parsed.value("--data")) {
    if (const auto refused = loadBlockData(*doc, *data, prompts, io)) {
      return *refused;
    }
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
  CollectPoints collected;
  const SimulateResult result =
      simulateEveryPort(*doc, session, collected, prompts, options.analyseNoise());
  if (!result.ran) {
    return kExitFailure;
  }
  if (options.analyseNoise()) {
    // The noise figure is a two-port's: both ports must be part of the circuit.
    if (!result.netlist.port1Connected || !result.netlist.port2Connected) {
      io.err << "norvane-cli: " << kMsgNoiseTwoPort << "\n";
      return kExitFailure;
    }
    if (!result.noiseNotice.empty()) {
      io.err << result.noiseNotice << "\n";
    }
    // A point without a noise figure (no gain to port 2) is left empty; say so once.
    int undefined = 0;
    for (const SweepPoint& p : collected.points) {
      undefined += (p.excited1 || p.excited2) && !p.noise.nfDb ? 1 : 0;
    }
    if (undefined > 0) {
      io.err << "Noise: the noise figure is undefined (no transfer to port 2) at " << undefined
             << " of " << collected.points.size() << " frequency points, left empty\n";
    }
  }
  // Values outside a block's data are made up along its end intervals: say so.
  for (const std::string& line : result.extrapolated) {
    io.err << line << "\n";
  }
  const TouchstoneSource source{"Norvane " NORVANE_VERSION, fileNameWithoutFolder(input),
                                utcDateText(std::time(nullptr)), doc->drawdat.P1.Zo,
                                doc->drawdat.P2.Zo};
  if (const int written = writeOutput(parsed, options, collected, source, io); written != kExitOk) {
    return written;
  }
  // Points whose network could not be solved are written without values; the run reports
  // them above and counts as failed.
  return result.failedPoints > 0 ? kExitFailure : kExitOk;
}

} // namespace norvane::cli
