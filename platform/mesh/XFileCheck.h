#pragma once
// A structural check of a DirectX .X file, run before the file reaches the
// importer. The importer trusts counts and indices in the file and crashes on
// some broken files, so anything it could choke on is refused here with a
// readable reason: only the text format is read, every number is a number,
// lists hold exactly as many entries as they claim, indices stay inside the
// lists they point into, and braces balance.
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// What the loader needs to know of a file's layout beyond the importer's
// scene, which drops empty animation sets, unused materials and the meshes
// of a lone top-level frame beside top-level meshes.
struct XFileShape {
  int topLevelFrames = 0;
  int topLevelMeshes = 0;
  struct AnimationSetShape {
    std::string name;
    bool hasAnimations = false;
  };
  std::vector<AnimationSetShape> animationSets;  // in file order
  // Top-level materials, then the material-list length of every mesh in the
  // order the importer numbers materials: the meshes of each frame before
  // those of its children, frames in file order, then top-level meshes.
  int topLevelMaterials = 0;
  std::vector<int> meshMaterialCounts;
};

// True when bytes are a text .X file whose objects are complete and
// consistent. Otherwise false, and error (when given) says what is wrong and
// on which line. shape (when given) describes a file that passed.
bool CheckXFile(std::string_view bytes, std::string* error = nullptr, XFileShape* shape = nullptr);

}  // namespace plat
