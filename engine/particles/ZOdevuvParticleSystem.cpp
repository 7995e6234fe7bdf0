#include "engine/particles/ZOdevuvParticleSystem.h"

#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/os/Random.h"

namespace {

constexpr uint32_t kVertexBufferUsage = plat::Usage::Dynamic | plat::Usage::Points | plat::Usage::WriteOnly;
constexpr uint32_t kVertexSize = sizeof(ZOdevuvPointVertex);

uint32_t ColorByte(float c) {
  if (c >= 1.0f) return 255;
  if (!(c > 0.0f)) return 0;  // also NaN
  return static_cast<uint32_t>(c * 255.0f + 0.5f);
}

}  // namespace

uint32_t ParticleColorToArgb(const plat::Color& color) {
  return ColorByte(color.a) << 24 | ColorByte(color.r) << 16 | ColorByte(color.g) << 8 | ColorByte(color.b);
}

ZOdevuvParticleSystem::ZOdevuvParticleSystem() = default;

ZOdevuvParticleSystem::~ZOdevuvParticleSystem() = default;

int ZOdevuvParticleSystem::Init(const char* textureFile) {
  plat::Device* device = EngineDevice();
  if (device == nullptr) return -1;
  vertexBuffer = device->CreateVertexBuffer(vbCapacity * kVertexSize, kVertexBufferUsage, kPointVertexFvf,
                                            plat::Pool::Default);
  if (!vertexBuffer) return -1;
  texture = plat::CreateTextureFromFile(*device, textureFile ? textureFile : "");
  if (!texture || g_particleManager == nullptr) return -1;
  id = g_particleManager->NextId();
  return id;
}

void ZOdevuvParticleSystem::Reset() {
  for (ZOdevuvParticle& particle : particles) ResetParticle(particle);
}

void ZOdevuvParticleSystem::AddParticle() {
  ZOdevuvParticle particle;
  particle.alive = true;
  particle.index = static_cast<int32_t>(particles.size());
  ResetParticle(particle);
  particles.push_back(particle);
}

void ZOdevuvParticleSystem::AddParticles(int count) {
  for (int i = 0; i < count; ++i) AddParticle();
}

void ZOdevuvParticleSystem::PreRenderWith(ParticleBlend blend) {
  ZOdevuvParticleSystem::PreRender();
  if (plat::Device* device = EngineDevice()) ApplyParticleBlend(*device, blend);
}

void ZOdevuvParticleSystem::PostRenderWith(ParticleRestore restore) {
  ZOdevuvParticleSystem::PostRender();
  if (plat::Device* device = EngineDevice()) RestoreParticleStates(*device, restore);
}

void ZOdevuvParticleSystem::PreRender() {
  plat::Device* device = EngineDevice();
  if (device == nullptr) return;
  device->SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  device->SetRenderState(plat::RenderState::PointSpriteEnable, plat::kTrue);
  device->SetRenderState(plat::RenderState::PointScaleEnable, plat::kTrue);
  device->SetRenderState(plat::RenderState::PointSize, plat::FloatBits(pointSize));
  device->SetRenderState(plat::RenderState::PointSizeMin, plat::FloatBits(0.0f));
  device->SetRenderState(plat::RenderState::PointScaleA, plat::FloatBits(0.0f));
  device->SetRenderState(plat::RenderState::PointScaleB, plat::FloatBits(0.0f));
  // Points shrink with distance.
  device->SetRenderState(plat::RenderState::PointScaleC, plat::FloatBits(1.0f));
}

void ZOdevuvParticleSystem::PostRender() {
  plat::Device* device = EngineDevice();
  if (device == nullptr) return;
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  device->SetRenderState(plat::RenderState::PointSpriteEnable, plat::kFalse);
  device->SetRenderState(plat::RenderState::PointScaleEnable, plat::kFalse);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kFalse);
}

ZOdevuvPointVertex* ZOdevuvParticleSystem::LockBatch() {
  if (vbOffset >= vbCapacity) vbOffset = 0;
  // A batch at the start of the buffer throws the old contents away; later
  // batches append while the device may still read the earlier ones.
  const uint32_t flags = vbOffset > 0 ? plat::Lock::NoOverwrite : plat::Lock::Discard;
  void* data = nullptr;
  if (!vertexBuffer->Lock(vbOffset * kVertexSize, vbBatchSize * kVertexSize, &data, flags)) return nullptr;
  return static_cast<ZOdevuvPointVertex*>(data);
}

void ZOdevuvParticleSystem::FinishBatch(plat::Device& device, ZOdevuvPointVertex* vertices, uint32_t count) {
  // A batch whose lock failed was never written: it is skipped.
  if (vertices == nullptr) return;
  vertexBuffer->Unlock();
  if (count > 0) device.DrawPrimitive(plat::PrimitiveType::PointList, vbOffset, count);
}

void ZOdevuvParticleSystem::Render() {
  if (particles.empty()) return;
  plat::Device* device = EngineDevice();
  // A system whose set-up failed has nothing to draw with.
  if (device == nullptr || !vertexBuffer || vbBatchSize == 0 || vbBatchSize > vbCapacity) return;
  PreRender();
  device->SetTexture(0, texture);
  device->SetFVF(kPointVertexFvf);
  device->SetStreamSource(0, vertexBuffer, 0, kVertexSize);

  ZOdevuvPointVertex* vertices = LockBatch();
  uint32_t count = 0;
  for (const ZOdevuvParticle& particle : particles) {
    if (!particle.alive) continue;
    if (vertices != nullptr) {
      ZOdevuvPointVertex& vertex = vertices[count];
      vertex.x = particle.position.x;
      vertex.y = particle.position.y;
      vertex.z = particle.position.z;
      vertex.color = ParticleColorToArgb(particle.color);
    }
    if (++count < vbBatchSize) continue;
    FinishBatch(*device, vertices, count);
    vbOffset += vbBatchSize;
    vertices = LockBatch();
    count = 0;
  }
  FinishBatch(*device, vertices, count);
  vbOffset += vbBatchSize;
  PostRender();
}

void ZOdevuvParticleSystem::SetOrigin(float x, float y, float z) { origin = plat::Vec3{x, y, z}; }

void ZOdevuvParticleSystem::GetOrigin(plat::Vec3& out) const { out = origin; }

void ZOdevuvParticleSystem::RemoveDeadParticles() {
  particles.remove_if([](const ZOdevuvParticle& particle) { return !particle.alive; });
}

bool ZOdevuvParticleSystem::IsFinished() const {
  for (const ZOdevuvParticle& particle : particles) {
    if (particle.alive) return false;
  }
  return true;
}

float RandomFloat(float low, float high) {
  if (low >= high) return low;
  const float f = static_cast<float>(plat::Rand() % 10000) * 0.0001f;
  return low + (high - low) * f;
}

void RandomVector(plat::Vec3& out, const plat::Vec3& min, const plat::Vec3& max) {
  out.x = RandomFloat(min.x, max.x);
  out.y = RandomFloat(min.y, max.y);
  out.z = RandomFloat(min.z, max.z);
}

bool PointInBox(const ZOdevuvBoundingBox& box, const plat::Vec3& p) {
  return p.x >= box.min.x && p.y >= box.min.y && p.z >= box.min.z && p.x <= box.max.x && p.y <= box.max.y &&
         p.z <= box.max.z;
}
