// The message queue over the headless window: what the game's loop sees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/os/SdlWindow.h"
#include "platform/os/Window.h"

namespace {

constexpr unsigned kMusicNotification = 0x8001;

class HeadlessWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ResetMessageQueue();
    window_ = plat::CreateGameWindow("Halvenor porvik", 800, 600, plat::WindowBackend::Headless);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    plat::DestroyGameWindow(window_);
    plat::ResetMessageQueue();
  }

  std::vector<plat::Message> Drain() {
    std::vector<plat::Message> out;
    plat::Message m;
    while (plat::PeekMessage(m)) out.push_back(m);
    return out;
  }

  plat::WindowHandle window_ = nullptr;
};

TEST_F(HeadlessWindowTest, HasNoSdlWindowAndAllowsOnlyOneWindow) {
  EXPECT_FALSE(plat::IsLiveWindow(window_));
  EXPECT_EQ(plat::SdlWindowOf(window_), nullptr);
  EXPECT_EQ(plat::CreateGameWindow("second", 800, 600, plat::WindowBackend::Headless), nullptr);
}

TEST_F(HeadlessWindowTest, TheShellSizesTheClientArea) {
  int w = 0, h = 0;
  ASSERT_TRUE(plat::GetClientSize(window_, w, h));
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  EXPECT_TRUE(plat::SetClientSize(window_, 1280, 1024));
  EXPECT_FALSE(plat::SetClientSize(window_, 0, 1024));
  ASSERT_TRUE(plat::GetClientSize(window_, w, h));
  EXPECT_EQ(w, 1280);
  EXPECT_EQ(h, 1024);
  EXPECT_FALSE(plat::SetClientSize(nullptr, 800, 600));
}

TEST_F(HeadlessWindowTest, PostedMessagesComeInOrderAndQuitComesLast) {
  plat::PostQuitMessage(7);
  ASSERT_TRUE(plat::PostMessage(window_, kMusicNotification, 0, 0));
  ASSERT_TRUE(plat::PostMessage(window_, plat::kWmMouseWheel, 1, 2));

  plat::Message peeked;
  ASSERT_TRUE(plat::PeekMessage(peeked, false));
  EXPECT_EQ(peeked.message, kMusicNotification);

  const std::vector<plat::Message> got = Drain();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].message, kMusicNotification);
  EXPECT_EQ(got[0].window, window_);
  EXPECT_EQ(got[1].message, plat::kWmMouseWheel);
  EXPECT_EQ(got[1].wParam, 1u);
  EXPECT_EQ(got[1].lParam, 2);
  EXPECT_EQ(got[2].message, plat::kWmQuit);
  EXPECT_EQ(got[2].wParam, 7u);
  plat::Message none;
  EXPECT_FALSE(plat::PeekMessage(none));
}

TEST_F(HeadlessWindowTest, OnlyOnePaintWaitsAtATime) {
  plat::PostMessage(window_, plat::kWmPaint, 0, 0);
  plat::PostMessage(window_, plat::kWmPaint, 0, 0);
  EXPECT_EQ(Drain().size(), 1u);
}

TEST_F(HeadlessWindowTest, PostingToAMissingOrDestroyedWindowFails) {
  EXPECT_FALSE(plat::PostMessage(nullptr, kMusicNotification, 0, 0));
  plat::PostMessage(window_, kMusicNotification, 0, 0);
  plat::WindowHandle gone = window_;
  plat::DestroyGameWindow(window_);
  window_ = nullptr;
  EXPECT_FALSE(plat::PostMessage(gone, kMusicNotification, 0, 0));
  EXPECT_TRUE(Drain().empty()) << "messages of a destroyed window are dropped";
}

TEST_F(HeadlessWindowTest, MessagesPostedFromOtherThreadsAllArrive) {
  constexpr int kThreads = 4, kEach = 500;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([this, t] {
      for (int i = 0; i < kEach; ++i) plat::PostMessage(window_, kMusicNotification, t, i);
    });
  std::vector<int> next(kThreads, 0);
  int received = 0;
  // Read while the others post, as the window thread does.
  while (received < kThreads * kEach) {
    plat::Message m;
    if (!plat::PeekMessage(m)) continue;
    ASSERT_EQ(m.message, kMusicNotification);
    EXPECT_EQ(m.lParam, next[m.wParam]++) << "each thread's messages stay in order";
    ++received;
  }
  for (std::thread& t : threads) t.join();
  EXPECT_TRUE(Drain().empty());
}

std::intptr_t g_lastMessage = 0;

std::intptr_t RecordingProcedure(plat::WindowHandle, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
  g_lastMessage = message;
  if (message == plat::kWmDestroy) plat::PostQuitMessage(0);
  return static_cast<std::intptr_t>(wParam) + lParam;
}

TEST_F(HeadlessWindowTest, TheGameLoopEndsOnDestroyThroughItsWindowProcedure) {
  plat::SetWindowProcedure(window_, RecordingProcedure);
  plat::PostMessage(window_, kMusicNotification, 40, 2);
  plat::PostMessage(window_, plat::kWmDestroy, 0, 0);
  std::vector<std::intptr_t> results;
  plat::Message m;
  int frames = 0;
  for (;;) {
    if (plat::PeekMessage(m)) {
      if (m.message == plat::kWmQuit) break;
      results.push_back(plat::DispatchMessage(m));
    } else {
      ++frames;
    }
    ASSERT_LT(frames, 10) << "the quit message never came";
  }
  EXPECT_EQ(m.wParam, 0u);
  EXPECT_EQ(g_lastMessage, static_cast<std::intptr_t>(plat::kWmDestroy));
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0], 42);
}

TEST_F(HeadlessWindowTest, TheCursorCountsShowsAndHides) {
  EXPECT_EQ(plat::ShowCursor(false), -1);
  EXPECT_EQ(plat::ShowCursor(false), -2);
  EXPECT_EQ(plat::ShowCursor(true), -1);
  EXPECT_EQ(plat::ShowCursor(true), 0);
}

struct SwallowCase {
  int virtualKey;
  bool altHeld;
  bool swallowed;
};

TEST_F(HeadlessWindowTest, SwallowedKeysNeverReachTheGame) {
  const SwallowCase cases[] = {
      {plat::kVkTab, false, true},    {plat::kVkLWin, false, true},   {plat::kVkRWin, false, true},
      {plat::kVkApps, false, true},   {plat::kVkMenu, false, true},   {plat::kVkF10, false, true},
      {plat::kVkF1 + 3, true, true},  {'A', true, true},              {plat::kVkTab, true, true},
      {'A', false, false},            {plat::kVkEscape, false, false}, {plat::kVkF1, false, false},
      {plat::kVkReturn, false, false}, {plat::kVkShift, false, false}, {plat::kVkControl, false, false},
  };
  for (const SwallowCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "key " << c.virtualKey << " alt " << c.altHeld);
    EXPECT_EQ(plat::IsSwallowedKey(c.virtualKey, c.altHeld), c.swallowed);
    EXPECT_EQ(plat::DeliverKey(c.virtualKey, true, false, c.altHeld), !c.swallowed);
    EXPECT_EQ(plat::DeliverKey(c.virtualKey, false, false, c.altHeld), !c.swallowed);
    EXPECT_EQ(Drain().size(), c.swallowed ? 0u : 2u);
    EXPECT_EQ(plat::GetKeyState(c.virtualKey) & 0x8000, 0);
  }
}

TEST_F(HeadlessWindowTest, KeysBecomeKeyMessagesWithStateAndTransitionBits) {
  ASSERT_TRUE(plat::DeliverKey('S', true, false, false));
  EXPECT_NE(plat::GetKeyState('S') & 0x8000, 0);
  ASSERT_TRUE(plat::DeliverKey('S', true, true, false));
  ASSERT_TRUE(plat::DeliverKey('S', false, false, false));
  EXPECT_EQ(plat::GetKeyState('S') & 0x8000, 0);

  const std::vector<plat::Message> got = Drain();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].message, plat::kWmKeyDown);
  EXPECT_EQ(got[0].wParam, static_cast<std::uintptr_t>('S'));
  EXPECT_EQ(got[0].lParam, 0x00000001);
  EXPECT_EQ(got[1].message, plat::kWmKeyDown);
  EXPECT_EQ(got[1].lParam, 0x40000001) << "an auto-repeat says the key was down before";
  EXPECT_EQ(got[2].message, plat::kWmKeyUp);
  EXPECT_EQ(got[2].lParam, static_cast<std::intptr_t>(0xC0000001u));
}

TEST_F(HeadlessWindowTest, CapsLockTogglesWithEachPressNotWithRepeats) {
  EXPECT_EQ(plat::GetKeyState(plat::kVkCapital) & 1, 0);
  plat::DeliverKey(plat::kVkCapital, true, false, false);
  plat::DeliverKey(plat::kVkCapital, true, true, false);
  plat::DeliverKey(plat::kVkCapital, false, false, false);
  EXPECT_EQ(plat::GetKeyState(plat::kVkCapital), 1);
  plat::DeliverKey(plat::kVkCapital, true, false, false);
  EXPECT_EQ(static_cast<unsigned short>(plat::GetKeyState(plat::kVkCapital)), 0x8000u);
  plat::SetKeyToggled(plat::kVkCapital, true);
  EXPECT_EQ(static_cast<unsigned short>(plat::GetKeyState(plat::kVkCapital)), 0x8001u);
}

TEST(HeadlessWindow, KeysAndOutOfRangeCodesNeedAWindow) {
  plat::ResetMessageQueue();
  EXPECT_FALSE(plat::DeliverKey('A', true, false, false));
  EXPECT_EQ(plat::GetKeyState('A'), 0);
  EXPECT_EQ(plat::GetKeyState(-1), 0);
  EXPECT_EQ(plat::GetKeyState(300), 0);
}

TEST(HeadlessWindow, TheEnvironmentOrTheSwitchChoosesHeadless) {
  const char* saved = std::getenv("HALVENOR_HEADLESS");
  const std::string restore = saved ? saved : "";
  const struct {
    const char* value;
    bool headless;
  } cases[] = {{"1", true}, {"yes", true}, {"0", false}, {"", false}, {nullptr, false}};
  for (const auto& c : cases) {
    if (c.value) setenv("HALVENOR_HEADLESS", c.value, 1);
    else unsetenv("HALVENOR_HEADLESS");
    EXPECT_EQ(plat::HeadlessRequestedByEnvironment(), c.headless) << (c.value ? c.value : "(unset)");
  }
  const char* plain[] = {"halvenor"};
  const char* switched[] = {"halvenor", "--frames", "--headless"};
  setenv("HALVENOR_HEADLESS", "0", 1);
  EXPECT_EQ(plat::BackendFromCommandLine(1, plain), plat::WindowBackend::Live);
  EXPECT_EQ(plat::BackendFromCommandLine(3, switched), plat::WindowBackend::Headless);
  setenv("HALVENOR_HEADLESS", "1", 1);
  EXPECT_EQ(plat::BackendFromCommandLine(1, plain), plat::WindowBackend::Headless);
  plat::WindowHandle window = plat::CreateGameWindow("t", 640, 480);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(plat::IsLiveWindow(window));
  plat::DestroyGameWindow(window);
  if (saved) setenv("HALVENOR_HEADLESS", restore.c_str(), 1);
  else unsetenv("HALVENOR_HEADLESS");
}

}  // namespace
