#include "engine/animation/CMultiAnim.h"

#include <algorithm>

#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "engine/animation/SkinnedHierarchy.h"
#include "engine/animation/SkinnedMeshHelpers.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/mesh/XFileLoader.h"
#include "platform/os/MessageBox.h"

CMultiAnim::CMultiAnim() = default;

CMultiAnim::~CMultiAnim() {
  if (m_root || m_controller || !m_instances.empty()) {
    CMultiAnimAllocateHierarchy allocator;
    Cleanup(&allocator);
  }
}

std::shared_ptr<plat::AnimationController> CMultiAnim::CloneController(
    const std::shared_ptr<plat::AnimationController>& controller) const {
  return controller->Clone(controller->GetMaxNumAnimationOutputs(),
                           controller->GetMaxNumAnimationSets(), controller->GetMaxNumTracks(),
                           controller->GetMaxNumEvents());
}

plat::MeshResult CMultiAnim::SetupBonePointers(plat::MeshFrame* frame, plat::MeshFrame* root,
                                               std::set<std::string>& boneNames, std::string& reason) const {
  for (; frame; frame = frame->sibling) {
    auto* container = static_cast<ZOdevuvMeshContainer*>(frame->meshContainer);
    if (container && container->skinInfo) {
      const plat::MeshResult result = SetupContainerBones(*container, root, boneNames, reason);
      if (plat::MeshFailed(result)) return result;
    }
    const plat::MeshResult result = SetupBonePointers(frame->firstChild, root, boneNames, reason);
    if (plat::MeshFailed(result)) return result;
  }
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::Load(const EngineString& path, CMultiAnimAllocateHierarchy* hierarchy) {
  if (!hierarchy) return plat::kMeshInvalidArg;
  hierarchy->SetMultiAnim(this);
  std::shared_ptr<plat::Device> device = g_device ? g_device->GetSharedDevice() : nullptr;

  plat::MeshFrame* root = nullptr;
  std::shared_ptr<plat::AnimationController> controller;
  std::string reason;
  plat::MeshResult result = plat::LoadMeshHierarchyFromX(path.Std(), *hierarchy, &root, &controller, &reason);
  std::set<std::string> boneNames;
  if (plat::MeshFailed(result)) {
    ShowModelLoadError(path.Std(), reason);
  } else if (!controller) {
    plat::MessageBox(kNoAnimationText, "Mesh Load Error", plat::kMbOk);
    result = plat::kMeshFail;
  } else {
    result = SetupBonePointers(root, root, boneNames, reason);
    if (plat::MeshFailed(result)) ShowModelLoadError(path.Std(), reason);
  }
  const auto boneCount = int32_t(boneNames.size());
  std::vector<std::shared_ptr<plat::AnimationController>> clones;
  for (std::size_t i = 0; !plat::MeshFailed(result) && i < m_instances.size(); ++i) {
    clones.push_back(CloneController(controller));
    if (!clones.back()) result = plat::kMeshOutOfMemory;
  }
  if (plat::MeshFailed(result)) {
    controller.reset();
    plat::FrameDestroy(root, *hierarchy);
    return result;
  }

  // The instances' old clones write the old frames: replace them before
  // those frames go.
  for (std::size_t i = 0; i < m_instances.size(); ++i) m_instances[i]->SetController(clones[i]);
  m_controller.reset();
  plat::FrameDestroy(m_root, *hierarchy);
  m_root = root;
  m_controller = std::move(controller);
  m_device = std::move(device);
  m_boneCount = boneCount;
  m_boneMatrices.assign(std::size_t(boneCount), plat::Matrix{});
  plat::FrameCalculateBoundingSphere(m_root, &m_centre, &m_radius);
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::CreateInstanceFromController(CAnimInstance** out) {
  *out = nullptr;
  if (!m_controller) return plat::kMeshFail;
  auto clone = CloneController(m_controller);
  if (!clone) return plat::kMeshOutOfMemory;
  auto* instance = new CAnimInstance(this);
  const plat::MeshResult result = instance->SetController(std::move(clone));
  if (plat::MeshFailed(result)) {
    delete instance;
    return result;
  }
  *out = instance;
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::CreateNewInstance(int32_t* index) {
  CAnimInstance* instance = nullptr;
  const plat::MeshResult result = CreateInstanceFromController(&instance);
  if (plat::MeshFailed(result)) return result;
  m_instances.push_back(instance);
  if (index) *index = int32_t(m_instances.size()) - 1;
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::ReleaseInstance(CAnimInstance* instance) {
  const auto at = std::find(m_instances.begin(), m_instances.end(), instance);
  if (!instance || at == m_instances.end()) return plat::kMeshInvalidArg;
  instance->Cleanup();
  delete instance;
  m_instances.erase(at);
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::Cleanup(CMultiAnimAllocateHierarchy* hierarchy) {
  for (CAnimInstance* instance : m_instances) {
    instance->Cleanup();
    delete instance;
  }
  m_instances.clear();
  m_device.reset();
  m_controller.reset();
  CMultiAnimAllocateHierarchy fallback;
  plat::FrameDestroy(m_root, hierarchy ? *hierarchy : fallback);
  m_root = nullptr;
  m_boneMatrices.clear();
  m_boneCount = 0;
  return plat::kMeshOk;
}

plat::MeshResult CMultiAnim::DrawAllInstances() {
  plat::MeshResult last = plat::kMeshOk;
  for (CAnimInstance* instance : m_instances) {
    const plat::MeshResult result = instance->Draw();
    if (plat::MeshFailed(result)) last = result;
  }
  return last;
}

CAnimInstance* CMultiAnim::GetInstance(int32_t index) const {
  return index >= 0 && std::size_t(index) < m_instances.size() ? m_instances[std::size_t(index)]
                                                                : nullptr;
}
