// Any bytes as a saved game's park file (".pfs"): the foods, the shop and
// staff screens' slots, the history lists, the park's counters and clock, and
// the ledger.
#include "fuzz/savedgame/SavedGameFuzzPark.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  savedgamefuzz::ReadAndWriteBack(savedgamefuzz::kParkPart, data, size);
  return 0;
}
