#include <gtest/gtest.h>

#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "platform/input/InputSource.h"
#include "platform/input/ScanCodes.h"

namespace {

using plat::InputResult;

// The engine's input object over the process's shared source, set up as the
// engine does it: non-exclusive, background, immediate.
class ZOdevuvInputTest : public ::testing::Test {
 protected:
  void SetUp() override { source().Reset(); }
  void TearDown() override { source().Reset(); }

  static plat::InputSource& source() { return plat::InputSource::Shared(); }

  std::unique_ptr<ZOdevuvInput> MakeEngineInput(uint8_t immediate = 1) {
    auto input = std::make_unique<ZOdevuvInput>(nullptr, plat::ProcessInstance());
    EXPECT_EQ(input->Init(nullptr, 0, 0, immediate, 0), InputResult::Ok);
    return input;
  }
};

TEST_F(ZOdevuvInputTest, ConstructorFillsTheInputSlotAndDestructorClearsIt) {
  auto input = std::make_unique<ZOdevuvInput>(nullptr, plat::ProcessInstance());
  EXPECT_EQ(g_input, input.get());
  EXPECT_EQ(input->CooperativeFlags(), 5u);  // until Init runs
  input.reset();
  EXPECT_EQ(g_input, nullptr);
}

TEST_F(ZOdevuvInputTest, HeldKeysAreReportedAscendingOnEveryPoll) {
  auto input = MakeEngineInput();
  source().SetKey(plat::kKeyW, true);         // 17
  source().SetKey(plat::kKeyLControl, true);  // 29, pressed second
  source().SetKey(plat::kKeyA, true);         // 30
  source().SetKey(plat::kKeyA, false);
  std::vector<int> codes{99};
  for (int frame = 0; frame < 3; ++frame) {
    ASSERT_TRUE(input->Poll(codes)) << frame;
    EXPECT_EQ(codes, (std::vector<int>{17, 29})) << frame;
  }
  source().SetKey(plat::kKeyW, false);
  source().SetKey(plat::kKeyLControl, false);
  EXPECT_FALSE(input->Poll(codes));
  EXPECT_TRUE(codes.empty());
}

// A lost keyboard is tried once per poll: each poll returns at once with
// false and the codes of the last good frame, and the keyboard comes back
// as soon as an acquisition succeeds.
TEST_F(ZOdevuvInputTest, LostKeyboardIsReacquiredOnePollAtATime) {
  auto input = MakeEngineInput();
  source().SetKey(plat::kKeyRControl, true);
  std::vector<int> codes;
  ASSERT_TRUE(input->Poll(codes));
  const std::vector<int> lastGood = codes;

  source().LoseDevices(2);
  source().SetKey(plat::kKeyDown, true);
  for (int poll = 0; poll < 3; ++poll) {  // two refused acquisitions, one that works
    EXPECT_FALSE(input->Poll(codes)) << poll;
    EXPECT_EQ(codes, lastGood) << poll;
  }
  ASSERT_TRUE(input->Poll(codes));
  EXPECT_EQ(codes, (std::vector<int>{157, 208}));
}

TEST_F(ZOdevuvInputTest, BufferedModeReportsKeyChangesInOrder) {
  auto input = MakeEngineInput(0);
  source().SetKey(plat::kKeyS, true);
  source().SetKey(plat::kKeyA, true);
  source().SetKey(plat::kKeyS, false);
  std::vector<int> codes;
  ASSERT_TRUE(input->Poll(codes));
  EXPECT_EQ(codes, (std::vector<int>{31, 30, 31}));
  EXPECT_FALSE(input->Poll(codes));
  EXPECT_TRUE(codes.empty());
}

// More than 16 changes between two polls overflow the buffer: that frame
// counts as failed and keeps the previous codes.
TEST_F(ZOdevuvInputTest, BufferedOverflowCountsAsAFailedPoll) {
  auto input = MakeEngineInput(0);
  source().SetKey(plat::kKeyQ, true);
  std::vector<int> codes;
  ASSERT_TRUE(input->Poll(codes));
  for (int code = 40; code < 40 + 17; ++code) source().SetKey(code, true);
  EXPECT_FALSE(input->Poll(codes));
  EXPECT_EQ(codes, (std::vector<int>{16}));
}

struct CoopCase {
  uint8_t exclusive, foreground, noWindowsKey;
  uint32_t flags;
};

TEST_F(ZOdevuvInputTest, InitDerivesTheCooperativeFlags) {
  static char window;
  const auto handle = reinterpret_cast<plat::WindowHandle>(&window);
  const CoopCase cases[] = {
      {0, 0, 0, 10}, {0, 0, 1, 10}, {0, 1, 0, 6}, {0, 1, 1, 22}, {1, 1, 0, 5}, {1, 1, 1, 5},
  };
  for (const CoopCase& c : cases) {
    ZOdevuvInput input(handle, plat::ProcessInstance());
    EXPECT_EQ(input.Init(handle, c.exclusive, c.foreground, 1, c.noWindowsKey), InputResult::Ok);
    EXPECT_EQ(input.CooperativeFlags(), c.flags);
    source().SetKey(plat::kKeyF1, true);
    std::vector<int> codes;
    EXPECT_TRUE(input.Poll(codes));
    source().SetKey(plat::kKeyF1, false);
  }
}

TEST_F(ZOdevuvInputTest, ExclusiveBackgroundKeyboardIsDroppedQuietly) {
  ZOdevuvInput input(nullptr, plat::ProcessInstance());
  EXPECT_EQ(input.Init(nullptr, 1, 0, 1, 0), InputResult::Ok);
  source().SetKey(plat::kKeySpace, true);
  std::vector<int> codes{5};
  EXPECT_FALSE(input.Poll(codes));
  EXPECT_EQ(codes, (std::vector<int>{5}));
}

TEST_F(ZOdevuvInputTest, MissingDevicesMakeInitFailAndPollsHarmless) {
  source().SetDevicesAvailable(false);
  ZOdevuvInput input(nullptr, plat::ProcessInstance());
  EXPECT_EQ(input.Init(nullptr, 0, 0, 1, 0), InputResult::Failed);
  std::vector<int> codes;
  EXPECT_FALSE(input.Poll(codes));
  EXPECT_EQ(input.PollMouse(), 0);
  EXPECT_EQ(input.MouseState().dx, 0);
}

TEST_F(ZOdevuvInputTest, FirstMousePollIsZeroAndMovementResetsAfterEachPoll) {
  auto input = MakeEngineInput();
  source().MoveMouse(40, 40);  // before the mouse is acquired
  EXPECT_EQ(input->PollMouse(), 0);
  const ZOdevuvMouseState& mouse = input->MouseState();
  EXPECT_EQ(mouse.dx, 0);
  EXPECT_EQ(mouse.dy, 0);
  EXPECT_EQ(mouse.left + mouse.right + mouse.middle, 0);

  source().MoveMouse(3, 4);
  source().MoveMouse(-1, 2);
  source().SetMouseButton(0, true);
  source().SetMouseButton(2, true);
  input->PollMouse();
  EXPECT_EQ(mouse.dx, 2);
  EXPECT_EQ(mouse.dy, 6);
  EXPECT_EQ(mouse.left, 1);
  EXPECT_EQ(mouse.right, 0);
  EXPECT_EQ(mouse.middle, 1);

  input->PollMouse();
  EXPECT_EQ(mouse.dx, 0);
  EXPECT_EQ(mouse.dy, 0);
  EXPECT_EQ(mouse.left, 1);
}

// While the mouse cannot be read, a held button stays held and no movement
// is invented.
TEST_F(ZOdevuvInputTest, FailedMousePollKeepsTheButtons) {
  auto input = MakeEngineInput();
  input->PollMouse();
  source().SetMouseButton(1, true);
  source().MoveMouse(5, 5);
  input->PollMouse();
  ASSERT_EQ(input->MouseState().right, 1);

  source().LoseDevices(1);
  source().MoveMouse(9, 9);
  input->PollMouse();
  EXPECT_EQ(input->MouseState().right, 1);
  EXPECT_EQ(input->MouseState().dx, 0);

  source().MoveMouse(9, 9);  // still lost: dropped
  input->PollMouse();        // re-acquired and read
  EXPECT_EQ(input->MouseState().right, 1);
  EXPECT_EQ(input->MouseState().dx, 0);
  source().SetMouseButton(1, false);
  source().MoveMouse(-2, 0);
  input->PollMouse();
  EXPECT_EQ(input->MouseState().right, 0);
  EXPECT_EQ(input->MouseState().dx, -2);
}

TEST_F(ZOdevuvInputTest, WithoutAnInstanceThereIsNoMouse) {
  ZOdevuvInput input(nullptr, nullptr);
  source().SetMouseButton(0, true);
  EXPECT_EQ(input.PollMouse(), 0);
  EXPECT_EQ(input.MouseState().left, 0);
}

TEST_F(ZOdevuvInputTest, ReleaseLetsTheKeyboardGo) {
  auto input = MakeEngineInput();
  source().SetKey(plat::kKeyEscape, true);
  std::vector<int> codes;
  ASSERT_TRUE(input->Poll(codes));
  input->Release();
  EXPECT_FALSE(input->Poll(codes));
  EXPECT_EQ(codes, (std::vector<int>{1}));
}

}  // namespace
