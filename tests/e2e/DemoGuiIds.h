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
// The new game menu's scenario button, the scenario window and its first
// slot's text and start button.
constexpr int32_t kScenariosButton = 10028;
constexpr int32_t kScenarioWindow = 10108;
constexpr int32_t kFirstScenarioText = 10110;
constexpr int32_t kFirstScenarioStart = 10113;
// The message page of a notice, such as the first visitors' one or a
// scenario's result, its text and its close button.
constexpr int32_t kNoticePage = 10391;
constexpr int32_t kNoticeText = 10392;
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
// The game's fast speed; the frames a new park may take to let its first
// visitors in, and those a click's command takes to be carried out.
constexpr int32_t kFastSpeed = 4;
constexpr int kFirstVisitorsFrames = 20000;
constexpr int kCommandFrames = 10;

}  // namespace e2e::demo_gui
