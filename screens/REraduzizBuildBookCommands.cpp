// The build book's buttons: buying an entry, turning pages, the realm tabs
// and closing.
#include <cstring>

#include "gui/core/CGuiMainClass.h"
#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizBuildBookHost.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"

namespace {

constexpr REraduzizBuildBook::FixedSpot kFixedSpots[] = {
    {"Attr_Velmorra", {-123.166f, 1.106f, -45.46f}, 0.0f},
    {"Attr_Norwhistle", {-99.532f, 1.036f, 140.273f}, 90.0f},
};

// The index of the button among count buttons from the first id, or -1.
int32_t ButtonIndex(int32_t sender, int32_t first, int32_t count) {
  return sender >= first && sender < first + count ? sender - first : -1;
}

}  // namespace

const REraduzizBuildBook::FixedSpot* REraduzizBuildBook::FindFixedSpot(const EngineString& id) {
  for (const FixedSpot& spot : kFixedSpots) {
    if (id == spot.id) return &spot;
  }
  return nullptr;
}

bool REraduzizBuildBook::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return false;
  const int32_t sender = command.sender;
  if (const int32_t slot = ButtonIndex(sender, kBuyButtons, kSlotCount); slot >= 0) {
    Buy(slot);
  } else if (sender == kNextPage) {
    TurnPage(kSlotCount);
  } else if (sender == kPreviousPage) {
    TurnPage(-kSlotCount);
  } else if (const int32_t realm = ButtonIndex(sender, kTabsA, kRealmCount); realm >= 0) {
    ChooseRealm(realm);
  } else if (const int32_t realmB = ButtonIndex(sender, kTabsB, kRealmCount); realmB >= 0) {
    ChooseRealm(realmB);
  } else if (sender == kCloseButton) {
    Close();
  } else {
    return false;
  }
  command.sender = -1;
  return true;
}

void REraduzizBuildBook::PostReturnToGame(CGuiMainClass& gui) {
  gui.PostCommand(-1, screen_ids::kGameMainPage, kCmdOpenPageForced, kCloseButton, 0);
  gui.PostCommand(-1, screen_ids::kStatusPanel, kCmdOpenPage, kCloseButton, 0);
}

void REraduzizBuildBook::Buy(int32_t slot) {
  ScreenFlags& flags = m_screens.Flags();
  flags.modal = 0;
  flags.placing = 0;
  flags.bookOpen = 0;
  const BookItem* entry = EntryOfSlot(slot);
  if (!entry) return;
  const BookItem item = *entry;
  if (m_host && m_screens.CanAfford(item.price)) {
    const std::optional<int32_t> type = m_host->FindObjectType(item.geometryName);
    if (type && m_host->SelectBuildItem(*type, item.price)) flags.placing = 1;
    PostReturnToGame(m_screens.Gui());
    PlaceAtFixedSpot();
  } else {
    PostReturnToGame(m_screens.Gui());
    if (m_host) m_host->ShowMessage(m_screens.Gui().GetText(kCannotAffordText));
  }
  if (m_host) m_host->RefreshStatusDisplay();
  ShowPage();
}

void REraduzizBuildBook::PlaceAtFixedSpot() {
  // Only what this click has just put in the template: an attraction with
  // a fixed spot is set down there at once, whichever slot showed it.
  ScreenFlags& flags = m_screens.Flags();
  if (!flags.placing) return;
  const std::optional<EngineString> id = m_host->GetTemplateId();
  const FixedSpot* spot = id ? FindFixedSpot(*id) : nullptr;
  if (!spot) return;
  // A spot that is taken (the attraction stands there already) gets no
  // second copy: nothing is placed or charged.
  if (!m_host->PlaceTemplateAt(spot->position, spot->rotationDegrees)) m_host->ResetTemplate();
  flags.placing = 0;
  m_host->PlacementAllowed() = 0;
}

void REraduzizBuildBook::TurnPage(int32_t step) {
  if (currentRealm >= 0 && currentRealm < kRealmCount) {
    int32_t& start = pageStart[currentRealm];
    const int64_t next = int64_t(start) + step;
    const bool forward = step > 0;
    const bool hasEntries = next < int64_t(realmItems[currentRealm].size());
    if (forward ? hasEntries : next >= 0) start = int32_t(next);
  }
  ShowPage();
}

void REraduzizBuildBook::ChooseRealm(int32_t realm) {
  SelectRealm(realm);
  ShowPage();
}

void REraduzizBuildBook::Close() {
  if (m_host) m_host->RefreshStatusDisplay();
  PostReturnToGame(m_screens.Gui());
  ScreenFlags& flags = m_screens.Flags();
  flags.bookOpen = 0;
  flags.modal = 0;
}
