#include "yield/yieldshard.h"

#include <charconv>

namespace norvane {
namespace {

std::uint64_t splitmix64(std::uint64_t x)
{
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// A whole decimal number of digits only, nothing before or after it.
std::optional<long> digitsOnly(const std::string& text)
{
  if (text.empty() || text.size() > 7) return std::nullopt;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text[0] == '-')
    return std::nullopt;
  return value;
}

} // namespace

std::uint32_t yieldRunSeed(std::uint64_t seed, long run)
{
  const std::uint64_t mixed = splitmix64(splitmix64(seed) ^ static_cast<std::uint64_t>(run));
  return static_cast<std::uint32_t>(mixed >> 32);
}

std::optional<YieldShard> readYieldShard(const std::string& text)
{
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return std::nullopt;
  const std::optional<long> k = digitsOnly(text.substr(0, slash));
  const std::optional<long> m = digitsOnly(text.substr(slash + 1));
  if (!k || !m || *m < 1 || *m > 1000000 || *k < 1 || *k > *m) return std::nullopt;
  return YieldShard{*k, *m};
}

} // namespace norvane
