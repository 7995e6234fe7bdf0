#pragma once
// A small park for a visitors' day, for tests and the visitor benchmark: a
// footpath east from the main entrance past two rides to a cash machine
// (and, where a test asks for trade, a snack bar, a sweet shop and a bin),
// the characters' world over those placed objects with the real path
// finder, the manager's host that finds them by name, and a game clock that
// a frame at a time moves on one game second.
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "park/foods/CFoodCatalog.h"
#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "tests/characters/FakeCharacterWorld.h"
#include "tests/characters/manager/FakeHost.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace managertest {

// The characters' world whose placed objects are real ones.
class ParkWorld : public chartest::FakeCharacterWorld {
 public:
  ParkWorld() { realPaths = true; }
  bool IsObjectPlaced(const CAttraction* o) const override { return o && !o->deletePending; }
  bool IsObjectStopped(const CAttraction* o) const override { return IsObjectPlaced(o) && o->rideStopped != 0; }
  bool GetObjectPosition(const CAttraction* o, plat::Vec3* out) const override {
    if (!IsObjectPlaced(o)) return false;
    *out = o->GetPositionStruct();
    return true;
  }
  EngineString GetObjectAssetName(const CAttraction* o) const override {
    return IsObjectPlaced(o) ? o->id : EngineString();
  }
  int32_t GetPathCount(const CAttraction* o, bool listB) const override {
    if (!IsObjectPlaced(o)) return 0;
    return listB ? o->GetPathCountB() : o->GetPathCountA();
  }
  int32_t GetPathPointCount(const CAttraction* o, bool listB, int32_t path) const override {
    if (!IsObjectPlaced(o)) return 0;
    return listB ? o->GetPathPointCountB(path) : o->GetPathPointCountA(path);
  }
  bool GetPathPoint(const CAttraction* o, bool listB, int32_t path, int32_t point, plat::Vec3* out) const override {
    if (!IsObjectPlaced(o)) return false;
    return listB ? o->GetPathPointB(out, path, point) : o->GetPathPointA(out, path, point);
  }
};

// The manager's host that finds the park's objects by name, and, once it
// knows the world, lays the litter dropped on the world's footpath cells.
class ParkHost : public FakeHost {
 public:
  static constexpr uint16_t kLittered = 2;

  CAttraction* FindObjectByName(const EngineString& name, plat::Vec3* entrance) override {
    for (CAttraction* object : objects) {
      if (object->id != name) continue;
      *entrance = object->gatePosition;
      return object;
    }
    return nullptr;
  }
  bool IsCellLittered(int32_t i, int32_t j) const override {
    chartest::FakeCharacterWorld::CellView cell;
    return world ? world->GetCell(i, j, &cell) && cell.layer1 == kLittered : FakeHost::IsCellLittered(i, j);
  }
  void DropLitterAt(const plat::Vec3& point) override {
    FakeHost::DropLitterAt(point);
    int32_t i = 0, j = 0;
    if (world && world->WorldToCell(point, &i, &j)) LitterCell(i, j);
  }
  void DropLitterInCell(int32_t i, int32_t j) override {
    FakeHost::DropLitterInCell(i, j);
    if (world) LitterCell(i, j);
  }
  std::vector<CAttraction*> objects;
  chartest::FakeCharacterWorld* world = nullptr;

 private:
  void LitterCell(int32_t i, int32_t j) {
    chartest::FakeCharacterWorld::CellView cell;
    if (world->GetCell(i, j, &cell) && cell.isPath) world->Cell(i, j).layer1 = kLittered;
  }
};

class SmallPark {
 public:
  static constexpr int32_t kRow = 64;
  static constexpr int32_t kEntranceCell = 64;
  static constexpr int32_t kLastCell = 90;
  static constexpr int32_t kRideCapacity = 4;
  static constexpr int32_t kPrice = 5;
  static constexpr double kFrame = 0.05;
  static constexpr uint32_t kFrameMs = 50;
  // The rides run their laps: shut for the last quarter of every lap, when
  // their riders get off.
  static constexpr int32_t kLapFrames = 160;
  static constexpr int32_t kStopFrames = 40;
  static constexpr int32_t kSecondsPerMinute = 60;
  static constexpr int32_t kMinutesPerHour = 60;
  static constexpr int32_t kHoursPerDay = 24;

  SmallPark(ParkWorld& world, ParkHost& host, FakeVisitorPark& park) : m_world(world), m_host(host), m_park(park) {}

  // Lays the footpath and places the objects for the manager.
  void Build(CPorvikAiClass& manager) {
    m_world.LayRow(kEntranceCell, kLastCell, kRow);
    const plat::Vec3 gate = Centre(kEntranceCell);
    Place(entrance, "Attr_MainEntrance", kEntranceCell, 1, 0);
    entrance.inPaths = {{Centre(kEntranceCell + 1)}};
    entrance.outPaths = {{gate + plat::Vec3{0, 0, -6}}};
    Place(wheel, "Attr_wheel", 70, 2, kRideCapacity);
    Place(carousel, "Attr_carousel", 78, 3, kRideCapacity);
    Place(cashMachine, "cashFotel", 86, 4, kRideCapacity);
    for (CAttraction* ride : {&wheel, &carousel}) {
      ride->hasVehicleModels = 1;
      ride->continuousService = 1;
      ride->buildCost = 400;
    }
    manager.AddPlacement(gate, 1, entrance.id, CPorvikAiClass::kEntranceType, true);
    for (CAttraction* object : {&wheel, &carousel, &cashMachine}) {
      manager.AddPlacement(object->gatePosition, object->objectNumber, object->id, 0, false);
    }
    m_host.objects = {&entrance, &wheel, &carousel, &cashMachine};
    m_host.entrancePoint = gate;
    m_park.objects = {{false, 1, 0, 0}, {true, 2, kRideCapacity, 400}, {true, 3, kRideCapacity, 400}, {true, 4, 0, 0}};
    m_park.price = kPrice;
  }

  // Trade on the footpath: a snack bar and a sweet shop with their goods,
  // and the talking dust bin between them; the cash is the park's, and the
  // litter lies on the footpath until it is swept.
  void BuildTrade(CPorvikAiClass& manager, const CFoodCatalog& foods) {
    Place(snackBar, "bufe_zarp", 74, 5, kRideCapacity);
    Place(sweetShop, "Shop_quessle01", 82, 6, kRideCapacity);
    Place(bin, "beszelokuka", 76, 8, 0);
    for (CAttraction* shop : {&snackBar, &sweetShop}) {
      manager.AddPlacement(shop->gatePosition, shop->objectNumber, shop->id, kShopType, false);
    }
    manager.AddPlacement(bin.gatePosition, bin.objectNumber, bin.id, REraduzizVisitor::kDustBinType, false);
    for (CAttraction* object : {&snackBar, &sweetShop, &bin}) m_host.objects.push_back(object);
    m_world.foods = &foods;
    m_world.sweets = {{"Lolly", kSweetPrice}, {"Drop", kSweetPrice + 1}};
    m_world.cashAccount = &m_park.cash;
    m_world.effectSounds = true;
    m_host.world = &m_world;
  }

  // A footpath network over the whole grid besides: rows and columns every
  // `spacing` cells, crossing the park's own footpath.
  void LayGrid(int32_t spacing) {
    for (int32_t line = 0; line < chartest::FakeCharacterWorld::kGrid; line += spacing) {
      m_world.LayRow(0, chartest::FakeCharacterWorld::kGrid - 1, line);
      m_world.LayColumn(line, 0, chartest::FakeCharacterWorld::kGrid - 1);
    }
  }

  // One frame: a game second on the clock (the hour stays when the clock
  // is held), the rides' laps, the pass.
  void RunFrame(CPorvikAiClass& manager, plat::FakeClock& clock, bool holdHour = false) {
    clock.AdvanceMs(kFrameMs);
    AdvanceGameSecond();
    if (holdHour) m_park.clock.minute = 0;
    // The manager may have moved the clock on to the next morning.
    m_host.hour = m_park.clock.hour;
    const bool stopped = m_frame % kLapFrames >= kLapFrames - kStopFrames;
    for (CAttraction* ride : {&wheel, &carousel}) ride->isClosed = stopped ? 1 : 0;
    manager.UpdateAll(kFrame);
    ++m_frame;
  }

  static plat::Vec3 Centre(int32_t i) { return chartest::FakeCharacterWorld::Centre(i, kRow); }

  CAttraction entrance, wheel, carousel, cashMachine;
  CAttraction snackBar, sweetShop, bin;
  static constexpr int32_t kShopType = 6;
  static constexpr int32_t kSweetPrice = 2;

 private:
  void Place(CAttraction& object, const char* id, int32_t cell, int32_t number, int32_t capacity) {
    object.id = id;
    object.objectNumber = number;
    object.visitorCapacity = capacity;
    object.gatePosition = object.exitPosition = Centre(cell);
    object.SetPosition(object.gatePosition.x, object.gatePosition.y, object.gatePosition.z);
  }
  void AdvanceGameSecond() {
    ++m_world.second;
    if (m_world.second % kSecondsPerMinute != 0) return;
    CVisitorPark::Clock& time = m_park.clock;
    if (++time.minute < kMinutesPerHour) return;
    time.minute = 0;
    time.hour = (time.hour + 1) % kHoursPerDay;
  }

  ParkWorld& m_world;
  ParkHost& m_host;
  FakeVisitorPark& m_park;
  int32_t m_frame = 0;
};

}  // namespace managertest
