#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiTextBox.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::ScreenWorld;

struct Call {
  void* context;
  int32_t argument1;
  int32_t tag;
  int32_t argument2;
  int32_t argument3;
};

class MessageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.screens.CreateAll();
    window = world.screens.messageWindow.get();
  }

  REraduzizMessageWindow::Callback Recorder() {
    return [this](void* context, int32_t a1, int32_t tag, int32_t a2, int32_t a3) {
      calls.push_back({context, a1, tag, a2, a3});
    };
  }

  std::string Shown() const {
    std::string text;
    for (const EngineString& line : window->textKind0->GetLines()) text += line.Std() + "|";
    return text;
  }

  void Close() {
    world.Click(REraduzizMessageWindow::kCloseKind0);
    world.RunPass();
    world.RunPass();
  }

  ScreenWorld world;
  REraduzizMessageWindow* window = nullptr;
  std::vector<Call> calls;
};

TEST_F(MessageWindowTest, ShowHidesTheScreensShowsTheTextAndBlocksTheRest) {
  world.host.flags.bookOpen = 1;
  window->Show("Not enough money", 0, nullptr, -1);
  EXPECT_EQ(world.host.hideCount, 1);
  EXPECT_EQ(world.host.flags.bookOpen, 0);
  EXPECT_EQ(world.host.flags.messageOpen, 1);
  EXPECT_EQ(world.host.flags.modal, 1);
  const std::vector<GuiCommand> queue = world.Queue();
  ASSERT_FALSE(queue.empty());
  EXPECT_EQ(queue.back().target, REraduzizMessageWindow::kPageKind0);
  EXPECT_EQ(queue.back().code, kCmdShowPage);
  world.RunPass();
  // The hide-all hid the page before the show, so it ends up shown.
  EXPECT_TRUE(world.IsShown(REraduzizMessageWindow::kPageKind0));
  EXPECT_EQ(Shown(), "Not enough money|");
}

TEST_F(MessageWindowTest, EachKindUsesItsOwnPageAndAnyOtherKindShowsNothing) {
  window->Show("two", 2, nullptr, -1);
  EXPECT_EQ(world.Queue().back().target, REraduzizMessageWindow::kPageKind2);
  world.RunPass();
  world.Click(REraduzizMessageWindow::kCloseKind2);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(REraduzizMessageWindow::kPageKind2));
  EXPECT_EQ(world.host.flags.messageOpen, 0);

  window->Show("three", 3, nullptr, -1);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_EQ(world.host.hideCount, 2);
}

TEST_F(MessageWindowTest, ClosingGoesBackToTheGame) {
  window->Show("Hello", 0, nullptr, -1);
  world.RunPass();
  Close();
  EXPECT_FALSE(world.IsShown(REraduzizMessageWindow::kPageKind0));
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_EQ(world.host.flags.modal, 0);
  EXPECT_EQ(world.host.flags.gameRunning, 1);
}

TEST_F(MessageWindowTest, ClosingAfterAScenarioEndedReturnsToTheScenarioWindow) {
  world.host.flags.gameRunning = 1;
  world.host.flags.returnToScenario = 1;
  window->Show("Scenario won", 0, nullptr, -1);
  world.RunPass();
  world.Click(REraduzizMessageWindow::kCloseKind0);
  world.RunPass();
  // The hide of the page, then the switch to the scenario window.
  const std::vector<GuiCommand> queue = world.Queue();
  ASSERT_GE(queue.size(), 2u);
  const GuiCommand& hide = queue[queue.size() - 2];
  const GuiCommand& back = queue.back();
  EXPECT_EQ(hide.target, REraduzizMessageWindow::kPageKind0);
  EXPECT_EQ(hide.code, kCmdClosePage);
  EXPECT_EQ(back.target, screen_ids::kScenario);
  EXPECT_EQ(back.code, kCmdOpenPageForced);
  EXPECT_EQ(back.control, REraduzizMessageWindow::kCloseKind0);
  EXPECT_EQ(world.host.flags.gameRunning, 0);
  EXPECT_EQ(world.host.flags.returnToScenario, 0);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_EQ(world.host.flags.modal, 1);
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kScenario));
}

TEST_F(MessageWindowTest, TheCallbackGetsItsPointerContextAndTheTagOnceOnTheClose) {
  int owner = 0;
  window->SetCallback(Recorder(), &owner, 0, 7, 20);
  window->Show("Send the engineer?", 0, nullptr, 1);
  world.RunPass();
  EXPECT_TRUE(calls.empty());
  Close();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].context, &owner);
  EXPECT_EQ(calls[0].argument1, 0);
  EXPECT_EQ(calls[0].tag, 1);
  EXPECT_EQ(calls[0].argument2, 7);
  EXPECT_EQ(calls[0].argument3, 20);

  // A later message without a callback of its own calls nothing.
  window->Show("Not enough money", 0, nullptr, -1);
  world.RunPass();
  Close();
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(MessageWindowTest, OtherCommandsAreLeftUntouched) {
  window->Show("Hello", 0, nullptr, -1);
  GuiCommand click{10436, -1, kCmdClick, 0, 0, 0};
  EXPECT_FALSE(window->OnGuiCommand(click));
  EXPECT_EQ(click.sender, 10436);
  GuiCommand select{REraduzizMessageWindow::kCloseKind0, -1, kCmdSelect, 0, 0, 0};
  EXPECT_FALSE(window->OnGuiCommand(select));
  EXPECT_EQ(world.host.flags.messageOpen, 1);
  GuiCommand close{REraduzizMessageWindow::kCloseKind0, -1, kCmdClick, 0, 0, 0};
  EXPECT_TRUE(window->OnGuiCommand(close));
  EXPECT_EQ(close.sender, -1);
}

TEST_F(MessageWindowTest, AMessageShownOverAConfirmationWaitsForItsClose) {
  window->SetCallback(Recorder(), nullptr, 0, 3, 2);
  window->Show("Send the cleaner?", 0, nullptr, 1);
  window->Show("The first visitors are here", 0, nullptr, -1);
  world.RunPass();
  EXPECT_EQ(Shown(), "Send the cleaner?|");
  EXPECT_EQ(window->GetTag(), 1);
  EXPECT_EQ(window->GetWaitingCount(), 1u);

  Close();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].tag, 1);
  EXPECT_EQ(world.host.flags.messageOpen, 1);
  EXPECT_TRUE(world.IsShown(REraduzizMessageWindow::kPageKind0));
  EXPECT_EQ(Shown(), "The first visitors are here|");
  EXPECT_EQ(window->GetTag(), -1);

  Close();
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_FALSE(world.IsShown(REraduzizMessageWindow::kPageKind0));
}

TEST_F(MessageWindowTest, AMessageOverANoticeReplacesIt) {
  window->Show("first", 0, nullptr, -1);
  window->Show("second", 0, nullptr, -1);
  world.RunPass();
  EXPECT_EQ(Shown(), "second|");
  EXPECT_EQ(window->GetWaitingCount(), 0u);
}

}  // namespace
