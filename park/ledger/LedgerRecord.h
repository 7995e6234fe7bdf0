#pragma once
// One booking of the park's ledger: ten signed 32-bit values in the order in
// which the saved game stores them. The same layout is the head of every
// ledger tree node, whose amount is then a running sum.
#include <cstdint>

struct LedgerRecord {
  int32_t flag = -1;      // 0 park-wide booking or entry, 1 entry kept per subject
  int32_t category = -1;  // 1 to 6, see LedgerKinds.h
  int32_t kind = -1;      // 1 to 17, see LedgerKinds.h
  int32_t subject = -1;   // the placed object's ledger number, or -1
  int32_t year = -1;      // park clock at booking
  int32_t month = -1;     // 1 to 12
  int32_t day = -1;       // 1 to 31
  int32_t hour = -1;
  int32_t amount = 0;     // money or a count, as the kind says
  int32_t flag2 = -1;     // the booker's marker, stored and saved only
};

// The park clock's date and hour that a booking carries.
struct LedgerDate {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
};

namespace ledger {

// Running sums stay 32-bit like the amounts themselves; the addition wraps
// instead of overflowing, so a corrupt saved amount cannot make it undefined
// and the sums do not depend on the order of the bookings.
inline int32_t AddAmount(int32_t sum, int32_t amount) {
  return static_cast<int32_t>(static_cast<uint32_t>(sum) + static_cast<uint32_t>(amount));
}

}  // namespace ledger
