#pragma once
// The game's screens as the player reaches them: halvenor on the demo park
// (a GameSession), moved from page to page with the mouse alone. A tour
// starts in the main menu, goes into a free game, a tutorial game or a
// scenario through the menus' buttons, and brings the game back to its
// main pages between two visits.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Path.h"
#include "screens/ScreenIds.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"

namespace e2e {

// One click of the player: on an element, or on a row of a list (a grid or
// a drop-down list, which first drops open). A step for a button that only
// some states show is left out while it is hidden.
struct Step {
  int32_t element;
  int32_t row = -1;
  bool whenShown = false;
};

class ScreenTour;
using Action = std::function<void(ScreenTour&)>;

// Where a visit begins.
enum class Start { kMainMenu, kFreeGame, kTutorialGame };

class ScreenTour {
 public:
  // Pages of the menus and of the running game.
  static constexpr int32_t kNewGameMenu = 10020;
  static constexpr int32_t kGameBar = 10062;
  static constexpr int32_t kStatusPanel = 10433;
  static constexpr int32_t kMessagePage = 10391;
  static constexpr int32_t kMessageText = 10392;
  static constexpr int32_t kLessonMenu = 10446;
  static constexpr int32_t kEventView = 10394;
  // The buttons that lead into the games, beside the demo GUI's shared ones.
  static constexpr int32_t kTutorialGameButton = 10026;
  static constexpr int32_t kPauseNewGameButton = 10011;
  static constexpr int32_t kLoadedFrames = 5;
  static constexpr int32_t kStartCash = 30000;

  // The game runs in a copy of the demo park of the name.
  ScreenTour(plat::WindowBackend backend, const std::string& parkName, bool slowMachine = false)
      : park(parkName, slowMachine), session(backend, park.Folder()) {}

  VAvazadOvurUrovi& Game() { return *session.game; }

  // The intro skipped, the world loaded, the main menu shown as the game's
  // start page opens it.
  bool Load() {
    if (!session.Started() || !session.Load(true)) return false;
    Game().PostCommand(-1, demo_gui::kMainMenu, kCmdShowPage, demo_gui::kNewGameButton, 0);
    return Frames(kLoadedFrames);
  }

  bool Frames(int count) {
    for (int n = 0; n < count; ++n) {
      if (!session.Frame()) return false;
    }
    return true;
  }

  // A button that its screen hides is neither drawn nor clicked.
  bool IsShown(int32_t id) {
    const CGuiElement* element = Game().FindElement(id);
    const auto* button = dynamic_cast<const CGuiButton*>(element);
    return element && element->IsVisible() && !(button && button->suppressed);
  }

  // The number a text shows at its start ("30 " is 30); -1 for none.
  int64_t TextNumber(int32_t id) {
    const auto* text = dynamic_cast<const CGuiStaticText*>(Game().FindElement(id));
    if (!text) return -1;
    const std::string shown = text->GetText().Std();
    char* end = nullptr;
    const long long value = std::strtoll(shown.c_str(), &end, 10);
    return end == shown.c_str() ? -1 : value;
  }

  // The pages that show, for the message of a failure.
  std::string ShownPages() {
    std::string shown;
    std::vector<int32_t> pages(screen_ids::kHideAllPages.begin(), screen_ids::kHideAllPages.end());
    pages.insert(pages.end(), {demo_gui::kMainMenu, kGameBar, kStatusPanel, kLessonMenu, kEventView});
    for (int32_t page : pages) {
      if (IsShown(page)) shown += std::to_string(page) + " ";
    }
    if (const auto* text = dynamic_cast<const CGuiTextBox*>(Game().FindElement(kMessageText));
        text && Game().messageWindowOpen) {
      for (const auto& line : text->GetLines()) shown += "\"" + line.Std() + "\" ";
    }
    return shown.empty() ? "none" : shown;
  }

  // The player's click; false when the element is missing, hidden, or the
  // row is not in its list.
  bool Click(const Step& step) {
    if (!IsShown(step.element)) return step.whenShown;
    CGuiElement* element = Game().FindElement(step.element);
    if (auto* box = dynamic_cast<CGuiCheckBox*>(element)) {
      // A check box takes the clicks on its box, not on its label.
      session.MoveMouseToScreen(box->GetBoxX() + box->GetBoxWidth() / 2, box->GetBoxY() + box->GetBoxHeight() / 2);
      session.Click(GameSession::kLeftButton);
      return Frames(1);
    }
    if (step.row < 0) return session.ClickElement(step.element);
    if (auto* combo = dynamic_cast<CGuiComboBox*>(element)) return PickItem(*combo, step.row);
    if (auto* grid = dynamic_cast<CGuiGrid*>(element)) return PickRow(*grid, step.row);
    return false;
  }

  // Into a game of the kind through the menus' buttons, from the main menu
  // or from a running game's pause menu.
  bool Begin(Start start) {
    if (start == Start::kMainMenu) return Game().playMode == 0 || ShowMainMenu();
    const bool tutorial = start == Start::kTutorialGame;
    if (!m_afresh && Game().playMode != 0 && (Game().tutorialMode != 0) == tutorial) return true;
    m_afresh = false;
    if (Game().playMode == 0) {
      if (!BackToTheGame(Start::kMainMenu) || !Click({demo_gui::kNewGameButton})) return false;
    } else if (!BackToTheGame(Start::kFreeGame) || !Click({demo_gui::kGameMenuButton}) ||
               !Click({demo_gui::kPauseButton}) || !Click({kPauseNewGameButton})) {
      return false;
    }
    return Click({tutorial ? kTutorialGameButton : demo_gui::kFreePlayButton});
  }

  // The next visit of a game begins with a new one.
  void StartAfresh() { m_afresh = true; }

  // Every screen closed and the game's own pages back, as after a close
  // of everything; an open message is closed with its button.
  bool BackToTheGame(Start start) {
    if (Game().messageWindowOpen && !Click({demo_gui::kNoticeCloseButton})) return false;
    Game().HideGameScreens();
    Game().simulationHalted = 0;
    if (start == Start::kMainMenu) {
      Game().PostCommand(-1, demo_gui::kMainMenu, kCmdShowPage, demo_gui::kNewGameButton, 0);
    } else {
      Game().OpenGamePages(start == Start::kTutorialGame ? kTutorialGameButton : demo_gui::kFreePlayButton);
      Game().modalScreenOpen = 0;
      // Each visit pays from the cash a new game starts with.
      Game().cash = kStartCash;
    }
    Game().pathMenuShown = Game().demolishMenuShown = 0;
    // The first visitors' notice would cover any page it meets.
    Game().firstVisitorsNoticeGiven = 1;
    return Frames(2);
  }

  ParkCopy park;
  GameSession session;

 private:
  bool m_afresh = false;

  bool ShowMainMenu() {
    Game().PostCommand(-1, demo_gui::kMainMenu, kCmdShowPage, demo_gui::kNewGameButton, 0);
    return Frames(2);
  }

  // Finds a point over the visible row and clicks it.
  template <class List>
  bool ClickRow(const List& list, int32_t visibleRow) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    list.GetRect(left, top, right, bottom);
    for (int32_t y = top; y < bottom; ++y) {
      const int32_t x = left + (right - left) / 4;
      if (list.RowAt(x, y) != visibleRow) continue;
      // The row's middle, away from its lines.
      int32_t end = y;
      while (end < bottom && list.RowAt(x, end) == visibleRow) ++end;
      session.MoveMouseToScreen(x, (y + end) / 2);
      session.Click(GameSession::kLeftButton);
      return Frames(1);
    }
    return false;
  }

  // A click on a row picks it, also when the list came up with it
  // selected already.
  bool PickRow(const CGuiGrid& grid, int32_t row) {
    if (row >= grid.GetTotalRows()) return false;
    return ClickRow(grid, row - grid.GetTopRow() + (grid.HasHeader() ? 1 : 0));
  }

  // The drop button opens the list; the items follow its first row.
  bool PickItem(CGuiComboBox& combo, int32_t item) {
    CGuiButton* drop = combo.GetDropButton();
    if (!drop || item >= combo.GetItemCount()) return false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    drop->GetRect(left, top, right, bottom);
    session.MoveMouseToScreen((left + right) / 2, (top + bottom) / 2);
    session.Click(GameSession::kLeftButton);
    if (!Frames(1) || !combo.IsOpen()) return false;
    return ClickRow(combo, item + 1);
  }
};

// Objects the outlets' and shops' buttons need in the park.
inline Action Build(std::vector<const char*> names) {
  return [names](ScreenTour& tour) {
    for (const char* name : names) {
      if (tour.Game().ObjectExists(name)) continue;
      auto placed = std::make_unique<CAttraction>();
      placed->id = name;
      placed->displayName = name;
      tour.Game().placedObjects.Place(std::move(placed));
      tour.Game().placedObjects.CollectObjectsByState();
    }
  };
}

// Staff ids: a thousand per kind.
constexpr int32_t kFirstStaffId = 1000;
inline int32_t StaffKind(int32_t id) {
  constexpr int32_t kKinds[] = {REraduzizVisitor::kCleaner, REraduzizVisitor::kGardener, REraduzizVisitor::kEngineer};
  return kKinds[(id / kFirstStaffId - 1) % 3];
}

// The end of a park event's run: the event pop-up shows, and the event
// waits for staff in the status panel's list and in its solvers' lists.
// The first event of the park whose solution is the one named.
inline Action ShowEventPopup(const char* solution) {
  return [solution](ScreenTour& tour) {
    REraduzizEventClass* events = tour.Game().parkEvents;
    ASSERT_NE(events, nullptr);
    events->ResetAll();
    for (const auto& event : events->GetEvents()) {
      if (event->solution != solution) continue;
      events->HandleEventPopup(*event);
      ASSERT_TRUE(tour.Frames(2));
      return;
    }
    FAIL() << "no event for " << solution;
  };
}

// The same after the player closed the pop-up.
inline Action OpenEvent(const char* solution) {
  return [solution](ScreenTour& tour) {
    ShowEventPopup(solution)(tour);
    ASSERT_TRUE(tour.Click({REraduzizEventClass::kPopupCloseButton}));
  };
}

// The character the player picked in the park (by its id), with an open
// event for its group; a staff member is hired when the park has none of
// that id.
inline Action PickCharacter(int32_t id, const char* solution) {
  return [id, solution](ScreenTour& tour) {
    OpenEvent(solution)(tour);
    VAvazadOvurUrovi& game = tour.Game();
    if (id >= kFirstStaffId && !game.GetAiManager()->FindCharacterById(id)) {
      ASSERT_TRUE(game.CreateStaffMember(id, StaffKind(id), {0, 0, 0}));
    }
    game.OnPickedItem(id);
  };
}

// A visitor of the park picked with the select tool.
constexpr int32_t kPickedVisitorId = 5999;
inline void PickAVisitor(ScreenTour& tour) {
  CPorvikAiClass* manager = tour.Game().GetAiManager();
  ASSERT_NE(manager, nullptr);
  if (!manager->FindCharacterById(kPickedVisitorId)) manager->CreateVisitor(kPickedVisitorId, 0, {0, 0, 0});
  tour.Game().RefreshInfoPanel(kPickedVisitorId);
}

// The scene of a scenario, made with the game's own save code from the
// park of a new game when the demo park lacks it; `made` false takes it
// away.
inline Action ScenarioScene(int32_t index, bool made) {
  return [index, made](ScreenTour& tour) {
    VAvazadOvurUrovi& game = tour.Game();
    ASSERT_NE(game.scenarios, nullptr);
    const EngineString scene =
        game.baseDirectory + "\\Scenes\\" + game.scenarios->GetSceneName(index, game.highResolution != 0);
    const std::filesystem::path file = plat::ResolvePath(scene.Std());
    if (!made) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
      return;
    }
    if (std::filesystem::exists(file)) return;
    game.ClearParkCharacters();
    game.RemoveAllObjects();
    ASSERT_TRUE(game.WriteSavedGame(scene, false)) << scene.Std();
  };
}

// Not enough cash for what the next click buys.
inline void Broke(ScreenTour& tour) { tour.Game().cash = 0; }

}  // namespace e2e
