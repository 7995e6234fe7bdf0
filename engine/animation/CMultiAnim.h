#pragma once
// One skinned model with its animation controller, shared by any number of
// animation instances that each play their own animations at their own
// place.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/gfx/Device.h"
#include "platform/math/Types.h"
#include "platform/mesh/AnimationController.h"
#include "platform/mesh/MeshHierarchy.h"

class CAnimInstance;
class CMultiAnimAllocateHierarchy;

class CMultiAnim {
 public:
  static constexpr const char* kNoAnimationText =
      "The sample is attempting to load a mesh without animation or incompatible animation.";

  CMultiAnim();
  // Cleans up what Cleanup has not.
  virtual ~CMultiAnim();
  CMultiAnim(const CMultiAnim&) = delete;
  CMultiAnim& operator=(const CMultiAnim&) = delete;

  // Loads the model through the allocator. A file without animation shows
  // "Mesh Load Error" and gives kMeshFail. On success every existing
  // instance gets a fresh clone of the new controller (tracks disabled) and
  // the previous model is destroyed; on failure what was loaded is let go
  // and the previous model, if any, stays.
  virtual plat::MeshResult Load(const EngineString& path, CMultiAnimAllocateHierarchy* hierarchy);
  virtual plat::MeshResult CreateNewInstance(int32_t* index);
  // Deletes the instances and the model (the frames through the allocator).
  virtual plat::MeshResult Cleanup(CMultiAnimAllocateHierarchy* hierarchy);
  // The last failing result, else kMeshOk.
  virtual plat::MeshResult DrawAllInstances();
  virtual float GetBoundingRadius() const { return m_radius; }
  virtual void GetBoundingCenter(plat::Vec3* out) const { *out = m_centre; }

  plat::MeshResult CreateInstanceFromController(CAnimInstance** out);
  // Deletes one instance (a person that leaves for good); the instances
  // after it move down one index. kMeshInvalidArg for an instance not of
  // this model.
  plat::MeshResult ReleaseInstance(CAnimInstance* instance);
  // Null when the index is negative or not below the count.
  CAnimInstance* GetInstance(int32_t index) const;
  int32_t GetInstanceCount() const { return int32_t(m_instances.size()); }
  plat::MeshFrame* GetRootFrame() const { return m_root; }
  const std::shared_ptr<plat::AnimationController>& GetController() const { return m_controller; }
  int32_t GetBoneCount() const { return m_boneCount; }

 private:
  std::shared_ptr<plat::AnimationController> CloneController(
      const std::shared_ptr<plat::AnimationController>& controller) const;
  plat::MeshResult SetupBonePointers(plat::MeshFrame* frame, plat::MeshFrame* root,
                                     std::set<std::string>& boneNames, std::string& reason) const;

  plat::Vec3 m_centre;
  std::vector<CAnimInstance*> m_instances;
  std::shared_ptr<plat::AnimationController> m_controller;
  plat::MeshFrame* m_root = nullptr;
  std::shared_ptr<plat::Device> m_device;
  float m_radius = 0;
  std::vector<plat::Matrix> m_boneMatrices;
  int32_t m_boneCount = 0;
};
