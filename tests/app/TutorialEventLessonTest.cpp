// The tutorial's park-event lesson over the demo park: the lesson's button
// opens the lesson's park with its bird show, and once the player closes the
// lesson window to play, the frames of the game start an event on the show
// that runs to its pop-up. While the lesson window has not allowed it, the
// same frames start none.
#include <gtest/gtest.h>

#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Random.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/app/HeadlessGameFixture.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kFrameSeconds = 0.1f;
constexpr uint32_t kFrameMs = 100;
constexpr int32_t kFastSpeed = 4;
constexpr unsigned kSeed = 7;
// The lesson window's play button and the button of the event lesson.
constexpr int32_t kPlayButton = 10431;
constexpr int32_t kEventLessonButton = 10457;
constexpr const char* kBirdShow = "ATTR_Zelvaro";
// Events come only after eleven; by three the show's event has long had
// its chance. At the fastest speed a tenth of a second is 24 game seconds.
constexpr int32_t kLastHour = 15;
constexpr int kFramesPerGameHour = 150;
constexpr int kMostFrames = 8 * kFramesPerGameHour;

class TutorialEventLessonTest : public headlessgame::StartedParkFixture {
 protected:
  TutorialEventLessonTest() : StartedParkFixture(kWidth, kHeight, kSeed) {}

  REraduzizTutorialScreen& Tutorial() { return *game->tutorialScreen; }

  // The main loop's pass over the commands that the frame and the clicks posted.
  void RunGuiCommands() {
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  }
  void Click(int32_t button) {
    game->PostCommand(button, -1, kCmdClick, 0, 0);
    RunGuiCommands();
  }

  // The player, with the event lesson done once, picks it again in the
  // lesson menu: its park is loaded and its window opens.
  CAttraction* OpenEventLesson() {
    Tutorial().lessonDone[REraduzizTutorialScreen::kEventLesson] = 1;
    Click(kEventLessonButton);
    EXPECT_EQ(game->tutorialMode, 1);
    EXPECT_EQ(Tutorial().lesson, REraduzizTutorialScreen::kEventLesson);
    EXPECT_EQ(game->modalScreenOpen, 1) << "the lesson window is open";
    CAttraction* show = game->FindObjectByName(kBirdShow);
    EXPECT_NE(show, nullptr) << "the lesson's park has no bird show";
    if (show) {
      EXPECT_EQ(show->hasEvents, 1);
      EXPECT_FALSE(show->events.empty());
    }
    return show;
  }

  bool PopupShown() {
    const CGuiElement* popup = game->FindElement(REraduzizEventClass::kPopupPage);
    return popup && popup->IsVisible();
  }

  // The main loop's frames and command passes at the fastest speed until an
  // event's pop-up shows or the afternoon is on.
  void PlayUntilPopupOr3pm() {
    game->playMode = 1;
    game->simulationHalted = 0;
    game->gameSpeed = kFastSpeed;
    for (int n = 0; n < kMostFrames && !PopupShown() && game->gameHour < kLastHour; ++n) {
      clock.AdvanceMs(kFrameMs);
      game->UpdateFrame(kFrameSeconds);
      game->Frame(kFrameSeconds);
      RunGuiCommands();
    }
  }

  // The text without the blanks that the box's wrapping takes or keeps.
  static std::string WithoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
  }
  std::string PopupText() {
    const auto* box = dynamic_cast<const CGuiTextBox*>(game->FindElement(REraduzizEventClass::kPopupText));
    if (!box) return "<missing>";
    std::string text;
    for (const EngineString& line : box->GetLines()) text += line.Std();
    return WithoutBlanks(text);
  }
};

}  // namespace

TEST_F(TutorialEventLessonTest, ThePlayButtonLetsTheBirdShowStartItsEventAndShowItsPopup) {
  CAttraction* show = OpenEventLesson();
  ASSERT_NE(show, nullptr);
  Click(kPlayButton);
  EXPECT_EQ(game->modalScreenOpen, 0);
  EXPECT_EQ(Tutorial().eventAllowed, 1);
  EXPECT_EQ(Tutorial().eventStarted, 0);

  PlayUntilPopupOr3pm();
  ASSERT_TRUE(PopupShown()) << "no event by " << game->gameHour << ":" << game->gameMinute;
  EXPECT_EQ(Tutorial().eventStarted, 1);
  EXPECT_EQ(show->eventRunning, 1);
  ASSERT_NE(show->currentEvent, nullptr);
  ParkEvent& event = *show->currentEvent;
  EXPECT_EQ(event.owner, show);
  EXPECT_TRUE(event.id == ParkEvent::kZelVaroHungry || event.id == ParkEvent::kZelVaroTired) << event.id.Std();
  ASSERT_EQ(game->parkEvents->openEvents.size(), 1u);
  EXPECT_EQ(game->parkEvents->openEvents.front(), &event);
  EXPECT_EQ(PopupText(), WithoutBlanks(event.eventText.Std()));
  // The lesson asks for no second event; the show has the only one.
  for (const CAttraction* object : game->placedObjects.Objects()) {
    if (object != show) {
      EXPECT_EQ(object->eventRunning, 0) << object->id.Std();
    }
  }
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

TEST_F(TutorialEventLessonTest, WithoutThePlayButtonTheShowStartsNoEvent) {
  CAttraction* show = OpenEventLesson();
  ASSERT_NE(show, nullptr);
  // The lesson window is out of the way, but its play button was never
  // pressed.
  game->modalScreenOpen = 0;
  EXPECT_EQ(Tutorial().eventAllowed, 0);

  PlayUntilPopupOr3pm();
  EXPECT_GE(game->gameHour, kLastHour) << "the frames played through the hours of events";
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Tutorial().eventStarted, 0);
  EXPECT_EQ(show->eventRunning, 0);
  EXPECT_TRUE(game->parkEvents->openEvents.empty());
}
