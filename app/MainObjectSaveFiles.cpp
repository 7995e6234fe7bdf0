// The four files of a saved game, block by block, in the order their
// readers rely on: the scene file re-creates the placed objects that the
// run-state file's entries and characters refer to. Every count is bounded
// and every reader stops at the first stream error.
#include <algorithm>
#include <memory>
#include <string>

#include "app/AtomicFileSet.h"
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "park/CBillboardIcon.h"
#include "park/REraduzizEventClass.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/DebugOutput.h"
#include "screens/REraduzizTutorialScreen.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPorvikRoad.h"

namespace {

// The park counter that placing a build item updates.
constexpr int kPlacementCounter = 3;
// The park counters the run-state file keeps: the first pair, then three.
constexpr int kRunCounterPair[] = {4, 5};
constexpr int kRunCounterTriple[] = {0, 1, 2};

// Writes or reads a row of values in one order, so that the writer and the
// reader of a section cannot drift apart.
class ValueWriter {
 public:
  explicit ValueWriter(SceneStream& stream) : m_stream(stream) {}
  void Int(int32_t& value) { m_stream.WriteInt32(value); }
  void Bool(bool& value) { m_stream.WriteBool(value); }

 private:
  SceneStream& m_stream;
};

class ValueReader {
 public:
  explicit ValueReader(SceneStream& stream) : m_stream(stream) {}
  void Int(int32_t& value) { value = m_stream.ReadInt32(); }
  void Bool(bool& value) { value = m_stream.ReadBool(); }

 private:
  SceneStream& m_stream;
};

// The 21 values of the park file: counters, money, the staff totals, the
// dates and the time of day. The clock keeps no minute and second of the
// third date: those two words hold the placed objects' number counter
// (so that a number never names two objects) and a 0.
template <class Io>
void VisitParkScalars(Io& io, VAvazadOvurUrovi& game, int32_t& lastObjectNumber) {
  io.Int(game.recordCounter);
  io.Int(game.cash);
  io.Int(game.parkCounters[kPlacementCounter]);
  io.Int(game.entrancePrice);
  io.Int(game.points);
  for (int32_t& total : game.screenSlots.staffTotals) io.Int(total);
  io.Int(game.systemYear);
  io.Int(game.gameDate.year);
  io.Int(game.gameDate.month);
  io.Int(game.gameDate.day);
  io.Int(game.gameHour);
  io.Int(game.gameMinute);
  io.Int(game.gameSecond);
  io.Int(game.clockStamp.year);
  io.Int(game.clockStamp.month);
  io.Int(game.clockStamp.day);
  io.Int(game.clockStamp.hour);
  io.Int(lastObjectNumber);
  int32_t unkept = 0;
  io.Int(unkept);
}

// The 35 clocks and counters of the run-state file, the main object's and
// the character manager's interleaved.
template <class Io>
void VisitRunCounters(Io& io, VAvazadOvurUrovi& game, ManagerRunState& manager) {
  for (int counter : kRunCounterPair) io.Int(game.parkCounters[counter]);
  io.Int(manager.greenBand);
  io.Int(manager.highestGreenBand);
  for (int counter : kRunCounterTriple) io.Int(game.parkCounters[counter]);
  io.Int(manager.cleanBand);
  io.Int(manager.lastCleanBand);
  io.Int(game.moodTotals.moodSum);
  for (auto band = game.moodTotals.bandCounts.rbegin(); band != game.moodTotals.bandCounts.rend(); ++band) {
    io.Int(*band);
  }
  io.Int(manager.ratingToggle);
  io.Int(manager.frameCounter);
  io.Int(manager.reserveCounter);
  for (bool* flag : {&manager.busy, &manager.shownThisFrame, &manager.specialOneAllowed, &manager.specialTwoHeldBack,
                     &manager.specialThreeHeldBack}) {
    io.Bool(*flag);
  }
  for (int32_t& spare : manager.spare) io.Int(spare);
  io.Bool(manager.parkClosed);
  io.Bool(manager.hourBookingDue);
  io.Int(manager.lastBookedHour);
  io.Int(manager.nextHourToBook);
  io.Bool(manager.monthBookingDue);
  io.Int(manager.lastBookedMonth);
  io.Int(manager.nextMonthToBook);
  io.Int(manager.capacity);
  io.Int(manager.visitorCount);
  io.Int(manager.nextId);
  io.Int(manager.lastSpawnTick);
}

void WritePlacedRecords(SceneStream& stream, const std::vector<PlacedRecord>& records) {
  stream.WriteInt32(int32_t(records.size()));
  for (const PlacedRecord& record : records) {
    stream.WriteInt32(record.first);
    for (int32_t value : record.values) stream.WriteInt32(value);
    stream.WriteString(record.name);
  }
}

void ReadPlacedRecords(SceneStream& stream, std::vector<PlacedRecord>& records, int32_t limit) {
  records.clear();
  const int32_t count = stream.ReadCount(limit);
  for (int32_t i = 0; i < count && stream.Good(); ++i) {
    PlacedRecord record;
    record.first = stream.ReadInt32();
    for (int32_t& value : record.values) value = stream.ReadInt32();
    record.name = stream.ReadString();
    if (stream.Good()) records.push_back(record);
  }
}

// The staff slot's values in file order: its first and second fields, the
// name, then its fifth, fourth and third fields.
constexpr int kStaffFieldsBeforeName[] = {0, 1};
constexpr int kStaffFieldsAfterName[] = {4, 3, 2};

}  // namespace

EngineString VAvazadOvurUrovi::CompanionPath(const EngineString& scenePath, const char* extension) {
  std::string path = scenePath.Std();
  const size_t at = path.rfind(kSceneExtension);
  if (at != std::string::npos && at + std::string(kSceneExtension).size() == path.size()) {
    path.replace(at, std::string::npos, extension);
  } else {
    path += extension;
  }
  return EngineString(path.c_str());
}

// --- The scene file ---------------------------------------------------------

void VAvazadOvurUrovi::WriteSceneBlocks(SceneStream& stream) {
  stream.WriteInt32(int32_t(placedObjects.Objects().size()));
  for (CAttraction* object : placedObjects.Objects()) object->WriteState(stream);
  if (terrain) {
    terrain->SaveCells(stream);
  } else {
    CHeightMapHandlerClass emptyLand;
    emptyLand.InitCells();
    emptyLand.SaveCells(stream);
  }
  CPorvikAiClass* manager = GetAiManager();
  if (manager) {
    manager->Save(stream);
  } else {
    CPorvikAiClass::SaveEmptyBlock(stream);
  }
  if (road) {
    road->SaveNodes(stream);
  } else {
    stream.WriteInt32(0);
  }
}

void VAvazadOvurUrovi::RemoveAllObjects() {
  DeleteBillboards();
  selectedObject = nullptr;
  placedObjects.RemoveAllObjects();
}

bool VAvazadOvurUrovi::ReadSceneBlocks(SceneStream& stream) {
  frameCounter = 0;
  sceneLoadTick = plat::TickCount();
  sceneLoading = 1;
  CPorvikAiClass* manager = GetAiManager();
  ClearParkCharacters();
  placedCharacters.clear();
  RemoveAllObjects();
  if (parkEvents) parkEvents->ResetAll();

  const int32_t count = stream.ReadCount(kMaxSavedObjects);
  for (int32_t i = 0; i < count && stream.Good(); ++i) {
    auto object = std::make_unique<CAttraction>();
    if (!object->ReadState(stream)) break;
    plat::OutputDebugString("attr name:" + object->id.Std() + "\n");
    const ObjectTypeDescriptor* type = FindObjectTypeByName(object->id, nullptr);
    if (!type) {
      object->FreeObjects();
      continue;
    }
    object->RestoreFromType(*type);
    placedObjects.Restore(std::move(object));
  }
  if (placementPreview) placementPreview->Reset();
  CollectObjectsByState();
  plat::OutputDebugString("attr num:" + std::to_string(placedObjects.ObjectsByState().size()) + "\n");

  bool good = stream.Good();
  if (good) good = terrain ? terrain->LoadCells(stream) : false;
  if (good) good = manager ? manager->Load(stream, placedObjects.Objects()) : CPorvikAiClass::SkipBlock(stream);
  if (good && road) good = road->LoadNodes(stream);
  if (terrain) terrain->LoadAlphaMaps(baseDirectory);
  sceneChanged = 1;
  sceneLoading = 0;
  return good && stream.Good();
}

// --- The park file ----------------------------------------------------------

void VAvazadOvurUrovi::WriteParkBlocks(SceneStream& stream) {
  if (foodCatalog) {
    foodCatalog->WriteState(stream);
  } else {
    CFoodCatalog().WriteState(stream);
  }
  for (const ShopProductSlot& slot : screenSlots.shop) {
    stream.WriteInt32(slot.value);
    stream.WriteString(slot.name);
  }
  WritePlacedRecords(stream, placedRecords);
  WritePlacedRecords(stream, historyRecords);
  for (const StaffHireSlot& slot : screenSlots.staff) {
    for (int field : kStaffFieldsBeforeName) stream.WriteInt32(slot.fields[field]);
    stream.WriteString(slot.name);
    for (int field : kStaffFieldsAfterName) stream.WriteInt32(slot.fields[field]);
  }
  ValueWriter writer(stream);
  int32_t lastObjectNumber = placedObjects.GetLastObjectNumber();
  VisitParkScalars(writer, *this, lastObjectNumber);
  if (ledgerRecords) {
    WriteLedger(stream, *ledgerRecords);
  } else {
    WriteLedger(stream, CLedgerRecordList());
  }
}

bool VAvazadOvurUrovi::ReadParkBlocks(SceneStream& stream) {
  auto foods = std::make_unique<CFoodCatalog>();
  if (!foods->ReadState(stream)) return false;
  delete foodCatalog;
  foodCatalog = foods.release();
  for (ShopProductSlot& slot : screenSlots.shop) {
    slot.value = stream.ReadInt32();
    slot.name = stream.ReadString();
  }
  ReadPlacedRecords(stream, placedRecords, kMaxSavedHistory);
  ReadPlacedRecords(stream, historyRecords, kMaxSavedHistory);
  for (StaffHireSlot& slot : screenSlots.staff) {
    for (int field : kStaffFieldsBeforeName) slot.fields[field] = stream.ReadInt32();
    slot.name = stream.ReadString();
    for (int field : kStaffFieldsAfterName) slot.fields[field] = stream.ReadInt32();
  }
  ValueReader reader(stream);
  int32_t lastObjectNumber = 0;
  VisitParkScalars(reader, *this, lastObjectNumber);
  // Never below a restored object's number, whatever the file says.
  placedObjects.SetLastObjectNumber(std::max(lastObjectNumber, placedObjects.GetLastObjectNumber()));
  previousDate = gameDate;
  if (!stream.Good()) return false;
  RefreshStatusDisplay();
  auto tree = std::make_unique<CLedgerTree>();
  auto records = std::make_unique<CLedgerRecordList>();
  const bool read = ReadLedger(stream, *tree, *records);
  delete ledgerTree;
  delete ledgerRecords;
  ledgerTree = tree.release();
  ledgerRecords = records.release();
  return read;
}

// --- The run-state file -----------------------------------------------------

void VAvazadOvurUrovi::WriteParkCharacters(SceneStream& stream, const REraduzizVisitor& character) const {
  stream.WriteInt32(character.GetId());
  stream.WriteInt32(character.GetKind());
  stream.WriteVec3(character.GetPosition());
  character.WriteRecord(stream);
}

bool VAvazadOvurUrovi::ReadVisitorRecord(REraduzizVisitor* character, SceneStream& stream) {
  if (character) return character->ReadRecord(stream, placedObjects.Objects());
  REraduzizVisitor standIn;
  return standIn.ReadRecord(stream, placedObjects.Objects());
}

void VAvazadOvurUrovi::WriteAiBlocks(SceneStream& stream) {
  stream.WriteBool(tutorialMode != 0);
  stream.WriteBool(tutorialProgress != 0);
  stream.WriteInt32(tutorialScreen ? tutorialScreen->stepCount : 0);
  const std::vector<CAttraction*>& serving = placedObjects.ObjectsByState();
  stream.WriteInt32(int32_t(serving.size()));
  for (const CAttraction* object : serving) object->WriteRunState(stream);

  CPorvikAiClass* manager = GetAiManager();
  const std::vector<CAttraction*> noRepairs;
  const std::vector<CAttraction*>& repairs = manager ? manager->GetRepairList() : noRepairs;
  stream.WriteInt32(int32_t(repairs.size()));
  for (const CAttraction* object : repairs) stream.WriteInt32(object->objectNumber);

  ManagerRunState managerState = manager ? manager->GetRunState() : ManagerRunState{};
  ValueWriter writer(stream);
  VisitRunCounters(writer, *this, managerState);

  std::vector<const REraduzizVisitor*> characters;
  if (manager) {
    for (int32_t id : manager->GetLiveIds()) {
      if (const REraduzizVisitor* character = manager->FindCharacterById(id)) characters.push_back(character);
    }
  }
  stream.WriteInt32(int32_t(characters.size()));
  for (const REraduzizVisitor* character : characters) WriteParkCharacters(stream, *character);

  std::vector<std::pair<const PlacementRecord*, const REraduzizVisitor*>> waiting;
  for (const PlacementRecord& record : placedCharacters) {
    const REraduzizVisitor* character = manager ? manager->FindCharacterById(record.id) : nullptr;
    if (character) waiting.emplace_back(&record, character);
  }
  stream.WriteInt32(int32_t(waiting.size()));
  for (const auto& [record, character] : waiting) {
    WriteParkCharacters(stream, *character);
    stream.WriteInt32(record->id);
    stream.WriteBool(record->flag != 0);
    stream.WriteBool(record->done != 0);
    stream.WriteInt32(record->staffEntry);
    stream.WriteString(record->name);
    stream.WriteVec3(record->position);
  }
}

bool VAvazadOvurUrovi::ReadAiBlocks(SceneStream& stream) {
  CPorvikAiClass* manager = GetAiManager();
  if (!manager) return true;
  tutorialMode = stream.ReadBool() ? 1 : 0;
  tutorialProgress = stream.ReadBool() ? 1 : 0;
  const int32_t steps = stream.ReadInt32();
  if (tutorialScreen) tutorialScreen->stepCount = steps;

  const int32_t runStates = stream.ReadCount(kMaxSavedObjects);
  plat::OutputDebugString("attr num:" + std::to_string(runStates) + "\n");
  for (int32_t i = 0; i < runStates && stream.Good(); ++i) {
    CAttraction::ReadRunState(stream, placedObjects.ObjectsByState());
  }
  const int32_t repairs = stream.ReadCount(kMaxSavedObjects);
  for (int32_t i = 0; i < repairs && stream.Good(); ++i) {
    CAttraction* object = FindObjectById(stream.ReadInt32());
    if (object && stream.Good()) manager->GetRepairList().push_back(object);
  }
  ManagerRunState managerState = manager->GetRunState();
  ValueReader reader(stream);
  VisitRunCounters(reader, *this, managerState);
  if (!stream.Good()) return false;
  manager->SetRunState(managerState);

  const int32_t characters = stream.ReadCount(kMaxSavedCharacters);
  for (int32_t i = 0; i < characters && stream.Good(); ++i) {
    const int32_t id = stream.ReadInt32();
    const int32_t kind = stream.ReadInt32();
    const plat::Vec3 position = stream.ReadVec3();
    REraduzizVisitor* character = stream.Good() ? manager->CreateVisitor(id, kind, position) : nullptr;
    if (character) manager->AddLiveId(id);
    ReadVisitorRecord(character, stream);
  }
  placedCharacters.clear();
  const int32_t waiting = stream.ReadCount(kMaxSavedCharacters);
  for (int32_t i = 0; i < waiting && stream.Good(); ++i) {
    const int32_t id = stream.ReadInt32();
    const int32_t kind = stream.ReadInt32();
    const plat::Vec3 position = stream.ReadVec3();
    REraduzizVisitor* character = stream.Good() ? manager->CreateVisitor(id, kind, position) : nullptr;
    ReadVisitorRecord(character, stream);
    PlacementRecord record;
    record.id = stream.ReadInt32();
    record.flag = stream.ReadBool() ? 1 : 0;
    record.done = stream.ReadBool() ? 1 : 0;
    record.staffEntry = stream.ReadInt32();
    record.name = stream.ReadString();
    record.position = stream.ReadVec3();
    if (stream.Good()) placedCharacters.push_back(record);
  }
  return stream.Good();
}

// --- The scenario file ------------------------------------------------------

void VAvazadOvurUrovi::WriteScenarioBlocks(SceneStream& stream) {
  if (scenarios) scenarios->WriteState(stream);
}

bool VAvazadOvurUrovi::ReadScenarioBlocks(SceneStream& stream) {
  return scenarios ? scenarios->ReadState(stream) : true;
}

// --- One file each ----------------------------------------------------------

namespace {

template <class Write>
bool WriteOneFile(const EngineString& path, Write write) {
  AtomicFileSet file;
  write(file.Open(path));
  return file.Commit();
}

template <class Read>
bool ReadOneFile(const EngineString& path, Read read) {
  SceneStream stream(path.Std(), "rb");
  if (!stream.IsOpen()) return false;
  return read(stream);
}

}  // namespace

bool VAvazadOvurUrovi::WriteSceneFile(EngineString path) {
  return WriteOneFile(path, [this](SceneStream& stream) { WriteSceneBlocks(stream); });
}

bool VAvazadOvurUrovi::WriteParkFile(EngineString path) {
  return WriteOneFile(path, [this](SceneStream& stream) { WriteParkBlocks(stream); });
}

bool VAvazadOvurUrovi::WriteAiFile(EngineString path) {
  return WriteOneFile(path, [this](SceneStream& stream) { WriteAiBlocks(stream); });
}

bool VAvazadOvurUrovi::WriteScenarioFile(EngineString path) {
  return WriteOneFile(path, [this](SceneStream& stream) { WriteScenarioBlocks(stream); });
}

bool VAvazadOvurUrovi::ReadSceneFile(EngineString path) {
  return ReadOneFile(path, [this](SceneStream& stream) { return ReadSceneBlocks(stream); });
}

bool VAvazadOvurUrovi::ReadSceneFoods(EngineString path) {
  return ReadOneFile(path, [this](SceneStream& stream) { return ReadParkBlocks(stream); });
}

bool VAvazadOvurUrovi::ReadSceneVisitors(EngineString path) {
  return ReadOneFile(path, [this](SceneStream& stream) { return ReadAiBlocks(stream); });
}

bool VAvazadOvurUrovi::ReadScenarioFile(EngineString path) {
  return ReadOneFile(path, [this](SceneStream& stream) { return ReadScenarioBlocks(stream); });
}
