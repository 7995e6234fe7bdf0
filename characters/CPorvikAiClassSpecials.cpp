// The characters beyond the visitors that the pass moves: those the main
// object placed (hired staff), and the six special park characters, who
// come out one at a time as the park fills.
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "platform/os/Random.h"

namespace {

// Special character 1 comes out once this many visitors are in the park.
constexpr int32_t kSpecialOneVisitors = 16;
// The scenario in which the player looks for the special characters: they
// come out only in a busy park.
constexpr int32_t kFindCharactersScenario = 1;
constexpr int32_t kScenarioSpecialFiveVisitors = 100;
constexpr int32_t kScenarioSpecialFourVisitors = 150;
constexpr int32_t kScenarioSpecialOneVisitors = 200;
// The two specials that can be held back.
constexpr int32_t kFirstHeldBackId = 2;
constexpr int32_t kLastHeldBackId = 3;

}  // namespace

bool CPorvikAiClass::IsSpecialHeldBack(int32_t id) const {
  if (id < kFirstHeldBackId || id > kLastHeldBackId) return false;
  return m_specialHeldBack[std::size_t(id - kFirstHeldBackId)] != 0;
}

void CPorvikAiClass::SetSpecialHeldBack(int32_t id, bool heldBack) {
  if (id < kFirstHeldBackId || id > kLastHeldBackId) return;
  m_specialHeldBack[std::size_t(id - kFirstHeldBackId)] = heldBack ? 1 : 0;
}

void CPorvikAiClass::UpdatePlacedCharacters(double dt) {
  CVisitorPark* park = CVisitorPark::Get();
  if (!park) return;
  for (int32_t id : park->GetPlacedCharacterIds()) {
    if (REraduzizVisitor* character = FindCharacterById(id)) character->UpdateByKind(dt);
  }
}

void CPorvikAiClass::UpdateSpecialCharacters(double dt) {
  bool oneAllowed = m_visitorCount >= kSpecialOneVisitors;
  bool fiveMayShow = true;
  bool fourMayShow = true;
  CVisitorPark* park = CVisitorPark::Get();
  if (park && park->GetScenarioIndex() == kFindCharactersScenario) {
    fiveMayShow = m_visitorCount > kScenarioSpecialFiveVisitors;
    fourMayShow = m_visitorCount > kScenarioSpecialFourVisitors;
    oneAllowed = m_visitorCount > kScenarioSpecialOneVisitors;
  }
  m_specialOneAllowed = oneAllowed ? 1 : 0;
  m_shownThisFrame = 0;
  const int32_t records = GetPlacementCount();
  if (m_spawn.objectId != kNoSpawnPoint && records != 0) {
    if (!IsSpecialHeldBack(2)) UpdateSpecial(2, true, dt);
    if (!IsSpecialHeldBack(3) && !m_shownThisFrame) UpdateSpecial(3, true, dt);
    UpdateSpecial(4, !m_shownThisFrame && fourMayShow, dt);
    UpdateSpecial(6, !m_shownThisFrame, dt);
    UpdateSpecial(5, fiveMayShow, dt);
  }
  if (oneAllowed && records >= 1 && !m_shownThisFrame) {
    UpdateSpecial(1, true, dt);
  } else if (REraduzizVisitor* one = FindCharacterById(1)) {
    one->SetHidden();
  }
}

void CPorvikAiClass::UpdateSpecial(int32_t id, bool mayShow, double dt) {
  REraduzizVisitor* character = FindCharacterById(id);
  // Drawn whether the character exists or not, so that the draws that
  // follow do not depend on it.
  const int32_t record = plat::Rand() % GetPlacementCount();
  if (!character) return;
  if (character->IsVisible()) {
    character->UpdateByKind(dt);
  } else if (mayShow) {
    ShowSpecialAt(*character, record);
  }
}

void CPorvikAiClass::ShowSpecialAt(REraduzizVisitor& character, int32_t record) {
  const plat::Vec3 at = GetPlacement(record)->position;
  character.SetVisible();
  character.SetPosition(at);
  character.SetTargetPosition(at.x, at.y, at.z);
  character.SetTargetCell(at.x, at.y, at.z);
  m_shownThisFrame = 1;
}
