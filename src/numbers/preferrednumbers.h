#pragma once
// The IEC 60063 preferred numbers of one decade (the E series), as whole mantissas: two digits
// for E6, E12 and E24 (47 stands for 4.7), three for E48 and E96 (475 for 4.75). Tuning steps
// through them and the optimiser snaps to them; whole numbers keep both exact.

#include <array>
#include <cstddef>

namespace norvane::preferred {

inline constexpr std::array<int, 6> kE6{10, 15, 22, 33, 47, 68};
inline constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
inline constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                          33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
inline constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
// E48 is every second member of E96.
inline constexpr std::array<int, 48> kE48 = [] {
  std::array<int, 48> e{};
  for (std::size_t i = 0; i < e.size(); ++i) {
    e[i] = kE96[2 * i];
  }
  return e;
}();

// The mantissas as numbers from 1 to 10 (47 / 10 = 4.7: division rounds exactly as the
// literal would be read).
template <std::size_t N>
constexpr std::array<double, N> decadeValues(const std::array<int, N>& mantissas, double scale)
{
  std::array<double, N> v{};
  for (std::size_t i = 0; i < N; ++i) {
    v[i] = mantissas[i] / scale;
  }
  return v;
}

} // namespace norvane::preferred
