#pragma once
// The ledger tree's months, days and hours are addressed by their number
// used as an index into a fixed number of slots. Only the slots that a
// booking reaches are stored, in ascending index order; a missing slot reads
// as a sum of 0. That keeps the same sums as fully allocated slots at a
// small part of the memory.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace ledger {

// Whether index is one of count slots, 0 to count - 1; negative numbers and
// numbers from count on are not.
inline bool InSlots(int32_t index, int32_t count) {
  return static_cast<uint32_t>(index) < static_cast<uint32_t>(count);
}

// The first stored slot whose index is not below index.
template <class Iterator>
Iterator SlotPosition(Iterator first, Iterator last, int32_t index) {
  return std::lower_bound(first, last, index, [](const auto& slot, int32_t wanted) { return slot.Index() < wanted; });
}

// The stored slot of that index, made empty when it is not stored yet.
template <class T>
T& SlotAt(std::vector<T>& slots, int32_t index) {
  auto at = SlotPosition(slots.begin(), slots.end(), index);
  if (at == slots.end() || at->Index() != index) at = slots.insert(at, T{index});
  return *at;
}

// The stored slot of that index, or null.
template <class T>
const T* FindSlot(const std::vector<T>& slots, int32_t index) {
  const auto at = SlotPosition(slots.begin(), slots.end(), index);
  return at == slots.end() || at->Index() != index ? nullptr : &*at;
}

}  // namespace ledger
