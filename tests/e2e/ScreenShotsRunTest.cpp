// Every screen of the game opened with the mouse in halvenor's window on
// the demo park, drawn by the GL device: a screenshot of each is kept in
// the build folder's screenshots, named after the screen, and none is
// blank; a page opened over another that stays shown is drawn over it.
// Skips without a display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/widgets/CGuiWindow.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/ScreenTour.h"
#include "tests/live/support/ScreenshotPath.h"

namespace {

using e2e::Action;
using e2e::ScreenTour;
using e2e::Start;
using e2e::Step;
using namespace e2e::demo_gui;

struct Visit {
  const char* name;  // of the screenshot
  Start start;
  std::vector<Step> path;
  int32_t page;  // the screen's page, shown at the end of the path
  Action prepare = nullptr;
  int32_t over = 0;  // a page still shown, which the screen's page lies over
};

const Action kOutlets = e2e::Build({"restaurant_de_tarrowby", "bufe_zarp"});

const std::vector<Visit> kVisits = {
    {"main_menu", Start::kMainMenu, {}, kMainMenu},
    {"new_game_menu", Start::kMainMenu, {{kNewGameButton}}, 10020},
    {"scenario_window", Start::kMainMenu, {{kNewGameButton}, {10028}}, 10108},
    {"options", Start::kMainMenu, {{10004}}, 10029},
    {"save_and_load_from_the_main_menu", Start::kMainMenu, {{10005}}, 10235},
    {"game_bar_and_status_panel", Start::kFreeGame, {}, 10062},
    {"game_menu", Start::kFreeGame, {{kGameMenuButton}}, 10265},
    {"pause_menu", Start::kFreeGame, {{kGameMenuButton}, {kPauseButton}}, 10010},
    {"save_and_load_from_the_pause_menu", Start::kFreeGame, {{kGameMenuButton}, {kPauseButton}, {10014}}, 10235},
    {"help_page", Start::kFreeGame, {{10069}}, 10359},
    {"path_bar", Start::kFreeGame, {{kPathBarButton}}, 10460},
    {"demolish_bar", Start::kFreeGame, {{10073}}, 10463},
    {"build_book", Start::kFreeGame, {{kBuildBookButton}}, 10076},
    {"food_menu", Start::kFreeGame, {{10068}}, 10123},
    {"buffet_kiosks", Start::kFreeGame, {{10068}, {10124}}, 10126},
    {"kiosk_food_price", Start::kFreeGame, {{10068}, {10124}, {10127, 0}}, 10349, kOutlets},
    {"restaurant_food_types", Start::kFreeGame, {{10068}, {10125}}, 10129},
    {"restaurant_menu_items", Start::kFreeGame, {{10068}, {10125}, {10131, 0}}, 10343, kOutlets},
    {"restaurant_food_toppings", Start::kFreeGame, {{10068}, {10125}, {10131, 0}, {10346}}, 10143, kOutlets},
    {"restaurant_hot_meal", Start::kFreeGame, {{10068}, {10125}, {10131, 3}, {10347}}, 10375, kOutlets},
    {"finance_summary", Start::kFreeGame, {{kFinanceButton}}, 10158},
    {"ticket_price", Start::kFreeGame, {{kFinanceButton}, {10165}}, 10190},
    {"sweet_shop", Start::kFreeGame, {{kFinanceButton}, {10166}}, 10198},
    {"staff_hiring", Start::kFreeGame, {{10070}}, 10299},
    {"speed_window", Start::kFreeGame, {{kSpeedButton}}, 10327},
    {"statistics_charts", Start::kFreeGame, {{kFinanceButton}, {10189}}, 10363},
    {"attraction_list", Start::kFreeGame, {{kFinanceButton}, {10178}}, 10231},
    {"attraction_upgrade", Start::kFreeGame, {{kFinanceButton}, {10178}, {10234, 0}}, 10269},
    {"attraction_about", Start::kFreeGame, {{kFinanceButton}, {10178}, {10234, 0}, {10285}}, 10339, nullptr, 10269},
    {"message_window", Start::kFreeGame, {{10070}, {10306}, {10310}}, 10391, e2e::Broke},
    {"visitor_panel", Start::kFreeGame, {}, 10132, e2e::PickAVisitor},
    {"park_event_popup", Start::kFreeGame, {}, 10319, e2e::ShowEventPopup("CLEANER")},
    {"park_event_window", Start::kFreeGame, {{10438, 0}}, 10292, e2e::OpenEvent("CLEANER")},
    {"event_list_of_the_cleaners", Start::kFreeGame, {}, 10413, e2e::PickCharacter(1000, "CLEANER")},
    {"event_list_of_the_gardeners", Start::kFreeGame, {}, 10417, e2e::PickCharacter(2000, "GARDENER")},
    {"event_list_of_the_engineers", Start::kFreeGame, {}, 10421, e2e::PickCharacter(3000, "REPAIR")},
    {"event_list_of_park_character_two", Start::kFreeGame, {}, 10396, e2e::PickCharacter(2, "FIZZWICK")},
    {"event_list_of_park_character_three", Start::kFreeGame, {}, 10400, e2e::PickCharacter(3, "FIZZLEDA")},
    {"pick_one_attraction_conditions", Start::kFreeGame, {}, 10410, e2e::PickCharacter(1, "CLEANER")},
    {"pick_five_character_saying", Start::kFreeGame, {}, 10404, e2e::PickCharacter(5, "CLEANER")},
    {"pick_four_character_saying", Start::kFreeGame, {}, 10407, e2e::PickCharacter(4, "CLEANER")},
    {"tutorial_lesson_menu", Start::kTutorialGame, {}, 10446},
    {"tutorial_lesson_page", Start::kTutorialGame, {{10448}}, 10425},
};

// The tour's pictures stand together among the build folder's screenshots.
constexpr const char* kShotPrefix = "screen_";
// Frames drawn after the page opened, before the screenshot.
constexpr int kSettleFrames = 3;
// A page that is drawn has its frame, its texts and its buttons: more than
// a few colours.
constexpr size_t kFewestColours = 8;

// A page drawn over another shows its own title bar, in the colours of the
// title bar of the page under it (both are drawn from one image) for the
// most part; where the page lies under the other, the other's picture shows.
constexpr double kLeastTitleShare = 0.5;

// The pixels inside the element's rectangle of the frame, the top rows
// alone when `rows` is given.
std::vector<uint32_t> PixelsOver(const std::vector<uint32_t>& pixels, int width, int height,
                                  const CGuiElement& element, int32_t rows = -1) {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  element.GetRect(left, top, right, bottom);
  if (rows >= 0) bottom = std::min(bottom, top + rows);
  std::vector<uint32_t> colours;
  for (int32_t y = std::max(top, 0); y < std::min(bottom, int32_t(height)); ++y) {
    for (int32_t x = std::max(left, 0); x < std::min(right, int32_t(width)); ++x) {
      colours.push_back(pixels[size_t(y) * size_t(width) + size_t(x)]);
    }
  }
  return colours;
}

// The share of the page's title bar that shows in the colours of the title
// bar of the page under it.
double TitleShareOver(const std::vector<uint32_t>& pixels, int width, int height, const CGuiWindow& page,
                      const CGuiWindow& under) {
  const std::vector<uint32_t> theirs = PixelsOver(pixels, width, height, under, under.GetTitleBarHeight());
  const std::set<uint32_t> titleColours(theirs.begin(), theirs.end());
  const std::vector<uint32_t> ours = PixelsOver(pixels, width, height, page, page.GetTitleBarHeight());
  if (ours.empty()) return 0.0;
  const auto same = std::count_if(ours.begin(), ours.end(), [&](uint32_t c) { return titleColours.count(c) > 0; });
  return double(same) / double(ours.size());
}

}  // namespace

TEST(WindowedScreens, EachScreenIsDrawnInTheGameWindowAndKeptAsAScreenshot) {
  // The pictures come from Mesa's software renderer on every machine.
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  ScreenTour tour(plat::WindowBackend::Live, "screen_shots");
  ASSERT_EQ(tour.park.Error(), "");
  if (!tour.session.Started()) GTEST_SKIP() << "no display for the game's window";
  plat::KeepRendererLoaded();
  ASSERT_EQ(g_device->GetDevice()->Backend().Name(), "gl");
  ASSERT_TRUE(tour.Load());
  for (const Visit& visit : kVisits) {
    SCOPED_TRACE(visit.name);
    ASSERT_TRUE(tour.Begin(visit.start));
    ASSERT_TRUE(tour.BackToTheGame(visit.start));
    if (visit.prepare) visit.prepare(tour);
    ASSERT_TRUE(tour.Frames(2));
    bool reached = true;
    for (const Step& step : visit.path) reached = reached && tour.Click(step);
    ASSERT_TRUE(reached) << "the screen is not reached with the mouse";
    ASSERT_TRUE(tour.Frames(kSettleFrames));
    ASSERT_TRUE(tour.IsShown(visit.page)) << visit.page;

    plat::Device& device = *g_device->GetDevice();
    const std::string path = livetest::ScreenshotPath(std::string(kShotPrefix) + visit.name + ".png");
    ASSERT_TRUE(plat::SaveScreenshot(device, path)) << path;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(plat::CaptureBackBuffer(device, width, height, pixels));
    const CGuiElement& page = *tour.Game().FindElement(visit.page);
    const std::vector<uint32_t> colours = PixelsOver(pixels, width, height, page);
    EXPECT_GT(std::set<uint32_t>(colours.begin(), colours.end()).size(), kFewestColours)
        << "the page is blank in " << path;
    if (!visit.over) continue;
    const auto* window = dynamic_cast<const CGuiWindow*>(&page);
    const auto* under = dynamic_cast<const CGuiWindow*>(tour.Game().FindElement(visit.over));
    ASSERT_TRUE(window && under && window->HasTitleBar() && under->HasTitleBar());
    EXPECT_TRUE(tour.IsShown(visit.over)) << visit.over;
    EXPECT_GT(TitleShareOver(pixels, width, height, *window, *under), kLeastTitleShare)
        << "the page is not drawn over " << visit.over << " in " << path;
  }
}
