#pragma once
// The allocator an animation model loads and destroys its hierarchy with.
// Only skinned meshes are kept: a mesh without skin gives an empty
// container. Textures come from the model folder's textures folder.
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/mesh/MeshHierarchy.h"

class CMultiAnim;

class CMultiAnimAllocateHierarchy : public plat::AllocateHierarchy {
 public:
  CMultiAnimAllocateHierarchy() = default;

  plat::MeshResult CreateFrame(const std::string& name, plat::MeshFrame** newFrame) override;
  plat::MeshResult CreateMeshContainer(const std::string& name,
                                       const std::shared_ptr<const plat::SkinMesh>& mesh,
                                       const std::vector<plat::XMaterial>& materials,
                                       const std::shared_ptr<const plat::SkinInfo>& skinInfo,
                                       plat::MeshContainer** newContainer) override;
  plat::MeshResult DestroyFrame(plat::MeshFrame* frame) override;
  plat::MeshResult DestroyMeshContainer(plat::MeshContainer* container) override;
  virtual plat::MeshResult SetMultiAnim(CMultiAnim* owner);

  void SetModelFolder(EngineString folder) { m_modelFolder = std::move(folder); }
  CMultiAnim* GetMultiAnim() const { return m_owner; }

 private:
  EngineString m_modelFolder;
  CMultiAnim* m_owner = nullptr;
};
