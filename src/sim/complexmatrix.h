#pragma once
// Fixed-size complex matrix and vector of the nodal analysis: indices 0..100 in each dimension,
// row 0 and column 0 belonging to ground. The storage is one flat row-major block so that a row
// is contiguous in memory (the solver's inner loops run along rows).

#include "sim/complex.h"

#include <array>
#include <cstdint>

namespace norvane {

// The largest system the solver takes: nodes 1..100 (node 0 is ground and never solved).
constexpr int kMaxSystemSize = 100;
constexpr int kMatrixDim = kMaxSystemSize + 1;

class ComplexMatrix
{
public:
  // m[row][col]; rows and columns 0..100, unchecked.
  Complex* operator[](int row) { return &m_cells[static_cast<std::size_t>(row) * kMatrixDim]; }
  const Complex* operator[](int row) const
  {
    return &m_cells[static_cast<std::size_t>(row) * kMatrixDim];
  }

  // Zero rows and columns 0..n (the rest is left as it is: nothing reads it).
  void clear(int n);

  // AddToMatrix: m[row][col] += y.
  void add(int row, int col, Complex y)
  {
    Complex& c = (*this)[row][col];
    c = ComplexAdd(c, y);
  }

private:
  std::array<Complex, static_cast<std::size_t>(kMatrixDim) * kMatrixDim> m_cells{};
};

class ComplexVector
{
public:
  Complex& operator[](int i) { return m_cells[static_cast<std::size_t>(i)]; }
  const Complex& operator[](int i) const { return m_cells[static_cast<std::size_t>(i)]; }
  // Zero entries 0..n.
  void clear(int n);

private:
  std::array<Complex, kMatrixDim> m_cells{};
};

// Row interchanged at each column of an LU decomposition, indices 1..100 (0 unused).
using PivotIndex = std::array<std::int32_t, kMatrixDim>;

} // namespace norvane
