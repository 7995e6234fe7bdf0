#include "engine/render/ZOdevuvRenderTarget.h"

#include <cmath>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "platform/math/Math.h"

namespace {

using plat::Vec3;

// Outlines thinner than this (in pixels) give no usable projection.
constexpr float kMinOutline = 1e-3f;
constexpr int32_t kFailed = int32_t(0x80004005u);

Vec3 Position(const ZOdevuvRenderTarget::QuadVertex& v) { return {v.x, v.y, v.z}; }

void SetPosition(ZOdevuvRenderTarget::QuadVertex& v, const Vec3& p) {
  v.x = p.x;
  v.y = p.y;
  v.z = p.z;
}

}  // namespace

ZOdevuvRenderTarget::ZOdevuvRenderTarget() = default;

ZOdevuvRenderTarget::~ZOdevuvRenderTarget() { Release(); }

bool ZOdevuvRenderTarget::Create(uint32_t width, uint32_t height) {
  plat::Device* device = EngineDevice();
  if (!device) return false;
  m_texture = device->CreateTexture(int(width), int(height), 1, plat::Usage::RenderTarget,
                                    plat::Format::A8R8G8B8, plat::Pool::Default);
  m_renderer = plat::CreateRenderToSurface(g_device->GetSharedDevice(), int(width), int(height),
                                           plat::Format::A8R8G8B8, true, device->DepthStencilFormat());
  return m_texture && m_renderer;
}

bool ZOdevuvRenderTarget::BeginScene() {
  if (!m_texture || !m_renderer) return false;
  std::shared_ptr<plat::Surface> surface = m_texture->GetSurfaceLevel(0);
  return surface && m_renderer->BeginScene(surface, nullptr);
}

int32_t ZOdevuvRenderTarget::EndScene() {
  return m_renderer && m_renderer->EndScene(plat::kDefaultValue) ? 0 : kFailed;
}

void ZOdevuvRenderTarget::Release() {
  m_texture.reset();
  m_renderer.reset();
}

bool ZOdevuvRenderTarget::CheckViewDirection(const Vec3& cameraPosition) {
  if (redraw) return true;
  Vec3 direction;
  plat::Vec3NormalizeTo(&direction, cameraPosition - centre);
  if (plat::Vec3Dot(direction, viewDirection) > kRedrawCosine) return false;
  redraw = 1;
  return true;
}

bool FitPreviewCamera(const Vec3& cameraPosition, const plat::Matrix& view,
                      const plat::Matrix& projection, const plat::Matrix& world,
                      const Vec3 corners[8], float radius, ZOdevuvRenderTarget& target,
                      float& distance, float& farDistance) {
  plat::Device* device = EngineDevice();
  if (!device) return false;
  const plat::Viewport viewport = device->GetViewport();
  Vec3 projected[8];
  for (int i = 0; i < 8; ++i) plat::Vec3Project(&projected[i], corners[i], viewport, projection, view, world);
  Vec3 low = projected[0], high = projected[0];
  for (int i = 1; i < 8; ++i) {
    low.x = std::fmin(low.x, projected[i].x);
    low.y = std::fmin(low.y, projected[i].y);
    low.z = std::fmin(low.z, projected[i].z);
    high.x = std::fmax(high.x, projected[i].x);
    high.y = std::fmax(high.y, projected[i].y);
    high.z = std::fmax(high.z, projected[i].z);
  }
  // A box reaching behind the camera projects through infinity; such an
  // outline (or one of no size) gives no view to fit.
  if (!(low.z >= viewport.minZ && high.z <= viewport.maxZ) || !(high.x - low.x > kMinOutline) ||
      !(high.y - low.y > kMinOutline)) {
    return false;
  }
  const Vec3 screen[4] = {{low.x, low.y, low.z}, {high.x, low.y, low.z}, {high.x, high.y, low.z}, {low.x, high.y, low.z}};
  Vec3 world4[4];
  const plat::Matrix identity = plat::IdentityMatrix();
  for (int i = 0; i < 4; ++i) {
    if (!plat::Vec3Unproject(&world4[i], screen[i], viewport, projection, view, identity)) return false;
  }
  const Vec3& topLeft = world4[0];
  const Vec3& topRight = world4[1];
  const Vec3& bottomRight = world4[2];
  const Vec3& bottomLeft = world4[3];
  const Vec3 order[6] = {topLeft, topRight, bottomLeft, topRight, bottomRight, bottomLeft};
  for (int i = 0; i < 6; ++i) SetPosition(target.quad[i], order[i]);
  target.centre = (topLeft + topRight + bottomRight + bottomLeft) * 0.25f;
  plat::Vec3NormalizeTo(&target.viewDirection, cameraPosition - target.centre);
  distance = plat::Vec3LengthOf(target.centre - cameraPosition);
  farDistance = distance + 2.0f * radius;
  return true;
}

void BuildPreviewMatrices(const Vec3& cameraPosition, const Vec3& up, const ZOdevuvRenderTarget& target,
                          float nearDistance, float farDistance, plat::Matrix& view,
                          plat::Matrix& projection) {
  plat::MatrixLookAtLH(&view, cameraPosition, target.centre, up);
  const float width = plat::Vec3LengthOf(Position(target.quad[1]) - Position(target.quad[0]));
  const float height = plat::Vec3LengthOf(Position(target.quad[5]) - Position(target.quad[0]));
  plat::MatrixPerspectiveLH(&projection, width, height, nearDistance, farDistance);
}

bool RenderObjectPreview(const Vec3& cameraPosition, const Vec3& up, const plat::Matrix& view,
                         const plat::Matrix& projection, const plat::Matrix& world,
                         ZOdevuvGameObject& object, ZOdevuvRenderTarget& target) {
  plat::Device* device = EngineDevice();
  if (!device || !target.BeginScene()) return false;
  Vec3 corners[8];
  object.GetBoxCorners(corners);
  float distance = 0, farDistance = 0;
  if (!FitPreviewCamera(cameraPosition, view, projection, world, corners, object.GetBoundingRadius(),
                        target, distance, farDistance)) {
    target.EndScene();
    return false;
  }
  static constexpr float kUv[6][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < 6; ++i) {
    target.quad[i].u = kUv[i][0];
    target.quad[i].v = kUv[i][1];
  }
  plat::Matrix previewView, previewProjection;
  BuildPreviewMatrices(cameraPosition, up, target, distance, farDistance, previewView, previewProjection);
  device->SetTransform(plat::TransformType::View, previewView);
  device->SetTransform(plat::TransformType::Projection, previewProjection);
  const plat::Matrix keptWorld = device->GetTransform(plat::TransformType::World);
  device->SetTransform(plat::TransformType::World, world);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kFalse);
  device->SetSamplerState(0, plat::SamplerState::MinFilter, plat::TextureFilter::Linear);
  device->SetSamplerState(0, plat::SamplerState::MagFilter, plat::TextureFilter::Linear);
  device->SetSamplerState(0, plat::SamplerState::MipFilter, plat::TextureFilter::Linear);
  device->SetRenderState(plat::RenderState::ZEnable, plat::kTrue);
  device->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer | plat::ClearFlags::Stencil,
                0x00000000u, 1.0f, 0);
  object.Render(0.0f, 0);
  object.Render(0.0f, 1);
  // The second of the two bytes the game object copies into its mesh objects.
  object.simpleFlag = 0;
  device->SetTransform(plat::TransformType::World, keptWorld);
  target.EndScene();
  return true;
}
