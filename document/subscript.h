#pragma once
// Index checks shared by the indexed members of the document and its records:
// unguarded members throw like the run time's subscript error, guarded ones
// just test the index.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace norva {

[[noreturn]] inline void ThrowSubscript(const char* what, long i) {
  throw std::out_of_range(std::string("subscript out of range: ") + what + "(" + std::to_string(i) +
                          ")");
}

template <typename A>
bool ValidIndex(const A& a, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < a.size();
}

template <typename A>
auto& At(A& a, int i, const char* what) {
  if (!ValidIndex(a, i)) ThrowSubscript(what, i);
  return a[static_cast<std::size_t>(i)];
}

// Guarded members: an index outside reads the element type's zero value and
// writes nothing.
template <typename A>
typename A::value_type GuardedGet(const A& a, int i) {
  return ValidIndex(a, i) ? a[static_cast<std::size_t>(i)] : typename A::value_type{};
}

template <typename A, typename T>
void GuardedSet(A& a, int i, T&& v) {
  if (ValidIndex(a, i)) a[static_cast<std::size_t>(i)] = std::forward<T>(v);
}

// Lists that show their first `count` elements: entries behind the count may
// linger after it falls and stay out of reach; otherwise guarded as above.
template <typename A>
bool CountedIndex(const A& a, int count, int i) {
  return i < count && ValidIndex(a, i);
}

template <typename A>
typename A::value_type CountedGet(const A& a, int count, int i) {
  return CountedIndex(a, count, i) ? a[static_cast<std::size_t>(i)] : typename A::value_type{};
}

template <typename A, typename T>
void CountedSet(A& a, int count, int i, T&& v) {
  if (CountedIndex(a, count, i)) a[static_cast<std::size_t>(i)] = std::forward<T>(v);
}

// Resize to n entries (none when n < 1), keeping the existing ones.
template <typename V>
void ResizeKeep(V& v, int n, const typename V::value_type& fill) {
  if (n < 1) {
    v.clear();
  } else {
    v.resize(static_cast<std::size_t>(n), fill);
  }
}

}  // namespace norva
