#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"

namespace {

using namespace ledger;

// The main object in the demo park on 2031-07-04.
class MainObjectLedgerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_clock.SetSystemTime({2031, 7, 4, 4, 12, 0, 0, 0});
    plat::SetClock(&m_clock);
    m_previous = plat::CurrentDirectory();
    ASSERT_EQ(chdir(HALVENOR_PARK_DIR), 0);
    game = std::make_unique<VAvazadOvurUrovi>();
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
    ASSERT_EQ(chdir(m_previous.c_str()), 0);
  }

  void Place(int32_t state) {
    auto object = std::make_unique<CAttraction>();
    object->state = state;
    game->placedObjects.Place(std::move(object));
    game->placedObjects.CollectObjectsByState();
  }

  int32_t ParkTotal(int32_t category, int32_t kind) const {
    const LedgerEntryNode* entry = game->ledgerTree->FindEntry(0, category, kind, -1);
    return entry ? entry->Amount() : 0;
  }

  std::unique_ptr<VAvazadOvurUrovi> game;

 private:
  plat::FakeClock m_clock;
  std::string m_previous;
};

}  // namespace

TEST_F(MainObjectLedgerTest, TheWorldLoadingReadsTheDemoFoodsAndOpensTheStatistics) {
  ASSERT_NE(game->ledgerTree, nullptr);
  ASSERT_NE(game->ledgerRecords, nullptr);
  ASSERT_NE(game->foodCatalog, nullptr);
  Place(kObjectKindAttraction);  // numbers 1, 2, 3
  Place(kObjectKindPlant);
  Place(kObjectKindShop);
  game->InitLedgerAndFoods();

  EXPECT_FALSE(game->foodCatalog->kioskFoods.empty());
  EXPECT_FALSE(game->foodCatalog->restaurantFoodTypes.empty());
  EXPECT_NE(game->ledgerTree->FindEntry(1, kCategoryAttractions, kUse, 1), nullptr);
  EXPECT_EQ(game->ledgerTree->FindEntry(1, kCategoryAttractions, kUse, 2), nullptr) << "plants serve no visitors";
  EXPECT_NE(game->ledgerTree->FindEntry(1, kCategoryAttractions, kRunningCost, 3), nullptr);
  EXPECT_EQ(game->ledgerRecords->Count(), 16 + 2 * 5);
  EXPECT_NE(game->ledgerTree->FindEntry(0, kCategoryVisitors, kVisitorCount, -1)->FindYear(2031), nullptr);
}

TEST_F(MainObjectLedgerTest, BookingsCarryTheClockAndTheirTotalsFollowTheCash) {
  game->AddStatisticItems();
  const int32_t startCash = game->cash;
  game->gameHour = 15;
  auto sell = [&](int32_t kind, int32_t price) {
    game->AddCash(price);
    game->BookLedgerKind(kind, -1, price);
  };
  auto pay = [&](int32_t kind, int32_t subject, int32_t price) {
    game->AddCash(-price);
    game->BookLedgerKind(kind, subject, price);
  };
  pay(kBuild, 1, 2500);
  sell(kTicket, 26);
  sell(kTicket, 26);
  sell(kRestaurantMeal, 15);
  sell(kKioskFood, 4);
  sell(kShopProduct, 9);
  pay(kHireGardeners, -1, 3000);
  AddLedgerRecord(0, kCategoryAttractions, kUse, 1, game->gameDate.year, game->gameDate.month, game->gameDate.day,
                  game->gameHour, 1, 0);

  const int32_t income = ParkTotal(kCategoryTickets, kTicket) + ParkTotal(kCategoryFood, kRestaurantMeal) +
                         ParkTotal(kCategoryFood, kKioskFood) + ParkTotal(kCategoryShop, kShopProduct);
  const int32_t costs = ParkTotal(kCategoryAttractions, kBuild) + ParkTotal(kCategoryStaff, kHireGardeners);
  EXPECT_EQ(income - costs, game->cash - startCash);
  EXPECT_EQ(ParkTotal(kCategoryAttractions, kUse), 1);

  const LedgerRecord& last = game->ledgerRecords->Records().back();
  EXPECT_EQ(last.year, game->gameDate.year);
  EXPECT_EQ(last.month, game->gameDate.month);
  EXPECT_EQ(last.day, game->gameDate.day);
  EXPECT_EQ(last.hour, 15);
  const LedgerYearNode* year = game->ledgerTree->FindEntry(0, kCategoryTickets, kTicket, -1)->FindYear(2031);
  ASSERT_NE(year, nullptr);
  EXPECT_EQ(year->FindMonth(game->gameDate.month)->FindDay(game->gameDate.day)->HourAmount(15), 52);
}

// A new game in a base folder whose foods file is missing or broken: the
// player is told, and the game starts with an empty catalogue.
TEST_F(MainObjectLedgerTest, ANewGameGoesOnWithoutAReadableFoodsFile) {
  const std::filesystem::path base =
      std::filesystem::temp_directory_path() / ("halvenor_nofoods_" + std::to_string(::getpid()));
  const std::filesystem::path foods = base / "Scenes" / "foods" / "Foods_NL.xml";
  for (const char* content : {static_cast<const char*>(nullptr), "<FoodDescriptor><KIOSK>"}) {
    SCOPED_TRACE(content ? content : "no file");
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(foods.parent_path());
    if (content) std::ofstream(foods) << content;
    game->baseDirectory = base.string().c_str();
    game->playMode = 1;
    plat::ClearMessageBoxes();
    game->StartNewGame(false);
    ASSERT_NE(game->foodCatalog, nullptr);
    EXPECT_TRUE(game->foodCatalog->kioskFoods.empty());
    EXPECT_TRUE(game->foodCatalog->restaurantFoodTypes.empty());
    EXPECT_EQ(game->cash, VAvazadOvurUrovi::kNewGameCash);
    ASSERT_NE(game->ledgerTree, nullptr);
    bool told = false;
    for (const plat::MessageBoxCall& box : plat::RecordedMessageBoxes()) {
      told = told || box.text.find("Foods_NL.xml") != std::string::npos;
    }
    EXPECT_TRUE(told);
  }
  plat::ClearMessageBoxes();
  std::filesystem::remove_all(base);
}
