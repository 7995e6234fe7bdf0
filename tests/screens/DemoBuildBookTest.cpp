// The demo park's build book in the game: every realm has entries over the
// build levels, every entry names a type of the catalogue and has its
// picture, and the game's build button opens the book from which the
// player takes an attraction to place.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "app/VAvazadOvurUrovi.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/objects/CAttraction.h"
#include "platform/os/MessageBox.h"
#include "screens/REraduzizBuildBook.h"
#include "tests/platform/os/TempTree.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

// The game bar's button that opens the book.
constexpr int32_t kBuildButton = 10067;
class DemoBuildBookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ClearMessageBoxes();
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(nullptr, nullptr);
    game->InitDevice(800, 600, 32, 1);
    game->baseDirectory = HALVENOR_PARK_DIR;
    game->LoadObjectDescriptors();
    game->placementPreview = new CAttraction;  // the main object frees it
    screentest::LoadDemoGui(*game);
    game->InitClasses();
    ASSERT_NE(game->buildBook, nullptr);
  }
  void Click(int32_t sender) {
    game->PostCommand(sender, -1, kCmdClick, 0, 0);
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  }

  plat::test::TempTree workFolder;  // the engine writes its log into the working folder
  std::unique_ptr<VAvazadOvurUrovi> game;
};

TEST_F(DemoBuildBookTest, EveryRealmOffersTypesOfTheCatalogueOverTheBuildLevels) {
  const REraduzizBuildBook& book = *game->buildBook;
  std::set<int32_t> levels;
  for (int32_t realm = 0; realm < REraduzizBuildBook::kRealmCount; ++realm) {
    const std::vector<BookItem>& items = book.GetRealms()[size_t(realm)];
    EXPECT_GT(items.size(), size_t(REraduzizBuildBook::kSlotCount)) << realm;
    for (const BookItem& item : items) {
      int32_t index = -1;
      EXPECT_TRUE(game->FindObjectTypeByName(item.geometryName, nullptr, &index)) << item.geometryName.Std();
      EXPECT_GT(item.price, 0) << item.geometryName.Std();
      ASSERT_NE(item.picture, nullptr) << item.imageName.Std();
      EXPECT_GT(item.picture->GetWidth(), 0) << item.imageName.Std();
      levels.insert(item.grLevel);
    }
  }
  EXPECT_EQ(levels, (std::set<int32_t>{0, 1, 2, 3, 4, 5}));
  for (const auto& picture : book.pagePictures) EXPECT_GT(picture->GetWidth(), 0);
  EXPECT_GT(book.blankPicture->GetWidth(), 0);
  EXPECT_GT(book.veilPicture->GetWidth(), 0);
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

TEST_F(DemoBuildBookTest, TheBuildButtonOpensTheBookAndABuyPutsTheAttractionInTheTemplate) {
  game->playMode = 1;
  game->cash = 30000;
  Click(kBuildButton);
  EXPECT_EQ(game->buildBookOpen, 1);
  EXPECT_EQ(game->modalScreenOpen, 1);
  game->RunQueuedGuiCommands();  // the page commands the opener posted
  game->RemoveDoneGuiCommands();
  EXPECT_TRUE(game->FindElement(10076)->IsVisible());

  Click(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(game->buildBook->pageStart[0], REraduzizBuildBook::kSlotCount);
  Click(REraduzizBuildBook::kPreviousPage);
  Click(REraduzizBuildBook::kBuyButtons);
  const BookItem& first = game->buildBook->GetRealms()[0][0];
  EXPECT_EQ(game->buildBookOpen, 0);
  EXPECT_EQ(game->placingItem, 1);
  EXPECT_EQ(game->buildItemSelected, 1);
  EXPECT_EQ(game->placementPreview->id, first.geometryName);
  EXPECT_EQ(game->placementPreview->buildCost, first.price);
  EXPECT_EQ(game->cash, 30000);
}

}  // namespace
