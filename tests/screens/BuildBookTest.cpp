// The build book over its own window: loading, the page looks by build
// level, the built check, paging and the realm tabs, buying and the fixed
// spots.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiWindow.h"
#include "screens/ScreenIds.h"
#include "tests/screens/BuildBookTestSupport.h"

namespace {

using booktest::BookWorld;
using booktest::Entry;
using Look = REraduzizBuildBook::SlotLook;
using Realms = std::array<std::vector<Entry>, REraduzizBuildBook::kRealmCount>;

constexpr Look kEmpty = Look::kEmpty;
constexpr Look kVeiled = Look::kUnavailable;
constexpr Look kOpen = Look::kAvailable;

// Realm 0 holds one entry per build level 0 to 3; realm 4 the same types.
Realms LevelBook() {
  const std::vector<Entry> levels = {{"Attr_Zero", "Zero", 100, 16, 0},
                                     {"Attr_One", "One", 200, 0, 1},
                                     {"Attr_Two", "Two", 300, 0, 2},
                                     {"Attr_Three", "Three", 400, 0, 3}};
  Realms realms;
  realms[0] = levels;
  realms[4] = levels;
  return realms;
}

std::vector<Entry> Numbered(int count) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) entries.push_back({"Type" + std::to_string(i), "Item " + std::to_string(i)});
  return entries;
}

class BuildBookTest : public ::testing::Test {
 protected:
  BookWorld w;
};

TEST_F(BuildBookTest, LoadingBindsCaptionsAndShowsTheFirstRealmWithItsPictures) {
  w.Load(LevelBook());
  REraduzizBuildBook& book = *w.book;
  EXPECT_EQ(book.currentRealm, 0);
  for (int32_t i = 0; i < REraduzizBuildBook::kRealmCount; ++i) {
    ASSERT_NE(book.tabButtonsA[i], nullptr);
    EXPECT_EQ(book.tabButtonsA[i]->GetCaption(), book.tabButtonsB[i]->GetCaption());
    EXPECT_TRUE(w.IsTabShown(REraduzizBuildBook::kTabsA + i));
    EXPECT_FALSE(w.IsTabShown(REraduzizBuildBook::kTabsB + i));
  }
  EXPECT_EQ(book.tabButtonsA[0]->GetCaption(), "Morwenne");
  EXPECT_EQ(book.tabButtonsA[4]->GetCaption(), "General");
  ASSERT_EQ(book.realmItems[0].size(), 4u);
  ZOdevuvTexture* picture = book.realmItems[0][0].picture;
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetWidth(), 4);
  EXPECT_EQ(book.itemFrames[0]->picture, picture);
  EXPECT_EQ(book.itemFrames[0]->drawOwnPicture, 1);
  EXPECT_EQ(book.itemFrames[0]->overlayPicture, book.veilPicture.get());
  EXPECT_EQ(book.window->picture, book.pagePictures[0].get());
}

TEST_F(BuildBookTest, AParkWithoutABookFileGetsAnEmptyBook) {
  w.book = std::make_unique<REraduzizBuildBook>(w.world.kit.Gui().FindElement(screen_ids::kBuildBook), w.world.host,
                                                &w.host);
  w.book->LoadBook(w.host.baseDirectory);
  for (const auto& realm : w.book->GetRealms()) EXPECT_TRUE(realm.empty());
  EXPECT_EQ(w.Looks(), std::vector<Look>(4, kEmpty));
}

TEST_F(BuildBookTest, SlotTextsGiveNamePriceAndCapacityAndAnEmptyCapacityLineWithoutOne) {
  w.Load(LevelBook());
  EXPECT_EQ(w.SlotLines(0), (std::vector<std::string>{"Zero", "Price: 100", "Capacity: 16 visitors"}));
  EXPECT_EQ(w.SlotLines(1), (std::vector<std::string>{"One", "Price: 200", ""}));
  // Two levels ahead: the slot looks empty.
  EXPECT_TRUE(w.SlotLines(3).empty() || w.SlotLines(3) == std::vector<std::string>{""});
}

TEST_F(BuildBookTest, PageLooksFollowTheHighestLevelTheRatingAndTheScenario) {
  const struct {
    const char* name;
    std::optional<int32_t> scenario;
    std::optional<int32_t> band;
    std::vector<Look> looks;
  } cases[] = {
      {"no manager yet", std::nullopt, std::nullopt, {kOpen, kOpen, kVeiled, kEmpty}},
      {"not yet rated", std::nullopt, 0, {kOpen, kOpen, kVeiled, kEmpty}},
      {"band 40", std::nullopt, 40, {kOpen, kOpen, kOpen, kVeiled}},
      {"band 60", std::nullopt, 60, {kOpen, kOpen, kOpen, kOpen}},
      {"scenario 3 opens every level", 3, std::nullopt, {kOpen, kOpen, kOpen, kOpen}},
      {"another scenario rates", 1, 40, {kOpen, kOpen, kOpen, kVeiled}},
      {"another scenario without a manager", 2, std::nullopt, {kOpen, kOpen, kVeiled, kEmpty}},
  };
  for (const auto& c : cases) {
    BookWorld world;
    world.host.scenario = c.scenario;
    world.host.band = c.band;
    world.Load(LevelBook());
    EXPECT_EQ(world.Looks(), c.looks) << c.name;
    EXPECT_EQ(world.book->buyButtons[2]->interactive, c.looks[2] == kOpen ? 1 : 0) << c.name;
    EXPECT_EQ(world.book->itemFrames[2]->overlay, c.looks[2] == kOpen ? 0 : 1) << c.name;
  }
}

TEST_F(BuildBookTest, TheLevelReachedStaysWhenTheRatingFalls) {
  w.host.band = 80;
  w.Load(LevelBook());
  EXPECT_EQ(w.book->highestLevel, 4);
  w.host.band = 20;
  w.book->ShowPage();
  EXPECT_EQ(w.book->highestLevel, 4);
  EXPECT_EQ(w.Looks(), std::vector<Look>(4, kOpen));
}

TEST_F(BuildBookTest, ABuiltTypeIsVeiledInAThemedRealmButNotInTheGeneralBuildings) {
  w.host.built = {"Attr_Zero"};
  w.Load(LevelBook());
  EXPECT_EQ(w.Looks()[0], kVeiled);
  EXPECT_EQ(w.book->buyButtons[0]->interactive, 0);
  w.Click(REraduzizBuildBook::kTabsA + 4);
  EXPECT_EQ(w.book->currentRealm, 4);
  EXPECT_EQ(w.Looks()[0], kOpen);
}

TEST_F(BuildBookTest, PagesTurnWithinTheRealmAndEachRealmKeepsItsPage) {
  Realms realms;
  realms[0] = Numbered(5);
  realms[1] = Numbered(4);
  w.Load(realms);
  REraduzizBuildBook& book = *w.book;
  w.Click(REraduzizBuildBook::kPreviousPage);
  EXPECT_EQ(book.pageStart[0], 0);
  w.Click(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(book.pageStart[0], 4);
  EXPECT_EQ(w.Looks(), (std::vector<Look>{kOpen, kEmpty, kEmpty, kEmpty}));
  w.Click(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(book.pageStart[0], 4);
  // A realm of exactly four entries has one page.
  w.Click(REraduzizBuildBook::kTabsB + 1);
  EXPECT_EQ(book.currentRealm, 1);
  w.Click(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(book.pageStart[1], 0);
  EXPECT_EQ(w.Looks(), std::vector<Look>(4, kOpen));
  w.Click(REraduzizBuildBook::kTabsA + 0);
  EXPECT_EQ(book.pageStart[0], 4);
  w.Click(REraduzizBuildBook::kPreviousPage);
  EXPECT_EQ(book.pageStart[0], 0);
}

TEST_F(BuildBookTest, TabsOfEitherSetChooseTheRealmAndShowTheTabsAroundIt) {
  w.Load(LevelBook());
  REraduzizBuildBook& book = *w.book;
  w.Click(REraduzizBuildBook::kTabsA + 2);
  EXPECT_EQ(book.currentRealm, 2);
  w.Click(REraduzizBuildBook::kTabsB + 2);
  EXPECT_EQ(book.currentRealm, 2);
  for (int32_t i = 0; i < REraduzizBuildBook::kRealmCount; ++i) {
    EXPECT_EQ(w.IsTabShown(REraduzizBuildBook::kTabsA + i), i >= 2) << i;
    EXPECT_EQ(w.IsTabShown(REraduzizBuildBook::kTabsB + i), i < 2) << i;
  }
  EXPECT_EQ(book.window->picture, book.pagePictures[2].get());
  // The page after the last realm shows its picture and every tab on the left.
  book.SelectRealm(5);
  EXPECT_EQ(book.window->picture, book.pagePictures[5].get());
  for (int32_t i = 0; i < REraduzizBuildBook::kRealmCount; ++i) {
    EXPECT_FALSE(w.IsTabShown(REraduzizBuildBook::kTabsA + i));
    EXPECT_TRUE(w.IsTabShown(REraduzizBuildBook::kTabsB + i));
  }
  // Any other position is only kept; pages and buying then find no entry.
  book.SelectRealm(6);
  EXPECT_EQ(book.currentRealm, 6);
  EXPECT_EQ(book.window->picture, book.pagePictures[5].get());
  book.ShowPage();
  w.Click(REraduzizBuildBook::kNextPage);
  w.Click(REraduzizBuildBook::kBuyButtons);
  EXPECT_EQ(w.Looks(), std::vector<Look>(4, kEmpty));
  EXPECT_TRUE(w.host.selections.empty());
}

TEST_F(BuildBookTest, OnlyClicksOnTheBooksControlsAreTaken) {
  w.Load(LevelBook());
  for (int32_t code : {kCmdRightClick, kCmdDoubleClick, kCmdSelect}) {
    GuiCommand command{REraduzizBuildBook::kBuyButtons, -1, code, 0, 0, 0};
    EXPECT_FALSE(w.book->OnGuiCommand(command));
    EXPECT_EQ(command.sender, REraduzizBuildBook::kBuyButtons);
  }
  GuiCommand other{10098, -1, kCmdClick, 0, 0, 0};
  EXPECT_FALSE(w.book->OnGuiCommand(other));
  GuiCommand next{REraduzizBuildBook::kNextPage, -1, kCmdClick, 0, 0, 0};
  EXPECT_TRUE(w.book->OnGuiCommand(next));
  EXPECT_EQ(next.sender, -1);
}

class BuildBookBuyingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.host.catalogue = {"Attr_Zero", "Attr_One", "Attr_Velmorra", "Attr_Norwhistle"};
    w.world.host.flags.bookOpen = 1;
    w.world.host.flags.modal = 1;
  }
  std::vector<GuiCommand> Queue() { return w.world.Queue(); }

  BookWorld w;
};

TEST_F(BuildBookBuyingTest, CashEqualToThePriceBuysAndTheBookReturnsToTheGame) {
  w.world.host.cash = 100;
  w.Load(LevelBook());
  w.Click(REraduzizBuildBook::kBuyButtons + 0);
  ASSERT_EQ(w.host.selections.size(), 1u);
  EXPECT_EQ(w.host.selections[0], (std::pair<int32_t, int32_t>{0, 100}));
  const ScreenFlags& flags = w.world.host.flags;
  EXPECT_EQ(flags.placing, 1);
  EXPECT_EQ(flags.bookOpen, 0);
  EXPECT_EQ(flags.modal, 0);
  // Nothing is charged until the building is set down.
  EXPECT_EQ(w.host.charged, 0);
  EXPECT_TRUE(w.host.messages.empty());
  const std::vector<GuiCommand> queue = Queue();
  ASSERT_EQ(queue.size(), 2u);
  EXPECT_EQ(queue[0].target, screen_ids::kGameMainPage);
  EXPECT_EQ(queue[0].code, kCmdOpenPageForced);
  EXPECT_EQ(queue[0].control, REraduzizBuildBook::kCloseButton);
  EXPECT_EQ(queue[1].target, screen_ids::kStatusPanel);
  EXPECT_EQ(queue[1].code, kCmdOpenPage);
  EXPECT_EQ(w.host.statusRefreshes, 1);
}

TEST_F(BuildBookBuyingTest, OneShortGivesTheMessageAndNothingToPlace) {
  w.world.host.cash = 99;
  w.Load(LevelBook());
  w.Click(REraduzizBuildBook::kBuyButtons + 0);
  EXPECT_TRUE(w.host.selections.empty());
  EXPECT_EQ(w.host.messages, std::vector<std::string>{"Not enough money"});
  EXPECT_EQ(w.world.host.flags.placing, 0);
  EXPECT_EQ(w.world.host.flags.bookOpen, 0);
  EXPECT_EQ(Queue().size(), 2u);
}

TEST_F(BuildBookBuyingTest, ATypeTheCatalogueLacksClosesTheBookWithNothingToPlace) {
  w.host.catalogue = {"Attr_Other"};
  w.Load(LevelBook());
  w.Click(REraduzizBuildBook::kBuyButtons + 0);
  EXPECT_TRUE(w.host.selections.empty());
  EXPECT_TRUE(w.host.messages.empty());
  EXPECT_EQ(w.world.host.flags.placing, 0);
  EXPECT_EQ(w.world.host.flags.bookOpen, 0);
}

TEST_F(BuildBookBuyingTest, AnAttractionWithAFixedSpotIsSetDownThereFromAnySlot) {
  const struct {
    const char* id;
    int32_t slot;
    plat::Vec3 spot;
    float rotation;
  } cases[] = {{"Attr_Velmorra", 0, {-123.166f, 1.106f, -45.46f}, 0.0f},
               {"Attr_Velmorra", 3, {-123.166f, 1.106f, -45.46f}, 0.0f},
               {"Attr_Norwhistle", 1, {-99.532f, 1.036f, 140.273f}, 90.0f}};
  for (const auto& c : cases) {
    BookWorld world;
    world.host.catalogue = {"Attr_Velmorra", "Attr_Norwhistle", "Attr_Filler"};
    std::vector<Entry> realm(4, Entry{"Attr_Filler", "Filler"});
    realm[size_t(c.slot)] = Entry{c.id, "Fixed", 500};
    Realms realms;
    realms[0] = realm;
    world.Load(realms);
    world.Click(REraduzizBuildBook::kBuyButtons + c.slot);
    ASSERT_EQ(world.host.placed.size(), 1u) << c.id << " " << c.slot;
    EXPECT_EQ(world.host.placed[0].id, c.id);
    EXPECT_EQ(world.host.placed[0].position.x, c.spot.x);
    EXPECT_EQ(world.host.placed[0].position.y, c.spot.y);
    EXPECT_EQ(world.host.placed[0].position.z, c.spot.z);
    EXPECT_EQ(world.host.placed[0].rotation, c.rotation);
    EXPECT_EQ(world.host.charged, 500);
    EXPECT_EQ(world.world.host.flags.placing, 0);
    EXPECT_EQ(world.host.placementAllowed, 0);
  }
}

TEST_F(BuildBookBuyingTest, ATakenFixedSpotRefusesTheSecondCopy) {
  Realms realms;
  realms[4] = {Entry{"Attr_Velmorra", "Fixed", 500}};
  w.Load(realms);
  w.Click(REraduzizBuildBook::kTabsA + 4);
  w.Click(REraduzizBuildBook::kBuyButtons);
  ASSERT_EQ(w.host.placed.size(), 1u);
  const int resetsAfterFirst = w.host.templateResets;
  w.Click(REraduzizBuildBook::kBuyButtons);
  EXPECT_EQ(w.host.placed.size(), 1u);
  EXPECT_EQ(w.host.charged, 500);
  // The refused copy is not left in the template for the mouse to place.
  EXPECT_EQ(w.host.templateResets, resetsAfterFirst + 1);
  EXPECT_EQ(w.host.templateId, EngineString());
  EXPECT_EQ(w.world.host.flags.placing, 0);
}

TEST_F(BuildBookBuyingTest, CloseReturnsToTheGameWithoutPlacing) {
  w.Load(LevelBook());
  w.Click(REraduzizBuildBook::kCloseButton);
  EXPECT_EQ(w.world.host.flags.bookOpen, 0);
  EXPECT_EQ(w.world.host.flags.modal, 0);
  EXPECT_EQ(w.world.host.flags.placing, 0);
  EXPECT_EQ(w.host.statusRefreshes, 1);
  EXPECT_EQ(Queue().size(), 2u);
}

}  // namespace
