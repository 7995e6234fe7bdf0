#include "screens/FoodScreenLists.h"

#include "gui/widgets/CGuiGrid.h"
#include "park/foods/FoodRecord.h"
#include "screens/ScreenBinding.h"

namespace foodscreens {

namespace {

constexpr int32_t kNameColumn = 0;
constexpr int32_t kPriceColumn = 1;
constexpr int32_t kNoId = -1;
constexpr int32_t kLiteral = -1;

}  // namespace

void SetHeader(CGuiMainClass& gui, CGuiGrid* list, int32_t column, int32_t textId, uint32_t format) {
  if (list) list->SetColumnHeader(column, gui.GetText(textId), format);
}

void ClearRows(CGuiGrid* list) {
  if (list) list->ClearCells();
}

void AddNameCell(CGuiGrid* list, const EngineString& name, int32_t id) {
  if (list) list->AddCell(kNameColumn, kLiteral, name, id, EngineString());
}

void AddPriceCell(CGuiGrid* list, int32_t price) {
  if (list) list->AddCell(kPriceColumn, kLiteral, screens::FormatValue("%d", price), kNoId, EngineString());
}

int32_t FinishRows(CGuiGrid* list, int32_t rows) {
  if (!list) return kNoId;
  list->SetRowCount(rows);
  list->SetSelectedRow(rows > 0 ? 0 : -1, true);
  list->UpdateScrollRange(true);
  const GridCell* first = rows > 0 ? list->FindCell(kNameColumn, 0) : nullptr;
  return first ? first->data : kNoId;
}

int32_t SelectedId(CGuiGrid* list) {
  if (!list) return kNoId;
  const int32_t row = list->ClampSelection();
  const GridCell* cell = row < 0 ? nullptr : list->FindCell(kNameColumn, row);
  return cell ? cell->data : kNoId;
}

bool RaisePending(const FoodRecord* food, int32_t& change) {
  if (!food || int64_t(food->cost) + change >= FoodRecord::kMaxCost) return false;
  ++change;
  return true;
}

bool LowerPending(const FoodRecord* food, int32_t& change) {
  if (!food || int64_t(food->cost) + change <= FoodRecord::kMinCost) return false;
  --change;
  return true;
}

int32_t PendingCost(const FoodRecord& food, int32_t change) {
  return FoodRecord::ClampCost(int64_t(food.cost) + change);
}

}  // namespace foodscreens
