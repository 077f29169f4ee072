#pragma once
// The yield analysis itself: random boards of a circuit, each checked against the goals. Run i
// takes the nominal values, draws every toleranced value from the generator seeded by
// yieldRunSeed(seed, i) (the "random" tolerance mode) and sweeps at the goals' frequencies.
// Runs are spread over worker threads, each with its own simulator; a run's record depends on
// its number alone and records are kept by run, so the result is the same for any number of
// threads and any split into shards.

#include "document/schematic.h"
#include "optimize/goal.h"
#include "yield/yieldshard.h"
#include "yield/yieldstatistics.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace norvane {

struct YieldSettings
{
  std::uint64_t seed = 1;
  long runs = 0;    // of the whole analysis
  YieldShard shard; // which of them this call computes
  int threads = 1;  // workers; at least one
};

// Each value the tolerances vary in `doc`, in the order a random run draws them: the
// component's name ("#N", its number in the netlist listing, when it has none), followed by the
// value's short name where its kind varies more than one ("TL1 Zo", "TL1 l").
std::vector<std::string> yieldValueNames(const Schematic& doc);

struct YieldOutcome
{
  bool ok = false;                     // the circuit check passed
  std::string problem;                 // otherwise its messages
  bool cancelled = false;              // `cancel` was set: the records hold only the runs completed
  std::vector<YieldRunRecord> records; // by run
};

// Runs the shard's runs. `progress` (may be empty) is told how many of them are done after
// each run; it is called from the workers, one call at a time. Setting `cancel` stops the
// workers after the runs they are computing.
YieldOutcome runYield(const Schematic& doc, const std::vector<Goal>& goals,
                      const YieldSettings& settings,
                      const std::function<void(long done, long total)>& progress = {},
                      const std::atomic<bool>* cancel = nullptr);

} // namespace norvane
