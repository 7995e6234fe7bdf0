// Any bytes as the ledger's block of a park file: the records are replayed
// into a fresh ledger, whose sums must equal a recount of the records read,
// and the replayed ledger saved and read again must give the same sums.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/core/SceneStream.h"
#include "park/ledger/LedgerBooking.h"
#include "tests/park/ledger/LedgerTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ledgertest::Ledger replayed;
  {
    SceneStream in(ledgertest::FileOf(bytes));
    ReadLedger(in, replayed.tree, replayed.list);
  }
  const ledgertest::Sums sums = ledgertest::TreeSums(replayed.tree);
  if (sums != ledgertest::Recount(replayed.list)) std::abort();

  const std::string saved = ledgertest::Written([&](SceneStream& out) { WriteLedger(out, replayed.list); });
  ledgertest::Ledger again;
  SceneStream in(ledgertest::FileOf(saved));
  if (!ReadLedger(in, again.tree, again.list) || ledgertest::TreeSums(again.tree) != sums) std::abort();
  return 0;
}
