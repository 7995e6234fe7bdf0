#pragma once
// A texture into which one game object is drawn as the camera sees it, with
// the world-space quad that covers the object's outline on the screen. Its
// owner asks CheckViewDirection every frame and redraws the object with
// RenderObjectPreview only when the direction from the camera has changed.
#include <cstdint>
#include <memory>

#include "platform/gfx/RenderToSurface.h"
#include "platform/gfx/Texture.h"
#include "platform/math/Types.h"

class ZOdevuvGameObject;

class ZOdevuvRenderTarget {
 public:
  // One corner of the quad: position, a word the owner may use, texture uv
  // (24 bytes, position | diffuse | one texture coordinate).
  struct QuadVertex {
    float x, y, z;
    uint32_t word;
    float u, v;
  };
  // Below this cosine between the stored and the new view direction (about
  // 0.81 degrees) the target is redrawn.
  static constexpr float kRedrawCosine = 0.9999f;

  // No texture yet; the first CheckViewDirection asks for a draw.
  ZOdevuvRenderTarget();
  ~ZOdevuvRenderTarget();
  ZOdevuvRenderTarget(const ZOdevuvRenderTarget&) = delete;
  ZOdevuvRenderTarget& operator=(const ZOdevuvRenderTarget&) = delete;

  // An A8R8G8B8 render-target texture and a renderer with a depth buffer of
  // its own; true when both were made.
  bool Create(uint32_t width, uint32_t height);
  bool BeginScene();
  // 0, or E_FAIL when no scene was begun.
  int32_t EndScene();
  void Release();

  // Whether the target must be redrawn for a camera at the position.
  bool CheckViewDirection(const plat::Vec3& cameraPosition);

  QuadVertex quad[6] = {};
  plat::Vec3 centre;
  plat::Vec3 viewDirection;
  uint8_t redraw = 1;  // cleared by the owner after each draw

  const std::shared_ptr<plat::Texture>& GetTexture() const { return m_texture; }
  const std::shared_ptr<plat::RenderToSurface>& GetRenderer() const { return m_renderer; }

 private:
  std::shared_ptr<plat::Texture> m_texture;
  std::shared_ptr<plat::RenderToSurface> m_renderer;
};

// Fits the target's quad to the object's outline on the screen: its corners
// on the nearest depth of the box, centre, view direction, the distance to
// the centre and a far distance past the object. False (nothing written)
// when the outline cannot be fitted: a box partly behind the camera or
// beyond its far plane, or an outline of no width or height.
bool FitPreviewCamera(const plat::Vec3& cameraPosition, const plat::Matrix& view,
                      const plat::Matrix& projection, const plat::Matrix& world,
                      const plat::Vec3 corners[8], float radius, ZOdevuvRenderTarget& target,
                      float& distance, float& farDistance);

// A view from the camera at the quad's centre and a projection whose
// cross-section at the near distance is exactly the quad.
void BuildPreviewMatrices(const plat::Vec3& cameraPosition, const plat::Vec3& up,
                          const ZOdevuvRenderTarget& target, float nearDistance, float farDistance,
                          plat::Matrix& view, plat::Matrix& projection);

// Draws the object into the target (passes 0 and 1). False when the target
// has no scene to begin or the object cannot be fitted; the device's world
// transform is kept, view, projection and the other states are left set.
bool RenderObjectPreview(const plat::Vec3& cameraPosition, const plat::Vec3& up,
                         const plat::Matrix& view, const plat::Matrix& projection,
                         const plat::Matrix& world, ZOdevuvGameObject& object,
                         ZOdevuvRenderTarget& target);
