#include "arguments.h"

namespace norvane::cli {

std::optional<std::string> ParsedArguments::value(const std::string& key) const
{
  const auto it = options.find(key);
  if (it == options.end()) {
    return std::nullopt;
  }
  return it->second;
}

std::vector<std::string> ParsedArguments::values(const std::string& key) const
{
  const auto it = repeated.find(key);
  return it == repeated.end() ? std::vector<std::string>{} : it->second;
}

ParsedArguments parseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs)
{
  ParsedArguments result;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      result.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      const std::size_t eq = arg.find('=');
      if (eq != std::string::npos) {
        name = arg.substr(0, eq);
        inlineValue = arg.substr(eq + 1);
      }
    }
    const OptionSpec* option = nullptr;
    for (const OptionSpec& s : specs) {
      if ((!s.shortName.empty() && s.shortName == name) ||
          (!s.longName.empty() && s.longName == name)) {
        option = &s;
      }
    }
    if (option == nullptr) {
      result.error = "unknown option '" + arg + "'";
      return result;
    }
    const std::string key = option->longName.empty() ? option->shortName : option->longName;
    if (!option->takesValue) {
      if (inlineValue) {
        result.error = "option '" + name + "' takes no value";
        return result;
      }
      result.options[key] = "";
      continue;
    }
    if (inlineValue) {
      result.options[key] = *inlineValue;
    } else if (i + 1 < args.size()) {
      result.options[key] = args[++i];
    } else {
      result.error = "option '" + name + "' needs a value";
      return result;
    }
    result.repeated[key].push_back(result.options[key]);
  }
  return result;
}

} // namespace norvane::cli
