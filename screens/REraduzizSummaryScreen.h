#pragma once
// The finance overview: six money totals summed from the ledger, the
// visitors' average mood as a number and a bar, and the buttons that open
// the statistics, the ticket counter, the sweet shop, the attraction list
// and the staff window beside it.
#include <array>
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiStaticText;
class CLedgerTree;
class ScreenHost;

class REraduzizSummaryScreen {
 public:
  static constexpr int32_t kStatisticsId = 10189;
  static constexpr int32_t kCloseId = 10164;
  static constexpr int32_t kTicketId = 10165;
  static constexpr int32_t kShopId = 10166;
  static constexpr int32_t kAttractionListId = 10178;
  static constexpr int32_t kStaffId = 10179;
  static constexpr int32_t kMoodTextId = 10176;
  static constexpr int32_t kMoodBarId = 10175;
  // The bar's width at a mood of 100, per mood point, and its height.
  static constexpr int32_t kMoodBarFullWidth = 206;
  static constexpr float kMoodBarScale = 2.06f;
  static constexpr int32_t kMoodBarHeight = 16;
  static constexpr int32_t kMaxMood = 100;

  // The six totals in the order of their texts.
  enum Total { kTicketIncome, kKioskIncome, kRestaurantIncome, kShopIncome, kAttractionCosts, kStaffCosts, kTotalCount };

  // The window may be null (the GUI description lacks it): nothing is bound
  // and nothing shown.
  REraduzizSummaryScreen(ScreenHost& host, CGuiElement* window);

  // The totals of the ledger's park-wide entries.
  void SumLedger();
  // Arms the close of the management pages, sums the ledger and shows the
  // totals and the mood.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  int32_t GetTotal(Total total) const { return m_totals[total]; }
  // The mood figure and the bar's width for a mood sum and visitor count.
  static int32_t AverageMood(int32_t moodSum, int32_t visitors);
  static int32_t MoodBarWidth(int32_t mood);

  CGuiElement* window = nullptr;
  CGuiButton* ticketButton = nullptr;
  CGuiButton* shopButton = nullptr;
  std::array<CGuiStaticText*, kTotalCount> totalTexts{};
  CGuiStaticText* moodText = nullptr;
  CGuiElement* moodBar = nullptr;

 private:
  // Closes the four pages that open beside the overview.
  void CloseSidePages(int32_t button);
  // Closes the side pages and shows the page with the modal flag set.
  void OpenSidePage(int32_t button, int32_t page);
  void ShowMood();

  ScreenHost& m_host;
  std::array<int32_t, kTotalCount> m_totals{};
};
