#include "yield/yieldresult.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <set>

namespace norvane {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "norvane-yield 1";
constexpr int kHistogramBins = 20;

// A value that is not finite has no JSON number: written as null, read back as NaN.
Json number(double v)
{
  return std::isfinite(v) ? Json(v) : Json(nullptr);
}

double numberOf(const Json& j)
{
  return j.is_number() ? j.get<double>() : std::nan("");
}

Json recordJson(const YieldRunRecord& r)
{
  Json worst = Json::array(), met = Json::array(), deviation = Json::array();
  for (const double w : r.worst)
    worst.push_back(number(w));
  for (const bool m : r.goalMet)
    met.push_back(m ? 1 : 0);
  for (const double d : r.deviation)
    deviation.push_back(number(d));
  return Json::array({r.run, r.passed ? 1 : 0, worst, met, deviation});
}

Json summaryJson(const YieldSetup& setup, std::span<const YieldRunRecord> records,
                 const YieldShard& shard)
{
  const long done = static_cast<long>(records.size());
  const long passed = static_cast<long>(
      std::count_if(records.begin(), records.end(), [](const auto& r) { return r.passed; }));
  const PercentInterval ci = wilsonInterval95(passed, done);
  Json j;
  j["format"] = kFormat;
  j["schematic"] = setup.schematic;
  j["schematic_fnv1a64"] = setup.schematicHash;
  j["seed"] = setup.seed;
  j["runs"] = setup.runs;
  if (!shard.whole()) {
    j["shard"] = Json::array({shard.index, shard.count});
    j["runs_in_shard"] = done;
  }
  j["passed"] = passed;
  j["yield_percent"] =
      done > 0 ? 100.0 * static_cast<double>(passed) / static_cast<double>(done) : 0.0;
  j["ci95_percent"] = Json::array({ci.low, ci.high});

  Json goals = Json::array();
  for (std::size_t g = 0; g < setup.goals.size(); ++g) {
    const long failures =
        static_cast<long>(std::count_if(records.begin(), records.end(), [g](const auto& r) {
          return g < r.goalMet.size() && !r.goalMet[g];
        }));
    const Histogram h = worstValueHistogram(records, g, kHistogramBins);
    Json goal;
    goal["goal"] = setup.goals[g];
    goal["failures"] = failures;
    goal["worst_histogram"] = {{"low", h.low}, {"high", h.high}, {"counts", h.counts}};
    goals.push_back(goal);
  }
  j["goals"] = goals;

  // The values by how strongly failing follows them, strongest first; equal ones in their
  // own order.
  const std::vector<double> r = failureCorrelations(records, setup.values.size());
  std::vector<std::size_t> order(r.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return std::abs(r[a]) > std::abs(r[b]); });
  Json values = Json::array();
  for (const std::size_t v : order)
    values.push_back({{"value", setup.values[v]}, {"failure_correlation", r[v]}});
  j["values"] = values;
  return j;
}

} // namespace

std::string contentHash(const std::string& bytes)
{
  std::uint64_t h = 0xCBF29CE484222325ULL;
  for (const unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001B3ULL;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, h);
  return text;
}

std::string yieldResultJson(const YieldSetup& setup, std::span<const YieldRunRecord> records,
                            const YieldShard& shard)
{
  std::vector<YieldRunRecord> byRun(records.begin(), records.end());
  std::sort(byRun.begin(), byRun.end(), [](const auto& a, const auto& b) { return a.run < b.run; });
  Json j = summaryJson(setup, byRun, shard);
  j["goal_texts"] = setup.goals;
  j["value_names"] = setup.values;
  // The summary indented for reading; the records one to a line, so a big run stays short.
  std::string text = j.dump(2);
  text.erase(text.size() - 2); // the closing "\n}"
  text += ",\n  \"records\": [";
  for (std::size_t i = 0; i < byRun.size(); ++i)
    text += (i == 0 ? "\n    " : ",\n    ") + recordJson(byRun[i]).dump();
  text += byRun.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return text;
}

std::optional<YieldResultFile> readYieldResult(const std::string& text, std::string& error)
{
  const Json j = Json::parse(text, nullptr, false);
  if (j.is_discarded() || !j.is_object() || j.value("format", "") != std::string(kFormat)) {
    error = "not a Norvane yield result";
    return std::nullopt;
  }
  try {
    YieldResultFile f;
    f.setup.schematic = j.at("schematic").get<std::string>();
    f.setup.schematicHash = j.at("schematic_fnv1a64").get<std::string>();
    f.setup.seed = j.at("seed").get<std::uint64_t>();
    f.setup.runs = j.at("runs").get<long>();
    f.setup.goals = j.at("goal_texts").get<std::vector<std::string>>();
    f.setup.values = j.at("value_names").get<std::vector<std::string>>();
    if (j.contains("shard")) f.shard = {j["shard"].at(0).get<long>(), j["shard"].at(1).get<long>()};
    for (const Json& r : j.at("records")) {
      YieldRunRecord rec;
      rec.run = r.at(0).get<long>();
      rec.passed = r.at(1).get<int>() != 0;
      for (const Json& w : r.at(2))
        rec.worst.push_back(numberOf(w));
      for (const Json& m : r.at(3))
        rec.goalMet.push_back(m.get<int>() != 0);
      for (const Json& d : r.at(4))
        rec.deviation.push_back(numberOf(d));
      f.records.push_back(std::move(rec));
    }
    if (f.shard.count < 1 || f.shard.index < 1 || f.shard.index > f.shard.count) {
      error = "the shard numbers are out of range";
      return std::nullopt;
    }
    return f;
  } catch (const Json::exception&) {
    error = "a field of the yield result is missing or of the wrong kind";
    return std::nullopt;
  }
}

std::optional<std::string> mergeYieldShards(std::span<const YieldResultFile> shards,
                                            std::string& error)
{
  if (shards.empty()) {
    error = "no shards to merge";
    return std::nullopt;
  }
  const YieldResultFile& first = shards.front();
  std::set<long> seen;
  std::vector<YieldRunRecord> records;
  for (const YieldResultFile& s : shards) {
    if (!(s.setup == first.setup)) {
      error = "the shards are not of one analysis (schematic, seed, runs, goals or values differ)";
      return std::nullopt;
    }
    if (s.shard.count != first.shard.count) {
      error = "the shards split the runs differently";
      return std::nullopt;
    }
    if (!seen.insert(s.shard.index).second) {
      error = "shard " + std::to_string(s.shard.index) + "/" + std::to_string(s.shard.count) +
              " is given twice";
      return std::nullopt;
    }
    for (const YieldRunRecord& r : s.records) {
      if (!s.shard.holds(r.run) || r.run > s.setup.runs) {
        error = "run " + std::to_string(r.run) + " does not belong to shard " +
                std::to_string(s.shard.index) + "/" + std::to_string(s.shard.count);
        return std::nullopt;
      }
      records.push_back(r);
    }
  }
  for (long k = 1; k <= first.shard.count; ++k) {
    if (!seen.contains(k)) {
      error =
          "shard " + std::to_string(k) + "/" + std::to_string(first.shard.count) + " is missing";
      return std::nullopt;
    }
  }
  if (static_cast<long>(records.size()) != first.setup.runs) {
    error = "the shards hold " + std::to_string(records.size()) + " runs, not " +
            std::to_string(first.setup.runs);
    return std::nullopt;
  }
  return yieldResultJson(first.setup, records);
}

std::string yieldReport(const YieldResultFile& result)
{
  const Json j = summaryJson(result.setup, result.records, result.shard);
  char line[256];
  const auto ci = j["ci95_percent"];
  std::snprintf(line, sizeof line,
                "Yield: %.2f %% (95 %% interval %.2f .. %.2f %%), %ld of %zu runs passed\n",
                j["yield_percent"].get<double>(), ci[0].get<double>(), ci[1].get<double>(),
                j["passed"].get<long>(), result.records.size());
  std::string text = line;
  for (const Json& g : j["goals"]) {
    std::snprintf(line, sizeof line, "  %-40s failed in %ld runs\n",
                  g["goal"].get<std::string>().c_str(), g["failures"].get<long>());
    text += line;
  }
  if (!j["values"].empty()) text += "Values by influence on failing (correlation):\n";
  for (const Json& v : j["values"]) {
    std::snprintf(line, sizeof line, "  %-12s %+.3f\n", v["value"].get<std::string>().c_str(),
                  v["failure_correlation"].get<double>());
    text += line;
  }
  return text;
}

} // namespace norvane
