// SDL's key and wheel events as the parameters of the game's window messages.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include "platform/os/Window.h"
#include "platform/os/WindowKeys.h"

namespace {

struct KeyCase {
  const char* what;
  SDL_Scancode scancode;
  SDL_Keycode keycode;
  int virtualKey;
};

TEST(WindowKeys, SdlKeysMapToTheGamesVirtualKeys) {
  const KeyCase cases[] = {
      {"letter", SDL_SCANCODE_A, SDLK_a, 'A'},
      {"last letter", SDL_SCANCODE_Z, SDLK_z, 'Z'},
      {"letter by layout (AZERTY A on the Q key)", SDL_SCANCODE_Q, SDLK_a, 'A'},
      {"letter of a non-Latin layout by position", SDL_SCANCODE_F, 0x430, 'F'},
      {"digit", SDL_SCANCODE_1, SDLK_1, '1'},
      {"digit of a layout that shifts digits", SDL_SCANCODE_1, SDLK_AMPERSAND, '1'},
      {"zero", SDL_SCANCODE_0, SDLK_0, '0'},
      {"escape", SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, plat::kVkEscape},
      {"return", SDL_SCANCODE_RETURN, SDLK_RETURN, plat::kVkReturn},
      {"keypad enter", SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, plat::kVkReturn},
      {"backspace", SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, plat::kVkBack},
      {"space", SDL_SCANCODE_SPACE, SDLK_SPACE, plat::kVkSpace},
      {"tab", SDL_SCANCODE_TAB, SDLK_TAB, plat::kVkTab},
      {"left", SDL_SCANCODE_LEFT, SDLK_LEFT, 37},
      {"up", SDL_SCANCODE_UP, SDLK_UP, 38},
      {"right", SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},
      {"down", SDL_SCANCODE_DOWN, SDLK_DOWN, 40},
      {"left shift", SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, plat::kVkShift},
      {"right shift", SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, plat::kVkShift},
      {"left ctrl", SDL_SCANCODE_LCTRL, SDLK_LCTRL, plat::kVkControl},
      {"right ctrl", SDL_SCANCODE_RCTRL, SDLK_RCTRL, plat::kVkControl},
      {"alt", SDL_SCANCODE_LALT, SDLK_LALT, plat::kVkMenu},
      {"windows key", SDL_SCANCODE_LGUI, SDLK_LGUI, plat::kVkLWin},
      {"right windows key", SDL_SCANCODE_RGUI, SDLK_RGUI, plat::kVkRWin},
      {"menu key", SDL_SCANCODE_APPLICATION, SDLK_APPLICATION, plat::kVkApps},
      {"caps lock", SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, plat::kVkCapital},
      {"F1", SDL_SCANCODE_F1, SDLK_F1, 112},
      {"F10", SDL_SCANCODE_F10, SDLK_F10, 121},
      {"F12", SDL_SCANCODE_F12, SDLK_F12, 123},
      {"delete", SDL_SCANCODE_DELETE, SDLK_DELETE, plat::kVkDelete},
      {"page down", SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, plat::kVkNext},
      {"keypad 7", SDL_SCANCODE_KP_7, SDLK_KP_7, 0x67},
      {"keypad 0", SDL_SCANCODE_KP_0, SDLK_KP_0, 0x60},
      {"minus", SDL_SCANCODE_MINUS, SDLK_MINUS, 0xBD},
      {"unknown", SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, 0},
      {"beyond the table", static_cast<SDL_Scancode>(400), 0, 0},
  };
  for (const KeyCase& c : cases)
    EXPECT_EQ(plat::VirtualKeyFromSdl(c.scancode, c.keycode), c.virtualKey) << c.what;
}

TEST(WindowKeys, WheelNotchesAreSigned120StepsInTheHighWord) {
  const struct {
    int notches;
    unsigned modifiers;
    std::uint32_t wParam;
  } cases[] = {
      {1, 0, 0x00780000u},
      {-1, 0, 0xFF880000u},
      {2, plat::kMkShift | plat::kMkLButton, 0x00F00005u},
      {1000, 0, 0x7FF80000u},   // saturates at 273 notches
      {-1000, 0, 0x80080000u},  // instead of wrapping to the other direction
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.notches);
    const std::uintptr_t w = plat::WheelWParam(c.notches, c.modifiers);
    EXPECT_EQ(w, c.wParam);
    // The game reads the sign of wParam as a signed 32-bit number.
    EXPECT_EQ(static_cast<std::int32_t>(w) < 0, c.notches < 0);
  }
}

TEST(WindowKeys, PointsPackAsYHighXLow) {
  EXPECT_EQ(plat::PointLParam(10, 20), (20 << 16) | 10);
  EXPECT_EQ(plat::PointLParam(1279, 1023), (1023 << 16) | 1279);
}

}  // namespace
