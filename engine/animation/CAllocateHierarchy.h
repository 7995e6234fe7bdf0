#pragma once
// The allocator a skinned character loads and destroys its hierarchy with:
// frames with a combined matrix, containers with their textures (from the
// texture folder when one is given, else from the model's textures folder)
// and every skinned mesh turned into an indexed blended mesh.
#include <string>
#include <vector>

#include "engine/animation/SkinnedHierarchy.h"
#include "platform/mesh/MeshHierarchy.h"

class CAllocateHierarchy : public plat::AllocateHierarchy {
 public:
  CAllocateHierarchy() = default;
  CAllocateHierarchy(std::string modelFolder, std::string textureFolder)
      : m_modelFolder(std::move(modelFolder)), m_textureFolder(std::move(textureFolder)) {}

  plat::MeshResult CreateFrame(const std::string& name, plat::MeshFrame** newFrame) override;
  plat::MeshResult CreateMeshContainer(const std::string& name,
                                       const std::shared_ptr<const plat::SkinMesh>& mesh,
                                       const std::vector<plat::XMaterial>& materials,
                                       const std::shared_ptr<const plat::SkinInfo>& skinInfo,
                                       plat::MeshContainer** newContainer) override;
  plat::MeshResult DestroyFrame(plat::MeshFrame* frame) override;
  plat::MeshResult DestroyMeshContainer(plat::MeshContainer* container) override;

 private:
  std::string m_modelFolder;
  std::string m_textureFolder;
};
