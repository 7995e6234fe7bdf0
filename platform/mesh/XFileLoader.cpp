#include "platform/mesh/XFileLoader.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <map>

#include "platform/math/Math.h"
#include "platform/mesh/XFileCheck.h"
#include "platform/os/Path.h"

namespace plat {

namespace {

constexpr int kMaxFrameDepth = 256;
constexpr double kDefaultTicksPerSecond = 4800;
constexpr const char* kImporterRootName = "$dummy_root";
// The empty frame added beside a lone top-level frame; never built.
constexpr const char* kPlaceholderFrame = "halvenor_root_placeholder";

// The importer turns .X data right-handed with v up; these steps turn it
// back into the file's own conventions.
constexpr unsigned kImportFlags = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices |
                                  aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder |
                                  aiProcess_FlipUVs;

Matrix ToMatrix(const aiMatrix4x4& m) {
  // Column vectors there, row vectors here.
  Matrix out;
  const float* src = &m.a1;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) out.m[c][r] = src[r * 4 + c];
  }
  return out;
}

Color ToColor(const aiMaterial& material, const char* key, unsigned type, unsigned index,
              Color fallback) {
  aiColor4D c;
  if (material.Get(key, type, index, c) != AI_SUCCESS) return fallback;
  return {c.r, c.g, c.b, c.a};
}

XMaterial ToMaterial(const aiMaterial& material) {
  XMaterial out;
  out.material.diffuse = ToColor(material, AI_MATKEY_COLOR_DIFFUSE, {1, 1, 1, 1});
  out.material.ambient = ToColor(material, AI_MATKEY_COLOR_AMBIENT, {0, 0, 0, 0});
  out.material.specular = ToColor(material, AI_MATKEY_COLOR_SPECULAR, {0, 0, 0, 0});
  out.material.emissive = ToColor(material, AI_MATKEY_COLOR_EMISSIVE, {0, 0, 0, 0});
  float power = 0;
  if (material.Get(AI_MATKEY_SHININESS, power) == AI_SUCCESS) out.material.power = power;
  aiString texture;
  if (material.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS) {
    out.textureFilename = texture.C_Str();
  }
  return out;
}

// The meshes of one node merged into the form containers take.
struct NodeMesh {
  std::vector<SkinVertex> vertices;
  std::vector<std::uint32_t> indices;
  std::vector<std::uint32_t> attributes;
  std::vector<XMaterial> materials;
  std::vector<SkinBone> bones;
};

void AddBones(const aiMesh& mesh, std::uint32_t firstVertex, std::vector<SkinBone>& bones) {
  for (unsigned b = 0; b < mesh.mNumBones; ++b) {
    const aiBone* bone = mesh.mBones[b];
    if (!bone) continue;
    auto it = std::find_if(bones.begin(), bones.end(),
                           [&](const SkinBone& s) { return s.name == bone->mName.C_Str(); });
    if (it == bones.end()) {
      bones.push_back({bone->mName.C_Str(), ToMatrix(bone->mOffsetMatrix), {}});
      it = bones.end() - 1;
    }
    for (unsigned w = 0; w < bone->mNumWeights; ++w) {
      it->influences.push_back(
          {firstVertex + bone->mWeights[w].mVertexId, bone->mWeights[w].mWeight});
    }
  }
}

// The first scene material of each mesh that has a material list, and one
// past the last: the importer numbers every listed material, used or not,
// mesh after mesh. Empty when the scene's numbering does not fit the file.
std::vector<unsigned> MaterialGroupStarts(const aiScene& scene, const XFileShape& shape) {
  std::vector<unsigned> starts;
  auto next = unsigned(shape.topLevelMaterials);
  for (int count : shape.meshMaterialCounts) {
    if (count <= 0) continue;
    starts.push_back(next);
    next += unsigned(count);
  }
  if (starts.empty() || next > scene.mNumMaterials) return {};
  starts.push_back(next);
  return starts;
}

class Builder {
 public:
  Builder(const aiScene& scene, const XFileShape& shape, AllocateHierarchy& allocator, std::string& error)
      : scene_(scene), groupStarts_(MaterialGroupStarts(scene, shape)), allocator_(allocator), error_(error) {}

  MeshResult Frame(const aiNode& node, int depth, MeshFrame** out) {
    *out = nullptr;
    if (depth > kMaxFrameDepth) return Fail("frames nested too deeply");
    std::string name = node.mName.C_Str();
    if (depth == 0 && name == kImporterRootName) name.clear();
    MeshFrame* frame = nullptr;
    MeshResult result = allocator_.CreateFrame(name, &frame);
    if (MeshFailed(result) || !frame) return MeshFailed(result) ? result : Fail("no frame made");
    *out = frame;
    frame->transformationMatrix = ToMatrix(node.mTransformation);
    result = Container(node, name, &frame->meshContainer);
    if (MeshFailed(result)) return result;
    MeshFrame** link = &frame->firstChild;
    for (unsigned i = 0; i < node.mNumChildren; ++i) {
      if (!node.mChildren[i] || (depth == 0 && node.mChildren[i]->mName == aiString(kPlaceholderFrame))) continue;
      result = Frame(*node.mChildren[i], depth + 1, link);
      if (MeshFailed(result)) return result;
      link = &(*link)->sibling;
    }
    return kMeshOk;
  }

 private:
  MeshResult Fail(const char* reason) {
    error_ = reason;
    return kMeshFail;
  }

  XMaterial SceneMaterial(unsigned index) const {
    return index < scene_.mNumMaterials ? ToMaterial(*scene_.mMaterials[index]) : XMaterial{};
  }

  // The container's number for a scene material. A material of a mesh's list
  // brings the whole list, so that faces keep the file's material numbers;
  // any other material is added on its own.
  std::uint32_t ContainerMaterial(unsigned index, NodeMesh& out, std::map<unsigned, std::uint32_t>& groups,
                                  std::map<unsigned, std::uint32_t>& loose) const {
    const auto after = std::upper_bound(groupStarts_.begin(), groupStarts_.end(), index);
    if (after != groupStarts_.begin() && after != groupStarts_.end()) {
      const unsigned start = *(after - 1);
      auto [group, added] = groups.emplace(start, std::uint32_t(out.materials.size()));
      if (added) {
        for (unsigned m = start; m < *after; ++m) out.materials.push_back(SceneMaterial(m));
      }
      return group->second + (index - start);
    }
    auto [material, added] = loose.emplace(index, std::uint32_t(out.materials.size()));
    if (added) out.materials.push_back(SceneMaterial(index));
    return material->second;
  }

  NodeMesh Gather(const aiNode& node) const {
    NodeMesh out;
    std::map<unsigned, std::uint32_t> groups, loose;
    for (unsigned i = 0; i < node.mNumMeshes; ++i) {
      if (node.mMeshes[i] >= scene_.mNumMeshes) continue;
      const aiMesh& mesh = *scene_.mMeshes[node.mMeshes[i]];
      const auto first = std::uint32_t(out.vertices.size());
      const std::uint32_t material = ContainerMaterial(mesh.mMaterialIndex, out, groups, loose);
      for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
        SkinVertex vertex;
        vertex.position = {mesh.mVertices[v].x, mesh.mVertices[v].y, mesh.mVertices[v].z};
        if (mesh.mNormals) vertex.normal = {mesh.mNormals[v].x, mesh.mNormals[v].y, mesh.mNormals[v].z};
        if (mesh.mTextureCoords[0]) {
          vertex.texCoord = {mesh.mTextureCoords[0][v].x, mesh.mTextureCoords[0][v].y};
        }
        out.vertices.push_back(vertex);
      }
      for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3) continue;  // points and lines are not drawn
        for (int k = 0; k < 3; ++k) out.indices.push_back(first + face.mIndices[k]);
        out.attributes.push_back(material);
      }
      AddBones(mesh, first, out.bones);
    }
    return out;
  }

  MeshResult Container(const aiNode& node, const std::string& name, MeshContainer** out) {
    if (node.mNumMeshes == 0) return kMeshOk;
    NodeMesh gathered = Gather(node);
    if (gathered.indices.empty()) return kMeshOk;
    std::shared_ptr<const SkinMesh> mesh =
        SkinMesh::Create(std::move(gathered.vertices), std::move(gathered.indices),
                         std::move(gathered.attributes));
    if (!mesh) return Fail("a mesh has too many vertices or broken faces");
    std::shared_ptr<const SkinInfo> skin;
    if (!gathered.bones.empty()) skin = std::make_shared<SkinInfo>(std::move(gathered.bones));
    MeshResult result =
        allocator_.CreateMeshContainer(name, mesh, gathered.materials, skin, out);
    if (MeshFailed(result)) error_ = "the mesh container was refused";
    return result;
  }

  const aiScene& scene_;
  const std::vector<unsigned> groupStarts_;
  AllocateHierarchy& allocator_;
  std::string& error_;
};

std::shared_ptr<const AnimationSet> ToAnimationSet(const aiAnimation& animation) {
  const double ticks =
      animation.mTicksPerSecond > 0 ? animation.mTicksPerSecond : kDefaultTicksPerSecond;
  std::vector<AnimationChannel> channels;
  for (unsigned c = 0; c < animation.mNumChannels; ++c) {
    const aiNodeAnim* node = animation.mChannels[c];
    if (!node) continue;
    AnimationChannel channel;
    channel.output = node->mNodeName.C_Str();
    for (unsigned k = 0; k < node->mNumScalingKeys; ++k) {
      const aiVectorKey& key = node->mScalingKeys[k];
      channel.scale.push_back({key.mTime / ticks, {key.mValue.x, key.mValue.y, key.mValue.z}});
    }
    for (unsigned k = 0; k < node->mNumRotationKeys; ++k) {
      const aiQuatKey& key = node->mRotationKeys[k];
      channel.rotation.push_back(
          {key.mTime / ticks, {key.mValue.x, key.mValue.y, key.mValue.z, key.mValue.w}});
    }
    for (unsigned k = 0; k < node->mNumPositionKeys; ++k) {
      const aiVectorKey& key = node->mPositionKeys[k];
      channel.translation.push_back({key.mTime / ticks, {key.mValue.x, key.mValue.y, key.mValue.z}});
    }
    channels.push_back(std::move(channel));
  }
  return std::make_shared<AnimationSet>(animation.mName.C_Str(), animation.mDuration / ticks,
                                        std::move(channels));
}

// The scene's animation sets with the file's empty sets (which the importer
// drops) back in their places, so that set numbers follow the file.
std::vector<std::shared_ptr<const AnimationSet>> AnimationSets(const aiScene& scene, const XFileShape& shape) {
  std::vector<const aiAnimation*> animations;
  for (unsigned a = 0; a < scene.mNumAnimations; ++a) {
    if (scene.mAnimations[a]) animations.push_back(scene.mAnimations[a]);
  }
  const auto filled = std::count_if(shape.animationSets.begin(), shape.animationSets.end(),
                                    [](const XFileShape::AnimationSetShape& set) { return set.hasAnimations; });
  std::vector<std::shared_ptr<const AnimationSet>> sets;
  if (std::size_t(filled) != animations.size()) {
    for (const aiAnimation* animation : animations) sets.push_back(ToAnimationSet(*animation));
    return sets;
  }
  auto next = animations.begin();
  for (const XFileShape::AnimationSetShape& set : shape.animationSets) {
    sets.push_back(set.hasAnimations ? ToAnimationSet(**next++)
                                     : std::make_shared<AnimationSet>(set.name, 0.0, std::vector<AnimationChannel>{}));
  }
  return sets;
}

std::shared_ptr<AnimationController> MakeController(const aiScene& scene, const XFileShape& shape, MeshFrame* root) {
  const std::vector<std::shared_ptr<const AnimationSet>> sets = AnimationSets(scene, shape);
  std::vector<MeshFrame*> outputs;
  for (const auto& set : sets) {
    for (std::uint32_t c = 0; c < set->GetNumAnimations(); ++c) {
      MeshFrame* frame = FrameFind(root, set->Channel(c).output);
      if (frame && std::find(outputs.begin(), outputs.end(), frame) == outputs.end()) {
        outputs.push_back(frame);
      }
    }
  }
  if (sets.empty()) return nullptr;
  auto controller = std::make_shared<AnimationController>(
      std::uint32_t(outputs.size()), std::uint32_t(sets.size()), kLoadedControllerTracks,
      kLoadedControllerEvents);
  for (MeshFrame* frame : outputs) {
    controller->RegisterAnimationOutput(frame->name, &frame->transformationMatrix);
  }
  for (const auto& set : sets) controller->RegisterAnimationSet(set);
  controller->SetTrackAnimationSet(0, controller->GetAnimationSet(0));
  controller->SetTrackEnable(0, true);
  return controller;
}

}  // namespace

MeshResult LoadMeshHierarchyFromXInMemory(std::string_view bytes, AllocateHierarchy& allocator,
                                          MeshFrame** root,
                                          std::shared_ptr<AnimationController>* controller,
                                          std::string* error) {
  std::string reason;
  MeshFrame* built = nullptr;
  std::shared_ptr<AnimationController> animation;
  MeshResult result = kMeshFail;
  Assimp::Importer importer;
  // The importer crashes on some broken files, so it only sees files that
  // passed our own structural check.
  XFileShape shape;
  const bool sound = !bytes.empty() && CheckXFile(bytes, &reason, &shape);
  // With one top-level frame the importer makes that frame the root and
  // gives it the top-level meshes in place of its own; a second, empty frame
  // keeps the rule that top-level meshes hang below an unnamed root.
  std::string padded;
  if (sound && shape.topLevelMeshes > 0 && shape.topLevelFrames == 1) {
    padded = std::string(bytes) + "\nFrame " + kPlaceholderFrame + " { }\n";
    bytes = padded;
  }
  const aiScene* scene =
      sound ? importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportFlags, "x") : nullptr;
  if (!scene || !scene->mRootNode) {
    if (bytes.empty()) {
      reason = "empty file";
    } else if (sound) {
      reason = importer.GetErrorString();
    }
  } else {
    result = Builder(*scene, shape, allocator, reason).Frame(*scene->mRootNode, 0, &built);
    if (MeshFailed(result)) {
      FrameDestroy(built, allocator);
      built = nullptr;
    } else {
      animation = MakeController(*scene, shape, built);
    }
  }
  if (root) *root = built;
  if (controller) *controller = std::move(animation);
  if (error) *error = reason;
  return result;
}

MeshResult LoadMeshHierarchyFromX(std::string_view gamePath, AllocateHierarchy& allocator,
                                  MeshFrame** root,
                                  std::shared_ptr<AnimationController>* controller,
                                  std::string* error) {
  std::string bytes;
  if (!ReadWholeFile(gamePath, bytes)) {
    if (root) *root = nullptr;
    if (controller) controller->reset();
    if (error) *error = "cannot read " + std::string(gamePath);
    return kMeshFail;
  }
  return LoadMeshHierarchyFromXInMemory(bytes, allocator, root, controller, error);
}

}  // namespace plat
