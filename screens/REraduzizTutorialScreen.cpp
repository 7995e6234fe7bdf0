#include "screens/REraduzizTutorialScreen.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/REraduzizMessageWindow.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizTutorialScreen";

// The lesson window's controls.
constexpr int32_t kPicture = 10429;
constexpr int32_t kPageTextBox = 10426;
constexpr int32_t kTitle = 10432;
constexpr int32_t kPrevious = 10427;
constexpr int32_t kNext = 10428;
constexpr int32_t kClose = 10431;
// The lesson menu page and its controls.
constexpr int32_t kMenuPage = 10446;
constexpr int32_t kMenuTitle = 10449;
constexpr int32_t kLessonTextIds[REraduzizTutorialScreen::kLessonCount] = {10447, 10450, 10452, 10453, 10458};
constexpr int32_t kLessonButtonIds[REraduzizTutorialScreen::kLessonCount] = {10451, 10454, 10455, 10456, 10457};
constexpr int32_t kContinue = 10448;
constexpr int32_t kExit = 10459;
// The pages the tutorial opens with, and the pause button and start menu
// that the exit names.
constexpr int32_t kTutorialControl = 10026;
constexpr int32_t kPauseButton = 10266;
constexpr int32_t kStartMenu = 10001;

constexpr int32_t kCloseCaption = 100153;
constexpr int32_t kExitCaption = 100136;
constexpr uint32_t kCaptionStyle = 5;
// Texts: the lesson titles and pages, 10 per lesson; the descriptions.
constexpr int32_t kMenuHeadingText = 400000;
constexpr int32_t kTitleTextBase = 400000;
constexpr int32_t kPageTextBase = 400001;
constexpr int32_t kTextsPerLesson = 10;
constexpr int32_t kDescriptionTextBase = 401001;
constexpr int32_t kDescriptionsStep = 2;
constexpr int32_t kMessageKind = 0;
constexpr int32_t kSilent = 0;
// A lesson button's look: pressed when the lesson is done.
constexpr int32_t kDoneState = 2;
constexpr int32_t kOpenState = 0;

// Hidden buttons are neither drawn nor take input.
void SetButtonShown(CGuiButton* button, bool shown) {
  if (!button) return;
  button->SetFixedTextColour(!shown);
  button->suppressed = shown ? 0 : 1;
}

void SetGuiElementChecked(CGuiElement* element, bool checked) {
  if (auto* box = dynamic_cast<CGuiCheckBox*>(element)) {
    box->SetChecked(checked);
  } else if (auto* button = dynamic_cast<CGuiButton*>(element)) {
    button->forcedStateOn = 1;
    button->forcedState = checked ? kDoneState : kOpenState;
  }
}

}  // namespace

REraduzizTutorialScreen::REraduzizTutorialScreen(ScreenHost& host, CGuiElement* window)
    : window(window), m_host(host) {
  if (!window) return;
  imageFolder = m_host.GetBaseDirectory() + kImageFolder;
  CGuiMainClass& gui = m_host.Gui();
  pictureElement = screens::BindElement<CGuiElement>(gui, kPicture, kScreen, "element");
  pageText = screens::BindElement<CGuiTextBox>(gui, kPageTextBox, kScreen, "text box");
  titleText = screens::BindElement<CGuiStaticText>(gui, kTitle, kScreen, "static text");
  previousButton = screens::BindElement<CGuiButton>(gui, kPrevious, kScreen, "button");
  nextButton = screens::BindElement<CGuiButton>(gui, kNext, kScreen, "button");
  closeButton = screens::BindElement<CGuiButton>(gui, kClose, kScreen, "button");
  menuTitleText = screens::BindElement<CGuiStaticText>(gui, kMenuTitle, kScreen, "static text");
  for (int32_t n = 0; n < kLessonCount; ++n) {
    lessonTexts[n] = screens::BindElement<CGuiTextBox>(gui, kLessonTextIds[n], kScreen, "text box");
    lessonButtons[n] = screens::BindElement<CGuiButton>(gui, kLessonButtonIds[n], kScreen, "button");
  }
  continueButton = screens::BindElement<CGuiButton>(gui, kContinue, kScreen, "button");
  exitButton = screens::BindElement<CGuiButton>(gui, kExit, kScreen, "button");
  screens::SetButtonCaption(gui, closeButton, kCloseCaption, kCaptionStyle);
  screens::SetButtonCaption(gui, continueButton, kCloseCaption, kCaptionStyle);
  screens::SetButtonCaption(gui, exitButton, kExitCaption, kCaptionStyle);
  if (menuTitleText) {
    menuTitleText->SetText(-1, EngineString(), menuTitleText->GetFormat(), menuTitleText->GetColour());
    menuTitleText->SetText(kMenuHeadingText, EngineString(), menuTitleText->GetFormat(), menuTitleText->GetColour());
  }
  ShowLessonMenu();
  ShowPage();
}

EngineString REraduzizTutorialScreen::PictureName(int32_t lesson, int32_t page) {
  return screens::FormatValue("tut%02d", lesson) + screens::FormatValue("%02d.png", page);
}

int32_t REraduzizTutorialScreen::TitleText(int32_t lesson) { return kTitleTextBase + kTextsPerLesson * lesson; }

int32_t REraduzizTutorialScreen::PageText(int32_t lesson, int32_t page) {
  return kPageTextBase + kTextsPerLesson * lesson + page;
}

EngineString REraduzizTutorialScreen::WithLineBreaks(EngineString text) {
  text.Replace("XX", "\n");
  return text;
}

void REraduzizTutorialScreen::SetTextBox(CGuiTextBox* box, int32_t textId) {
  if (!box) return;
  box->Clear();
  box->SetText(-1, WithLineBreaks(m_host.Gui().GetText(textId)));
}

void REraduzizTutorialScreen::LoadPageImage() {
  if (pictureElement && HasLesson()) pictureElement->SetBackgroundTexture(imageFolder + PictureName(lesson, page));
}

void REraduzizTutorialScreen::ShowPage() {
  if (!HasLesson()) return;
  if (titleText) {
    const EngineString title = m_host.Gui().GetText(TitleText(lesson));
    const EngineString shown = lesson == kRestaurantLesson ? title : EngineString("\n") + title;
    titleText->SetText(-1, EngineString(), titleText->GetFormat(), titleText->GetColour());
    titleText->SetText(-1, shown, titleText->GetFormat(), titleText->GetColour());
  }
  LoadPageImage();
  SetTextBox(pageText, PageText(lesson, page));
  const bool lastOne = page >= lastPage[lesson];
  SetButtonShown(closeButton, lastOne);
  SetButtonShown(nextButton, !lastOne);
  SetButtonShown(previousButton, page > 0);
}

void REraduzizTutorialScreen::ShowLessonMenu() {
  for (int32_t n = 0; n < kLessonCount; ++n) {
    SetTextBox(lessonTexts[n], kDescriptionTextBase + kDescriptionsStep * n);
    SetGuiElementChecked(lessonButtons[n], lessonDone[n] != 0);
  }
  SetButtonShown(continueButton, true);
  SetButtonShown(exitButton, lesson <= 0);
}

void REraduzizTutorialScreen::Post(int32_t sender, int32_t target, int32_t code, int32_t control) {
  m_host.Gui().PostCommand(sender, target, code, control, 0);
}

void REraduzizTutorialScreen::RefreshStatus() {
  if (ScreenSet* set = m_host.GetScreens()) set->RefreshStatusDisplay();
}

void REraduzizTutorialScreen::ShowGamePages() {
  Post(-1, screen_ids::kGameMainPage, kCmdOpenPageForced, kTutorialControl);
  Post(-1, screen_ids::kStatusPanel, kCmdOpenPage, kTutorialControl);
}

void REraduzizTutorialScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const int32_t sender = command.sender;
  if (sender == kPrevious) {
    if (page > 0) {
      --page;
      ShowPage();
    }
  } else if (sender == kNext) {
    // The dispatcher still sees the click.
    if (HasLesson() && page < lastPage[lesson]) {
      ++page;
      ShowPage();
    }
    if (HasLesson() && page >= lastPage[lesson]) SetButtonShown(exitButton, lesson <= 0);
    return;
  } else if (sender == kClose) {
    CloseLessonWindow();
  } else if (sender == kContinue) {
    ContinueTutorial();
  } else if (sender == kExit) {
    ExitTutorial();
  } else {
    const int32_t* button = std::find(std::begin(kLessonButtonIds), std::end(kLessonButtonIds), sender);
    if (button == std::end(kLessonButtonIds)) return;
    const int32_t chosen = int32_t(button - std::begin(kLessonButtonIds));
    if (lessonDone[chosen]) {
      lesson = chosen;
      m_host.Flags().tutorialMode = 1;
      m_host.ResetForLesson(chosen != kRideLesson);
      PlayLesson(chosen);
    }
  }
  command.sender = -1;
}

void REraduzizTutorialScreen::PlayLesson(int32_t chosen) {
  lesson = chosen;
  page = 0;
  Post(-1, kMenuPage, kCmdClosePage, kTutorialControl);
  ShowLessonMenu();
  ShowPage();
  Post(-1, screen_ids::kTutorial, kCmdShowPage, kTutorialControl);
  m_host.Flags().modal = 1;
}

void REraduzizTutorialScreen::ContinueTutorial() {
  const uint8_t* open = std::find(std::begin(lessonDone), std::end(lessonDone), uint8_t(0));
  if (open != std::end(lessonDone)) {
    PlayLesson(int32_t(open - std::begin(lessonDone)));
    return;
  }
  m_host.Flags().tutorialMode = 0;
  Post(-1, kMenuPage, kCmdClosePage, kTutorialControl);
  RefreshStatus();
  ShowGamePages();
  m_host.Flags().modal = 0;
  eventStarted = 0;
  ShowLessonMenu();
  ShowPage();
}

void REraduzizTutorialScreen::CloseLessonWindow() {
  if (lesson == kEventLesson) {
    eventStarted = 0;
    eventAllowed = 1;
  }
  Post(-1, screen_ids::kTutorial, kCmdClosePage, kTutorialControl);
  RefreshStatus();
  ShowGamePages();
  m_host.Flags().modal = 0;
}

void REraduzizTutorialScreen::ExitTutorial() {
  Post(kPauseButton, screen_ids::kStatusPanel, kCmdClosePage, kPauseButton);
  Post(kPauseButton, screen_ids::kGameMainPage, kCmdClosePage, kPauseButton);
  m_host.Flags().modal = 0;
  Post(kPauseButton, kStartMenu, kCmdOpenPage, kPauseButton);
  m_host.SetWorldStopped(true);
  if (g_sound) g_sound->SetVolumeAll(kSilent);
}

void REraduzizTutorialScreen::NextStep() {
  ShowGamePages();
  Post(-1, screen_ids::kGameMainPage, kCmdClosePage, kTutorialControl);
  Post(-1, screen_ids::kStatusPanel, kCmdClosePage, kTutorialControl);
  ShowLessonMenu();
  Post(-1, kMenuPage, kCmdOpenPage, kTutorialControl);
  m_host.Flags().modal = 1;
  m_host.SetWorldStopped(false);
}

bool REraduzizTutorialScreen::IsAtLesson(int32_t wanted) const {
  return m_host.Flags().tutorialMode && lesson == wanted && !lessonDone[wanted];
}

bool REraduzizTutorialScreen::FinishLesson(int32_t finished, int32_t messageText,
                                           REraduzizMessageWindow::Callback callback, void* context) {
  if (!IsAtLesson(finished)) return false;
  lessonDone[finished] = 1;
  ++lesson;
  RefreshStatus();
  eventAllowed = 0;
  m_host.Flags().modal = 1;
  ScreenSet* set = m_host.GetScreens();
  if (set && set->messageWindow) {
    set->messageWindow->SetCallback(std::move(callback), context, 0, 0, 0);
    set->messageWindow->Show(m_host.Gui().GetText(messageText), kMessageKind, nullptr, kLessonMessageTag);
  }
  return true;
}

void REraduzizTutorialScreen::OnLessonMessageClosed(void* context, int32_t, int32_t tag, int32_t, int32_t) {
  if (context && tag == kLessonMessageTag) static_cast<REraduzizTutorialScreen*>(context)->NextStep();
}

void REraduzizTutorialScreen::OnObjectPlaced(int32_t objectKind, const EngineString& typeId, int32_t plantCount) {
  // One placing ends one lesson at most.
  if (objectKind == kAttractionKind && FinishLesson(kRideLesson, kRideDoneText, &OnLessonMessageClosed, this)) return;
  if (typeId == kLessonRestaurant &&
      FinishLesson(kRestaurantLesson, kRestaurantDoneText, &OnLessonMessageClosed, this)) {
    return;
  }
  if (objectKind == kPlantKind && plantCount == 1) {
    FinishLesson(kPlantLesson, kPlantDoneText, &OnLessonMessageClosed, this);
  }
}
