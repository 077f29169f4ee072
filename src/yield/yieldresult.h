#pragma once
// The result file of a yield analysis (JSON): what was analysed (schematic, seed, number of
// runs, goals, varied values), the summary (yield with its 95 % interval, failures per goal,
// the values ranked by how strongly failing follows them, a histogram of each goal's worst
// value) and one record per run, which is what lets shards be merged. The text holds no time
// or host, and the summary is computed from the records in run order, so equal work gives
// equal bytes, and merging the shards of an analysis gives the bytes of the analysis run whole.

#include "yield/yieldshard.h"
#include "yield/yieldstatistics.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace norvane {

struct YieldSetup
{
  std::string schematic;     // the schematic's file name, without its folder
  std::string schematicHash; // FNV-1a (64 bits, hex) of the file's bytes
  std::uint64_t seed = 1;
  long runs = 0; // of the whole analysis
  std::vector<std::string> goals;
  std::vector<std::string> values; // "C1", "TL1 Zo": each varied value
  friend bool operator==(const YieldSetup&, const YieldSetup&) = default;
};

// FNV-1a, 64 bits, as 16 lower-case hex digits: tells the merge which file a shard came from.
std::string contentHash(const std::string& bytes);

// The result text of the records (those of `shard`, any order: they are written by run).
std::string yieldResultJson(const YieldSetup& setup, std::span<const YieldRunRecord> records,
                            const YieldShard& shard = {});

struct YieldResultFile
{
  YieldSetup setup;
  YieldShard shard;
  std::vector<YieldRunRecord> records; // by run
};

// Reads a result text; on failure empty, with the reason in `error`.
std::optional<YieldResultFile> readYieldResult(const std::string& text, std::string& error);

// The whole analysis from its shards, given in any order: the text a run without shards
// writes. Refused (empty, the reason in `error`) when the shards are of different analyses,
// when one is missing or given twice, or when their runs do not add up.
std::optional<std::string> mergeYieldShards(std::span<const YieldResultFile> shards,
                                            std::string& error);

// The summary for people: yield and interval, failures per goal, the values that matter most.
std::string yieldReport(const YieldResultFile& result);

} // namespace norvane
