#pragma once
// Element ids of the GUI description that the screen framework itself uses:
// the screens' windows and pages, the buttons that open them and the pages
// that the hide-all closes. Each screen keeps the ids of its own controls.
#include <array>
#include <cstdint>

namespace screen_ids {

// Windows of the screens, in creation order.
constexpr int32_t kBuildBook = 10076;
constexpr int32_t kBuffet = 10126;
constexpr int32_t kFastFood = 10343;
constexpr int32_t kRestaurant = 10129;
constexpr int32_t kFoodFeltet = 10143;
constexpr int32_t kSummary = 10158;
constexpr int32_t kTicket = 10190;
constexpr int32_t kShop = 10198;
constexpr int32_t kStaff = 10299;
constexpr int32_t kRepairEvent = 10292;
constexpr int32_t kBuilUpg = 10231;
constexpr int32_t kUpgrade = 10269;
constexpr int32_t kSpeed = 10327;
constexpr int32_t kKiosk = 10349;
constexpr int32_t kOptions = 10029;
constexpr int32_t kStatistic = 10363;
constexpr int32_t kHotMeal = 10375;
constexpr int32_t kPickOne = 10410;
constexpr int32_t kPickFive = 10404;
constexpr int32_t kPickFour = 10407;
constexpr int32_t kTutorial = 10425;
constexpr int32_t kStatusPanel = 10433;
constexpr int32_t kScenario = 10108;

// Pages of the game that are not a screen's window.
constexpr int32_t kGameMainPage = 10062;
constexpr int32_t kFoodMenuPage = 10123;

// Buttons of the main object that open screens, and the book's back button.
constexpr int32_t kFoodMenuButton = 10068;
constexpr int32_t kBuffetButton = 10124;
constexpr int32_t kRestaurantButton = 10125;
constexpr int32_t kManagementButton = 10070;
constexpr int32_t kSummaryButton = 10436;
constexpr int32_t kSpeedButton = 10435;
constexpr int32_t kEventList = 10438;
constexpr int32_t kBookBackButton = 10097;

// Every page that the hide-all closes, in the order its hides are posted.
constexpr std::array<int32_t, 41> kHideAllPages = {
    10339, 10343, 10349, 10359, 10076, 10363, 10123, 10375, 10126, 10385, 10129, 10388, 10132, 10391,
    10143, 10190, 10198, 10231, 10265, 10269, 10292, 10299, 10319, 10327, 10158, 10410, 10404, 10407,
    10425, 10413, 10417, 10421, 10396, 10400, 10108, 10010, 10029, 10020, 10235, 10460, 10463};

// The pages that the food buttons close before they open their own.
constexpr std::array<int32_t, 6> kFoodPages = {10126, 10349, 10129, 10343, 10143, 10375};

}  // namespace screen_ids
