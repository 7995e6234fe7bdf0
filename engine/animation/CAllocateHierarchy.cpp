#include "engine/animation/CAllocateHierarchy.h"

#include "engine/animation/SkinnedMeshHelpers.h"

plat::MeshResult CAllocateHierarchy::CreateFrame(const std::string& name,
                                                 plat::MeshFrame** newFrame) {
  return CreateSkinnedFrame(name, newFrame);
}

plat::MeshResult CAllocateHierarchy::CreateMeshContainer(
    const std::string& name, const std::shared_ptr<const plat::SkinMesh>& mesh,
    const std::vector<plat::XMaterial>& materials,
    const std::shared_ptr<const plat::SkinInfo>& skinInfo, plat::MeshContainer** newContainer) {
  *newContainer = nullptr;
  if (!mesh) return plat::kMeshInvalidArg;
  auto* container = new ZOdevuvMeshContainer;
  const plat::MeshResult result =
      FillMeshContainer(*container, name, *mesh, materials, skinInfo, [this](const std::string& file) {
        return ContainerTexturePath(m_modelFolder, m_textureFolder, file);
      });
  if (plat::MeshFailed(result)) {
    DestroyMeshContainer(container);
    return result;
  }
  *newContainer = container;
  return plat::kMeshOk;
}

plat::MeshResult CAllocateHierarchy::DestroyFrame(plat::MeshFrame* frame) {
  return DestroySkinnedFrame(frame);
}

plat::MeshResult CAllocateHierarchy::DestroyMeshContainer(plat::MeshContainer* container) {
  return DestroySkinnedContainer(container);
}
