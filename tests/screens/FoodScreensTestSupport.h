#pragma once
// What the food screen tests share: a small food catalogue, the demo GUI
// with every screen over it, and the player's clicks and choices.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiEditBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace foodtest {

struct Topping {
  int32_t id;
  const char* name;
  int32_t cost;
  int32_t active;
};

std::unique_ptr<FoodRecord> MakeFood(int32_t id, const char* name, int32_t cost, int32_t del,
                                     const std::vector<Topping>& toppings = {});
FoodTypeRecord& AddFoodType(CFoodCatalog& catalog, int32_t id, const char* name, int32_t cost);
ToppingTypeRecord& AddToppingType(CFoodCatalog& catalog, int32_t id, const char* name,
                                  const std::vector<Topping>& toppings);

// The catalogue of the tests. Its first restaurant type is the hot meals
// (id 3), then the burgers (id 0) with toppings whose ids are not their
// positions (10, 20, 30); the kiosk foods have ids 4 and 9.
void FillCatalog(CFoodCatalog& catalog);

constexpr int32_t kHotMealType = 3;
constexpr int32_t kBurgerType = 0;
constexpr int32_t kHotMealRow = 0;
constexpr int32_t kBurgerRow = 1;
constexpr int32_t kLettuce = 10, kCheese = 20, kBacon = 30;

class FoodScreensTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Each click in a frame of its own, then a frame for the pages posted.
  void Press(std::initializer_list<int32_t> buttons);
  // The player's choice of a row: the grid selects it and posts the
  // selection, as a click on the row does.
  void Choose(int32_t list, int32_t row);
  // Selects a row without a command, as a click on a list that posts none
  // to the screens.
  void Mark(int32_t list, int32_t row);
  // The restaurant page, then the type of that row.
  void OpenType(int32_t row);
  // Opens the food of that row of the menu items on its page.
  void OpenFood(int32_t row);
  void TypeName(const std::string& name);

  std::string Text(int32_t id);
  std::vector<std::string> Rows(int32_t list);
  CGuiButton* Button(int32_t id);
  FoodRecord* Burger(int32_t id) { return catalog.FindRestaurantFood(kBurgerType, id); }

  CFoodCatalog catalog;
  screentest::ScreenWorld world{false};
};

}  // namespace foodtest
