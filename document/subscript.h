#pragma once
// Index checks shared by the indexed members of the document and its records:
// unguarded members throw like the run time's subscript error, guarded ones
// just test the index.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace norva {

[[noreturn]] inline void ThrowSubscript(const char* what, long i) {
  throw std::out_of_range(std::string("subscript out of range: ") + what + "(" +
                          std::to_string(i) + ")");
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
