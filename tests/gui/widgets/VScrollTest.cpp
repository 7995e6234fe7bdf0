// CGuiVScroll: layout, range, arrows with auto-repeat, the thumb drag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiVScroll.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

// Owner 60 at (100, 100), 200 by 100, with a bar at its right edge: arrows
// 16 by 16 (four frames in 64 by 16 images), the track 68 high from y 116.
class VScrollTest : public ::testing::Test {
 protected:
  VScrollTest() {
    root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
    owner = kit.Add(root, 60, 100, 100, 200, 100);
    bar = MakeBar(owner);
  }

  CGuiVScroll* MakeBar(CGuiElement* parent) {
    auto* made = new CGuiVScroll();
    made->CreateSized(parent, 61, 5, 184, 0, 0, 100, 4, 1, 1);
    made->SetTextures(kit.Image("up.png", 64, 16), kit.Image("down.png", 64, 16), kit.Image("thumb.png", 16, 16));
    made->UpdateLayout();
    if (parent) {
      parent->AddChild(made);
    } else {
      kit.Gui().AddLayer(61, 1, made, 0);
    }
    return made;
  }

  std::vector<GuiCommand> Posted() { return kit.Gui().GetCommandQueue().Snapshot(); }

  // Points inside the parts.
  static constexpr int32_t kX = 292;
  static constexpr int32_t kUpY = 108;
  static constexpr int32_t kDownY = 192;

  guitest::GuiTestKit kit;
  CGuiElement* root;
  guitest::RecordingElement* owner;
  CGuiVScroll* bar;
};

TEST_F(VScrollTest, LayoutComesFromTheArrowImage) {
  EXPECT_EQ(bar->GetArrowWidth(), 16);
  EXPECT_EQ(bar->GetArrowHeight(), 16);
  EXPECT_EQ(bar->record->width, 16);
  EXPECT_EQ(bar->GetTrackHeight(), 68);
  EXPECT_EQ(bar->GetTrackTop(), 116);
  EXPECT_EQ(bar->rect.right, 300);
}

TEST_F(VScrollTest, TheRangeSizesTheThumbAndThePositionPlacesIt) {
  bar->SetRange(4);
  EXPECT_EQ(bar->GetThumbHeight(), 17);
  bar->SetScrollPos(2);
  EXPECT_EQ(bar->GetThumbY(), 116 + 34);
  bar->SetRange(0);
  EXPECT_EQ(bar->GetThumbHeight(), 17) << "a range of 0 keeps the thumb";
  EXPECT_EQ(bar->GetThumbY(), 116) << "and puts it back on top";
  bar->SetScrollPos(3);
  EXPECT_EQ(bar->GetThumbY(), 116) << "without a range positions do nothing";
  bar->SetRange(-2);
  EXPECT_EQ(bar->GetThumbHeight(), 17);
  bar->SetRange(500);
  EXPECT_EQ(bar->GetThumbHeight(), 1) << "more positions than pixels still leave a thumb";
}

TEST_F(VScrollTest, AnArrowRepeatsAfterAHundredPressesAndTheReleaseScrollsOnceMore) {
  for (int i = 0; i < CGuiVScroll::kRepeatAfter; ++i) kit.Route(gui::kLeftDown, kX, kUpY, gui::kHeldLeft);
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(bar->GetUpFrame(), kStatePressed);
  EXPECT_TRUE(kit.Route(gui::kLeftDown, kX, kUpY, gui::kHeldLeft));
  EXPECT_TRUE(kit.Route(gui::kLeftDown, kX, kUpY, gui::kHeldLeft));
  EXPECT_TRUE(kit.Route(gui::kLeftUp, kX, kUpY));
  const std::vector<GuiCommand> posted = Posted();
  ASSERT_EQ(posted.size(), 3u);
  for (const GuiCommand& command : posted) {
    EXPECT_EQ(command.code, kCmdScrollUp);
    EXPECT_EQ(command.sender, -1);
    EXPECT_EQ(command.target, 60);
  }
  EXPECT_EQ(bar->GetUpFrame(), kStateNormal);
  // The release reset the count: the next press posts nothing.
  kit.Route(gui::kLeftDown, kX, kUpY, gui::kHeldLeft);
  EXPECT_EQ(Posted().size(), 3u);
}

TEST_F(VScrollTest, AReleaseElsewhereDoesNotResetTheCount) {
  for (int i = 0; i < CGuiVScroll::kRepeatAfter; ++i) kit.Route(gui::kLeftDown, kX, kDownY, gui::kHeldLeft);
  kit.Route(gui::kLeftUp, 150, 150);
  EXPECT_TRUE(Posted().empty());
  kit.Route(gui::kLeftDown, kX, kDownY, gui::kHeldLeft);
  ASSERT_EQ(Posted().size(), 1u);
  EXPECT_EQ(Posted()[0].code, kCmdScrollDown);
}

TEST_F(VScrollTest, ABarWithoutAnOwnerChangesItsFramesButPostsNothing) {
  CGuiVScroll* loose = MakeBar(nullptr);  // a layer of its own at (184, 0)
  kit.Route(gui::kMouseMove, 192, 8);
  EXPECT_EQ(loose->GetUpFrame(), kStateHover);
  kit.Route(gui::kLeftUp, 192, 8);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(VScrollTest, HoverFramesFollowThePointer) {
  kit.Route(gui::kMouseMove, kX, kDownY);
  EXPECT_EQ(bar->GetDownFrame(), kStateHover);
  EXPECT_EQ(bar->GetUpFrame(), kStateNormal);
  kit.Route(gui::kMouseMove, 150, 150);
  EXPECT_EQ(bar->GetDownFrame(), kStateNormal);
}

TEST_F(VScrollTest, TheClickSoundPlaysOnlyForAReleaseOnTheBar) {
  kit.Route(gui::kLeftUp, 150, 150);
  EXPECT_TRUE(kit.Sounds().empty());
  kit.Route(gui::kLeftUp, kX, 150);
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"SCROLL_CLICK"});
}

TEST_F(VScrollTest, PressesOnTheBarAreTakenSoTheWorldBelowNeverSeesThem) {
  EXPECT_TRUE(kit.Route(gui::kLeftDown, kX, 150, gui::kHeldLeft));
  EXPECT_FALSE(kit.Route(gui::kLeftDown, 150, 150, gui::kHeldLeft));
  bar->Hide(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftDown, kX, 150, gui::kHeldLeft));
}

class VScrollDragTest : public VScrollTest {
 protected:
  void SetUp() override {
    bar->SetRange(4);  // thumb 17 high
    kit.Route(gui::kMouseMove, kX, 120, gui::kHeldLeft);
    kit.Route(gui::kLeftDown, kX, 120, gui::kHeldLeft);
  }

  std::vector<int32_t> Positions() {
    std::vector<int32_t> positions;
    for (const GuiCommand& command : Posted()) {
      EXPECT_EQ(command.code, kCmdScrollTo);
      EXPECT_EQ(command.target, 60);
      positions.push_back(command.control);
    }
    return positions;
  }
};

TEST_F(VScrollDragTest, TheThumbFollowsThePointerWithinTheTrack) {
  kit.Route(gui::kMouseMove, kX, 130, gui::kHeldLeft);  // less than a thumb: position 0 again
  kit.Route(gui::kMouseMove, kX, 160, gui::kHeldLeft);
  EXPECT_EQ(bar->GetThumbY(), 156);
  kit.Route(gui::kMouseMove, kX, 400, gui::kHeldLeft);
  EXPECT_EQ(bar->GetThumbY(), 200 - 16 - 17) << "stops above the down arrow";
  kit.Route(gui::kMouseMove, kX, 20, gui::kHeldLeft);
  EXPECT_EQ(bar->GetThumbY(), 116) << "stops below the up arrow";
  EXPECT_EQ(Positions(), (std::vector<int32_t>{0, 2, 3, 0}));
}

TEST_F(VScrollDragTest, NothingMovesWithoutTheLeftButtonAloneHeld) {
  kit.Route(gui::kMouseMove, kX, 160, gui::kHeldLeft | gui::kHeldRight);
  EXPECT_EQ(bar->GetThumbY(), 116);
  kit.Route(gui::kMouseMove, kX, 170, 0);  // the release went unseen: the drag is over
  kit.Route(gui::kMouseMove, kX, 180, gui::kHeldLeft);
  EXPECT_EQ(bar->GetThumbY(), 116);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(VScrollDragTest, MorePositionsThanPixelsNeverPostAPositionBeyondTheRange) {
  bar->SetRange(500);
  kit.Route(gui::kMouseMove, kX, 400, gui::kHeldLeft);
  const std::vector<int32_t> positions = Positions();
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_LE(positions[0], 499);
  EXPECT_GT(positions[0], 0);
}

TEST_F(VScrollDragTest, ADragOnOneBarLeavesAnotherBarAlone) {
  guitest::RecordingElement* other = kit.Add(root, 70, 400, 100, 200, 100);
  auto* second = new CGuiVScroll();
  second->CreateSized(other, 71, 5, 184, 0, 0, 100, 4, 1, 1);
  second->SetTextures(kit.Image("up2.png", 64, 16), kit.Image("down2.png", 64, 16), kit.Image("t2.png", 16, 16));
  second->UpdateLayout();
  other->AddChild(second);
  second->SetRange(4);
  kit.Route(gui::kMouseMove, 592, 160, gui::kHeldLeft);
  EXPECT_EQ(second->GetThumbY(), 116);
}

}  // namespace
