#include "park/ledger/CLedgerTree.h"

CLedgerTree::CLedgerTree() = default;

CLedgerTree::~CLedgerTree() = default;

bool CLedgerTree::KeyOf(int32_t flag, int32_t category, int32_t kind, int32_t subject, Key& key) {
  switch (flag) {
    case 0:
      key = {0, category, kind, 0};
      return true;
    case 1:
      key = {1, category, kind, subject};
      return true;
    default:
      return false;
  }
}

void CLedgerTree::Merge(const LedgerRecord& booking) {
  Key key;
  const bool keyed = KeyOf(booking.flag, booking.category, booking.kind, booking.subject, key);
  LedgerEntryNode* entry = nullptr;
  if (keyed) {
    const auto found = m_byKey.find(key);
    if (found != m_byKey.end()) entry = found->second;
  }
  if (!entry) {
    entry = m_entries.emplace_back(std::make_unique<LedgerEntryNode>(booking)).get();
    if (keyed) m_byKey.emplace(key, entry);
  }
  entry->Add(booking);
}

void CLedgerTree::DeleteEntries() {
  m_byKey.clear();
  m_entries.clear();
}

const LedgerEntryNode* CLedgerTree::FindEntry(int32_t flag, int32_t category, int32_t kind, int32_t subject) const {
  Key key;
  if (!KeyOf(flag, category, kind, subject, key)) return nullptr;
  const auto found = m_byKey.find(key);
  return found == m_byKey.end() ? nullptr : found->second;
}
