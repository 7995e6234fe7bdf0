#pragma once
// The main object as the park of the visitors' pass: its saving byte, the
// game clock, the entrance price and the cash, the placed objects that serve
// visitors, and the ledger. Installs itself while it lives.
#include "characters/CVisitorPark.h"

class VAvazadOvurUrovi;

class CMainObjectVisitorPark : public CVisitorPark {
 public:
  explicit CMainObjectVisitorPark(VAvazadOvurUrovi& game);
  ~CMainObjectVisitorPark() override;
  CMainObjectVisitorPark(const CMainObjectVisitorPark&) = delete;
  CMainObjectVisitorPark& operator=(const CMainObjectVisitorPark&) = delete;

  bool IsSaving() const override;
  Clock GetClock() const override;
  void SetClock(const Clock& clock) override;
  int32_t GetEntrancePrice() const override;
  void TakeEntranceFee(int32_t price) override;
  std::vector<ObjectView> GetObjects() const override;
  void Book(const LedgerRecord& record) override;
  RatingFigures GetRatingFigures() const override;
  void SetLastCleanPercent(int32_t percent) override;
  void ShowRatings() override;
  void AwardPoints(int32_t points) override;
  void ShowRatingMessage(const EngineString& text) override;
  bool IsTutorialAtGreenStep() const override;
  void FinishTutorialGreenStep(AnswerCallback callback, void* context) override;
  void AdvanceTutorial() override;
  int32_t GetScenarioIndex() const override;
  std::vector<int32_t> GetPlacedCharacterIds() const override;
  void SetVisitorCount(int32_t count) override;
  void AddYearStatistics(int32_t year) override;

 private:
  VAvazadOvurUrovi& m_game;
};
