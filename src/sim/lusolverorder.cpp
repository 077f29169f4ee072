#include "sim/lusolverorder.h"

namespace norvane {

namespace {

using Graph = std::array<IndexSet, kMatrixDim>;

// Eliminates every node of `g` in turn, joining the neighbours of each eliminated node (the
// fill-in). `pick` chooses the next node among those remaining. Returns the number of fill
// edges and writes the elimination sequence.
template <class Pick> int eliminate(Graph g, int n, Pick pick, std::array<int, kMatrixDim>& seq)
{
  IndexSet remaining = IndexSet::range(1, n);
  int fill = 0;
  for (int step = 1; step <= n; ++step) {
    const int v = pick(g, remaining, step);
    seq[static_cast<std::size_t>(step)] = v;
    remaining = remaining & ~IndexSet::range(v, v);
    const IndexSet nbrs = g[static_cast<std::size_t>(v)] & remaining;
    nbrs.forEach([&](int u) {
      IndexSet& adj = g[static_cast<std::size_t>(u)];
      const IndexSet added = nbrs & ~adj & ~IndexSet::range(u, u);
      fill += added.count();
      adj |= added;
    });
  }
  return fill;
}

} // namespace

ComplexMatrix::NodeOrder fillReducingOrder(const ComplexMatrix& stamped, int n)
{
  ComplexMatrix::NodeOrder order = ComplexMatrix::naturalOrder();
  if (n < 3 || n > kMaxSystemSize) {
    return order;
  }
  Graph g{};
  const IndexSet nodes = IndexSet::range(1, n);
  for (int i = 1; i <= n; ++i) {
    (stamped.pattern(i) & nodes).forEach([&](int j) {
      if (j != i) {
        g[static_cast<std::size_t>(i)].set(j);
        g[static_cast<std::size_t>(j)].set(i);
      }
    });
  }
  std::array<int, kMatrixDim> natural{};
  std::array<int, kMatrixDim> minimumDegree{};
  const int naturalFill = eliminate(
      g, n, [](const Graph&, const IndexSet&, int step) { return step; }, natural);
  const int minimumFill = eliminate(
      g, n,
      [](const Graph& graph, const IndexSet& remaining, int) {
        int best = -1;
        int bestDegree = kMatrixDim;
        remaining.forEach([&](int v) {
          const int degree = (graph[static_cast<std::size_t>(v)] & remaining).count();
          if (degree < bestDegree) {
            bestDegree = degree;
            best = v;
          }
        });
        return best;
      },
      minimumDegree);
  if (minimumFill < naturalFill) {
    for (int step = 1; step <= n; ++step) {
      order[static_cast<std::size_t>(minimumDegree[static_cast<std::size_t>(step)])] =
          static_cast<std::int16_t>(step);
    }
  }
  return order;
}

} // namespace norvane
