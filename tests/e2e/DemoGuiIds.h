// The demo GUI's element ids that the play-throughs click, named once.
#pragma once

#include <cstdint>

namespace e2e::demo_gui {

// The menus.
constexpr int32_t kMainMenu = 10001;
constexpr int32_t kNewGameButton = 10002;
constexpr int32_t kFreePlayButton = 10025;
constexpr int32_t kGameMenuButton = 10071;
constexpr int32_t kPauseButton = 10266;
constexpr int32_t kQuitFromPauseMenu = 10012;
// The close button of a notice, such as the first visitors' one.
constexpr int32_t kNoticeCloseButton = 10393;
// The game bar and its tools.
constexpr int32_t kPathBarButton = 10074;
constexpr int32_t kPathTool = 10461;
constexpr int32_t kBuildBookButton = 10067;
constexpr int32_t kFinanceButton = 10436;
constexpr int32_t kSpeedButton = 10435;
// The speed page's fast button.
constexpr int32_t kFastSpeedButton = 10337;
// The book's second slot: the pancake stall, which the started park lacks
// (the carousel of the first slot stands in it already).
constexpr int32_t kStallBuyButton = 10105;
constexpr const char* kStallItem = "poffertjeskraam_etterem";

}  // namespace e2e::demo_gui
