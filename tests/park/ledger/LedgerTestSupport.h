#pragma once
// Helpers of the ledger tests: a ledger to book into, every stored sum of a
// tree in one map, the same sums recounted straight from a record list,
// and a read stream over the bytes a write produced.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/core/SceneStream.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"

namespace ledgertest {

struct Ledger {
  CLedgerTree tree;
  CLedgerRecordList list;
  void Book(const LedgerRecord& r) { AddLedgerRecord(tree, list, r); }
};

// Key: the entry's flag, category, kind and subject (0 for flag 0), then as
// many of year, month, day and hour as the level goes down.
using SumKey = std::vector<int32_t>;
using Sums = std::map<SumKey, int32_t>;

inline SumKey EntryKey(const LedgerRecord& r) {
  return {r.flag, r.category, r.kind, r.flag == 1 ? r.subject : 0};
}

// Every sum the tree stores, at every level.
inline Sums TreeSums(const CLedgerTree& tree) {
  Sums sums;
  for (const auto& entry : tree.Entries()) {
    SumKey key = EntryKey(entry->Head());
    sums[key] = entry->Amount();
    for (const LedgerYearNode& year : entry->Years()) {
      SumKey y = key;
      y.push_back(year.Year());
      sums[y] = year.Amount();
      for (const LedgerMonthNode& month : year.Months()) {
        SumKey m = y;
        m.push_back(month.Index());
        sums[m] = month.Amount();
        for (const LedgerDayNode& day : month.Days()) {
          SumKey d = m;
          d.push_back(day.Index());
          sums[d] = day.Amount();
          for (const LedgerHourSum& hour : day.Hours()) {
            SumKey h = d;
            h.push_back(hour.hour);
            sums[h] = hour.amount;
          }
        }
      }
    }
  }
  return sums;
}

// The sums recounted from the records alone: each record counts in its
// flag-0 entry and, with a subject, in its flag-1 entry; a month, day or
// hour outside its slots ends the descent. Sums wrap at 32 bits as the
// tree's do.
inline Sums Recount(const CLedgerRecordList& list) {
  Sums sums;
  auto count = [&sums](const LedgerRecord& r) {
    auto add = [&sums, &r](const SumKey& key) { sums[key] = ledger::AddAmount(sums[key], r.amount); };
    SumKey key = EntryKey(r);
    add(key);
    key.push_back(r.year);
    add(key);
    const int32_t slots[3][2] = {{r.month, 13}, {r.day, 32}, {r.hour, 25}};
    for (const auto& [index, slotCount] : slots) {
      if (index < 0 || index >= slotCount) return;
      key.push_back(index);
      add(key);
    }
  };
  for (const LedgerRecord& r : list.Records()) {
    count(r);
    if (r.subject > -1) {
      LedgerRecord perSubject = r;
      perSubject.flag = 1;
      count(perSubject);
    }
  }
  return sums;
}

// The bytes that write(out) puts into a stream.
template <class Write>
std::string Written(Write write) {
  std::FILE* file = std::tmpfile();
  SceneStream out(file);
  write(out);
  std::fflush(file);
  std::rewind(file);
  std::string bytes;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes.push_back(static_cast<char>(c));
  return bytes;
}

// A stream file to read the bytes from; the stream that takes it closes it.
inline std::FILE* FileOf(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

}  // namespace ledgertest
