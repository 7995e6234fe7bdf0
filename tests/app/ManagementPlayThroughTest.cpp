// A scripted round of park management, headless, over the demo park's GUI
// and characters: the player hires a cleaner and an engineer, raises the
// ticket price, sets the game to fast, and the finance overview shows what
// the ledger holds.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiChart.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "screens/REraduzizBuilUpgScreen.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizStatisticScreen.h"
#include "screens/REraduzizSummaryScreen.h"
#include "screens/REraduzizTicketScreen.h"
#include "screens/REraduzizUpgradeScreen.h"
#include "tests/app/PlayerHandFixture.h"
#include "tests/characters/manager/ManagerTestSupport.h"

namespace {

constexpr int32_t kStartCash = 30000;

class ManagementPlayThroughTest : public playerhand::DemoPagesFixture {
 protected:
  void SetUp() override {
    DemoPagesFixture::SetUp();
    manager_ = std::make_unique<CPorvikAiClass>();
    game_->aiManager = manager_.get();
    game_->cash = kStartCash;
  }
  void TearDown() override {
    // The manager goes before the game, which would otherwise free it as its
    // own.
    game_->aiManager = nullptr;
    manager_.reset();
    DemoPagesFixture::TearDown();
  }

  // Picks the entry of a list as the player's click does.
  void Choose(int32_t list, int32_t index) {
    if (auto* combo = dynamic_cast<CGuiComboBox*>(game_->FindElement(list))) combo->SetSelectedIndex(index);
    if (auto* grid = dynamic_cast<CGuiGrid*>(game_->FindElement(list))) grid->SetSelectedRow(index, true);
    game_->PostCommand(list, -1, kCmdSelect, index, 0);
    Frame();
    Frame();
  }
  int32_t LedgerSum(int32_t category, int32_t kind) {
    const LedgerEntryNode* entry = game_->ledgerTree->FindEntry(0, category, kind, -1);
    return entry ? entry->Amount() : 0;
  }

  // Outlives the game, whose event lists may hold it.
  ParkEvent event_;
  managertest::FakeHost characterHost_;
  std::unique_ptr<CPorvikAiClass> manager_;
};

TEST_F(ManagementPlayThroughTest, HireRaiseTheTicketPriceSpeedUpAndReadTheAccounts) {
  // The management button opens the overview with the staff window.
  Press({10070});
  ASSERT_TRUE(IsShown(10158));
  ASSERT_TRUE(IsShown(10299));
  Press({10306, 10316, REraduzizStaffScreen::kCommitId});
  EXPECT_FALSE(IsShown(10299));
  const int32_t wages = REraduzizStaffScreen::kPrices[0] + REraduzizStaffScreen::kPrices[2];
  EXPECT_EQ(game_->cash, kStartCash - wages);
  REraduzizVisitor* cleaner = manager_->FindCharacterById(1000);
  REraduzizVisitor* engineer = manager_->FindCharacterById(3000);
  ASSERT_NE(cleaner, nullptr);
  ASSERT_NE(engineer, nullptr);
  EXPECT_EQ(cleaner->GetKind(), REraduzizVisitor::kCleaner);
  EXPECT_EQ(engineer->GetKind(), REraduzizVisitor::kEngineer);
  EXPECT_EQ(game_->placedCharacters.size(), 2u);
  EXPECT_EQ(Text(10311), "1");
  EXPECT_EQ(Text(10318), "1");

  // Four steps up at the ticket counter.
  Press({REraduzizSummaryScreen::kTicketId});
  ASSERT_TRUE(IsShown(10190));
  Press({10191, 10191, 10191, 10191});
  EXPECT_EQ(Text(10196), "30 ");
  Press({REraduzizTicketScreen::kOkId});
  EXPECT_EQ(game_->entrancePrice, VAvazadOvurUrovi::kEntrancePriceStart + 4);

  // Fast.
  Press({10435});
  ASSERT_TRUE(IsShown(10327));
  Press({10337});
  EXPECT_EQ(game_->gameSpeed, 4);
  Press({10435});
  EXPECT_FALSE(IsShown(10327));

  // Visitors pay at the gate and the kiosk, as the park books them.
  for (int visitor = 0; visitor < 3; ++visitor) game_->BookLedgerKind(ledger::kTicket, -1, game_->entrancePrice);
  game_->BookLedgerKind(ledger::kKioskFood, -1, 4);
  Press({10436});
  ASSERT_TRUE(IsShown(10158));
  EXPECT_EQ(Text(10167), std::to_string(LedgerSum(ledger::kCategoryTickets, ledger::kTicket)) + " ");
  EXPECT_EQ(Text(10167), "90 ");
  EXPECT_EQ(Text(10168), "4 ");
  EXPECT_EQ(Text(10188), std::to_string(wages) + " ");
  EXPECT_EQ(Text(10176), "100 ");
}

// The day's statistics, then an upgrade bought from the attraction list
// and the attraction's own chart.
TEST_F(ManagementPlayThroughTest, ReadTheDaysStatisticsAndUpgradeAnAttraction) {
  auto wheel = std::make_unique<CAttraction>();
  wheel->id = "Attr_Carousel";
  wheel->displayName = "Carousel";
  wheel->state = kObjectKindAttraction;
  wheel->buildCost = 1000;
  wheel->upgradeCost = REraduzizUpgradeScreen::UpgradePrice(1, 1000);
  CAttraction* placed = game_->placedObjects.Place(std::move(wheel));
  game_->placedObjects.CollectObjectsByState();
  // The scripted day: visitors pay at the gate and ride the wheel.
  for (int visitor = 0; visitor < 5; ++visitor) {
    game_->BookLedgerKind(ledger::kTicket, -1, game_->entrancePrice);
    game_->BookLedgerKind(ledger::kUse, placed->objectNumber, 1);
  }

  Press({10436, 10189});
  ASSERT_TRUE(IsShown(10363));
  Choose(REraduzizStatisticScreen::kMonthListId, game_->gameDate.month);
  Choose(REraduzizStatisticScreen::kDayListId, game_->gameDate.day);
  CGuiChart& chart = *game_->statisticScreen->chart;
  ASSERT_EQ(chart.GetSeries().size(), 1u);
  const auto& hours = chart.GetSeries()[0].points;
  ASSERT_EQ(hours.size(), 25u);
  EXPECT_EQ(hours[size_t(game_->gameHour)].second, float(5 * game_->entrancePrice));
  const int32_t records = game_->ledgerRecords->Count();
  Press({REraduzizStatisticScreen::kCloseId});

  Press({10436, REraduzizSummaryScreen::kAttractionListId});
  ASSERT_TRUE(IsShown(10231));
  Choose(REraduzizBuilUpgScreen::kListId, 0);
  ASSERT_TRUE(IsShown(10269));
  // The description comes from the book read at the start.
  ASSERT_FALSE(game_->upgradeScreen->description->GetLines().empty());
  EXPECT_EQ(game_->upgradeScreen->description->GetLines().front(), "Painted horses turn under a striped crown.");
  Press({REraduzizUpgradeScreen::kUpgradeId});
  EXPECT_EQ(placed->level, 2);
  EXPECT_EQ(game_->cash, kStartCash - 2000);
  EXPECT_EQ(LedgerSum(ledger::kCategoryAttractions, ledger::kUpgrade), 2000);
  EXPECT_EQ(game_->ledgerRecords->Count(), records + 1);

  Press({REraduzizUpgradeScreen::kStatisticsId});
  ASSERT_TRUE(IsShown(10363));
  EXPECT_EQ(chart.title, "Carousel");
  EXPECT_EQ(chart.GetSeries()[0].points[size_t(game_->gameHour)].second, 5);

  // Listed for the manager once, and off the list when it is pulled down.
  Press({10436, REraduzizSummaryScreen::kAttractionListId});
  Choose(REraduzizBuilUpgScreen::kListId, 0);
  Press({REraduzizUpgradeScreen::kRepairId, REraduzizUpgradeScreen::kRepairId});
  EXPECT_EQ(manager_->GetRepairList(), std::vector<CAttraction*>{placed});
  placed->deletePending = 1;
  game_->placedObjects.RemoveDeletedAttraction();
  EXPECT_TRUE(manager_->GetRepairList().empty());
}

// A new game starts with the new-game prices and nobody hired.
TEST_F(ManagementPlayThroughTest, ANewGameForgetsTheStaffAndThePrices) {
  Press({10070, 10308, REraduzizStaffScreen::kCommitId});
  ASSERT_EQ(game_->placedCharacters.size(), 1u);
  game_->shopScreen->slots[0].price = 50;
  game_->ResetGameLists();
  EXPECT_TRUE(game_->placedCharacters.empty());
  EXPECT_EQ(game_->staffScreen->entries[1].count, 0);
  EXPECT_EQ(game_->staffScreen->entries[1].idsIssued, 0);
  EXPECT_EQ(game_->shopScreen->slots[0].price, 1);
}

// An engineer sent home on the way to a repair leaves the event open for
// the next one, instead of taken for ever by nobody.
TEST_F(ManagementPlayThroughTest, ADismissedSolverLeavesItsEventOpen) {
  game_->parkEvents = new REraduzizEventClass;  // the game deletes it
  Press({10070, 10316, REraduzizStaffScreen::kCommitId});
  REraduzizVisitor* engineer = manager_->FindCharacterById(3000);
  ASSERT_NE(engineer, nullptr);
  event_.assigned = 1;
  engineer->SendToObject(&event_);
  ASSERT_EQ(engineer->GetJobEvent(), &event_);

  Press({10436, REraduzizSummaryScreen::kStaffId, 10317, REraduzizStaffScreen::kCommitId});
  EXPECT_EQ(manager_->FindCharacterById(3000), nullptr);
  EXPECT_EQ(event_.assigned, 0);
  EXPECT_EQ(game_->parkEvents->openEvents, std::vector<ParkEvent*>{&event_});
  EXPECT_EQ(game_->staffScreen->entries[2].count, 0);
  EXPECT_TRUE(game_->placedCharacters.empty());
}

// An engineer sent home on its way to a repair leaves the repair for
// another one.
TEST_F(ManagementPlayThroughTest, ADismissedEngineerLeavesItsRepairOnTheList) {
  CAttraction* placed = game_->placedObjects.Place(std::make_unique<CAttraction>());
  placed->condition = 30;
  Press({10070, 10316, REraduzizStaffScreen::kCommitId});
  REraduzizVisitor* engineer = manager_->FindCharacterById(3000);
  ASSERT_NE(engineer, nullptr);
  engineer->SetTargetAttraction(placed);
  engineer->SetActivityState(1, REraduzizVisitor::kStateToJob);
  ASSERT_TRUE(manager_->GetRepairList().empty());

  Press({10436, REraduzizSummaryScreen::kStaffId, 10317, REraduzizStaffScreen::kCommitId});
  EXPECT_EQ(manager_->FindCharacterById(3000), nullptr);
  EXPECT_EQ(manager_->GetRepairList(), std::vector<CAttraction*>{placed});
}

}  // namespace
