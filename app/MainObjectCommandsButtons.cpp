// The game's own buttons: quitting, the tools of the game bar, the menus
// and their pages, pausing and the options. Each row acts on one sender's
// click (or selection); a row that takes the command marks it consumed.
#include <iterator>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiWindow.h"
#include "park/REraduzizEventClass.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Window.h"
#include "screens/REraduzizBuildBook.h"

namespace {

constexpr int32_t kNoElement = -1;
constexpr int kQuitExitCode = 0;
constexpr int32_t kSilent = 0;

// Pages.
constexpr int32_t kMainMenu = 10001;
constexpr int32_t kPauseMenu = 10010;
constexpr int32_t kNewGameMenu = 10020;
constexpr int32_t kOptionsPage = 10029;
constexpr int32_t kGameBar = 10062;
constexpr int32_t kStatusPanel = 10433;
constexpr int32_t kGameMenu = 10265;
constexpr int32_t kSaveLoadPage = 10235;
constexpr int32_t kHelpPage = 10359;
constexpr int32_t kVisitorPanel = 10132;
constexpr int32_t kBookPage = 10076;
constexpr int32_t kPathBar = 10460;
constexpr int32_t kDemolishBar = 10463;
constexpr int32_t kTutorialPage = 10425;
constexpr int32_t kTutorialMenu = 10446;
// Elements of the save and load page.
constexpr int32_t kSaveButton = 10237;
constexpr int32_t kSaveNameWindow = 10262;
constexpr int32_t kChosenGameText = 10264;
// The control the tutorial's pages are opened with.
constexpr int32_t kTutorialControl = 10026;
constexpr int32_t kOptionsControl = 10268;

enum Button : int32_t {
  kNewGameButton = 10002,
  kQuitButton = 10003,
  kOptionsButton = 10004,
  kLoadSaveButton = 10005,
  kPauseNewGameButton = 10011,
  kQuitFromPauseButton = 10012,
  kPauseOptionsButton = 10013,
  kPauseLoadSaveButton = 10014,
  kResumeButton = 10019,
  kFreePlayButton = 10025,
  kTutorialGameButton = 10026,
  kNewGameBackButton = 10027,
  kOptionsDoneButton = 10030,
  kBookButton = 10067,
  kFoodButton = 10068,
  kHelpButton = 10069,
  kManageButton = 10070,
  kMenuButton = 10071,
  kSelectButton = 10072,
  kDemolishMenuButton = 10073,
  kPathMenuButton = 10074,
  kTutorialButton = 10075,
  kHelpCloseButton = 10362,
  kVisitorCloseButton = 10135,
  kSaveLoadBackButton = 10238,
  kMenuOptionsButton = 10267,
  kMenuBackButton = 10268,
  kPauseButton = 10266,
  kSpeedButton = 10435,
  kFinanceButton = 10436,
  kEventList = 10438,
  kPathButton = 10461,
  kWidePathButton = 10462,
  kDemolishButton = 10464,
  kToolButton = 10465,
};

// What a row did: took the command (marked consumed) or let it go on.
enum class Row { kTaken, kPassed };

using Handler = Row (*)(VAvazadOvurUrovi& game, int32_t sender);

void Post(VAvazadOvurUrovi& game, int32_t sender, int32_t target, int32_t code, int32_t control) {
  game.PostCommand(sender, target, code, control, 0);
}

// The pages of the running game close behind a menu opened from it.
void CloseGamePages(VAvazadOvurUrovi& game, int32_t sender) {
  for (int32_t page : {kGameMenu, kStatusPanel, kGameBar}) Post(game, sender, page, kCmdClosePage, sender);
}

void ShowGamePages(VAvazadOvurUrovi& game, int32_t sender) {
  Post(game, sender, kGameBar, kCmdShowPage, sender);
  Post(game, sender, kStatusPanel, kCmdShowPage, sender);
}

void SilenceSounds() {
  if (g_sound) g_sound->SetVolumeAll(kSilent);
}

// Back to the running game from a menu.
void ResumeGame(VAvazadOvurUrovi& game, int32_t sender) {
  game.simulationHalted = 0;
  game.modalScreenOpen = 0;
  game.RefreshStatusDisplay();
  ShowGamePages(game, sender);
}

// A menu page opened from another: the first closes, the game pauses behind
// the second.
void SwitchPage(VAvazadOvurUrovi& game, int32_t sender, int32_t from, int32_t to) {
  Post(game, sender, from, kCmdClosePage, sender);
  game.modalScreenOpen = 1;
  Post(game, sender, to, kCmdOpenPage, sender);
}

// The row of a button that opens one menu page from another.
template <int32_t kFrom, int32_t kTo>
Row SwitchPageRow(VAvazadOvurUrovi& game, int32_t sender) {
  SwitchPage(game, sender, kFrom, kTo);
  return Row::kTaken;
}

// The menu a page returns to: the pause menu in a game, else the main menu.
void ReturnToMenu(VAvazadOvurUrovi& game, int32_t sender) {
  if (game.playMode) {
    game.modalScreenOpen = 1;
    Post(game, sender, kPauseMenu, kCmdOpenPage, sender);
  } else {
    Post(game, sender, kMainMenu, kCmdOpenPage, sender);
  }
}

Row Quit(VAvazadOvurUrovi& game, int32_t) {
  if (game.playMode) game.ResetGameLists();
  if (game.parkEvents) game.parkEvents->ResetAll();
  game.RemoveAllObjects();
  plat::PostQuitMessage(kQuitExitCode);
  return Row::kTaken;
}

Row OpenTutorialPage(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  Post(game, kNoElement, kGameBar, kCmdClosePage, kTutorialControl);
  Post(game, kNoElement, kStatusPanel, kCmdClosePage, kTutorialControl);
  game.HideGameScreens();
  Post(game, kNoElement, kTutorialPage, kCmdShowPage, kTutorialControl);
  Post(game, kNoElement, kTutorialMenu, kCmdOpenPage, kTutorialControl);
  game.modalScreenOpen = 1;
  game.simulationHalted = 0;
  return Row::kTaken;
}

Row PickCharacterTool(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  if (!game.playMode) return Row::kPassed;
  game.buildToolMode = VAvazadOvurUrovi::kPickCharacterMode;
  return Row::kTaken;
}

// Puts the placement and the tool bytes away before a tool bar opens.
void PutPreviewAway(VAvazadOvurUrovi& game) {
  game.HideGameScreens();
  game.buildToolMode = 0;
  if (game.placementPreview) game.placementPreview->Reset();
}

Row TogglePathBar(VAvazadOvurUrovi& game, int32_t sender) {
  PutPreviewAway(game);
  game.toolBytes[0] = game.toolBytes[1] = 0;
  game.pathStyle = VAvazadOvurUrovi::kNoPathStyle;
  game.pathMenuShown = game.pathMenuShown ? 0 : 1;
  Post(game, sender, kPathBar, game.pathMenuShown ? kCmdShowPage : kCmdClosePage, sender);
  return Row::kTaken;
}

Row TakePathTool(VAvazadOvurUrovi& game, int32_t sender) {
  PutPreviewAway(game);
  // The path tool replaces the demolish tool, which a click would obey first.
  game.removingPath = 0;
  game.layingPath = 1;
  game.pathStyle = sender == kPathButton ? 0 : 1;
  game.toolBytes[0] = 1;
  return Row::kTaken;
}

Row ToggleDemolishBar(VAvazadOvurUrovi& game, int32_t sender) {
  PutPreviewAway(game);
  game.pathMenuShown = 0;
  if (!game.demolishMenuShown) {
    game.demolishMenuShown = 1;
    Post(game, sender, kDemolishBar, kCmdShowPage, sender);
  } else {
    game.demolishMenuShown = 0;
    game.toolBytes[0] = game.toolBytes[1] = 0;
  }
  return Row::kTaken;
}

Row TakeDemolishTool(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  game.demolishMenuShown = 1;
  game.removingPath = 1;
  game.buildToolMode = VAvazadOvurUrovi::kDemolishMode;
  return Row::kTaken;
}

Row TakeTool(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  game.toolBytes[0] = game.toolBytes[1] = 1;
  game.demolishMenuShown = 1;
  return Row::kTaken;
}

// The screens open these pages themselves; the tools go first.
Row ResetToolsForScreens(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  return Row::kPassed;
}

Row OpenGameMenu(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  if (game.playMode) {
    game.QueueFlagCommands();
    game.modalScreenOpen = 1;
    Post(game, kNoElement, kGameMenu, kCmdShowPage, kManageButton);
  }
  return Row::kTaken;
}

Row OpenBook(VAvazadOvurUrovi& game, int32_t sender) {
  game.ResetTools();
  if (game.playMode) {
    game.modalScreenOpen = 1;
    // The page shows the park as it is now: the level reached and what
    // stands already.
    if (game.buildBook) game.buildBook->ShowPage();
    Post(game, kNoElement, kBookPage, kCmdOpenPage, sender);
    game.buildBookOpen = 1;
  }
  return Row::kTaken;
}

Row Pause(VAvazadOvurUrovi& game, int32_t sender) {
  CloseGamePages(game, sender);
  game.modalScreenOpen = 1;
  Post(game, sender, kPauseMenu, kCmdOpenPage, sender);
  game.simulationHalted = 1;
  SilenceSounds();
  return Row::kTaken;
}

Row OptionsFromGame(VAvazadOvurUrovi& game, int32_t sender) {
  CloseGamePages(game, sender);
  game.modalScreenOpen = 1;
  Post(game, sender, kOptionsPage, kCmdOpenPage, kOptionsControl);
  game.optionsOpen = 1;
  game.optionsPaused = 1;
  SilenceSounds();
  game.simulationHalted = 1;
  return Row::kTaken;
}

Row Resume(VAvazadOvurUrovi& game, int32_t sender) {
  if (!game.playMode) return Row::kTaken;
  Post(game, sender, kPauseMenu, kCmdClosePage, sender);
  ResumeGame(game, sender);
  return Row::kTaken;
}

Row NewGameBack(VAvazadOvurUrovi& game, int32_t sender) {
  Post(game, sender, kNewGameMenu, kCmdClosePage, sender);
  ReturnToMenu(game, sender);
  return Row::kTaken;
}

// The save and load page; saving is offered only from a running game.
void OpenSaveLoad(VAvazadOvurUrovi& game, int32_t sender, int32_t from, bool canSave) {
  game.SetButtonActive(kSaveButton, canSave);
  if (auto* window = dynamic_cast<CGuiWindow*>(game.FindElement(kSaveNameWindow))) window->SetHidden(!canSave);
  Post(game, sender, from, kCmdClosePage, sender);
  game.savePage = 0;
  game.modalScreenOpen = 1;
  Post(game, sender, kSaveLoadPage, kCmdOpenPage, sender);
}

// The row of a button that opens the save and load page from a menu.
template <int32_t kFrom, bool kCanSave>
Row SaveLoadRow(VAvazadOvurUrovi& game, int32_t sender) {
  OpenSaveLoad(game, sender, kFrom, kCanSave);
  return Row::kTaken;
}

Row LeaveSaveLoad(VAvazadOvurUrovi& game, int32_t sender) {
  Post(game, sender, kSaveLoadPage, kCmdClosePage, sender);
  game.SetChosenGameText("");
  ReturnToMenu(game, sender);
  return Row::kTaken;
}

Row OptionsDone(VAvazadOvurUrovi& game, int32_t sender) {
  if (game.optionsScreen) game.optionsScreen->SaveIni();
  if (!game.playMode) {
    Post(game, sender, kMainMenu, kCmdOpenPage, sender);
    return Row::kTaken;
  }
  Post(game, sender, kOptionsPage, kCmdClosePage, sender);
  game.optionsOpen = 0;
  if (game.optionsPaused) {
    ResumeGame(game, sender);
  } else {
    game.modalScreenOpen = 1;
    game.simulationHalted = 1;
    Post(game, sender, kPauseMenu, kCmdOpenPage, sender);
  }
  game.optionsPaused = 0;
  return Row::kTaken;
}

Row FreePlay(VAvazadOvurUrovi& game, int32_t) {
  game.BeginGame(false);
  return Row::kTaken;
}

Row TutorialGame(VAvazadOvurUrovi& game, int32_t) {
  game.BeginGame(true);
  return Row::kTaken;
}

Row OpenFinance(VAvazadOvurUrovi& game, int32_t) {
  game.ResetTools();
  game.QueueFlagCommands();
  return Row::kPassed;
}

Row ClosePageOf(VAvazadOvurUrovi& game, int32_t sender, int32_t page) {
  Post(game, sender, page, kCmdClosePage, sender);
  game.modalScreenOpen = 0;
  return Row::kTaken;
}

Row CloseGameMenu(VAvazadOvurUrovi& game, int32_t sender) { return ClosePageOf(game, sender, kGameMenu); }
Row CloseHelp(VAvazadOvurUrovi& game, int32_t sender) { return ClosePageOf(game, sender, kHelpPage); }
Row CloseVisitorPanel(VAvazadOvurUrovi& game, int32_t sender) { return ClosePageOf(game, sender, kVisitorPanel); }

Row OpenHelp(VAvazadOvurUrovi& game, int32_t sender) {
  game.ResetTools();
  game.layingPath = game.removingPath = 0;
  game.pathMenuShown = game.demolishMenuShown = 0;
  game.toolBytes[0] = game.toolBytes[1] = 0;
  game.QueueFlagCommands();
  game.modalScreenOpen = 1;
  Post(game, sender, kHelpPage, kCmdShowPage, sender);
  return Row::kTaken;
}

struct ButtonRow {
  int32_t sender;
  int32_t code;
  Handler handler;
};

// In the order of the tests.
constexpr ButtonRow kButtonRows[] = {
    {kQuitButton, kCmdClick, Quit},
    {kQuitFromPauseButton, kCmdClick, Quit},
    {kTutorialButton, kCmdClick, OpenTutorialPage},
    {kSelectButton, kCmdClick, PickCharacterTool},
    {kPathMenuButton, kCmdClick, TogglePathBar},
    {kPathButton, kCmdClick, TakePathTool},
    {kWidePathButton, kCmdClick, TakePathTool},
    {kDemolishMenuButton, kCmdClick, ToggleDemolishBar},
    {kDemolishButton, kCmdClick, TakeDemolishTool},
    {kToolButton, kCmdClick, TakeTool},
    {kManageButton, kCmdClick, ResetToolsForScreens},
    {kMenuButton, kCmdClick, OpenGameMenu},
    {kSpeedButton, kCmdClick, ResetToolsForScreens},
    {kBookButton, kCmdClick, OpenBook},
    {kPauseButton, kCmdClick, Pause},
    {kMenuOptionsButton, kCmdClick, OptionsFromGame},
    {kResumeButton, kCmdClick, Resume},
    {kPauseNewGameButton, kCmdClick, SwitchPageRow<kPauseMenu, kNewGameMenu>},
    {kNewGameButton, kCmdClick, SwitchPageRow<kMainMenu, kNewGameMenu>},
    {kNewGameBackButton, kCmdClick, NewGameBack},
    {kPauseLoadSaveButton, kCmdClick, SaveLoadRow<kPauseMenu, true>},
    {kLoadSaveButton, kCmdClick, SaveLoadRow<kMainMenu, false>},
    {kSaveLoadBackButton, kCmdClick, LeaveSaveLoad},
    {kOptionsButton, kCmdClick, SwitchPageRow<kMainMenu, kOptionsPage>},
    {kPauseOptionsButton, kCmdClick, SwitchPageRow<kPauseMenu, kOptionsPage>},
    {kOptionsDoneButton, kCmdClick, OptionsDone},
    {kFreePlayButton, kCmdClick, FreePlay},
    {kTutorialGameButton, kCmdClick, TutorialGame},
    {kFoodButton, kCmdClick, ResetToolsForScreens},
    {kFinanceButton, kCmdClick, OpenFinance},
    {kEventList, kCmdSelect, ResetToolsForScreens},
    {kMenuBackButton, kCmdClick, CloseGameMenu},
    {kHelpButton, kCmdClick, OpenHelp},
    {kHelpCloseButton, kCmdClick, CloseHelp},
    {kVisitorCloseButton, kCmdClick, CloseVisitorPanel},
};

}  // namespace

bool VAvazadOvurUrovi::RunGameButton(GuiCommand& command) {
  for (const ButtonRow& row : kButtonRows) {
    if (row.sender != command.sender || row.code != command.code) continue;
    if (row.handler(*this, command.sender) == Row::kPassed) return false;
    command.sender = kNoElement;
    return true;
  }
  return false;
}
