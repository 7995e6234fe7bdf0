// The sixteen render modes of a sub-mesh: effect files for ordinary,
// blended, bump-mapped and specular drawing, fixed-function drawing for
// light-mapped and transparent surfaces, and the shadow-mapped scene and
// shadow-map passes. Effects are looked up and their parameters set by name
// on every draw.
#include <cmath>

#include "engine/core/Globals.h"
#include "engine/render/LightHelpers.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvSubMesh.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"
#include "platform/math/Math.h"

using plat::Matrix;
using plat::RenderState;
using plat::TextureStageState;
using plat::Vec3;
using plat::Vec4;

namespace {

using EffectPtr = std::shared_ptr<plat::Effect>;

constexpr float kHalfPi = 1.5707963705062866f;
constexpr float kQuarterPi = 0.7853981852531433f;

// What every mode reads of the device and the scene.
struct DrawContext {
  plat::Device& device;
  ZOdevuvSubMesh& mesh;
  Matrix world, view, projection;
};

std::shared_ptr<plat::Texture> TextureOf(const TextureEntry* entry) {
  return entry ? entry->GetTexture() : nullptr;
}

Vec4 Direction4(const Vec3& v) { return {v.x, v.y, v.z, 0.0f}; }
Vec4 Position4(const Vec3& v) { return {v.x, v.y, v.z, 1.0f}; }
Vec4 Colour4(const plat::Color& c) { return {c.r, c.g, c.b, c.a}; }

bool HasLights() { return g_lights && g_lights->GetLightCount() != 0; }

Vec3 CameraPosition() {
  Vec3 position;
  if (g_camera) g_camera->GetPosition(&position);
  return position;
}

Matrix Inverse(const Matrix& m) {
  Matrix out = plat::IdentityMatrix();
  plat::MatrixInverse(&out, nullptr, m);
  return out;
}

Matrix InverseTranspose(const Matrix& m) {
  Matrix out;
  plat::MatrixTranspose(&out, Inverse(m));
  return out;
}

EffectPtr NamedEffect(const char* name) { return g_device ? g_device->GetEffect(name) : nullptr; }

void SetPair(plat::Effect& effect, const char* name, const plat::Vec2& pair) {
  const float values[2] = {pair.x, pair.y};
  effect.SetFloatArray(name, values, 2);
}

void SetBlend(plat::Device& device, bool on) {
  device.SetRenderState(RenderState::AlphaBlendEnable, on ? plat::kTrue : plat::kFalse);
}

void RunPasses(DrawContext& c, plat::Effect& effect) {
  std::uint32_t passes = 0;
  effect.Begin(&passes, 0);
  for (std::uint32_t i = 0; i < passes; ++i) {
    effect.BeginPass(i);
    c.mesh.DrawSubMeshBuffer();
    effect.EndPass();
  }
  effect.End();
}

void SetStage(plat::Device& device, std::uint32_t stage, std::uint32_t arg1, std::uint32_t arg2,
              std::uint32_t op, const TextureEntry* entry) {
  device.SetTextureStageState(stage, TextureStageState::ColorArg1, arg1);
  device.SetTextureStageState(stage, TextureStageState::ColorArg2, arg2);
  device.SetTextureStageState(stage, TextureStageState::ColorOp, op);
  device.SetTexture(stage, TextureOf(entry));
}

// The colour map alone, or modulated by a second texture in stage 1.
void DrawFixedTextured(DrawContext& c, const TextureEntry* first, const TextureEntry* second) {
  using plat::TextureArg;
  c.device.SetTextureStageState(0, TextureStageState::ColorArg1, TextureArg::Texture);
  c.device.SetTextureStageState(0, TextureStageState::ColorOp, plat::TextureOp::SelectArg1);
  c.device.SetTexture(0, TextureOf(first));
  if (second) {
    SetStage(c.device, 1, TextureArg::Texture, TextureArg::Current, plat::TextureOp::Modulate, second);
  } else {
    c.device.SetTexture(1, nullptr);
  }
  c.device.SetTexture(2, nullptr);
  c.mesh.DrawSubMeshBuffer();
}

// Light 0's direction, diffuse and ambient colours, or the values a scene
// without lights is drawn with.
struct SceneLight {
  Vec4 direction{0, -1, 0, 0};
  Vec4 colour{0.4f, 0.4f, 0.45f, 1.0f};
  Vec4 ambient{1.0f, 0.99f, 0.95f, 1.0f};
};

SceneLight ReadSceneLight() {
  SceneLight light;
  if (!HasLights()) return light;
  Vec3 direction;
  plat::Color diffuse, ambient;
  GetLightDirection(&direction, 0);
  GetLightDiffuse(&diffuse, 0);
  GetLightAmbient(&ambient, 0);
  light.direction = Direction4(direction);
  light.colour = Colour4(diffuse);
  light.ambient = Colour4(ambient);
  return light;
}

void DrawPlainTextured(DrawContext& c) {
  SetBlend(c.device, false);
  ZOdevuvSubMesh& m = c.mesh;
  if (m.lightMap) return DrawFixedTextured(c, m.colourMap, m.lightMap);
  if (m.simpleFlag) return DrawFixedTextured(c, m.colourMap, nullptr);
  EffectPtr effect = NamedEffect("Default");
  if (!effect) return;
  const Matrix wvp = c.world * c.view * c.projection;
  effect->SetTexture("Dtex", TextureOf(m.colourMap));
  effect->SetVector("mDiffuse", Colour4(m.material.diffuse));
  effect->SetVector("mSpecular", Colour4(m.material.specular));
  effect->SetFloat("mPower", 90.0f);
  effect->SetMatrix("worldViewProj", wvp);
  effect->SetMatrix("world", c.world);
  effect->SetMatrix("worldInverseTranspose", InverseTranspose(c.world));
  effect->SetMatrix("viewInverse", Inverse(c.view));
  effect->SetVector("vecEye", Position4(CameraPosition()));
  const SceneLight light = ReadSceneLight();
  effect->SetVector("lightDir", light.direction);
  effect->SetVector("lightColor", light.colour);
  effect->SetVector("lightAmbient", light.ambient);
  effect->SetTechnique("textured");
  RunPasses(c, *effect);
  SetBlend(c.device, false);
}

// The base shaders only colour pixels; our effects have no fixed-function
// vertex stage behind them, so they get the transform the vertex stage needs.
void SetBaseShaderTransform(DrawContext& c, plat::Effect& effect) {
  effect.SetMatrix("worldViewProj", c.world * c.view * c.projection);
}

void DrawBaseBlend(DrawContext& c) {
  ZOdevuvSubMesh& m = c.mesh;
  plat::Effect& effect = *m.mainEffect;
  effect.SetTechnique("BaseShaders");
  SetBaseShaderTransform(c, effect);
  if (m.lightMap) {
    effect.SetInt("shType", 4);
    effect.SetTexture("LightMap", TextureOf(m.lightMap));
  } else {
    effect.SetInt("shType", 5);
  }
  struct Slot { const char *texture, *tiling, *offset; int base; };
  static constexpr Slot kSlots[] = {{"MixTex0", "TillingMix", "OffsetMix", 2},
                                    {"BaseTexture0", "TillingBase1", "OffsetBase1", 1},
                                    {"BaseTexture1", "TillingBase2", "OffsetBase2", 0}};
  for (const Slot& slot : kSlots) {
    effect.SetTexture(slot.texture, TextureOf(m.baseTextures[slot.base]));
    SetPair(effect, slot.tiling, m.baseTiling[slot.base]);
    SetPair(effect, slot.offset, m.baseOffset[slot.base]);
  }
  SetBlend(c.device, false);
  RunPasses(c, effect);
  SetBlend(c.device, false);
}

void DrawComposite(DrawContext& c) {
  ZOdevuvSubMesh& m = c.mesh;
  plat::Effect& effect = *m.mainEffect;
  effect.SetTechnique("BaseShaders");
  SetBaseShaderTransform(c, effect);
  if (m.lightMap) {
    effect.SetInt("shType", 7);
    effect.SetTexture("LightMap", TextureOf(m.lightMap));
  } else {
    effect.SetInt("shType", 6);
  }
  struct Slot { const char *texture, *tiling, *offset; };
  static constexpr Slot kSlots[] = {{"CompositeBase", "TillingCBase1", "OffsetCBase1"},
                                    {"CompositeTex0", "TillingCBase2", "OffsetCBase2"},
                                    {"CompositeTex0Alpha", "TillingCBase3", "OffsetCBase3"},
                                    {"CompositeTex1", "TillingCBase4", "OffsetCBase4"},
                                    {"CompositeTex1Alpha", "TillingCBase5", "OffsetCBase5"}};
  constexpr int kSlotCount = sizeof kSlots / sizeof kSlots[0];
  for (int i = 0; i < m.compositeCount && i < kSlotCount; ++i) {
    effect.SetTexture(kSlots[i].texture, TextureOf(m.compositeTextures[i]));
    SetPair(effect, kSlots[i].tiling, m.compositeTiling[i]);
    SetPair(effect, kSlots[i].offset, m.compositeOffset[i]);
  }
  SetBlend(c.device, false);
  RunPasses(c, effect);
  SetBlend(c.device, true);
}

void DrawBump(DrawContext& c) {
  ZOdevuvSubMesh& m = c.mesh;
  SetBlend(c.device, false);
  if (!m.bumpEffect) {
    c.device.SetTexture(0, TextureOf(m.colourMap));
    c.device.SetTexture(1, nullptr);
    c.device.SetTexture(2, nullptr);
    m.DrawSubMeshBuffer();
    return;
  }
  plat::Effect& bump = *m.bumpEffect;
  c.device.SetVertexDeclaration(m.bumpDeclaration);
  bump.SetTechnique("BumpMap");
  bump.SetMatrix("WorldViewProj", c.world * c.view * c.projection);
  bump.SetMatrix("World", c.world);
  bump.SetMatrix("ViewInv", Inverse(c.view));
  SetPair(*m.mainEffect, "Tilling", m.bumpTiling);
  SetPair(*m.mainEffect, "Offset", m.bumpOffset);
  Vec3 direction{0, -0.7f, 0.3f};
  if (HasLights()) {
    const SceneLight light = ReadSceneLight();
    direction = {light.direction.x, light.direction.y, light.direction.z};
    if (m.specularEffect) {
      m.specularEffect->SetVector("lightDir", light.direction);
      m.specularEffect->SetVector("lightColor", light.colour);
      m.specularEffect->SetVector("lightAmbient", light.ambient);
    }
  }
  direction = plat::Vec3Normalized(direction);
  bump.SetVector("vecEye", Position4(CameraPosition()));
  bump.SetVector("vecLightDir", Direction4(direction));
  bump.SetTexture("ColorMapTex", TextureOf(m.colourMap));
  bump.SetTexture("BumpMapTex", TextureOf(m.bumpMap));
  bump.SetTexture("ReflectionMapTex", nullptr);
  RunPasses(c, bump);
  SetBlend(c.device, false);
}

void DrawSpecularMapped(DrawContext& c) {
  ZOdevuvSubMesh& m = c.mesh;
  if (!m.specularEffect) return;
  plat::Effect& effect = *m.specularEffect;
  // Without lights the scene's fallback light stands in for light 0.
  const SceneLight light = ReadSceneLight();
  effect.SetTexture("Dtex", TextureOf(m.colourMap));
  effect.SetTexture("Stex", TextureOf(m.glossMap));
  effect.SetMatrix("matWVP", c.world * c.view * c.projection);
  effect.SetMatrix("matWorld", c.world);
  effect.SetMatrix("ViewInv", Inverse(c.view));
  effect.SetMatrix("worldInverseTranspose", InverseTranspose(c.world));
  effect.SetVector("lDir", light.direction);
  effect.SetVector("lDiffuse", light.colour);
  effect.SetVector("mDiffuse", Colour4(m.material.diffuse));
  effect.SetVector("mSpecular", Colour4(m.material.specular));
  effect.SetVector("camPosition", Position4(CameraPosition()));
  effect.SetFloat("mPower", 128.0f);
  effect.SetTechnique("Specularmapping");
  SetBlend(c.device, false);
  RunPasses(c, effect);
  SetBlend(c.device, false);
}

void DrawSpecularAdded(DrawContext& c) {
  using plat::TextureArg;
  c.device.SetRenderState(RenderState::SpecularEnable, plat::kTrue);
  SetStage(c.device, 0, TextureArg::Texture, TextureArg::Diffuse, plat::TextureOp::Modulate, c.mesh.colourMap);
  SetStage(c.device, 1, TextureArg::Texture, TextureArg::Current, plat::TextureOp::Add, c.mesh.glossMap);
  c.device.SetTexture(2, nullptr);
  c.mesh.DrawSubMeshBuffer();
}

void DrawWithoutColour(DrawContext& c) {
  SetBlend(c.device, false);
  const TextureEntry* found = g_assetPaths ? g_assetPaths->FindTexture(c.mesh.name) : nullptr;
  if (found) return DrawFixedTextured(c, found, found);
  c.device.SetMaterial(ZOdevuvDevice::FillMaterial(0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 128.0f));
  for (std::uint32_t stage = 0; stage < 3; ++stage) c.device.SetTexture(stage, nullptr);
  c.mesh.DrawSubMeshBuffer();
}

void DrawTransparent(DrawContext& c, std::uint32_t destBlend) {
  plat::Device& d = c.device;
  d.SetRenderState(RenderState::CullMode, plat::Cull::None);
  d.SetRenderState(RenderState::AlphaRef, 0xA0);
  d.SetRenderState(RenderState::AlphaTestEnable, plat::kTrue);
  d.SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
  d.SetRenderState(RenderState::AlphaFunc, plat::Compare::GreaterEqual);
  d.SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
  d.SetRenderState(RenderState::DestBlend, destBlend);
  d.SetTexture(0, TextureOf(c.mesh.colourMap));
  c.mesh.DrawSubMeshBuffer();
  d.SetRenderState(RenderState::AlphaBlendEnable, plat::kFalse);
  d.SetRenderState(RenderState::AlphaTestEnable, plat::kFalse);
  d.SetRenderState(RenderState::CullMode, plat::Cull::Ccw);
}

void DrawDiffuseNormal(DrawContext& c) {
  EffectPtr effect = NamedEffect("DiffNormal");
  if (!effect) return;
  effect->SetMatrix("worldViewProj", c.world * c.view * c.projection);
  effect->SetMatrix("world", c.world);
  if (HasLights()) {
    const SceneLight light = ReadSceneLight();
    effect->SetVector("vecLightDir", light.direction);
    effect->SetVector("lightColor", light.colour);
    effect->SetVector("lightAmbient", light.ambient);
  }
  SetBlend(c.device, false);
  effect->SetTechnique("diffuse");
  RunPasses(c, *effect);
  SetBlend(c.device, false);
}

// The light the shadow map is made from: light 0, or a fixed sun.
struct ShadowLight {
  Vec3 position{200, 500, 200};
  Vec3 direction;
  Vec4 diffuse{1, 1, 1, 1};
  float cosTheta = std::cos(kQuarterPi);
  Matrix view;
};

ShadowLight ReadShadowLight() {
  ShadowLight light;
  ZOdevuvLightRecord record;
  if (HasLights() && g_lights->GetLightRecord(0, &record)) {
    plat::Color diffuse;
    GetLightPosition(&light.position, 0);
    GetLightDirection(&light.direction, 0);
    GetLightDiffuse(&diffuse, 0);
    light.diffuse = Colour4(diffuse);
    light.cosTheta = std::cos(record.light.theta);
    if (g_lights->GetLightViewMatrix(&light.view, 0)) return light;
  }
  light.direction = plat::Vec3Normalized(Vec3{} - light.position);
  plat::MatrixLookAtLH(&light.view, light.position, light.direction * 10000.0f, Vec3{0, 1, 0});
  return light;
}

Matrix LightProjection() {
  const int32_t w = g_device ? g_device->GetWidth() : 0;
  const int32_t h = g_device ? g_device->GetHeight() : 0;
  const float aspect = h > 0 ? static_cast<float>(w) / static_cast<float>(h) : 1.0f;
  Matrix projection;
  plat::MatrixPerspectiveFovLH(&projection, kHalfPi, aspect, 0.01f, 10000.0f);
  return projection;
}

void DrawShadowedScene(DrawContext& c, bool transparent) {
  if (!transparent) {
    c.device.SetRenderState(RenderState::Lighting, plat::kFalse);
    SetBlend(c.device, false);
    if (g_camera) g_camera->GetViewMatrix(&c.view);
  }
  EffectPtr effect = NamedEffect("Default_shadow");
  if (!effect) return;
  effect->SetVector("g_vMaterial", Vec4{1, 1, 1, 1});
  effect->SetTexture("g_txScene", TextureOf(c.mesh.colourMap));
  effect->SetTexture("g_txShadow", g_shadowMap);
  const ShadowLight light = ReadShadowLight();
  effect->SetVector("g_vLightDiffuse", light.diffuse);
  effect->SetVector("g_vLightAmbient", Vec4{0.5f, 0.5f, 0.5f, 1.0f});
  effect->SetFloat("g_fCosTheta", light.cosTheta);
  Vec4 position, direction;
  plat::Vec3Transform(&position, light.position, c.view);
  // A direction must not pick up the view's translation: transform it with w = 0.
  plat::Vec3 viewDirection;
  plat::Vec3TransformNormal(&viewDirection, light.direction, c.view);
  plat::Vec4NormalizeTo(&direction, Vec4{viewDirection.x, viewDirection.y, viewDirection.z, 0});
  effect->SetVector("g_vLightPos", position);
  effect->SetVector("g_vLightDir", direction);
  const Matrix lightProjection = LightProjection();
  effect->SetMatrix("g_mWorldView", c.world * c.view);
  effect->SetMatrix("g_mProj", c.projection);
  effect->SetMatrix("g_mViewToLightProj", Inverse(c.view) * light.view * lightProjection);
  effect->SetTechnique(transparent ? "RenderSceneTransparency" : "RenderScene");
  RunPasses(c, *effect);
}

void DrawShadowMap(DrawContext& c, bool transparent) {
  if (!transparent) SetBlend(c.device, false);
  c.device.SetRenderState(RenderState::Lighting, plat::kFalse);
  const ShadowLight light = ReadShadowLight();
  const Matrix lightProjection = LightProjection();
  EffectPtr effect = NamedEffect("Default_shadow");
  if (!effect) return;
  effect->SetMatrix("g_mWorldView", c.world * light.view);
  effect->SetMatrix("g_mProj", lightProjection);
  effect->SetTexture("g_txScene", TextureOf(c.mesh.colourMap));
  effect->SetTechnique(transparent ? "RenderShadowTransparency" : "RenderShadow");
  RunPasses(c, *effect);
}

void RunMode(DrawContext& c, int32_t mode) {
  switch (mode) {
    case kModePlainTextured: return DrawPlainTextured(c);
    case kModeBaseBlend: return DrawBaseBlend(c);
    case kModeComposite: return DrawComposite(c);
    case kModeBump: return DrawBump(c);
    case kModeSpecularMapped: return DrawSpecularMapped(c);
    case kModeSpecularAdded: return DrawSpecularAdded(c);
    case kModeWithoutColour: return DrawWithoutColour(c);
    case kModeTransparent: return DrawTransparent(c, plat::Blend::InvSrcAlpha);
    case kModeDiffuseNormal: return DrawDiffuseNormal(c);
    case kModeShadowedScene: return DrawShadowedScene(c, false);
    case kModeShadowedSceneTransparent: return DrawShadowedScene(c, true);
    case kModeShadowMap: return DrawShadowMap(c, false);
    case kModeShadowMapTransparent: return DrawShadowMap(c, true);
    case kModeAddedOpaque:
    case kModeAddedTransparent: return DrawTransparent(c, plat::Blend::One);
    default: return;
  }
}

}  // namespace

void ZOdevuvSubMesh::RenderSubMeshWithEffect(int32_t mode) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  // Modes 1 to 3 set parameters on the main effect; a sub-mesh without one
  // is never drawn by its object, and is not drawn here either.
  if (!mainEffect && mode >= 1 && mode <= 3) return;
  device->SetVertexDeclaration(declaration);
  device->SetSamplerState(0, plat::SamplerState::AddressV, plat::TextureAddress::Wrap);
  device->SetSamplerState(0, plat::SamplerState::AddressU, plat::TextureAddress::Wrap);
  device->SetMaterial(material);
  DrawContext context{*device, *this, device->GetTransform(plat::TransformType::World),
                      device->GetTransform(plat::TransformType::View),
                      device->GetTransform(plat::TransformType::Projection)};
  RunMode(context, mode);
  for (std::uint32_t stage = 0; stage < 3; ++stage) device->SetTexture(stage, nullptr);
}
