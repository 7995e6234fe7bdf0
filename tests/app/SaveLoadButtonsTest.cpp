// The save and load page played with the mouse over the demo park's GUI:
// a park is saved from the pause menu, its name shows in the list, the park
// changes, and the saved game is chosen from the list and loaded back.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/ledger/CLedgerRecordList.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr int32_t kFirstRow = 10261;
constexpr int32_t kSecondRow = 10260;
constexpr int32_t kStaffId = 1000;

// What the player sees of a park.
struct ParkView {
  int32_t cash = 0;
  size_t objects = 0;
  int32_t buildingCell = -1;
  bool pathCell = false;
  int32_t pathCells = 0;
  size_t ledgerRecords = 0;
  size_t staff = 0;
  bool operator==(const ParkView&) const = default;
};

void PrintTo(const ParkView& view, std::ostream* out) {
  *out << "cash " << view.cash << ", objects " << view.objects << ", building cell " << view.buildingCell
       << ", path cell " << view.pathCell << " of " << view.pathCells << ", ledger records " << view.ledgerRecords
       << ", staff " << view.staff;
}

class SaveLoadButtonsTest : public playerhand::DemoGuiFixture {
 protected:
  void SetUp() override {
    DemoGuiFixture::SetUp();
    game->aiManager = new CPorvikAiClass;  // the game deletes it
    // Saved games go to the scratch folder, never into the demo park.
    game->baseDirectory = Folder().string().c_str();
    AddType("Attr_Skarloop", kObjectKindAttraction, 1, 1);
    StartFreeGame();
  }

  // A path cell, a building beside it and a hired cleaner.
  void BuildPark() {
    ClickElement(10074);  // the path bar
    ClickElement(10461);  // the path tool
    MoveMouseTo(CellCentre(kHighI, kMiddleJ));
    Frame();
    Click(kRight);
    Click(kMiddle);
    PlaceBuilding(kHighI + 3);
    ASSERT_TRUE(game->CreateStaffMember(kStaffId, REraduzizVisitor::kCleaner, CellCentre(kHighI, kMiddleJ)));
    PlacementRecord record;
    record.id = kStaffId;
    game->placedCharacters.push_back(record);
  }

  void PlaceBuilding(int32_t i) {
    ChooseBuildItem(0, 1200);
    MoveMouseTo(CellCentre(i, kMiddleJ));
    Frame();
    Click(kRight);
  }

  // The game menu, the pause menu, then its save and load page.
  void OpenSaveLoadPage() {
    ClickElement(10071);
    ClickElement(10266);
    ClickElement(10014);
    ASSERT_TRUE(IsShown(10235));
  }

  ParkView View() const {
    ParkView view;
    view.cash = game->cash;
    view.objects = game->placedObjects.Objects().size();
    view.buildingCell = CellObject(kHighI + 3, kMiddleJ);
    CLandscapeCell cell;
    view.pathCell = terrain->GetCell(kHighI, kMiddleJ, cell) && cell.IsPath();
    view.pathCells = game->pathCells;
    view.ledgerRecords = game->ledgerRecords->Records().size();
    CPorvikAiClass& manager = *game->GetAiManager();
    for (int32_t n = 0; n < manager.GetCharacterCount(); ++n) {
      if (manager.GetCharacter(n)->GetId() == kStaffId) ++view.staff;
    }
    return view;
  }

  // A file of the first saved game.
  std::filesystem::path SavedFile(const char* extension) const {
    return Folder() / "Scenes" / "Saved" / (VAvazadOvurUrovi::FileTitle(game->savedGames[0]).Std() + extension);
  }

  std::string RowText(int32_t grid) const {
    const auto* row = dynamic_cast<const CGuiGrid*>(game->FindElement(grid));
    const GridCell* cell = row ? row->FindCell(0, 0) : nullptr;
    return cell ? cell->text.Std() : "";
  }
};

}  // namespace

TEST_F(SaveLoadButtonsTest, AParkSavedFromThePauseMenuIsListedAndLoadsBackAsItWas) {
  BuildPark();
  const ParkView saved = View();
  ASSERT_EQ(saved.objects, 1u);
  ASSERT_TRUE(saved.pathCell);
  ASSERT_EQ(saved.staff, 1u);

  OpenSaveLoadPage();
  ClickElement(10237);  // Save
  ASSERT_EQ(game->savedGames.size(), 1u);
  const std::string name = VAvazadOvurUrovi::FileTitle(game->savedGames[0]).Std();
  EXPECT_TRUE(std::filesystem::exists(SavedFile(VAvazadOvurUrovi::kSceneExtension))) << name;
  EXPECT_EQ(RowText(kFirstRow), name);
  EXPECT_EQ(RowText(kSecondRow), "") << "one game fills one row";
  ClickElement(10238);  // Back to the pause menu
  ClickElement(10019);  // and into the game

  PlaceBuilding(kHighI + 6);
  ASSERT_NE(View(), saved);

  OpenSaveLoadPage();
  ClickElement(kFirstRow);
  EXPECT_EQ(game->saveListSelectedRow, 0);
  ClickElement(10236);  // Load
  EXPECT_EQ(View(), saved);
  EXPECT_FALSE(IsShown(10235)) << "the page closes on the loaded park";
  EXPECT_TRUE(IsShown(10062)) << "the game bar";
  EXPECT_EQ(game->playMode, 1);
  EXPECT_EQ(game->simulationHalted, 0);
  EXPECT_EQ(game->modalScreenOpen, 0);
}

TEST_F(SaveLoadButtonsTest, LoadWithoutAChosenRowOrWithADamagedGameKeepsThePark) {
  BuildPark();
  OpenSaveLoadPage();
  ClickElement(10237);
  ClickElement(10236);  // no row chosen yet
  EXPECT_TRUE(IsShown(10235));
  EXPECT_EQ(game->simulationHalted, 1) << "still paused behind the page";

  const ParkView before = View();
  std::filesystem::resize_file(SavedFile(VAvazadOvurUrovi::kParkExtension), 3);
  ClickElement(kFirstRow);
  ClickElement(10236);
  EXPECT_EQ(View(), before);
  EXPECT_TRUE(IsShown(10235)) << "the page stays for another choice";
  EXPECT_EQ(game->simulationHalted, 1);
  EXPECT_EQ(game->modalScreenOpen, 1);
}
