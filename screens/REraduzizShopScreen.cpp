#include "screens/REraduzizShopScreen.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"

namespace {

constexpr const char* kScreen = "REraduzizShopScreen";
constexpr int32_t kTitleText = 100111;
constexpr int32_t kFirstNameText = 100112;
constexpr int32_t kCloseText = 100154;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kTitleFormat = 1;
constexpr uint32_t kLineFormat = 0;
constexpr GuiColour kNameColour{255, 128, 0, 0};
constexpr const char* kShopNames[] = {"Shop_quessle01", "Shop_quessle02"};

}  // namespace

REraduzizShopScreen::REraduzizShopScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  for (int k = 0; k < kSlotCount; ++k) slots[k].price = kConstructionPrices[k];
  if (!window) return;
  for (int k = 0; k < kSlotCount; ++k) {
    plusButtons[k] = screens::BindChild<CGuiButton>(window, kFirstPlusId + 2 * k, kScreen, "button");
    minusButtons[k] = screens::BindChild<CGuiButton>(window, kFirstPlusId + 2 * k + 1, kScreen, "button");
    nameTexts[k] = screens::BindChild<CGuiStaticText>(window, kFirstNameId + k, kScreen, "static text");
    priceTexts[k] = screens::BindChild<CGuiStaticText>(window, kFirstPriceId + k, kScreen, "static text");
  }
  closeButton = screens::BindChild<CGuiButton>(window, kCloseId, kScreen, "button");
  title = screens::BindChild<CGuiStaticText>(window, kTitleId, kScreen, "static text");
  screens::SetButtonCaption(m_host.Gui(), closeButton, kCloseText, kButtonFormat);
  FillProducts();
}

bool REraduzizShopScreen::ShopStands() const {
  for (const char* name : kShopNames) {
    if (m_host.ObjectExists(name)) return true;
  }
  return false;
}

void REraduzizShopScreen::FillProducts() {
  screens::SetCaption(title, kTitleText, kTitleFormat, kNameColour);
  for (int k = 0; k < kSlotCount; ++k) {
    slots[k].name = m_host.Gui().GetText(kFirstNameText + k);
    screens::SetLiteral(nameTexts[k], slots[k].name, kLineFormat, kNameColour);
    screens::SetLiteral(priceTexts[k], screens::FormatValue("%d ", slots[k].price + pending[k]), kLineFormat,
                        kGuiBlack);
  }
  // Without a sweet shop the buttons keep one look and ignore the mouse.
  const bool locked = !ShopStands();
  for (int k = 0; k < kSlotCount; ++k) {
    if (plusButtons[k]) plusButtons[k]->SetFixedTextColour(locked);
    if (minusButtons[k]) minusButtons[k]->SetFixedTextColour(locked);
  }
}

void REraduzizShopScreen::Reset() {
  for (int k = 0; k < kSlotCount; ++k) slots[k].price = kNewGamePrices[k];
  ClearPending();
  FillProducts();
}

void REraduzizShopScreen::ClearPending() { pending.fill(0); }

int REraduzizShopScreen::SlotOfButton(int32_t id, bool minus) {
  const int32_t offset = id - kFirstPlusId - (minus ? 1 : 0);
  if (offset < 0 || offset % 2 != 0 || offset / 2 >= kSlotCount) return -1;
  return offset / 2;
}

void REraduzizShopScreen::Commit() {
  for (int k = 0; k < kSlotCount; ++k) slots[k].price += pending[k];
  ClearPending();
}

void REraduzizShopScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const int plus = SlotOfButton(command.sender, false);
  const int minus = SlotOfButton(command.sender, true);
  if (plus >= 0) {
    if (slots[plus].price + pending[plus] < kMaxPrice) ++pending[plus];
    FillProducts();
  } else if (minus >= 0) {
    if (slots[minus].price + pending[minus] > kMinPrice) --pending[minus];
    FillProducts();
  } else if (command.sender == kCloseId) {
    Commit();
    m_host.Gui().PostCommand(-1, screen_ids::kShop, kCmdClosePage, kCloseId, 0);
  } else {
    return;
  }
  command.sender = -1;
}
