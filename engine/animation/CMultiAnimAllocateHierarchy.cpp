#include "engine/animation/CMultiAnimAllocateHierarchy.h"

#include "engine/animation/SkinnedMeshHelpers.h"

plat::MeshResult CMultiAnimAllocateHierarchy::CreateFrame(const std::string& name,
                                                          plat::MeshFrame** newFrame) {
  return CreateSkinnedFrame(name, newFrame);
}

plat::MeshResult CMultiAnimAllocateHierarchy::CreateMeshContainer(
    const std::string& name, const std::shared_ptr<const plat::SkinMesh>& mesh,
    const std::vector<plat::XMaterial>& materials,
    const std::shared_ptr<const plat::SkinInfo>& skinInfo, plat::MeshContainer** newContainer) {
  auto* container = new ZOdevuvMeshContainer;
  *newContainer = container;
  if (!skinInfo) return plat::kMeshOk;
  plat::MeshResult result = plat::kMeshInvalidArg;
  if (mesh) {
    result = FillMeshContainer(*container, name, *mesh, materials, skinInfo,
                               [this](const std::string& file) {
                                 return ContainerTexturePath(m_modelFolder.Std(), "", file);
                               });
  }
  if (plat::MeshFailed(result)) {
    DestroyMeshContainer(container);
    *newContainer = nullptr;
  }
  return result;
}

plat::MeshResult CMultiAnimAllocateHierarchy::DestroyFrame(plat::MeshFrame* frame) {
  return DestroySkinnedFrame(frame);
}

plat::MeshResult CMultiAnimAllocateHierarchy::DestroyMeshContainer(plat::MeshContainer* container) {
  return DestroySkinnedContainer(container);
}

plat::MeshResult CMultiAnimAllocateHierarchy::SetMultiAnim(CMultiAnim* owner) {
  m_owner = owner;
  return plat::kMeshOk;
}
