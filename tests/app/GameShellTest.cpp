#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "app/GameShell.h"
#include "app/ShellOptions.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "gui/core/CGuiElement.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"

namespace {

// Writes down every step of the loop, with the frame time it got.
class RecordingGame : public VAvazadOvurUrovi {
 public:
  void UpdateFrame(double seconds) override {
    steps.push_back("UpdateFrame");
    frameSeconds.push_back(seconds);
    messageBeforeFrame.push_back(lastMessage.message);
    VAvazadOvurUrovi::UpdateFrame(seconds);
  }
  void Frame(float seconds) override {
    steps.push_back("Frame");
    if (onFrame) onFrame();
    VAvazadOvurUrovi::Frame(seconds);
  }
  void PollInput() override {
    steps.push_back("PollInput");
    VAvazadOvurUrovi::PollInput();
  }
  void RunQueuedGuiCommands() override {
    steps.push_back("RunQueuedGuiCommands");
    VAvazadOvurUrovi::RunQueuedGuiCommands();
  }
  void RemoveDoneGuiCommands() override {
    steps.push_back("RemoveDoneGuiCommands");
    VAvazadOvurUrovi::RemoveDoneGuiCommands();
  }

  std::vector<std::string> steps;
  std::vector<double> frameSeconds;
  std::vector<unsigned> messageBeforeFrame;
  std::function<void()> onFrame;
};

// A layer root that keeps the messages the GUI offers it.
class MessageRecorder : public CGuiElement {
 public:
  explicit MessageRecorder(std::vector<unsigned>& seen) : m_seen(seen) {}
  bool HandleMessage(const plat::Message* message, uint8_t) override {
    m_seen.push_back(message->message);
    return true;
  }

 private:
  std::vector<unsigned>& m_seen;
};

// A headless window with the game's window procedure and a fake clock.
class GameShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ResetMessageQueue();
    plat::SetClock(&clock);
    window = plat::CreateGameWindow(kGameWindowTitle, 800, 600, plat::WindowBackend::Headless);
    ASSERT_NE(window, nullptr);
    plat::SetWindowProcedure(window, MainWndProc);
    game = std::make_unique<RecordingGame>();
  }
  void TearDown() override {
    game.reset();
    plat::DestroyGameWindow(window);
    plat::ResetMessageQueue();
    plat::SetClock(nullptr);
  }

  plat::FakeClock clock;
  plat::WindowHandle window = nullptr;
  std::unique_ptr<RecordingGame> game;
};

}  // namespace

TEST_F(GameShellTest, EachFrameRunsItsFiveStepsInOrderAfterTheWaitingMessages) {
  plat::PostMessage(window, plat::kWmPaint, 0, 0);
  plat::PostMessage(window, plat::kWmKeyDown, plat::kVkSpace, 0);
  EXPECT_EQ(RunMainLoop(*game, LoopOptions{3, {}, "."}), 0);
  const std::vector<std::string> frame = {"UpdateFrame", "Frame", "PollInput", "RunQueuedGuiCommands",
                                          "RemoveDoneGuiCommands"};
  std::vector<std::string> expected;
  for (int i = 0; i < 3; ++i) expected.insert(expected.end(), frame.begin(), frame.end());
  EXPECT_EQ(game->steps, expected);
  ASSERT_FALSE(game->messageBeforeFrame.empty());
  EXPECT_EQ(game->messageBeforeFrame[0], plat::kWmKeyDown) << "both messages went before the first frame";
}

TEST_F(GameShellTest, KeyDownsGoToTheGuiAndTheWheelNever) {
  std::vector<unsigned> seen;
  auto* root = new MessageRecorder(seen);
  root->CreateSized(nullptr, 1, 0, 0, 0, 800, 600, 0, 1, 1);
  game->AddLayer(1, 1, root, 0);
  plat::PostMessage(window, plat::kWmKeyDown, plat::kVkReturn, 0);
  plat::PostMessage(window, plat::kWmMouseWheel, std::uintptr_t(plat::kWheelDelta) << 16, 0);
  plat::PostMessage(window, plat::kWmPaint, 0, 0);
  RunMainLoop(*game, LoopOptions{1, {}, "."});
  EXPECT_EQ(seen, (std::vector<unsigned>{plat::kWmKeyDown}));
  EXPECT_EQ(game->lastMessage.message, plat::kWmPaint) << "every message is kept as the last one";
}

TEST_F(GameShellTest, FrameTimeIsInSecondsAndAStallMovesTheParkByAQuarterSecondAtMost) {
  int frame = 0;
  game->onFrame = [&] {
    // The first frame stalls for 5 s, the second takes 20 ms.
    clock.AdvanceMs(++frame == 1 ? 5000 : 20);
  };
  RunMainLoop(*game, LoopOptions{3, {}, "."});
  ASSERT_EQ(game->frameSeconds.size(), 3u);
  EXPECT_DOUBLE_EQ(game->frameSeconds[0], 0.0);
  EXPECT_FLOAT_EQ(float(game->frameSeconds[1]), kMaxFrameSeconds);
  EXPECT_FLOAT_EQ(float(game->frameSeconds[2]), 0.02f);
}

TEST_F(GameShellTest, AQuitMessageWaitingAtTheStartRunsNoFrameAndGivesItsCode) {
  plat::PostQuitMessage(5);
  EXPECT_EQ(RunMainLoop(*game, LoopOptions{}), 5);
  EXPECT_TRUE(game->steps.empty());
}

TEST_F(GameShellTest, ClosingTheWindowDuringLoadingWaitsForTheLoadingThreadsAndQuits) {
  const std::string before = plat::CurrentDirectory();
  ASSERT_EQ(chdir(HALVENOR_PARK_DIR), 0);
  game->baseDirectory = HALVENOR_PARK_DIR;
  game->InitResources();
  plat::DispatchMessage({plat::kWmDestroy, 0, 0, window});
  EXPECT_EQ(game->initialLoadingDone.load(), 1);
  EXPECT_EQ(game->aiManagerDone.load(), 1);
  EXPECT_TRUE(game->initialLoadingThread->Finished());
  EXPECT_TRUE(game->aiManagerThread->Finished());
  EXPECT_GT(game->GetLayerCount(), 0) << "the GUI was loaded";
  EXPECT_EQ(RunMainLoop(*game, LoopOptions{}), 0);
  EXPECT_TRUE(game->steps.empty());
  ASSERT_EQ(chdir(before.c_str()), 0);
}

TEST_F(GameShellTest, TheWheelZoomsAlongTheLookAndKeepsTheHeightWithinTenAndSeventy) {
  auto* camera = new ZOdevuvCamera;  // deleted with the engine's singletons
  camera->SetMode(0);
  struct Case {
    float height;
    int notches;
    float expected;
  };
  // Looking up at 0.6 per unit: a notch is 1.8 of height.
  const Case cases[] = {{68.0f, 1, 69.8f}, {69.0f, 1, 69.0f}, {11.0f, -1, 11.0f}, {12.0f, -1, 10.2f}};
  for (const Case& c : cases) {
    camera->position = {0.0f, c.height, 0.0f};
    camera->look = {0.0f, 0.6f, 0.8f};
    const std::uintptr_t wParam = std::uintptr_t(uint32_t(uint16_t(int16_t(c.notches * plat::kWheelDelta))) << 16);
    plat::DispatchMessage({plat::kWmMouseWheel, wParam, 0, window});
    EXPECT_FLOAT_EQ(camera->position.y, c.expected) << c.height << " by " << c.notches;
  }
  game->modalScreenOpen = 1;
  camera->position = {0.0f, 40.0f, 0.0f};
  plat::DispatchMessage({plat::kWmMouseWheel, std::uintptr_t(plat::kWheelDelta) << 16, 0, window});
  EXPECT_FLOAT_EQ(camera->position.y, 40.0f) << "no zoom under a modal screen";
}

TEST(ShellOptions, ReadTheSwitchesAndRefuseWhatTheyDoNotKnow) {
  struct Case {
    std::vector<const char*> args;
    bool ok;
  };
  const Case cases[] = {
      {{"--headless", "--frames", "300"}, true},
      {{"--screenshot-at", "30,10,30", "--screenshot-dir", "shots"}, true},
      {{"--help"}, true},
      {{"--frames"}, false},
      {{"--frames", "0"}, false},
      {{"--frames", "-3"}, false},
      {{"--frames", "12x"}, false},
      {{"--frames", "99999999999"}, false},
      {{"--screenshot-at", "10,,20"}, false},
      {{"--screenshot-at", "10,"}, false},
      {{"--fast"}, false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = {"halvenor"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ShellOptions options;
    std::string error;
    EXPECT_EQ(ParseShellOptions(int(argv.size()), argv.data(), options, error), c.ok) << c.args[0];
    EXPECT_EQ(error.empty(), c.ok) << error;
  }
  const char* argv[] = {"halvenor", "--headless", "--frames", "300", "--screenshot-at", "30,10,30", "--skip-intro"};
  ShellOptions options;
  std::string error;
  ASSERT_TRUE(ParseShellOptions(7, argv, options, error));
  EXPECT_TRUE(options.headless);
  EXPECT_TRUE(options.skipIntro);
  EXPECT_EQ(options.frames, 300);
  EXPECT_EQ(options.screenshotFrames, (std::vector<int>{10, 30}));
  EXPECT_EQ(options.screenshotDir, ".");
}
