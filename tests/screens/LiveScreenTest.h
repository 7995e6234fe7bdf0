#pragma once
// The demo park's GUI with the screens in a real window over a park
// ground, for the tests that look at what the screens draw. Each frame is
// written as a screenshot into the build folder's screenshots. Skips
// without a display.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/core/CGuiMainClass.h"
#include "screens/ScreenSet.h"
#include "tests/live/support/LiveGameWindow.h"
#include "tests/screens/ScreenTestSupport.h"

namespace screentest {

class LiveScreenTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;
  static constexpr uint32_t kSky = 0xFF87B5E0u;

  void SetUp() override;
  void TearDown() override;

  // One command pass through the screens.
  void Pass();
  // Draws the ground and the GUI, presents, saves the screenshot and
  // returns the frame's pixels.
  std::vector<uint32_t> Frame(const std::string& screenshot);

  livetest::LiveGameWindow live;
  std::unique_ptr<CGuiMainClass> gui;
  std::unique_ptr<FakeHost> host;
  std::unique_ptr<ScreenSet> screens;
};

}  // namespace screentest
