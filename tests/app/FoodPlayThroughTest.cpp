// A scripted round at the park's food outlets, headless, over the demo
// park's GUI and foods: the player composes a new dish with toppings at the
// restaurant, raises a hot meal's price and a kiosk food's price; then the
// game runs while visitors queue at the restaurant and the snack bar, and
// what they choose to buy pays the new prices into the ledger, which the
// finance overview shows.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiEditBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
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
// The visitors' day: the queue states at a restaurant and at a snack bar,
// the visitors sent to each outlet at a time with what they carry, and one
// frame of a quarter second (fifteen game seconds).
constexpr int32_t kQueueRestaurant = 4, kQueueSnackBar = 8;
constexpr int32_t kStandingMode = 0;
constexpr int32_t kVisitorKind = 0;
constexpr int32_t kVisitorsPerWave = 20;
constexpr uint16_t kVisitorMoney = 200;
constexpr int32_t kMaxWaves = 10;
constexpr int32_t kMaxFramesPerWave = 400;
constexpr uint32_t kFrameMs = 250;
constexpr int32_t kMealCode = 7, kSnackCode = 6;

class FoodPlayThroughTest : public playerhand::DemoPagesFixture {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    DemoPagesFixture::SetUp();
    game_->InitLedgerAndFoods();
    // The park has a restaurant and the sponsored snack bar.
    for (const char* name : {"restaurant_de_tarrowby", "bufe_zarp"}) {
      auto outlet = std::make_unique<CAttraction>();
      outlet->id = name;
      outlet->visitorCapacity = kVisitorsPerWave;
      outlet->condition = 100;
      game_->placedObjects.Place(std::move(outlet));
    }
  }
  void TearDown() override {
    // The manager goes before the game, which would otherwise free it.
    game_->aiManager = nullptr;
    manager_.reset();
    DemoPagesFixture::TearDown();
    plat::SetClock(nullptr);
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
  CAttraction* Outlet(const char* name) {
    for (CAttraction* object : game_->placedObjects.Objects())
      if (object->id == name) return object;
    return nullptr;
  }

  // The park opens: its main entrance, through which the visitors come, a
  // character manager and the clock at noon.
  void OpenThePark() {
    auto entrance = std::make_unique<CAttraction>();
    entrance->id = "Attr_MainEntrance";
    game_->placedObjects.Place(std::move(entrance));
    manager_ = std::make_unique<CPorvikAiClass>();
    game_->aiManager = manager_.get();
    game_->resourcesReady = 1;
    game_->simulationHalted = 0;
    game_->gameSpeed = 1;
    game_->gameHour = 12;
    game_->lastClockTick = plat::TickCount();
  }
  // Visitors with money in the outlet's queue, as the ones that walked up.
  void QueueVisitors(CAttraction& outlet, int32_t queueState) {
    for (int32_t n = 0; n < kVisitorsPerWave; ++n) {
      const int32_t id = nextVisitorId_++;
      REraduzizVisitor* visitor = manager_->CreateVisitor(id, kVisitorKind, outlet.gatePosition);
      ASSERT_NE(visitor, nullptr);
      manager_->AddLiveId(id);
      visitor->SetMoney(kVisitorMoney);
      visitor->SetTargetAttraction(&outlet);
      visitor->SetActivityState(kStandingMode, queueState);
      ++outlet.queueLength;
    }
  }
  // The game's frames, the clock and the characters moving, until nobody
  // waits at or stays in either outlet.
  void RunUntilTheOutletsEmpty(CAttraction& restaurant, CAttraction& snackBar) {
    for (int frame = 0; frame < kMaxFramesPerWave; ++frame) {
      clock_.AdvanceMs(kFrameMs);
      game_->CheckScenarioGoals();
      game_->UpdateFrame(kFrameMs / 1000.0);
      Frame();
      const auto empty = [](const CAttraction& outlet) {
        return outlet.queueLength == 0 && outlet.visitorsInside == 0;
      };
      if (empty(restaurant) && empty(snackBar)) return;
    }
    ADD_FAILURE() << "the outlets never emptied";
  }
  // The sales of that code (meals or snacks) that the visitors made, by name
  // and price, as the game lists them.
  std::vector<std::pair<std::string, int32_t>> Sales(int32_t code) const {
    std::vector<std::pair<std::string, int32_t>> sales;
    for (const PlacedRecord& record : game_->placedRecords)
      if (record.first == code) sales.emplace_back(record.name.Std(), record.values[0]);
    return sales;
  }
  static bool Sold(const std::vector<std::pair<std::string, int32_t>>& sales, const std::string& name) {
    for (const auto& sale : sales)
      if (sale.first == name) return true;
    return false;
  }
  static int32_t Total(const std::vector<std::pair<std::string, int32_t>>& sales) {
    int32_t total = 0;
    for (const auto& sale : sales) total += sale.second;
    return total;
  }

  plat::FakeClock clock_;
  std::unique_ptr<CPorvikAiClass> manager_;
  int32_t nextVisitorId_ = CPorvikAiClass::kFirstVisitorId;
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

  // The park opens; waves of visitors queue at the restaurant and at the
  // snack bar and buy what they choose, until the new dish, the hot meal and
  // the popcorn have each been sold.
  CAttraction* restaurant = Outlet("restaurant_de_tarrowby");
  CAttraction* snackBar = Outlet("bufe_zarp");
  ASSERT_NE(restaurant, nullptr);
  ASSERT_NE(snackBar, nullptr);
  plat::SRand(7);
  OpenThePark();
  const std::string dishName = dish.name.Std();
  const std::string mealName = Foods().FindRestaurantFood(kHotMeals, kFishAndChips)->name.Std();
  const std::string snackName = Foods().FindKioskFood(kPopcorn)->name.Std();
  auto allSold = [&] {
    return Sold(Sales(kMealCode), dishName) && Sold(Sales(kMealCode), mealName) && Sold(Sales(kSnackCode), snackName);
  };
  for (int wave = 0; wave < kMaxWaves && !allSold(); ++wave) {
    QueueVisitors(*restaurant, kQueueRestaurant);
    QueueVisitors(*snackBar, kQueueSnackBar);
    RunUntilTheOutletsEmpty(*restaurant, *snackBar);
  }
  const auto meals = Sales(kMealCode);
  const auto snacks = Sales(kSnackCode);
  ASSERT_TRUE(allSold()) << meals.size() << " meals, " << snacks.size() << " snacks";

  // Each sale was at the price the outlet asked at the time: the new ones
  // for what the player changed.
  for (const auto& [name, price] : meals) {
    if (name == dishName) {
      EXPECT_EQ(price, dishPrice);
    } else if (name == mealName) {
      EXPECT_EQ(price, mealPrice);
    }
  }
  for (const auto& [name, price] : snacks) {
    if (name == snackName) {
      EXPECT_EQ(price, popcornPrice);
    }
  }
  // The ledger holds every sale, and the finance overview shows it.
  EXPECT_EQ(LedgerSum(ledger::kRestaurantMeal), Total(meals));
  EXPECT_EQ(LedgerSum(ledger::kKioskFood), Total(snacks));
  Press({kSummaryButton});
  ASSERT_TRUE(IsShown(10158));
  EXPECT_EQ(Text(10168), std::to_string(Total(snacks)) + " ");
  EXPECT_EQ(Text(10169), std::to_string(Total(meals)) + " ");
}

}  // namespace
