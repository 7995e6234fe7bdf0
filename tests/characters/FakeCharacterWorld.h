#pragma once
// A small world for the character tests: a cell grid that is all lawn until
// a test lays paths (a real path finder walks them when a test asks for
// real paths, else every search gives the result the test set), a game
// clock the test sets, placed objects with ride
// paths and park events held here and handed out as opaque handles, and a
// record of what the characters asked of the main object.
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "characters/CCharacterWorld.h"
#include "world/CPathFinder.h"

namespace chartest {

struct FakeObject {
  plat::Vec3 position;
  // Where characters enter it; none: where it stands.
  std::optional<plat::Vec3> gate;
  bool placed = true;
  bool stopped = false;
  EngineString assetName = "Attr_wheel";
  std::vector<std::vector<plat::Vec3>> pathsA;
  std::vector<std::vector<plat::Vec3>> pathsB;
};

struct FakeEvent {
  FakeObject* object = nullptr;
  bool taken = false;
  int resets = 0;
  int refinds = 0;
};

inline CAttraction* Handle(FakeObject& object) { return reinterpret_cast<CAttraction*>(&object); }
inline ParkEvent* Handle(FakeEvent& event) { return reinterpret_cast<ParkEvent*>(&event); }

struct PathRequest {
  int32_t slot, fromI, fromJ, toI, toJ;
};

struct MessageShown {
  int32_t textId;
  CCharacterWorld::MessageCallback callback;
  void* context;
};

class FakeCharacterWorld : public CCharacterWorld {
 public:
  static constexpr int32_t kGrid = 128;
  static constexpr float kCell = 4.0f;
  static constexpr float kHalf = 256.0f;

  FakeCharacterWorld() : cells(std::size_t(kGrid * kGrid)) { CCharacterWorld::Install(this); }
  ~FakeCharacterWorld() override { CCharacterWorld::Install(nullptr); }

  CellView& Cell(int32_t i, int32_t j) { return cells[std::size_t(i * kGrid + j)]; }
  void LayPath(int32_t i, int32_t j) {
    Cell(i, j).isPath = true;
    Finder().SetWalkable(i, j, 1);
  }
  // Made on the first path laid: only the footpath cells are walkable.
  CPathFinder& Finder() {
    if (!finder) {
      finder = std::make_unique<CPathFinder>(kGrid, kGrid);
      for (int32_t i = 0; i < kGrid; ++i)
        for (int32_t j = 0; j < kGrid; ++j) finder->SetWalkable(i, j, Cell(i, j).isPath ? 1 : 0);
    }
    return *finder;
  }
  // A path along i from (i0, j) to (i1, j), both included.
  void LayRow(int32_t i0, int32_t i1, int32_t j) {
    for (int32_t i = std::min(i0, i1); i <= std::max(i0, i1); ++i) LayPath(i, j);
  }
  void LayColumn(int32_t i, int32_t j0, int32_t j1) {
    for (int32_t j = std::min(j0, j1); j <= std::max(j0, j1); ++j) LayPath(i, j);
  }
  static plat::Vec3 Centre(int32_t i, int32_t j) {
    return {float(i) * kCell - kHalf, 0, float(j) * kCell - kHalf};
  }

  int32_t GetGameTime() const override { return second; }
  ParkMoodTotals* GetMoodTotals() override { return &totals; }
  bool WorldToCell(const plat::Vec3& p, int32_t* i, int32_t* j) const override {
    const auto round = [](float v) {
      return int32_t(v >= 0 ? std::floor(v + 0.5f) : std::ceil(v - 0.5f));
    };
    *i = round((p.x + kHalf) / kCell);
    *j = round((p.z + kHalf) / kCell);
    return *i >= 0 && *i < kGrid && *j >= 0 && *j < kGrid;
  }
  plat::Vec3 GetCellPosition(int32_t i, int32_t j) const override { return Centre(i, j); }
  bool GetCell(int32_t i, int32_t j, CellView* out) const override {
    if (i < 0 || j < 0 || i >= kGrid || j >= kGrid) return false;
    *out = cells[std::size_t(i * kGrid + j)];
    return true;
  }
  int32_t FindPath(int32_t slot, int32_t fromI, int32_t fromJ, int32_t toI, int32_t toJ) override {
    paths.push_back({slot, fromI, fromJ, toI, toJ});
    if (realPaths) return Finder().FindPath(CPathFinder::SlotForCharacterId(slot), fromI, fromJ, toI, toJ);
    return pathResult;
  }
  // Without a finder no path was found: the walker heads for its destination.
  bool ReadPath(int32_t id, int32_t i, int32_t j, int32_t reach) override {
    return !finder || finder->ReadPath(CPathFinder::SlotForCharacterId(id), i, j, reach);
  }
  void GetPathCursor(int32_t id, int32_t* i, int32_t* j) const override {
    if (!finder) return;
    *i = finder->GetXPath(CPathFinder::SlotForCharacterId(id));
    *j = finder->GetYPath(CPathFinder::SlotForCharacterId(id));
  }
  bool FindRandomWalkTarget(REraduzizVisitor&) override {
    ++walkTargetRequests;
    return walkTargetFound;
  }

  static const FakeObject* Object(const CAttraction* handle) {
    return reinterpret_cast<const FakeObject*>(handle);
  }
  bool IsObjectPlaced(const CAttraction* o) const override { return o && Object(o)->placed; }
  bool IsObjectStopped(const CAttraction* o) const override { return o && Object(o)->stopped; }
  bool GetObjectPosition(const CAttraction* o, plat::Vec3* out) const override {
    if (!IsObjectPlaced(o)) return false;
    *out = Object(o)->position;
    return true;
  }
  bool GetObjectGate(const CAttraction* o, plat::Vec3* out) const override {
    if (!IsObjectPlaced(o)) return false;
    *out = Object(o)->gate.value_or(Object(o)->position);
    return true;
  }
  EngineString GetObjectAssetName(const CAttraction* o) const override {
    return IsObjectPlaced(o) ? Object(o)->assetName : EngineString();
  }
  const std::vector<std::vector<plat::Vec3>>* Paths(const CAttraction* o, bool listB) const {
    if (!IsObjectPlaced(o)) return nullptr;
    return listB ? &Object(o)->pathsB : &Object(o)->pathsA;
  }
  int32_t GetPathCount(const CAttraction* o, bool listB) const override {
    const auto* list = Paths(o, listB);
    return list ? int32_t(list->size()) : 0;
  }
  int32_t GetPathPointCount(const CAttraction* o, bool listB, int32_t path) const override {
    const auto* list = Paths(o, listB);
    if (!list || path < 0 || path >= int32_t(list->size())) return 0;
    return int32_t((*list)[std::size_t(path)].size());
  }
  bool GetPathPoint(const CAttraction* o, bool listB, int32_t path, int32_t point,
                    plat::Vec3* out) const override {
    if (point < 0 || point >= GetPathPointCount(o, listB, path)) return false;
    *out = (*Paths(o, listB))[std::size_t(path)][std::size_t(point)];
    return true;
  }

  static FakeEvent* Event(ParkEvent* handle) { return reinterpret_cast<FakeEvent*>(handle); }
  CAttraction* GetEventObject(ParkEvent* e) const override {
    FakeEvent* event = Event(e);
    return event && event->object && event->object->placed ? Handle(*event->object) : nullptr;
  }
  void RefindEventObjects(ParkEvent* e) override { ++Event(e)->refinds; }
  void MarkEventTaken(ParkEvent* e) override { Event(e)->taken = true; }
  void ResetEvent(ParkEvent* e) override {
    ++Event(e)->resets;
    Event(e)->taken = false;
  }
  void GiveBackEvent(ParkEvent* e) override {
    Event(e)->taken = false;
    givenBack.push_back(Event(e));
  }

  void QueueDialogCommand(bool open) override { dialogCommands.push_back(open); }
  void SetDialogByte(int32_t index, uint8_t value) override {
    dialogBytes[std::size_t(index)] = value;
  }
  void SetFocusedCharacter(int32_t id) override { focused = id; }
  void SetEventCameraPoint(const plat::Vec3& point) override { cameraPoint = point; }
  void StartMagicEffect(int32_t effect, const plat::Vec3& origin) override {
    magicActive[std::size_t(effect)] = true;
    magicOrigin[std::size_t(effect)] = origin;
  }
  void StopMagicEffect(int32_t effect) override { magicActive[std::size_t(effect)] = false; }
  void PlaySound(const char* name) override { sounds.push_back(name); }

  bool IsTutorialWaitingForJob() const override { return tutorialWaiting; }
  void FinishTutorialJobStep() override {
    tutorialWaiting = false;
    ++tutorialSteps;
  }
  void ApplyTutorialSettings() override { ++tutorialSettings; }
  void ShowMessage(int32_t textId, MessageCallback callback, void* context) override {
    messages.push_back({textId, callback, context});
  }
  void SetModal() override { modal = true; }

  // The park's trade and the staff's work, recorded.
  struct SalesRecord {
    int32_t price, year, month, day, code;
    std::string name;
  };
  struct Planting {
    plat::Vec3 point;
    int32_t kind;
  };
  const CFoodCatalog* GetFoodCatalog() const override { return foods; }
  std::vector<ShopItem> GetSweetShopItems() const override { return sweets; }
  int32_t GetCash() const override { return int32_t(*cashAccount); }
  void AddCash(int32_t amount) override { *cashAccount += amount; }
  void AddSalesTotal(SalesTotal total, int32_t amount) override { salesTotals[std::size_t(total)] += amount; }
  void AddSalesRecord(int32_t price, int32_t year, int32_t month, int32_t day, int32_t code,
                      const EngineString& name) override {
    salesRecords.push_back({price, year, month, day, code, name.Std()});
  }
  void CleanLitterAt(const plat::Vec3& point) override {
    cleaned.push_back(point);
    int32_t i = 0, j = 0;
    if (WorldToCell(point, &i, &j)) Cell(i, j).layer1 = 0;
  }
  void PlantAt(const plat::Vec3& point, int32_t kind) override { plantings.push_back({point, kind}); }
  void RefreshUpgradeList() override { ++upgradeRefreshes; }
  bool AreEffectSoundsOn() const override { return effectSounds; }
  void SetSoundVolumeAt(const plat::Vec3& point, const char* name) override {
    soundVolumes.push_back({point, name});
  }

  std::vector<CellView> cells;
  int32_t second = 0;  // the game clock's time in seconds
  ParkMoodTotals totals;
  std::vector<PathRequest> paths;
  int32_t pathResult = 1;
  bool realPaths = false;
  std::unique_ptr<CPathFinder> finder;
  std::vector<FakeEvent*> givenBack;
  int walkTargetRequests = 0;
  bool walkTargetFound = false;
  std::vector<bool> dialogCommands;
  uint8_t dialogBytes[2] = {9, 9};
  int32_t focused = -1;
  plat::Vec3 cameraPoint;
  bool magicActive[2] = {false, false};
  plat::Vec3 magicOrigin[2];
  std::vector<std::string> sounds;
  bool tutorialWaiting = false;
  int tutorialSteps = 0;
  int tutorialSettings = 0;
  std::vector<MessageShown> messages;
  bool modal = false;
  const CFoodCatalog* foods = nullptr;
  std::vector<ShopItem> sweets;
  int64_t cash = 0;
  // Where the cash goes: this world's own, or the park's.
  int64_t* cashAccount = &cash;
  int64_t salesTotals[3] = {};
  std::vector<SalesRecord> salesRecords;
  std::vector<plat::Vec3> cleaned;
  std::vector<Planting> plantings;
  int upgradeRefreshes = 0;
  bool effectSounds = false;
  std::vector<std::pair<plat::Vec3, std::string>> soundVolumes;
};

}  // namespace chartest
