#pragma once
// The statistics window: a line chart of the ledger's sums, with lists to
// choose a category, a year, a month and a day. The park view charts one
// ledger category (visitors and moods, attraction costs, staff, food,
// tickets, shop); the attraction view charts one attraction's uses or
// costs. The chart has a point per hour of a day, per day of a month, per
// month of a year or per year, as deep as the choice goes.
//
// Looking changes nothing: the series are read from the ledger, and what
// the ledger does not hold reads as zeros.
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "park/ledger/LedgerRecord.h"

class CGuiButton;
class CGuiChart;
class CGuiComboBox;
class CGuiStaticText;
class CLedgerTree;
class ScreenHost;

class REraduzizStatisticScreen {
 public:
  using Points = std::vector<std::pair<float, float>>;

  static constexpr int32_t kCloseId = 10366;
  static constexpr int32_t kCategoryListId = 10371;
  static constexpr int32_t kYearListId = 10372;
  static constexpr int32_t kMonthListId = 10373;
  static constexpr int32_t kDayListId = 10374;
  static constexpr int32_t kCategoryCaptionId = 10367;
  static constexpr int32_t kChartId = 1000000;
  // The attraction view's two choices.
  static constexpr int32_t kCostsCategory = 1;
  static constexpr int32_t kUsesCategory = 9;
  // The park view's chart after construction and on opening: tickets.
  static constexpr int32_t kTicketCategory = 5;
  // Years listed at most, back from the current one.
  static constexpr int32_t kMaxListedYears = 100;
  // Axis captions: hours, days, months, years.
  static constexpr int32_t kHoursText = 100197;
  static constexpr int32_t kDaysText = 100196;
  static constexpr int32_t kMonthsText = 100195;
  static constexpr int32_t kYearsText = 100194;

  // The window may be null (the GUI description lacks it): no chart is made
  // and nothing is bound.
  REraduzizStatisticScreen(ScreenHost& host, CGuiElement* window);

  // The ticket chart of the stored date; the finance overview calls it
  // before it shows the page.
  void Open();
  // The attraction view of the attraction with the ledger number: its uses
  // today by hour.
  void OpenAttractionView(int32_t attractionSubject, const EngineString& title);
  // Back to the park's view (the hide-all does it): no attraction chosen.
  void ShowParkView();
  // The lists and the chart of the current view again.
  void FillObjectDetails();
  // The category list of the current view, its first entry chosen.
  void FillCategoryList();
  // The four lists show the stored choice.
  void SyncCombos();
  // The year list and the chart for a choice in the shape of a ledger
  // record (flag 0 park view by category, flag 1 attraction view by kind).
  void Refresh(const LedgerRecord& selection);
  void OnGuiCommand(GuiCommand& command);

  // The points of one series: the sums below the deepest level of the
  // choice (hours of a day, days of a month, months of a year, or the
  // years), zeros where the ledger holds nothing; the axis caption's text
  // id goes to xCaption.
  static Points SeriesPoints(const CLedgerTree* tree, const LedgerRecord& selection, int32_t* xCaption);

  CGuiChart* chart = nullptr;
  CGuiElement* window = nullptr;
  uint8_t attractionView = 0;
  int32_t startYear = 0;
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  // The chosen entry's data word of the category list; -1 takes it from
  // the list.
  int32_t category = -1;
  // The attraction's ledger number in the attraction view, else -1.
  int32_t subject = -1;
  EngineString attractionTitle;

  CGuiButton* closeButton = nullptr;
  CGuiComboBox* categoryList = nullptr;
  CGuiComboBox* yearList = nullptr;
  CGuiComboBox* monthList = nullptr;
  CGuiComboBox* dayList = nullptr;
  CGuiStaticText* categoryCaption = nullptr;

 private:
  void BindControls();
  void CreateChart();
  void FillYearList();
  void FillNumberList(CGuiComboBox* list, int32_t last);
  // The first year the year list holds.
  int32_t FirstListedYear() const;
  int32_t CurrentYear() const;
  // One series of the kind for the choice, with the axis captions.
  void BuildSeries(const LedgerRecord& selection, int32_t kind, int32_t unitText, int32_t nameText, uint32_t colour);
  void ChartParkCategory(const LedgerRecord& selection);
  void ChartAttraction(const LedgerRecord& selection);
  // The chart of the current view for the stored choice.
  void RefreshView();
  // The category from the list when none is stored (the first entry when
  // none is chosen).
  void TakeCategoryFromList();
  // A year from the list (or the current one) when none is stored.
  void TakeYearFromList();
  // Back to the park view's category list.
  void LeaveAttractionView();
  void OnCategoryChosen();
  void OnYearChosen();
  void OnMonthChosen();
  void OnDayChosen();
  static void Select(CGuiComboBox* list, int32_t index);

  ScreenHost& m_host;
};
