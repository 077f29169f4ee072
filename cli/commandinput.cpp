#include "commandinput.h"

#include "loadinput.h"

#include "config/environment.h"
#include "document/clearschematic.h"

#include <filesystem>

namespace norvane::cli {

bool isSameFile(const std::string& input, const std::string& output)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  // An output that does not exist yet cannot be the input; one that exists is compared by
  // the file it is (device and inode), so links and other spellings of the path count too.
  if (!fs::exists(output, ec)) {
    return false;
  }
  return fs::equivalent(input, output, ec) && !ec;
}

std::optional<ParsedArguments> parseCommandArguments(const Command& command,
                                                     const std::vector<std::string>& args,
                                                     const std::vector<OptionSpec>& specs,
                                                     CommandIo& io, OutputOverInput outputOverInput)
{
  ParsedArguments parsed = parseArguments(args, specs);
  if (!parsed.error.empty()) {
    usageError(command, parsed.error, io);
    return std::nullopt;
  }
  if (parsed.positional.size() != 1) {
    usageError(command, parsed.positional.empty() ? "missing input file" : "too many arguments",
               io);
    return std::nullopt;
  }
  const auto output = parsed.value("--output");
  if (outputOverInput == OutputOverInput::Refused && output && *output != "-" &&
      isSameFile(parsed.positional.front(), *output)) {
    usageError(command, "the output " + *output + " is the input file; name another -o", io);
    return std::nullopt;
  }
  return parsed;
}

std::unique_ptr<Schematic> loadDocument(const std::string& input, CommandIo& io,
                                        bool builtInDefaults)
{
  auto doc = std::make_unique<Schematic>();
  Environment env;
  if (builtInDefaults) {
    fillBuiltInDefaults(env);
  }
  clearSchematic(*doc, env);
  if (!loadInput(*doc, input, io)) {
    return nullptr;
  }
  return doc;
}

} // namespace norvane::cli
