#pragma once
// Loads a DirectX .X model (text format only; binary and compressed files are refused) into a frame tree made by the
// allocator, with an animation controller when the file has animation sets.
// The file is read through the game-path resolver. Frames keep the file's
// names and matrices (row vectors, left-handed, clockwise front faces, v
// down); a frame's meshes become one container whose faces carry the index
// of their material among that frame's materials; bones are merged by name.
// Several top-level frames or top-level meshes hang below a root frame
// without a name.
// The controller has one output per animated frame of the tree, every set in
// file order (periods in seconds; files without a tick rate run at 4800
// ticks per second), two tracks with set 0 on track 0 (enabled), and room
// for 30 key events.
#include <memory>
#include <string>
#include <string_view>

#include "platform/mesh/AnimationController.h"
#include "platform/mesh/MeshHierarchy.h"

namespace plat {

constexpr std::uint32_t kLoadedControllerTracks = 2;
constexpr std::uint32_t kLoadedControllerEvents = 30;

// On failure nothing is kept (what was built is destroyed again), root and
// controller are null and error tells why.
MeshResult LoadMeshHierarchyFromX(std::string_view gamePath, AllocateHierarchy& allocator,
                                  MeshFrame** root,
                                  std::shared_ptr<AnimationController>* controller,
                                  std::string* error = nullptr);
MeshResult LoadMeshHierarchyFromXInMemory(std::string_view bytes, AllocateHierarchy& allocator,
                                          MeshFrame** root,
                                          std::shared_ptr<AnimationController>* controller,
                                          std::string* error = nullptr);

}  // namespace plat
