#pragma once
// How the runs of a yield analysis are numbered, seeded and split. Run i (from 1) draws its
// values from a generator seeded by the analysis seed and i alone, so a run gives the same
// board whichever thread, process or machine computes it, and any split of the runs over
// shards gives the same records as one whole run.

#include <cstdint>
#include <optional>
#include <string>

namespace norvane {

// The seed of the tolerance generator for run `run` of an analysis seeded with `seed`: both
// mixed through splitmix64, so neighbouring runs and seeds give unrelated streams.
std::uint32_t yieldRunSeed(std::uint64_t seed, long run);

// Shard k of m (k from 1): the runs k, k + m, k + 2m, ...; 1/1 is the whole analysis.
struct YieldShard
{
  long index = 1;
  long count = 1;
  bool whole() const { return count == 1; }
  bool holds(long run) const { return run >= index && (run - index) % count == 0; }
  friend bool operator==(const YieldShard&, const YieldShard&) = default;
};

// "3/8" -> {3, 8}; empty for anything else (k outside 1..m, m above a million, blanks, signs).
std::optional<YieldShard> readYieldShard(const std::string& text);

} // namespace norvane
