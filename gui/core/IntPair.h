#pragma once
// Two signed integers that the widgets use as a point or a size.
#include <cstdint>

struct IntPair {
  IntPair() = default;
  IntPair(int32_t a, int32_t b) : first(a), second(b) {}

  void Clear() { Set(0, 0); }
  void CopyFrom(const IntPair& other) { Set(other.first, other.second); }
  void Set(int32_t a, int32_t b) {
    first = a;
    second = b;
  }

  int32_t first = 0;
  int32_t second = 0;
};
