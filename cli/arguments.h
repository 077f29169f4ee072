#pragma once
// Splitting a command's arguments into options and positional arguments.
//
// Accepted forms: "-o VALUE", "--output VALUE", "--output=VALUE" for options with a value,
// "-q" / "--quiet" for flags, "--" to end the options, and "-" as a positional argument
// (standard input or output, where a command supports it).

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace norvane::cli {

struct OptionSpec
{
  std::string shortName; // "-o", or empty
  std::string longName;  // "--output", or empty
  bool takesValue = false;
};

struct ParsedArguments
{
  std::vector<std::string> positional;
  // Keyed by the option's long name when it has one, else its short name. A repeated
  // option keeps its last value; a flag has the value "".
  std::map<std::string, std::string> options;
  // Every value of each option with a value, in the order given (for options that may be
  // repeated, such as optimize's --goal).
  std::map<std::string, std::vector<std::string>> repeated;
  std::string error; // empty when the arguments were understood

  bool has(const std::string& key) const { return options.count(key) != 0; }
  std::optional<std::string> value(const std::string& key) const;
  std::vector<std::string> values(const std::string& key) const;
};

ParsedArguments parseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs);

} // namespace norvane::cli
