#pragma once
// What the cell grid keeps up to date outside itself, given by the grid's
// owner: the path finder's walkability map, the path-cell counters, the
// footpath mesh (rebuilt whenever litter on a path changes) and the placed
// objects. Every link may be absent.
#include <cstdint>
#include <functional>

#include "world/PlacedObjectAccess.h"

class CPathFinder;

struct CellGridLinks {
  CPathFinder* pathFinder = nullptr;
  // The number of path and tool cells, and how many of them are littered.
  int32_t* pathCells = nullptr;
  int32_t* dirtyPathCells = nullptr;
  std::function<void()> rebuildFootpaths;
  PlacedObjectAccess objects;
};
