// What a visitor buys when its stay in a sweet shop, a snack bar or a
// restaurant ends: one affordable item, paid into the park's cash, booked in
// the ledger and the sales, and carried off as litter.
#include "characters/CVisitorPark.h"
#include "characters/REraduzizVisitor.h"
#include "park/foods/CFoodCatalog.h"
#include "platform/os/Random.h"

// Where a sale of each kind is booked.
struct REraduzizVisitor::SaleKind {
  int32_t category;
  int32_t kind;
  int32_t recordCode;
  CCharacterWorld::SalesTotal total;
};

namespace {

constexpr REraduzizVisitor::SaleKind kSweets{6, 17, 8, CCharacterWorld::SalesTotal::kSweets};
constexpr REraduzizVisitor::SaleKind kSnack{4, 15, 6, CCharacterWorld::SalesTotal::kSnacks};
constexpr REraduzizVisitor::SaleKind kMeal{4, 14, 7, CCharacterWorld::SalesTotal::kMeals};
constexpr int32_t kNoSubject = -1;
// Each later affordable item takes the place of the choice at these odds.
constexpr double kSwitchChance = 0.5;
// The litter is thrown away within this many game seconds.
constexpr int32_t kLitterSpread = 60;
// A meal feeds and pleases.
constexpr int16_t kMealSecondValue = 40;
constexpr int16_t kMealFirstValue = 30;
constexpr int32_t kActiveTopping = 1;

// A price a visitor can pay; a negative one (a broken foods file) is no offer.
bool Affordable(int32_t price, uint16_t money) { return price >= 0 && price <= money; }

// The first affordable item, replaced at even odds by a later one (which
// ends the walk); -1 when none is affordable.
int32_t ChooseItem(const std::vector<CCharacterWorld::ShopItem>& items, uint16_t money) {
  int32_t choice = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!Affordable(items[i].price, money)) continue;
    if (choice < 0) {
      choice = int32_t(i);
    } else if (plat::Rand() / REraduzizVisitor::kRandomRangeDivisor < kSwitchChance) {
      return int32_t(i);
    }
  }
  return choice;
}

std::vector<CCharacterWorld::ShopItem> KioskFoods(const CFoodCatalog* foods) {
  std::vector<CCharacterWorld::ShopItem> items;
  if (!foods) return items;
  for (const auto& food : foods->kioskFoods)
    if (food) items.push_back({food->name, food->cost});
  return items;
}

}  // namespace

void REraduzizVisitor::BookSale(const SaleKind& sale, int32_t price, const EngineString& name) {
  CCharacterWorld* world = CCharacterWorld::Get();
  CVisitorPark* park = CVisitorPark::Get();
  const CVisitorPark::Clock clock = park ? park->GetClock() : CVisitorPark::Clock{};
  if (park) {
    park->Book({0, sale.category, sale.kind, kNoSubject, clock.year, clock.month, clock.day, clock.hour, price, 0});
  }
  world->AddCash(price);
  world->AddSalesTotal(sale.total, price);
  world->AddSalesRecord(price, clock.year, clock.month, clock.day, sale.recordCode, name);
  m_money = AddMoney(m_money, -price);
  m_litter = 1;
  SetCounterWithTime(kLitterTimer, plat::Rand() % kLitterSpread);
}

bool REraduzizVisitor::BuySweets() {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return false;
  const std::vector<CCharacterWorld::ShopItem> items = world->GetSweetShopItems();
  const int32_t choice = ChooseItem(items, m_money);
  if (choice < 0) return false;
  const CCharacterWorld::ShopItem& item = items[std::size_t(choice)];
  BookSale(kSweets, item.price, item.name);
  return true;
}

bool REraduzizVisitor::BuySnack() {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return false;
  const std::vector<CCharacterWorld::ShopItem> items = KioskFoods(world->GetFoodCatalog());
  const int32_t choice = ChooseItem(items, m_money);
  if (choice < 0) return false;
  const CCharacterWorld::ShopItem& item = items[std::size_t(choice)];
  BookSale(kSnack, item.price, item.name);
  return true;
}

bool REraduzizVisitor::BuyMeal(MealPurchase* meal) {
  CCharacterWorld* world = CCharacterWorld::Get();
  const CFoodCatalog* foods = world ? world->GetFoodCatalog() : nullptr;
  if (!foods) return false;
  const int32_t types = int32_t(foods->restaurantFoodTypes.size());
  if (types == 0) return false;
  const int32_t type = plat::Rand() % types;
  const FoodTypeRecord* foodType = foods->restaurantFoodTypes[std::size_t(type)].get();
  const int32_t count = foodType ? int32_t(foodType->foods.size()) : 0;
  // A visitor has tastes for the first three food types only: the foods of a
  // further type (the hot meals, say) are bought without a like or dislike.
  const ActivityRecord* taste = type < kActivityRecordCount ? &m_activityRecords[std::size_t(type)] : nullptr;
  for (int32_t attempt = 0; attempt < count; ++attempt) {
    const int32_t index = plat::Rand() % count;
    const FoodRecord* food = foodType->foods[std::size_t(index)].get();
    if (!food || !Affordable(food->cost, m_money)) continue;
    const bool topped = food->del != FoodRecord::kHotMeal;
    bool liked = false;
    bool disliked = false;
    for (const auto& topping : food->toppings) {
      if (!topped || !taste || !topping || topping->active != kActiveTopping) continue;
      liked = liked || topping->id == taste->firstId;
      disliked = disliked || topping->id == taste->secondId;
    }
    if (disliked) continue;
    if (meal) *meal = {type, index, food->name, liked, false, topped};
    m_attributes->AddSecond(kMealSecondValue);
    m_attributes->AddFirst(kMealFirstValue);
    BookSale(kMeal, food->cost, food->name);
    return true;
  }
  return false;
}
