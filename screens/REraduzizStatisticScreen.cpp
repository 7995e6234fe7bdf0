#include "screens/REraduzizStatisticScreen.h"

#include <algorithm>
#include <initializer_list>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiChart.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerDayNode.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "park/ledger/LedgerMonthNode.h"
#include "park/ledger/LedgerSlots.h"
#include "park/ledger/LedgerYearNode.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"

namespace {

constexpr const char* kScreen = "REraduzizStatisticScreen";
constexpr const char* kComboBox = "combo box";
constexpr int32_t kCloseText = 100153;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kCaptionFormat = 0;

struct Caption {
  int32_t id;
  int32_t text;
};
constexpr Caption kCaptions[] = {{10367, 100188}, {10368, 100194}, {10369, 100195}, {10370, 100196}};

// The chart's place in the window, its type word, look and fonts.
constexpr int32_t kChartType = 13;
constexpr int32_t kChartX = 44;
constexpr int32_t kChartY = 44;
constexpr int32_t kChartWidth = 710;
constexpr int32_t kChartHeight = 450;
constexpr uint32_t kChartBackground = 0x4BFFFFFF;
constexpr uint32_t kChartAxis = 0xFF808080;
constexpr uint32_t kChartGrid = 0xFFC2C2C2;
constexpr uint32_t kChartValues = 0xFF000000;
constexpr const char* kChartFace = "Malvern";
constexpr int32_t kChartFontWeight = 400;
constexpr int32_t kValueFontSize = 13;
constexpr int32_t kLegendFontSize = 20;
constexpr int32_t kTitleFontSize = 13;
constexpr int32_t kCaptionFontSize = 13;
constexpr int32_t kChartCharSet = 1;
constexpr int32_t kChartQuality = 4;
constexpr int32_t kTicketTitleText = 100205;

// The lists: the entries of the two views (text, data word), the months
// and days after the "-" entry of the whole year or month.
struct ListEntry {
  int32_t text;
  int32_t data;
};
constexpr ListEntry kParkCategories[] = {{100123, 1}, {100207, 2}, {100208, 3},
                                         {100198, 4}, {100108, 5}, {100139, 6}};
constexpr ListEntry kAttractionCategories[] = {{100202, REraduzizStatisticScreen::kCostsCategory},
                                               {100128, REraduzizStatisticScreen::kUsesCategory},
                                               {100128, REraduzizStatisticScreen::kUsesCategory}};
constexpr int32_t kMonthsInYear = 12;
constexpr int32_t kDaysInMonth = 31;
// Where the category list stands for the ticket chart and the uses.
constexpr int32_t kTicketEntry = 4;
constexpr int32_t kUsesEntry = 1;
// The category of a list without a choice: its first entry's.
constexpr int32_t kFirstCategory = 1;

// One series of a chart: its name's text, colour and ledger kind.
struct Series {
  int32_t nameText;
  uint32_t colour;
  int32_t kind;
};
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00C000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kMaroon = 0xFF800000;
constexpr uint32_t kOlive = 0xFF808000;
constexpr uint32_t kPurple = 0xFF800080;

// A chart of the park view: its title, its unit (a text, or the literal
// when the text is -1) and its series.
struct ParkChart {
  int32_t titleText;
  int32_t unitText;
  std::initializer_list<Series> series;
};
constexpr int32_t kPercentUnit = -1;
constexpr const char* kPercent = "%";
const ParkChart kParkCharts[] = {
    {100201, kPercentUnit,
     {{100188, kRed, 1}, {100209, kGreen, 2}, {100210, kBlue, 3}, {100211, kMaroon, 4}, {100212, kOlive, 5}}},
    {100202, 100127, {{100192, kRed, 6}, {100213, kGreen, 7}, {100193, kBlue, 8}}},
    {100203, 100127, {{100189, kRed, 11}, {100214, kGreen, 12}, {100215, kBlue, 13}}},
    {100204, 100104, {{100106, kRed, 14}, {100105, kGreen, 15}}},
    {kTicketTitleText, 100104, {{100108, kRed, 16}}},
    {100206, 100104, {{100139, kRed, 17}}},
};
constexpr int32_t kParkChartCount = int32_t(std::size(kParkCharts));
constexpr int32_t kUsesUnitText = 100123;
constexpr Series kUsesSeries = {100123, kPurple, 9};
constexpr int32_t kCostsUnitText = 100127;

// The attraction view's ledger category.
constexpr int32_t kAttractionCategory = ledger::kCategoryAttractions;

// The entry a series reads: the park-wide entry of the category and kind
// (flag 0), or the attraction's own entry (flag 1).
const LedgerEntryNode* FindSeriesEntry(const CLedgerTree* tree, const LedgerRecord& selection) {
  if (!tree) return nullptr;
  if (selection.flag == 0 && selection.category > -1 && selection.kind > -1) {
    return tree->FindEntry(0, selection.category, selection.kind, -1);
  }
  if (selection.flag == 1 && selection.subject > -1) {
    return tree->FindEntry(1, selection.category, selection.kind, selection.subject);
  }
  return nullptr;
}

template <class AmountAt>
REraduzizStatisticScreen::Points Sums(int32_t count, AmountAt amountAt) {
  REraduzizStatisticScreen::Points points;
  for (int32_t index = 0; index < count; ++index) points.emplace_back(float(index), float(amountAt(index)));
  return points;
}

bool IsChosen(int32_t value, int32_t slots) { return value > 0 && ledger::InSlots(value, slots); }

}  // namespace

REraduzizStatisticScreen::REraduzizStatisticScreen(ScreenHost& host, CGuiElement* window)
    : window(window), m_host(host) {
  startYear = m_host.GetStartYear();
  const StatusDateTime clock = m_host.GetGameClock();
  year = clock.year;
  month = clock.month;
  day = clock.day;
  if (!window) return;
  BindControls();
  FillCategoryList();
  FillYearList();
  FillNumberList(monthList, kMonthsInYear);
  Select(monthList, month);
  FillNumberList(dayList, kDaysInMonth);
  Select(dayList, day);
  CreateChart();
  category = kTicketCategory;
  month = 0;
  day = 0;
  Refresh({0, kTicketCategory, ledger::kTicket, -1, year, 0, 0, 0, 0, 0});
}

void REraduzizStatisticScreen::BindControls() {
  closeButton = screens::BindChild<CGuiButton>(window, kCloseId, kScreen, "button");
  screens::SetButtonCaption(m_host.Gui(), closeButton, kCloseText, kButtonFormat);
  categoryList = screens::BindChild<CGuiComboBox>(window, kCategoryListId, kScreen, kComboBox);
  yearList = screens::BindChild<CGuiComboBox>(window, kYearListId, kScreen, kComboBox);
  monthList = screens::BindChild<CGuiComboBox>(window, kMonthListId, kScreen, kComboBox);
  dayList = screens::BindChild<CGuiComboBox>(window, kDayListId, kScreen, kComboBox);
  for (const Caption& caption : kCaptions) {
    auto* text = screens::BindChild<CGuiStaticText>(window, caption.id, kScreen, "static text");
    screens::SetCaption(text, caption.text, kCaptionFormat, kGuiBlack);
    if (caption.id == kCategoryCaptionId) categoryCaption = text;
  }
}

void REraduzizStatisticScreen::CreateChart() {
  chart = new CGuiChart;
  // Within the window, also where the description scales it down.
  const int32_t width = std::min(kChartWidth, window->record->width - 2 * kChartX);
  const int32_t height = std::min(kChartHeight, window->record->height - 2 * kChartY);
  chart->CreateSized(window, kChartId, kChartType, kChartX, kChartY, width, height, 0, 1, 1);
  chart->backgroundColour = kChartBackground;
  chart->xAxisColour = chart->yAxisColour = kChartAxis;
  chart->gridColour = kChartGrid;
  chart->grid = 1;
  chart->xCaptionColour = chart->yCaptionColour = kChartAxis;
  chart->xValueColour = chart->yValueColour = chart->titleColour = kChartValues;
  chart->SetValueFont(kValueFontSize, 0, kChartFontWeight, 0, kChartCharSet, 0, kChartQuality, 0, kChartFace);
  chart->SetLegendFont(kLegendFontSize, 0, kChartFontWeight, 0, kChartCharSet, 0, kChartQuality, 0, kChartFace);
  chart->SetHeadingFont(kTitleFontSize, 0, kChartFontWeight, 0, kChartCharSet, 0, kChartQuality, 0, kChartFace);
  chart->SetCaptionFont(kCaptionFontSize, 0, kChartFontWeight, 0, kChartCharSet, 0, kChartQuality, 0, kChartFace);
  if (!window->AddChild(chart)) {
    delete chart;
    chart = nullptr;
    return;
  }
  chart->title = m_host.Gui().GetText(kTicketTitleText);
}

int32_t REraduzizStatisticScreen::CurrentYear() const { return m_host.GetGameClock().year; }

int32_t REraduzizStatisticScreen::FirstListedYear() const {
  // A start year from a corrupt saved game cannot make the list endless.
  return std::max(startYear, CurrentYear() - kMaxListedYears + 1);
}

void REraduzizStatisticScreen::Select(CGuiComboBox* list, int32_t index) {
  if (list) list->SetSelectedIndex(index);
}

void REraduzizStatisticScreen::FillCategoryList() {
  if (!categoryList) return;
  categoryList->Clear();
  if (attractionView) {
    for (const ListEntry& entry : kAttractionCategories) categoryList->AddItem(m_host.Gui().GetText(entry.text), entry.data);
  } else {
    for (const ListEntry& entry : kParkCategories) categoryList->AddItem(m_host.Gui().GetText(entry.text), entry.data);
  }
  categoryList->SetDropRows(categoryList->GetItemCount());
  categoryList->SetSelectedIndex(0);
}

void REraduzizStatisticScreen::FillYearList() {
  if (!yearList) return;
  yearList->Clear();
  for (int32_t listed = FirstListedYear(); listed <= CurrentYear(); ++listed) {
    yearList->AddItem(screens::FormatValue("%d", listed), uint32_t(listed));
  }
  yearList->SetDropRows(yearList->GetItemCount());
  Select(yearList, year - FirstListedYear());
}

void REraduzizStatisticScreen::FillNumberList(CGuiComboBox* list, int32_t last) {
  if (!list) return;
  list->Clear();
  list->AddItem("-", 0);
  for (int32_t number = 1; number <= last; ++number) list->AddItem(screens::FormatValue("%2d", number), uint32_t(number));
  list->SetDropRows(list->GetItemCount());
}

void REraduzizStatisticScreen::SyncCombos() {
  if (categoryList) {
    for (int32_t index = 0; index < categoryList->GetItemCount(); ++index) {
      if (int32_t(categoryList->GetItemData(index)) == category) categoryList->SetSelectedIndex(index);
    }
  }
  Select(yearList, year - FirstListedYear());
  Select(monthList, month);
  Select(dayList, day);
}

REraduzizStatisticScreen::Points REraduzizStatisticScreen::SeriesPoints(const CLedgerTree* tree,
                                                                        const LedgerRecord& selection,
                                                                        int32_t* xCaption) {
  const LedgerEntryNode* entry = FindSeriesEntry(tree, selection);
  if (selection.year <= 0) {
    *xCaption = kYearsText;
    if (!entry || entry->Years().empty()) return {{0.0f, 0.0f}, {float(kMonthsInYear), 0.0f}};
    const auto& years = entry->Years();
    return Sums(int32_t(years.size()), [&](int32_t index) { return years[size_t(index)].Amount(); });
  }
  const LedgerYearNode* yearNode = entry ? entry->FindYear(selection.year) : nullptr;
  if (!IsChosen(selection.month, LedgerYearNode::kMonthSlots)) {
    *xCaption = kMonthsText;
    return Sums(LedgerYearNode::kMonthSlots, [&](int32_t m) { return yearNode ? yearNode->MonthAmount(m) : 0; });
  }
  const LedgerMonthNode* monthNode = yearNode ? yearNode->FindMonth(selection.month) : nullptr;
  if (!IsChosen(selection.day, LedgerMonthNode::kDaySlots)) {
    *xCaption = kDaysText;
    return Sums(LedgerMonthNode::kDaySlots, [&](int32_t d) { return monthNode ? monthNode->DayAmount(d) : 0; });
  }
  const LedgerDayNode* dayNode = monthNode ? monthNode->FindDay(selection.day) : nullptr;
  *xCaption = kHoursText;
  return Sums(LedgerDayNode::kHourSlots, [&](int32_t h) { return dayNode ? dayNode->HourAmount(h) : 0; });
}

void REraduzizStatisticScreen::BuildSeries(const LedgerRecord& selection, int32_t kind, int32_t unitText,
                                           int32_t nameText, uint32_t colour) {
  LedgerRecord series = selection;
  series.kind = kind;
  int32_t xCaption = kYearsText;
  Points points = SeriesPoints(m_host.GetLedgerTree(), series, &xCaption);
  CGuiMainClass& gui = m_host.Gui();
  chart->xAxisCaption = gui.GetText(xCaption);
  chart->yAxisCaption = unitText == kPercentUnit ? EngineString(kPercent) : gui.GetText(unitText);
  chart->AddSeries(std::move(points), gui.GetText(nameText), colour);
}

void REraduzizStatisticScreen::ChartParkCategory(const LedgerRecord& selection) {
  if (categoryList) categoryList->Show(nullptr);
  if (categoryCaption) categoryCaption->Show(nullptr);
  const int32_t chosen = selection.category;
  if (chosen < 1 || chosen > kParkChartCount) return;
  const ParkChart& view = kParkCharts[chosen - 1];
  chart->title = m_host.Gui().GetText(view.titleText);
  const LedgerRecord parkWide{0, chosen, 0, -1, selection.year, selection.month, selection.day, 0, 0, 0};
  for (const Series& series : view.series) {
    BuildSeries(parkWide, series.kind, view.unitText, series.nameText, series.colour);
  }
  if (chosen == kTicketCategory) Select(categoryList, kTicketEntry);
}

void REraduzizStatisticScreen::ChartAttraction(const LedgerRecord& selection) {
  chart->title = attractionTitle;
  const LedgerRecord own{1,           kAttractionCategory, 0, selection.subject, selection.year, selection.month,
                         selection.day, 0,                 0, 0};
  if (selection.kind == kUsesSeries.kind) {
    BuildSeries(own, kUsesSeries.kind, kUsesUnitText, kUsesSeries.nameText, kUsesSeries.colour);
    Select(categoryList, kUsesEntry);
    return;
  }
  for (const Series& series : kParkCharts[kAttractionCategory - 1].series) {
    BuildSeries(own, series.kind, kCostsUnitText, series.nameText, series.colour);
  }
}

void REraduzizStatisticScreen::Refresh(const LedgerRecord& selection) {
  FillYearList();
  if (!chart) return;
  chart->Clear();
  if (selection.flag == 0) {
    ChartParkCategory(selection);
  } else if (selection.flag == 1) {
    ChartAttraction(selection);
  }
  chart->Invalidate();
}

void REraduzizStatisticScreen::RefreshView() {
  if (!attractionView) {
    Refresh({0, category, 0, -1, year, month, day, 0, 0, 0});
  } else if (category == kCostsCategory || category == kUsesCategory) {
    // The costs chart is every kind but the uses.
    Refresh({1, kAttractionCategory, category, subject, year, month, day, 0, 0, 0});
  }
}

void REraduzizStatisticScreen::Open() {
  Refresh({0, kTicketCategory, ledger::kTicket, -1, year, month, day, 0, 0, 0});
}

void REraduzizStatisticScreen::OpenAttractionView(int32_t attractionSubject, const EngineString& title) {
  const StatusDateTime clock = m_host.GetGameClock();
  attractionView = 1;
  subject = attractionSubject;
  attractionTitle = title;
  category = kUsesCategory;
  year = clock.year;
  month = clock.month;
  day = clock.day;
  FillObjectDetails();
}

void REraduzizStatisticScreen::LeaveAttractionView() {
  // The attraction view's choice means nothing in the park view.
  if (attractionView) category = -1;
  attractionView = 0;
  FillCategoryList();
}

void REraduzizStatisticScreen::ShowParkView() {
  LeaveAttractionView();
  subject = -1;
}

void REraduzizStatisticScreen::FillObjectDetails() {
  FillCategoryList();
  SyncCombos();
  RefreshView();
}

void REraduzizStatisticScreen::TakeCategoryFromList() {
  if (category != -1 || !categoryList) return;
  const int32_t index = categoryList->GetSelectedIndex();
  category = index < 0 ? kFirstCategory : int32_t(categoryList->GetItemData(index));
}

void REraduzizStatisticScreen::TakeYearFromList() {
  if (year >= 1) return;
  const int32_t listed = yearList ? yearList->GetSelectedIndex() : -1;
  year = listed > 0 ? FirstListedYear() + listed : CurrentYear();
  Select(yearList, year - FirstListedYear());
}

void REraduzizStatisticScreen::OnCategoryChosen() {
  category = -1;
  TakeCategoryFromList();
  if (categoryList && categoryList->GetSelectedIndex() < 0) categoryList->SetTopRow(0);
  year = CurrentYear();
  month = 0;
  day = 0;
  Select(monthList, 0);
  Select(dayList, 0);
  RefreshView();
}

void REraduzizStatisticScreen::OnYearChosen() {
  const int32_t index = yearList ? yearList->GetSelectedIndex() : -1;
  if (index < 0) return;
  TakeCategoryFromList();
  year = FirstListedYear() + index;
  month = 0;
  day = 0;
  Select(monthList, 0);
  Select(dayList, 0);
  RefreshView();
}

void REraduzizStatisticScreen::OnMonthChosen() {
  const int32_t index = monthList ? monthList->GetSelectedIndex() : -1;
  if (index < 0) return;
  TakeCategoryFromList();
  TakeYearFromList();
  month = index;
  day = 0;
  Select(dayList, 0);
  RefreshView();
}

void REraduzizStatisticScreen::OnDayChosen() {
  const int32_t index = dayList ? dayList->GetSelectedIndex() : -1;
  if (index < 0) return;
  TakeCategoryFromList();
  TakeYearFromList();
  if (month < 1) {
    const int32_t listed = monthList ? monthList->GetSelectedIndex() : -1;
    month = listed > 0 ? listed : m_host.GetGameClock().month;
    Select(monthList, month);
  }
  day = index;
  RefreshView();
}

void REraduzizStatisticScreen::OnGuiCommand(GuiCommand& command) {
  const bool click = command.code == kCmdClick;
  const bool select = command.code == kCmdSelect;
  if (click && command.sender == kCloseId) {
    m_host.Gui().PostCommand(kCloseId, screen_ids::kStatistic, kCmdClosePage, kCloseId, 0);
    m_host.Flags().modal = 0;
    LeaveAttractionView();
  } else if (select && command.sender == kCategoryListId) {
    OnCategoryChosen();
  } else if (select && command.sender == kYearListId) {
    OnYearChosen();
  } else if (select && command.sender == kMonthListId) {
    OnMonthChosen();
  } else if (select && command.sender == kDayListId) {
    OnDayChosen();
  } else {
    return;
  }
  command.sender = -1;
}
