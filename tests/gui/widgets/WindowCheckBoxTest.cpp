// The window's title bar and the check box's toggling, lock and frames.
#include <gtest/gtest.h>

#include <vector>

#include "gui/widgets/CGuiCheckBox.h"
#include "gui/widgets/CGuiWindow.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::QueuedWithCode;

constexpr int32_t kWindowId = 700;
constexpr int32_t kOtherId = 800;
constexpr GuiColour kEnabledTitle{255, 10, 20, 30};
constexpr GuiColour kDisabledTitle{255, 90, 90, 90};

// Two top-level windows, each a layer: the one under test at (100, 100),
// 300 x 200, with a 24-pixel title bar; another beside it, on top.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = kit.Add<CGuiWindow>(nullptr, kWindowId, 100, 100, 300, 200, 0);
    window->SetTitleBar(kit.Image("title.png", 300, 24), true, 24, 2);
    window->SetTitle("Staff");
    window->SetTitleColours(kEnabledTitle, kDisabledTitle);
    other = kit.Add<CGuiWindow>(nullptr, kOtherId, 500, 100, 300, 200, 0);
  }

  guitest::GuiTestKit kit;
  CGuiWindow* window = nullptr;
  CGuiWindow* other = nullptr;
};

TEST_F(WindowTest, TitleBarReleaseIsTakenAndActivatesOnlyADisabledWindow) {
  const struct {
    const char* what;
    bool enabled;
    int32_t x, y;
    bool taken;
    bool posted;
  } cases[] = {{"enabled, on the title bar", true, 200, 112, true, false},
               {"disabled, on the title bar", false, 200, 112, true, true},
               {"disabled, below the title bar", false, 200, 150, false, false},
               {"disabled, on the window's top edge", false, 200, 100, false, false},
               {"disabled, on the title bar's lower edge", false, 200, 124, false, false}};
  for (const auto& c : cases) {
    kit.Gui().GetCommandQueue().RemoveConsumed();
    window->record->enabled = c.enabled ? 1 : 0;
    const std::size_t before = QueuedWithCode(kit, kCmdActivate).size();
    EXPECT_EQ(kit.Route(gui::kLeftUp, c.x, c.y), c.taken) << c.what;
    const auto activates = QueuedWithCode(kit, kCmdActivate);
    EXPECT_EQ(activates.size(), before + (c.posted ? 1 : 0)) << c.what;
    if (c.posted) {
      EXPECT_EQ(activates.back().sender, kWindowId);
      EXPECT_EQ(activates.back().target, -1);
    }
  }
}

TEST_F(WindowTest, TitleBarClickBringsADisabledTopLevelWindowBack) {
  window->Disable(nullptr);
  widgettest::ClickAt(kit, 200, 112);
  EXPECT_TRUE(window->IsEnabled());
  EXPECT_TRUE(other->IsEnabled()) << "a later layer keeps its state";
  EXPECT_TRUE(QueuedWithCode(kit, kCmdActivate).empty());
}

TEST_F(WindowTest, TitleBarClickBringsAWindowOnAPageToTheFront) {
  CGuiElement* page = kit.Add(nullptr, 900, 0, 400, 1024, 368);
  auto* first = kit.Add<CGuiWindow>(page, 901, 100, 0, 200, 100, 0);
  first->SetTitleBar(kit.Image("title.png", 200, 20), true, 20, 2);
  kit.Add<CGuiWindow>(page, 902, 400, 0, 200, 100, 0);
  first->Disable(nullptr);
  widgettest::ClickAt(kit, 150, 410);
  EXPECT_TRUE(first->IsEnabled());
  EXPECT_EQ(page->GetChild(page->GetChildCount() - 1), first);
}

TEST_F(WindowTest, HiddenWindowsTitleBarTakesNothing) {
  window->SetHidden(true);
  window->Disable(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 200, 112));
  EXPECT_TRUE(widgettest::Queued(kit).empty());
  window->SetHidden(false);
  EXPECT_TRUE(window->IsVisible());
}

TEST_F(WindowTest, TitleTakesTheColourOfTheStateAndNeedsTheTitleBar) {
  widgettest::Drawn drawn = widgettest::DrawOnce(kit, *window);
  const plat::TextRecord* title = drawn.Text("Staff");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->color, kEnabledTitle.Argb());
  EXPECT_EQ(title->rect.left, 104);
  EXPECT_EQ(title->rect.top, 102);
  EXPECT_EQ(window->GetState(), 0);

  window->Disable(nullptr);
  drawn = widgettest::DrawOnce(kit, *window);
  ASSERT_NE(drawn.Text("Staff"), nullptr);
  EXPECT_EQ(drawn.Text("Staff")->color, kDisabledTitle.Argb());
  EXPECT_EQ(window->GetState(), 1);

  other->SetTitle("No bar");
  EXPECT_EQ(widgettest::DrawOnce(kit, *other).Text("No bar"), nullptr);
}

constexpr int32_t kCheckId = 710;
constexpr int32_t kBoxSize = 20;

// A check box of 200 x 20 at (100, 100) on a page; its box image holds six
// 20 x 20 frames, so the box lies at its left end.
class CheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, 100, 0, 0, 1024, 768);
    check = kit.Add<CGuiCheckBox>(page, kCheckId, 100, 100, 200, 20, 8);
    check->SetBoxTexture(kit.Image("box.png", 6 * kBoxSize, kBoxSize), 6);
    check->SetText("Music", 0);
    kit.RunFrame();
  }

  void Click(int32_t x, int32_t y) { widgettest::ClickAt(kit, x, y); }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiCheckBox* check = nullptr;
};

TEST_F(CheckBoxTest, ClickInTheBoxTogglesThroughTheDispatcher) {
  EXPECT_EQ(check->GetBoxX(), 100);
  EXPECT_EQ(check->GetBoxY(), 100);
  Click(110, 110);
  EXPECT_TRUE(check->IsChecked());
  EXPECT_EQ(check->GetFrame(), CGuiCheckBox::kChecked);
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"CHECK_CLICK"});
  EXPECT_TRUE(widgettest::Queued(kit).empty()) << "the box consumed its click";
  Click(111, 110);
  EXPECT_FALSE(check->IsChecked());
  EXPECT_EQ(check->GetFrame(), CGuiCheckBox::kUnchecked);
}

TEST_F(CheckBoxTest, LockedBoxPostsAndClicksButDoesNotToggle) {
  check->SetLocked(true);
  EXPECT_EQ(check->GetFrame(), CGuiCheckBox::kUncheckedLocked);
  kit.Route(gui::kLeftUp, 110, 110);
  EXPECT_EQ(QueuedWithCode(kit, kCmdClick).size(), 1u);
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"CHECK_CLICK"});
  kit.RunFrame();
  EXPECT_FALSE(check->IsChecked());
  check->SetChecked(true);
  EXPECT_EQ(check->GetFrame(), CGuiCheckBox::kCheckedLocked);
}

TEST_F(CheckBoxTest, ClickOnTheLabelDoesNothing) {
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 180, 110));
  EXPECT_TRUE(widgettest::Queued(kit).empty());
  EXPECT_TRUE(kit.Sounds().empty());
}

TEST_F(CheckBoxTest, PressInTheBoxIsTaken) {
  EXPECT_TRUE(kit.Route(gui::kLeftDown, 110, 110));
  EXPECT_FALSE(kit.Route(gui::kLeftDown, 180, 110));
}

TEST_F(CheckBoxTest, MouseMovesShowTheFrameOfTheState) {
  const struct {
    bool checked, locked, inBox;
    int32_t frame;
  } cases[] = {{false, false, false, 0}, {false, false, true, 1}, {true, false, false, 2},
               {true, false, true, 3},   {false, true, false, 4}, {false, true, true, 4},
               {true, true, false, 5},   {true, true, true, 5}};
  for (const auto& c : cases) {
    check->checked = c.checked;
    check->locked = c.locked;
    kit.Route(gui::kMouseMove, c.inBox ? 110 : 180, 110);
    EXPECT_EQ(check->GetFrame(), c.frame) << c.checked << c.locked << c.inBox;
  }
}

TEST_F(CheckBoxTest, DrawsTheFrameCellAndTheLabelBesideTheBox) {
  check->SetChecked(true);
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *check);
  ASSERT_EQ(drawn.quads.size(), 1u);
  // Frame 2 of six: the texture's third sixth.
  EXPECT_FLOAT_EQ(drawn.quads[0].Read<float>(0, 20), 2.0f / 6.0f);
  const plat::TextRecord* label = drawn.Text("Music");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->rect.left, 100 + kBoxSize + 1);
  EXPECT_EQ(label->rect.top, 102);
}

TEST_F(CheckBoxTest, BoxAtTheRightEndWithAlignmentOne) {
  check->SetAlignment(CGuiCheckBox::kBoxRight);
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *check);
  EXPECT_EQ(check->GetBoxX(), 300 - kBoxSize);
  ASSERT_NE(drawn.Text("Music"), nullptr);
  EXPECT_EQ(drawn.Text("Music")->rect.right, 300 - kBoxSize - 1);
  Click(290, 110);
  EXPECT_TRUE(check->IsChecked());
}

TEST_F(CheckBoxTest, BoxTextureWithoutFramesAndBoxesTallerThanTheElement) {
  auto* odd = kit.Add<CGuiCheckBox>(page, 720, 100, 300, 10, 10, 8);
  odd->SetBoxTexture(kit.Image("single.png", 30, 40), 0);
  EXPECT_EQ(odd->GetBoxWidth(), 30);
  EXPECT_EQ(odd->GetBoxHeight(), 40);
  EXPECT_EQ(odd->record->width, 30);
  EXPECT_EQ(odd->record->height, 40);
  kit.RunFrame();
}

TEST_F(CheckBoxTest, HiddenOrDisabledBoxTakesNothing) {
  check->Disable(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 110, 110));
  check->Enable(nullptr);
  check->Hide(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 110, 110));
  EXPECT_TRUE(widgettest::Queued(kit).empty());
}

}  // namespace
