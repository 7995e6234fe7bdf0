#pragma once
// What the visitors' pass of the character manager reads and writes of the
// park beyond the characters' world: the game clock with its date, the
// entrance price and the cash, the placed objects that count for spawning
// and the monthly costs, and the ledger. The main object installs its
// implementation while it runs (tests install a fake); without one the pass
// updates the characters but spawns nobody and books nothing.
#include <cstdint>
#include <vector>

#include "park/ledger/LedgerRecord.h"

class CVisitorPark {
 public:
  // The game clock. A month has 30 days; a day opens at 10:00.
  struct Clock {
    int32_t year = 1;
    int32_t month = 1;
    int32_t day = 1;
    int32_t hour = 10;
    int32_t minute = 0;
    int32_t previousYear = 1;
    int32_t previousMonth = 1;
    int32_t previousDay = 1;
    int32_t previousHour = 7;
    int32_t previousMinute = 59;
  };
  // One placed object of the park's object list as the pass sees it.
  struct ObjectView {
    bool openAttraction = false;  // an attraction whose gate is open
    int32_t number = 0;           // its ledger number
    int32_t costCount = 0;        // at least 1 when it has running costs
    int32_t monthlyValue = 0;
  };

  virtual ~CVisitorPark() = default;

  static CVisitorPark* Get();
  static void Install(CVisitorPark* park);

  // While a game is being saved the pass does nothing.
  virtual bool IsSaving() const = 0;
  virtual Clock GetClock() const = 0;
  virtual void SetClock(const Clock& clock) = 0;
  virtual int32_t GetEntrancePrice() const = 0;
  // The entrance fee: added to the cash and kept as a sale of the day.
  virtual void TakeEntranceFee(int32_t price) = 0;
  virtual std::vector<ObjectView> GetObjects() const = 0;
  virtual void Book(const LedgerRecord& record) = 0;
  // The visitors in the park after each frame's pass.
  virtual void SetVisitorCount(int32_t count) = 0;
  // The statistics' series of a new year.
  virtual void AddYearStatistics(int32_t year) = 0;
};
