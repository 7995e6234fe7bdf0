#include "app/CMainObjectVisitorPark.h"

#include "app/VAvazadOvurUrovi.h"
#include "park/ledger/LedgerBooking.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "screens/REraduzizMessageWindow.h"

namespace {

// The placed-object state of an attraction, the only kind that lets a
// visitor in for the entrance price.
constexpr int32_t kAttractionState = 0;
// An entrance ticket is kept among the day's sales as one item.
constexpr int32_t kTicketCount = 1;
// The message window's plain page, closed with its one button.
constexpr int32_t kNewsMessage = 0;

}  // namespace

CMainObjectVisitorPark::CMainObjectVisitorPark(VAvazadOvurUrovi& game) : m_game(game) { Install(this); }

CMainObjectVisitorPark::~CMainObjectVisitorPark() {
  if (Get() == this) Install(nullptr);
}

bool CMainObjectVisitorPark::IsSaving() const { return m_game.saving != 0; }

CVisitorPark::Clock CMainObjectVisitorPark::GetClock() const {
  Clock clock;
  clock.year = m_game.gameDate.year;
  clock.month = m_game.gameDate.month;
  clock.day = m_game.gameDate.day;
  clock.hour = m_game.gameHour;
  clock.minute = m_game.gameMinute;
  clock.previousYear = m_game.previousYear;
  clock.previousMonth = m_game.previousMonth;
  clock.previousDay = m_game.previousDay;
  clock.previousHour = m_game.previousHour;
  clock.previousMinute = m_game.previousMinute;
  return clock;
}

void CMainObjectVisitorPark::SetClock(const Clock& clock) {
  const GameDate before = m_game.gameDate;
  m_game.gameDate = {clock.year, clock.month, clock.day};
  m_game.CountScenarioMonths(before);
  m_game.gameHour = clock.hour;
  m_game.gameMinute = clock.minute;
  m_game.previousYear = clock.previousYear;
  m_game.previousMonth = clock.previousMonth;
  m_game.previousDay = clock.previousDay;
  m_game.previousHour = clock.previousHour;
  m_game.previousMinute = clock.previousMinute;
}

int32_t CMainObjectVisitorPark::GetEntrancePrice() const { return m_game.entrancePrice; }

void CMainObjectVisitorPark::TakeEntranceFee(int32_t price) {
  m_game.AddCash(price);
  const GameDate& date = m_game.gameDate;
  m_game.AddPlacedRecord(false, price, date.year, date.month, date.day, kTicketCount, "");
}

std::vector<CVisitorPark::ObjectView> CMainObjectVisitorPark::GetObjects() const {
  std::vector<ObjectView> views;
  for (const CAttraction* object : m_game.placedObjects.ObjectsByState()) {
    if (!object) continue;
    ObjectView view;
    view.openAttraction = object->state == kAttractionState && object->isClosed == 0;
    view.number = object->objectNumber;
    // Running costs: a tenth of the build price a month for every object
    // that takes visitors.
    view.costCount = object->visitorCapacity;
    view.monthlyValue = object->buildCost;
    views.push_back(view);
  }
  return views;
}

void CMainObjectVisitorPark::Book(const LedgerRecord& record) {
  if (m_game.ledgerTree && m_game.ledgerRecords) AddLedgerRecord(*m_game.ledgerTree, *m_game.ledgerRecords, record);
}

CVisitorPark::RatingFigures CMainObjectVisitorPark::GetRatingFigures() const {
  RatingFigures figures;
  figures.greeneryPercent = m_game.greeneryPercent;
  figures.litteredPathCells = m_game.litteredPathCells;
  figures.pathCells = m_game.pathCells;
  figures.lastCleanPercent = m_game.lastCleanPercent;
  return figures;
}

void CMainObjectVisitorPark::SetLastCleanPercent(int32_t percent) { m_game.lastCleanPercent = percent; }

// The status display holds both captions, the points and the lights.
void CMainObjectVisitorPark::ShowRatings() { m_game.RefreshStatusDisplay(); }

void CMainObjectVisitorPark::AwardPoints(int32_t points) {
  m_game.points += points;
  m_game.RefreshStatusDisplay();
}

void CMainObjectVisitorPark::ShowRatingMessage(const EngineString& text) {
  m_game.QueueFlagCommands();
  if (m_game.messageWindow) m_game.messageWindow->Show(text, kNewsMessage, nullptr, REraduzizMessageWindow::kNoTag);
}

// The plant lesson waits for greenery.
bool CMainObjectVisitorPark::IsTutorialAtGreenStep() const {
  return m_game.tutorialScreen && m_game.tutorialScreen->IsAtLesson(REraduzizTutorialScreen::kPlantLesson);
}

void CMainObjectVisitorPark::FinishTutorialGreenStep(AnswerCallback callback, void* context) {
  if (!m_game.tutorialScreen) return;
  m_game.tutorialScreen->FinishLesson(
      REraduzizTutorialScreen::kPlantLesson, REraduzizTutorialScreen::kPlantDoneText,
      [callback](void* answered, int32_t, int32_t tag, int32_t, int32_t) { callback(answered, 0, tag); }, context);
}

void CMainObjectVisitorPark::AdvanceTutorial() {
  if (m_game.tutorialScreen) m_game.tutorialScreen->NextStep();
}

int32_t CMainObjectVisitorPark::GetScenarioIndex() const {
  return m_game.scenarioRunning && m_game.scenarios ? m_game.scenarios->current : CPorvikScenarios::kNoScenario;
}

std::vector<int32_t> CMainObjectVisitorPark::GetPlacedCharacterIds() const {
  std::vector<int32_t> ids;
  for (const PlacementRecord& record : m_game.placedCharacters) {
    if (record.flag) ids.push_back(record.id);
  }
  return ids;
}

void CMainObjectVisitorPark::SetVisitorCount(int32_t count) { m_game.visitorCount = count; }

void CMainObjectVisitorPark::AddYearStatistics(int32_t) { m_game.AddStatisticItems(); }
