// The character manager's part of a saved game: its block of the scene file
// (spawn record, object records, capacity), the clearing before a saved game
// is read, and the counters the run-state file keeps.
#include <algorithm>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/SceneStream.h"
#include "park/objects/CAttraction.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

// Where the kept characters wait while no game needs them.
const plat::Vec3 kParkedPosition{-10000.0f, 0.0f, 0.0f};
// The block ends with a word that is always 0.
constexpr int32_t kReservedWord = 0;

void WriteRecordHead(SceneStream& stream, const AiObjectRecord& record) {
  stream.WriteInt32(record.spawnFlag ? 1 : 0);
  stream.WriteInt32(record.objectId);
  stream.WriteVec3(record.position);
  stream.WriteString(record.name);
}

void ReadRecordHead(SceneStream& stream, AiObjectRecord& record) {
  record.spawnFlag = stream.ReadInt32() != 0 ? 1 : 0;
  record.objectId = stream.ReadInt32();
  record.position = stream.ReadVec3();
  record.name = stream.ReadString();
}

}  // namespace

void CPorvikAiClass::WriteBlock(SceneStream& stream, const AiObjectRecord& spawn,
                                const std::vector<std::unique_ptr<AiObjectRecord>>& records, int32_t capacity) {
  WriteRecordHead(stream, spawn);
  stream.WriteInt32(int32_t(records.size()));
  for (const auto& record : records) {
    WriteRecordHead(stream, *record);
    stream.WriteInt32(record->type);
    stream.WriteInt32(record->onPath ? 1 : 0);
  }
  stream.WriteInt32(capacity);
  stream.WriteInt32(kReservedWord);
}

bool CPorvikAiClass::ReadBlock(SceneStream& stream, AiObjectRecord& spawn,
                               std::vector<std::unique_ptr<AiObjectRecord>>& records,
                               const std::vector<CAttraction*>& placedObjects) {
  records.clear();
  ReadRecordHead(stream, spawn);
  const int32_t count = stream.ReadCount(kMaxSavedRecords);
  for (int32_t i = 0; i < count && stream.Good(); ++i) {
    auto record = std::make_unique<AiObjectRecord>();
    ReadRecordHead(stream, *record);
    record->type = stream.ReadInt32();
    record->onPath = stream.ReadInt32() != 0 ? 1 : 0;
    // By id as well as name: the objects of one type share their name.
    const CAttraction* object = FindObjectByIdAndName(placedObjects, record->objectId, record->name);
    if (!stream.Good() || !object || !CPorvikAiClass::IsWalkableType(object->state)) continue;
    // Where the placement put the record: the gate, as the object stands now.
    record->position = object->gatePosition;
    records.push_back(std::move(record));
  }
  stream.ReadInt32();  // the capacity comes back with the run-state file
  stream.ReadInt32();  // the reserved word
  return stream.Good();
}

void CPorvikAiClass::Save(SceneStream& stream) const { WriteBlock(stream, m_spawn, m_objects, m_capacity); }

void CPorvikAiClass::SaveEmptyBlock(SceneStream& stream) {
  AiObjectRecord noSpawn;
  noSpawn.objectId = kNoSpawnPoint;
  WriteBlock(stream, noSpawn, {}, 0);
}

bool CPorvikAiClass::Load(SceneStream& stream, const std::vector<CAttraction*>& placedObjects) {
  const bool read = ReadBlock(stream, m_spawn, m_objects, placedObjects);
  m_capacity = 0;
  return read;
}

bool CPorvikAiClass::SkipBlock(SceneStream& stream) {
  AiObjectRecord spawn;
  std::vector<std::unique_ptr<AiObjectRecord>> records;
  return ReadBlock(stream, spawn, records, {});
}

void CPorvikAiClass::ClearCharacters(const std::vector<int32_t>& placementIds) {
  const std::vector<int32_t> liveIds = m_liveIds;
  for (int32_t id : liveIds) RemoveCharacterById(id);
  m_objects.clear();
  m_liveIds.clear();
  m_repairs.clear();
  for (int32_t id : placementIds) RemoveCharacterById(id);
  for (int32_t id : kKeptCharacterIds) {
    REraduzizVisitor* character = FindCharacterById(id);
    if (!character) continue;
    character->SetHidden();
    character->SetPosition(kParkedPosition);
    character->SetTargetPosition(kParkedPosition.x, kParkedPosition.y, kParkedPosition.z);
  }
  DeleteRetired();
}

ManagerRunState CPorvikAiClass::GetRunState() const {
  ManagerRunState state = m_runExtras;
  state.greenBand = m_greenBand;
  state.highestGreenBand = m_highestGreenBand;
  state.cleanBand = m_cleanBand;
  state.lastCleanBand = m_lastCleanBand;
  state.ratingToggle = m_ratingToggle;
  state.frameCounter = m_frameCounter;
  state.busy = m_busy != 0;
  state.shownThisFrame = m_shownThisFrame != 0;
  state.specialOneAllowed = m_specialOneAllowed != 0;
  state.specialTwoHeldBack = m_specialHeldBack[0] != 0;
  state.specialThreeHeldBack = m_specialHeldBack[1] != 0;
  state.parkClosed = m_parkClosed != 0;
  state.lastBookedHour = m_lastBookedHour;
  state.nextHourToBook = m_nextHourToBook;
  state.lastBookedMonth = m_lastBookedMonth;
  state.nextMonthToBook = m_nextMonthToBook;
  state.capacity = m_capacity;
  state.visitorCount = m_visitorCount;
  state.nextId = m_nextId;
  state.lastSpawnTick = int32_t(m_lastSpawnTick);
  return state;
}

void CPorvikAiClass::SetRunState(const ManagerRunState& state) {
  m_runExtras = state;
  m_greenBand = state.greenBand;
  m_highestGreenBand = state.highestGreenBand;
  m_cleanBand = state.cleanBand;
  m_lastCleanBand = state.lastCleanBand;
  m_ratingToggle = uint8_t(state.ratingToggle != 0 ? 1 : 0);
  m_frameCounter = state.frameCounter;
  m_specialOneAllowed = state.specialOneAllowed ? 1 : 0;
  m_specialHeldBack = {uint8_t(state.specialTwoHeldBack ? 1 : 0), uint8_t(state.specialThreeHeldBack ? 1 : 0)};
  m_parkClosed = state.parkClosed ? 1 : 0;
  m_lastBookedHour = state.lastBookedHour;
  m_nextHourToBook = state.nextHourToBook;
  m_lastBookedMonth = state.lastBookedMonth;
  m_nextMonthToBook = state.nextMonthToBook;
  m_capacity = state.capacity;
  m_visitorCount = state.visitorCount;
  m_nextId = state.nextId;
  m_lastSpawnTick = uint32_t(state.lastSpawnTick);
}
