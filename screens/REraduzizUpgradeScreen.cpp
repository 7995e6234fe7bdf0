#include "screens/REraduzizUpgradeScreen.h"

#include <algorithm>
#include <cmath>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "screens/BookItem.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizUpgradeScreen";
constexpr const char* kStaticText = "static text";
constexpr const char* kElement = "element";
constexpr const char* kButton = "button";
constexpr int32_t kLevelText = 100163;
constexpr uint32_t kPriceFormat = 2;
constexpr uint32_t kLineFormat = 1;
constexpr GuiColour kNameColour{255, 128, 0, 0};
constexpr GuiColour kConditionColour{255, 255, 255, 0};
constexpr const char* kClearBadge = "\\images\\GuiImages\\alphaPX.png";
constexpr const char* kLevelBadges[] = {"\\images\\GuiImages\\ATTR\\ATTR_level_1.png",
                                        "\\images\\GuiImages\\ATTR\\ATTR_level_2.png",
                                        "\\images\\GuiImages\\ATTR\\ATTR_level_3.png"};
constexpr const char* kPictureFolder = "\\images\\GuiImages\\BuildingImages\\";
constexpr const char* kPictureExtension = ".jpg";
constexpr const char* kNoPrice = "-";

}  // namespace

REraduzizUpgradeScreen::REraduzizUpgradeScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  CGuiMainClass& gui = m_host.Gui();
  priceText = screens::BindElement<CGuiStaticText>(gui, kPriceId, kScreen, kStaticText);
  nameText = screens::BindElement<CGuiStaticText>(gui, kNameId, kScreen, kStaticText);
  for (size_t k = 0; k < badges.size(); ++k) {
    badges[k] = screens::BindElement<CGuiElement>(gui, kBadgeIds[k], kScreen, kElement);
    speedButtons[k] = screens::BindElement<CGuiButton>(gui, kSpeedIds[k], kScreen, kButton);
  }
  picture = screens::BindElement<CGuiElement>(gui, kPictureId, kScreen, kElement);
  conditionBar = screens::BindElement<CGuiElement>(gui, kConditionBarId, kScreen, kElement);
  conditionText = screens::BindElement<CGuiStaticText>(gui, kConditionTextId, kScreen, kStaticText);
  upgradeButton = screens::BindElement<CGuiButton>(gui, kUpgradeId, kScreen, kButton);
  levelText = screens::BindElement<CGuiStaticText>(gui, kLevelTextId, kScreen, kStaticText);
  description = screens::BindElement<CGuiTextBox>(gui, kDescriptionId, kScreen, "text box");
}

int32_t REraduzizUpgradeScreen::UpgradePrice(int32_t level, int32_t buildCost) { return (level + 1) * buildCost; }

int32_t REraduzizUpgradeScreen::ConditionBarWidth(int32_t condition) {
  const int32_t full = int32_t(std::lround(kFullCondition * kConditionBarScale));
  return std::clamp(int32_t(std::lround(float(condition) * kConditionBarScale)), 0, full);
}

const BookItem* REraduzizUpgradeScreen::FindBookItem(const EngineString& typeName) const {
  ScreenSet* screens = m_host.GetScreens();
  if (!screens || !screens->buildBook) return nullptr;
  // The book as it was read at the start: a later entry of the same type
  // counts over an earlier one.
  const BookItem* found = nullptr;
  for (const std::vector<BookItem>& realm : screens->buildBook->GetRealms()) {
    for (const BookItem& item : realm) {
      if (item.geometryName == typeName) found = &item;
    }
  }
  return found;
}

EngineString REraduzizUpgradeScreen::LoadBook(const EngineString& typeName) {
  const BookItem* item = FindBookItem(typeName);
  if (!item) return {};
  EngineString text = item->shortDescription;
  text.Replace("XX", "\n");
  if (description) {
    description->Clear();
    description->SetText(-1, text);
  }
  return EngineString(kPictureFolder) + item->imageName;
}

CAttraction* REraduzizUpgradeScreen::FindShown() const {
  for (CAttraction* attraction : m_host.GetAttractions()) {
    if (attraction->objectNumber == shownNumber) return attraction;
  }
  return nullptr;
}

void REraduzizUpgradeScreen::ShowAttraction(CAttraction& attraction) {
  shownNumber = attraction.objectNumber;
  Fill(attraction, false);
}

void REraduzizUpgradeScreen::FillInfo(int32_t number) {
  shownNumber = number;
  if (CAttraction* attraction = FindShown()) Fill(*attraction, true);
}

void REraduzizUpgradeScreen::Fill(CAttraction& attraction, bool afterUpgrade) {
  ShowPrice(attraction, afterUpgrade);
  ShowPicture(attraction);
  screens::SetLiteral(nameText, attraction.displayName, kLineFormat, kNameColour);
  ShowBadges(attraction.level);
  ShowCondition(attraction.condition);
  screens::SetLiteral(levelText, m_host.Gui().GetText(kLevelText) + screens::FormatValue(" %d", attraction.level),
                      kLineFormat, kGuiBlack);
}

void REraduzizUpgradeScreen::ShowPrice(const CAttraction& attraction, bool afterUpgrade) {
  const bool possible = attraction.level < kHighestLevel && m_host.CanAfford(attraction.upgradeCost);
  if (upgradeButton) upgradeButton->SetFixedTextColour(!possible);
  const EngineString price =
      possible || !afterUpgrade ? screens::FormatValue("%d", attraction.upgradeCost) : EngineString(kNoPrice);
  screens::SetLiteral(priceText, price, kPriceFormat, kGuiBlack);
}

void REraduzizUpgradeScreen::ShowPicture(const CAttraction& attraction) {
  EngineString path = LoadBook(attraction.id);
  if (path.Length() == 0) path = EngineString(kPictureFolder) + attraction.id + kPictureExtension;
  if (picture) picture->SetBackgroundTexture(m_host.GetBaseDirectory() + path);
}

void REraduzizUpgradeScreen::ShowBadges(int32_t level) {
  const EngineString base = m_host.GetBaseDirectory();
  for (size_t k = 0; k < badges.size(); ++k) {
    if (!badges[k]) continue;
    // A level from a damaged saved game shows as many badges as there are.
    const bool reached = int32_t(k) < level;
    badges[k]->SetBackgroundTexture(base + (reached ? kLevelBadges[k] : kClearBadge));
  }
}

void REraduzizUpgradeScreen::ShowCondition(int32_t condition) {
  screens::SetLiteral(conditionText, screens::FormatValue("%d ", condition), kLineFormat, kConditionColour);
  if (conditionBar) conditionBar->SetSize(ConditionBarWidth(condition), kConditionBarHeight);
}

void REraduzizUpgradeScreen::Upgrade() {
  CAttraction* attraction = FindShown();
  // The cash counts at the click: it may have gone down since the window
  // opened.
  if (attraction && attraction->level < kHighestLevel && m_host.CanAfford(attraction->upgradeCost)) {
    const int32_t price = attraction->upgradeCost;
    m_host.BookLedgerKind(ledger::kUpgrade, attraction->objectNumber, price);
    ++attraction->level;
    attraction->condition = kFullCondition;
    m_host.AddCash(-price);
    m_host.RecordSpending(price);
    attraction->upgradeCost = UpgradePrice(attraction->level, attraction->buildCost);
  }
  FillInfo(shownNumber);
  if (ScreenSet* screens = m_host.GetScreens()) screens->RefreshStatusDisplay();
}

void REraduzizUpgradeScreen::SetRideKind(int32_t kind) {
  if (CAttraction* attraction = FindShown()) attraction->rideKind = kind;
}

void REraduzizUpgradeScreen::OpenStatistics() {
  CAttraction* attraction = FindShown();
  m_host.HideGameScreens();
  ScreenSet* screens = m_host.GetScreens();
  if (attraction && screens && screens->statisticScreen) {
    screens->statisticScreen->OpenAttractionView(shownNumber, attraction->displayName);
  }
  m_host.Flags().modal = 1;
  Post(kStatisticsId, screen_ids::kStatistic, kCmdShowPage, kStatisticsId);
}

void REraduzizUpgradeScreen::Post(int32_t sender, int32_t page, int32_t code, int32_t control) {
  m_host.Gui().PostCommand(sender, page, code, control, 0);
}

void REraduzizUpgradeScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const auto speed = std::find(kSpeedIds.begin(), kSpeedIds.end(), command.sender);
  if (speed != kSpeedIds.end()) {
    // Without the attraction the command goes on down the chain.
    if (!FindShown()) return;
    SetRideKind(int32_t(speed - kSpeedIds.begin()));
    command.sender = -1;
    return;
  }
  switch (command.sender) {
    case kUpgradeId:
      Upgrade();
      break;
    case kRepairId:
      if (CAttraction* attraction = FindShown()) m_host.AddToManagerAttractions(*attraction);
      break;
    case kAboutId:
      m_host.Flags().modal = 1;
      Post(-1, kAboutPage, kCmdShowPage, kAboutId);
      break;
    case kCloseId:
      Post(-1, kAboutPage, kCmdClosePage, kCloseId);
      Post(-1, screen_ids::kUpgrade, kCmdClosePage, kCloseId);
      m_host.Flags().modal = 0;
      break;
    case kBackId:
      Post(-1, kAboutPage, kCmdClosePage, kCloseId);
      break;
    case kStatisticsId:
      OpenStatistics();
      break;
    default:
      return;
  }
  command.sender = -1;
}
