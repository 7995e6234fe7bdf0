#pragma once
// One animated person on a shared model: its own controller (a clone of the
// model's) and its own world matrix. Advancing poses the shared frames for
// this instance, so an instance is advanced right before it is drawn.
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/gfx/Texture.h"
#include "platform/math/Types.h"
#include "platform/mesh/AnimationController.h"
#include "platform/mesh/MeshHierarchy.h"

namespace plat {
class Effect;
}
class CMultiAnim;

class CAnimInstance {
 public:
  explicit CAnimInstance(CMultiAnim* owner);
  CAnimInstance(const CAnimInstance&) = delete;
  CAnimInstance& operator=(const CAnimInstance&) = delete;

  // kMeshFail for null; else keeps the controller with every track disabled.
  virtual plat::MeshResult SetController(std::shared_ptr<plat::AnimationController> controller);
  virtual void UpdateFrameMatrices(plat::MeshFrame* frame, const plat::Matrix* parent);
  virtual void DrawFrames(plat::MeshFrame* frame);
  virtual void DrawMeshFrame(plat::MeshFrame* frame);
  virtual ~CAnimInstance();
  // Advances the controller, then poses the owner's frames (the top-level
  // frames take their own transformation).
  virtual plat::MeshResult AdvanceTime(double seconds);
  virtual plat::MeshResult Draw();
  // Lets go of the controller and every texture.
  virtual void Cleanup();

  plat::MeshResult GetController(std::shared_ptr<plat::AnimationController>* out) const;
  // The controller without a share of it, for a look every frame; null
  // before SetController.
  plat::AnimationController* PeekController() const { return m_controller.get(); }
  void SetWorldTransform(const plat::Matrix& world) { m_world = world; }
  void GetWorldTransform(plat::Matrix* out) const { *out = m_world; }
  // The owner's bounding-sphere centre placed by the world matrix.
  void GetWorldSphereCenter(plat::Vec3* out) const;
  float GetSphereRadius() const;

  // Textures by material index, drawn instead of the model's while enabled
  // (a material past the list draws untextured).
  void SetOwnTextures(std::vector<std::shared_ptr<plat::Texture>> textures) {
    m_ownTextures = std::move(textures);
  }
  void EnableOwnTextures(bool enable) { m_useOwnTextures = enable; }
  bool UsesOwnTextures() const { return m_useOwnTextures; }
  const std::vector<std::shared_ptr<plat::Texture>>& GetOwnTextures() const {
    return m_ownTextures;
  }

  // Textures the person using this instance loaded by file name, kept so
  // that a name asked for again is not read again. Null for a name not
  // cached. ReleaseTextures lets go of them and of the own texture list.
  std::shared_ptr<plat::Texture> FindCachedTexture(const EngineString& name) const;
  void CacheTexture(const EngineString& name, std::shared_ptr<plat::Texture> texture);
  void ReleaseTextures();
  // Expires when the instance is destroyed, so that whoever holds a pointer
  // to it can tell whether its model has already let it go.
  std::weak_ptr<const void> GetLifetime() const { return m_lifetime; }

 private:
  CMultiAnim* m_owner;
  plat::Matrix m_world;
  std::shared_ptr<plat::AnimationController> m_controller;
  std::vector<std::shared_ptr<plat::Texture>> m_ownTextures;
  bool m_useOwnTextures = false;
  // The texture cache: names and textures at the same index.
  std::vector<EngineString> m_cachedTextureNames;
  std::vector<std::shared_ptr<plat::Texture>> m_cachedTextures;
  std::shared_ptr<plat::Effect> m_effect;
  std::shared_ptr<const void> m_lifetime = std::make_shared<int>(0);
};
