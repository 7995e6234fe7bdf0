#include "characters/CPorvikAiClass.h"

#include <algorithm>

#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTemplate.h"
#include "characters/REraduzizVisitor.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "platform/math/Math.h"
#include "platform/os/Path.h"

namespace {

// The follow camera sits this far behind the followed character, at a
// fixed height above the ground plane.
constexpr float kFollowDistance = 6.0f;
constexpr float kFollowHeight = 3.0f;

// The character first, as it lets go of what it gave its instance, then
// the instance, which its model would otherwise keep until the model goes.
void DeleteCharacter(std::unique_ptr<REraduzizVisitor> character) {
  CMultiAnim* model = character->GetModel();
  CAnimInstance* instance = character->GetAnimInstance();
  character.reset();
  if (model && instance) model->ReleaseInstance(instance);
}

CPorvikAiClass* g_currentManager = nullptr;

}  // namespace

bool CPorvikAiClass::IsWalkableType(int32_t type) {
  switch (type) {
    case CPorvikAiClass::kEntranceType:
    case 0:
    case 1:
    case 2:
    case 3:
    case 6:
      return true;
    default:
      return false;
  }
}

CPorvikAiClass* CPorvikAiClass::GetCurrent() { return g_currentManager; }

CPorvikAiClass::CPorvikAiClass()
    : m_workingFolder(plat::CurrentDirectory().c_str()), m_hierarchy(std::make_unique<CMultiAnimAllocateHierarchy>()) {
  m_spawn.objectId = kNoSpawnPoint;
  if (CPorvikAiClassHost* host = CPorvikAiClassHost::Get()) {
    SetMonthBookings(host->GetGameMonth() - 1, host->GetGameMonth());
  }
  m_busy = 1;
  Init();
  m_timeStep = 0;
  m_busy = 0;
  m_drawing = 0;
  m_parkClosed = 0;
  m_capacity = 0;
  g_currentManager = this;
}

CPorvikAiClass::~CPorvikAiClass() {
  if (g_currentManager == this) g_currentManager = nullptr;
  // The characters' animation instances belong to the models, so the
  // characters go first.
  m_retired.clear();
  m_byId.clear();
  m_characters.clear();
  for (ModelEntry& entry : m_models) entry.model->Cleanup(m_hierarchy.get());
  m_models.clear();
}

void CPorvikAiClass::SetMonthBookings(int32_t lastBooked, int32_t nextToBook) {
  m_lastBookedMonth = lastBooked;
  m_nextMonthToBook = nextToBook;
}

void CPorvikAiClass::UpdateAll(double dt) {
  m_timeStep = float(dt);
  // Characters that join during the pass take part from the next one.
  const std::size_t count = m_characters.size();
  for (std::size_t i = 0; i < count && i < m_characters.size(); ++i) m_characters[i]->Update(dt);
  RemoveFinishedCharacter();
  if (CVisitorPark* park = CVisitorPark::Get()) park->SetVisitorCount(m_visitorCount);
  DeleteRetired();
}

void CPorvikAiClass::ForgetObject(const CAttraction* object) {
  for (const std::unique_ptr<REraduzizVisitor>& character : m_characters) character->ForgetObject(object);
}

void CPorvikAiClass::RemoveFinishedCharacter() {
  m_passFinished = {};
  UpdateVisitors(m_timeStep);
  REraduzizVisitor* character = FindFinishedLiveCharacter();
  if (!character) return;
  if (character->IsCountedVisitor()) {
    --m_visitorCount;
    character->GetAttributes().RemoveFromParkTotals();
  }
  RemoveCharacterById(character->GetId());
}

void CPorvikAiClass::CountVisitor(REraduzizVisitor& visitor) {
  if (visitor.IsCountedVisitor()) return;
  visitor.SetCountedVisitor(true);
  ++m_visitorCount;
}

REraduzizVisitor* CPorvikAiClass::FindCharacterById(int32_t id) const {
  const auto at = m_byId.find(id);
  return at == m_byId.end() ? nullptr : at->second.front();
}

REraduzizVisitor* CPorvikAiClass::AdoptCharacter(std::unique_ptr<REraduzizVisitor> character) {
  REraduzizVisitor* adopted = character.get();
  m_byId[adopted->GetId()].push_back(adopted);
  m_characters.push_back(std::move(character));
  return adopted;
}

REraduzizVisitor* CPorvikAiClass::GetCharacter(int32_t index) const {
  if (index < 0 || index >= GetCharacterCount()) return nullptr;
  return m_characters[std::size_t(index)].get();
}

void CPorvikAiClass::RemoveCharacterById(int32_t id) {
  if (id == CharacterTemplate::kVisitorTemplateId) return;
  const auto indexed = m_byId.find(id);
  if (indexed == m_byId.end()) return;
  REraduzizVisitor* first = indexed->second.front();
  const auto at = std::find_if(m_characters.begin(), m_characters.end(),
                               [first](const auto& character) { return character.get() == first; });
  m_retired.push_back(std::move(*at));
  m_characters.erase(at);
  indexed->second.erase(indexed->second.begin());
  // Another character may carry the same id; the live id stays for it.
  if (indexed->second.empty()) {
    m_byId.erase(indexed);
    std::erase(m_liveIds, id);
  }
}

void CPorvikAiClass::DeleteRetired() {
  if (m_busy != 0) return;
  for (auto& character : m_retired) DeleteCharacter(std::move(character));
  m_retired.clear();
}

void CPorvikAiClass::AddPlacement(const plat::Vec3& position, int32_t objectId, const EngineString& name, int32_t type,
                                  bool spawn) {
  if (!IsWalkableType(type)) return;
  auto record = std::make_unique<AiObjectRecord>();
  record->objectId = objectId;
  record->position = position;
  record->spawnFlag = spawn ? 1 : 0;
  record->name = name;
  record->type = type;
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  record->onPath = host && host->IsPathCellAt(position) ? 1 : 0;
  if (spawn) m_spawn = *record;
  m_objects.push_back(std::move(record));
}

void CPorvikAiClass::RemovePlacement(const EngineString& name, int32_t objectId) {
  const auto at = std::find_if(m_objects.begin(), m_objects.end(), [&](const auto& record) {
    return record->name == name && record->objectId == objectId;
  });
  if (at != m_objects.end()) m_objects.erase(at);
}

AiObjectRecord* CPorvikAiClass::GetPlacement(int32_t index) const {
  if (index < 0 || index >= GetPlacementCount()) return nullptr;
  return m_objects[std::size_t(index)].get();
}

bool CPorvikAiClass::HasFlaggedObjectNamed(const EngineString& name) const {
  return std::any_of(m_objects.begin(), m_objects.end(),
                     [&](const auto& record) { return record->onPath && record->name == name; });
}

void CPorvikAiClass::DrawCharacters(double dt) {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  plat::Vec3 camera{};
  if (host) camera = host->GetCameraPosition();
  m_timeStep = float(dt);
  m_drawing = 1;
  // By index: a character's job may take a character out of the list.
  for (std::size_t i = 0; i < m_characters.size(); ++i) {
    REraduzizVisitor* character = m_characters[i].get();
    character->AdvanceTime(dt, nullptr);
    if (!character->IsVisible()) continue;
    if (host && !character->IsInRide()) {
      plat::Vec3 position = character->GetPosition();
      position.y = host->GetTerrainHeight(position.x, position.z);
      character->SetPosition(position);
      const plat::Vec3 target = character->GetTargetPosition();
      character->SetTargetPosition(target.x, host->GetTerrainHeight(target.x, target.z), target.z);
    }
    // A job goes on out of sight: the camera decides only what is drawn.
    if (plat::Vec3LengthSq(camera - character->GetPosition()) > kDrawDistance * kDrawDistance) {
      character->CarryOutJob();
      continue;
    }
    character->Render();
    if (host && !host->IsFollowSuppressed() && host->GetFollowedCharacterId() == character->GetId()) {
      FollowWithCamera(*character);
    }
  }
  m_drawing = 0;
}

void CPorvikAiClass::FollowWithCamera(const REraduzizVisitor& character) {
  const plat::Vec3& position = character.GetPosition();
  const plat::Vec3& target = character.GetTargetPosition();
  const plat::Vec3 direction{target.x - position.x, 0, target.z - position.z};
  // Standing on its target the character faces nowhere: the view stays.
  if (plat::Vec3LengthSq(direction) == 0) return;
  const plat::Vec3 n = plat::Vec3Normalized(direction);
  const plat::Vec3 eye{position.x - kFollowDistance * n.x, kFollowHeight, position.z - kFollowDistance * n.z};
  const plat::Vec3 side = plat::Vec3Normalized(plat::Vec3Cross({0, 1, 0}, n));
  CPorvikAiClassHost::Get()->SetFollowView(eye, direction, plat::Vec3Normalized(plat::Vec3Cross(n, side)));
}
