#pragma once
// The ledger's calendar tree: one entry per category and kind (flag 0) and
// one per category, kind and subject (flag 1), each with running sums per
// year, month, day and hour. The finance overview sums its entries, the
// statistics window draws its year, month, day and hour sums.
//
// Storage grows with the bookings only: a year node stores the months, days
// and hours that bookings reached (see LedgerSlots.h), not all 13 x 32 x 25
// of them, with the same sums.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerRecord.h"

class CLedgerTree {
 public:
  CLedgerTree();
  ~CLedgerTree();
  CLedgerTree(const CLedgerTree&) = delete;
  CLedgerTree& operator=(const CLedgerTree&) = delete;

  // Counts the booking in its entry, made when missing (flag 0: the entry of
  // its category and kind; flag 1: of its category, kind and subject). A
  // booking with any other flag matches no entry and makes a new one.
  void Merge(const LedgerRecord& booking);
  void DeleteEntries();

  // The entry a booking with these fields would be merged into, or null.
  const LedgerEntryNode* FindEntry(int32_t flag, int32_t category, int32_t kind, int32_t subject) const;
  // The entries in the order they were made.
  const std::vector<std::unique_ptr<LedgerEntryNode>>& Entries() const { return m_entries; }

 private:
  using Key = std::array<int32_t, 4>;  // flag, category, kind, subject (0 for flag 0)
  static bool KeyOf(int32_t flag, int32_t category, int32_t kind, int32_t subject, Key& key);

  std::vector<std::unique_ptr<LedgerEntryNode>> m_entries;
  std::map<Key, LedgerEntryNode*> m_byKey;
};
