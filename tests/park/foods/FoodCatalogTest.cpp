#include "park/foods/CFoodCatalog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlNode.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

using ledgertest::FileOf;
using ledgertest::Written;

constexpr const char* kFoodsFile = "\\Scenes\\foods\\Foods_NL.xml";

// Toppings with "active" in a topping type, toppings under a kiosk food,
// and records that lack attributes.
constexpr const char* kFixture = R"(<FoodDescriptor><DataDictionary>
  <FELTET_TYPES>
    <FELTET_TYPE id="0" name="Burger toppings">
      <FELTET id="0" name="Cheese" cost="2" active="1"/>
      <FELTET id="1" name="Bacon"/>
    </FELTET_TYPE>
    <FELTET_TYPE/>
  </FELTET_TYPES>
  <KIOSK>
    <FOOD id="4" name="Popcorn" cost="3" del="0"><FELTET id="0" name="Salt" cost="1" active="1"/></FOOD>
    <FOOD name="Lemonade" cost="many"/>
  </KIOSK>
  <RESTAURANT>
    <FOOD_TYPE id="0" name="Burgers" cost="12">
      <FOOD id="3" name="Cheeseburger" cost="15" del="1">
        <FELTET id="0" name="Cheese" cost="2" active="1"/>
        <FELTET id="1" name="Bacon" cost="3" active="0"/>
      </FOOD>
      <FOOD id="7"/>
    </FOOD_TYPE>
  </RESTAURANT>
</DataDictionary></FoodDescriptor>)";

XmlNode Parse(const char* text) { return XmlNode::ParseString(text, "FoodDescriptor"); }

std::string Name(const EngineString& s) { return s.CStr(); }

// The catalogue's content as one text, to compare two catalogues.
std::string Describe(const CFoodCatalog& catalog) {
  std::string text;
  auto add = [&text](const char* tag, int32_t id, const EngineString& name, int32_t a, int32_t b) {
    text += std::string(tag) + " " + std::to_string(id) + " " + name.CStr() + " " + std::to_string(a) + " " +
            std::to_string(b) + "\n";
  };
  for (const auto& type : catalog.toppingTypes) {
    add("toppings", type->id, type->name, 0, 0);
    for (const auto& t : type->toppings) add(" topping", t->id, t->name, t->cost, t->active);
  }
  for (const auto& food : catalog.kioskFoods) add("kiosk", food->id, food->name, food->cost, food->del);
  for (const auto& type : catalog.restaurantFoodTypes) {
    add("type", type->id, type->name, type->cost, 0);
    for (const auto& food : type->foods) {
      add(" food", food->id, food->name, food->cost, food->del);
      for (const auto& t : food->toppings) add("  topping", t->id, t->name, t->cost, t->active);
    }
  }
  return text;
}

class DemoFoods : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    path = (plat::CurrentDirectory() + kFoodsFile).c_str();
  }
  void TearDown() override { std::filesystem::current_path(m_previous); }

  EngineString path;

 private:
  std::filesystem::path m_previous;
};

}  // namespace

TEST(FoodCatalog, ReadsTheThreeSectionsAsTheirRecordsCarryThem) {
  CFoodCatalog catalog;
  catalog.LoadFromNode(Parse(kFixture));

  ASSERT_EQ(catalog.toppingTypes.size(), 2u);
  const ToppingTypeRecord& burgerToppings = *catalog.toppingTypes[0];
  ASSERT_EQ(burgerToppings.toppings.size(), 2u);
  EXPECT_EQ(burgerToppings.toppings[0]->cost, 2);
  EXPECT_EQ(burgerToppings.toppings[0]->active, 0) << "a topping type's toppings are not offered";
  EXPECT_EQ(Name(burgerToppings.toppings[1]->name), "Bacon");
  EXPECT_EQ(burgerToppings.toppings[1]->cost, 0) << "a missing cost reads as 0";
  EXPECT_EQ(catalog.toppingTypes[1]->id, -1);
  EXPECT_EQ(Name(catalog.toppingTypes[1]->name), "");

  ASSERT_EQ(catalog.kioskFoods.size(), 2u);
  EXPECT_TRUE(catalog.kioskFoods[0]->toppings.empty()) << "kiosk foods have no toppings";
  EXPECT_EQ(catalog.kioskFoods[1]->id, -1);
  EXPECT_EQ(catalog.kioskFoods[1]->cost, 0) << "a number that is not one reads as 0";
  EXPECT_EQ(catalog.kioskFoods[1]->del, FoodRecord::kHotMeal);

  ASSERT_EQ(catalog.restaurantFoodTypes.size(), 1u);
  const FoodTypeRecord& burgers = *catalog.restaurantFoodTypes[0];
  EXPECT_EQ(burgers.cost, 12);
  ASSERT_EQ(burgers.foods.size(), 2u);
  const FoodRecord& cheeseburger = *burgers.foods[0];
  EXPECT_EQ(cheeseburger.del, FoodRecord::kComposed);
  ASSERT_EQ(cheeseburger.toppings.size(), 2u);
  EXPECT_EQ(cheeseburger.toppings[0]->active, 1) << "a restaurant food's toppings keep active";
  EXPECT_EQ(cheeseburger.toppings[1]->active, 0);
  EXPECT_EQ(burgers.foods[1]->id, 7);
  EXPECT_EQ(Name(burgers.foods[1]->name), "");

  EXPECT_EQ(catalog.FindRestaurantFood(0, 7), burgers.foods[1].get());
  EXPECT_EQ(catalog.FindRestaurantFood(1, 3), nullptr);
  EXPECT_EQ(catalog.FindKioskFood(4), catalog.kioskFoods[0].get());
  EXPECT_EQ(catalog.FindToppingType(0), &burgerToppings);
}

TEST(FoodCatalog, MissingSectionsAddNothing) {
  for (const char* text : {"<FoodDescriptor/>", "<FoodDescriptor><DataDictionary/></FoodDescriptor>",
                           "<FoodDescriptor><DataDictionary><RESTAURANT/><KIOSK/></DataDictionary></FoodDescriptor>"}) {
    CFoodCatalog catalog;
    catalog.LoadFromNode(Parse(text));
    EXPECT_EQ(Describe(catalog), "") << text;
  }
}

TEST_F(DemoFoods, ReloadingGivesTheFileOnceAndLoadingAgainAppends) {
  CFoodCatalog catalog;
  catalog.LoadFoodDescriptorFile(path);
  const std::string once = Describe(catalog);
  ASSERT_FALSE(once.empty());
  catalog.Reload(path);
  EXPECT_EQ(Describe(catalog), once);
  const size_t kiosk = catalog.kioskFoods.size();
  const size_t types = catalog.restaurantFoodTypes.size();
  const size_t toppingTypes = catalog.toppingTypes.size();
  catalog.LoadFoodDescriptorFile(path);
  EXPECT_EQ(catalog.kioskFoods.size(), 2 * kiosk);
  EXPECT_EQ(catalog.restaurantFoodTypes.size(), 2 * types);
  EXPECT_EQ(catalog.toppingTypes.size(), 2 * toppingTypes);
}

// A foods file that is missing or cannot be read leaves an empty catalogue
// and a message that names the file; the game goes on.
TEST_F(DemoFoods, AnUnreadableFoodsFileGivesAMessageAndAnEmptyCatalogue) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("halvenor_foods_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const struct {
    const char* name;
    const char* content;  // null: no file
  } cases[] = {
      {"missing.xml", nullptr},
      {"empty.xml", ""},
      {"cut.xml", "<FoodDescriptor><DataDictionary><KIOSK><FOOD id=\"1\" name=\"Popcorn\""},
      {"unclosed.xml", "<FoodDescriptor><DataDictionary><KIOSK><FOOD id=\"1\" cost=\"3\"/></KIOSK>"},
      {"other.xml", "<Scenarios><DataDictionary/></Scenarios>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path file = folder / c.name;
    if (c.content) std::ofstream(file) << c.content;
    CFoodCatalog catalog;
    ASSERT_TRUE(catalog.Reload(path));
    plat::ClearMessageBoxes();
    EXPECT_FALSE(catalog.Reload(file.string().c_str()));
    EXPECT_EQ(Describe(catalog), "");
    const std::vector<plat::MessageBoxCall> boxes = plat::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(file.string()), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("could not be read"), std::string::npos) << boxes[0].text;
  }
  plat::ClearMessageBoxes();
  CFoodCatalog catalog;
  EXPECT_TRUE(catalog.LoadFoodDescriptorFile(path));
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  std::filesystem::remove_all(folder);
}

TEST_F(DemoFoods, TheDemoParkFoodsSuitTheScreensAndTheVisitors) {
  CFoodCatalog catalog;
  catalog.Reload(path);
  // Topping ids are their positions, in every list of toppings.
  auto numberedInOrder = [](const std::vector<std::unique_ptr<ToppingRecord>>& toppings) {
    for (size_t i = 0; i < toppings.size(); ++i) {
      if (toppings[i]->id != static_cast<int32_t>(i)) return false;
    }
    return true;
  };
  // The visitors draw a liked and a disliked topping from types 0, 1, 2.
  for (int32_t id = 0; id <= 2; ++id) {
    const ToppingTypeRecord* type = catalog.FindToppingType(id);
    ASSERT_NE(type, nullptr) << id;
    EXPECT_GE(type->toppings.size(), 2u) << id;
    EXPECT_TRUE(numberedInOrder(type->toppings)) << id;
  }
  bool hotMealsOnly = false;
  std::set<int32_t> typeIds;
  for (const auto& type : catalog.restaurantFoodTypes) {
    EXPECT_TRUE(typeIds.insert(type->id).second) << "type ids are unique: " << type->id;
    ASSERT_FALSE(type->foods.empty()) << type->id;
    bool allHot = true;
    for (const auto& food : type->foods) {
      allHot = allHot && food->del == FoodRecord::kHotMeal;
      if (food->del != FoodRecord::kComposed) continue;
      // A composed food carries the toppings of the topping type of its type.
      const ToppingTypeRecord* toppings = catalog.FindToppingType(type->id);
      ASSERT_NE(toppings, nullptr) << type->id;
      ASSERT_EQ(food->toppings.size(), toppings->toppings.size()) << Name(food->name);
      EXPECT_TRUE(numberedInOrder(food->toppings)) << Name(food->name);
      for (size_t i = 0; i < food->toppings.size(); ++i) {
        EXPECT_EQ(Name(food->toppings[i]->name), Name(toppings->toppings[i]->name)) << Name(food->name);
      }
    }
    hotMealsOnly = hotMealsOnly || allHot;
  }
  EXPECT_TRUE(hotMealsOnly) << "one food type holds hot meals only";
  EXPECT_FALSE(catalog.kioskFoods.empty());
}

TEST_F(DemoFoods, ASavedCatalogueReadsBackAsItWas) {
  CFoodCatalog saved;
  saved.Reload(path);
  saved.FindRestaurantFood(0, 1)->toppings[2]->active = 1;  // changed on a screen
  const std::string bytes = Written([&](SceneStream& out) { saved.WriteState(out); });

  CFoodCatalog loaded;
  loaded.LoadFromNode(Parse(kFixture));
  SceneStream in(FileOf(bytes));
  ASSERT_TRUE(loaded.ReadState(in));
  EXPECT_EQ(Describe(loaded), Describe(saved));

  // A block cut short anywhere leaves the catalogue as it was.
  const std::string before = Describe(loaded);
  for (size_t cut : {size_t{0}, size_t{3}, bytes.size() / 2, bytes.size() - 1}) {
    SceneStream shortIn(FileOf(bytes.substr(0, cut)));
    EXPECT_FALSE(loaded.ReadState(shortIn)) << cut;
    EXPECT_EQ(Describe(loaded), before) << cut;
  }
}

TEST(FoodCatalog, EveryCatalogueReadCanBeSavedAndReadBack) {
  // More kiosk foods than a saved park file holds, and a name longer than
  // its strings hold.
  std::string text = "<FoodDescriptor><DataDictionary><KIOSK>";
  text += "<FOOD id=\"0\" name=\"" + std::string(SceneStream::kMaxStringBytes + 200, 'n') + "\"/>";
  for (int32_t i = 1; i <= CFoodCatalog::kMaxSavedRecords; ++i) text += "<FOOD id=\"" + std::to_string(i) + "\"/>";
  text += "</KIOSK></DataDictionary></FoodDescriptor>";
  CFoodCatalog catalog;
  catalog.LoadFromNode(Parse(text.c_str()));
  ASSERT_EQ(catalog.kioskFoods.size(), size_t(CFoodCatalog::kMaxSavedRecords));
  EXPECT_EQ(catalog.kioskFoods[0]->name.Length(), SceneStream::kMaxStringBytes);

  const std::string bytes = Written([&](SceneStream& out) { catalog.WriteState(out); });
  CFoodCatalog loaded;
  SceneStream in(FileOf(bytes));
  ASSERT_TRUE(loaded.ReadState(in));
  EXPECT_EQ(Describe(loaded), Describe(catalog));
}
