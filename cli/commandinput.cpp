#include "commandinput.h"

#include "loadinput.h"

#include "config/environment.h"
#include "document/clearschema.h"

namespace norvane::cli {

std::optional<ParsedArguments> parseCommandArguments(const Command& command,
                                                     const std::vector<std::string>& args,
                                                     const std::vector<OptionSpec>& specs,
                                                     CommandIo& io)
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
  return parsed;
}

std::unique_ptr<Tschema> loadDocument(const std::string& input, CommandIo& io, bool builtInDefaults)
{
  auto doc = std::make_unique<Tschema>();
  TenvironmentProps env;
  if (builtInDefaults) {
    fillBuiltInDefaults(env);
  }
  ClearSchema(*doc, env);
  if (!loadInput(*doc, input, io)) {
    return nullptr;
  }
  return doc;
}

} // namespace norvane::cli
