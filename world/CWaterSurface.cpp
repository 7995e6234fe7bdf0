#include "world/CWaterSurface.h"

#include <array>
#include <cmath>

#include "engine/core/Globals.h"
#include "engine/render/LightHelpers.h"
#include "engine/render/MeshVertex.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"
#include "platform/math/Math.h"

namespace {

constexpr int kVertexCount = 6;
constexpr plat::Vec4 kUnlitColour{0.9f, 0.9f, 0.85f, 1.0f};
constexpr plat::Vec4 kDownward{0.0f, -1.0f, 0.0f, 0.0f};

// The two triangles of the square, its images repeated kTextureRepeat times.
std::array<MeshVertex, kVertexCount> SquareVertices() {
  constexpr float s = CWaterSurface::kHalfSide, y = CWaterSurface::kHeight, r = CWaterSurface::kTextureRepeat;
  constexpr float corners[kVertexCount][4] = {{-s, s, 0, 0}, {s, s, r, 0}, {-s, -s, 0, r},
                                              {s, s, r, 0},  {s, -s, r, r}, {-s, -s, 0, r}};
  std::array<MeshVertex, kVertexCount> vertices{};
  for (int k = 0; k < kVertexCount; ++k) {
    MeshVertex& v = vertices[size_t(k)];
    v.position = {corners[k][0], y, corners[k][1]};
    v.normal = {0, 1, 0};
    v.u = v.su = corners[k][2];
    v.v = v.sv = corners[k][3];
  }
  ComputeTangents(kVertexCount, vertices.data());
  return vertices;
}

plat::Vec4 Colour4(const plat::Color& c) { return {c.r, c.g, c.b, c.a}; }

void SetLight(plat::Effect& effect) {
  plat::Vec3 direction;
  plat::Color diffuse, ambient;
  const bool lit = g_lights && g_lights->GetLightCount() > 0 && GetLightDirection(&direction, 0) &&
                   GetLightDiffuse(&diffuse, 0) && GetLightAmbient(&ambient, 0);
  effect.SetVector("g_vLightDir", lit ? plat::Vec4{direction.x, direction.y, direction.z, 0.0f} : kDownward);
  effect.SetVector("g_cLightDiffuse", lit ? Colour4(diffuse) : kUnlitColour);
  effect.SetVector("g_cLightAmbient", lit ? Colour4(ambient) : kUnlitColour);
}

}  // namespace

void CWaterSurface::AdvancePhase() { m_phase = m_phase < kPhaseEnd ? m_phase + kPhaseStep : 0.0f; }

void CWaterSurface::Render(const Images& images) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  if (!m_declaration) m_declaration = device->CreateVertexDeclaration(MeshVertexElements());
  const std::array<MeshVertex, kVertexCount> vertices = SquareVertices();
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  const plat::Matrix worldViewProjection = world * device->GetTransform(plat::TransformType::View) *
                                           device->GetTransform(plat::TransformType::Projection);
  std::shared_ptr<plat::Effect> effect = g_device ? g_device->GetEffect("Water2") : nullptr;
  if (!effect || !images.noise1Dudv || !images.noise2Dudv || !images.noise1Normals || !images.noise2Normals) return;
  effect->SetTexture("g_texNoise1DUDV", images.noise1Dudv);
  effect->SetTexture("g_texNoise2DUDV", images.noise2Dudv);
  effect->SetTexture("g_texNoise1Normals", images.noise1Normals);
  effect->SetTexture("g_texNoise2Normals", images.noise2Normals);
  effect->SetTexture("g_texRefraction", images.refraction);
  effect->SetTexture("g_texReflection", images.reflection);
  effect->SetMatrix("g_matWorldViewProj", worldViewProjection);
  effect->SetMatrix("g_matWorld", world);
  AdvancePhase();
  const float offset[2] = {std::sin(m_phase), std::cos(m_phase)};
  effect->SetFloatArray("g_fNoise1OffsetUV", offset, 2);
  effect->SetFloatArray("g_fNoise2OffsetUV", offset, 2);
  plat::Vec3 eye;
  if (g_camera) g_camera->GetPosition(&eye);
  effect->SetVector("g_vEyePos", {eye.x, eye.y, eye.z, 1.0f});
  SetLight(*effect);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kFalse);
  effect->SetTechnique("ReflectionRefractionSpecular");
  uint32_t passes = 0;
  effect->Begin(&passes, 0);
  for (uint32_t i = 0; i < passes; ++i) {
    effect->BeginPass(i);
    device->SetVertexDeclaration(m_declaration);
    device->DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 2, vertices.data(), kMeshVertexStride);
    effect->EndPass();
  }
  effect->End();
}
