// Any bytes as a saved cell and as the grid block of a saved scene: both
// reads end safely, and a grid that was read keeps its counters equal to a
// recount and saves back to what it read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/core/SceneStream.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

std::FILE* ReadFile(const uint8_t* data, size_t size) {
  return fmemopen(const_cast<uint8_t*>(data), size, "rb");
}

struct LinkedGrid {
  LinkedGrid() {
    CellGridLinks links;
    links.pathFinder = &finder;
    links.pathCells = &pathCells;
    links.dirtyPathCells = &dirtyPathCells;
    grid.SetCellGridLinks(links);
  }
  CPathFinder finder{CHeightMapHandlerClass::kCellsPerSide, CHeightMapHandlerClass::kCellsPerSide};
  int32_t pathCells = 0;
  int32_t dirtyPathCells = 0;
  CHeightMapHandlerClass grid;
};

std::vector<uint8_t> SavedBlock(const CHeightMapHandlerClass& grid) {
  std::FILE* file = std::tmpfile();
  SceneStream out(file);
  grid.SaveCells(out);
  std::fflush(file);
  std::vector<uint8_t> bytes(size_t(std::ftell(file)));
  std::rewind(file);
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) __builtin_trap();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  PlacedObjectAccess none;
  {
    SceneStream in(ReadFile(data, size));
    CLandscapeCell cell;
    if (cell.Load(in, none) && cell.GetName()[CLandscapeCell::kNameBytes - 1] != '\0') __builtin_trap();
  }
  static LinkedGrid linked;
  CHeightMapHandlerClass& grid = linked.grid;
  SceneStream in(ReadFile(data, size));
  if (!grid.LoadCells(in)) return 0;
  const int32_t paths = linked.pathCells, littered = linked.dirtyPathCells;
  grid.RecountPathCells();
  if (paths != linked.pathCells || littered != linked.dirtyPathCells) __builtin_trap();
  const std::vector<uint8_t> saved = SavedBlock(grid);
  SceneStream again(ReadFile(saved.data(), saved.size()));
  if (!grid.LoadCells(again) || SavedBlock(grid) != saved) __builtin_trap();
  return 0;
}
