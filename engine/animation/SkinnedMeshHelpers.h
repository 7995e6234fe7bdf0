#pragma once
// What the two allocators and the two skinned drawers share: making and
// freeing frames and containers, turning a file's mesh into an indexed
// blended mesh with a bone palette, pointing bones at frames, and the
// skinned draw through the character effect.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/animation/SkinnedHierarchy.h"
#include "platform/mesh/MeshResult.h"

namespace plat {
class Device;
class Effect;
}  // namespace plat

constexpr std::uint32_t kMaxPaletteSize = 35;

// The folder of a model path: everything before its last backslash; a path
// without one is its own folder.
std::string ModelFolderOf(const std::string& path);
// textureFolder\file when a texture folder is given, else
// modelFolder\textures\file.
std::string ContainerTexturePath(const std::string& modelFolder, const std::string& textureFolder,
                                 const std::string& file);

plat::MeshResult CreateSkinnedFrame(const std::string& name, plat::MeshFrame** newFrame);
plat::MeshResult DestroySkinnedFrame(plat::MeshFrame* frame);
plat::MeshResult DestroySkinnedContainer(plat::MeshContainer* container);

// The mesh in the skinned layout with normals and tangents recomputed;
// kMeshFail (out untouched) when that cannot be done.
plat::MeshResult ComputeTangentFrame(const plat::SkinMesh& mesh,
                                     std::shared_ptr<plat::SkinMesh>* out);
// Palette size min(bones, 35); converts the container's mesh into bone
// combinations. kMeshInvalidArg without skin information.
plat::MeshResult GenerateSkinnedMesh(ZOdevuvMeshContainer& container);

// Fills a new container from the loader's data: the mesh with its tangent
// frame, the materials and their textures (loaded from texturePath(file)),
// and, with skin information, the bone offsets, the blended mesh and its
// attribute table. On failure the caller destroys the container.
using TexturePathFunction = std::function<std::string(const std::string& file)>;
plat::MeshResult FillMeshContainer(ZOdevuvMeshContainer& container, const std::string& name,
                                   const plat::SkinMesh& mesh,
                                   const std::vector<plat::XMaterial>& materials,
                                   const std::shared_ptr<const plat::SkinInfo>& skinInfo,
                                   const TexturePathFunction& texturePath);

// Points every bone at the combined matrix of the frame of its name below
// root and adds the bone names to boneNames; kMeshFail with the reason when
// a bone names no frame.
plat::MeshResult SetupContainerBones(ZOdevuvMeshContainer& container, plat::MeshFrame* root,
                                     std::set<std::string>& boneNames, std::string& reason);

// "Model Load Error" with the model's path and the reason it did not load.
void ShowModelLoadError(const std::string& path, const std::string& reason);

// Entry k = offset[id] x combined[id] for every used bone id k of the
// combination; unused entries stay identity. False (palette unusable) when
// a used bone has no frame or the id is out of range.
bool BuildBonePalette(const ZOdevuvMeshContainer& container,
                      const plat::BoneCombination& combination,
                      std::vector<plat::Matrix>& palette);

struct SkinnedDrawStyle {
  float materialAlpha = 1.0f;             // of "mDiffuse" and "mSpecular"
  const char* technique = "textured";
  // Textures by material to use instead of the container's, or null.
  const std::vector<std::shared_ptr<plat::Texture>>* ownTextures = nullptr;
};

// Every subset of a container without skin, with the device as it is.
void DrawUnskinnedContainer(plat::Device& device, ZOdevuvMeshContainer& container);
// Every bone combination through the effect with the world matrix; nothing
// without an effect or for a combination whose palette is unusable.
void DrawSkinnedContainer(plat::Device& device, plat::Effect* effect,
                          ZOdevuvMeshContainer& container, const plat::Matrix& world,
                          const SkinnedDrawStyle& style);
