// Any bytes as a saved game's run-state file (".pai"): the tutorial's marks,
// the object run records, the repair list, the manager's counters, the
// characters and the placed staff.
#include "fuzz/savedgame/SavedGameFuzzPark.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  savedgamefuzz::ReadAndWriteBack(savedgamefuzz::kRunStatePart, data, size);
  return 0;
}
