#include "park/CBillboardIcon.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

namespace {

constexpr std::uint32_t kTriangles = 2;

}  // namespace

CBillboardIcon::CBillboardIcon() {
  for (Vertex& vertex : vertices) vertex = {0, 0, 0, 0, 0};
}

void CBillboardIcon::ProjectToScreen() {
  plat::Matrix view;
  plat::MatrixIdentity(&view);
  if (g_camera) g_camera->GetViewMatrix(&view);
  plat::Vec3 p;
  plat::Vec3TransformCoord(&p, position, view);
  const float s = halfSize;
  vertices[0] = {p.x - s, p.y + s, p.z, 0, 0};
  vertices[1] = {p.x + s, p.y + s, p.z, 1, 0};
  vertices[2] = {p.x - s, p.y - s, p.z, 0, 1};
  vertices[3] = {p.x + s, p.y - s, p.z, 1, 1};
}

void CBillboardIcon::Render() {
  plat::Device* device = EngineDevice();
  if (!device) return;
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, 1);
  device->SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device->SetRenderState(plat::RenderState::DestBlend, plat::Blend::One);
  device->SetRenderState(plat::RenderState::ZEnable, 0);
  const plat::Matrix view = device->GetTransform(plat::TransformType::View);
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  plat::Matrix identity;
  plat::MatrixIdentity(&identity);
  // The vertices are in view space already; the scene's projection stays.
  device->SetTransform(plat::TransformType::View, identity);
  device->SetTransform(plat::TransformType::World, identity);
  device->SetTexture(0, texture);
  device->SetFVF(kVertexFormat);
  if (!g_frustum || g_frustum->IsBoxVisible(position, position) > 0) {
    device->DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, kTriangles, vertices, sizeof(Vertex));
  }
  device->SetFVF(0);
  device->SetTexture(0, nullptr);
  device->SetTransform(plat::TransformType::View, view);
  device->SetTransform(plat::TransformType::World, world);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, 0);
}
