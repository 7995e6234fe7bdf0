// The drop-down menu: the pop-up list below the box, its lock against the
// page's Show, opening through the dispatcher, pick positions.
#include <gtest/gtest.h>

#include <ostream>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiDropDownMenu.h"
#include "gui/widgets/CGuiVScroll.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::QueuedWithCode;

constexpr int32_t kPageId = 100;
constexpr int32_t kMenuId = 400;
constexpr int32_t kX = 100;
constexpr int32_t kY = 100;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kListY = kY + kRowHeight + 1;

// A framed menu with four pop-up rows, set up in the GUI creator's order:
// rows before the pop-up exists, then the pop-up, its scroll bar and the
// drop button.
class DropDownMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, kPageId, 0, 0, 1024, 768);
    menu = kit.Add<CGuiDropDownMenu>(page, kMenuId, kX, kY, 200, kRowHeight, 12);
    kit.Add(page, 101, 500, 500, 50, 50);
    menu->SetFrameTexture(kit.Image("frame.png", 4, 4), 2);
    menu->SetVisibleRows(4);
    menu->CreateList(kit.Image("list.png", 20, 20));
    menu->CreateScrollBar(kit.Image("track.png", 20, 20), kit.Image("up.png", 80, 17),
                          kit.Image("down.png", 80, 17), kit.Image("thumb.png", 20, 12));
    menu->CreateDropButton(kit.Image("drop.png", 80, 20), 4);
    list = menu->GetList();
  }

  void Fill(int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      EngineString text;
      text.Format("entry %d", i);
      menu->AddItem(text, uint32_t(i));
    }
  }

  void ClickDropButton() { widgettest::HoverAndClick(kit, 288, 110); }

  static int32_t ListRowMiddle(int32_t row) { return kListY + row * kRowHeight + kRowHeight / 2; }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiDropDownMenu* menu = nullptr;
  CGuiListBox* list = nullptr;
};

TEST_F(DropDownMenuTest, PopUpSitsBelowTheBoxHiddenWithTheRowsGivenBeforeItExisted) {
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetId(), kMenuId + 10001);
  EXPECT_EQ(list->record->y, kListY);
  EXPECT_EQ(list->record->height, 4 * kRowHeight);
  EXPECT_EQ(list->GetVisibleRows(), 4);
  EXPECT_EQ(menu->GetVisibleRows(), 1);
  EXPECT_FALSE(list->IsVisible());
  EXPECT_FALSE(list->IsEnabled());
  EXPECT_NE(list->GetScrollBar(), nullptr) << "the menu's scroll bar belongs to the pop-up";
  EXPECT_EQ(menu->GetScrollBar(), nullptr);
  EXPECT_EQ(menu->GetDropButton()->GetId(), kMenuId + 10000);
}

TEST_F(DropDownMenuTest, FirstEntryBecomesTheShownChoice) {
  menu->AddItem("first", 1);
  EXPECT_EQ(menu->GetItemCount(), 1);
  EXPECT_EQ(menu->GetItemText(0), "first");
  menu->AddItem("second", 2);
  menu->AddItem("third", 3);
  EXPECT_EQ(menu->GetItemCount(), 1);
  EXPECT_EQ(menu->GetItemText(0), "first");
  EXPECT_EQ(list->GetItemCount(), 3);
}

TEST_F(DropDownMenuTest, SetItemTextGoesToThePopUpAndGivesItARowPerEntry) {
  menu->SetItemText(2, "third", 0);
  EXPECT_EQ(list->GetItemCount(), 3);
  EXPECT_EQ(list->GetItemText(2), "third");
  EXPECT_EQ(list->GetVisibleRows(), 3);
  EXPECT_EQ(menu->GetItemCount(), 0) << "the pop-up holds more than one entry";
}

TEST_F(DropDownMenuTest, ClosedPopUpPicksNothing) {
  Fill(5);
  kit.RunFrame();
  kit.Route(gui::kLeftDown, 150, ListRowMiddle(1));
  EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty());
  EXPECT_EQ(menu->GetItemText(0), "entry 0");
}

TEST_F(DropDownMenuTest, DropButtonOpensThroughTheDispatcherOnTopOfTheSiblings) {
  Fill(5);
  ClickDropButton();
  EXPECT_TRUE(menu->IsOpen());
  EXPECT_TRUE(list->IsVisible());
  EXPECT_TRUE(list->IsEnabled());
  EXPECT_EQ(page->GetChild(page->GetChildCount() - 1), menu);
  EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty()) << "opening picks nothing";
  ClickDropButton();
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_FALSE(list->IsVisible());
}

struct MenuPickCase {
  const char* what;
  int32_t top;
  int32_t row;
  int32_t picked;
};

void PrintTo(const MenuPickCase& c, std::ostream* os) { *os << c.what; }

class DropDownPickTest : public DropDownMenuTest, public ::testing::WithParamInterface<MenuPickCase> {};

TEST_P(DropDownPickTest, PressOnAPopUpRowPicksTopRowPlusRow) {
  const MenuPickCase& c = GetParam();
  Fill(8);
  ClickDropButton();
  list->SetTopRow(c.top);
  kit.ClearSounds();
  kit.Route(gui::kLeftDown, 150, ListRowMiddle(c.row));
  const auto selects = QueuedWithCode(kit, kCmdSelect);
  ASSERT_EQ(selects.size(), 1u) << c.what;
  EXPECT_EQ(selects[0].sender, kMenuId);
  EXPECT_EQ(selects[0].target, -1);
  EXPECT_EQ(selects[0].control, c.picked) << c.what;
  EXPECT_EQ(menu->GetSelectedIndex(), c.picked);
  EXPECT_TRUE(kit.Sounds().empty());
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_FALSE(list->IsVisible());
  ASSERT_EQ(menu->GetItemCount(), 1);
  EXPECT_EQ(menu->GetItemText(0), list->GetItemText(c.picked));
  // Neither the release nor the pop-up itself reports the pick again.
  kit.Route(gui::kLeftUp, 150, ListRowMiddle(c.row));
  EXPECT_EQ(QueuedWithCode(kit, kCmdSelect).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownPickTest,
                         ::testing::Values(MenuPickCase{"first row", 0, 0, 0}, MenuPickCase{"last row", 0, 3, 3},
                                           MenuPickCase{"scrolled down by three, second row", 3, 1, 4}));

TEST_F(DropDownMenuTest, PressesOutsideCloseButNotOnThePopUpScrollBar) {
  Fill(8);
  ClickDropButton();
  ASSERT_TRUE(list->GetScrollBar()->IsVisible());
  kit.Route(gui::kLeftDown, 290, ListRowMiddle(1));
  EXPECT_TRUE(menu->IsOpen()) << "on the pop-up's scroll bar";
  kit.Route(gui::kLeftDown, 700, 600);
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty());
}

TEST_F(DropDownMenuTest, ShowingThePageLeavesTheClosedPopUpHidden) {
  Fill(3);
  page->Hide(nullptr);
  page->Show(nullptr);
  EXPECT_TRUE(menu->IsVisible());
  EXPECT_FALSE(list->IsVisible());
  menu->SetOpen(true);
  page->Show(nullptr);
  EXPECT_TRUE(list->IsVisible());
  menu->SetOpen(false);
  page->Show(nullptr);
  EXPECT_FALSE(list->IsVisible());
}

TEST_F(DropDownMenuTest, ClearEmptiesBoxAndPopUp) {
  Fill(4);
  menu->Clear();
  EXPECT_EQ(menu->GetItemCount(), 0);
  EXPECT_EQ(list->GetItemCount(), 0);
  menu->AddItem("again", 0);
  EXPECT_EQ(menu->GetItemText(0), "again");
}

TEST_F(DropDownMenuTest, ListOperationsBeforeThePopUpExistsAreSkipped) {
  auto* bare = kit.Add<CGuiDropDownMenu>(page, 450, 10, 10, 100, 20, 12);
  bare->AddItem("x", 0);
  bare->SetItemText(2, "y", 0);
  bare->SetItemTexture("nothing.png");
  EXPECT_EQ(bare->GetItemCount(), 0);
  EXPECT_EQ(bare->GetList(), nullptr);
  kit.Route(gui::kLeftDown, 50, 20);
  kit.RunFrame();
}

}  // namespace
