// The fixed command sequences that close groups of screens (the hide-all
// is the screens' own, MainObjectScreenSet.cpp), the purge of
// finished commands, the click-action list, the GUI's creation, the reset
// of a new game's lists and the placement preview's set-up.
#include <cstdint>
#include <iterator>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "gui/core/GuiCommand.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/os/DebugOutput.h"
#include "screens/REraduzizShopScreen.h"
#include "screens/REraduzizStaffScreen.h"

namespace {

constexpr int32_t kNoElement = -1;

// QueueFlagCommands: pages each one-shot flag closes, and those it always
// closes. 10143 is in the first list twice, as the sequence has it.
constexpr int32_t kCommandClosePages[] = {10143, 10123, 10126, 10129, 10143, 10343, 10349};
constexpr int32_t kSummaryClosePages[] = {10158, 10190, 10198, 10231, 10299, 10363};
constexpr int32_t kUpgradeClosePages[] = {10339, 10269};
constexpr int32_t kAlwaysClosePages[] = {10132, 10385, 10388, 10391, 10265, 10292, 10319, 10327, 10359};

template <size_t N>
void ClosePages(CGuiMainClass& gui, const int32_t (&pages)[N], int32_t sender, int32_t control) {
  for (int32_t page : pages) gui.PostCommand(sender, page, kCmdClosePage, control, 0);
}

// Closes the pages when the one-shot flag is set, and clears it.
template <size_t N>
void ClosePagesOnce(CGuiMainClass& gui, uint8_t& flag, const int32_t (&pages)[N]) {
  if (!flag) return;
  ClosePages(gui, pages, kNoElement, kNoElement);
  flag = 0;
}

}  // namespace

void VAvazadOvurUrovi::QueueFlagCommands() {
  ClosePagesOnce(*this, closeFlagCommands, kCommandClosePages);
  ClosePagesOnce(*this, closeFlagSummary, kSummaryClosePages);
  ClosePagesOnce(*this, closeFlagUpgrade, kUpgradeClosePages);
  ClosePages(*this, kAlwaysClosePages, kNoElement, kNoElement);
}

void VAvazadOvurUrovi::RemoveDoneGuiCommands() { RemoveDoneCommands(); }

void VAvazadOvurUrovi::AddGuiAction(int32_t sender, int32_t target, int32_t code, int32_t control,
                                    int32_t parameter) {
  std::lock_guard<std::mutex> lock(m_actionMutex);
  m_guiActions.push_back({sender, target, code, control, parameter});
}

void VAvazadOvurUrovi::QueueRecord20(GuiAction action) {
  AddGuiAction(action.sender, action.target, action.code, action.control, action.parameter);
}

std::optional<GuiAction> VAvazadOvurUrovi::FindGuiAction(int32_t sender) const {
  std::lock_guard<std::mutex> lock(m_actionMutex);
  for (const GuiAction& action : m_guiActions) {
    if (action.sender == sender) return action;
  }
  return std::nullopt;
}

std::vector<GuiAction> VAvazadOvurUrovi::GetGuiActions() const {
  std::lock_guard<std::mutex> lock(m_actionMutex);
  return m_guiActions;
}

void VAvazadOvurUrovi::CreateGui() {
  if (guiCreated) return;
  guiCreated = true;
  plat::OutputDebugString("CreateGui\n");
  {
    CGuiXmlLoader loader(this, this);
    LoadGuiDescription(loader);
  }
  loaderStrings.clear();
}

void VAvazadOvurUrovi::ResetGameLists() {
  placedRecords.clear();
  historyRecords.clear();
  recordCounter = kRecordCounterStart;
  for (int32_t& counter : parkCounters) counter = 0;
  parkCounters[kParkCounterFifth] = kParkCounterFifthStart;
  SetStartDate(systemYear);
  resetCounter = kResetCounterStart;
  for (int32_t& counter : resetCounterNext) counter = 0;
  // The characters placed through the records leave with them: none stays
  // in the park without its record.
  if (CPorvikAiClass* manager = GetAiManager()) {
    for (const PlacementRecord& record : placedCharacters) manager->RemoveCharacterById(record.id);
  }
  placedCharacters.clear();
  if (shopScreen) shopScreen->Reset();
  if (staffScreen) staffScreen->Reset();
}

bool VAvazadOvurUrovi::SelectBuildItem(uint32_t index, int32_t value) {
  // An index from outside the catalogue selects nothing.
  const ObjectTypeDescriptor* type = index <= uint32_t(INT32_MAX) ? objectTypes.At(int32_t(index)) : nullptr;
  if (!type || !placementPreview) return false;
  SetUpPlacementTemplate(*placementPreview, *type, int32_t(index), value);
  return true;
}

EngineString VAvazadOvurUrovi::FileTitle(const EngineString& path) {
  const std::string& text = path.Std();
  const size_t slash = text.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? text : text.substr(slash + 1);
  const size_t dot = name.find('.');
  return EngineString(name.substr(0, dot).c_str());
}
