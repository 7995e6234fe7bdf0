#pragma once
// A headless engine device with the character effect, a scratch park holding
// the fixture model (models\figure.X) and its texture, and a fake clock.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/animation/SkinnedHierarchy.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/PngWriter.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "tests/platform/mesh/XFixture.h"
#include "tests/platform/os/TempTree.h"

namespace animtest {

inline const char* kCharAnimEffect =
    "float4x4 FinalTransforms[35];\n"
    "int NumVertInfluences;\n"
    "texture Dtex;\n"
    "float4 mDiffuse;\nfloat4 mSpecular;\nfloat mPower;\n"
    "float4x4 worldViewProj;\nfloat4x4 world;\nfloat4x4 worldInverseTranspose;\n"
    "float4x4 viewInverse;\n"
    "float4 lightDir;\nfloat4 lightColor;\nfloat4 lightAmbient;\n"
    "vertexshader VS <<<\n#version 330\nvoid main() {}\n>>>\n"
    "fragmentshader FS <<<\n#version 330\nvoid main() {}\n>>>\n"
    "technique textured {\n  pass P0 {\n    VertexShader = VS;\n    FragmentShader = FS;\n  }\n}\n"
    "technique textured_ghost {\n  pass P0 {\n    VertexShader = VS;\n    FragmentShader = FS;\n  }\n}\n";

inline constexpr const char* kModelPath = "models\\figure.X";

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    plat::ClearMessageBoxes();
    manager_->InitEngineDevice(800, 600, 32, 0, 1);
    ASSERT_NE(manager_->GetDevice(), nullptr);
    tree_.Write("effects/charanim.fx", kCharAnimEffect);
    manager_->LoadEffect("CharAnim", "effects\\charanim.fx", 0);
    ASSERT_NE(Effect(), nullptr);
    WriteModel("models/figure.X");
    WriteTexture("models/textures/quad.png");
    Device().Record().Enable(true);
  }
  void TearDown() override {
    manager_.reset();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
    plat::SetClock(nullptr);
    plat::ClearMessageBoxes();
  }

  plat::Device& Device() { return *manager_->GetDevice(); }
  std::shared_ptr<plat::Effect> Effect() { return manager_->GetEffect("CharAnim"); }
  void WriteModel(const std::string& relative, const xfixture::Options& options = {}) {
    tree_.Write(relative, xfixture::ModelText(options));
  }
  void WriteTexture(const std::string& relative) {
    tree_.MakeFolder(std::filesystem::path(relative).parent_path().string());
    const std::uint32_t pixels[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    ASSERT_TRUE(plat::WritePngFile(tree_.Host(relative), 2, 2, pixels));
  }
  // The effect value as floats (matrices row by row).
  std::vector<float> Floats(const char* name) {
    const plat::EffectValue* value = Effect()->Value(name);
    return value ? value->floats : std::vector<float>{};
  }
  plat::Matrix MatrixValue(const char* name, std::size_t index = 0) {
    plat::Matrix m;
    const std::vector<float> f = Floats(name);
    for (int i = 0; i < 16 && index * 16 + i < f.size(); ++i) m.m[i / 4][i % 4] = f[index * 16 + i];
    return m;
  }

  plat::test::TempTree tree_;
  plat::FakeClock clock_;
  std::unique_ptr<ZOdevuvDevice> manager_ = std::make_unique<ZOdevuvDevice>(nullptr);
};

inline ZOdevuvFrame* FindFrame(plat::MeshFrame* root, const char* name) {
  return static_cast<ZOdevuvFrame*>(plat::FrameFind(root, name));
}

inline ZOdevuvMeshContainer* FirstContainer(plat::MeshFrame* root) {
  return root ? static_cast<ZOdevuvMeshContainer*>(root->meshContainer) : nullptr;
}

}  // namespace animtest
