#pragma once
// Containers for the document's records. Every array of the schematic is numbered from 1:
// component 1 is the first placed, data set 7 is the one a block with index 7 reads, pin 2
// is the second pin of the symbol. These numbers are visible to the user (netlists, file
// "index=" keys, dialog titles), so the containers keep them instead of shifting to 0.
//
//   OneBasedArray<T, N>  a fixed array, elements 1..N (pins, tolerance values, data sets)
//   BoundedList<T, N>    a list with a capacity, elements 1..count (components, wires, ...)
//
// operator[] takes the 1-based number; range-for walks the elements in order.

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

namespace norvane {

template <class T, int N> struct OneBasedArray
{
  static_assert(N > 0);
  using value_type = T;
  std::array<T, N> items{};

  static constexpr int size() { return N; }

  constexpr T& operator[](int i)
  {
    assert(i >= 1 && i <= N);
    return items[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](int i) const
  {
    assert(i >= 1 && i <= N);
    return items[static_cast<std::size_t>(i - 1)];
  }

  constexpr auto begin() { return items.begin(); }
  constexpr auto end() { return items.end(); }
  constexpr auto begin() const { return items.begin(); }
  constexpr auto end() const { return items.end(); }

  friend constexpr bool operator==(const OneBasedArray&, const OneBasedArray&) = default;
};

// A list that never grows beyond Capacity. append() refuses (returns false, stores nothing)
// when the list is full, which is how the file reader drops surplus records and how the
// editor learns that it must show its "maximum of ..." message.
template <class T, int Capacity> class BoundedList
{
public:
  static_assert(Capacity > 0);
  using value_type = T;
  static constexpr int capacity = Capacity;

  int count() const { return static_cast<int>(m_items.size()); }
  bool empty() const { return m_items.empty(); }
  bool full() const { return count() >= Capacity; }

  T& operator[](int i)
  {
    assert(i >= 1 && i <= count());
    return m_items[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](int i) const
  {
    assert(i >= 1 && i <= count());
    return m_items[static_cast<std::size_t>(i - 1)];
  }

  T& last()
  {
    assert(!empty());
    return m_items.back();
  }
  const T& last() const
  {
    assert(!empty());
    return m_items.back();
  }

  bool append(const T& item)
  {
    if (full()) {
      return false;
    }
    m_items.push_back(item);
    return true;
  }

  // Removes element i (1-based); the elements above it move down by one.
  void removeAt(int i)
  {
    assert(i >= 1 && i <= count());
    m_items.erase(m_items.begin() + (i - 1));
  }

  void removeLast()
  {
    if (!m_items.empty()) {
      m_items.pop_back();
    }
  }

  // Removes every element for which pred(element) is true, keeping the order of the rest.
  template <class Pred> int removeIf(Pred pred)
  {
    return static_cast<int>(std::erase_if(m_items, pred));
  }

  // Shrinks to n elements, or grows with default elements; n is clamped to 0..Capacity.
  void resize(int n)
  {
    n = std::clamp(n, 0, Capacity);
    m_items.resize(static_cast<std::size_t>(n));
  }

  void clear() { m_items.clear(); }

  // Keeps room for the whole capacity, so a large data set is filled without reallocation.
  void reserveAll() { m_items.reserve(static_cast<std::size_t>(Capacity)); }

  auto begin() { return m_items.begin(); }
  auto end() { return m_items.end(); }
  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

  friend bool operator==(const BoundedList&, const BoundedList&) = default;

private:
  std::vector<T> m_items;
};

} // namespace norvane
