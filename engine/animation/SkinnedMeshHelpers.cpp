#include "engine/animation/SkinnedMeshHelpers.h"

#include "platform/os/MessageBox.h"

#include <algorithm>

#include "engine/core/Globals.h"
#include "engine/render/LightHelpers.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/TextureLoader.h"

std::string ModelFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string ContainerTexturePath(const std::string& modelFolder, const std::string& textureFolder,
                                 const std::string& file) {
  if (!textureFolder.empty()) return textureFolder + "\\" + file;
  return modelFolder + "\\textures\\" + file;
}

plat::MeshResult CreateSkinnedFrame(const std::string& name, plat::MeshFrame** newFrame) {
  auto* frame = new ZOdevuvFrame;
  frame->name = name;
  *newFrame = frame;
  return plat::kMeshOk;
}

plat::MeshResult DestroySkinnedFrame(plat::MeshFrame* frame) {
  delete static_cast<ZOdevuvFrame*>(frame);
  return plat::kMeshOk;
}

plat::MeshResult DestroySkinnedContainer(plat::MeshContainer* container) {
  delete static_cast<ZOdevuvMeshContainer*>(container);
  return plat::kMeshOk;
}

plat::MeshResult ComputeTangentFrame(const plat::SkinMesh& mesh,
                                     std::shared_ptr<plat::SkinMesh>* out) {
  auto framed = plat::ComputeTangentFrame(mesh);
  if (!framed) return plat::kMeshFail;
  *out = std::move(framed);
  return plat::kMeshOk;
}

plat::MeshResult GenerateSkinnedMesh(ZOdevuvMeshContainer& container) {
  if (!container.skinInfo || !container.mesh) return plat::kMeshInvalidArg;
  const std::uint32_t bones = container.skinInfo->GetNumBones();
  container.paletteSize = std::min(bones, kMaxPaletteSize);
  plat::IndexedBlendedMesh blended;
  if (!container.skinInfo->ConvertToIndexedBlendedMesh(*container.mesh, container.paletteSize,
                                                       blended)) {
    return plat::kMeshFail;
  }
  container.mesh = std::move(blended.mesh);
  container.maxFaceInfluences = blended.maxFaceInfluences;
  container.attributeGroupCount = std::uint32_t(blended.combinations.size());
  container.boneCombinations = std::move(blended.combinations);
  return plat::kMeshOk;
}

namespace {

std::shared_ptr<plat::Texture> LoadContainerTexture(const std::string& path) {
  plat::Device* device = EngineDevice();
  return device ? plat::CreateTextureFromFile(*device, path) : nullptr;
}

}  // namespace

plat::MeshResult FillMeshContainer(ZOdevuvMeshContainer& container, const std::string& name,
                                   const plat::SkinMesh& mesh,
                                   const std::vector<plat::XMaterial>& materials,
                                   const std::shared_ptr<const plat::SkinInfo>& skinInfo,
                                   const TexturePathFunction& texturePath) {
  container.name = name;
  plat::MeshResult result = ComputeTangentFrame(mesh, &container.mesh);
  if (plat::MeshFailed(result)) return result;
  container.materials = materials;
  container.textures.assign(materials.size(), nullptr);
  for (std::size_t i = 0; i < materials.size(); ++i) {
    container.d3dMaterials.push_back(materials[i].material);
    if (!materials[i].textureFilename.empty()) {
      container.textures[i] = LoadContainerTexture(texturePath(materials[i].textureFilename));
    }
  }
  if (!skinInfo) return plat::kMeshOk;
  container.skinInfo = skinInfo;
  for (std::uint32_t bone = 0; bone < skinInfo->GetNumBones(); ++bone) {
    container.boneOffsets.push_back(skinInfo->GetBoneOffsetMatrix(bone));
  }
  result = GenerateSkinnedMesh(container);
  if (plat::MeshFailed(result)) return result;
  container.attributeTable = container.mesh->AttributeTable();
  return plat::kMeshOk;
}

plat::MeshResult SetupContainerBones(ZOdevuvMeshContainer& container, plat::MeshFrame* root,
                                     std::set<std::string>& boneNames, std::string& reason) {
  const std::uint32_t bones = container.skinInfo ? container.skinInfo->GetNumBones() : 0;
  container.boneMatrixPtrs.assign(bones, nullptr);
  for (std::uint32_t bone = 0; bone < bones; ++bone) {
    const std::string name = container.skinInfo->GetBoneName(bone);
    auto* frame = static_cast<ZOdevuvFrame*>(plat::FrameFind(root, name));
    if (!frame) {
      reason = "the skin bone \"" + name + "\" names no frame";
      return plat::kMeshFail;
    }
    container.boneMatrixPtrs[bone] = &frame->combinedTransformationMatrix;
    boneNames.insert(name);
  }
  return plat::kMeshOk;
}

void ShowModelLoadError(const std::string& path, const std::string& reason) {
  plat::MessageBox(reason.empty() ? path : path + ": " + reason, "Model Load Error", plat::kMbOk);
}

bool BuildBonePalette(const ZOdevuvMeshContainer& container,
                      const plat::BoneCombination& combination,
                      std::vector<plat::Matrix>& palette) {
  palette.assign(container.paletteSize, plat::IdentityMatrix());
  for (std::uint32_t k = 0; k < container.paletteSize && k < combination.boneIds.size(); ++k) {
    const std::uint32_t id = combination.boneIds[k];
    if (id == plat::kUnusedBone) continue;
    if (id >= container.boneOffsets.size() || id >= container.boneMatrixPtrs.size() ||
        !container.boneMatrixPtrs[id]) {
      return false;
    }
    palette[k] = container.boneOffsets[id] * *container.boneMatrixPtrs[id];
  }
  return true;
}

void DrawUnskinnedContainer(plat::Device& device, ZOdevuvMeshContainer& container) {
  if (!container.mesh) return;
  for (std::uint32_t subset = 0; subset < container.materials.size(); ++subset) {
    container.mesh->DrawSubset(device, subset);
  }
}

namespace {

void SetMatrices(plat::Effect& effect, const plat::Device& device, const plat::Matrix& world) {
  const plat::Matrix view = device.GetTransform(plat::TransformType::View);
  const plat::Matrix projection = device.GetTransform(plat::TransformType::Projection);
  plat::Matrix viewInverse, worldInverse, worldInverseTranspose;
  plat::MatrixInverse(&viewInverse, nullptr, view);
  plat::MatrixInverse(&worldInverse, nullptr, world);
  plat::MatrixTranspose(&worldInverseTranspose, worldInverse);
  effect.SetMatrix("worldViewProj", world * view * projection);
  effect.SetMatrix("world", world);
  effect.SetMatrix("worldInverseTranspose", worldInverseTranspose);
  effect.SetMatrix("viewInverse", viewInverse);
}

void SetLight(plat::Effect& effect) {
  plat::Vec3 direction;
  plat::Color diffuse, ambient;
  if (GetLightDirection(&direction, 0) && GetLightDiffuse(&diffuse, 0) &&
      GetLightAmbient(&ambient, 0)) {
    effect.SetVector("lightDir", {direction.x, direction.y, direction.z, 0.0f});
    effect.SetVector("lightColor", {diffuse.r, diffuse.g, diffuse.b, diffuse.a});
    effect.SetVector("lightAmbient", {ambient.r, ambient.g, ambient.b, ambient.a});
    return;
  }
  const plat::Vec3 fixed = plat::Vec3Normalized({0.0f, -400.0f, -400.0f});
  effect.SetVector("lightDir", {fixed.x, fixed.y, fixed.z, 0.0f});
  effect.SetVector("lightColor", {1.0f, 0.99f, 0.95f, 1.0f});
  effect.SetVector("lightAmbient", {1.0f, 1.0f, 1.0f, 1.0f});
}

std::shared_ptr<plat::Texture> CombinationTexture(const ZOdevuvMeshContainer& container,
                                                  std::uint32_t material,
                                                  const SkinnedDrawStyle& style) {
  const auto& textures = style.ownTextures ? *style.ownTextures : container.textures;
  return material < textures.size() ? textures[material] : nullptr;
}

}  // namespace

void DrawSkinnedContainer(plat::Device& device, plat::Effect* effect,
                          ZOdevuvMeshContainer& container, const plat::Matrix& world,
                          const SkinnedDrawStyle& style) {
  if (!effect || !container.mesh) return;
  std::vector<plat::Matrix> palette;
  for (std::uint32_t group = 0; group < container.boneCombinations.size(); ++group) {
    const plat::BoneCombination& combination = container.boneCombinations[group];
    if (!BuildBonePalette(container, combination, palette)) continue;
    effect->SetMatrixArray("FinalTransforms", palette.data(), container.paletteSize);
    effect->SetInt("NumVertInfluences", std::int32_t(container.maxFaceInfluences));
    effect->SetTexture("Dtex", CombinationTexture(container, combination.attribId, style));
    const float a = style.materialAlpha;
    effect->SetVector("mDiffuse", {1.0f, 0.99f, 0.95f, a});
    effect->SetVector("mSpecular", {0.1f, 0.1f, 0.1f, a});
    const float power = combination.attribId < container.d3dMaterials.size()
                            ? container.d3dMaterials[combination.attribId].power
                            : 0.0f;
    effect->SetFloat("mPower", power);
    SetMatrices(*effect, device, world);
    SetLight(*effect);
    effect->SetTechnique(style.technique);
    std::uint32_t passes = 0;
    if (!effect->Begin(&passes)) continue;
    for (std::uint32_t pass = 0; pass < passes; ++pass) {
      effect->BeginPass(pass);
      container.mesh->DrawSubset(device, group);
      effect->EndPass();
    }
    effect->End();
  }
}
