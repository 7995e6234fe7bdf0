#include "screens/REraduzizTicketScreen.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"

namespace {

constexpr const char* kScreen = "REraduzizTicketScreen";
constexpr int32_t kCaptionText = 100102;
constexpr int32_t kUnitText = 100127;
constexpr int32_t kOkText = 100154;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kCaptionFormat = 1;
constexpr uint32_t kPriceFormat = 0;
constexpr GuiColour kCaptionColour{255, 128, 0, 0};

}  // namespace

REraduzizTicketScreen::REraduzizTicketScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  plusButton = screens::BindChild<CGuiButton>(window, kPlusId, kScreen, "button");
  minusButton = screens::BindChild<CGuiButton>(window, kMinusId, kScreen, "button");
  okButton = screens::BindChild<CGuiButton>(window, kOkId, kScreen, "button");
  captionText = screens::BindChild<CGuiStaticText>(window, kCaptionId, kScreen, "static text");
  unitText = screens::BindChild<CGuiStaticText>(window, kUnitId, kScreen, "static text");
  priceText = screens::BindChild<CGuiStaticText>(window, kPriceId, kScreen, "static text");
  screens::SetButtonCaption(m_host.Gui(), okButton, kOkText, kButtonFormat);
  Refresh();
}

int32_t REraduzizTicketScreen::ShownPrice() const { return m_host.TicketPrice() + pendingChange; }

void REraduzizTicketScreen::Refresh() {
  if (!window) return;
  screens::SetCaption(captionText, kCaptionText, kCaptionFormat, kCaptionColour);
  screens::SetCaption(unitText, kUnitText, kCaptionFormat, kCaptionColour);
  screens::SetLiteral(priceText, screens::FormatValue("%d ", ShownPrice()), kPriceFormat, kGuiBlack);
}

void REraduzizTicketScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kPlusId:
      if (ShownPrice() < kMaxPrice) ++pendingChange;
      Refresh();
      break;
    case kMinusId:
      if (ShownPrice() > kMinPrice) --pendingChange;
      Refresh();
      break;
    case kOkId:
      m_host.TicketPrice() += pendingChange;
      pendingChange = 0;
      // The overview stays open beside it, and so does the modal flag.
      m_host.Gui().PostCommand(-1, screen_ids::kTicket, kCmdClosePage, kOkId, 0);
      break;
    default:
      return;
  }
  command.sender = -1;
}
