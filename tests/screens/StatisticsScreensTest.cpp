// The statistics window, the attraction list and the upgrade screen over
// the demo park's GUI: the chart's series by category and depth, the
// attraction's uses and costs, the ledger left as it was by looking, and
// the upgrade's price, booking and limits.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiChart.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::LoadDemoGui;
using screentest::ScreenWorld;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00C000, kBlue = 0xFF0000FF;

class StatisticsScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDemoGui(world.kit.Gui());
    world.host.clock = {2008, 3, 5, 14, 0};
    world.screens.CreateAll();
    world.host.flags.gameRunning = 1;
  }

  CAttraction& AddAttraction(const char* name, int32_t number, int32_t buildCost) {
    auto attraction = std::make_unique<CAttraction>();
    attraction->id = name;
    attraction->displayName = name;
    attraction->objectNumber = number;
    attraction->buildCost = buildCost;
    attraction->upgradeCost = 2 * buildCost;
    world.host.attractions.push_back(attraction.get());
    owned.push_back(std::move(attraction));
    return *owned.back();
  }
  void Book(int32_t kind, int32_t subject, int32_t amount, int32_t day, int32_t hour) {
    const StatusDateTime now = world.host.clock;
    world.host.clock.day = day;
    world.host.clock.hour = hour;
    world.host.BookLedgerKind(kind, subject, amount);
    world.host.clock = now;
  }
  void Press(std::initializer_list<int32_t> buttons) {
    for (int32_t button : buttons) {
      world.Click(button);
      world.RunPass();
    }
    world.RunPass();
  }
  void Choose(int32_t list, int32_t index) {
    auto* combo = dynamic_cast<CGuiComboBox*>(world.kit.Gui().FindElement(list));
    ASSERT_NE(combo, nullptr);
    combo->SetSelectedIndex(index);
    world.Select(list, index);
    world.RunPass();
  }
  std::string Text(int32_t id) {
    auto* text = dynamic_cast<CGuiStaticText*>(world.kit.Gui().FindElement(id));
    return text ? text->GetText().Std() : "<missing>";
  }
  REraduzizStatisticScreen& Statistics() { return *world.screens.statisticScreen; }
  CGuiChart& Chart() { return *Statistics().chart; }
  std::string GuiText(int32_t id) { return world.kit.Gui().GetText(id).Std(); }

  ScreenWorld world{false};
  std::vector<std::unique_ptr<CAttraction>> owned;
};

// --- Statistics window ----------------------------------------------------------

TEST_F(StatisticsScreensTest, EachParkCategoryChartsItsKindsInTheirColours) {
  struct Case {
    int32_t category;
    int32_t titleText;
    std::vector<uint32_t> colours;
    std::vector<int32_t> nameTexts;
  };
  const std::vector<Case> cases = {
      {1, 100201, {kRed, kGreen, kBlue, 0xFF800000, 0xFF808000}, {100188, 100209, 100210, 100211, 100212}},
      {2, 100202, {kRed, kGreen, kBlue}, {100192, 100213, 100193}},
      {3, 100203, {kRed, kGreen, kBlue}, {100189, 100214, 100215}},
      {4, 100204, {kRed, kGreen}, {100106, 100105}},
      {5, 100205, {kRed}, {100108}},
      {6, 100206, {kRed}, {100139}},
  };
  for (const Case& c : cases) {
    Statistics().Refresh({0, c.category, 0, -1, 2008, 0, 0, 0, 0, 0});
    ASSERT_EQ(Chart().GetSeries().size(), c.colours.size()) << c.category;
    EXPECT_EQ(Chart().title.Std(), GuiText(c.titleText)) << c.category;
    for (size_t k = 0; k < c.colours.size(); ++k) {
      EXPECT_EQ(Chart().GetSeries()[k].colour, c.colours[k]) << c.category;
      EXPECT_EQ(Chart().GetSeries()[k].name.Std(), GuiText(c.nameTexts[k])) << c.category;
    }
  }
  EXPECT_EQ(Chart().yAxisCaption.Std(), GuiText(100104));
  Statistics().Refresh({0, 1, 0, -1, 2008, 0, 0, 0, 0, 0});
  EXPECT_EQ(Chart().yAxisCaption.Std(), "%");
  Statistics().Refresh({0, 7, 0, -1, 2008, 0, 0, 0, 0, 0});
  EXPECT_TRUE(Chart().GetSeries().empty());
}

TEST_F(StatisticsScreensTest, TheChoiceOfYearMonthAndDaySetsThePointsAndTheAxis) {
  world.host.startYear = 2006;
  Book(ledger::kTicket, -1, 26, 5, 10);
  Book(ledger::kTicket, -1, 30, 5, 11);
  Book(ledger::kTicket, -1, 26, 6, 10);
  struct Case {
    int32_t year, month, day;
    size_t points;
    int32_t axisText;
    float sumAtFive;  // the point at x = 5 (a day, an hour or a month), or the last year
  };
  for (const Case& c : {Case{2008, 0, 0, 13, 100195, 0}, Case{2008, 3, 0, 32, 100196, 56},
                        Case{2008, 3, 5, 25, 100197, 0}, Case{0, 0, 0, 1, 100194, 82}}) {
    Statistics().Refresh({0, 5, 0, -1, c.year, c.month, c.day, 0, 0, 0});
    ASSERT_EQ(Chart().GetSeries().size(), 1u);
    const auto& points = Chart().GetSeries()[0].points;
    ASSERT_EQ(points.size(), c.points) << c.month << "/" << c.day;
    EXPECT_EQ(points.front().first, 0.0f);
    EXPECT_EQ(points.back().first, float(c.points - 1));
    EXPECT_EQ(Chart().xAxisCaption.Std(), GuiText(c.axisText));
    EXPECT_EQ(points[c.points > 5 ? 5 : 0].second, c.sumAtFive);
  }
  // The month chart of March: the hours of day 5 sum up in that day.
  Statistics().Refresh({0, 5, 0, -1, 2008, 3, 5, 0, 0, 0});
  const auto& hours = Chart().GetSeries()[0].points;
  EXPECT_EQ(hours[10].second, 26);
  EXPECT_EQ(hours[11].second, 30);
  EXPECT_EQ(hours[0].second, 0);
}

TEST_F(StatisticsScreensTest, TheListsOfferEveryYearOnceAndDriveTheChart) {
  world.host.startYear = 2006;
  Statistics().startYear = 2006;
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kStatisticsId});
  ASSERT_TRUE(world.IsShown(screen_ids::kStatistic));
  EXPECT_EQ(world.host.flags.modal, 1);
  CGuiComboBox& years = *Statistics().yearList;
  ASSERT_EQ(years.GetItemCount(), 3);
  EXPECT_EQ(years.GetItemText(0).Std(), "2006");
  EXPECT_EQ(years.GetItemText(2).Std(), "2008");
  EXPECT_EQ(years.GetSelectedIndex(), 2);
  EXPECT_EQ(Statistics().monthList->GetItemCount(), 13);
  EXPECT_EQ(Statistics().dayList->GetItemCount(), 32);

  Choose(REraduzizStatisticScreen::kCategoryListId, 2);  // staff
  EXPECT_EQ(Chart().GetSeries().size(), 3u);
  EXPECT_EQ(Chart().GetSeries()[0].points.size(), 13u);
  Choose(REraduzizStatisticScreen::kMonthListId, 3);
  EXPECT_EQ(Chart().GetSeries()[0].points.size(), 32u);
  Choose(REraduzizStatisticScreen::kDayListId, 5);
  EXPECT_EQ(Chart().GetSeries()[0].points.size(), 25u);
  Choose(REraduzizStatisticScreen::kYearListId, 0);
  EXPECT_EQ(Statistics().year, 2006);
  EXPECT_EQ(Statistics().month, 0);
  EXPECT_EQ(Chart().GetSeries()[2].name.Std(), GuiText(100215));

  Press({REraduzizStatisticScreen::kCloseId});
  EXPECT_FALSE(world.IsShown(screen_ids::kStatistic));
  EXPECT_EQ(world.host.flags.modal, 0);
}

TEST_F(StatisticsScreensTest, LookingAtTheStatisticsLeavesTheLedgerAsItWas) {
  AddAttraction("Attr_tobbin", 4, 1000);
  Book(ledger::kTicket, -1, 26, 5, 10);
  const int32_t records = world.host.ledgerRecords.Count();
  const size_t entries = world.host.ledgerTree.Entries().size();
  for (int32_t category = 1; category <= 6; ++category) {
    for (int32_t year : {0, 2001, 2008}) Statistics().Refresh({0, category, 0, -1, year, 3, 0, 0, 0, 0});
  }
  Statistics().OpenAttractionView(4, "Attr_tobbin");
  Statistics().Refresh({1, 2, 1, 4, 2001, 0, 0, 0, 0, 0});
  EXPECT_EQ(world.host.ledgerRecords.Count(), records);
  EXPECT_EQ(world.host.ledgerTree.Entries().size(), entries);
  EXPECT_EQ(world.host.ledgerTree.FindEntry(0, 5, 16, -1)->FindYear(2001), nullptr);
  // A series the ledger does not hold reads as zeros of the chosen depth.
  const auto& points = Chart().GetSeries()[0].points;
  EXPECT_EQ(points.size(), 13u);
  for (const auto& point : points) EXPECT_EQ(point.second, 0);
}

TEST_F(StatisticsScreensTest, TheAttractionViewShowsItsUsesOrItsCosts) {
  AddAttraction("Attr_tobbin", 4, 1000);
  AddAttraction("Attr_other", 5, 1000);
  Book(ledger::kUse, 4, 1, 5, 10);
  Book(ledger::kUse, 4, 1, 5, 10);
  Book(ledger::kUse, 5, 1, 5, 10);
  Book(ledger::kBuild, 4, 1000, 5, 9);
  Book(ledger::kUpgrade, 4, 2000, 5, 12);

  Statistics().OpenAttractionView(4, "Tobbin's wheel");
  ASSERT_EQ(Chart().GetSeries().size(), 1u);
  EXPECT_EQ(Chart().GetSeries()[0].colour, 0xFF800080u);
  EXPECT_EQ(Chart().title.Std(), "Tobbin's wheel");
  const auto& uses = Chart().GetSeries()[0].points;
  ASSERT_EQ(uses.size(), 25u);
  EXPECT_EQ(uses[10].second, 2);
  EXPECT_EQ(Statistics().categoryList->GetSelectedIndex(), 1);
  EXPECT_EQ(Statistics().categoryList->GetItemCount(), 3);

  Choose(REraduzizStatisticScreen::kCategoryListId, 0);  // costs
  ASSERT_EQ(Chart().GetSeries().size(), 3u);
  EXPECT_EQ(Chart().GetSeries()[0].colour, kRed);
  EXPECT_EQ(Chart().GetSeries()[2].colour, kBlue);
  // The costs of the year by month: March holds the build and the upgrade.
  EXPECT_EQ(Chart().GetSeries()[0].points[3].second, 1000);
  EXPECT_EQ(Chart().GetSeries()[2].points[3].second, 2000);

  // The hide-all takes the window back to the park view.
  world.host.HideGameScreens();
  EXPECT_EQ(Statistics().attractionView, 0);
  EXPECT_EQ(Statistics().subject, -1);
  EXPECT_EQ(Statistics().categoryList->GetItemCount(), 6);
}

// --- Attraction list ---------------------------------------------------------------

TEST_F(StatisticsScreensTest, TheListOpensTheAttractionOfTheRowEvenAfterARemoval) {
  AddAttraction("Attr_tobbin", 4, 1000).level = 3;
  AddAttraction("Attr_other", 7, 500);
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kAttractionListId});
  ASSERT_TRUE(world.IsShown(screen_ids::kBuilUpg));
  CGuiGrid& list = *world.screens.builUpgScreen->list;
  EXPECT_EQ(list.FindCell(0, 1)->text, "Attr_other");
  EXPECT_EQ(list.FindCell(1, 0)->text, "3");
  EXPECT_EQ(list.FindCell(2, 1)->text, "1000");

  // The first attraction goes; its row opens nothing, the other's still
  // opens the other.
  world.host.attractions.erase(world.host.attractions.begin());
  list.SetSelectedRow(0, true);
  world.Select(REraduzizBuilUpgScreen::kListId, 0);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kBuilUpg));
  EXPECT_FALSE(world.IsShown(screen_ids::kSummary));
  EXPECT_FALSE(world.IsShown(screen_ids::kUpgrade));
  EXPECT_EQ(world.host.flags.modal, 0);

  list.SetSelectedRow(1, true);
  world.Select(REraduzizBuilUpgScreen::kListId, 1);
  world.RunPass();
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kUpgrade));
  EXPECT_EQ(world.screens.upgradeScreen->shownNumber, 7);
  EXPECT_EQ(world.host.flags.modal, 1);
  EXPECT_EQ(Text(REraduzizUpgradeScreen::kNameId), "Attr_other");
}

TEST_F(StatisticsScreensTest, AnEmptyParkGivesAnEmptyListWhoseChoiceClosesThePages) {
  Press({screen_ids::kSummaryButton, REraduzizSummaryScreen::kAttractionListId});
  EXPECT_EQ(world.screens.builUpgScreen->list->FindCell(0, 0), nullptr);
  world.Select(REraduzizBuilUpgScreen::kListId, 0);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kSummary));
  EXPECT_FALSE(world.IsShown(screen_ids::kUpgrade));
  EXPECT_EQ(world.host.flags.modal, 0);
}

// --- Upgrade screen --------------------------------------------------------------------

TEST_F(StatisticsScreensTest, UpgradesCostTheNextLevelTimesTheBuildPriceUpToLevelThree) {
  CAttraction& wheel = AddAttraction("Attr_tobbin", 4, 1000);
  wheel.condition = 40;
  world.host.cash = 5000;
  world.screens.upgradeScreen->ShowAttraction(wheel);
  EXPECT_EQ(Text(REraduzizUpgradeScreen::kPriceId), "2000");
  Press({REraduzizUpgradeScreen::kUpgradeId});
  EXPECT_EQ(wheel.level, 2);
  EXPECT_EQ(wheel.condition, 100);
  EXPECT_EQ(wheel.upgradeCost, 3000);
  EXPECT_EQ(world.host.cash, 3000);
  EXPECT_EQ(world.host.spendings, std::vector<int32_t>{2000});
  EXPECT_EQ(world.host.ledgerTree.FindEntry(0, 2, ledger::kUpgrade, -1)->Amount(), 2000);
  EXPECT_EQ(world.host.ledgerTree.FindEntry(1, 2, ledger::kUpgrade, 4)->Amount(), 2000);

  Press({REraduzizUpgradeScreen::kUpgradeId});
  EXPECT_EQ(wheel.level, 3);
  EXPECT_EQ(world.host.cash, 0);
  EXPECT_EQ(Text(REraduzizUpgradeScreen::kPriceId), "-");
  EXPECT_EQ(world.screens.upgradeScreen->upgradeButton->interactive, 0);
  EXPECT_EQ(Text(REraduzizUpgradeScreen::kLevelTextId), GuiText(100163) + " 3");

  // At the top level nothing more is bought, however rich the park.
  world.host.cash = 100000;
  Press({REraduzizUpgradeScreen::kUpgradeId});
  EXPECT_EQ(wheel.level, 3);
  EXPECT_EQ(world.host.cash, 100000);
  EXPECT_EQ(world.host.ledgerTree.FindEntry(0, 2, ledger::kUpgrade, -1)->Amount(), 5000);
}

TEST_F(StatisticsScreensTest, TheCashCountsAtTheClickNotWhenTheWindowOpened) {
  CAttraction& wheel = AddAttraction("Attr_tobbin", 4, 1000);
  world.host.cash = 5000;
  world.screens.upgradeScreen->ShowAttraction(wheel);
  ASSERT_EQ(world.screens.upgradeScreen->upgradeButton->interactive, 1);
  world.host.cash = 1999;
  Press({REraduzizUpgradeScreen::kUpgradeId});
  EXPECT_EQ(wheel.level, 1);
  EXPECT_EQ(world.host.cash, 1999);
  EXPECT_EQ(world.host.ledgerRecords.Count(), 0);
  EXPECT_EQ(world.screens.upgradeScreen->upgradeButton->interactive, 0);
}

TEST_F(StatisticsScreensTest, TheConditionBarStaysWithinItsFrame) {
  struct Case {
    int32_t condition, width;
  };
  for (const Case& c : {Case{50, 128}, Case{100, 256}, Case{0, 0}, Case{-30, 0}, Case{140, 256}}) {
    CAttraction& attraction = AddAttraction("Attr_tobbin", int32_t(owned.size()) + 1, 1000);
    attraction.condition = c.condition;
    world.screens.upgradeScreen->ShowAttraction(attraction);
    EXPECT_EQ(world.screens.upgradeScreen->conditionBar->record->width, c.width) << c.condition;
  }
}

TEST_F(StatisticsScreensTest, TheBookGivesTheDescriptionAndPictureAndTheLevelTheBadges) {
  BookItem entry;
  entry.geometryName = "Attr_tobbin";
  entry.shortDescription = "A big wheel.XXIt turns slowly.";
  entry.imageName = "tobbin.png";
  world.screens.buildBook->realmItems[1].push_back(entry);
  CAttraction& wheel = AddAttraction("Attr_tobbin", 4, 1000);
  wheel.level = 2;
  REraduzizUpgradeScreen& screen = *world.screens.upgradeScreen;
  screen.ShowAttraction(wheel);
  EXPECT_EQ(screen.description->GetLines().front(), "A big wheel.");
  const std::string picture = screen.picture->record->backgroundTexture->GetFileName();
  EXPECT_NE(picture.find("BuildingImages"), std::string::npos) << picture;
  EXPECT_NE(picture.find("tobbin.png"), std::string::npos) << picture;
  auto badge = [&](size_t k) { return screen.badges[k]->record->backgroundTexture->GetFileName(); };
  EXPECT_NE(badge(0).find("ATTR_level_1"), std::string::npos);
  EXPECT_NE(badge(1).find("ATTR_level_2"), std::string::npos);
  EXPECT_NE(badge(2).find("alphaPX"), std::string::npos);

  CAttraction& other = AddAttraction("Attr_other", 5, 1000);
  screen.ShowAttraction(other);
  EXPECT_NE(screen.picture->record->backgroundTexture->GetFileName().find("Attr_other.jpg"), std::string::npos);
  EXPECT_EQ(screen.description->GetLines().front(), "A big wheel.");
}

TEST_F(StatisticsScreensTest, TheButtonsActOnTheShownAttractionOnly) {
  CAttraction& wheel = AddAttraction("Attr_tobbin", 4, 1000);
  world.screens.upgradeScreen->ShowAttraction(wheel);
  Press({REraduzizUpgradeScreen::kSpeedIds[2]});
  EXPECT_EQ(wheel.rideKind, 2);
  Press({REraduzizUpgradeScreen::kRepairId, REraduzizUpgradeScreen::kRepairId});
  EXPECT_EQ(world.host.managerAttractions, std::vector<CAttraction*>{&wheel});

  // Opening its statistics shows its uses of today by hour.
  Press({REraduzizUpgradeScreen::kStatisticsId});
  EXPECT_TRUE(world.IsShown(screen_ids::kStatistic));
  EXPECT_EQ(Statistics().subject, 4);
  EXPECT_EQ(Chart().GetSeries()[0].points.size(), 25u);

  // Gone from the park: the speed click is left to the rest of the chain.
  world.host.attractions.clear();
  GuiCommand speed{REraduzizUpgradeScreen::kSpeedIds[0], -1, kCmdClick, 0, 0, 0};
  world.screens.upgradeScreen->OnGuiCommand(speed);
  EXPECT_EQ(speed.sender, REraduzizUpgradeScreen::kSpeedIds[0]);
  EXPECT_EQ(wheel.rideKind, 2);
}

}  // namespace
