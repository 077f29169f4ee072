// norvane-cli yield-merge A.json B.json ... -o ALL.json: the shards of one yield analysis,
// computed apart (other processes, other machines), joined into the file a single run writes.

#include "arguments.h"
#include "command.h"
#include "yieldfiles.h"

#include "document/atomicwrite.h"
#include "yield/yieldresult.h"

#include <ostream>

namespace norvane::cli {

int runYieldMerge(const std::vector<std::string>& args, CommandIo& io)
{
  const Command& self = *findCommand("yield-merge");
  const ParsedArguments parsed = parseArguments(args, {{"-o", "--output", true}});
  if (!parsed.error.empty()) {
    return usageError(self, parsed.error, io);
  }
  if (parsed.positional.empty()) {
    return usageError(self, "missing shard files", io);
  }
  const auto output = parsed.value("--output");
  if (!output) {
    return usageError(self, "-o ALL.json is required", io);
  }
  std::vector<YieldResultFile> shards;
  for (const std::string& path : parsed.positional) {
    auto shard = readYieldResultFile(path, io);
    if (!shard) {
      return kExitFailure;
    }
    shards.push_back(std::move(*shard));
  }
  std::string error;
  const auto text = mergeYieldShards(shards, error);
  if (!text) {
    io.err << "norvane-cli yield-merge: " << error << "\n";
    return kExitFailure;
  }
  if (const FileResult r = writeFileAtomically(*output, *text); !r) {
    io.err << "norvane-cli: " << *output << ": " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

} // namespace norvane::cli
