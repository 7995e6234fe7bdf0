#pragma once
// The frames and mesh containers that skinned characters and animation
// instances make through their allocators: the loader's frame plus the
// combined matrix, the loader's container plus what drawing needs.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/LightTypes.h"
#include "platform/gfx/Mesh.h"
#include "platform/gfx/Texture.h"
#include "platform/math/Math.h"
#include "platform/mesh/MeshHierarchy.h"
#include "platform/mesh/SkinInfo.h"

struct ZOdevuvFrame : plat::MeshFrame {
  plat::Matrix combinedTransformationMatrix = plat::IdentityMatrix();
};

struct ZOdevuvMeshContainer : plat::MeshContainer {
  // One per material; null when it names no texture or the file failed.
  std::vector<std::shared_ptr<plat::Texture>> textures;
  std::vector<plat::Material> d3dMaterials;
  std::vector<plat::Matrix> boneOffsets;
  // The combined matrix of the frame of each bone's name; null for a bone
  // whose frame was not found.
  std::vector<const plat::Matrix*> boneMatrixPtrs;
  std::vector<plat::AttributeRange> attributeTable;
  std::uint32_t attributeGroupCount = 0;
  std::vector<plat::BoneCombination> boneCombinations;
  std::uint32_t paletteSize = 0;
  std::uint32_t maxFaceInfluences = 0;
};
