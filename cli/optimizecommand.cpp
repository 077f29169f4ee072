// norvane-cli optimize FILE.cct -o OUT.cct: changes component values until the circuit
// meets its goals, and writes the circuit with the new values.

#include "arguments.h"
#include "assistantoptions.h"
#include "command.h"
#include "commandinput.h"
#include "goaloptions.h"

#include "numbers/valuetext.h"
#include "optimize/optimizer.h"

#include <ostream>

namespace norvane::cli {

namespace {

// OUT.cct was written, but some goal is not met.
constexpr int kExitGoalsUnmet = 3;

const std::vector<OptionSpec> kOptimizeOptions = {
    {"-o", "--output", true}, {"", "--goal", true}, {"", "--vary", true},
    {"", "--method", true},   {"", "--seed", true}, {"", "--max-evals", true}};

struct Options
{
  std::vector<Goal> goals; // from --goal
  OptimizeSettings settings;
};

std::string readOptions(const ParsedArguments& parsed, Options& o)
{
  if (!parsed.has("--output")) {
    return "-o OUT.cct is required";
  }
  for (const std::string& text : parsed.values("--goal")) {
    const GoalReading r = parseGoal(text);
    if (!r.goal) {
      return "--goal \"" + text + "\": " + r.problem;
    }
    o.goals.push_back(*r.goal);
  }
  if (const auto m = parsed.value("--method")) {
    if (*m == "local") {
      o.settings.method = OptimizeMethod::Local;
    } else if (*m == "global") {
      o.settings.method = OptimizeMethod::Global;
    } else if (*m == "auto") {
      o.settings.method = OptimizeMethod::Auto;
    } else {
      return "--method: unknown method '" + *m + "' (local, global or auto)";
    }
  }
  unsigned long long n = 0;
  if (const auto seed = parsed.value("--seed")) {
    if (!parseWhole(*seed, ~0ULL, n)) {
      return "--seed needs a whole number from 0 to 18446744073709551615";
    }
    o.settings.seed = n;
  }
  if (const auto evals = parsed.value("--max-evals")) {
    if (!parseWhole(*evals, 100000000ULL, n) || n < 1) {
      return "--max-evals needs a whole number from 1 to 100000000";
    }
    o.settings.maxEvaluations = static_cast<int>(n);
  }
  return {};
}

std::string worstText(const Goal& g, const GoalOutcome& o)
{
  if (!o.worst) {
    return "none (the measure cannot be formed)";
  }
  return g.unit == GoalUnit::Seconds ? formatSignificant(*o.worst, 4) + "s"
                                     : formatLevel(*o.worst, 3);
}

void printResult(const CircuitEvaluator& evaluator, const std::vector<double>& start,
                 const OptimizeResult& result, std::ostream& out)
{
  const std::vector<Goal>& goals = evaluator.goals();
  for (std::size_t i = 0; i < goals.size(); ++i) {
    const GoalOutcome& o = result.best.goals[i];
    out << "goal " << i + 1 << ": " << formatGoal(goals[i]) << ": worst " << worstText(goals[i], o)
        << ", " << (o.met ? "met" : "not met") << "\n";
  }
  const std::vector<Variable>& vars = evaluator.variables();
  for (std::size_t i = 0; i < vars.size(); ++i) {
    out << vars[i].label << ": " << variableValueText(vars[i], start[i]) << " -> "
        << variableValueText(vars[i], result.best.values[i]) << "\n";
  }
  out << "evaluations: " << result.evaluations << "\n";
}

} // namespace

int runOptimize(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("optimize");
  const auto parsedArgs = parseCommandArguments(self, args, kOptimizeOptions, io);
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
  const bool goalsGiven = !options.goals.empty();
  std::vector<Goal> goals = goalsGiven ? options.goals : storedGoals(*doc, input, io);
  if (goals.empty()) {
    return usageError(self, "no goals: give --goal, or store goals in " + input, io);
  }
  std::vector<Variable> vars;
  for (const std::string& text : parsed.values("--vary")) {
    const VariableReading r = parseVariable(text, *doc);
    if (!r.variable) {
      return usageError(self, "--vary \"" + text + "\": " + r.problem, io);
    }
    for (const Variable& earlier : vars) {
      if (earlier.component == r.variable->component) {
        return usageError(self, "--vary \"" + text + "\": " + earlier.label + " is varied twice",
                          io);
      }
    }
    vars.push_back(*r.variable);
  }
  if (!parsed.has("--vary")) {
    vars = defaultVariables(*doc);
  }
  if (vars.empty()) {
    io.err << "norvane-cli: " << input
           << " has no resistor, capacitor, inductor or line to vary (name others with --vary)\n";
    return kExitFailure;
  }
  CircuitEvaluator evaluator(*doc, goals, vars);
  if (!evaluator.ok()) {
    io.err << evaluator.problem() << "\n";
    return kExitFailure;
  }
  std::vector<double> start;
  for (const Variable& v : vars) {
    start.push_back(v.start);
  }
  const OptimizeResult result = optimize(evaluator, start, options.settings);
  printResult(evaluator, start, result, io.out);

  applyVariables(doc->drawdat, vars, result.best.values);
  if (goalsGiven) {
    doc->goals.clear();
    for (const Goal& g : goals) {
      doc->goals.push_back(formatGoal(g));
    }
  }
  if (const int written = writeSchematicFile(*doc, *parsed.value("--output"), io);
      written != kExitOk) {
    return written;
  }
  return result.best.allMet ? kExitOk : kExitGoalsUnmet;
}

} // namespace norvane::cli
