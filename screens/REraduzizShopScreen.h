#pragma once
// The sweet shop window: the prices of the six products of the park's
// sweet shops. Plus and minus change a pending amount per product while the
// window is open; its close button makes them the prices. The buttons only
// take clicks while a sweet shop stands in the park. Visitors pay these
// prices, and the saved game keeps the slots.
#include <array>
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiStaticText;
class ScreenHost;

class REraduzizShopScreen {
 public:
  static constexpr int kSlotCount = 6;
  static constexpr int32_t kCloseId = 10200;
  static constexpr int32_t kTitleId = 10199;
  static constexpr int32_t kFirstNameId = 10201;
  static constexpr int32_t kFirstPriceId = 10207;
  // Plus of slot k is 10213 + 2k, its minus the id after.
  static constexpr int32_t kFirstPlusId = 10213;
  static constexpr int32_t kMinPrice = 1;
  // Far above what a visitor pays, far below an overflow.
  static constexpr int32_t kMaxPrice = 9999;
  static constexpr std::array<int32_t, kSlotCount> kConstructionPrices = {10, 25, 35, 22, 18, 6};
  static constexpr std::array<int32_t, kSlotCount> kNewGamePrices = {1, 2, 3, 2, 1, 4};

  struct ProductSlot {
    // Set from the text table on every fill.
    EngineString name;
    int32_t price = 0;
  };

  // The window may be null (the GUI description lacks it): the slots still
  // get their prices, and nothing is bound.
  REraduzizShopScreen(ScreenHost& host, CGuiElement* window);

  // Names and prices with the pending changes; the buttons locked unless a
  // sweet shop stands.
  void FillProducts();
  // The prices of a new game, nothing pending.
  void Reset();
  void ClearPending();
  void OnGuiCommand(GuiCommand& command);
  // True while a sweet shop stands in the park.
  bool ShopStands() const;

  CGuiElement* window = nullptr;
  std::array<CGuiButton*, kSlotCount> plusButtons{};
  std::array<CGuiButton*, kSlotCount> minusButtons{};
  CGuiButton* closeButton = nullptr;
  CGuiStaticText* title = nullptr;
  std::array<CGuiStaticText*, kSlotCount> nameTexts{};
  std::array<CGuiStaticText*, kSlotCount> priceTexts{};
  std::array<ProductSlot, kSlotCount> slots{};
  std::array<int32_t, kSlotCount> pending{};

 private:
  // The slot of a plus (or minus) button, or -1.
  static int SlotOfButton(int32_t id, bool minus);
  void Commit();

  ScreenHost& m_host;
};
