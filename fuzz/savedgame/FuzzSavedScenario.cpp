// Any bytes as a saved game's scenario file (".pas"): the scenarios' state.
#include "fuzz/savedgame/SavedGameFuzzPark.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  savedgamefuzz::ReadAndWriteBack(savedgamefuzz::kScenarioPart, data, size);
  return 0;
}
