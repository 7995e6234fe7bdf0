#pragma once
// The information and upgrade window of one attraction: its picture, name
// and description from the build book, its condition as a bar and a
// number, its upgrade level as badges, the price of the next upgrade, the
// ride's speed class, and the way to its statistics. The attraction list
// and a click on the attraction's icon in the park open it.
//
// The window names the attraction by its number, which stays its own for
// the whole game: an attraction removed meanwhile is simply not found.
#include <array>
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CAttraction;
struct BookItem;
class CGuiButton;
class CGuiStaticText;
class CGuiTextBox;
class ScreenHost;

class REraduzizUpgradeScreen {
 public:
  static constexpr int32_t kUpgradeId = 10278;
  static constexpr int32_t kRepairId = 10279;
  static constexpr int32_t kAboutId = 10285;
  static constexpr int32_t kCloseId = 10286;
  static constexpr int32_t kStatisticsId = 10287;
  static constexpr int32_t kBackId = 10341;
  static constexpr int32_t kAboutPage = 10339;
  static constexpr int32_t kPriceId = 10282;
  static constexpr int32_t kNameId = 10283;
  static constexpr std::array<int32_t, 3> kBadgeIds = {10270, 10271, 10272};
  // Slow, normal, fast: the ride kinds 0, 1, 2.
  static constexpr std::array<int32_t, 3> kSpeedIds = {10291, 10289, 10290};
  static constexpr int32_t kPictureId = 10274;
  static constexpr int32_t kConditionBarId = 10276;
  static constexpr int32_t kConditionTextId = 10277;
  static constexpr int32_t kLevelTextId = 10284;
  static constexpr int32_t kDescriptionId = 10340;
  static constexpr int32_t kHighestLevel = 3;
  // The bar is this wide at a condition of 100, and this high.
  static constexpr float kConditionBarScale = 2.56f;
  static constexpr int32_t kConditionBarHeight = 22;
  static constexpr int32_t kFullCondition = 100;

  // The window may be null (the GUI description lacks it): nothing is bound.
  REraduzizUpgradeScreen(ScreenHost& host, CGuiElement* window);

  // Fills the panel for the attraction.
  void ShowAttraction(CAttraction& attraction);
  // Fills it for the attraction with the number (after an upgrade); the
  // price reads "-" when no upgrade is possible.
  void FillInfo(int32_t number);
  // The book's description of the type into the text box; the picture path
  // (below the base directory), empty when the book has no entry.
  EngineString LoadBook(const EngineString& typeName);
  void OnGuiCommand(GuiCommand& command);

  // The price of the upgrade after the level.
  static int32_t UpgradePrice(int32_t level, int32_t buildCost);
  // The bar's width for a condition, within 0 and the full bar.
  static int32_t ConditionBarWidth(int32_t condition);

  CGuiElement* window = nullptr;
  CGuiStaticText* priceText = nullptr;
  CGuiStaticText* nameText = nullptr;
  std::array<CGuiElement*, 3> badges{};
  std::array<CGuiButton*, 3> speedButtons{};
  CGuiElement* picture = nullptr;
  CGuiElement* conditionBar = nullptr;
  CGuiStaticText* conditionText = nullptr;
  CGuiButton* upgradeButton = nullptr;
  CGuiStaticText* levelText = nullptr;
  CGuiTextBox* description = nullptr;
  int32_t shownNumber = -1;

 private:
  void Fill(CAttraction& attraction, bool afterUpgrade);
  void ShowPrice(const CAttraction& attraction, bool afterUpgrade);
  void ShowPicture(const CAttraction& attraction);
  void ShowBadges(int32_t level);
  void ShowCondition(int32_t condition);
  CAttraction* FindShown() const;
  const BookItem* FindBookItem(const EngineString& typeName) const;
  void Upgrade();
  void SetRideKind(int32_t kind);
  void OpenStatistics();
  void Post(int32_t sender, int32_t page, int32_t code, int32_t control);

  ScreenHost& m_host;
};
