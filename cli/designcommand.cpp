// norvane-cli design filter|attenuator|match: the design assistants without their windows.
// Each writes the schematic its window writes on Simulate (the same parts, coordinates,
// sweep and display), so a design can be scripted and then checked with "simulate".

#include "assistantoptions.h"

#include "assist/attenuatordesign.h"
#include "assist/filterdesign.h"
#include "assist/matchingdesign.h"
#include "config/environment.h"
#include "document/schematic.h"

#include <map>
#include <memory>
#include <ostream>
#include <set>

namespace norvane::cli {

namespace {

constexpr double kBig = 1e300;

// Writes the assistant's circuit as a new schematic.
int writeDesign(const AssistantCircuit& circuit, const AssistantWriteSettings& settings,
                const std::string& path, CommandIo& io)
{
  auto doc = std::make_unique<Schematic>(); // large: keep it off the stack
  Environment env;
  fillBuiltInDefaults(env);
  writeAssistantSchematic(*doc, env, circuit, settings);
  return writeSchematicFile(*doc, path, io);
}

// A design the assistant refuses: its message, nothing written.
int refused(const std::string& message, CommandIo& io)
{
  io.err << message << "\n";
  return kExitFailure;
}

int designFilter(const ParsedArguments& parsed, const Command& self, CommandIo& io)
{
  FilterInput in;
  int type = 0;
  int topology = 0;
  int first = 0;
  double poles = in.poles;
  std::string problem = readChoice(parsed, "--type", {"butterworth", "chebyshev"}, type);
  if (problem.empty()) {
    problem = readChoice(parsed, "--topology", {"lowpass", "highpass", "bandpass"}, topology);
  }
  if (problem.empty()) {
    problem = readChoice(parsed, "--first", {"series", "parallel"}, first);
  }
  if (problem.empty()) {
    problem = readNumberOptions(
        parsed,
        {{"--poles", &poles, -kBig, kBig, "", "a number of poles, e.g. 5"},
         {"--bandwidth", &in.bandwidth, 1e-3, 1e15, "Hz", "a frequency above zero, e.g. 10MHz"},
         {"--center", &in.centre, 1e-3, 1e15, "Hz", "a frequency above zero, e.g. 433MHz"},
         {"--ripple", &in.rippleDb, -kBig, kBig, "dB", "a ripple in dB, e.g. 0.5dB"},
         {"--z", &in.z0, 1e-6, 1e12, "R", "a resistance above zero, e.g. 50R"},
         {"--ltol", &in.inductorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 5%"},
         {"--ctol", &in.capacitorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 2%"}});
  }
  if (!problem.empty()) {
    return usageError(self, problem, io);
  }
  in.type = static_cast<FilterType>(type);
  in.topology = static_cast<FilterTopology>(topology);
  in.first = static_cast<FilterFirstBranch>(first);
  in.poles = filterPoleCount(poles);
  const FilterResult r = designFilter(in);
  if (!r.built) {
    return refused(r.error, io);
  }
  return writeDesign(r.circuit, filterWriteSettings(in), *parsed.value("--output"), io);
}

int designAttenuator(const ParsedArguments& parsed, const Command& self, CommandIo& io)
{
  AttenuatorInput in;
  int topology = static_cast<int>(in.topology);
  std::string problem = readChoice(parsed, "--topology", {"tee", "pi", "bridged-tee"}, topology);
  if (problem.empty()) {
    problem = readNumberOptions(
        parsed,
        {{"--zin", &in.zin, 1e-6, 1e12, "R", "a resistance above zero, e.g. 50R"},
         {"--zout", &in.zout, 1e-6, 1e12, "R", "a resistance above zero, e.g. 75R"},
         {"--attenuation", &in.attenuationDb, -kBig, kBig, "dB", "an attenuation, e.g. 6dB"},
         {"--rtol", &in.resistorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 5%"}});
  }
  if (!problem.empty()) {
    return usageError(self, problem, io);
  }
  in.topology = static_cast<AttenuatorTopology>(topology);
  const AttenuatorResult r = designAttenuator(in);
  if (!r.built) {
    return refused(r.error, io);
  }
  return writeDesign(r.circuit, attenuatorWriteSettings(), *parsed.value("--output"), io);
}

int designMatch(const ParsedArguments& parsed, const Command& self, CommandIo& io)
{
  MatchingInput in;
  int topology = static_cast<int>(in.topology);
  std::string problem = readChoice(parsed, "--topology",
                                   {"pad", "l-lowpass", "l-highpass", "pi-lowpass", "pi-highpass",
                                    "tee-lowpass", "tee-highpass"},
                                   topology);
  // The window's field limits.
  if (problem.empty()) {
    problem = readNumberOptions(
        parsed,
        {{"--zin", &in.zin, 1.0, 1e7, "R", "a resistance from 1 to 10M ohm, e.g. 50R"},
         {"--zout", &in.zout, 1.0, 1e7, "R", "a resistance from 1 to 10M ohm, e.g. 200R"},
         {"--freq", &in.frequency, 1.0, 1e12, "Hz", "a frequency from 1Hz to 1THz, e.g. 2.4GHz"},
         {"--bandwidth", &in.bandwidth, 1.0, 1e12, "Hz",
          "a bandwidth from 1Hz to 1THz, e.g. 10MHz"},
         {"--ltol", &in.inductorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 5%"},
         {"--ctol", &in.capacitorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 2%"},
         {"--rtol", &in.resistorTol, 0.0, 100.0, "%", "a tolerance in percent, e.g. 2%"}});
  }
  if (!problem.empty()) {
    return usageError(self, problem, io);
  }
  in.topology = static_cast<MatchTopology>(topology);
  const MatchingResult r = designMatchingNetwork(in);
  if (!r.built) {
    return refused(r.error, io);
  }
  return writeDesign(r.circuit, matchingWriteSettings(in.frequency, r.bandwidth),
                     *parsed.value("--output"), io);
}

} // namespace

int runDesign(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("design");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true},
                                                       {"", "--type", true},
                                                       {"", "--topology", true},
                                                       {"", "--first", true},
                                                       {"", "--poles", true},
                                                       {"", "--bandwidth", true},
                                                       {"", "--center", true},
                                                       {"", "--ripple", true},
                                                       {"", "--z", true},
                                                       {"", "--ltol", true},
                                                       {"", "--ctol", true},
                                                       {"", "--rtol", true},
                                                       {"", "--zin", true},
                                                       {"", "--zout", true},
                                                       {"", "--attenuation", true},
                                                       {"", "--freq", true}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.size() != 1) {
    return usageError(self,
                      parsed.positional.empty() ? "missing design (filter, attenuator or match)"
                                                : "too many arguments",
                      io);
  }
  if (!parsed.has("--output") || parsed.value("--output")->empty()) {
    return usageError(self, "missing -o OUT.cct", io);
  }
  const std::string& kind = parsed.positional.front();
  // Each design reads only its own options; another design's option is a mistake.
  const std::map<std::string, std::set<std::string>> own = {
      {"filter",
       {"--type", "--topology", "--first", "--poles", "--bandwidth", "--center", "--ripple", "--z",
        "--ltol", "--ctol"}},
      {"attenuator", {"--topology", "--zin", "--zout", "--attenuation", "--rtol"}},
      {"match",
       {"--topology", "--zin", "--zout", "--freq", "--bandwidth", "--ltol", "--ctol", "--rtol"}}};
  if (const auto it = own.find(kind); it != own.end()) {
    for (const auto& [option, value] : parsed.options) {
      if (option != "--output" && it->second.count(option) == 0) {
        return usageError(self, "option '" + option + "' does not apply to a " + kind + " design",
                          io);
      }
    }
  }
  if (kind == "filter") {
    return designFilter(parsed, self, io);
  }
  if (kind == "attenuator") {
    return designAttenuator(parsed, self, io);
  }
  if (kind == "match") {
    return designMatch(parsed, self, io);
  }
  return usageError(self, "unknown design '" + kind + "' (filter, attenuator or match)", io);
}

} // namespace norvane::cli
