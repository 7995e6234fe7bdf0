// The food menus over the demo GUI: the restaurant's food types and their
// menu items, the kiosk foods, and the two price pages with their gates
// and price range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/screens/FoodScreensTestSupport.h"

namespace {

using foodtest::FoodScreensTest;
using foodtest::kBurgerRow;
using foodtest::kBurgerType;
using foodtest::kHotMealRow;
using foodtest::kHotMealType;
using foodtest::MakeFood;
using Strings = std::vector<std::string>;

constexpr int32_t kRestaurantList = 10131;
constexpr int32_t kMenuItems = 10343;
constexpr int32_t kMenuList = 10345;
constexpr int32_t kNew = 10346, kOpen = 10347, kDelete = 10348;
constexpr int32_t kBuffetList = 10127;
constexpr int32_t kKioskPage = 10349;
constexpr int32_t kKioskUp = 10355, kKioskDown = 10354, kKioskOk = 10356;
constexpr int32_t kKioskPrice = 10353, kKioskName = 10358;
constexpr int32_t kHotMealPage = 10375;
constexpr int32_t kMealUp = 10381, kMealDown = 10380, kMealOk = 10382;
constexpr int32_t kMealPrice = 10379, kMealName = 10384, kMealType = 10376;

// --- Restaurant menu window ---------------------------------------------------

TEST_F(FoodScreensTest, TheRestaurantPageListsTheTypesAndChoosesTheFirstRowsId) {
  Press({screen_ids::kRestaurantButton});
  ASSERT_TRUE(world.IsShown(10129));
  EXPECT_EQ(Rows(kRestaurantList), (Strings{"Hot meals", "Burgers"}));
  // The first row's type, not the type whose id is 0.
  EXPECT_EQ(world.screens.restaurantScreen->chosenType, kHotMealType);
}

TEST_F(FoodScreensTest, ChoosingATypeOpensItsMenuItemsOnlyWhileARestaurantStands) {
  const struct {
    std::vector<EngineString> objects;
    bool opens;
  } cases[] = {
      {{}, false}, {{"bufe_zarp"}, false}, {{"restaurant_de_tarrowby"}, true}, {{"poffertjeskraam_etterem"}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.objects.empty() ? "no object" : c.objects[0].Std());
    world.screens.HideAll();
    world.RunPass();
    world.host.objects = c.objects;
    OpenType(kBurgerRow);
    EXPECT_EQ(world.IsShown(kMenuItems), c.opens);
    EXPECT_TRUE(world.IsShown(10129));
    EXPECT_EQ(world.screens.restaurantScreen->chosenType, c.opens ? kBurgerType : kHotMealType);
    // The selection was consumed either way.
    for (const GuiCommand& command : world.Queue()) EXPECT_NE(command.sender, kRestaurantList);
  }
}

TEST_F(FoodScreensTest, AnEmptyCatalogueGivesEmptyListsAndNoChoice) {
  catalog.Clear();
  Press({screen_ids::kRestaurantButton});
  EXPECT_TRUE(Rows(kRestaurantList).empty());
  EXPECT_EQ(world.screens.restaurantScreen->chosenType, -1);
  Choose(kRestaurantList, 0);
  EXPECT_FALSE(world.IsShown(kMenuItems));

  Press({screen_ids::kBuffetButton});
  EXPECT_TRUE(Rows(kBuffetList).empty());
  EXPECT_EQ(world.screens.buffetScreen->selectedFood, -1);
  Choose(kBuffetList, 0);
  EXPECT_FALSE(world.IsShown(kKioskPage));
}

// --- Menu items window --------------------------------------------------------

TEST_F(FoodScreensTest, TheMenuItemsListTheTypesFoodsAndSelectTheFirstFoodsId) {
  OpenType(kBurgerRow);
  ASSERT_TRUE(world.IsShown(kMenuItems));
  EXPECT_EQ(Rows(kMenuList), (Strings{"Classic", "Cheeseburger"}));
  EXPECT_EQ(world.screens.fastFoodScreen->selectedFood, 3);
  EXPECT_EQ(Text(10344), "Menu items");
  auto* list = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(kMenuList));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetHeader(0)->text, "Burgers");
  EXPECT_EQ(list->FindCell(1, 1)->text, "6");
}

// The mode is the del value of the type's last food; the buttons show what
// can be done in it.
TEST_F(FoodScreensTest, TheModeAndTheButtonLooksComeFromTheLastFood) {
  const struct {
    const char* name;
    std::vector<int32_t> dels;
    int32_t mode;
    bool newActive, openActive, deleteActive;
  } cases[] = {
      {"no foods", {}, FoodRecord::kComposed, true, false, false},
      {"composed foods", {0, 1}, FoodRecord::kComposed, true, true, true},
      {"last food a hot meal", {1, 1, 0}, FoodRecord::kHotMeal, false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FoodTypeRecord* burgers = catalog.FindFoodType(kBurgerType);
    burgers->foods.clear();
    int32_t id = 0;
    for (int32_t del : c.dels) burgers->foods.push_back(MakeFood(id++, "Dish", 5, del));
    OpenType(kBurgerRow);
    const REraduzizFastFoodScreen& menu = *world.screens.fastFoodScreen;
    EXPECT_EQ(menu.mode, c.mode);
    EXPECT_EQ(menu.selectedFood, c.dels.empty() ? -1 : 0);
    EXPECT_EQ(Button(kNew)->interactive, c.newActive);
    EXPECT_EQ(Button(kOpen)->interactive, c.openActive);
    EXPECT_EQ(Button(kDelete)->interactive, c.deleteActive);
  }
}

TEST_F(FoodScreensTest, DeleteRemovesTheSelectedFoodUntilTheTypeIsEmpty) {
  OpenType(kBurgerRow);
  Mark(kMenuList, 1);
  Press({kDelete});
  EXPECT_EQ(Rows(kMenuList), (Strings{"Classic"}));
  EXPECT_EQ(Burger(7), nullptr);
  Press({kDelete});
  EXPECT_TRUE(Rows(kMenuList).empty());
  EXPECT_TRUE(catalog.FindFoodType(kBurgerType)->foods.empty());
  EXPECT_EQ(world.screens.fastFoodScreen->selectedFood, -1);
  // Nothing left to delete or open; the clicks are consumed.
  Press({kDelete, kOpen});
  EXPECT_FALSE(world.IsShown(10143));
  for (const GuiCommand& command : world.Queue()) EXPECT_NE(command.sender, kDelete);
}

TEST_F(FoodScreensTest, HotMealsCannotBeDeletedAndTakeNoNewFood) {
  OpenType(kHotMealRow);
  Press({kDelete, kNew});
  EXPECT_EQ(catalog.FindFoodType(kHotMealType)->foods.size(), 2u);
  EXPECT_FALSE(world.IsShown(10143));
}

TEST_F(FoodScreensTest, OpenShowsTheToppingPageForComposedFoodsAndThePricePageForHotMeals) {
  OpenType(kBurgerRow);
  OpenFood(1);
  EXPECT_TRUE(world.IsShown(10143));
  EXPECT_FALSE(world.IsShown(kHotMealPage));
  EXPECT_EQ(world.screens.fastFoodScreen->composing, 0);
  EXPECT_EQ(world.screens.foodFeltetScreen->CurrentFood(), Burger(7));
  for (int32_t button : {kNew, kOpen, kDelete}) EXPECT_FALSE(Button(button)->interactive);
  EXPECT_EQ(world.host.flags.modal, 1);

  OpenType(kHotMealRow);
  OpenFood(0);
  EXPECT_TRUE(world.IsShown(kHotMealPage));
  EXPECT_FALSE(world.IsShown(10143));
  EXPECT_EQ(Text(kMealName), "Fish and chips");
  EXPECT_EQ(Text(kMealType), "Hot meals");
  EXPECT_EQ(Text(kMealPrice), "5");
}

// --- Hot meal price page ------------------------------------------------------

TEST_F(FoodScreensTest, TheHotMealPriceStopsAtOneAndOkMakesTheChangeThePrice) {
  OpenType(kHotMealRow);
  OpenFood(0);
  Press({kMealDown, kMealDown, kMealDown, kMealDown});
  EXPECT_EQ(Text(kMealPrice), "1");
  Press({kMealDown});
  EXPECT_EQ(Text(kMealPrice), "1");
  EXPECT_EQ(world.screens.hotMealScreen->priceChange, -4);
  // The catalogue changes only on OK.
  EXPECT_EQ(catalog.FindRestaurantFood(kHotMealType, 0)->cost, 5);
  Press({kMealUp, kMealUp});
  world.Click(kMealOk);
  world.Click(kMealOk);
  world.RunPass();
  world.RunPass();
  EXPECT_EQ(catalog.FindRestaurantFood(kHotMealType, 0)->cost, 3);
  EXPECT_FALSE(world.IsShown(kHotMealPage));
  EXPECT_EQ(Rows(kMenuList).size(), 2u);

  // Opened again, nothing is pending: OK keeps the price.
  OpenFood(0);
  EXPECT_EQ(Text(kMealPrice), "3");
  Press({kMealOk});
  EXPECT_EQ(catalog.FindRestaurantFood(kHotMealType, 0)->cost, 3);
}

TEST_F(FoodScreensTest, TheHotMealPriceStopsAtTheHighestPrice) {
  catalog.FindRestaurantFood(kHotMealType, 0)->cost = FoodRecord::kMaxCost - 1;
  OpenType(kHotMealRow);
  OpenFood(0);
  Press({kMealUp, kMealUp, kMealOk});
  EXPECT_EQ(catalog.FindRestaurantFood(kHotMealType, 0)->cost, FoodRecord::kMaxCost);
}

TEST_F(FoodScreensTest, WithoutItsFoodTheHotMealPageOnlyCloses) {
  OpenType(kHotMealRow);
  OpenFood(1);
  catalog.FindFoodType(kHotMealType)->foods.clear();
  Press({kMealUp, kMealDown, kMealOk});
  EXPECT_FALSE(world.IsShown(kHotMealPage));
  EXPECT_EQ(Text(kMealName), "Soup");
}

// --- Buffet and kiosk price window --------------------------------------------

TEST_F(FoodScreensTest, TheBuffetChoosesTheFirstKioskFoodsIdAndOpensItsPriceWindow) {
  Press({screen_ids::kBuffetButton});
  ASSERT_TRUE(world.IsShown(10126));
  EXPECT_EQ(Rows(kBuffetList), (Strings{"Popcorn", "Lemonade"}));
  EXPECT_EQ(world.screens.buffetScreen->selectedFood, 4);
  Choose(kBuffetList, 1);
  ASSERT_TRUE(world.IsShown(kKioskPage));
  EXPECT_EQ(Text(kKioskName), "Lemonade");
  EXPECT_EQ(Text(kKioskPrice), "2");
  EXPECT_EQ(world.host.flags.modal, 1);
  // Chosen again, the window is refreshed with nothing pending.
  Press({kKioskUp});
  Choose(kBuffetList, 0);
  EXPECT_TRUE(world.IsShown(kKioskPage));
  EXPECT_EQ(Text(kKioskName), "Popcorn");
  EXPECT_EQ(world.screens.kioskScreen->priceChange, 0);
}

TEST_F(FoodScreensTest, KioskPricesChangeOnlyWhileTheSnackBarStands) {
  world.host.objects = {"restaurant_de_tarrowby"};
  Press({screen_ids::kBuffetButton});
  Choose(kBuffetList, 0);
  EXPECT_FALSE(Button(kKioskUp)->interactive);
  EXPECT_FALSE(Button(kKioskDown)->interactive);
  Press({kKioskUp, kKioskUp, kKioskOk});
  EXPECT_FALSE(world.IsShown(kKioskPage));
  EXPECT_EQ(catalog.FindKioskFood(4)->cost, 3);

  // Placed meanwhile, the snack bar unlocks the buttons at the next click.
  world.host.objects.push_back("bufe_zarp");
  Choose(kBuffetList, 0);
  EXPECT_TRUE(Button(kKioskUp)->interactive);
  Press({kKioskUp, kKioskUp, kKioskOk});
  EXPECT_EQ(catalog.FindKioskFood(4)->cost, 5);
  EXPECT_EQ(Rows(kBuffetList), (Strings{"Popcorn", "Lemonade"}));
}

TEST_F(FoodScreensTest, AKioskPriceStopsAtOneAndOkAddsTheChangeOnce) {
  Press({screen_ids::kBuffetButton});
  Choose(kBuffetList, 1);
  Press({kKioskDown, kKioskDown, kKioskDown});
  EXPECT_EQ(Text(kKioskPrice), "1");
  Press({kKioskOk});
  EXPECT_EQ(catalog.FindKioskFood(9)->cost, 1);
  // Two clicks on OK in one frame, before the window closes.
  Choose(kBuffetList, 1);
  Press({kKioskUp, kKioskUp});
  world.Click(kKioskOk);
  world.Click(kKioskOk);
  world.RunPass();
  EXPECT_EQ(catalog.FindKioskFood(9)->cost, 3);
}

// A reload while the window is open takes its food away: the buttons then
// change nothing and OK only closes the window.
TEST_F(FoodScreensTest, AKioskWindowWhoseFoodIsGoneOnlyCloses) {
  Press({screen_ids::kBuffetButton});
  Choose(kBuffetList, 1);
  catalog.kioskFoods.clear();
  Press({kKioskUp, kKioskDown, kKioskOk});
  EXPECT_FALSE(world.IsShown(kKioskPage));
  EXPECT_TRUE(catalog.kioskFoods.empty());
}

}  // namespace
