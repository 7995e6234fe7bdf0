#pragma once
// The tutorial: five lessons, each a few instruction pages (title, picture,
// text) in the lesson window and then a task in the running park. The lesson
// menu lists the lessons and marks the ones done. The game code that sees a
// task done ends the lesson (the placing, the topping screen, the park
// events) and the closed message returns to the menu through NextStep.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "screens/REraduzizMessageWindow.h"
#include "screens/ScreenHost.h"

class CGuiButton;
class CGuiStaticText;
class CGuiTextBox;

class REraduzizTutorialScreen {
 public:
  static constexpr int32_t kLessonCount = 5;
  // The lessons the placing ends, and the park-event lesson.
  static constexpr int32_t kRideLesson = 0;
  static constexpr int32_t kRestaurantLesson = 1;
  static constexpr int32_t kMenuLesson = 2;
  static constexpr int32_t kPlantLesson = 3;
  static constexpr int32_t kEventLesson = 4;
  // The message tag whose close leads to NextStep.
  static constexpr int32_t kLessonMessageTag = 2;
  // The messages that end the lessons the placing ends.
  static constexpr int32_t kRideDoneText = 401002;
  static constexpr int32_t kRestaurantDoneText = 401004;
  static constexpr int32_t kPlantDoneText = 401008;
  // The placed-object kinds and the restaurant the placing lessons ask for.
  static constexpr int32_t kAttractionKind = 0;
  static constexpr int32_t kPlantKind = 4;
  static constexpr const char* kLessonRestaurant = "restaurant_de_tarrowby";
  // The picture folder below the base directory.
  static constexpr const char* kImageFolder = "\\Images\\GuiImages\\TutMode\\";

  // Without a window nothing but the window pointer is set.
  REraduzizTutorialScreen(ScreenHost& host, CGuiElement* window);

  // The current page of the current lesson: title, picture, text, buttons.
  void ShowPage();
  // The current page's picture.
  void LoadPageImage();
  // The lesson descriptions, the done marks and the menu's buttons.
  void ShowLessonMenu();
  void OnGuiCommand(GuiCommand& command);
  // A lesson's task is done: back to the lesson menu, the world running.
  void NextStep();

  // The placing step in tutorial mode: ends the ride, restaurant or plant
  // lesson when the object is what the lesson asks for (plantCount is the
  // game's plant count after the placing).
  void OnObjectPlaced(int32_t objectKind, const EngineString& typeId, int32_t plantCount);
  // Ends the lesson when it is the current one: marks it done, moves on and
  // shows the message, whose close goes to the callback (tag 2); false when
  // another lesson is current.
  bool FinishLesson(int32_t lesson, int32_t messageText, REraduzizMessageWindow::Callback callback, void* context);
  // The message callback that leads to NextStep for a context (the screen)
  // and tag 2.
  static void OnLessonMessageClosed(void* context, int32_t argument1, int32_t tag, int32_t argument2,
                                    int32_t argument3);
  // The current lesson waits for its task in the park.
  bool IsAtLesson(int32_t lesson) const;

  // The picture file name of a page ("tut0301.png").
  static EngineString PictureName(int32_t lesson, int32_t page);
  // The lesson's title text and a page's text id.
  static int32_t TitleText(int32_t lesson);
  static int32_t PageText(int32_t lesson, int32_t page);
  // A text with every "XX" turned into a line break.
  static EngineString WithLineBreaks(EngineString text);

  // 0..4, and 5 once every lesson is done (the game code sets it).
  int32_t lesson = 0;
  int32_t lastPage[kLessonCount] = {2, 2, 3, 2, 2};
  int32_t page = 0;
  uint8_t lessonDone[kLessonCount] = {};
  // The park-event lesson: an event has started, and one may start.
  uint8_t eventStarted = 0;
  uint8_t eventAllowed = 0;
  EngineString imageFolder;
  CGuiElement* window = nullptr;
  CGuiElement* pictureElement = nullptr;
  CGuiTextBox* pageText = nullptr;
  CGuiStaticText* titleText = nullptr;
  CGuiButton* previousButton = nullptr;
  CGuiButton* nextButton = nullptr;
  CGuiButton* closeButton = nullptr;
  CGuiStaticText* menuTitleText = nullptr;
  CGuiTextBox* lessonTexts[kLessonCount] = {};
  CGuiButton* lessonButtons[kLessonCount] = {};
  CGuiButton* continueButton = nullptr;
  CGuiButton* exitButton = nullptr;

 private:
  bool HasLesson() const { return lesson >= 0 && lesson < kLessonCount; }
  void SetTextBox(CGuiTextBox* box, int32_t textId);
  void PlayLesson(int32_t chosen);
  void ContinueTutorial();
  void CloseLessonWindow();
  void ExitTutorial();
  // Back to the game's main pages (game bar and status panel).
  void ShowGamePages();
  void RefreshStatus();
  void Post(int32_t sender, int32_t target, int32_t code, int32_t control);

  ScreenHost& m_host;
};
