// The game's loop in a real window: closing the window ends it.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/GameShell.h"
#include "app/VAvazadOvurUrovi.h"
#include "platform/os/Window.h"

namespace {

constexpr int kFrameLimit = 100000;

class FrameCountingGame : public VAvazadOvurUrovi {
 public:
  void Frame(float seconds) override {
    ++frames;
    VAvazadOvurUrovi::Frame(seconds);
  }
  int frames = 0;
};

}  // namespace

TEST(GameWindow, ClosingTheWindowEndsTheLoopWithExitCodeZero) {
  plat::ResetMessageQueue();
  const plat::WindowHandle window = plat::CreateGameWindow(kGameWindowTitle, 640, 480, plat::WindowBackend::Live);
  if (!window) GTEST_SKIP() << "no display for a window";
  plat::SetWindowProcedure(window, MainWndProc);
  {
    FrameCountingGame game;
    SDL_Event close{};
    close.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    EXPECT_EQ(RunMainLoop(game, LoopOptions{kFrameLimit, {}, "."}), 0);
    EXPECT_LT(game.frames, kFrameLimit) << "the close, not the frame limit, ended the loop";
  }
  plat::DestroyGameWindow(window);
  plat::ResetMessageQueue();
}
