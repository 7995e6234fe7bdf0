#include "app/MainObjectScreenHost.h"

#include "app/VAvazadOvurUrovi.h"
#include <algorithm>

#include "characters/CPorvikAiClass.h"
#include "platform/os/Window.h"

MainObjectScreenHost::MainObjectScreenHost(VAvazadOvurUrovi& game)
    : m_game(game), m_flags{game.modalScreenOpen,  game.messageWindowOpen,
                            game.buildBookOpen,    game.playMode,
                            game.returnToScenario, game.placingItem,
                            game.tutorialMode,     game.foodMenuOpen,
                            game.foodMenuBuffet,   game.firstVisitorsNoticeGiven,
                            game.savedGameLoaded},
      m_render{game.videoLevel, game.shadowEnabled, game.reflectionEnabled, game.refractionEnabled,
               game.particlesEnabled, game.fogEnabled, game.animalsEnabled, game.farCutEnabled,
               game.highResolution},
      m_bookHost(game) {}

CGuiMainClass& MainObjectScreenHost::Gui() { return m_game; }

void MainObjectScreenHost::HideGameScreens() { m_game.HideGameScreens(); }

int32_t MainObjectScreenHost::GetCash() const { return m_game.cash; }

int32_t& MainObjectScreenHost::PointCounter() { return m_game.points; }

int32_t MainObjectScreenHost::GetFirstParkPercentage() const { return m_game.greeneryPercent; }

int32_t MainObjectScreenHost::GetSecondParkPercentage() const { return m_game.lastCleanPercent; }

StatusDateTime MainObjectScreenHost::GetGameClock() const {
  return {m_game.gameDate.year, m_game.gameDate.month, m_game.gameDate.day, m_game.gameHour, m_game.gameMinute};
}

bool MainObjectScreenHost::HasCharacterManager() const { return m_game.GetAiManager() != nullptr; }

int32_t MainObjectScreenHost::GetVisitorCount() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetVisitorCount() : 0;
}

ParticleEffects* MainObjectScreenHost::GetParticleEffects() { return m_game.particleEffects; }

void MainObjectScreenHost::ArmParkEvents(uint32_t startTick, int32_t eventTimer) {
  m_game.eventStartTick = startTick;
  m_game.eventTimer = eventTimer;
  m_game.eventTimerMinute = m_game.gameMinute;
}

REraduzizVisitor* MainObjectScreenHost::FindCharacterById(int32_t id) {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->FindCharacterById(id) : nullptr;
}
ScreenSet* MainObjectScreenHost::GetScreens() { return m_game.screens.get(); }

bool MainObjectScreenHost::CanAfford(int32_t price) const { return m_game.CanAfford(price); }

void MainObjectScreenHost::AddCash(int32_t amount) { m_game.AddCash(amount); }

void MainObjectScreenHost::BookLedgerKind(int32_t kind, int32_t subject, int32_t amount) {
  m_game.BookLedgerKind(kind, subject, amount);
}

const CLedgerTree* MainObjectScreenHost::GetLedgerTree() const { return m_game.ledgerTree; }

int32_t MainObjectScreenHost::GetStartYear() const { return m_game.systemYear; }

int32_t& MainObjectScreenHost::TicketPrice() { return m_game.entrancePrice; }

int32_t& MainObjectScreenHost::GameSpeed() { return m_game.gameSpeed; }

ParkMoodTotals MainObjectScreenHost::GetMoodTotals() const { return m_game.moodTotals; }

bool MainObjectScreenHost::ObjectExists(const EngineString& name) const { return m_game.ObjectExists(name); }

void MainObjectScreenHost::ArmManagementPagesClose() { m_game.closeFlagSummary = 1; }

int32_t MainObjectScreenHost::GetPlacementCount() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetPlacementCount() : 0;
}

bool MainObjectScreenHost::GetPlacement(int32_t index, EngineString* name, plat::Vec3* position) const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  const AiObjectRecord* point = manager ? manager->GetPlacement(index) : nullptr;
  if (!point) return false;
  *name = point->name;
  *position = point->position;
  return true;
}

bool MainObjectScreenHost::CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) {
  return m_game.CreateStaffMember(id, kind, position);
}

void MainObjectScreenHost::DismissStaffMember(int32_t id) { m_game.DismissStaffMember(id); }

std::vector<PlacementRecord>& MainObjectScreenHost::PlacedCharacters() { return m_game.placedCharacters; }

const std::vector<CAttraction*>& MainObjectScreenHost::GetAttractions() const {
  return m_game.placedObjects.ObjectsByState();
}

EngineString MainObjectScreenHost::GetBaseDirectory() const { return m_game.baseDirectory; }

CFoodCatalog* MainObjectScreenHost::GetFoodCatalog() { return m_game.foodCatalog; }

void MainObjectScreenHost::ApplyTutorialSettings() { m_game.ApplyTutorialSettings(); }

void MainObjectScreenHost::RecordSpending(int32_t amount) {
  constexpr int32_t kSpendingRecord = 4;
  const GameDate& date = m_game.gameDate;
  m_game.AddPlacedRecord(false, amount, date.year, date.month, date.day, kSpendingRecord, "");
}

void MainObjectScreenHost::AddToManagerAttractions(CAttraction& attraction) {
  CPorvikAiClass* manager = m_game.GetAiManager();
  if (!manager) return;
  std::vector<CAttraction*>& attractions = manager->GetRepairList();
  if (std::find(attractions.begin(), attractions.end(), &attraction) == attractions.end()) {
    attractions.push_back(&attraction);
  }
}

bool MainObjectScreenHost::IsParkInView() const {
  constexpr int32_t kStartMenu = 10001;
  const CGuiElement* startMenu = m_game.FindElement(kStartMenu);
  return m_game.playMode && !m_game.optionsOpen && !(startMenu && startMenu->IsVisible());
}

bool MainObjectScreenHost::SetGammaRamp(const GammaChannel& ramp) {
  return plat::SetGammaRamp(m_game.GetWindow(), ramp.data(), ramp.data(), ramp.data());
}

void MainObjectScreenHost::SetWorldStopped(bool stopped) { m_game.simulationHalted = stopped ? 1 : 0; }

void MainObjectScreenHost::ResetForLesson(bool tutorialScene) { m_game.StartNewGame(tutorialScene); }

const CPorvikScenarios* MainObjectScreenHost::GetScenarios() const { return m_game.scenarios; }

bool MainObjectScreenHost::StartScenario(int32_t index) { return m_game.StartScenario(index); }

int32_t MainObjectScreenHost::GetFirstParkRating() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetGreenBand() : 0;
}

int32_t MainObjectScreenHost::GetSecondParkRating() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetCleanBand() : 0;
}

const CharacterTexts* MainObjectScreenHost::GetCharacterTexts() const { return &m_game.characterTexts; }
