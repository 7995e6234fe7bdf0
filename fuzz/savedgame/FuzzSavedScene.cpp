// Any bytes as a saved game's scene file (".pys"): the placed objects' state
// records, then the character manager's block and the footpath nodes. The
// land's cell grid between them is always 16384 cells long and has a target
// of its own (fuzz_cellgrid), so the input is split where the grid goes: its
// first four bytes say how many bytes come before the grid, and a blank grid
// is put in there.
#include <algorithm>
#include <cstring>

#include "fuzz/savedgame/SavedGameFuzzPark.h"

namespace {

const std::vector<uint8_t>& BlankGrid() {
  static const std::vector<uint8_t> bytes = [] {
    char* buffer = nullptr;
    size_t length = 0;
    {
      CHeightMapHandlerClass blank;
      blank.InitCells();
      SceneStream out(open_memstream(&buffer, &length));
      blank.SaveCells(out);
    }
    std::vector<uint8_t> grid(buffer, buffer + length);
    std::free(buffer);
    return grid;
  }();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t headLength = 0;
  if (size < sizeof headLength) return 0;
  std::memcpy(&headLength, data, sizeof headLength);
  const uint8_t* head = data + sizeof headLength;
  const size_t rest = size - sizeof headLength;
  const size_t headSize = std::min<size_t>(headLength, rest);
  std::vector<uint8_t> scene(head, head + headSize);
  scene.insert(scene.end(), BlankGrid().begin(), BlankGrid().end());
  scene.insert(scene.end(), head + headSize, head + rest);
  savedgamefuzz::ReadAndWriteBack(savedgamefuzz::kScenePart, scene.data(), scene.size());
  return 0;
}
