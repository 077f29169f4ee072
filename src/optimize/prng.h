#pragma once
// The optimiser's own random numbers: xoshiro256** seeded through splitmix64 (D. Blackman and
// S. Vigna, "Scrambled linear pseudorandom number generators", 2018). Written out here rather
// than taken from <random>, whose distributions may give other numbers with another standard
// library: the same seed gives the same optimisation on every machine.

#include <cstdint>

namespace norvane {

class OptimizerRandom
{
public:
  explicit OptimizerRandom(std::uint64_t seed)
  {
    for (std::uint64_t& word : m_state) {
      seed += 0x9E3779B97F4A7C15ULL; // splitmix64
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      word = z ^ (z >> 31);
    }
  }

  std::uint64_t next()
  {
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
  }

  // Uniform in [0, 1), from the top 53 bits.
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

  // Uniform in 0..n-1 (n > 0); the slight bias of the modulo is of no matter here.
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
  static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t m_state[4]{};
};

} // namespace norvane
