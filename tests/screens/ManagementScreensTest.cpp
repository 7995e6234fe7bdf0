// The management screens over the demo park's GUI: the staff window hires
// and dismisses, the finance overview sums the ledger, the ticket counter
// and the sweet shop keep pending prices, and the speed window sets the
// game speed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::LoadDemoGui;
using screentest::ScreenWorld;

class ManagementScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDemoGui(world.kit.Gui());
    world.screens.CreateAll();
    world.host.flags.gameRunning = 1;
  }

  std::string Text(int32_t id) {
    auto* text = dynamic_cast<CGuiStaticText*>(world.kit.Gui().FindElement(id));
    return text ? text->GetText().Std() : "<missing>";
  }
  // Clicks the buttons in turn, each in a frame of its own, and one frame
  // more for the pages they post.
  void Press(std::initializer_list<int32_t> buttons) {
    for (int32_t button : buttons) {
      world.Click(button);
      world.RunPass();
    }
    world.RunPass();
  }
  // The park-wide ledger sum of a kind; 0 without an entry.
  int32_t LedgerSum(int32_t kind) {
    const ledger::KindInfo* info = ledger::FindKind(kind);
    const LedgerEntryNode* entry = world.host.ledgerTree.FindEntry(0, info->category, kind, -1);
    return entry ? entry->Amount() : 0;
  }
  std::vector<int32_t> StaffIds() {
    std::vector<int32_t> ids;
    for (const auto& member : world.host.staff) ids.push_back(member.id);
    return ids;
  }
  REraduzizStaffScreen& Staff() { return *world.screens.staffScreen; }

  ScreenWorld world{false};
};

constexpr int32_t kCleanerPlus = 10306, kGardenerPlus = 10308, kEngineerPlus = 10316;
constexpr int32_t kGardenerMinus = 10309;
constexpr int32_t kCommit = 10310;

// --- Staff -------------------------------------------------------------------

TEST_F(ManagementScreensTest, TwoCleanersCostExactlyTheCashAndStartAtTheRestaurant) {
  world.host.cash = 4000;
  world.host.placements = {{"Attr_MainEntrance", {1, 0, 1}}, {"restaurant_de_tarrowby", {5, 0, 7}}};
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kStaffId});
  ASSERT_TRUE(world.IsShown(screen_ids::kStaff));
  Press({kCleanerPlus, kCleanerPlus});
  EXPECT_EQ(Text(10311), "2");
  Press({kCommit});

  EXPECT_EQ(world.host.cash, 0);
  EXPECT_EQ(StaffIds(), (std::vector<int32_t>{1000, 1001}));
  for (const auto& member : world.host.staff) {
    EXPECT_EQ(member.kind, 23);
    EXPECT_EQ(member.position.z, 7);
  }
  ASSERT_EQ(world.host.placedCharacters.size(), 2u);
  EXPECT_EQ(world.host.placedCharacters[1].id, 1001);
  EXPECT_EQ(world.host.placedCharacters[1].staffEntry, 0);
  EXPECT_EQ(Staff().entries[0].count, 2);
  EXPECT_EQ(LedgerSum(ledger::kHireCleaners), 4000);
  EXPECT_FALSE(world.IsShown(screen_ids::kStaff));
  // The overview beside it shows the new staff costs.
  EXPECT_EQ(Text(10188), "4000 ");
}

TEST_F(ManagementScreensTest, AHireOneCoinShortIsRefusedWithTheMessage) {
  world.host.cash = 3999;
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kStaffId, kCleanerPlus, kCleanerPlus, kCommit});
  EXPECT_EQ(world.host.cash, 3999);
  EXPECT_TRUE(world.host.staff.empty());
  EXPECT_EQ(Staff().entries[0].count, 0);
  EXPECT_EQ(Staff().entries[0].pending, 0);
  EXPECT_EQ(world.host.ledgerRecords.Count(), 0);
  EXPECT_EQ(world.host.flags.messageOpen, 1);
  EXPECT_TRUE(world.IsShown(REraduzizMessageWindow::kPageKind0));
  EXPECT_FALSE(world.screens.messageWindow->textKind0->GetLines().empty());
}

TEST_F(ManagementScreensTest, DismissalsSendTheCharactersHomeAndBookNothingNegative) {
  world.host.placements = {{"Attr_MainEntrance", {1, 0, 1}}, {"Attr_tobbin", {3, 0, 3}}};
  Press({kGardenerPlus, kGardenerPlus, kEngineerPlus, kCommit});
  ASSERT_EQ(StaffIds(), (std::vector<int32_t>{2000, 2001, 3000}));
  const int32_t cashAfterHiring = world.host.cash;

  // Three presses of minus for two gardeners: the count stops at 0.
  Press({kGardenerMinus, kGardenerMinus, kGardenerMinus});
  EXPECT_EQ(Text(10312), "0");
  Press({kCommit});
  EXPECT_EQ(world.host.dismissed, (std::vector<int32_t>{2000, 2001}));
  EXPECT_EQ(StaffIds(), std::vector<int32_t>{3000});
  EXPECT_EQ(Staff().entries[1].count, 0);
  EXPECT_EQ(Staff().entries[2].count, 1);
  ASSERT_EQ(world.host.placedCharacters.size(), 1u);
  EXPECT_EQ(world.host.placedCharacters[0].id, 3000);
  EXPECT_EQ(world.host.cash, cashAfterHiring);
  EXPECT_EQ(LedgerSum(ledger::kHireGardeners), 6000);
  for (const LedgerRecord& record : world.host.ledgerRecords.Records()) EXPECT_GE(record.amount, 0);
}

TEST_F(ManagementScreensTest, ACommitWithNothingPendingBooksThreeZeroRecords) {
  Press({kCommit});
  ASSERT_EQ(world.host.ledgerRecords.Count(), 3);
  for (const LedgerRecord& record : world.host.ledgerRecords.Records()) {
    EXPECT_EQ(record.category, ledger::kCategoryStaff);
    EXPECT_EQ(record.amount, 0);
  }
  EXPECT_EQ(world.host.cash, 30000);
}

// A park without placement points still gets its staff (at the origin),
// and characters that cannot be made are neither paid for nor counted.
TEST_F(ManagementScreensTest, TheCountIsAlwaysTheCharactersThatCameIn) {
  Press({kEngineerPlus, kCommit});
  ASSERT_EQ(StaffIds(), std::vector<int32_t>{3000});
  EXPECT_EQ(world.host.staff[0].position.x, 0);
  EXPECT_EQ(world.host.cash, 26000);

  world.host.staffCanBeMade = false;
  Press({kEngineerPlus, kEngineerPlus, kCommit});
  EXPECT_EQ(Staff().entries[2].count, 1);
  EXPECT_EQ(world.host.cash, 26000);
  EXPECT_EQ(LedgerSum(ledger::kHireEngineers), 4000);
}

TEST_F(ManagementScreensTest, NoMoreHiresThanIdsAreLeft) {
  world.host.cash = 100000000;
  Staff().entries[0].idsIssued = REraduzizStaffScreen::kIdsPerEntry - 2;
  Press({kCleanerPlus, kCleanerPlus, kCleanerPlus, kCommit});
  EXPECT_EQ(StaffIds(), (std::vector<int32_t>{1998, 1999}));
  EXPECT_EQ(Staff().entries[0].count, 2);
}

// --- Finance overview ----------------------------------------------------------

TEST_F(ManagementScreensTest, TheTotalsCountEveryBookingOnceAndSkipTheNonMoneyKinds) {
  ::AddStatisticItems(world.host.ledgerTree, world.host.ledgerRecords, 2007, 2007, {3});
  struct Booking {
    int32_t kind, subject, amount;
  };
  for (const Booking& booking : std::vector<Booking>{{ledger::kTicket, -1, 26},
                                                     {ledger::kTicket, -1, 26},
                                                     {ledger::kKioskFood, -1, 5},
                                                     {ledger::kRestaurantMeal, -1, 12},
                                                     {ledger::kShopProduct, -1, 3},
                                                     {ledger::kBuild, 3, 500},
                                                     {ledger::kRepair, 3, 40},
                                                     {ledger::kRunningCost, 3, 50},
                                                     {ledger::kUse, 3, 1},
                                                     {ledger::kVisitorCount, -1, 9},
                                                     {ledger::kHireGardeners, -1, 3000}}) {
    world.host.BookLedgerKind(booking.kind, booking.subject, booking.amount);
  }
  Press({screen_ids::kSummaryButton});
  const REraduzizSummaryScreen& summary = *world.screens.summaryScreen;
  EXPECT_EQ(summary.GetTotal(REraduzizSummaryScreen::kAttractionCosts), 590);
  EXPECT_EQ(Text(10167), "52 ");
  EXPECT_EQ(Text(10168), "5 ");
  EXPECT_EQ(Text(10169), "12 ");
  EXPECT_EQ(Text(10170), "3");
  EXPECT_EQ(Text(10187), "590 ");
  EXPECT_EQ(Text(10188), "3000 ");
  EXPECT_EQ(world.host.managementPagesArmed, 1);
}

TEST_F(ManagementScreensTest, TheMoodFigureAndBarStayOnTheirScale) {
  struct Case {
    int32_t visitors, moodSum;
    const char* text;
    int32_t width;
  };
  for (const Case& c : {Case{0, 80, "100 ", 206}, Case{2, 160, "80 ", 164}, Case{4, 290, "72 ", 148},
                        Case{1, 130, "100 ", 206}}) {
    world.host.visitors = c.visitors;
    world.host.moodTotals.moodSum = c.moodSum;
    world.screens.summaryScreen->Refresh();
    EXPECT_EQ(Text(10176), c.text) << c.visitors;
    EXPECT_EQ(world.screens.summaryScreen->moodBar->record->width, c.width) << c.visitors;
  }
}

TEST_F(ManagementScreensTest, ThePagesOpenedFromTheOverviewStandBesideIt) {
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kShopId});
  EXPECT_TRUE(world.IsShown(screen_ids::kSummary));
  EXPECT_TRUE(world.IsShown(screen_ids::kShop));
  Press({REraduzizSummaryScreen::kTicketId});
  EXPECT_FALSE(world.IsShown(screen_ids::kShop));
  EXPECT_TRUE(world.IsShown(screen_ids::kTicket));
  EXPECT_EQ(world.host.flags.modal, 1);
  Press({REraduzizSummaryScreen::kCloseId});
  EXPECT_FALSE(world.IsShown(screen_ids::kSummary));
  EXPECT_FALSE(world.IsShown(screen_ids::kTicket));
  EXPECT_EQ(world.host.flags.modal, 0);
}

// --- Ticket counter and sweet shop -----------------------------------------------

TEST_F(ManagementScreensTest, TheTicketPriceStopsAtOneAndAPendingChangeDiesWithTheWindow) {
  constexpr int32_t kPlus = REraduzizTicketScreen::kPlusId, kMinus = REraduzizTicketScreen::kMinusId;
  world.host.ticketPrice = 2;
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kTicketId, kMinus, kMinus});
  EXPECT_EQ(Text(10196), "1 ");
  Press({REraduzizTicketScreen::kOkId});
  EXPECT_EQ(world.host.ticketPrice, 1);
  EXPECT_FALSE(world.IsShown(screen_ids::kTicket));

  // Closed by the hide-all, the raise is dropped when the window opens again.
  Press({REraduzizSummaryScreen::kTicketId, kPlus, kPlus, kPlus});
  EXPECT_EQ(Text(10196), "4 ");
  world.host.HideGameScreens();
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kTicketId});
  EXPECT_EQ(Text(10196), "1 ");
  EXPECT_EQ(world.host.ticketPrice, 1);

  world.host.ticketPrice = REraduzizTicketScreen::kMaxPrice;
  world.screens.ticketScreen->Refresh();
  Press({kPlus});
  EXPECT_EQ(Text(10196), "9999 ");
}

TEST_F(ManagementScreensTest, SweetShopPricesKeepTheirFloorAndCommitOnClose) {
  world.host.objects = {"Shop_quessle02"};
  world.screens.shopScreen->Reset();
  const int32_t plusOfSlot2 = REraduzizShopScreen::kFirstPlusId + 4;
  const int32_t minusOfSlot0 = REraduzizShopScreen::kFirstPlusId + 1;
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kShopId, minusOfSlot0});
  EXPECT_EQ(Text(10207), "1 ");
  for (int i = 0; i < 5; ++i) Press({plusOfSlot2});
  EXPECT_EQ(Text(10209), "8 ");
  EXPECT_EQ(world.screens.shopScreen->slots[2].price, 3);
  Press({REraduzizShopScreen::kCloseId});
  EXPECT_EQ(world.screens.shopScreen->slots[2].price, 8);
  EXPECT_FALSE(world.IsShown(screen_ids::kShop));

  Press({REraduzizSummaryScreen::kShopId, plusOfSlot2});
  world.host.HideGameScreens();
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kShopId});
  EXPECT_EQ(Text(10209), "8 ");
  EXPECT_EQ(Text(10201), world.kit.Gui().GetText(100112).Std());
}

TEST_F(ManagementScreensTest, TheShopsButtonsTakeClicksOnlyWhileASweetShopStands) {
  REraduzizShopScreen& shop = *world.screens.shopScreen;
  shop.FillProducts();
  for (CGuiButton* button : shop.plusButtons) EXPECT_EQ(button->interactive, 0);
  for (CGuiButton* button : shop.minusButtons) EXPECT_EQ(button->interactive, 0);
  world.host.objects = {"Shop_quessle01"};
  shop.FillProducts();
  for (CGuiButton* button : shop.plusButtons) EXPECT_EQ(button->interactive, 1);
  for (CGuiButton* button : shop.minusButtons) EXPECT_EQ(button->interactive, 1);
}

// --- Speed window ------------------------------------------------------------------

TEST_F(ManagementScreensTest, TheSpeedButtonsSetTheFactorAndLeaveTheWindowOpen) {
  world.host.moodTotals.bandCounts = {3, 4, 5};
  Press({screen_ids::kSpeedButton});
  ASSERT_TRUE(world.IsShown(screen_ids::kSpeed));
  EXPECT_EQ(Text(10332), "5");
  EXPECT_EQ(Text(10333), "3");
  EXPECT_EQ(Text(10334), "4");
  for (auto [button, speed] : {std::pair{REraduzizSpeedWindow::kPauseId, 0}, std::pair{REraduzizSpeedWindow::kFastId, 4},
                               std::pair{REraduzizSpeedWindow::kNormalId, 1}}) {
    Press({button});
    EXPECT_EQ(world.host.gameSpeed, speed) << button;
    EXPECT_TRUE(world.IsShown(screen_ids::kSpeed));
  }
}

TEST_F(ManagementScreensTest, AfterTheHideAllTheSpeedButtonOpensTheWindowAgain) {
  Press({screen_ids::kSpeedButton});
  ASSERT_TRUE(world.IsShown(screen_ids::kSpeed));
  world.host.HideGameScreens();
  world.RunPass();
  ASSERT_FALSE(world.IsShown(screen_ids::kSpeed));
  Press({screen_ids::kSpeedButton});
  EXPECT_TRUE(world.IsShown(screen_ids::kSpeed));
  EXPECT_EQ(world.host.flags.modal, 1);
  Press({screen_ids::kSpeedButton});
  EXPECT_FALSE(world.IsShown(screen_ids::kSpeed));
  EXPECT_EQ(world.host.flags.modal, 0);
}

}  // namespace
