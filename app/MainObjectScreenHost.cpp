#include "app/MainObjectScreenHost.h"

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"

MainObjectScreenHost::MainObjectScreenHost(VAvazadOvurUrovi& game)
    : m_game(game), m_flags{game.modalScreenOpen,  game.messageWindowOpen,
                            game.buildBookOpen,    game.playMode,
                            game.returnToScenario, game.statusRefresh,
                            game.tutorialMode,     game.foodMenuOpen,
                            game.foodMenuBuffet,   game.firstVisitorsNoticeGiven,
                            game.savedGameLoaded} {}

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
