#include "tests/screens/FoodScreensTestSupport.h"

namespace foodtest {

std::unique_ptr<FoodRecord> MakeFood(int32_t id, const char* name, int32_t cost, int32_t del,
                                     const std::vector<Topping>& toppings) {
  auto food = std::make_unique<FoodRecord>();
  food->id = id;
  food->name = name;
  food->cost = cost;
  food->del = del;
  for (const Topping& topping : toppings) {
    food->toppings.push_back(
        std::make_unique<ToppingRecord>(ToppingRecord{topping.id, topping.name, topping.cost, topping.active}));
  }
  return food;
}

FoodTypeRecord& AddFoodType(CFoodCatalog& catalog, int32_t id, const char* name, int32_t cost) {
  auto type = std::make_unique<FoodTypeRecord>();
  type->id = id;
  type->name = name;
  type->cost = cost;
  catalog.restaurantFoodTypes.push_back(std::move(type));
  return *catalog.restaurantFoodTypes.back();
}

ToppingTypeRecord& AddToppingType(CFoodCatalog& catalog, int32_t id, const char* name,
                                  const std::vector<Topping>& toppings) {
  auto type = std::make_unique<ToppingTypeRecord>();
  type->id = id;
  type->name = name;
  for (const Topping& topping : toppings) {
    type->toppings.push_back(std::make_unique<ToppingRecord>(ToppingRecord{topping.id, topping.name, topping.cost, 0}));
  }
  catalog.toppingTypes.push_back(std::move(type));
  return *catalog.toppingTypes.back();
}

void FillCatalog(CFoodCatalog& catalog) {
  catalog.Clear();
  AddToppingType(catalog, kBurgerType, "Burger toppings",
                 {{kLettuce, "Lettuce", 1, 0}, {kCheese, "Cheese", 2, 0}, {kBacon, "Bacon", 5, 0}});
  catalog.kioskFoods.push_back(MakeFood(4, "Popcorn", 3, FoodRecord::kHotMeal));
  catalog.kioskFoods.push_back(MakeFood(9, "Lemonade", 2, FoodRecord::kHotMeal));
  FoodTypeRecord& meals = AddFoodType(catalog, kHotMealType, "Hot meals", 14);
  meals.foods.push_back(MakeFood(0, "Fish and chips", 5, FoodRecord::kHotMeal));
  meals.foods.push_back(MakeFood(1, "Soup", 1, FoodRecord::kHotMeal));
  FoodTypeRecord& burgers = AddFoodType(catalog, kBurgerType, "Burgers", 12);
  burgers.foods.push_back(MakeFood(3, "Classic", 4, FoodRecord::kComposed,
                                   {{kLettuce, "Lettuce", 1, 1}, {kCheese, "Cheese", 2, 0}, {kBacon, "Bacon", 5, 0}}));
  burgers.foods.push_back(MakeFood(7, "Cheeseburger", 6, FoodRecord::kComposed,
                                   {{kLettuce, "Lettuce", 1, 1}, {kCheese, "Cheese", 2, 1}, {kBacon, "Bacon", 5, 0}}));
}

void FoodScreensTest::SetUp() {
  FillCatalog(catalog);
  world.host.foodCatalog = &catalog;
  screentest::LoadDemoGui(world.kit.Gui());
  world.screens.CreateAll();
  world.host.flags.gameRunning = 1;
  world.host.flags.foodMenuOpen = 1;
  world.host.objects = {"restaurant_de_tarrowby", "bufe_zarp"};
}

void FoodScreensTest::TearDown() { world.host.foodCatalog = nullptr; }

void FoodScreensTest::Press(std::initializer_list<int32_t> buttons) {
  for (int32_t button : buttons) {
    world.Click(button);
    world.RunPass();
  }
  world.RunPass();
}

void FoodScreensTest::Mark(int32_t list, int32_t row) {
  if (auto* grid = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(list))) grid->SetSelectedRow(row, true);
}

void FoodScreensTest::Choose(int32_t list, int32_t row) {
  Mark(list, row);
  world.Select(list, row);
  world.RunPass();
  world.RunPass();
}

void FoodScreensTest::OpenType(int32_t row) {
  Press({screen_ids::kRestaurantButton});
  Choose(10131, row);
}

void FoodScreensTest::OpenFood(int32_t row) {
  Mark(10345, row);
  Press({10347});
}

void FoodScreensTest::TypeName(const std::string& name) {
  auto* box = dynamic_cast<CGuiEditBox*>(world.kit.Gui().FindElement(10148));
  ASSERT_NE(box, nullptr);
  box->SetText(name.c_str(), 0, kGuiBlack);
}

std::string FoodScreensTest::Text(int32_t id) {
  auto* text = dynamic_cast<CGuiStaticText*>(world.kit.Gui().FindElement(id));
  return text ? text->GetText().Std() : "<missing>";
}

std::vector<std::string> FoodScreensTest::Rows(int32_t list) {
  std::vector<std::string> names;
  auto* grid = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(list));
  if (!grid) return names;
  for (int32_t row = 0; row < grid->GetTotalRows(); ++row) {
    const GridCell* cell = grid->FindCell(0, row);
    names.push_back(cell ? cell->text.Std() : "<none>");
  }
  return names;
}

CGuiButton* FoodScreensTest::Button(int32_t id) { return dynamic_cast<CGuiButton*>(world.kit.Gui().FindElement(id)); }

}  // namespace foodtest
