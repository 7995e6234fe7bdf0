#pragma once
// What the food screens share: their lists of names and prices, and the
// pending price change of the two price pages.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiMainClass.h"

class CGuiGrid;
struct FoodRecord;

namespace foodscreens {

// A column header from the text table; nothing for a null list.
void SetHeader(CGuiMainClass& gui, CGuiGrid* list, int32_t column, int32_t textId, uint32_t format);
// Empties the list.
void ClearRows(CGuiGrid* list);
// A row's name cell (column 0, carrying the record's id) and, for the
// two-column lists, its price cell.
void AddNameCell(CGuiGrid* list, const EngineString& name, int32_t id);
void AddPriceCell(CGuiGrid* list, int32_t price);
// Ends a fill of that many rows: the first row is selected without a
// command and its id is returned, or no row and -1 for an empty list.
int32_t FinishRows(CGuiGrid* list, int32_t rows);
// The id in column 0 of the selected row, or -1 when no row is selected.
int32_t SelectedId(CGuiGrid* list);

// The pending change of a price page, held so that the shown price stays
// within the food's price range; false when the step is refused (also
// without a food).
bool RaisePending(const FoodRecord* food, int32_t& change);
bool LowerPending(const FoodRecord* food, int32_t& change);
// The food's cost plus the change, held to the price range.
int32_t PendingCost(const FoodRecord& food, int32_t change);

}  // namespace foodscreens
