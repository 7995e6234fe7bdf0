#include "screens/REraduzizPickFourScreen.h"

#include "gui/widgets/CGuiTextBox.h"
#include "screens/ScreenBinding.h"

namespace {

constexpr const char* kScreen = "REraduzizPickFourScreen";
constexpr int32_t kTextBox = 10409;
constexpr int32_t kCloseButton = 10408;
constexpr int32_t kRatingStep = 20;
constexpr int32_t kRatedSteps = 5;
constexpr int32_t kRatedCategory = 19;
constexpr int32_t kOtherCategory = 20;

}  // namespace

REraduzizPickFourScreen::REraduzizPickFourScreen(ScreenHost& host, CGuiElement* window)
    : PickerPopup(host, window, kCloseButton, kScreen) {
  if (window) content = screens::BindElement<CGuiTextBox>(host.Gui(), kTextBox, kScreen, "text box");
}

SentenceChoice REraduzizPickFourScreen::ChooseSentence(int32_t rating) {
  if (rating < 0 || rating % kRatingStep != 0 || rating / kRatingStep >= kRatedSteps) return {kOtherCategory, 0};
  return {kRatedCategory, rating / kRatingStep};
}

void REraduzizPickFourScreen::Show() {
  const SentenceChoice choice = ChooseSentence(m_host.GetFirstParkRating());
  ShowThoughtSentence(m_host, content, choice.category, choice.index);
}
