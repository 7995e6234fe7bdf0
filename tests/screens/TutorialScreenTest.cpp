// The tutorial over the demo GUI: the lesson window's pages and buttons,
// the lesson menu, leaving the tutorial, and the hooks that end each
// lesson and lead back to the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::LoadDemoGui;

constexpr int32_t kWindow = 10425, kMenu = 10446;
constexpr int32_t kPrevious = 10427, kNext = 10428, kClose = 10431;
constexpr int32_t kContinue = 10448, kExit = 10459;
constexpr int32_t kLessonButtons[] = {10451, 10454, 10455, 10456, 10457};
constexpr int32_t kGameBar = 10062, kStatusPanel = 10433, kStartMenu = 10001;
constexpr int32_t kMessageClose = 10393;
// The control of the hide-all's commands.
constexpr int32_t kHideAllControl = 10436;

class TutorialHost : public screentest::FakeHost {
 public:
  using FakeHost::FakeHost;
  void SetWorldStopped(bool stopped) override { worldStopped = stopped; }
  void ResetForLesson(bool tutorialScene) override { resets.push_back(tutorialScene); }

  bool worldStopped = false;
  std::vector<bool> resets;
};

class TutorialScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDemoGui(kit.Gui());
    host.screens = &screens;
    screens.CreateAll();
    Mark();
  }
  void TearDown() override { host.screens = nullptr; }

  REraduzizTutorialScreen& Tutorial() { return *screens.tutorialScreen; }
  // The command through the screens' part of the handler; true when taken.
  bool Send(int32_t sender) {
    GuiCommand command;
    command.sender = sender;
    command.code = kCmdClick;
    if (!screens.OfferExclusive(command)) screens.RouteToScreens(command);
    return command.sender == -1;
  }
  void RunPass() {
    kit.Gui().RunCommandPass([this](GuiCommand* command) {
      if (!screens.OfferExclusive(*command)) screens.RouteToScreens(*command);
    });
    kit.Gui().RemoveDoneCommands();
  }
  // Commands posted from here on count for PagesPosted.
  void Mark() { m_mark = kit.Gui().GetCommandQueue().Size(); }
  // The page commands posted since the mark, as {target, code}, without the
  // hide-all's.
  std::vector<std::pair<int32_t, int32_t>> PagesPosted() {
    std::vector<std::pair<int32_t, int32_t>> pages;
    const std::vector<GuiCommand> queue = kit.Gui().GetCommandQueue().Snapshot();
    for (size_t n = m_mark; n < queue.size(); ++n) {
      if (queue[n].control != kHideAllControl) pages.emplace_back(queue[n].target, queue[n].code);
    }
    return pages;
  }
  bool Hidden(CGuiButton* button) { return button && button->suppressed == 1 && button->interactive == 0; }
  bool Shown(CGuiButton* button) { return button && button->suppressed == 0 && button->interactive == 1; }
  bool IsShown(int32_t id) {
    CGuiElement* element = kit.Gui().FindElement(id);
    return element && element->IsVisible();
  }
  std::string BoxText(CGuiTextBox* box) {
    std::string text;
    for (const EngineString& line : box->GetLines()) text += line.Std() + "|";
    return text;
  }

  size_t m_mark = 0;
  guitest::GuiTestKit kit;
  TutorialHost host{kit.Gui()};
  ScreenSet screens{host};
};

}  // namespace

TEST_F(TutorialScreenTest, ThePagesOfALessonTurnWithTheirButtons) {
  REraduzizTutorialScreen& tutorial = Tutorial();
  ASSERT_NE(tutorial.window, nullptr);
  EXPECT_TRUE(Send(kContinue));
  EXPECT_EQ(tutorial.lesson, 0);
  EXPECT_EQ(tutorial.page, 0);
  EXPECT_TRUE(Hidden(tutorial.previousButton));
  EXPECT_TRUE(Shown(tutorial.nextButton));
  EXPECT_TRUE(Hidden(tutorial.closeButton));
  EXPECT_EQ(BoxText(tutorial.pageText), "Open the build book with the book button.|");

  EXPECT_FALSE(Send(kNext)) << "the next button's click goes on to the dispatcher";
  EXPECT_EQ(tutorial.page, 1);
  EXPECT_TRUE(Shown(tutorial.previousButton));
  EXPECT_FALSE(Send(kNext));
  EXPECT_EQ(tutorial.page, 2);
  EXPECT_TRUE(Hidden(tutorial.nextButton));
  EXPECT_TRUE(Shown(tutorial.closeButton));
  EXPECT_TRUE(Shown(tutorial.exitButton)) << "lesson 0 offers the way out";
  EXPECT_FALSE(Send(kNext));
  EXPECT_EQ(tutorial.page, 2) << "no page after the last";

  EXPECT_TRUE(Send(kPrevious));
  EXPECT_TRUE(Send(kPrevious));
  EXPECT_TRUE(Send(kPrevious));
  EXPECT_EQ(tutorial.page, 0) << "no page before the first";
}

TEST_F(TutorialScreenTest, TitlesPicturesAndTexts) {
  struct Case {
    int32_t lesson, page;
    const char* picture;
    int32_t title, text;
  };
  const Case cases[] = {{0, 0, "tut0000.png", 400000, 400001},
                        {3, 1, "tut0301.png", 400030, 400032},
                        {2, 3, "tut0203.png", 400020, 400024}};
  for (const Case& c : cases) {
    EXPECT_EQ(REraduzizTutorialScreen::PictureName(c.lesson, c.page).Std(), c.picture);
    EXPECT_EQ(REraduzizTutorialScreen::TitleText(c.lesson), c.title);
    EXPECT_EQ(REraduzizTutorialScreen::PageText(c.lesson, c.page), c.text);
  }
  EXPECT_EQ(REraduzizTutorialScreen::WithLineBreaks("aXXbXXc").Std(), "a\nb\nc");

  REraduzizTutorialScreen& tutorial = Tutorial();
  for (int32_t lesson = 0; lesson < REraduzizTutorialScreen::kLessonCount; ++lesson) {
    tutorial.lesson = lesson;
    tutorial.ShowPage();
    const std::string title = tutorial.titleText->GetText().Std();
    EXPECT_EQ(title.front() == '\n', lesson != 1) << "lesson " << lesson << ": " << title;
  }
  // The descriptions break their lines where the text says.
  EXPECT_EQ(BoxText(tutorial.lessonTexts[0]), "Build your first ride.|The visitors come for the rides.|");
  // A lesson the game set past the last shows no page and breaks nothing.
  tutorial.lesson = REraduzizTutorialScreen::kLessonCount;
  tutorial.ShowPage();
  EXPECT_FALSE(Send(kNext));
}

TEST_F(TutorialScreenTest, OnlyALessonAlreadyDoneCanBePlayedAgainFromItsButton) {
  REraduzizTutorialScreen& tutorial = Tutorial();
  EXPECT_TRUE(Send(kLessonButtons[2]));
  EXPECT_TRUE(host.resets.empty());
  EXPECT_EQ(tutorial.lesson, 0);

  struct Case {
    int32_t lesson;
    bool tutorialScene;
  };
  for (const Case& c : {Case{0, false}, Case{3, true}}) {
    tutorial.lessonDone[c.lesson] = 1;
    host.resets.clear();
    host.flags.tutorialMode = 0;
    Mark();
    EXPECT_TRUE(Send(kLessonButtons[c.lesson]));
    EXPECT_EQ(tutorial.lesson, c.lesson);
    EXPECT_EQ(tutorial.page, 0);
    EXPECT_EQ(host.resets, std::vector<bool>{c.tutorialScene});
    EXPECT_EQ(host.flags.tutorialMode, 1);
    EXPECT_EQ(host.flags.modal, 1);
    const std::vector<std::pair<int32_t, int32_t>> want = {{kMenu, kCmdClosePage}, {kWindow, kCmdShowPage}};
    EXPECT_EQ(PagesPosted(), want);
  }
  // The menu marks the lessons done.
  EXPECT_EQ(tutorial.lessonButtons[3]->forcedState, kStatePressed);
  EXPECT_EQ(tutorial.lessonButtons[1]->forcedState, kStateNormal);
}

TEST_F(TutorialScreenTest, ContinueOpensTheFirstLessonNotDoneOrEndsTheTutorial) {
  REraduzizTutorialScreen& tutorial = Tutorial();
  tutorial.lessonDone[0] = tutorial.lessonDone[1] = 1;
  host.flags.tutorialMode = 1;
  EXPECT_TRUE(Send(kContinue));
  EXPECT_EQ(tutorial.lesson, 2);
  EXPECT_EQ(host.flags.modal, 1);
  EXPECT_TRUE(Hidden(tutorial.exitButton)) << "past lesson 0 the menu offers no way out";

  std::fill(std::begin(tutorial.lessonDone), std::end(tutorial.lessonDone), uint8_t(1));
  tutorial.eventStarted = 1;
  Mark();
  EXPECT_TRUE(Send(kContinue));
  EXPECT_EQ(host.flags.tutorialMode, 0);
  EXPECT_EQ(host.flags.modal, 0);
  EXPECT_EQ(tutorial.eventStarted, 0);
  const std::vector<std::pair<int32_t, int32_t>> want = {
      {kMenu, kCmdClosePage}, {kGameBar, kCmdOpenPageForced}, {kStatusPanel, kCmdOpenPage}};
  EXPECT_EQ(PagesPosted(), want);
}

TEST_F(TutorialScreenTest, ClosingTheLessonWindowPlaysTheLessonAndArmsTheEventLesson) {
  REraduzizTutorialScreen& tutorial = Tutorial();
  host.flags.modal = 1;
  EXPECT_TRUE(Send(kClose));
  EXPECT_EQ(host.flags.modal, 0);
  EXPECT_EQ(tutorial.eventAllowed, 0);
  const std::vector<std::pair<int32_t, int32_t>> want = {
      {kWindow, kCmdClosePage}, {kGameBar, kCmdOpenPageForced}, {kStatusPanel, kCmdOpenPage}};
  EXPECT_EQ(PagesPosted(), want);

  tutorial.lesson = REraduzizTutorialScreen::kEventLesson;
  tutorial.eventStarted = 1;
  EXPECT_TRUE(Send(kClose));
  EXPECT_EQ(tutorial.eventAllowed, 1);
  EXPECT_EQ(tutorial.eventStarted, 0);
}

TEST_F(TutorialScreenTest, LeavingTheTutorialStopsTheWorldAndOpensTheStartMenu) {
  host.flags.modal = 1;
  EXPECT_TRUE(Send(kExit));
  EXPECT_TRUE(host.worldStopped);
  EXPECT_EQ(host.flags.modal, 0);
  const std::vector<std::pair<int32_t, int32_t>> want = {
      {kStatusPanel, kCmdClosePage}, {kGameBar, kCmdClosePage}, {kStartMenu, kCmdOpenPage}};
  EXPECT_EQ(PagesPosted(), want);
}

TEST_F(TutorialScreenTest, EachPlacingLessonEndsWithItsMessageAndItsCloseLeadsBackToTheMenu) {
  struct Case {
    int32_t lesson;
    int32_t kind;
    const char* type;
    int32_t plantCount;
    bool ends;
  };
  const Case cases[] = {
      {0, 0, "Attr_Carousel", 0, true},          {0, 2, "Shop_quessle01", 0, false},
      {1, 0, "Attr_Carousel", 0, false},         {1, 2, "restaurant_de_tarrowby", 0, true},
      {3, 4, "plant_01", 0, false},              {3, 4, "plant_01", 1, true},
      {3, 4, "plant_01", 2, false},              {2, 0, "Attr_Carousel", 1, false},
      {4, 4, "plant_01", 1, false},
  };
  REraduzizTutorialScreen& tutorial = Tutorial();
  for (const Case& c : cases) {
    std::fill(std::begin(tutorial.lessonDone), std::end(tutorial.lessonDone), uint8_t(0));
    tutorial.lesson = c.lesson;
    host.flags.tutorialMode = 1;
    host.flags.modal = 0;
    host.worldStopped = true;
    tutorial.eventAllowed = 1;
    tutorial.OnObjectPlaced(c.kind, c.type, c.plantCount);
    EXPECT_EQ(tutorial.lessonDone[c.lesson], c.ends ? 1 : 0) << c.lesson << " " << c.type;
    EXPECT_EQ(tutorial.lesson, c.ends ? c.lesson + 1 : c.lesson);
    EXPECT_EQ(host.flags.messageOpen, c.ends ? 1 : 0);
    if (!c.ends) continue;
    EXPECT_EQ(tutorial.eventAllowed, 0);
    EXPECT_EQ(host.flags.modal, 1);
    EXPECT_EQ(screens.messageWindow->GetTag(), REraduzizTutorialScreen::kLessonMessageTag);
    RunPass();
    Mark();
    EXPECT_TRUE(Send(kMessageClose));
    EXPECT_FALSE(host.worldStopped);
    EXPECT_EQ(host.flags.modal, 1);
    EXPECT_EQ(tutorial.lessonButtons[c.lesson]->forcedState, kStatePressed);
    std::vector<std::pair<int32_t, int32_t>> pages = PagesPosted();
    const std::vector<std::pair<int32_t, int32_t>> tail = {
        {kGameBar, kCmdOpenPageForced}, {kStatusPanel, kCmdOpenPage}, {kGameBar, kCmdClosePage},
        {kStatusPanel, kCmdClosePage},  {kMenu, kCmdOpenPage}};
    ASSERT_GE(pages.size(), tail.size());
    const std::vector<std::pair<int32_t, int32_t>> last(pages.end() - long(tail.size()), pages.end());
    EXPECT_EQ(last, tail);
    RunPass();
    EXPECT_TRUE(IsShown(kMenu));
  }

  // Outside the tutorial nothing ends.
  std::fill(std::begin(tutorial.lessonDone), std::end(tutorial.lessonDone), uint8_t(0));
  tutorial.lesson = 0;
  host.flags.tutorialMode = 0;
  tutorial.OnObjectPlaced(0, "Attr_Carousel", 0);
  EXPECT_EQ(tutorial.lessonDone[0], 0);
}

TEST_F(TutorialScreenTest, OneRestaurantPlacedAtTheRideLessonEndsThatLessonOnly) {
  REraduzizTutorialScreen& tutorial = Tutorial();
  host.flags.tutorialMode = 1;
  tutorial.OnObjectPlaced(0, "restaurant_de_tarrowby", 0);
  EXPECT_EQ(tutorial.lessonDone[0], 1);
  EXPECT_EQ(tutorial.lessonDone[1], 0);
  EXPECT_EQ(tutorial.lesson, 1);
  EXPECT_EQ(screens.messageWindow->GetWaitingCount(), 0u);
}
