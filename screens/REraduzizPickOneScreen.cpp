#include "screens/REraduzizPickOneScreen.h"

#include <algorithm>

#include "gui/widgets/CGuiGrid.h"
#include "park/objects/CAttraction.h"
#include "screens/ScreenBinding.h"

namespace {

constexpr const char* kScreen = "REraduzizPickOneScreen";
constexpr int32_t kGrid = 10412;
constexpr int32_t kCloseButton = 10411;
constexpr int32_t kFullCondition = 100;
// Only rides wear; shops and restaurants are not listed.
constexpr int32_t kAttractionKind = 0;
constexpr int32_t kNameColumn = 0;
constexpr int32_t kConditionColumn = 1;
constexpr int32_t kNoCellValue = -1;

}  // namespace

REraduzizPickOneScreen::REraduzizPickOneScreen(ScreenHost& host, CGuiElement* window)
    : PickerPopup(host, window, kCloseButton, kScreen) {
  if (window) content = screens::BindElement<CGuiGrid>(host.Gui(), kGrid, kScreen, "grid");
}

void REraduzizPickOneScreen::Show() {
  if (!content) return;
  content->ClearCells();
  int32_t rows = 0;
  for (const CAttraction* attraction : m_host.GetAttractions()) {
    if (!attraction || attraction->state != kAttractionKind || attraction->condition >= kFullCondition) continue;
    // Wear may take the condition below nothing; the list shows it as 0.
    const int32_t condition = std::max(attraction->condition, 0);
    content->AddCell(kNameColumn, -1, attraction->displayName, kNoCellValue, EngineString());
    content->AddCell(kConditionColumn, -1, screens::FormatValue("%d%%", condition), kNoCellValue, EngineString());
    ++rows;
  }
  content->SetRowCount(rows);
  content->UpdateScrollRange(true);
}
