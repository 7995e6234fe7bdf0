#pragma once
// The frame and mesh-container tree of a loaded model. The loader asks an
// AllocateHierarchy to make every frame and container, so that its owner can
// make them of derived types with fields of its own, and FrameDestroy hands
// them back to the same kind of allocator.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/LightTypes.h"
#include "platform/math/Math.h"
#include "platform/math/Types.h"
#include "platform/mesh/MeshResult.h"
#include "platform/mesh/SkinInfo.h"
#include "platform/mesh/SkinMesh.h"

namespace plat {

struct MeshContainer;

struct MeshFrame {
  virtual ~MeshFrame() = default;
  std::string name;
  Matrix transformationMatrix = IdentityMatrix();  // relative to the parent; animation outputs write it
  MeshContainer* meshContainer = nullptr;
  MeshFrame* sibling = nullptr;
  MeshFrame* firstChild = nullptr;
};

// A material of the file: the colours and the texture file name as written
// (empty when it names none).
struct XMaterial {
  Material material;
  std::string textureFilename;
};

struct MeshContainer {
  virtual ~MeshContainer() = default;
  std::string name;
  std::shared_ptr<SkinMesh> mesh;
  std::vector<XMaterial> materials;
  std::shared_ptr<const SkinInfo> skinInfo;  // null for a mesh without skin
  MeshContainer* next = nullptr;
};

class AllocateHierarchy {
 public:
  virtual ~AllocateHierarchy() = default;
  virtual MeshResult CreateFrame(const std::string& name, MeshFrame** newFrame) = 0;
  // mesh: the file's mesh (faces in attribute order, attribute = material
  // index); skinInfo null when the mesh has no bones. A container may be
  // returned without a mesh.
  virtual MeshResult CreateMeshContainer(const std::string& name,
                                         const std::shared_ptr<const SkinMesh>& mesh,
                                         const std::vector<XMaterial>& materials,
                                         const std::shared_ptr<const SkinInfo>& skinInfo,
                                         MeshContainer** newContainer) = 0;
  virtual MeshResult DestroyFrame(MeshFrame* frame) = 0;
  virtual MeshResult DestroyMeshContainer(MeshContainer* container) = 0;
};

// Destroys the frame, its containers, its children and its siblings.
void FrameDestroy(MeshFrame* frame, AllocateHierarchy& allocator);
// The first frame of the name in the tree (the frame, its children, then
// its siblings), or null.
MeshFrame* FrameFind(MeshFrame* root, std::string_view name);
// A sphere around every container's mesh placed by the frames'
// transformation matrices (the root's included): the centre is the mean of
// the vertices, the radius the largest distance. Centre 0 and radius 0
// when there are no vertices.
void FrameCalculateBoundingSphere(const MeshFrame* root, Vec3* centre, float* radius);

}  // namespace plat
