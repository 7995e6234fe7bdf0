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
#include "tests/characters/manager/FakeHost.h"

namespace managertest {

template <class World = chartest::FakeCharacterWorld, class Host = FakeHost>
class ManagerTestWith : public ::testing::Test {
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
  World world_;
  Host host_;
  std::unique_ptr<ZOdevuvDevice> device_ = std::make_unique<ZOdevuvDevice>(nullptr);
  std::unique_ptr<CPorvikAiClass> manager_;
  std::filesystem::path previous_;
};

using ManagerTest = ManagerTestWith<>;

}  // namespace managertest
