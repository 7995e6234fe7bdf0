// What a visitor buys at a sweet shop, a snack bar and a restaurant, and
// how each sale is booked.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "characters/REraduzizVisitor.h"
#include "park/foods/CFoodCatalog.h"
#include "platform/os/Random.h"
#include "tests/characters/FakeCharacterWorld.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace {

using chartest::FakeCharacterWorld;

class Shopper : public REraduzizVisitor {
 public:
  using REraduzizVisitor::BuyMeal;
  using REraduzizVisitor::BuySnack;
  using REraduzizVisitor::BuySweets;
  void SetTaste(int32_t type, int32_t liked, int32_t disliked) {
    m_activityRecords[std::size_t(type)].firstId = liked;
    m_activityRecords[std::size_t(type)].secondId = disliked;
  }
};

std::unique_ptr<FoodRecord> Food(const char* name, int32_t cost, int32_t kind = FoodRecord::kHotMeal) {
  auto food = std::make_unique<FoodRecord>();
  food->name = name;
  food->cost = cost;
  food->del = kind;
  return food;
}

void AddTopping(FoodRecord& food, int32_t id, bool active) {
  auto topping = std::make_unique<ToppingRecord>();
  topping->id = id;
  topping->active = active ? 1 : 0;
  food.toppings.push_back(std::move(topping));
}

class VisitorPurchasesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SRand(1);
    world_.foods = &foods_;
    park_.clock = {2026, 4, 2, 13, 0};
    visitor_.SetMoney(50);
  }
  // One restaurant food type holding the food.
  FoodRecord& AddMealType(std::unique_ptr<FoodRecord> food) {
    auto type = std::make_unique<FoodTypeRecord>();
    FoodRecord& added = *food;
    type->foods.push_back(std::move(food));
    foods_.restaurantFoodTypes.push_back(std::move(type));
    return added;
  }
  // Nothing was bought: no booking, no money moved, no litter.
  void ExpectNoSale() {
    EXPECT_TRUE(park_.booked.empty());
    EXPECT_EQ(world_.cash, 0);
    EXPECT_TRUE(world_.salesRecords.empty());
    EXPECT_EQ(visitor_.GetMoney(), 50);
    EXPECT_FALSE(visitor_.HasLitter());
  }

  FakeCharacterWorld world_;
  managertest::FakeVisitorPark park_;
  CFoodCatalog foods_;
  Shopper visitor_;
};

TEST_F(VisitorPurchasesTest, EachKindOfSaleIsBookedPaidAndCarriedOffAsLitter) {
  struct Case {
    const char* what;
    bool (*buy)(Shopper&);
    int32_t category, kind, recordCode;
    CCharacterWorld::SalesTotal total;
  };
  const Case cases[] = {
      {"sweets", [](Shopper& v) { return v.BuySweets(); }, 6, 17, 8, CCharacterWorld::SalesTotal::kSweets},
      {"snack", [](Shopper& v) { return v.BuySnack(); }, 4, 15, 6, CCharacterWorld::SalesTotal::kSnacks},
      {"meal", [](Shopper& v) { return v.BuyMeal(nullptr); }, 4, 14, 7, CCharacterWorld::SalesTotal::kMeals},
  };
  world_.sweets = {{"Lolly", 12}};
  foods_.kioskFoods.push_back(Food("Patat", 12));
  AddMealType(Food("Stamppot", 12));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Shopper visitor;
    visitor.SetMoney(50);
    const int64_t cashBefore = world_.cash;
    const std::size_t booked = park_.booked.size();
    ASSERT_TRUE(c.buy(visitor));
    ASSERT_EQ(park_.booked.size(), booked + 1);
    const LedgerRecord& r = park_.booked.back();
    EXPECT_EQ(r.flag, 0);
    EXPECT_EQ(r.category, c.category);
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.subject, -1);
    EXPECT_EQ((std::array<int32_t, 4>{r.year, r.month, r.day, r.hour}), (std::array<int32_t, 4>{2026, 4, 2, 13}));
    EXPECT_EQ(r.amount, 12);
    EXPECT_EQ(r.flag2, 0);
    EXPECT_EQ(world_.cash - cashBefore, 12);
    EXPECT_EQ(world_.salesTotals[std::size_t(c.total)], 12);
    const FakeCharacterWorld::SalesRecord& sale = world_.salesRecords.back();
    EXPECT_EQ(sale.code, c.recordCode);
    EXPECT_EQ(sale.price, 12);
    EXPECT_EQ((std::array<int32_t, 3>{sale.year, sale.month, sale.day}), (std::array<int32_t, 3>{2026, 4, 2}));
    EXPECT_EQ(visitor.GetMoney(), 38);
    EXPECT_TRUE(visitor.HasLitter());
    EXPECT_LT(visitor.GetTimer(REraduzizVisitor::kLitterTimer).counter, 60);
  }
}

TEST_F(VisitorPurchasesTest, OnlyWhatTheVisitorCanPayIsBought) {
  world_.sweets = {{"Drop", 60}, {"Lolly", 50}, {"Gum", -5}, {"Toffee", 70}};
  // The only affordable one, at exactly the visitor's money.
  ASSERT_TRUE(visitor_.BuySweets());
  EXPECT_EQ(world_.salesRecords.back().name, "Lolly");
  EXPECT_EQ(visitor_.GetMoney(), 0);

  Shopper broke;
  const std::size_t booked = park_.booked.size();
  EXPECT_FALSE(broke.BuySweets());
  EXPECT_FALSE(broke.BuySnack());
  EXPECT_EQ(park_.booked.size(), booked);
  EXPECT_FALSE(broke.HasLitter());
}

TEST_F(VisitorPurchasesTest, EmptyOffersSellNothing) {
  EXPECT_FALSE(visitor_.BuySweets());
  EXPECT_FALSE(visitor_.BuySnack());
  EXPECT_FALSE(visitor_.BuyMeal(nullptr));
  // A food type without foods.
  foods_.restaurantFoodTypes.push_back(std::make_unique<FoodTypeRecord>());
  EXPECT_FALSE(visitor_.BuyMeal(nullptr));
  ExpectNoSale();
}

TEST_F(VisitorPurchasesTest, OfTwoAffordableSweetsTheFirstStaysTheChoiceAboutHalfTheTime) {
  world_.sweets = {{"Drop", 1}, {"Lolly", 1}};
  constexpr int kTrials = 400;
  int first = 0;
  for (int n = 0; n < kTrials; ++n) {
    Shopper visitor;
    visitor.SetMoney(10);
    ASSERT_TRUE(visitor.BuySweets());
    if (world_.salesRecords.back().name == "Drop") ++first;
  }
  EXPECT_GT(first, kTrials * 2 / 5);
  EXPECT_LT(first, kTrials * 3 / 5);
}

TEST_F(VisitorPurchasesTest, MealsHonourTheVisitorsTasteInTheActiveToppings) {
  constexpr int32_t kCheese = 4, kOnion = 7;
  visitor_.SetTaste(0, kCheese, kOnion);
  struct Case {
    const char* what;
    bool onionActive;
    bool bought;
  };
  for (const Case c : {Case{"disliked topping on offer", true, false}, Case{"disliked topping not on offer", false, true}}) {
    SCOPED_TRACE(c.what);
    foods_.restaurantFoodTypes.clear();
    FoodRecord& burger = AddMealType(Food("Burger", 10, FoodRecord::kComposed));
    AddTopping(burger, kCheese, true);
    AddTopping(burger, kOnion, c.onionActive);
    REraduzizVisitor::MealPurchase meal;
    ASSERT_EQ(visitor_.BuyMeal(&meal), c.bought);
    if (!c.bought) continue;
    EXPECT_EQ(meal.foodType, 0);
    EXPECT_EQ(meal.food, 0);
    EXPECT_EQ(meal.name.Std(), "Burger");
    EXPECT_TRUE(meal.liked);
    EXPECT_FALSE(meal.disliked);
    EXPECT_TRUE(meal.topped);
    // Toppings cost nothing extra.
    EXPECT_EQ(park_.booked.back().amount, 10);
    EXPECT_EQ(visitor_.GetMoney(), 40);
  }
}

TEST_F(VisitorPurchasesTest, APlainMealReportsNoTasteAndFeedsTheVisitor) {
  AddMealType(Food("Soep", 8));
  visitor_.GetAttributes().SetAll(20, 20, 50, 50);
  REraduzizVisitor::MealPurchase meal;
  ASSERT_TRUE(visitor_.BuyMeal(&meal));
  EXPECT_FALSE(meal.liked || meal.disliked || meal.topped);
  EXPECT_GT(visitor_.GetAttributes().GetValue1(), 20);
  EXPECT_GT(visitor_.GetAttributes().GetValue2(), 20);
}

// A visitor likes and dislikes in three food types only: a catalogue with
// more types sells the further types' foods too, with no like or dislike
// (a topping that would be disliked in the first type does not count).
TEST_F(VisitorPurchasesTest, AFoodTypeBeyondTheThreeTastesSellsWithoutLikesOrDislikes) {
  for (int n = 0; n < 3; ++n) foods_.restaurantFoodTypes.push_back(std::make_unique<FoodTypeRecord>());
  FoodRecord& pancake = AddMealType(Food("Pannenkoek", 5, FoodRecord::kComposed));
  AddTopping(pancake, 2, true);
  visitor_.SetTaste(0, 2, 2);
  REraduzizVisitor::MealPurchase meal;
  bool bought = false;
  for (int n = 0; n < 50 && !bought; ++n) bought = visitor_.BuyMeal(&meal);
  ASSERT_TRUE(bought);
  EXPECT_EQ(meal.foodType, 3);
  EXPECT_EQ(meal.name, "Pannenkoek");
  EXPECT_TRUE(meal.topped);
  EXPECT_FALSE(meal.liked || meal.disliked);
  EXPECT_EQ(visitor_.GetMoney(), 45);
}

}  // namespace
