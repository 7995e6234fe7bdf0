// The fifteen effect files of the demo park on the OpenGL device: every
// technique of every file draws a lit, textured cube (a skinned one for the
// characters) with the parameters the game would give it, and the picture
// shows the cube in more than one colour over the background.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/gfx/Effect.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/math/Math.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

using plat::DeclType;
using plat::DeclUsage;
using plat::Matrix;
using plat::Vec3;
using plat::Vec4;

// The 64-byte vertex of static meshes and the water.
struct MeshVertex {
  float position[3], normal[3], uv0[2], uv1[2], tangent[3], binormal[3];
};

// The 76-byte vertex of skinned characters.
struct SkinnedVertex {
  float position[3], normal[3], tangent[3], uv[2], weights[4], indices[4];
};

constexpr std::uint32_t kClear = 0xFF203040u;
const Vec3 kEye{0, 0.5f, -4};
const Vec3 kLight{2, 4, -3};

// A unit cube, two triangles per face, wound clockwise seen from outside.
std::vector<MeshVertex> Cube() {
  std::vector<MeshVertex> vertices;
  const float axes[6][3][3] = {
      {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}}, {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
      {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}}};
  const float corners[6][2] = {{-1, -1}, {-1, 1}, {1, 1}, {-1, -1}, {1, 1}, {1, -1}};
  for (const auto& face : axes) {
    const float* n = face[0];
    const float* t = face[1];
    const float* b = face[2];
    for (const auto& c : corners) {
      MeshVertex v{};
      for (int i = 0; i < 3; ++i) {
        v.position[i] = n[i] + c[0] * t[i] + c[1] * b[i];
        v.normal[i] = n[i];
        v.tangent[i] = t[i];
        v.binormal[i] = -b[i];
      }
      v.uv0[0] = v.uv1[0] = 0.5f + 0.5f * c[0];
      v.uv0[1] = v.uv1[1] = 0.5f - 0.5f * c[1];
      vertices.push_back(v);
    }
  }
  return vertices;
}

std::vector<SkinnedVertex> SkinnedCube() {
  std::vector<SkinnedVertex> skinned;
  for (const MeshVertex& v : Cube()) {
    SkinnedVertex s{};
    std::copy_n(v.position, 3, s.position);
    std::copy_n(v.normal, 3, s.normal);
    std::copy_n(v.tangent, 3, s.tangent);
    std::copy_n(v.uv0, 2, s.uv);
    s.weights[0] = 1;
    s.indices[0] = v.position[1] > 0 ? 1.0f : 0.0f;  // the top follows bone 1
    skinned.push_back(s);
  }
  return skinned;
}

struct Scene {
  Matrix world, view, projection, lightView, lightProjection;
};

Scene MakeScene() {
  Scene s;
  Matrix spinY, spinX;
  plat::MatrixRotationY(&spinY, 0.6f);
  plat::MatrixRotationX(&spinX, 0.4f);
  s.world = spinY * spinX;
  plat::MatrixLookAtLH(&s.view, kEye, Vec3{0, 0, 0}, Vec3{0, 1, 0});
  plat::MatrixPerspectiveFovLH(&s.projection, 0.7853982f, float(kWidth) / float(kHeight), 0.1f, 100);
  plat::MatrixLookAtLH(&s.lightView, kLight, Vec3{0, 0, 0}, Vec3{0, 1, 0});
  plat::MatrixPerspectiveFovLH(&s.lightProjection, 1.5707964f, float(kWidth) / float(kHeight), 0.01f, 10000);
  return s;
}

Matrix Inverse(const Matrix& m) {
  Matrix out = plat::IdentityMatrix();
  plat::MatrixInverse(&out, nullptr, m);
  return out;
}

Vec4 Point(const Vec3& v) { return {v.x, v.y, v.z, 1}; }
Vec4 Direction(const Vec3& v) { return {v.x, v.y, v.z, 0}; }

// Every matrix, position and texture the game would set, by parameter name;
// colours and the rest keep the files' own initial values.
// Shadow-map passes see the scene from the light.
void SetSceneParameters(plat::Effect& e, const Scene& s, const std::shared_ptr<plat::Texture>& texture,
                        bool fromLight = false) {
  const Matrix wvp = s.world * s.view * s.projection;
  Matrix worldInverseTranspose;
  plat::MatrixTranspose(&worldInverseTranspose, Inverse(s.world));
  for (const char* name : {"worldViewProj", "WorldViewProj", "matWVP", "g_matWorldViewProj"}) e.SetMatrix(name, wvp);
  for (const char* name : {"world", "World", "matWorld", "g_matWorld"}) e.SetMatrix(name, s.world);
  e.SetMatrix("worldInverseTranspose", worldInverseTranspose);
  for (const char* name : {"viewInverse", "ViewInv"}) e.SetMatrix(name, Inverse(s.view));
  for (const char* name : {"vecEye", "camPosition", "g_vEyePos"}) e.SetVector(name, Point(kEye));
  const Vec3 lightDirection = plat::Vec3Normalized(Vec3{0, 0, 0} - kLight);
  for (const char* name : {"lightDir", "vecLightDir", "lDir"}) e.SetVector(name, Direction(lightDirection));
  e.SetVector("g_vLightDir", Direction(lightDirection));  // the water's, in world space

  // The shadow-mapped effects take view-space light values. The water
  // declares no view-space ones, so its g_vLightDir stays as set above.
  if (e.Description().FindParameter("g_mViewToLightProj")) {
    Vec3 position, direction;
    plat::Vec3TransformCoord(&position, kLight, s.view);
    plat::Vec3TransformNormal(&direction, lightDirection, s.view);
    e.SetVector("g_vLightPos", Point(position));
    e.SetVector("g_vLightDir", Direction(plat::Vec3Normalized(direction)));
    e.SetMatrix("g_mViewToLightProj", Inverse(s.view) * s.lightView * s.lightProjection);
    e.SetMatrix("g_mWorldView", s.world * (fromLight ? s.lightView : s.view));
    e.SetMatrix("g_mProj", fromLight ? s.lightProjection : s.projection);
  }

  std::vector<Matrix> bones(plat::kMaxEffectMatrixArray, plat::IdentityMatrix());
  plat::MatrixTranslation(&bones[1], 0, 0.3f, 0);
  e.SetMatrixArray("FinalTransforms", bones.data(), std::uint32_t(bones.size()));
  for (const plat::EffectParameter& p : e.Description().parameters) {
    if (p.type == plat::EffectParamType::Texture) e.SetTexture(p.name, texture);
  }
}

struct Shot {
  std::size_t objectPixels = 0;
  std::set<std::uint32_t> colours;
};

class EffectFilesLiveTest : public LiveDeviceTest {
 protected:
  void SetUp() override {
    LiveDeviceTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // A colourful checker with varied alpha (cut-outs and blending show)
    // and bright and dark red (lit and shadowed texels of a shadow map).
    checker_ = plat::CreateTexture(*live_, 16, 16, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
    ASSERT_NE(checker_, nullptr);
    plat::FillTexture(*checker_, [](const plat::Vec2& uv, const plat::Vec2&) {
      const bool odd = (int(uv.x * 4) + int(uv.y * 4)) % 2 == 1;
      return odd ? Vec4{0.9f, 0.8f, 0.3f, 1} : Vec4{0.2f, 0.6f, 0.9f, 0.8f};
    });
    meshDeclaration_ = live_->CreateVertexDeclaration(
        {{0, 0, DeclType::Float3, DeclUsage::Position, 0},  {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
         {0, 24, DeclType::Float2, DeclUsage::TexCoord, 0}, {0, 32, DeclType::Float2, DeclUsage::TexCoord, 1},
         {0, 40, DeclType::Float3, DeclUsage::Tangent, 0},  {0, 52, DeclType::Float3, DeclUsage::Binormal, 0}});
    skinnedDeclaration_ = live_->CreateVertexDeclaration(
        {{0, 0, DeclType::Float3, DeclUsage::Position, 0},     {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
         {0, 24, DeclType::Float3, DeclUsage::Tangent, 0},     {0, 36, DeclType::Float2, DeclUsage::TexCoord, 0},
         {0, 44, DeclType::Float4, DeclUsage::BlendWeight, 0}, {0, 60, DeclType::Float4, DeclUsage::BlendIndices, 0}});
  }
  void TearDown() override {
    checker_.reset();
    meshDeclaration_.reset();
    skinnedDeclaration_.reset();
    LiveDeviceTest::TearDown();
  }

  // Draws the cube through every pass of the technique and reads the picture.
  Shot Draw(plat::Effect& effect, const std::string& technique, bool skinned) {
    EXPECT_TRUE(effect.SetTechnique(technique));
    SetSceneParameters(effect, MakeScene(), checker_, technique.rfind("RenderShadow", 0) == 0);
    live_->BeginScene();
    live_->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kClear, 1, 0);
    live_->SetVertexDeclaration(skinned ? skinnedDeclaration_ : meshDeclaration_);
    const std::vector<MeshVertex> mesh = Cube();
    const std::vector<SkinnedVertex> skin = SkinnedCube();
    std::uint32_t passes = 0;
    EXPECT_TRUE(effect.Begin(&passes));
    for (std::uint32_t p = 0; p < passes; ++p) {
      EXPECT_TRUE(effect.BeginPass(p));
      if (skinned) {
        live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 12, skin.data(), sizeof(SkinnedVertex));
      } else {
        live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 12, mesh.data(), sizeof(MeshVertex));
      }
      effect.EndPass();
    }
    effect.End();
    live_->EndScene();
    Shot shot;
    for (std::uint32_t pixel : Capture()) {
      shot.colours.insert(pixel | 0xFF000000u);
      if (!NearColor(pixel, kClear, 2)) ++shot.objectPixels;
    }
    return shot;
  }

  std::shared_ptr<plat::Texture> checker_;
  std::shared_ptr<plat::VertexDeclaration> meshDeclaration_, skinnedDeclaration_;
};

struct File {
  const char* name;  // as the game asks for it
  bool skinned;
};

const File kFiles[] = {{"ps_shaders.fx", false},   {"bump_reflection.fx", false},
                       {"sh.fx", false},           {"specular.fx", false},
                       {"diffuse.fx", false},      {"character_diffuseVxBlend.fx", true},
                       {"sample.fx", false},       {"diffuse_old.fx", false},
                       {"diffuse_normal.fx", false}, {"Water2.fx", false},
                       {"ground_shadow.fx ", false}, {"Soft Shadows.fx", false},
                       {"Landscape.fx", false},    {"baseVx.fx", false},
                       {"ShadowMap.fx", false}};

TEST_F(EffectFilesLiveTest, EveryTechniqueOfEveryFileDrawsTheObjectInMoreThanOneColour) {
  constexpr std::size_t kPixels = std::size_t(kWidth) * kHeight;
  for (const File& file : kFiles) {
    std::string error;
    auto effect = plat::CreateEffectFromFile(live_, std::string(HALVENOR_PARK_DIR) + "\\effects\\" + file.name, &error);
    ASSERT_NE(effect, nullptr) << error;
    for (const std::string& technique : effect->TechniqueNames()) {
      SCOPED_TRACE(std::string(file.name) + " / " + technique);
      // Shadow-map passes write distances (near black here) and see the
      // cube smaller, from the light; the others shade it.
      const bool caster = technique.rfind("RenderShadow", 0) == 0;
      const Shot shot = Draw(*effect, technique, file.skinned);
      EXPECT_GT(shot.objectPixels, kPixels / (caster ? 100 : 20)) << "the cube covers a good part of the picture";
      EXPECT_LT(shot.objectPixels, kPixels / 2);
      EXPECT_GE(shot.colours.size(), caster ? 2u : 3u) << "background and the cube's shades";
    }
  }
  for (const std::string& line : debugOutput_) ADD_FAILURE() << line;
}

// The shadow-mapped effects darken what lies behind a caster: the same
// scene drawn over a shadow map that holds a near caster everywhere comes
// out darker than over one that holds nothing.
TEST_F(EffectFilesLiveTest, ShadowMappedScenesAreDarkerBehindACaster) {
  auto shadowMap = [this](float depth) {
    auto map = plat::CreateTexture(*live_, 4, 4, 1, 0, plat::Format::R32F, plat::Pool::Managed);
    plat::FillTexture(*map, [depth](const plat::Vec2&, const plat::Vec2&) { return Vec4{depth, 0, 0, 1}; });
    return map;
  };
  const auto nothing = shadowMap(1.0f);           // the cleared map
  const auto caster = shadowMap(0.5f / 60000.0f);  // a caster half a unit from the light
  for (const char* name : {"ShadowMap.fx", "Soft Shadows.fx", "ground_shadow.fx ", "Landscape.fx"}) {
    SCOPED_TRACE(name);
    auto effect = plat::CreateEffectFromFile(live_, std::string(HALVENOR_PARK_DIR) + "\\effects\\" + name);
    ASSERT_NE(effect, nullptr);
    auto brightness = [&](const std::shared_ptr<plat::Texture>& map) {
      SetSceneParameters(*effect, MakeScene(), checker_);
      effect->SetTexture("g_txShadow", map);
      effect->SetTechnique("RenderScene");
      live_->BeginScene();
      live_->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
      live_->SetVertexDeclaration(meshDeclaration_);
      const std::vector<MeshVertex> mesh = Cube();
      std::uint32_t passes = 0;
      effect->Begin(&passes);
      for (std::uint32_t p = 0; p < passes; ++p) {
        effect->BeginPass(p);
        live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 12, mesh.data(), sizeof(MeshVertex));
        effect->EndPass();
      }
      effect->End();
      live_->EndScene();
      long sum = 0;
      for (std::uint32_t pixel : Capture()) sum += long((pixel >> 16) & 0xFF) + long((pixel >> 8) & 0xFF) + long(pixel & 0xFF);
      return sum;
    };
    const long lit = brightness(nothing);
    const long shadowed = brightness(caster);
    EXPECT_LT(shadowed * 10, lit * 9) << "lit " << lit << ", shadowed " << shadowed;
  }
  for (const std::string& line : debugOutput_) ADD_FAILURE() << line;
}

}  // namespace
}  // namespace live_test
