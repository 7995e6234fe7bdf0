#pragma once
// The food catalogue: what the park's outlets can sell. Kiosk foods, the
// restaurants' food types with their foods, and the topping types whose
// toppings the restaurant foods are composed of. Read from the foods file
// "\Scenes\foods\Foods_NL.xml", and saved with the park file.
//
// Every record is owned by its list; the screens change prices and
// toppings in place. A reload or a loaded game replaces every record, so
// holders keep ids (a food type's id and a food's id) and look the record up
// with the Find functions each time they use it, never a record pointer
// across a frame.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/foods/FoodRecord.h"
#include "park/foods/FoodTypeRecord.h"
#include "park/foods/ToppingTypeRecord.h"

class SceneStream;
class XmlNode;

class CFoodCatalog {
 public:
  // The most records of one list that a saved park file may hold.
  static constexpr int32_t kMaxSavedRecords = 4096;

  CFoodCatalog();
  ~CFoodCatalog();
  CFoodCatalog(const CFoodCatalog&) = delete;
  CFoodCatalog& operator=(const CFoodCatalog&) = delete;

  // Destroys every record and empties the three lists.
  void Clear();
  // Appends the records of the foods file to the lists. A missing or broken
  // file (one the reader had to mend included) adds nothing: the player is
  // told in a message box, the game goes on, and false is returned.
  bool LoadFoodDescriptorFile(const EngineString& path);
  // Clear, then LoadFoodDescriptorFile: the lists hold the file once (and
  // are empty after a file that cannot be read).
  bool Reload(const EngineString& path);
  // Appends the records under a parsed root "FoodDescriptor". A missing
  // section adds nothing; a missing attribute reads as the record's default;
  // a list of the file takes at most kMaxSavedRecords records.
  void LoadFromNode(const XmlNode& root);

  // The first record with that id in list order, or null.
  FoodRecord* FindKioskFood(int32_t id) const;
  FoodTypeRecord* FindFoodType(int32_t id) const;
  FoodRecord* FindRestaurantFood(int32_t typeId, int32_t foodId) const;
  ToppingTypeRecord* FindToppingType(int32_t id) const;

  // The catalogue's block of the park file.
  void WriteState(SceneStream& out) const;
  // Replaces the lists by the block's records. A cut short or corrupt block
  // (a count out of range) leaves the catalogue as it was and gives false.
  bool ReadState(SceneStream& in);

  std::vector<std::unique_ptr<FoodRecord>> kioskFoods;
  std::vector<std::unique_ptr<FoodTypeRecord>> restaurantFoodTypes;
  std::vector<std::unique_ptr<ToppingTypeRecord>> toppingTypes;
};
