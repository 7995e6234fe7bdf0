// What a .X import hands to our own code, made from the fuzzer's bytes:
// meshes with faces that may name missing vertices, skins whose influences
// name missing vertices or carry odd weights, bones without frames, and
// animation sets with odd keys. It runs through the character allocator
// (tangent frames, skinning into bone combinations), the bone set-up and
// palettes, the bounding sphere and the animation controller. Whole files,
// through the structural check and the importer, are fuzzed by fuzz_xfile;
// this target reaches shapes no checked file would produce.
#include <set>
#include <string>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/animation/CAllocateHierarchy.h"
#include "engine/animation/SkinnedMeshHelpers.h"
#include "platform/mesh/AnimationController.h"

namespace {

constexpr int kFrames = 40;

std::string BoneName(FuzzedDataProvider& p) {
  return "b" + std::to_string(p.ConsumeIntegralInRange(0, kFrames + 10));
}

plat::Vec3 Vec(FuzzedDataProvider& p) {
  return {p.ConsumeFloatingPoint<float>(), p.ConsumeFloatingPoint<float>(),
          p.ConsumeFloatingPoint<float>()};
}

std::shared_ptr<plat::SkinMesh> Mesh(FuzzedDataProvider& p) {
  std::vector<plat::SkinVertex> vertices(p.ConsumeIntegralInRange(0, 200));
  for (auto& v : vertices) {
    v.position = Vec(p);
    v.texCoord = {p.ConsumeFloatingPoint<float>(), p.ConsumeFloatingPoint<float>()};
  }
  const auto faces = p.ConsumeIntegralInRange<std::uint32_t>(0, 300);
  std::vector<std::uint32_t> indices, attributes;
  for (std::uint32_t f = 0; f < faces; ++f) {
    for (int k = 0; k < 3; ++k) {
      indices.push_back(p.ConsumeIntegralInRange<std::uint32_t>(0, std::uint32_t(vertices.size())));
    }
    attributes.push_back(p.ConsumeIntegralInRange<std::uint32_t>(0, 3));
  }
  return plat::SkinMesh::Create(std::move(vertices), std::move(indices), std::move(attributes));
}

std::shared_ptr<const plat::SkinInfo> Skin(FuzzedDataProvider& p, std::uint32_t vertexCount) {
  std::vector<plat::SkinBone> bones(p.ConsumeIntegralInRange(0, 50));
  if (bones.empty()) return nullptr;
  for (auto& bone : bones) {
    bone.name = BoneName(p);
    plat::MatrixTranslation(&bone.offset, p.ConsumeFloatingPoint<float>(), 0, 0);
    const int influences = p.ConsumeIntegralInRange(0, 20);
    for (int i = 0; i < influences; ++i) {
      bone.influences.push_back({p.ConsumeIntegralInRange<std::uint32_t>(0, vertexCount + 5),
                                 p.ConsumeFloatingPoint<float>()});
    }
  }
  return std::make_shared<plat::SkinInfo>(std::move(bones));
}

std::shared_ptr<plat::AnimationSet> Set(FuzzedDataProvider& p) {
  std::vector<plat::AnimationChannel> channels(p.ConsumeIntegralInRange(0, 5));
  for (auto& channel : channels) {
    channel.output = BoneName(p);
    const int keys = p.ConsumeIntegralInRange(0, 8);
    for (int k = 0; k < keys; ++k) {
      const double time = p.ConsumeFloatingPoint<double>();
      channel.translation.push_back({time, Vec(p)});
      channel.rotation.push_back({time, {p.ConsumeFloatingPoint<float>(), 0, 0, 1}});
      channel.scale.push_back({time, Vec(p)});
    }
  }
  return std::make_shared<plat::AnimationSet>("s", p.ConsumeFloatingPoint<double>(),
                                              std::move(channels));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider p(data, size);
  CAllocateHierarchy allocator;
  // A chain of frames b0 .. b39 below a root.
  plat::MeshFrame* root = nullptr;
  allocator.CreateFrame("root", &root);
  plat::MeshFrame** link = &root->firstChild;
  std::vector<plat::MeshFrame*> frames;
  for (int f = 0; f < kFrames; ++f) {
    allocator.CreateFrame("b" + std::to_string(f), link);
    frames.push_back(*link);
    link = &(*link)->firstChild;
  }

  auto mesh = Mesh(p);
  auto skin = Skin(p, mesh ? mesh->VertexCount() : 0);
  std::vector<plat::XMaterial> materials(p.ConsumeIntegralInRange(0, 3));
  if (mesh && plat::kMeshOk == allocator.CreateMeshContainer("m", mesh, materials, skin,
                                                             &root->meshContainer)) {
    auto& container = *static_cast<ZOdevuvMeshContainer*>(root->meshContainer);
    std::set<std::string> boneNames;
    std::string reason;
    SetupContainerBones(container, root, boneNames, reason);
    std::vector<plat::Matrix> palette;
    for (const auto& combination : container.boneCombinations) {
      BuildBonePalette(container, combination, palette);
    }
  }

  plat::AnimationController controller(kFrames, 4, 2, 8);
  for (plat::MeshFrame* frame : frames) {
    controller.RegisterAnimationOutput(frame->name, &frame->transformationMatrix);
  }
  const int sets = p.ConsumeIntegralInRange(0, 3);
  for (int s = 0; s < sets; ++s) controller.RegisterAnimationSet(Set(p));
  for (std::uint32_t t = 0; t < 2; ++t) {
    controller.SetTrackAnimationSet(t, controller.GetAnimationSet(p.ConsumeIntegralInRange(0, 3)));
    controller.SetTrackEnable(t, p.ConsumeBool());
    controller.SetTrackWeight(t, p.ConsumeFloatingPoint<float>());
    controller.SetTrackSpeed(t, p.ConsumeFloatingPoint<float>());
    controller.KeyTrackWeight(t, p.ConsumeFloatingPoint<float>(), p.ConsumeFloatingPoint<double>(),
                              p.ConsumeFloatingPoint<double>());
  }
  for (int step = 0; step < 3; ++step) controller.AdvanceTime(p.ConsumeFloatingPoint<double>());

  plat::Vec3 centre;
  float radius = 0;
  plat::FrameCalculateBoundingSphere(root, &centre, &radius);
  plat::FrameDestroy(root, allocator);
  return 0;
}
