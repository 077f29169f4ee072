// norvane-cli yield FILE.cct --runs N -o RESULT.json: random boards of the circuit checked
// against its goals; writes the result file (yield, interval, failures, ranking, records).

#include "arguments.h"
#include "command.h"
#include "commandinput.h"
#include "goaloptions.h"

#include "document/atomicwrite.h"
#include "yield/yieldengine.h"
#include "yield/yieldresult.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <thread>

namespace norvane::cli {

namespace {

const std::vector<OptionSpec> kYieldOptions = {{"-o", "--output", true}, {"", "--runs", true},
                                               {"", "--seed", true},     {"", "--goal", true},
                                               {"", "--threads", true},  {"", "--shard", true}};

constexpr unsigned long long kMostRuns = 100000000ULL;
constexpr unsigned long long kMostThreads = 1024ULL;
// Shards with fewer runs than this finish too soon to need progress lines.
constexpr long kProgressFrom = 2000;

struct Options
{
  std::vector<Goal> goals; // from --goal
  YieldSettings settings;
};

std::string readOptions(const ParsedArguments& parsed, Options& o)
{
  if (!parsed.has("--output")) {
    return "-o RESULT.json is required";
  }
  unsigned long long n = 0;
  const auto runs = parsed.value("--runs");
  if (!runs) {
    return "--runs N is required";
  }
  if (!parseWhole(*runs, kMostRuns, n) || n < 1) {
    return "--runs needs a whole number from 1 to " + std::to_string(kMostRuns);
  }
  o.settings.runs = static_cast<long>(n);
  if (const auto seed = parsed.value("--seed")) {
    if (!parseWhole(*seed, ~0ULL, n)) {
      return "--seed needs a whole number from 0 to 18446744073709551615";
    }
    o.settings.seed = n;
  }
  const unsigned cores = std::thread::hardware_concurrency();
  o.settings.threads = cores > 0 ? static_cast<int>(cores) : 1;
  if (const auto threads = parsed.value("--threads")) {
    if (!parseWhole(*threads, kMostThreads, n) || n < 1) {
      return "--threads needs a whole number from 1 to " + std::to_string(kMostThreads);
    }
    o.settings.threads = static_cast<int>(n);
  }
  if (const auto shard = parsed.value("--shard")) {
    const auto s = readYieldShard(*shard);
    if (!s) {
      return "--shard needs K/M with 1 <= K <= M, e.g. 2/4";
    }
    o.settings.shard = *s;
  }
  for (const std::string& text : parsed.values("--goal")) {
    const GoalReading r = parseGoal(text);
    if (!r.goal) {
      return "--goal \"" + text + "\": " + r.problem;
    }
    o.goals.push_back(*r.goal);
  }
  return {};
}

bool readBytes(const std::string& path, std::string& bytes)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  bytes = text.str();
  return static_cast<bool>(in) || in.eof();
}

// "yield: 30 % (3000 of 10000 runs)" each time another tenth is done.
class ProgressLines
{
public:
  explicit ProgressLines(std::ostream& err) : m_err(err) {}
  void operator()(long done, long total)
  {
    if (total < kProgressFrom) {
      return;
    }
    const long tenth = done * 10 / total;
    if (tenth > m_printed) {
      m_printed = tenth;
      m_err << "yield: " << tenth * 10 << " % (" << done << " of " << total << " runs)\n";
      m_err.flush();
    }
  }

private:
  std::ostream& m_err;
  long m_printed = 0;
};

} // namespace

int runYield(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("yield");
  const auto parsedArgs = parseCommandArguments(self, args, kYieldOptions, io);
  if (!parsedArgs) {
    return kExitUsage;
  }
  const ParsedArguments& parsed = *parsedArgs;
  Options options;
  if (const std::string problem = readOptions(parsed, options); !problem.empty()) {
    return usageError(self, problem, io);
  }
  const std::string& input = parsed.positional.front();
  const auto doc = loadDocument(input, io);
  if (!doc) {
    return kExitFailure;
  }
  std::string bytes;
  if (!readBytes(input, bytes)) {
    io.err << "norvane-cli: " << input << ": cannot be read\n";
    return kExitFailure;
  }
  const std::vector<Goal> goals =
      options.goals.empty() ? storedGoals(*doc, input, io) : options.goals;
  if (goals.empty()) {
    return usageError(self, "no goals: give --goal, or store goals in " + input, io);
  }

  ProgressLines progress(io.err);
  const YieldOutcome outcome = norvane::runYield(
      *doc, goals, options.settings, [&](long done, long total) { progress(done, total); });
  if (!outcome.ok) {
    io.err << outcome.problem << "\n";
    return kExitFailure;
  }
  YieldSetup setup;
  setup.schematic = std::filesystem::path(input).filename().string();
  setup.schematicHash = contentHash(bytes);
  setup.seed = options.settings.seed;
  setup.runs = options.settings.runs;
  for (const Goal& g : goals) {
    setup.goals.push_back(formatGoal(g));
  }
  setup.values = yieldValueNames(*doc);
  const std::string text = yieldResultJson(setup, outcome.records, options.settings.shard);
  const std::string output = *parsed.value("--output");
  if (const FileResult r = writeFileAtomically(output, text); !r) {
    io.err << "norvane-cli: " << output << ": " << r.error << "\n";
    return kExitFailure;
  }
  io.out << yieldReport(YieldResultFile{setup, options.settings.shard, outcome.records});
  return kExitOk;
}

} // namespace norvane::cli
