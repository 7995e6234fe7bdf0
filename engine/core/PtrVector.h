#pragma once
// Helpers for the engine's vectors of pointers: checked element access,
// append and size, so that callers never index past the end.
#include <cstddef>
#include <vector>

// Element i, or null when i is negative or not below the size.
template <class T>
T* PtrVectorAtOrNull(const std::vector<T*>& v, int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= v.size()) return nullptr;
  return v[static_cast<std::size_t>(i)];
}

template <class T>
void PtrVectorPushBack(std::vector<T*>& v, T* p) {
  v.push_back(p);
}

template <class T>
int PtrVectorSize(const std::vector<T*>& v) {
  return static_cast<int>(v.size());
}
