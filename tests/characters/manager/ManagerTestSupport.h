#pragma once
// The character manager in the demo park, headless: a device, the park as
// the working folder, a host with the park's texts, an entrance and a flat
// terrain, and the characters' fake world.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "platform/os/Random.h"
#include "tests/characters/FakeCharacterWorld.h"

namespace managertest {

class FakeHost : public CPorvikAiClassHost {
 public:
  FakeHost() { CPorvikAiClassHost::Install(this); }
  ~FakeHost() override { CPorvikAiClassHost::Install(nullptr); }

  EngineString GetBaseFolder() const override { return baseFolder; }
  CharacterTexts& GetTexts() override { return texts; }
  int32_t GetParkHour() const override { return hour; }
  int32_t GetGameMonth() const override { return month; }
  bool IsRaining() const override { return raining; }
  float GetTerrainHeight(float, float) const override { return terrainHeight; }
  bool IsPathCellAt(const plat::Vec3& point) const override { return point.x >= 0; }
  bool IsCellLittered(int32_t, int32_t) const override { return littered; }
  void DropLitterAt(const plat::Vec3& point) override { litterDropped.push_back(point); }
  void DropLitterInCell(int32_t i, int32_t j) override { litterInCells.push_back({float(i), 0, float(j)}); }
  CAttraction* FindObjectByName(const EngineString& name, plat::Vec3* entrance) override {
    if (!hasEntrance || name != "Attr_MainEntrance") return nullptr;
    *entrance = entrancePoint;
    return chartest::Handle(entranceObject);
  }
  std::vector<std::vector<Topping>> GetToppingTypes() const override { return toppings; }
  plat::Vec3 GetCameraPosition() const override { return camera; }
  int32_t GetFollowedCharacterId() const override { return followed; }
  bool IsFollowSuppressed() const override { return false; }
  void SetFollowView(const plat::Vec3& eye, const plat::Vec3& direction, const plat::Vec3& up) override {
    followViews.push_back({eye, direction, up});
  }

  EngineString baseFolder = HALVENOR_PARK_DIR;
  CharacterTexts texts;
  int32_t hour = 10;
  int32_t month = 3;
  bool raining = false;
  bool littered = false;
  float terrainHeight = 0;
  bool hasEntrance = true;
  plat::Vec3 entrancePoint{20, 0, 0};
  chartest::FakeObject entranceObject;
  std::vector<std::vector<Topping>> toppings;
  plat::Vec3 camera{};
  int32_t followed = -1;
  std::vector<std::vector<plat::Vec3>> followViews;
  std::vector<plat::Vec3> litterDropped, litterInCells;
};

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    plat::ClearMessageBoxes();
    plat::SRand(1);
    device_->InitEngineDevice(800, 600, 32, 0, 1);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
  }
  void TearDown() override {
    manager_.reset();
    std::filesystem::current_path(previous_);
    plat::ClearPathCache();
    device_.reset();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
    plat::SetClock(nullptr);
    plat::ClearMessageBoxes();
  }

  CPorvikAiClass& Manager() {
    if (!manager_) manager_ = std::make_unique<CPorvikAiClass>();
    return *manager_;
  }
  // A visitor of the kind at the park entrance that takes part in the pass.
  REraduzizVisitor* Spawn(int32_t kind, const plat::Vec3& at = {}) {
    const int32_t id = Manager().TakeNextId();
    REraduzizVisitor* visitor = Manager().CreateVisitor(id, kind, at);
    if (!visitor) return nullptr;
    Manager().AddLiveId(id);
    Manager().CountVisitor(*visitor);
    return visitor;
  }

  plat::FakeClock clock_;
  chartest::FakeCharacterWorld world_;
  FakeHost host_;
  std::unique_ptr<ZOdevuvDevice> device_ = std::make_unique<ZOdevuvDevice>(nullptr);
  std::unique_ptr<CPorvikAiClass> manager_;
  std::filesystem::path previous_;
};

}  // namespace managertest
