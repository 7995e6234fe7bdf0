// The food topping screen over the demo GUI: composing new foods, editing
// and cancelling, toppings found by their ids, unique names and the price
// range; and a screen whose food was deleted or reloaded meanwhile.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/core/SceneStream.h"
#include "screens/REraduzizFoodFeltetScreen.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/screens/FoodScreensTestSupport.h"

namespace {

using foodtest::AddFoodType;
using foodtest::FoodScreensTest;
using foodtest::kBacon;
using foodtest::kBurgerRow;
using foodtest::kBurgerType;
using foodtest::kCheese;
using foodtest::kLettuce;
using foodtest::MakeFood;
using Screen = REraduzizFoodFeltetScreen;
using Strings = std::vector<std::string>;

constexpr int32_t kToppingPage = 10143;
constexpr int32_t kMenuList = 10345;
constexpr int32_t kNew = 10346;

class FoodToppingTest : public FoodScreensTest {
 protected:
  Screen& Topping() { return *world.screens.foodFeltetScreen; }
  void Compose() {
    OpenType(kBurgerRow);
    Press({kNew});
  }
  // Chooses the topping of that row in a list and clicks the button.
  void Move(int32_t list, int32_t row, int32_t button) {
    Mark(list, row);
    Press({button});
  }
  int32_t Price() { return std::stoi(Text(Screen::kPriceId)); }
  std::vector<std::string> BurgerNames() {
    std::vector<std::string> names;
    for (const auto& food : catalog.FindFoodType(kBurgerType)->foods) names.push_back(food->name.Std());
    return names;
  }
};

// --- Composing ----------------------------------------------------------------

TEST_F(FoodToppingTest, ComposingStartsANewFoodWithEveryToppingOfItsTypeAvailable) {
  Compose();
  ASSERT_TRUE(world.IsShown(kToppingPage));
  EXPECT_TRUE(Topping().IsComposing());
  const FoodRecord* food = Topping().CurrentFood();
  ASSERT_NE(food, nullptr);
  EXPECT_EQ(food->cost, Screen::kNewFoodCost);
  EXPECT_EQ(food->del, FoodRecord::kComposed);
  EXPECT_EQ(Text(Screen::kTitleId), "Burger toppings");
  EXPECT_EQ(dynamic_cast<CGuiEditBox*>(world.kit.Gui().FindElement(Screen::kNameBoxId))->GetText().Std(), "New dish");
  EXPECT_TRUE(Rows(Screen::kOfferedListId).empty());
  EXPECT_EQ(Rows(Screen::kAvailableListId), (Strings{"Lettuce", "Cheese", "Bacon"}));
  // The first row's topping id, not the position 0.
  EXPECT_EQ(Topping().availableSelection, kLettuce);
  EXPECT_EQ(Topping().offeredSelection, -1);
  // Nothing offered yet: the accept button is inactive.
  EXPECT_FALSE(Button(Screen::kAcceptId)->interactive);
}

// The new id is one past the highest id of the type's foods.
TEST_F(FoodToppingTest, ANewFoodsIdFollowsTheHighestIdOfItsType) {
  const struct {
    std::vector<int32_t> ids;
    int32_t newId;
  } cases[] = {{{}, 0}, {{3, 7}, 8}, {{7, 3}, 8}, {{0}, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.ids));
    FoodTypeRecord* burgers = catalog.FindFoodType(kBurgerType);
    burgers->foods.clear();
    for (int32_t id : c.ids) burgers->foods.push_back(MakeFood(id, ("Dish" + std::to_string(id)).c_str(), 5, 1));
    Compose();
    EXPECT_EQ(Topping().CurrentFood()->id, c.newId);
  }
}

TEST_F(FoodToppingTest, AcceptAddsTheComposedFoodOnceWithItsToppingsAndPrice) {
  // A second type with the same id must not get the same food as well.
  AddFoodType(catalog, kBurgerType, "Burgers again", 12);
  Compose();
  Move(Screen::kAvailableListId, 2, Screen::kOfferId);  // bacon
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);  // lettuce
  EXPECT_EQ(Rows(Screen::kOfferedListId), (Strings{"Lettuce", "Bacon"}));
  EXPECT_EQ(Price(), Screen::kNewFoodCost + 5 + 1);
  EXPECT_TRUE(Button(Screen::kAcceptId)->interactive);
  TypeName("Big one");
  Press({Screen::kAcceptId});

  EXPECT_FALSE(world.IsShown(kToppingPage));
  EXPECT_EQ(BurgerNames(), (Strings{"Classic", "Cheeseburger", "Big one"}));
  EXPECT_TRUE(catalog.restaurantFoodTypes.back()->foods.empty());
  const FoodRecord* food = Burger(8);
  ASSERT_NE(food, nullptr);
  EXPECT_EQ(food->cost, Screen::kNewFoodCost + 6);
  ASSERT_EQ(food->toppings.size(), 3u);
  EXPECT_EQ(food->FindTopping(kBacon)->active, 1);
  EXPECT_EQ(food->FindTopping(kCheese)->active, 0);
  // The menu items show it.
  EXPECT_EQ(Rows(kMenuList), (Strings{"Classic", "Cheeseburger", "Big one"}));
  // The next new food starts afresh.
  Press({kNew});
  EXPECT_EQ(Topping().CurrentFood()->id, 9);
  EXPECT_TRUE(Rows(Screen::kOfferedListId).empty());
}

TEST_F(FoodToppingTest, AcceptWithAnEmptyNameOrWithoutAToppingDoesNothing) {
  Compose();
  TypeName("No toppings");
  Press({Screen::kAcceptId});
  EXPECT_TRUE(world.IsShown(kToppingPage));
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  TypeName("");
  Press({Screen::kAcceptId});
  EXPECT_TRUE(world.IsShown(kToppingPage));
  EXPECT_EQ(BurgerNames(), (Strings{"Classic", "Cheeseburger"}));
  for (const GuiCommand& command : world.Queue()) EXPECT_NE(command.sender, Screen::kAcceptId);
}

// --- The tutorial -------------------------------------------------------------

// The menu lesson ends when the player composes a dish: the lesson is done,
// the progress kept, and the closed message leads back to the lesson menu.
// Editing a dish, a dish whose type is gone meanwhile (nothing is added),
// another lesson or a game outside the tutorial end nothing.
TEST_F(FoodToppingTest, AComposedDishEndsTheMenuLessonOfTheTutorialOnly) {
  constexpr int32_t kMessageClose = 10393, kLessonMenu = 10446;
  const struct {
    const char* name;
    uint8_t tutorialMode;
    int32_t lesson;
    bool composes;
    bool typeGone;
    bool ends;
  } cases[] = {
      {"composed in the menu lesson", 1, REraduzizTutorialScreen::kMenuLesson, true, false, true},
      {"edited in the menu lesson", 1, REraduzizTutorialScreen::kMenuLesson, false, false, false},
      {"composed for a type that is gone", 1, REraduzizTutorialScreen::kMenuLesson, true, true, false},
      {"composed in another lesson", 1, REraduzizTutorialScreen::kRestaurantLesson, true, false, false},
      {"composed outside the tutorial", 0, REraduzizTutorialScreen::kMenuLesson, true, false, false},
  };
  REraduzizTutorialScreen& tutorial = *world.screens.tutorialScreen;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    foodtest::FillCatalog(catalog);
    std::fill(std::begin(tutorial.lessonDone), std::end(tutorial.lessonDone), uint8_t(0));
    tutorial.lesson = c.lesson;
    tutorial.eventAllowed = 1;
    world.host.flags.tutorialMode = c.tutorialMode;
    world.host.tutorialSettingsApplied = 0;
    OpenType(kBurgerRow);
    if (c.composes) {
      Press({kNew});
    } else {
      OpenFood(0);
    }
    Move(Screen::kAvailableListId, 0, Screen::kOfferId);
    TypeName("Lesson burger");
    if (c.typeGone) std::erase_if(catalog.restaurantFoodTypes, [](const auto& t) { return t->id == kBurgerType; });
    Press({Screen::kAcceptId});
    EXPECT_FALSE(world.IsShown(kToppingPage));

    EXPECT_EQ(tutorial.lessonDone[c.lesson], c.ends ? 1 : 0);
    EXPECT_EQ(tutorial.lesson, c.ends ? c.lesson + 1 : c.lesson);
    EXPECT_EQ(world.host.tutorialSettingsApplied, c.ends ? 1 : 0);
    EXPECT_EQ(world.host.flags.messageOpen, c.ends ? 1 : 0);
    if (!c.ends) continue;
    EXPECT_EQ(tutorial.eventAllowed, 0);
    EXPECT_EQ(world.screens.messageWindow->GetTag(), REraduzizTutorialScreen::kLessonMessageTag);
    EXPECT_TRUE(world.IsShown(10391)) << "the lesson's message";
    // The saved progress holds the new dish.
    EXPECT_EQ(BurgerNames().back(), "Lesson burger");
    Press({kMessageClose});
    EXPECT_EQ(world.host.flags.messageOpen, 0);
    EXPECT_TRUE(world.IsShown(kLessonMenu));
    EXPECT_EQ(world.host.flags.modal, 1);
    EXPECT_EQ(tutorial.lessonButtons[c.lesson]->forcedState, kStatePressed);
  }
}

// The message's callback moves the tutorial on only for its own tag and
// with a screen as its context.
TEST_F(FoodToppingTest, TheLessonMessagesCallbackNeedsItsContextAndTag) {
  constexpr int32_t kLessonMenu = 10446;
  Screen::FoodFeltetQuestionCallback(nullptr, 0, REraduzizTutorialScreen::kLessonMessageTag, 0, 0);
  Screen::FoodFeltetQuestionCallback(&Topping(), 0, REraduzizTutorialScreen::kLessonMessageTag + 1, 0, 0);
  world.RunPass();
  EXPECT_FALSE(world.IsShown(kLessonMenu));
  Screen::FoodFeltetQuestionCallback(&Topping(), 0, REraduzizTutorialScreen::kLessonMessageTag, 0, 0);
  world.RunPass();
  EXPECT_TRUE(world.IsShown(kLessonMenu));
}

// --- Names --------------------------------------------------------------------

// Each clash appends "/a", and the passes repeat until one finds none.
// Composing counts every type's foods; editing skips its own type's.
TEST_F(FoodToppingTest, NamesAreMadeUniqueByAppendingASuffixPerClash) {
  FoodTypeRecord& pizzas = AddFoodType(catalog, 1, "Pizzas", 15);
  pizzas.foods.push_back(MakeFood(0, "Fish", 5, 1));
  pizzas.foods.push_back(MakeFood(1, "Fish/a", 5, 1));
  pizzas.foods.push_back(MakeFood(2, "Margherita", 5, 1));
  const struct {
    const char* name;
    int32_t skipType;
    const char* unique;
  } cases[] = {
      {"Fresh", -1, "Fresh"},          {"Margherita", -1, "Margherita/a"},  {"Fish", -1, "Fish/a/a"},
      {"Classic", -1, "Classic/a"},    {"Classic", kBurgerType, "Classic"}, {"Margherita", kBurgerType, "Margherita/a"},
      {"Margherita", 1, "Margherita"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Screen::UniqueName(catalog, c.name, c.skipType), c.unique) << c.name << " skipping " << c.skipType;
  }
}

TEST_F(FoodToppingTest, ComposingAndEditingKeepTheirNameRules) {
  FoodTypeRecord& pizzas = AddFoodType(catalog, 1, "Pizzas", 15);
  pizzas.foods.push_back(MakeFood(0, "Margherita", 5, 1));
  Compose();
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  TypeName("Classic");
  Press({Screen::kAcceptId});
  EXPECT_EQ(BurgerNames(), (Strings{"Classic", "Cheeseburger", "Classic/a"}));

  // Renamed to its own type's name it keeps it; to another type's it does not.
  OpenFood(1);
  TypeName("Classic");
  Press({Screen::kAcceptId});
  OpenFood(0);
  TypeName("Margherita");
  Press({Screen::kAcceptId});
  EXPECT_EQ(BurgerNames(), (Strings{"Margherita/a", "Classic", "Classic/a"}));
}

TEST_F(FoodToppingTest, ANameTooLongForASavedParkIsRefused) {
  Compose();
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  TypeName(std::string(SceneStream::kMaxStringBytes + 1, 'x'));
  Press({Screen::kAcceptId});
  EXPECT_TRUE(world.IsShown(kToppingPage));
  EXPECT_EQ(BurgerNames().size(), 2u);
}

// --- Toppings and price -------------------------------------------------------

TEST_F(FoodToppingTest, ToppingsAreFoundByIdAndMoveThePriceWithinItsRange) {
  OpenType(kBurgerRow);
  OpenFood(0);  // Classic: 4, lettuce offered
  FoodRecord* classic = Burger(3);
  EXPECT_EQ(Rows(Screen::kOfferedListId), (Strings{"Lettuce"}));
  EXPECT_EQ(Rows(Screen::kAvailableListId), (Strings{"Cheese", "Bacon"}));
  EXPECT_EQ(Topping().availableSelection, kCheese);

  // Bacon (id 30, the third topping) is offered: the price follows at once.
  Move(Screen::kAvailableListId, 1, Screen::kOfferId);
  EXPECT_EQ(classic->FindTopping(kBacon)->active, 1);
  EXPECT_EQ(classic->cost, 9);
  EXPECT_EQ(Price(), 9);
  Press({Screen::kPriceDownId, Screen::kPriceDownId, Screen::kPriceDownId, Screen::kPriceDownId, Screen::kPriceDownId,
         Screen::kPriceDownId, Screen::kPriceDownId});
  EXPECT_EQ(classic->cost, 2);
  // Removing bacon, which costs more than the price, leaves the price at 1.
  Move(Screen::kOfferedListId, 1, Screen::kRemoveId);
  EXPECT_EQ(classic->FindTopping(kBacon)->active, 0);
  EXPECT_EQ(classic->cost, FoodRecord::kMinCost);
  Press({Screen::kPriceDownId});
  EXPECT_EQ(classic->cost, FoodRecord::kMinCost);
  EXPECT_EQ(Rows(Screen::kOfferedListId), (Strings{"Lettuce"}));

  classic->cost = FoodRecord::kMaxCost - 1;
  Press({Screen::kPriceUpId, Screen::kPriceUpId});
  EXPECT_EQ(classic->cost, FoodRecord::kMaxCost);
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  EXPECT_EQ(classic->cost, FoodRecord::kMaxCost);
}

TEST_F(FoodToppingTest, AToppingIdThatTheFoodLacksChangesNothing) {
  OpenType(kBurgerRow);
  OpenFood(0);
  auto* available = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(Screen::kAvailableListId));
  ASSERT_NE(available, nullptr);
  available->FindCell(0, 0)->data = 99;
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  EXPECT_EQ(Burger(3)->cost, 4);
  EXPECT_EQ(Rows(Screen::kOfferedListId), (Strings{"Lettuce"}));
}

// --- Cancel -------------------------------------------------------------------

TEST_F(FoodToppingTest, CancelRestoresEveryChangeOfTheEditedFood) {
  OpenType(kBurgerRow);
  OpenFood(1);  // Cheeseburger: 6, lettuce and cheese offered
  Move(Screen::kOfferedListId, 0, Screen::kRemoveId);
  Move(Screen::kAvailableListId, 1, Screen::kOfferId);
  Press({Screen::kPriceUpId, Screen::kPriceUpId});
  FoodRecord* food = Burger(7);
  food->del = FoodRecord::kHotMeal;
  food->name = "Changed";
  Press({Screen::kCancelId});

  EXPECT_FALSE(world.IsShown(kToppingPage));
  ASSERT_EQ(food, Burger(7));
  EXPECT_EQ(food->name, "Cheeseburger");
  EXPECT_EQ(food->cost, 6);
  EXPECT_EQ(food->del, FoodRecord::kComposed);
  std::vector<int32_t> active;
  for (const auto& topping : food->toppings) active.push_back(topping->active);
  EXPECT_EQ(active, (std::vector<int32_t>{1, 1, 0}));
  // The menu items show the restored food again and take clicks.
  EXPECT_EQ(Rows(kMenuList), (Strings{"Classic", "Cheeseburger"}));
  EXPECT_TRUE(Button(kNew)->interactive);
}

TEST_F(FoodToppingTest, CancellingANewFoodAddsNothing) {
  Compose();
  Move(Screen::kAvailableListId, 0, Screen::kOfferId);
  Press({Screen::kCancelId});
  EXPECT_FALSE(world.IsShown(kToppingPage));
  EXPECT_EQ(BurgerNames(), (Strings{"Classic", "Cheeseburger"}));
}

// --- A food that is gone ------------------------------------------------------

void EraseFirstBurger(CFoodCatalog& catalog) {
  auto& foods = catalog.FindFoodType(kBurgerType)->foods;
  foods.erase(foods.begin());
}

// The edited food deleted or the whole catalogue reloaded while the page
// is open: the screen holds no record, so every button is safe (the
// sanitizers see any use of a freed one) and changes nothing.
TEST_F(FoodToppingTest, AFoodThatIsGoneIsNeitherUsedNorRestored) {
  const struct {
    const char* name;
    void (*takeAway)(CFoodCatalog&);
  } cases[] = {
      {"deleted", [](CFoodCatalog& c) { EraseFirstBurger(c); }},
      {"reloaded without it",
       [](CFoodCatalog& c) {
         foodtest::FillCatalog(c);
         EraseFirstBurger(c);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    foodtest::FillCatalog(catalog);
    OpenType(kBurgerRow);
    OpenFood(0);
    ASSERT_EQ(Topping().CurrentFood(), Burger(3));
    c.takeAway(catalog);
    EXPECT_EQ(Topping().CurrentFood(), nullptr);
    Move(Screen::kAvailableListId, 0, Screen::kOfferId);
    Move(Screen::kOfferedListId, 0, Screen::kRemoveId);
    Press({Screen::kPriceUpId, Screen::kPriceDownId});
    TypeName("Renamed");
    Press({Screen::kAcceptId, Screen::kCancelId});
    EXPECT_EQ(BurgerNames(), (Strings{"Cheeseburger"}));
    EXPECT_EQ(Burger(7)->cost, 6);
    EXPECT_FALSE(world.IsShown(kToppingPage));
  }
}

// Reopened after a reload, the screen edits the reloaded record.
TEST_F(FoodToppingTest, AfterAReloadTheScreenEditsTheNewRecords) {
  OpenType(kBurgerRow);
  OpenFood(0);
  Press({Screen::kCancelId});
  foodtest::FillCatalog(catalog);
  OpenType(kBurgerRow);
  OpenFood(0);
  Press({Screen::kPriceUpId});
  EXPECT_EQ(Burger(3)->cost, 5);
  Press({Screen::kCancelId});
  EXPECT_EQ(Burger(3)->cost, 4);
}

}  // namespace
