#include "assistantoptions.h"

#include "assist/assistantfields.h"
#include "document/schematicwriter.h"

#include <ostream>

namespace norvane::cli {

std::string readNumberOptions(const ParsedArguments& parsed,
                              std::initializer_list<NumberOption> options)
{
  for (const NumberOption& o : options) {
    const auto text = parsed.value(o.name);
    if (!text) {
      continue;
    }
    const std::optional<double> v = readNumberText(*text, o.unit);
    if (!v || *v < o.min || *v > o.max) {
      return std::string(o.name) + " needs " + o.example + " (got '" + *text + "')";
    }
    *o.value = *v;
  }
  return {};
}

std::string readChoice(const ParsedArguments& parsed, const char* option,
                       std::initializer_list<std::string_view> names, int& index)
{
  const auto text = parsed.value(option);
  if (!text) {
    return {};
  }
  int i = 0;
  std::string list;
  for (std::string_view name : names) {
    if (name == *text) {
      index = i;
      return {};
    }
    list += (i == 0 ? "" : ", ") + std::string(name);
    ++i;
  }
  return "unknown " + std::string(option + 2) + " '" + *text + "' (" + list + ")";
}

int writeSchematicFile(const Schematic& doc, const std::string& path, CommandIo& io)
{
  if (const FileResult r = saveSchematic(doc, path); !r) {
    io.err << "norvane-cli: " << path << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
