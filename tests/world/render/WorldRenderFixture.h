#pragma once
// A running engine on the headless device with the demo park's effect
// files loaded under the names the game gives them, a flat land with an
// empty cell grid, and read-backs of what the draws asked of the effects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/ZOdevuvLightManager.h"
#include "platform/gfx/DeviceRecord.h"
#include "platform/gfx/Effect.h"
#include "tests/engine/render/ModelTestSupport.h"
#include "world/CHeightMapHandlerClass.h"

namespace worldrender {

struct NamedEffectFile {
  const char* name;
  const char* file;
};

inline const std::vector<NamedEffectFile>& WorldEffects() {
  static const std::vector<NamedEffectFile> kEffects = {{"Default", "diffuse.fx"},
                                                        {"Default_shadow", "ShadowMap.fx"},
                                                        {"Landscape", "Landscape.fx"},
                                                        {"Water2", "Water2.fx"}};
  return kEffects;
}

class WorldRenderFixture : public modeltest::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    terrain_.InitCells();
    Device().Record().Enable(true);
  }

  void LoadWorldEffects() {
    for (const NamedEffectFile& effect : WorldEffects()) {
      g_device->LoadEffect(effect.name, (std::string(HALVENOR_PARK_DIR) + "/effects/" + effect.file).c_str(), 0);
      ASSERT_TRUE(g_device->GetEffect(effect.name)) << effect.name;
    }
  }

  // Draws inside a scene with a fresh record.
  template <class DrawCall>
  void Record(DrawCall draw) {
    Device().Record().Clear();
    if (!Device().InScene()) Device().BeginScene();
    draw();
  }

  // The last value a parameter was set to; fails the test when it was not
  // set or when the effect does not declare it.
  plat::EffectValue LastSet(const std::string& name) const {
    const std::vector<plat::EffectCall> sets = g_device->GetDevice()->Record().EffectSets(name);
    if (sets.empty()) {
      ADD_FAILURE() << name << " was not set";
      return {};
    }
    EXPECT_TRUE(sets.back().known) << name << " is not a parameter of " << sets.back().effect;
    return sets.back().value;
  }

  // What the record names an effect's draws by.
  static std::string EffectFile(const char* name) { return g_device->GetEffect(name)->Name(); }

  std::vector<plat::DrawRecord> Draws() const { return g_device->GetDevice()->Record().Draws(); }

  // A spot light high over the park, as the game's resource set-up adds it.
  void AddSun() {
    plat::Light sun;
    sun.type = plat::LightType::Spot;
    sun.position = {10, 500, -10};
    sun.direction = {0, -1, 0};
    sun.diffuse = {0.9f, 0.8f, 0.7f, 1};
    sun.ambient = {0.3f, 0.3f, 0.3f, 1};
    sun.range = 10000;
    sun.theta = 0.5f;
    sun.phi = 0.7f;
    g_lights->AddLight(sun, 1);
  }

  CHeightMapHandlerClass terrain_;
};

}  // namespace worldrender
