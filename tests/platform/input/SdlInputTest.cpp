#include <gtest/gtest.h>

#include "platform/input/Mouse.h"
#include "platform/input/ScanCodes.h"
#include "platform/input/SdlInput.h"

namespace {

constexpr int kHidW = 26, kHidRightCtrl = 228, kHidF24 = 115;

int KeysDown(const plat::InputSource& source) {
  int down = 0;
  for (int code = 0; code < plat::kKeyCount; ++code) down += source.IsKeyDown(code) ? 1 : 0;
  return down;
}

TEST(SdlInput, KeysSetTheGamesScanCodes) {
  plat::InputSource source;
  plat::FeedSdlKey(kHidW, true, source);
  plat::FeedSdlKey(kHidRightCtrl, true, source);
  EXPECT_TRUE(source.IsKeyDown(plat::kKeyW));
  EXPECT_TRUE(source.IsKeyDown(plat::kKeyRControl));
  plat::FeedSdlKey(kHidW, false, source);
  EXPECT_FALSE(source.IsKeyDown(plat::kKeyW));
  ASSERT_EQ(KeysDown(source), 1);
  // A key the game's keyboard lacks leaves the state alone: no code at all
  // goes down, and releasing it lets none go up.
  plat::FeedSdlKey(kHidF24, true, source);
  EXPECT_EQ(KeysDown(source), 1);
  plat::FeedSdlKey(kHidF24, false, source);
  EXPECT_TRUE(source.IsKeyDown(plat::kKeyRControl));
  EXPECT_EQ(KeysDown(source), 1);
}

// The window library numbers the right button 3 and the middle one 2; the
// game's order is left, right, middle.
TEST(SdlInput, ButtonsArriveInTheGamesOrder) {
  plat::InputSource source;
  plat::InputResult result;
  auto mouse = plat::Mouse::Create(plat::ProcessInstance(), result, source);
  ASSERT_NE(mouse, nullptr);
  ASSERT_EQ(mouse->Acquire(), plat::InputResult::Ok);

  const struct {
    int sdlButton;
    int index;
  } cases[] = {{1, 0}, {3, 1}, {2, 2}, {4, 3}};
  for (const auto& c : cases) {
    plat::FeedSdlMouseButton(c.sdlButton, true, source);
    plat::MouseState state;
    ASSERT_EQ(mouse->GetState(state), plat::InputResult::Ok);
    for (int i = 0; i < plat::kMouseButtonCount; ++i) {
      EXPECT_EQ(state.buttons[i], i == c.index ? plat::kKeyDownBit : 0) << c.sdlButton << " " << i;
    }
    plat::FeedSdlMouseButton(c.sdlButton, false, source);
  }
  plat::FeedSdlMouseButton(9, true, source);  // unknown buttons are ignored
  plat::MouseState state;
  ASSERT_EQ(mouse->GetState(state), plat::InputResult::Ok);
  for (uint8_t button : state.buttons) EXPECT_EQ(button, 0);
}

}  // namespace
