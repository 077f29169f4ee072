#pragma once
// Fixed-size complex matrix and vector of the nodal analysis: indices 0..100 in each dimension,
// row 0 and column 0 belonging to ground. The storage is one flat row-major block so that a row
// is contiguous in memory (the solver's inner loops run along rows).
//
// Beside the values the matrix keeps, for every row, the set of columns that add() has written
// since the last clear. The element stamps write only through add(), so after stamping this
// pattern covers every non-zero entry; the solver extends it with the fill-in of the
// elimination, and clearTouched() then zeroes exactly those entries. A nodal matrix of a drawn
// circuit has a handful of entries per row, so neither the clearing nor the solver need to visit
// the other ~10 000 cells of a 100-node matrix.

#include "sim/complex.h"

#include <array>
#include <bit>
#include <cstdint>

namespace norvane {

// The largest system the solver takes: nodes 1..100 (node 0 is ground and never solved).
constexpr int kMaxSystemSize = 100;
constexpr int kMatrixDim = kMaxSystemSize + 1;

// A set of indices 0..127 (a row's columns, a column's rows) as two machine words.
struct IndexSet
{
  std::array<std::uint64_t, 2> w{};

  void set(int i) { w[static_cast<unsigned>(i) >> 6] |= std::uint64_t{1} << (i & 63); }
  bool test(int i) const { return (w[static_cast<unsigned>(i) >> 6] >> (i & 63)) & 1U; }
  bool empty() const { return (w[0] | w[1]) == 0; }
  int count() const { return std::popcount(w[0]) + std::popcount(w[1]); }
  IndexSet& operator|=(const IndexSet& o)
  {
    w[0] |= o.w[0];
    w[1] |= o.w[1];
    return *this;
  }
  friend IndexSet operator|(IndexSet a, const IndexSet& b) { return a |= b; }
  friend IndexSet operator&(IndexSet a, const IndexSet& b)
  {
    a.w[0] &= b.w[0];
    a.w[1] &= b.w[1];
    return a;
  }
  friend IndexSet operator~(IndexSet a)
  {
    a.w[0] = ~a.w[0];
    a.w[1] = ~a.w[1];
    return a;
  }
  // The indices from lo upwards, 0 <= lo <= 127 (branch-free: called at every step of the
  // elimination).
  static IndexSet from(int lo)
  {
    const std::uint64_t all = ~std::uint64_t{0};
    const bool high = lo >= 64;
    IndexSet s;
    s.w[0] = high ? 0 : all << (lo & 63);
    s.w[1] = high ? all << (lo & 63) : all;
    return s;
  }
  // The indices lo..hi (empty when lo > hi); 0 <= lo <= 127, -1 <= hi <= 126.
  static IndexSet range(int lo, int hi) { return from(lo) & ~from(hi + 1); }
  // Calls f(i) for every member, in increasing order.
  template <class F> void forEach(F&& f) const
  {
    for (int k = 0; k < 2; ++k) {
      std::uint64_t bits = w[static_cast<std::size_t>(k)];
      while (bits != 0) {
        f(64 * k + std::countr_zero(bits));
        bits &= bits - 1;
      }
    }
  }
};

class ComplexMatrix
{
public:
  // m[row][col]; rows and columns 0..100, unchecked. Writes through this operator are not
  // recorded in the pattern (see clear() and clearTouched()).
  Complex* operator[](int row) { return &m_cells[static_cast<std::size_t>(row) * kMatrixDim]; }
  const Complex* operator[](int row) const
  {
    return &m_cells[static_cast<std::size_t>(row) * kMatrixDim];
  }

  // Zero rows and columns 0..n (the rest is left as it is: nothing reads it) and forget the
  // pattern.
  void clear(int n);

  // Zero the entries of the pattern in rows 0..n and forget it: the cheap clear between
  // frequency points, valid when every non-zero entry was written by add() or by the stamped
  // decomposition since the last clear, and only in rows 0..n (a system of n nodes writes no
  // other). Bounding the rows matters for small circuits, whose rows are a tenth of the
  // matrix's. After a plain luDecompose (whose caller may have written entries directly) this
  // falls back to clear(100).
  void clearTouched(int n = kMaxSystemSize);

  // AddToMatrix: m[row][col] += y, and (row, col) joins the pattern. Rows and columns are
  // first put into the node order (see setNodeOrder).
  void add(int row, int col, Complex y)
  {
    row = m_position[static_cast<std::size_t>(row)];
    col = m_position[static_cast<std::size_t>(col)];
    Complex& c = (*this)[row][col];
    c = complexAdd(c, y);
    m_pattern[static_cast<std::size_t>(row)].set(col);
  }

  // Where add() puts node k: row and column position[k]. A sweep may number the nodes anew
  // for the solver (an order with less fill-in); it then reads and writes its vectors at the
  // same positions. The identity until set; position[0] must stay 0.
  using NodeOrder = std::array<std::int16_t, kMatrixDim>;
  static NodeOrder naturalOrder()
  {
    NodeOrder o{};
    for (int k = 0; k < kMatrixDim; ++k) {
      o[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
    }
    return o;
  }
  void setNodeOrder(const NodeOrder& position) { m_position = position; }
  int position(int node) const { return m_position[static_cast<std::size_t>(node)]; }

  // Columns of each row written by add() or by the solver since the last clear.
  IndexSet& pattern(int row) { return m_pattern[static_cast<std::size_t>(row)]; }
  const IndexSet& pattern(int row) const { return m_pattern[static_cast<std::size_t>(row)]; }

  // Copies the entries of `from`'s pattern into this matrix, at the same positions (the
  // pattern joins this one's). For a copy of a stamped matrix kept beside its factors.
  void copyTouched(const ComplexMatrix& from);

  // Set by a decomposition that took its pattern from the values rather than from add().
  void setPatternIncomplete() { m_patternComplete = false; }

private:
  std::array<Complex, static_cast<std::size_t>(kMatrixDim) * kMatrixDim> m_cells{};
  std::array<IndexSet, kMatrixDim> m_pattern{};
  NodeOrder m_position = naturalOrder();
  bool m_patternComplete = true;
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
