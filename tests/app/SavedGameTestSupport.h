#pragma once
// A populated park for the saved-game tests, headless: a catalogue of four
// object types (no models), placed objects of each, a land with a footpath,
// the demo park's character manager with visitors that walk to the objects,
// money, ledger records and history. The game works in a scratch folder,
// which is its base directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "platform/os/Random.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/platform/os/TempTree.h"
#include "world/CHeightMapHandlerClass.h"

namespace savedgametest {

inline std::string ReadBytes(const std::string& hostPath) {
  std::ifstream in(hostPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SavedGameTest : public ::testing::Test {
 protected:
  struct TypeSpec {
    const char* name;
    int32_t kind;
  };
  static constexpr TypeSpec kTypes[] = {
      {"Attr_MainEntrance", kObjectKindNone}, {"Attr_Skarloop", kObjectKindAttraction},
      {"Shop_quessle01", kObjectKindShop},    {"kuka", kObjectKindDustBin},
      {"fa_tolgy", kObjectKindPlant},
  };

  void SetUp() override {
    plat::SetClock(&clock_);
    plat::ClearMessageBoxes();
    plat::SRand(7);
    device_->InitEngineDevice(800, 600, 32, 0, 1);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game_ = std::make_unique<VAvazadOvurUrovi>();
    game_->aiManager = new CPorvikAiClass;  // the main object deletes it
    tree_ = std::make_unique<plat::test::TempTree>();
    game_->baseDirectory = tree_->Root().c_str();
    for (const TypeSpec& spec : kTypes) {
      auto type = std::make_unique<ObjectTypeDescriptor>();
      type->name = spec.name;
      type->objType = spec.kind;
      type->gatePosition = {2, 0, 0};
      type->exitPosition = {0, 0, 2};
      type->visitorCapacity = 8;
      game_->objectTypes.Add(std::move(type));
    }
    game_->terrain = new CHeightMapHandlerClass;
    game_->terrain->InitCells();
    game_->LinkCellGrid();
  }
  void TearDown() override {
    // The main object deletes the engine's singletons, the device among them.
    delete game_->terrain;
    game_->terrain = nullptr;
    game_.reset();
    (void)device_.release();
    tree_.reset();
    std::filesystem::current_path(previous_);
    plat::ClearPathCache();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
    plat::SetClock(nullptr);
    plat::ClearMessageBoxes();
  }

  VAvazadOvurUrovi& Game() { return *game_; }
  CPorvikAiClass& Manager() { return *game_->GetAiManager(); }

  // An object of the catalogue's type placed as the player places one.
  CAttraction* Place(int typeIndex, const plat::Vec3& at, float rotation = 0) {
    CAttraction preview;
    SetUpPlacementTemplate(preview, *game_->objectTypes.At(typeIndex), typeIndex, 1000 + typeIndex);
    preview.position = at;
    preview.rotation = rotation;
    auto object = std::make_unique<CAttraction>();
    object->InitFromTemplate(preview);
    object->PlaceTypePoints(*game_->objectTypes.At(typeIndex));
    CAttraction* placed = game_->placedObjects.Place(std::move(object));
    const bool entrance = placed->state == kObjectKindNone;
    Manager().AddPlacement(placed->gatePosition, placed->objectNumber, placed->id, placed->state, entrance);
    game_->CollectObjectsByState();
    return placed;
  }

  REraduzizVisitor* Spawn(int32_t kind, const plat::Vec3& at, CAttraction* target) {
    const int32_t id = Manager().TakeNextId();
    REraduzizVisitor* visitor = Manager().CreateVisitor(id, kind, at);
    if (!visitor) return nullptr;
    Manager().AddLiveId(id);
    visitor->SpawnInit(uint16_t(kind % 6));
    visitor->SetTargetAttraction(target);
    visitor->SetActivityState(1, 12);
    return visitor;
  }

  // Objects of every kind, a footpath, visitors heading for them, money,
  // ledger and history.
  void Populate() {
    Place(0, {0, 0, -40});
    CAttraction* ride = Place(1, {12, 0, 8}, 90);
    CAttraction* shop = Place(2, {-16, 0, 20}, 180);
    Place(3, {4, 0, 4});
    Place(4, {-30, 0, -30}, 45);
    for (int32_t j = 50; j < 60; ++j) game_->terrain->AddPathCell(64, j, 1);
    ride->queueLength = 3;
    ride->visitorCounter = 41;
    shop->isBroken = 1;
    Manager().GetRepairList().push_back(shop);
    for (int32_t k = 0; k < 6; ++k) ASSERT_NE(Spawn(k, {float(k), 0, 2}, k % 2 ? ride : shop), nullptr);
    Manager().SetCapacity(120);
    game_->cash = 23456;
    game_->gameDate = {2027, 4, 12};
    game_->gameHour = 14;
    game_->AddPlacedRecord(true, 5, 2027, 4, 12, 3, "Attr_Skarloop");
    game_->AddEmptyPlacedRecord();
    game_->BookLedgerKind(1, -1, 250);
    game_->screenSlots.shop[2] = {7, "balloon"};
    game_->screenSlots.staff[1] = {{1, 2, 3, 4, 5}, "cleaner"};
  }

  std::string Path(const std::string& name) const { return tree_->Root() + "/" + name; }
  EngineString GamePath(const std::string& name) const { return EngineString(Path(name).c_str()); }
  // The three files of a game, joined, to compare two saves.
  std::string SavedBytes(const std::string& scene) const {
    std::string bytes;
    for (const char* extension : {".pys", ".pfs", ".pai"}) {
      const std::string path = Path(scene + extension);
      bytes += ReadBytes(path);
      bytes += '|';
    }
    return bytes;
  }

  plat::FakeClock clock_;
  chartest::FakeCharacterWorld world_;
  managertest::FakeHost host_;
  std::unique_ptr<ZOdevuvDevice> device_ = std::make_unique<ZOdevuvDevice>(nullptr);
  std::unique_ptr<VAvazadOvurUrovi> game_;
  std::unique_ptr<plat::test::TempTree> tree_;
  std::filesystem::path previous_;
};

}  // namespace savedgametest
