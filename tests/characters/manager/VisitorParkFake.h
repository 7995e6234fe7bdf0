#pragma once
// The park as the visitors' pass sees it, for tests: a clock the test sets,
// the cash, the placed objects, and the real ledger the bookings go to.
#include <string>
#include <vector>

#include "characters/CVisitorPark.h"
#include "park/ledger/LedgerBooking.h"

namespace managertest {

class FakeVisitorPark : public CVisitorPark {
 public:
  FakeVisitorPark() { CVisitorPark::Install(this); }
  ~FakeVisitorPark() override { CVisitorPark::Install(nullptr); }

  bool IsSaving() const override { return saving; }
  Clock GetClock() const override { return clock; }
  void SetClock(const Clock& c) override { clock = c; }
  int32_t GetEntrancePrice() const override { return price; }
  void TakeEntranceFee(int32_t fee) override {
    cash += fee;
    ++sales;
  }
  std::vector<ObjectView> GetObjects() const override { return objects; }
  void Book(const LedgerRecord& record) override {
    AddLedgerRecord(tree, list, record);
    booked.push_back(record);
  }
  RatingFigures GetRatingFigures() const override { return figures; }
  void SetLastCleanPercent(int32_t percent) override { figures.lastCleanPercent = percent; }
  void ShowRatings() override { ++ratingsShown; }
  void AwardPoints(int32_t p) override { points += p; }
  void ShowRatingMessage(const EngineString& text) override { messages.push_back(text.Std()); }
  bool IsTutorialAtGreenStep() const override { return tutorialAtGreenStep; }
  void FinishTutorialGreenStep(AnswerCallback callback, void* context) override {
    tutorialAtGreenStep = false;
    answer = callback;
    answerContext = context;
  }
  void AdvanceTutorial() override { ++tutorialSteps; }
  int32_t GetScenarioIndex() const override { return scenario; }
  std::vector<int32_t> GetPlacedCharacterIds() const override { return placedIds; }
  void SetVisitorCount(int32_t count) override { visitors = count; }
  void AddYearStatistics(int32_t year) override { newYears.push_back(year); }

  // The booked amounts of one category and kind.
  int64_t Total(int32_t category, int32_t kind) const {
    int64_t sum = 0;
    for (const LedgerRecord& r : booked)
      if (r.category == category && r.kind == kind) sum += r.amount;
    return sum;
  }

  bool saving = false;
  Clock clock;
  int32_t price = 0;
  int64_t cash = 0;
  int sales = 0;
  int32_t visitors = 0;
  RatingFigures figures;
  int ratingsShown = 0;
  int32_t points = 0;
  std::vector<std::string> messages;
  bool tutorialAtGreenStep = false;
  AnswerCallback answer = nullptr;
  void* answerContext = nullptr;
  int tutorialSteps = 0;
  int32_t scenario = -1;
  std::vector<int32_t> placedIds;
  std::vector<ObjectView> objects;
  std::vector<LedgerRecord> booked;
  std::vector<int32_t> newYears;
  CLedgerTree tree;
  CLedgerRecordList list;
};

}  // namespace managertest
