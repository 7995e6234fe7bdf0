#pragma once
// The demo park's ground model: the land of its height map as the terrain
// object reads it, so that what stands on the land stands on what is drawn.
#include <vector>

#include "tools/modelwriter/ParkShapes.h"

namespace parkshapes {

// A grid of cells by cells quads over the land square -512..512, in pieces
// by pieces parts (a part holds at most 65536 vertices; cells is a multiple
// of pieces). Both sets of texture coordinates span the land once, as the
// land's masks lie on it (u along x, v down along -z); the land's effect
// tiles its layers itself.
std::vector<Triangles> ParkGround(int cells, int pieces);

}  // namespace parkshapes
