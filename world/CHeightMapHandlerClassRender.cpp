// Drawing the land: the base-map model through the "Landscape" effect, its
// five tiled layers blended by four alpha maps, lit by light 0 and shaded
// by the shadow map.
#include <string>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvSubMesh.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/math/Math.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/render/ShadowedScene.h"
#include "world/render/WorldTexture.h"

namespace {

using plat::Matrix;

constexpr const char* kLayerFiles[CHeightMapHandlerClass::kLayerCount] = {
    "\\images\\layer\\Layer_0.DDS", "\\images\\layer\\Layer_1.DDS", "\\images\\layer\\Layer_2.DDS",
    "\\images\\layer\\Layer_3.DDS", "\\images\\layer\\Layer_4.DDS"};
// In the order of the effect's masks 1 to 4.
constexpr const char* kAlphaMapFiles[CHeightMapHandlerClass::kAlphaMapCount] = {
    "\\images\\layer\\apm0.dds", "\\images\\layer\\apm1.dds", "\\images\\layer\\apm2.dds",
    "\\images\\layer\\road_apm2.dds"};
constexpr const char* kTilingNames[CHeightMapHandlerClass::kLayerCount] = {"Tilling01", "Tilling02", "Tilling03",
                                                                          "Tilling04", "Tilling05"};
constexpr const char* kOffsetNames[CHeightMapHandlerClass::kLayerCount] = {"Offset01", "Offset02", "Offset03",
                                                                          "Offset04", "Offset05"};
constexpr const char* kLayerNames[CHeightMapHandlerClass::kLayerCount] = {"layer_0_tex", "layer_1_tex", "layer_2_tex",
                                                                         "layer_3_tex", "layer_4_tex"};
constexpr const char* kMaskNames[CHeightMapHandlerClass::kAlphaMapCount] = {"mask_1_tex", "mask_2_tex", "mask_3_tex",
                                                                           "mask_4_tex"};
constexpr float kDegreesToRadians = 0.01745329238474369f;

void SetPair(plat::Effect& effect, const char* name, float a, float b) {
  const float values[2] = {a, b};
  effect.SetFloatArray(name, values, 2);
}

// The object's own matrix on the kept world, turned by its three angles:
// Rz x Ry x Rx x own x kept.
Matrix ObjectWorld(const ZOdevuv3DObject& object, const Matrix& kept) {
  Matrix rx, ry, rz;
  plat::MatrixRotationX(&rx, object.rotation.x * kDegreesToRadians);
  plat::MatrixRotationY(&ry, object.rotation.y * kDegreesToRadians);
  plat::MatrixRotationZ(&rz, object.rotation.z * kDegreesToRadians);
  return rz * ry * rx * object.worldMatrix * kept;
}

void DrawPart(plat::Device& device, plat::Effect& effect, ZOdevuvSubMesh& part, const Matrix& world,
              const Matrix& view, const Matrix& projection) {
  const float bias = g_device ? g_device->GetMipLodBias() : ZOdevuvDevice::kDefaultMipLodBias;
  device.SetSamplerState(0, plat::SamplerState::MipMapLodBias, plat::FloatBits(bias));
  device.SetSamplerState(0, plat::SamplerState::MipFilter, plat::TextureFilter::Linear);
  device.SetVertexDeclaration(part.declaration);
  device.SetMaterial(part.material);
  SetShadowedSceneParameters(effect, world, view, projection);
  effect.SetTechnique("RenderScene");
  uint32_t passes = 0;
  effect.Begin(&passes, 0);
  for (uint32_t i = 0; i < passes; ++i) {
    effect.BeginPass(i);
    part.DrawSubMeshBuffer();
    effect.EndPass();
  }
  effect.End();
}

}  // namespace

void CHeightMapHandlerClass::LoadLayerTextures() {
  for (int n = 0; n < kLayerCount; ++n) m_layerTextures[n] = LoadWorldTexture(m_baseFolder.Std(), kLayerFiles[n]);
  plat::Device* device = EngineDevice();
  for (auto& map : m_alphaMaps) {
    map = device ? device->CreateTexture(kAlphaMapSide, kAlphaMapSide, 1, 0, plat::Format::A8R8G8B8,
                                         plat::Pool::Managed)
                 : nullptr;
  }
}

void CHeightMapHandlerClass::LoadAlphaMaps(const EngineString& baseFolder) {
  plat::TextureLoadOptions options;
  options.format = plat::Format::A8R8G8B8;
  for (int n = 0; n < kAlphaMapCount; ++n) {
    m_alphaMaps[n].reset();
    m_alphaMaps[n] = LoadWorldTexture(baseFolder.Std(), kAlphaMapFiles[n], options);
  }
}

void CHeightMapHandlerClass::ReleaseLandTextures() {
  for (auto& layer : m_layerTextures) layer.reset();
  for (auto& map : m_alphaMaps) map.reset();
}

void CHeightMapHandlerClass::Render(const ZOdevuvGameObject* baseMap) const {
  plat::Device* device = EngineDevice();
  std::shared_ptr<plat::Effect> effect = g_device ? g_device->GetEffect("Landscape") : nullptr;
  if (!device || !effect || !baseMap) return;
  for (int n = 0; n < kLayerCount; ++n) {
    SetPair(*effect, kTilingNames[n], m_textureScale, m_textureScale);
    SetPair(*effect, kOffsetNames[n], 0.0f, 0.0f);
    effect->SetTexture(kLayerNames[n], m_layerTextures[n]);
  }
  for (int n = 0; n < kAlphaMapCount; ++n) effect->SetTexture(kMaskNames[n], m_alphaMaps[n]);
  device->SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kFalse);
  const Matrix kept = device->GetTransform(plat::TransformType::World);
  Matrix view = device->GetTransform(plat::TransformType::View);
  if (g_camera) g_camera->GetViewMatrix(&view);
  const Matrix projection = device->GetTransform(plat::TransformType::Projection);
  for (ZOdevuv3DObject* object : baseMap->GetMeshObjects()) {
    if (!object) continue;
    const Matrix world = ObjectWorld(*object, kept);
    device->SetTransform(plat::TransformType::World, world);
    for (ZOdevuvSubMesh* part : object->GetSubMeshes()) {
      if (part) DrawPart(*device, *effect, *part, world, view, projection);
    }
    device->SetTransform(plat::TransformType::World, kept);
  }
}
