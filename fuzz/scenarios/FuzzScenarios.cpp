// Any bytes as the scenarios file and as a saved scenario block: the
// catalogue reads what it can, saved and read back it is the same, and a
// block it accepts leaves it with a current index it can answer for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlEncoding.h"
#include "engine/core/XmlNode.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

std::string Saved(const CPorvikScenarios& catalog) {
  return ledgertest::Written([&](SceneStream& out) { catalog.WriteState(out); });
}

bool HasValidCurrent(const CPorvikScenarios& catalog) {
  return catalog.current == CPorvikScenarios::kNoScenario || catalog.IsValidIndex(catalog.current);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  CPorvikScenarios fromFile;
  fromFile.LoadFromNode(XmlNode::ParseString(XmlDecodeFileText(bytes).c_str(), "ScenarioDescriptor"));
  fromFile.SetCurrent(fromFile.Count() - 1);
  const std::string saved = Saved(fromFile);
  CPorvikScenarios reread;
  SceneStream savedIn(ledgertest::FileOf(saved));
  if (!reread.ReadState(savedIn) || Saved(reread) != saved) std::abort();

  CPorvikScenarios fromBlock;
  SceneStream blockIn(ledgertest::FileOf(bytes));
  const bool accepted = fromBlock.ReadState(blockIn);
  if (!HasValidCurrent(fromBlock)) std::abort();
  if (accepted) {
    const std::string again = Saved(fromBlock);
    CPorvikScenarios rereadBlock;
    SceneStream againIn(ledgertest::FileOf(again));
    if (!rereadBlock.ReadState(againIn) || Saved(rereadBlock) != again) std::abort();
  }
  return 0;
}
