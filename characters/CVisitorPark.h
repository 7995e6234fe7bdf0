#pragma once
// What the visitors' pass of the character manager reads and writes of the
// park beyond the characters' world: the game clock with its date, the
// entrance price and the cash, the placed objects that count for spawning
// and the monthly costs, and the ledger. The main object installs its
// implementation while it runs (tests install a fake); without one the pass
// updates the characters but spawns nobody and books nothing.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
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
  // What the park's green and clean ratings are worked from.
  struct RatingFigures {
    int32_t greeneryPercent = 0;
    int32_t litteredPathCells = 0;
    int32_t pathCells = 0;
    int32_t lastCleanPercent = 0;  // 100 less the littered share last shown
  };
  // The message window's answer callback: (context, ignored, answer).
  using AnswerCallback = void (*)(void* context, int32_t ignored, int32_t answer);

  virtual RatingFigures GetRatingFigures() const = 0;
  virtual void SetLastCleanPercent(int32_t percent) = 0;
  // The status bar's green and clean captions show the figures.
  virtual void ShowRatings() = 0;
  // Adds to the park's points and shows them.
  virtual void AwardPoints(int32_t points) = 0;
  // A rating's news in the message window, no answer awaited.
  virtual void ShowRatingMessage(const EngineString& text) = 0;
  // The tutorial waits at the step that asks for greenery.
  virtual bool IsTutorialAtGreenStep() const = 0;
  // That step is done: the tutorial moves on and its message (text 400000,
  // answered with code 2) goes to the callback.
  virtual void FinishTutorialGreenStep(AnswerCallback callback, void* context) = 0;
  // The tutorial's next step.
  virtual void AdvanceTutorial() = 0;
  // The running scenario's index, -1 while none runs.
  virtual int32_t GetScenarioIndex() const = 0;
  // The characters the main object's active placement records name.
  virtual std::vector<int32_t> GetPlacedCharacterIds() const = 0;
  // The visitors in the park after each frame's pass.
  virtual void SetVisitorCount(int32_t count) = 0;
  // The statistics' series of a new year.
  virtual void AddYearStatistics(int32_t year) = 0;
};
