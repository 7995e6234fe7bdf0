#pragma once
// The demo park's layout in land cells: the footpaths, and the objects that
// stand beside them, in groups that the scenes put together. A scene is a
// park that grows group by group: the tutorial's lessons add one group each,
// the normal mode opens on all of them, the advanced mode on the first two.
#include <cstdint>
#include <span>
#include <vector>

namespace scenebuilder {

// A straight footpath along a row (fixed j, i from first to last) or a
// column (fixed i, j from first to last).
struct Footpath {
  bool alongRow;
  int32_t line;
  int32_t first;
  int32_t last;
};

// Which side of a footpath an object stands on; its gate faces the path.
// North and South stand beside a row, East and West beside a column.
enum class Side { North, South, East, West };

struct Placement {
  const char* type;
  Side side;
  int32_t line;   // the row or column of the footpath beside it
  int32_t along;  // the cell along that footpath the object is centred on
};

// An object the game sets down at a place of its own (the flume): its
// world point and turn, and the row of the footpath its gate leads to.
struct FixedPlacement {
  const char* type;
  float x;
  float z;
  float rotation;
  int32_t pathRow;
};

struct LayoutGroup {
  std::span<const Footpath> footpaths;
  std::span<const Placement> placements;
  std::span<const FixedPlacement> fixedPlacements;
};

struct SceneSpec {
  const char* path;  // under the park folder
  int32_t groups;    // how many groups of the layout, from the first
  int32_t tutorialLevel;  // 0: not a tutorial scene
  // An object type of those groups that the scene lacks; null: none.
  const char* leftOut;
};

std::span<const LayoutGroup> LayoutGroups();
std::span<const SceneSpec> Scenes();

// The plants along the footpaths, in the order they are set, one per this
// many cells of a footpath, two cells away from it.
std::span<const char* const> PlantTypes();
constexpr int32_t kPlantSpacing = 3;
constexpr int32_t kPlantDistance = 2;

}  // namespace scenebuilder
