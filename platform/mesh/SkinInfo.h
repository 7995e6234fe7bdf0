#pragma once
// The skin of a mesh: its bones by name with their offset matrices and the
// vertices each bone moves, and the conversion into an indexed blended mesh
// whose bone combinations fit a palette.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/math/Types.h"
#include "platform/mesh/SkinMesh.h"

namespace plat {

constexpr std::uint32_t kMaxVertexInfluences = 4;
constexpr std::uint32_t kUnusedBone = 0xFFFFFFFFu;

struct BoneInfluence {
  std::uint32_t vertex = 0;
  float weight = 0;
};

struct SkinBone {
  std::string name;
  Matrix offset;  // mesh space -> bone space
  std::vector<BoneInfluence> influences;
};

// One draw call's worth of faces with the bones its palette holds: entry k
// of boneIds is the bone in palette slot k, kUnusedBone for a free slot.
struct BoneCombination {
  std::uint32_t attribId = 0;  // the material of the faces
  std::uint32_t faceStart = 0;
  std::uint32_t faceCount = 0;
  std::uint32_t vertexStart = 0;
  std::uint32_t vertexCount = 0;
  std::vector<std::uint32_t> boneIds;
};

struct IndexedBlendedMesh {
  // Subset i of the mesh is bone combination i.
  std::shared_ptr<SkinMesh> mesh;
  std::uint32_t maxFaceInfluences = 0;  // blend weights any vertex uses (1..4)
  std::vector<BoneCombination> combinations;
};

class SkinInfo {
 public:
  explicit SkinInfo(std::vector<SkinBone> bones) : bones_(std::move(bones)) {}

  std::uint32_t GetNumBones() const { return std::uint32_t(bones_.size()); }
  // Empty text and identity for an index past the bones.
  const std::string& GetBoneName(std::uint32_t bone) const;
  Matrix GetBoneOffsetMatrix(std::uint32_t bone) const;
  const std::vector<SkinBone>& Bones() const { return bones_; }

  // Keeps the four strongest influences of every vertex (weights scaled to
  // add up to 1; influences on vertices the mesh lacks are dropped) and packs
  // the faces of each attribute into combinations of at most paletteSize
  // bones; a vertex used by several combinations is copied into each.
  // False with a reason for a palette of 0 or smaller than the bones of one
  // face, and when the result has too many vertices.
  bool ConvertToIndexedBlendedMesh(const SkinMesh& mesh, std::uint32_t paletteSize,
                                   IndexedBlendedMesh& out, std::string* error = nullptr) const;

 private:
  std::vector<SkinBone> bones_;
};

}  // namespace plat
