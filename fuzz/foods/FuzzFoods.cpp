// Any bytes as the foods file: the catalogue reads what it can, its records
// are looked up by their ids, and the catalogue saved and read back must
// read whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlEncoding.h"
#include "engine/core/XmlNode.h"
#include "park/foods/CFoodCatalog.h"
#include "tests/park/ledger/LedgerTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = XmlDecodeFileText(std::string(reinterpret_cast<const char*>(data), size));
  CFoodCatalog catalog;
  catalog.LoadFromNode(XmlNode::ParseString(text.c_str(), "FoodDescriptor"));
  // Ids find the first record that has them; a type whose id an earlier
  // type has already is only listed.
  for (const auto& type : catalog.restaurantFoodTypes) {
    if (catalog.FindFoodType(type->id) != type.get()) continue;
    for (const auto& food : type->foods) {
      const FoodRecord* found = catalog.FindRestaurantFood(type->id, food->id);
      if (!found || found->id != food->id) std::abort();
    }
  }
  for (const auto& food : catalog.kioskFoods) {
    if (!catalog.FindKioskFood(food->id)) std::abort();
  }

  const std::string saved = ledgertest::Written([&](SceneStream& out) { catalog.WriteState(out); });
  CFoodCatalog loaded;
  SceneStream in(ledgertest::FileOf(saved));
  if (!loaded.ReadState(in)) std::abort();
  return 0;
}
