// Feeds arbitrary bytes through the whole .X model path: the structural
// check, the importer, the frame tree and containers made by the character
// allocator, the bone set-up and palettes, the animation controller and the
// bounding sphere. Anything the check lets through must load or fail
// cleanly.
#include <set>
#include <string>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/animation/CAllocateHierarchy.h"
#include "engine/animation/SkinnedMeshHelpers.h"
#include "platform/mesh/AnimationController.h"
#include "platform/mesh/XFileLoader.h"

// The importer leaks what it had parsed when it gives up on a broken file;
// that memory is the library's and nothing of ours can free it.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libassimp.so\n";
}

namespace {

void PoseContainers(plat::MeshFrame* frame, plat::MeshFrame* root, int depth) {
  for (; frame && depth < 512; frame = frame->sibling) {
    if (frame->meshContainer) {
      auto& container = *static_cast<ZOdevuvMeshContainer*>(frame->meshContainer);
      std::set<std::string> boneNames;
      std::string reason;
      if (plat::kMeshOk == SetupContainerBones(container, root, boneNames, reason)) {
        std::vector<plat::Matrix> palette;
        for (const auto& combination : container.boneCombinations) {
          BuildBonePalette(container, combination, palette);
        }
      }
    }
    PoseContainers(frame->firstChild, root, depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CAllocateHierarchy allocator;
  plat::MeshFrame* root = nullptr;
  std::shared_ptr<plat::AnimationController> controller;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (plat::MeshFailed(plat::LoadMeshHierarchyFromXInMemory(bytes, allocator, &root, &controller))) {
    return 0;
  }
  if (controller) {
    for (double step : {0.0, 0.25, 1.5, -0.5}) controller->AdvanceTime(step);
  }
  PoseContainers(root, root, 0);
  plat::Vec3 centre;
  float radius = 0;
  plat::FrameCalculateBoundingSphere(root, &centre, &radius);
  plat::FrameDestroy(root, allocator);
  return 0;
}
