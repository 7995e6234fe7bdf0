// The live window turns SDL's events into the game's window messages.
// Skipped when no display can be opened.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/os/SdlWindow.h"
#include "platform/os/Window.h"

namespace {

int g_hookedEvents = 0;

class LiveWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ResetMessageQueue();
    window_ = plat::CreateGameWindow("Halvenor porvik", 320, 240, plat::WindowBackend::Live);
    if (window_ == nullptr) GTEST_SKIP() << "no display for a live window";
    plat::KeepRendererLoaded();
    g_hookedEvents = 0;
    plat::SetSdlEventHook([](const SDL_Event&) { ++g_hookedEvents; });
    Drain();  // what the desktop says about the new window
  }
  void TearDown() override {
    plat::SetSdlEventHook(nullptr);
    plat::DestroyGameWindow(window_);
    plat::ResetMessageQueue();
  }

  static void PushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = keycode;
    event.key.keysym.mod = mod;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }

  // Messages other than the desktop's paints.
  std::vector<plat::Message> Drain() {
    std::vector<plat::Message> out;
    plat::Message m;
    while (plat::PeekMessage(m))
      if (m.message != plat::kWmPaint) out.push_back(m);
    return out;
  }

  plat::WindowHandle window_ = nullptr;
};

TEST_F(LiveWindowTest, HasAnSdlWindowOfTheClientSizeWithoutDecorations) {
  SDL_Window* sdl = plat::SdlWindowOf(window_);
  ASSERT_NE(sdl, nullptr);
  int w = 0, h = 0;
  SDL_GetWindowSize(sdl, &w, &h);
  EXPECT_EQ(w, 320);
  EXPECT_EQ(h, 240);
  EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_BORDERLESS, 0u);
  EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Halvenor porvik");
  ASSERT_TRUE(plat::SetClientSize(window_, 400, 300));
  SDL_GetWindowSize(sdl, &w, &h);
  EXPECT_EQ(w, 400);
  EXPECT_EQ(h, 300);
}

TEST_F(LiveWindowTest, KeysBecomeKeyMessagesAndSystemKeysAreSwallowed) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT);  // Alt+F4
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_TAB, SDLK_TAB);
  PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  const std::vector<plat::Message> got = Drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].message, plat::kWmKeyDown);
  EXPECT_EQ(got[0].wParam, std::uintptr_t(plat::kVkEscape));
  EXPECT_EQ(got[0].window, window_);
  EXPECT_EQ(got[1].message, plat::kWmKeyUp);
  EXPECT_GE(g_hookedEvents, 4) << "the input service sees every event, swallowed keys too";
}

TEST_F(LiveWindowTest, TheWheelAndAQuitRequestBecomeTheirMessages) {
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -1;
  wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  ASSERT_EQ(SDL_PushEvent(&wheel), 1);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  const std::vector<plat::Message> got = Drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].message, plat::kWmMouseWheel);
  EXPECT_LT(static_cast<std::int32_t>(got[0].wParam), 0) << "towards the user";
  EXPECT_EQ(got[0].wParam >> 16, 0xFF88u);
  EXPECT_EQ(got[1].message, plat::kWmDestroy);
}

}  // namespace
