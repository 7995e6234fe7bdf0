#include <gtest/gtest.h>

#include "platform/input/InputSource.h"
#include "platform/input/Keyboard.h"
#include "platform/input/Mouse.h"
#include "platform/input/ScanCodes.h"

namespace {

using plat::InputResult;

// A window handle for set-ups that need one; devices never look inside it.
plat::WindowHandle FakeWindow() {
  static char window;
  return reinterpret_cast<plat::WindowHandle>(&window);
}

class InputDeviceTest : public ::testing::Test {
 protected:
  std::unique_ptr<plat::Keyboard> MakeKeyboard() {
    InputResult result = InputResult::Failed;
    auto keyboard = plat::Keyboard::Create(plat::ProcessInstance(), result, source);
    EXPECT_EQ(result, InputResult::Ok);
    return keyboard;
  }
  std::unique_ptr<plat::Mouse> MakeMouse() {
    InputResult result = InputResult::Failed;
    auto mouse = plat::Mouse::Create(plat::ProcessInstance(), result, source);
    EXPECT_EQ(result, InputResult::Ok);
    return mouse;
  }

  plat::InputSource source;
};

TEST_F(InputDeviceTest, CreationNeedsAnInstanceAndAvailableDevices) {
  InputResult result = InputResult::Ok;
  EXPECT_EQ(plat::Keyboard::Create(nullptr, result, source), nullptr);
  EXPECT_EQ(result, InputResult::InvalidParam);
  source.SetDevicesAvailable(false);
  EXPECT_EQ(plat::Mouse::Create(plat::ProcessInstance(), result, source), nullptr);
  EXPECT_EQ(result, InputResult::Failed);
}

struct CoopCase {
  uint32_t flags;
  bool window;
  InputResult keyboard;
  InputResult mouse;
};

TEST_F(InputDeviceTest, CooperativeLevelsAreCheckedPerDevice) {
  const CoopCase cases[] = {
      {plat::kCoopNonExclusive | plat::kCoopBackground, false, InputResult::Ok, InputResult::Ok},
      {plat::kCoopNonExclusive | plat::kCoopForeground, true, InputResult::Ok, InputResult::Ok},
      {plat::kCoopExclusive | plat::kCoopForeground, true, InputResult::Ok, InputResult::Ok},
      // A keyboard cannot be held exclusively in the background.
      {plat::kCoopExclusive | plat::kCoopBackground, true, InputResult::NotImplemented, InputResult::Ok},
      {plat::kCoopNonExclusive | plat::kCoopForeground, false, InputResult::InvalidParam,
       InputResult::InvalidParam},
      {plat::kCoopExclusive | plat::kCoopNonExclusive | plat::kCoopBackground, true,
       InputResult::InvalidParam, InputResult::InvalidParam},
      {plat::kCoopNonExclusive, true, InputResult::InvalidParam, InputResult::InvalidParam},
  };
  for (const CoopCase& c : cases) {
    plat::WindowHandle window = c.window ? FakeWindow() : nullptr;
    EXPECT_EQ(MakeKeyboard()->SetCooperativeLevel(window, c.flags), c.keyboard) << "flags " << c.flags;
    EXPECT_EQ(MakeMouse()->SetCooperativeLevel(window, c.flags), c.mouse) << "flags " << c.flags;
  }
}

TEST_F(InputDeviceTest, KeyboardReadsOnlyWhileAcquired) {
  auto keyboard = MakeKeyboard();
  source.SetKey(plat::kKeyW, true);
  uint8_t keys[plat::kKeyCount] = {};
  EXPECT_EQ(keyboard->GetState(keys), InputResult::NotAcquired);

  EXPECT_EQ(keyboard->Acquire(), InputResult::Ok);
  EXPECT_EQ(keyboard->Acquire(), InputResult::NoEffect);
  ASSERT_EQ(keyboard->GetState(keys), InputResult::Ok);
  EXPECT_EQ(keys[plat::kKeyW], plat::kKeyDownBit);
  EXPECT_EQ(keys[plat::kKeyS], 0);

  EXPECT_EQ(keyboard->Unacquire(), InputResult::Ok);
  EXPECT_EQ(keyboard->GetState(keys), InputResult::NotAcquired);
}

TEST_F(InputDeviceTest, LostDeviceRefusesTheGivenNumberOfAcquisitions) {
  auto keyboard = MakeKeyboard();
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  source.LoseDevices(2);
  uint8_t keys[plat::kKeyCount] = {};
  EXPECT_EQ(keyboard->GetState(keys), InputResult::InputLost);
  EXPECT_EQ(keyboard->Acquire(), InputResult::InputLost);
  EXPECT_EQ(keyboard->Acquire(), InputResult::InputLost);
  EXPECT_EQ(keyboard->GetState(keys), InputResult::InputLost);
  EXPECT_EQ(keyboard->Acquire(), InputResult::Ok);
  EXPECT_EQ(keyboard->GetState(keys), InputResult::Ok);
}

TEST_F(InputDeviceTest, BufferedKeyboardDeliversChangesInOrderAndReportsOverflow) {
  auto keyboard = MakeKeyboard();
  ASSERT_EQ(keyboard->SetBufferSize(3), InputResult::Ok);
  source.SetKey(plat::kKeyA, true);  // before acquisition: not buffered
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  EXPECT_EQ(keyboard->SetBufferSize(8), InputResult::Failed);

  source.SetKey(plat::kKeyS, true);
  source.SetKey(plat::kKeyS, true);  // a repeat changes nothing
  source.SetKey(plat::kKeyA, false);
  plat::KeyEvent events[8];
  uint32_t count = 8;
  ASSERT_EQ(keyboard->GetEvents(events, count), InputResult::Ok);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(events[0].code, plat::kKeyS);
  EXPECT_EQ(events[0].state, plat::kKeyDownBit);
  EXPECT_EQ(events[1].code, plat::kKeyA);
  EXPECT_EQ(events[1].state, 0);

  for (int code : {2, 3, 4, 5}) source.SetKey(code, true);
  count = 2;  // smaller than what is waiting: the rest stays for the next read
  EXPECT_EQ(keyboard->GetEvents(events, count), InputResult::BufferOverflow);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(events[0].code, 2u);
  count = 8;
  EXPECT_EQ(keyboard->GetEvents(events, count), InputResult::Ok);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(events[0].code, 4u);
}

TEST_F(InputDeviceTest, ImmediateKeyboardHasNoEvents) {
  auto keyboard = MakeKeyboard();
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  plat::KeyEvent events[1];
  uint32_t count = 1;
  EXPECT_EQ(keyboard->GetEvents(events, count), InputResult::NotImplemented);
  EXPECT_EQ(count, 0u);
}

TEST_F(InputDeviceTest, MouseAccumulatesMovementWhileAcquiredAndResetsOnRead) {
  auto mouse = MakeMouse();
  source.MoveMouse(50, 50);  // not acquired yet: not counted
  ASSERT_EQ(mouse->Acquire(), InputResult::Ok);
  source.MoveMouse(3, -4);
  source.MoveMouse(2, 1, 120);
  source.SetMouseButton(1, true);
  source.SetMouseButton(7, true);  // no such button: ignored

  plat::MouseState state;
  ASSERT_EQ(mouse->GetState(state), InputResult::Ok);
  EXPECT_EQ(state.dx, 5);
  EXPECT_EQ(state.dy, -3);
  EXPECT_EQ(state.dz, 120);
  EXPECT_EQ(state.buttons[0], 0);
  EXPECT_EQ(state.buttons[1], plat::kKeyDownBit);

  ASSERT_EQ(mouse->GetState(state), InputResult::Ok);
  EXPECT_EQ(state.dx, 0);
  EXPECT_EQ(state.dy, 0);
  EXPECT_EQ(state.buttons[1], plat::kKeyDownBit);
}

TEST_F(InputDeviceTest, ReleaseAllLetsGoOfKeysAndButtons) {
  auto keyboard = MakeKeyboard();
  auto mouse = MakeMouse();
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  ASSERT_EQ(mouse->Acquire(), InputResult::Ok);
  source.SetKey(plat::kKeyLControl, true);
  source.SetMouseButton(0, true);
  source.ReleaseAll();
  EXPECT_FALSE(source.IsKeyDown(plat::kKeyLControl));
  plat::MouseState state;
  ASSERT_EQ(mouse->GetState(state), InputResult::Ok);
  EXPECT_EQ(state.buttons[0], 0);
}

TEST_F(InputDeviceTest, OutOfRangeKeysAreIgnored) {
  source.SetKey(-1, true);
  source.SetKey(256, true);
  EXPECT_FALSE(source.IsKeyDown(-1));
  EXPECT_FALSE(source.IsKeyDown(256));
}

}  // namespace
