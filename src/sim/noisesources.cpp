#include "sim/noisesources.h"

#include <algorithm>

namespace norvane {

void NoiseSources::add(int row, int col, Complex value)
{
  if (row <= 0 || col <= 0 || (value.re == 0.0 && value.im == 0.0)) {
    return;
  }
  m_entries.push_back({row, col, value});
}

void NoiseSources::addCurrent(int a, int b, double density)
{
  // The current leaves a and enters b: +1 at b, -1 at a.
  add(a, a, Complex{density, 0.0});
  add(b, b, Complex{density, 0.0});
  add(a, b, Complex{-density, 0.0});
  add(b, a, Complex{-density, 0.0});
}

void NoiseSources::addThermal(int a, int b, Complex y)
{
  addCurrent(a, b, 4.0 * kT() * y.re);
}

void NoiseSources::addThermalBlock(const int* nodes, int n, const Complex* y)
{
  const double twoKT = 2.0 * kT();
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const Complex a = y[r * n + c];
      const Complex b = y[c * n + r];
      // (Y + Y^H)[r][c] = y[r][c] + conj(y[c][r])
      add(nodes[r], nodes[c], Complex{twoKT * (a.re + b.re), twoKT * (a.im - b.im)});
    }
  }
}

void NoiseSources::addCorrelated(const int* nodes, const Complex* weights, int n, double density)
{
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const Complex v = weights[r] * complexConj(weights[c]);
      add(nodes[r], nodes[c], Complex{density * v.re, density * v.im});
    }
  }
}

void NoiseSources::addShot(int a, int b, double amperes)
{
  addCurrent(a, b, 2.0 * noiseconst::kElementaryCharge * std::fabs(amperes));
}

void NoiseSources::noteNoiseless(const std::string& what)
{
  if (std::find(m_noiseless.begin(), m_noiseless.end(), what) == m_noiseless.end()) {
    m_noiseless.push_back(what);
  }
}

std::string noiselessNotice(const NoiseSources& sources)
{
  if (sources.noiseless().empty()) {
    return {};
  }
  std::string text = "Noise: taken as noiseless: ";
  for (std::size_t i = 0; i < sources.noiseless().size(); ++i) {
    text += (i ? ", " : "") + sources.noiseless()[i];
  }
  return text;
}

} // namespace norvane
