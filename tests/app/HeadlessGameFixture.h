#pragma once
// A game on a headless window and device, started in the demo park's
// folder, with every line of the debugger output kept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "platform/os/Random.h"
#include "platform/os/Window.h"

namespace headlessgame {

// Keeps every line of the debugger output; the loading threads write too.
class DebugLines {
 public:
  DebugLines() {
    plat::SetDebugOutputSink([this](std::string_view text) {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_lines.emplace_back(text);
    });
  }
  ~DebugLines() { plat::SetDebugOutputSink({}); }
  DebugLines(const DebugLines&) = delete;
  DebugLines& operator=(const DebugLines&) = delete;

  std::vector<std::string> Lines() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
  }
  int CountOf(const std::string& line) const {
    const std::vector<std::string> lines = Lines();
    return int(std::count(lines.begin(), lines.end(), line));
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_lines;
};

class HeadlessGameFixture : public ::testing::Test {
 protected:
  HeadlessGameFixture(int width, int height) : m_width(width), m_height(height) {}

  void SetUp() override {
    m_previous = plat::CurrentDirectory();
    ASSERT_EQ(chdir(HALVENOR_PARK_DIR), 0);
    plat::ClearPathCache();
    plat::ClearMessageBoxes();
    window = plat::CreateGameWindow("headless game", m_width, m_height, plat::WindowBackend::Headless);
    ASSERT_NE(window, nullptr);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(window, nullptr);
    game->InitDevice(m_width, m_height, 32, 0);
  }
  void TearDown() override {
    game.reset();
    plat::DestroyGameWindow(window);
    EXPECT_EQ(chdir(m_previous.c_str()), 0);
    plat::ClearPathCache();
    plat::ClearMessageBoxes();
  }

  // The park loaded as the game loads it at start, headless and without
  // the intro; its loading threads are done on return.
  void LoadParkAsAtStart() {
    constexpr float kLoadingFrameSeconds = 0.1f;
    game->SkipIntroVideos();
    game->InitResources();
    game->JoinLoadingThreads();
    while (game->initialLoadingStarted.load()) game->Frame(kLoadingFrameSeconds);
  }

  // Outlives the game, whose loading threads write to it.
  DebugLines debug;
  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;

 private:
  int m_width;
  int m_height;
  std::string m_previous;
};

// The game on the demo park as it starts, then on a fixed clock and seed.
class StartedParkFixture : public HeadlessGameFixture {
 protected:
  StartedParkFixture(int width, int height, unsigned seed) : HeadlessGameFixture(width, height), m_seed(seed) {}

  void SetUp() override {
    HeadlessGameFixture::SetUp();
    if (HasFatalFailure()) return;
    LoadParkAsAtStart();
    // The loading threads are done: the fixed clock is the only one now.
    plat::SetClock(&clock);
    plat::SRand(m_seed);
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
    HeadlessGameFixture::TearDown();
  }

  plat::FakeClock clock;

 private:
  unsigned m_seed;
};

}  // namespace headlessgame
