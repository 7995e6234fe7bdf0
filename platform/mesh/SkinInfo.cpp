#include "platform/mesh/SkinInfo.h"

#include <algorithm>
#include <map>

#include "platform/math/Math.h"

namespace plat {

namespace {

struct Influence {
  std::uint32_t bone;
  float weight;
};
using VertexInfluences = std::vector<Influence>;

bool Fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return false;
}

std::vector<VertexInfluences> StrongestInfluences(const std::vector<SkinBone>& bones,
                                                  std::uint32_t vertexCount) {
  std::vector<VertexInfluences> perVertex(vertexCount);
  for (std::uint32_t bone = 0; bone < bones.size(); ++bone) {
    for (const BoneInfluence& influence : bones[bone].influences) {
      if (influence.vertex < vertexCount && influence.weight > 0) {
        perVertex[influence.vertex].push_back({bone, influence.weight});
      }
    }
  }
  for (VertexInfluences& list : perVertex) {
    std::stable_sort(list.begin(), list.end(),
                     [](const Influence& a, const Influence& b) { return a.weight > b.weight; });
    if (list.size() > kMaxVertexInfluences) list.resize(kMaxVertexInfluences);
    float sum = 0;
    for (const Influence& i : list) sum += i.weight;
    for (Influence& i : list) i.weight /= sum;
  }
  return perVertex;
}

// The combination being filled: its bones in palette order.
struct Packing {
  std::vector<std::uint32_t> bones;
  bool Holds(std::uint32_t bone) const {
    return std::find(bones.begin(), bones.end(), bone) != bones.end();
  }
  std::uint32_t MissingCount(const std::vector<std::uint32_t>& faceBones) const {
    return std::uint32_t(std::count_if(faceBones.begin(), faceBones.end(),
                                       [this](std::uint32_t b) { return !Holds(b); }));
  }
};

}  // namespace

const std::string& SkinInfo::GetBoneName(std::uint32_t bone) const {
  static const std::string empty;
  return bone < bones_.size() ? bones_[bone].name : empty;
}

Matrix SkinInfo::GetBoneOffsetMatrix(std::uint32_t bone) const {
  return bone < bones_.size() ? bones_[bone].offset : IdentityMatrix();
}

bool SkinInfo::ConvertToIndexedBlendedMesh(const SkinMesh& mesh, std::uint32_t paletteSize,
                                           IndexedBlendedMesh& out, std::string* error) const {
  if (paletteSize == 0) return Fail(error, "empty bone palette");
  const auto influences = StrongestInfluences(bones_, mesh.VertexCount());
  const auto& indices = mesh.Indices();
  const auto& attributes = mesh.FaceAttributes();

  // Faces come sorted by attribute; each combination holds faces of one
  // attribute whose bones fit the palette together.
  std::vector<std::vector<std::uint32_t>> combinationFaces;
  std::vector<Packing> packings;
  std::vector<std::uint32_t> combinationAttrib;
  for (std::uint32_t face = 0; face < mesh.FaceCount(); ++face) {
    std::vector<std::uint32_t> faceBones;
    for (int corner = 0; corner < 3; ++corner) {
      for (const Influence& i : influences[indices[face * 3 + corner]]) {
        if (std::find(faceBones.begin(), faceBones.end(), i.bone) == faceBones.end()) {
          faceBones.push_back(i.bone);
        }
      }
    }
    if (faceBones.size() > paletteSize) return Fail(error, "a face has more bones than the palette");
    const bool fits = !packings.empty() && combinationAttrib.back() == attributes[face] &&
                      packings.back().bones.size() + packings.back().MissingCount(faceBones) <=
                          paletteSize;
    if (!fits) {
      packings.emplace_back();
      combinationFaces.emplace_back();
      combinationAttrib.push_back(attributes[face]);
    }
    for (std::uint32_t bone : faceBones) {
      if (!packings.back().Holds(bone)) packings.back().bones.push_back(bone);
    }
    combinationFaces.back().push_back(face);
  }

  std::vector<SkinVertex> vertices;
  std::vector<std::uint32_t> newIndices;
  std::vector<std::uint32_t> newAttributes;
  IndexedBlendedMesh result;
  for (std::uint32_t c = 0; c < packings.size(); ++c) {
    BoneCombination combination;
    combination.attribId = combinationAttrib[c];
    combination.faceStart = std::uint32_t(newAttributes.size());
    combination.faceCount = std::uint32_t(combinationFaces[c].size());
    combination.vertexStart = std::uint32_t(vertices.size());
    combination.boneIds.assign(paletteSize, kUnusedBone);
    std::copy(packings[c].bones.begin(), packings[c].bones.end(), combination.boneIds.begin());
    auto slotOf = [&](std::uint32_t bone) {
      return float(std::find(packings[c].bones.begin(), packings[c].bones.end(), bone) -
                   packings[c].bones.begin());
    };
    std::map<std::uint32_t, std::uint32_t> copies;  // source vertex -> vertex of this combination
    for (std::uint32_t face : combinationFaces[c]) {
      for (int corner = 0; corner < 3; ++corner) {
        const std::uint32_t source = indices[face * 3 + corner];
        auto [it, added] = copies.emplace(source, std::uint32_t(vertices.size()));
        if (added) {
          SkinVertex v = mesh.Vertices()[source];
          const VertexInfluences& list = influences[source];
          for (std::uint32_t k = 0; k < kMaxVertexInfluences; ++k) {
            v.blendWeights[k] = k < list.size() ? list[k].weight : 0.0f;
            v.blendIndices[k] = k < list.size() ? slotOf(list[k].bone) : 0.0f;
          }
          result.maxFaceInfluences =
              std::max(result.maxFaceInfluences, std::uint32_t(list.size()));
          vertices.push_back(v);
        }
        newIndices.push_back(it->second);
      }
      newAttributes.push_back(c);
    }
    combination.vertexCount = std::uint32_t(vertices.size()) - combination.vertexStart;
    result.combinations.push_back(std::move(combination));
  }
  result.maxFaceInfluences = std::max(result.maxFaceInfluences, 1u);
  result.mesh = SkinMesh::Create(std::move(vertices), std::move(newIndices), std::move(newAttributes));
  if (!result.mesh) return Fail(error, "the blended mesh has too many vertices");
  out = std::move(result);
  return true;
}

}  // namespace plat
