#pragma once
// What the cell grid keeps up to date outside itself, given by the grid's
// owner: the path finder's walkability map, the path-cell counters, the
// footpath mesh (rebuilt whenever litter on a path changes) and the placed
// objects. Every link may be absent.
#include <cstdint>
#include <functional>

#include "world/PlacedObjectAccess.h"

class CPathFinder;

// The number of path and tool cells, and how many of them are littered.
struct PathCellCounters {
  int32_t pathCells = 0;
  int32_t dirtyPathCells = 0;
};

struct CellGridLinks {
  CPathFinder* pathFinder = nullptr;
  PathCellCounters* counters = nullptr;
  std::function<void()> rebuildFootpaths;
  PlacedObjectAccess objects;
};
