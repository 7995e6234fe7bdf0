#pragma once
// Skinned figures in the .X text format: a skeleton of bones below an
// unmoved root frame, parts (boxes or rounded bodies) that each follow one
// bone rigidly, one textured material per texture, and named animation sets
// that turn the bones.
#include <functional>
#include <string>
#include <vector>

#include "platform/math/Types.h"

namespace figuregen {

struct Bone {
  std::string name;
  int parent;        // index of the parent bone, -1 for a bone below the root
  plat::Vec3 joint;  // where the bone turns, relative to the parent's joint
};

enum class Shape { Box, Round };

// A part in the figure's rest pose, coloured by a band of its material's
// texture. A round part is the ellipsoid that fills the box.
struct Box {
  int bone;
  plat::Vec3 min, max;
  float bandTop, bandBottom;  // v range of its colour band
  int material = 0;           // index into Figure::textures
  Shape shape = Shape::Box;
};

// The turn of every bone at a phase 0..1 of a set (yaw, pitch, roll in
// radians about y, x and z).
using Pose = std::function<plat::Vec3(int bone, float phase)>;

struct AnimationSetSpec {
  std::string name;
  float seconds;
  int keys;  // keys over one loop, the last equal to the first
  Pose pose;
};

struct Figure {
  std::string rootName;
  std::vector<std::string> textures;  // one material each, in order
  std::vector<Bone> bones;
  std::vector<Box> boxes;
  std::vector<AnimationSetSpec> sets;
};

std::string WriteXText(const Figure& figure);

}  // namespace figuregen
