#pragma once
// Base of every point-sprite particle effect: the particles of one system in
// a list, drawn through one dynamic vertex buffer in batches. Effects decide
// how particles start, move, fade and die.
#include <cstdint>
#include <list>
#include <memory>

#include "engine/particles/ParticleStates.h"
#include "platform/gfx/DeviceTypes.h"
#include "platform/math/Types.h"

namespace plat {
class Device;
class Texture;
class VertexBuffer;
}  // namespace plat

struct ZOdevuvParticle {
  plat::Vec3 position;
  plat::Vec3 velocity;
  float lifetime = 0.0f;
  float age = 0.0f;
  plat::Color color;
  bool alive = false;
  // Records in the list when this one was added (0 for the first).
  int32_t index = 0;
};

struct ZOdevuvBoundingBox {
  plat::Vec3 min;
  plat::Vec3 max;
};

// The 24-byte point vertex: position, ARGB colour, texture coordinates that
// the point sprite supplies.
struct ZOdevuvPointVertex {
  float x, y, z;
  uint32_t color;
  float u, v;
};
static_assert(sizeof(ZOdevuvPointVertex) == 24);

constexpr uint32_t kPointVertexFvf = plat::Fvf::Xyz | plat::Fvf::Diffuse | plat::Fvf::Tex1;

class ZOdevuvParticleSystem {
 public:
  ZOdevuvParticleSystem();
  virtual ~ZOdevuvParticleSystem();
  ZOdevuvParticleSystem(const ZOdevuvParticleSystem&) = delete;
  ZOdevuvParticleSystem& operator=(const ZOdevuvParticleSystem&) = delete;

  // Creates the vertex buffer and loads the texture; the manager's next id,
  // or -1 when either fails.
  virtual int Init(const char* textureFile);
  virtual void Reset();
  virtual void ResetParticle(ZOdevuvParticle& particle) = 0;
  virtual void AddParticle();
  virtual void Update(float elapsedSeconds) = 0;
  virtual void PreRender();
  virtual void Render();
  virtual void PostRender();
  virtual void SetOrigin(float x, float y, float z);
  virtual void GetOrigin(plat::Vec3& origin) const;
  virtual void RemoveDeadParticles();

  bool IsFinished() const;

  int id = -1;
  bool active = true;
  plat::Vec3 origin;
  ZOdevuvBoundingBox bounds;
  float pointSize = 1.0f;
  std::shared_ptr<plat::Texture> texture;
  std::shared_ptr<plat::VertexBuffer> vertexBuffer;
  std::list<ZOdevuvParticle> particles;
  uint32_t vbCapacity = 2048;
  uint32_t vbOffset = 0;
  uint32_t vbBatchSize = 512;

 protected:
  // What the effects' constructors end with.
  void AddParticles(int count);
  // The base part, then the effect's blend set-up or restore set.
  void PreRenderWith(ParticleBlend blend);
  void PostRenderWith(ParticleRestore restore);

 private:
  // The vertices of the batch at vbOffset, or null when the lock fails.
  ZOdevuvPointVertex* LockBatch();
  void FinishBatch(plat::Device& device, ZOdevuvPointVertex* vertices, uint32_t count);
};

// Components clamped to 0..1 and rounded, packed alpha, red, green, blue.
uint32_t ParticleColorToArgb(const plat::Color& color);

// low when low >= high, else low + (high - low) * ((Rand() % 10000) * 0.0001).
float RandomFloat(float low, float high);
void RandomVector(plat::Vec3& out, const plat::Vec3& min, const plat::Vec3& max);
// Bounds included on every axis.
bool PointInBox(const ZOdevuvBoundingBox& box, const plat::Vec3& point);
