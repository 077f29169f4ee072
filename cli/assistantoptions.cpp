#include "assistantoptions.h"

#include "document/schematicwriter.h"
#include "numbers/valuetext.h"

#include <cctype>
#include <ostream>

namespace norvane::cli {

bool readsAsNumber(std::string_view text)
{
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
  }
  return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
}

std::string readNumberOptions(const ParsedArguments& parsed,
                              std::initializer_list<NumberOption> options)
{
  for (const NumberOption& o : options) {
    const auto text = parsed.value(o.name);
    if (!text) {
      continue;
    }
    const double v = readsAsNumber(*text) ? ParseValueText(*text) : 0.0;
    if (!readsAsNumber(*text) || v < o.min || v > o.max) {
      return std::string(o.name) + " needs " + o.example + " (got '" + *text + "')";
    }
    *o.value = v;
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

int writeSchematicFile(const Tschema& doc, const std::string& path, CommandIo& io)
{
  if (const FileResult r = saveSchematic(doc, path); !r) {
    io.err << "norvane-cli: " << path << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
