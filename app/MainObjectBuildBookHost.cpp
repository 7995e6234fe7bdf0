#include "app/MainObjectBuildBookHost.h"

#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "screens/REraduzizMessageWindow.h"

EngineString MainObjectBuildBookHost::GetBaseDirectory() const { return m_game.baseDirectory; }

std::optional<int32_t> MainObjectBuildBookHost::GetRunningScenario() const {
  if (!m_game.scenarioRunning) return std::nullopt;
  return m_game.scenarios ? m_game.scenarios->current : CPorvikScenarios::kNoScenario;
}

std::optional<int32_t> MainObjectBuildBookHost::GetRatingBand() const {
  // The book's first page is laid out on the loading thread while the other
  // loading thread makes the manager: only a finished manager is read.
  if (!m_game.aiManagerDone.load() || !m_game.GetAiManager()) return std::nullopt;
  // The band of the park's greenery, which the manager's ratings keep: 0
  // until it has rated the park.
  return m_game.GetAiManager()->GetGreenBand();
}

bool MainObjectBuildBookHost::IsBuilt(const EngineString& id) const {
  const std::vector<CAttraction*>& objects = m_game.placedObjects.Objects();
  return std::any_of(objects.begin(), objects.end(), [&](const CAttraction* object) { return object->id == id; });
}

std::optional<int32_t> MainObjectBuildBookHost::FindObjectType(const EngineString& name) const {
  int32_t index = -1;
  if (!m_game.FindObjectTypeByName(name, nullptr, &index)) return std::nullopt;
  return index;
}

bool MainObjectBuildBookHost::SelectBuildItem(int32_t index, int32_t price) {
  if (index < 0 || !m_game.SelectBuildItem(uint32_t(index), price)) return false;
  m_game.buildItemSelected = 1;
  return true;
}

std::optional<EngineString> MainObjectBuildBookHost::GetTemplateId() const {
  if (!m_game.placementPreview) return std::nullopt;
  return m_game.placementPreview->id;
}

bool MainObjectBuildBookHost::PlaceTemplateAt(const plat::Vec3& position, float rotationDegrees) {
  CAttraction* preview = m_game.placementPreview;
  if (!preview) return false;
  preview->SetPosition(position.x, position.y, position.z);
  preview->SetRotation(rotationDegrees);
  if (m_game.IsFootprintBlocked()) return false;
  return m_game.PlaceBuildItem(*preview) != nullptr;
}

void MainObjectBuildBookHost::ResetTemplate() {
  if (m_game.placementPreview) m_game.placementPreview->Reset();
}

uint8_t& MainObjectBuildBookHost::PlacementAllowed() { return m_game.placementAllowed; }

void MainObjectBuildBookHost::RefreshStatusDisplay() { m_game.RefreshStatusDisplay(); }

void MainObjectBuildBookHost::ShowMessage(const EngineString& text) {
  if (m_game.messageWindow) m_game.messageWindow->Show(text, 0, nullptr, REraduzizMessageWindow::kNoTag);
}
