// The mouse and keyboard as the frame polls them: which messages the GUI
// and the land's mouse handler get, in which order, and how the keys move
// the camera.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiMessages.h"
#include "platform/input/ScanCodes.h"
#include "tests/app/PlayerHandFixture.h"

namespace {

using playerhand::PlayerHandFixture;

constexpr int kLeft = 0, kRight = 1, kMiddle = 2;

// One message seen, by whom: "gui" or "hand".
struct Seen {
  std::string by;
  unsigned message;
  uint32_t wParam;
  bool operator==(const Seen&) const = default;
};

[[maybe_unused]] void PrintTo(const Seen& seen, std::ostream* out) {
  *out << seen.by << " 0x" << std::hex << seen.message << " held " << seen.wParam << std::dec;
}

class RecordingGame : public VAvazadOvurUrovi {
 public:
  void OnMouseMessage(uint32_t message, uint32_t wParam, uint32_t lParam) override {
    log->push_back({"hand", message, wParam});
    lastLParam = lParam;
    VAvazadOvurUrovi::OnMouseMessage(message, wParam, lParam);
  }
  std::vector<Seen>* log = nullptr;
  uint32_t lastLParam = 0;
};

// A GUI element over the screen's top-left quarter that takes every button
// message inside it.
class Pad : public CGuiElement {
 public:
  bool HandleMessage(const plat::Message* message, uint8_t) override {
    log->push_back({"gui", message->message, uint32_t(message->wParam)});
    if (!gui::IsButtonMessage(message->message)) return false;
    return ContainsPoint(gui::MessageX(*message), gui::MessageY(*message));
  }
  std::vector<Seen>* log = nullptr;
};

class InputPollingTest : public PlayerHandFixture {
 protected:
  std::unique_ptr<VAvazadOvurUrovi> MakeGame() override {
    auto made = std::make_unique<RecordingGame>();
    made->log = &log;
    return made;
  }
  void SetUp() override {
    PlayerHandFixture::SetUp();
    auto* pad = new Pad;
    pad->log = &log;
    pad->CreateSized(nullptr, 900, 0, 0, 0, 400, 300, 0, 1, 1);
    game->AddLayer(900, 1, pad, 0);
    // The cursor starts in the 3D view, off the pad.
    Source().MoveMouse(300, 200);
    game->PollInput();
    log.clear();
  }
  RecordingGame& Game() { return static_cast<RecordingGame&>(*game); }

  std::vector<Seen> log;
};

}  // namespace

TEST_F(InputPollingTest, PressHoldAndReleaseGiveOneDownPerFrameAndOneUp) {
  const Seen leftDown{"gui", gui::kLeftDown, gui::kHeldLeft};
  const Seen handDown{"hand", gui::kLeftDown, 0};
  Source().SetMouseButton(kLeft, true);
  game->PollInput();
  game->PollInput();  // held: again, though the mouse did not move
  EXPECT_EQ(log, (std::vector<Seen>{leftDown, handDown, leftDown, handDown}));
  EXPECT_EQ(Game().lastLParam, uint32_t(400 << 16 | 600));

  log.clear();
  Source().SetMouseButton(kLeft, false);
  game->PollInput();
  // The handler hears the release once, before the GUI is asked.
  EXPECT_EQ(log, (std::vector<Seen>{{"hand", gui::kLeftUp, 0}, {"gui", gui::kLeftUp, 0}}));
  log.clear();
  game->PollInput();
  EXPECT_TRUE(log.empty()) << "a release lasts one frame";

  Source().SetMouseButton(kRight, true);
  Source().SetMouseButton(kMiddle, true);
  game->PollInput();
  EXPECT_EQ(log, (std::vector<Seen>{{"gui", gui::kRightDown, gui::kHeldRight | gui::kHeldMiddle},
                                    {"hand", gui::kRightDown, 0},
                                    {"gui", gui::kMiddleDown, gui::kHeldRight | gui::kHeldMiddle},
                                    {"hand", gui::kMiddleDown, 0}}));
}

TEST_F(InputPollingTest, AModalScreenOrAnElementThatTakesAButtonKeepsItFromTheLand) {
  struct Case {
    const char* what;
    bool modal;
    int32_t dx, dy;  // mouse movement from the 3D view
    std::vector<Seen> expected;
  };
  const std::vector<Case> cases = {
      {"modal: moves still reach the land, presses do not; the release ends a drag", true, 10, 0,
       {{"gui", gui::kMouseMove, 0}, {"hand", gui::kMouseMove, 0},
        {"gui", gui::kLeftDown, gui::kHeldLeft},
        {"hand", gui::kLeftUp, 0}, {"gui", gui::kLeftUp, 0}}},
      {"over the pad, which takes the buttons", false, -200, -150,
       {{"gui", gui::kMouseMove, 0}, {"hand", gui::kMouseMove, 0},
        {"gui", gui::kLeftDown, gui::kHeldLeft},
        {"hand", gui::kLeftUp, 0}, {"gui", gui::kLeftUp, 0}}},
  };
  for (const Case& c : cases) {
    game->modalScreenOpen = c.modal ? 1 : 0;
    Source().MoveMouse(c.dx, c.dy);
    game->PollInput();
    Source().SetMouseButton(kLeft, true);
    game->PollInput();
    Source().SetMouseButton(kLeft, false);
    game->PollInput();
    EXPECT_EQ(log, c.expected) << c.what;
    EXPECT_EQ(game->leftDragging, 0) << c.what;
    log.clear();
    Source().MoveMouse(-c.dx, -c.dy);
    game->PollInput();
    log.clear();
  }
}

TEST_F(InputPollingTest, WhileLoadingTheCursorFollowsTheMouseButNothingIsSent) {
  game->initialLoadingStarted = 1;
  Source().MoveMouse(5, -5);
  Source().SetMouseButton(kLeft, true);
  game->PollInput();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(game->GetCursorPosition().x, 610);
  EXPECT_EQ(game->GetCursorPosition().y, 390);

  // A button held across the end of loading is pressed in the first frame after.
  game->initialLoadingStarted = 0;
  game->PollInput();
  EXPECT_EQ(log.front(), (Seen{"gui", gui::kMouseMove, gui::kHeldLeft}));
  EXPECT_EQ(log.back(), (Seen{"hand", gui::kLeftDown, 0}));
}

TEST_F(InputPollingTest, TheCursorMovesTwiceTheMouseAndStaysOnTheScreen) {
  Source().MoveMouse(-1000, 50);  // x would leave the screen: only y moves
  game->PollInput();
  EXPECT_EQ(game->GetCursorPosition().x, 600);
  EXPECT_EQ(game->GetCursorPosition().y, 500);
  Source().MoveMouse(100, 50);  // to the edges exactly, which still count
  game->PollInput();
  EXPECT_EQ(game->GetCursorPosition().x, 800);
  EXPECT_EQ(game->GetCursorPosition().y, 600);
}

TEST_F(InputPollingTest, WalkingKeysMoveTheCameraInsideItsSquareAndCtrlIsSeenEvenUnderAModalScreen) {
  g_camera->LookAt({249, 20, 0}, {300, 20, 0}, {0, 1, 0});  // looking along +x
  Source().SetKey(plat::kKeyW, true);
  game->PollInput();
  EXPECT_FLOAT_EQ(g_camera->position.x, 249.0f) << "251 is outside: the step is taken back";
  Source().SetKey(plat::kKeyW, false);
  Source().SetKey(plat::kKeyS, true);
  game->PollInput();
  EXPECT_FLOAT_EQ(g_camera->position.x, 247.0f);
  Source().SetKey(plat::kKeyS, false);

  Source().SetKey(plat::kKeyA, true);
  Source().SetKey(plat::kKeyRControl, true);
  game->modalScreenOpen = 1;
  game->PollInput();
  EXPECT_FLOAT_EQ(g_camera->position.x, 247.0f);
  EXPECT_FLOAT_EQ(g_camera->position.z, 0.0f) << "no strafing under a modal screen";
  EXPECT_EQ(game->controlKeyDown, 1);
  Source().SetKey(plat::kKeyRControl, false);
  game->PollInput();
  EXPECT_EQ(game->controlKeyDown, 0);
}
