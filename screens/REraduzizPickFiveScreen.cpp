#include "screens/REraduzizPickFiveScreen.h"

#include "gui/widgets/CGuiTextBox.h"
#include "platform/os/Random.h"
#include "screens/ScreenBinding.h"

namespace {

constexpr const char* kScreen = "REraduzizPickFiveScreen";
constexpr int32_t kTextBox = 10406;
constexpr int32_t kCloseButton = 10405;
constexpr int32_t kRatingStep = 20;
constexpr int32_t kRatedSteps = 5;
constexpr int32_t kFirstRatedCategory = 20;
constexpr int32_t kOtherCategory = 19;

}  // namespace

REraduzizPickFiveScreen::REraduzizPickFiveScreen(ScreenHost& host, CGuiElement* window)
    : PickerPopup(host, window, kCloseButton, kScreen) {
  if (window) content = screens::BindElement<CGuiTextBox>(host.Gui(), kTextBox, kScreen, "text box");
}

SentenceChoice REraduzizPickFiveScreen::ChooseSentence(int32_t rating, int draw) {
  if (rating < 0 || rating % kRatingStep != 0 || rating / kRatingStep >= kRatedSteps) return {kOtherCategory, 0};
  return {kFirstRatedCategory + draw % 2, kRatedSteps - 1 - rating / kRatingStep};
}

void REraduzizPickFiveScreen::Show() {
  const SentenceChoice choice = ChooseSentence(m_host.GetSecondParkRating(), plat::Rand());
  ShowThoughtSentence(m_host, content, choice.category, choice.index);
}
