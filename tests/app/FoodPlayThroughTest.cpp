// A scripted round at the park's food outlets, headless, over the demo
// park's GUI and foods: the player composes a new dish with toppings at the
// restaurant, raises a hot meal's price and a kiosk food's price, and the
// visitors' purchases then pay the new prices into the ledger, which the
// finance overview shows.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "gui/widgets/CGuiEditBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizFoodFeltetScreen.h"
#include "screens/REraduzizHotMealScreen.h"
#include "screens/REraduzizKioskScreen.h"
#include "tests/app/PlayerHandFixture.h"

namespace {

constexpr int32_t kFoodMenuButton = 10068, kKioskButton = 10124, kRestaurantButton = 10125;
constexpr int32_t kSummaryButton = 10436;
constexpr int32_t kTypeList = 10131, kMenuList = 10345, kNewDish = 10346, kOpenDish = 10347;
constexpr int32_t kBuffetList = 10127;
// The demo foods: the burgers are the first type, the hot meals the fourth;
// popcorn is the second kiosk food.
constexpr int32_t kBurgerRow = 0, kHotMealRow = 3;
constexpr int32_t kBurgers = 0, kHotMeals = 3;
constexpr int32_t kFishAndChips = 0, kPopcorn = 1;

class FoodPlayThroughTest : public playerhand::DemoPagesFixture {
 protected:
  void SetUp() override {
    DemoPagesFixture::SetUp();
    game_->InitLedgerAndFoods();
    // The park has a restaurant and the sponsored snack bar.
    for (const char* name : {"restaurant_de_tarrowby", "bufe_zarp"}) {
      auto outlet = std::make_unique<CAttraction>();
      outlet->id = name;
      game_->placedObjects.Place(std::move(outlet));
    }
  }
  // A click on a row of a list: the list selects it, and a list that
  // reports its choices posts the selection.
  void Mark(int32_t list, int32_t row) {
    if (auto* grid = dynamic_cast<CGuiGrid*>(game_->FindElement(list))) grid->SetSelectedRow(row, true);
  }
  void Choose(int32_t list, int32_t row) {
    Mark(list, row);
    game_->PostCommand(list, -1, kCmdSelect, row, 0);
    Frame();
    Frame();
  }
  void Type(int32_t box, const char* text) {
    if (auto* edit = dynamic_cast<CGuiEditBox*>(game_->FindElement(box))) edit->SetText(text, 0, kGuiBlack);
  }
  std::vector<std::string> Rows(int32_t list) {
    std::vector<std::string> names;
    auto* grid = dynamic_cast<CGuiGrid*>(game_->FindElement(list));
    for (int32_t row = 0; grid && row < grid->GetTotalRows(); ++row)
      names.push_back(grid->FindCell(0, row)->text.Std());
    return names;
  }
  int32_t LedgerSum(int32_t kind) {
    const LedgerEntryNode* entry = game_->ledgerTree->FindEntry(0, ledger::kCategoryFood, kind, -1);
    return entry ? entry->Amount() : 0;
  }
  CFoodCatalog& Foods() { return *game_->foodCatalog; }
};

TEST_F(FoodPlayThroughTest, ComposeADishRaiseTwoPricesAndTheVisitorsPayThem) {
  ASSERT_FALSE(Foods().restaurantFoodTypes.empty());
  using Topping = REraduzizFoodFeltetScreen;

  // The restaurant's burgers, and a new one with cheese and bacon.
  Press({kFoodMenuButton, kRestaurantButton});
  ASSERT_TRUE(IsShown(10129));
  Choose(kTypeList, kBurgerRow);
  ASSERT_TRUE(IsShown(10343));
  const size_t burgers = Foods().FindFoodType(kBurgers)->foods.size();
  Press({kNewDish});
  ASSERT_TRUE(IsShown(10143));
  EXPECT_EQ(Text(Topping::kPriceId), std::to_string(Topping::kNewFoodCost));
  Mark(Topping::kAvailableListId, 2);  // bacon, 3
  Press({Topping::kOfferId});
  Mark(Topping::kAvailableListId, 1);  // cheese, 2
  Press({Topping::kOfferId, Topping::kPriceDownId});
  const int32_t dishPrice = Topping::kNewFoodCost + 3 + 2 - 1;
  EXPECT_EQ(Text(Topping::kPriceId), std::to_string(dishPrice));
  Type(Topping::kNameBoxId, "Park burger");
  Press({Topping::kAcceptId});
  EXPECT_FALSE(IsShown(10143));
  ASSERT_EQ(Foods().FindFoodType(kBurgers)->foods.size(), burgers + 1);
  const FoodRecord& dish = *Foods().FindFoodType(kBurgers)->foods.back();
  EXPECT_EQ(dish.name, "Park burger");
  EXPECT_EQ(dish.cost, dishPrice);
  EXPECT_EQ(Rows(kMenuList).back(), "Park burger");

  // Two steps up for fish and chips.
  Choose(kTypeList, kHotMealRow);
  Mark(kMenuList, 0);
  Press({kOpenDish});
  ASSERT_TRUE(IsShown(10375));
  const int32_t mealPrice = Foods().FindRestaurantFood(kHotMeals, kFishAndChips)->cost + 2;
  Press({REraduzizHotMealScreen::kUpId, REraduzizHotMealScreen::kUpId});
  EXPECT_EQ(Text(REraduzizHotMealScreen::kPriceId), std::to_string(mealPrice));
  Press({REraduzizHotMealScreen::kOkId});
  EXPECT_FALSE(IsShown(10375));
  EXPECT_EQ(Foods().FindRestaurantFood(kHotMeals, kFishAndChips)->cost, mealPrice);

  // Three steps up for popcorn at the kiosks.
  Press({kKioskButton});
  ASSERT_TRUE(IsShown(10126));
  Choose(kBuffetList, 1);
  ASSERT_TRUE(IsShown(10349));
  const int32_t popcornPrice = Foods().FindKioskFood(kPopcorn)->cost + 3;
  Press({REraduzizKioskScreen::kUpId, REraduzizKioskScreen::kUpId, REraduzizKioskScreen::kUpId});
  Press({REraduzizKioskScreen::kOkId});
  EXPECT_EQ(Foods().FindKioskFood(kPopcorn)->cost, popcornPrice);
  Press({kFoodMenuButton});
  EXPECT_FALSE(IsShown(10123));

  // The visitors buy at the outlets' prices, as the park books a sale.
  const int32_t composedSale = Foods().FindRestaurantFood(kBurgers, dish.id)->cost;
  const int32_t mealSale = Foods().FindRestaurantFood(kHotMeals, kFishAndChips)->cost;
  const int32_t snackSale = Foods().FindKioskFood(kPopcorn)->cost;
  game_->BookLedgerKind(ledger::kRestaurantMeal, -1, composedSale);
  game_->BookLedgerKind(ledger::kRestaurantMeal, -1, mealSale);
  game_->BookLedgerKind(ledger::kKioskFood, -1, snackSale);
  game_->BookLedgerKind(ledger::kKioskFood, -1, snackSale);
  EXPECT_EQ(LedgerSum(ledger::kRestaurantMeal), dishPrice + mealPrice);
  EXPECT_EQ(LedgerSum(ledger::kKioskFood), 2 * popcornPrice);
  Press({kSummaryButton});
  ASSERT_TRUE(IsShown(10158));
  EXPECT_EQ(Text(10168), std::to_string(2 * popcornPrice) + " ");
  EXPECT_EQ(Text(10169), std::to_string(dishPrice + mealPrice) + " ");
}

}  // namespace
