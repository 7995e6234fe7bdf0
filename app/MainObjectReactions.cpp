// What the main object does for a clicked character: the page of a staff
// member or park character, the visitor panel with the visitor's name,
// age, moods and thoughts; the job dialog command; and the look-ups of
// object types and of the placed objects that serve visitors.
#include <cstdio>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/REraduzizRepairEventScreen.h"

namespace {

constexpr int32_t kNoSender = -1;
constexpr int32_t kGameWindow = 10068;
constexpr int32_t kOpenPage = kCmdShowPage;
constexpr int32_t kClosePage = kCmdClosePage;
constexpr int32_t kOpenControl = 10124;
constexpr int32_t kNoRowsElement = -1;

// The page a picked character opens, and the grid that must have a row
// for it (kNoRowsElement: none).
struct PickedPage {
  int32_t firstId, lastId;
  int32_t rowsElement;
  int32_t page;
};
constexpr PickedPage kPickedPages[] = {
    {1, 1, kNoRowsElement, 10410}, {2, 2, 10397, 10396},          {3, 3, 10403, 10400},
    {4, 4, kNoRowsElement, 10407}, {5, 5, kNoRowsElement, 10404}, {1000, 1999, 10414, 10413},
    {2000, 2999, 10418, 10417},    {3000, 3999, 10422, 10421},
};

// The visitor panel.
constexpr int32_t kPanelPage = 10132;
constexpr int32_t kNameText = 10134;
constexpr int32_t kAgeValue = 10140, kMoodValue = 10141, kFirstMoodValue = 10142;
constexpr int32_t kThoughtBox = 10136, kHistoryBox = 10133;
constexpr int32_t kPanelButton = 10135;
constexpr struct { int32_t element, text; } kCaptions[] = {{10137, 100225}, {10138, 100100}, {10139, 100101}};
constexpr int32_t kButtonText = 100153;
// The history box's sections in their order: the thought history first,
// then the other lists in the visitor's order.
constexpr struct { int32_t list, heading; } kHistorySections[REraduzizVisitor::kThoughtListCount] = {
    {REraduzizVisitor::kMoodThoughts, 100226},
    {REraduzizVisitor::kGreenThoughts, 100227},
    {REraduzizVisitor::kCleanThoughts, 100228},
    {REraduzizVisitor::kVisitThoughts, 100229}};
constexpr int32_t kJobDialogPage = 10394;

void SetStaticText(CGuiElement* element, int32_t textId, const EngineString& literal) {
  if (auto* text = dynamic_cast<CGuiStaticText*>(element)) {
    text->SetText(textId, literal, text->GetFormat(), text->GetColour());
  }
}

EngineString Number(int32_t value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, int(value));
  return text;
}

bool HasRows(const CGuiMainClass& gui, int32_t element) {
  if (element == kNoRowsElement) return true;
  const auto* grid = dynamic_cast<const CGuiGrid*>(gui.FindElement(element));
  return grid && grid->GetTotalRows() > 0;
}

}  // namespace

void VAvazadOvurUrovi::OnPickedItem(int32_t characterId) {
  HideGameScreens();
  for (const PickedPage& entry : kPickedPages) {
    if (characterId < entry.firstId || characterId > entry.lastId) continue;
    if (!HasRows(*this, entry.rowsElement)) return;
    // The repair-event pages send the character that was picked.
    if (repairEventScreen) repairEventScreen->pickedCharacter = characterId;
    screens->ShowPicker(entry.page);
    modalScreenOpen = 1;
    PostCommand(kNoSender, entry.page, kOpenPage, kOpenControl, 0);
    return;
  }
}

void VAvazadOvurUrovi::RefreshInfoPanel(int32_t visitorId) {
  CPorvikAiClass* manager = GetAiManager();
  const REraduzizVisitor* visitor = manager ? manager->FindCharacterById(visitorId) : nullptr;
  if (!visitor) {
    PostCommand(kGameWindow, kPanelPage, kClosePage, kGameWindow, 0);
    modalScreenOpen = 0;
    return;
  }
  HideGameScreens();
  for (const auto& caption : kCaptions) SetStaticText(FindElement(caption.element), caption.text, "");
  if (auto* button = dynamic_cast<CGuiButton*>(FindElement(kPanelButton))) {
    button->SetText(GetText(kButtonText), button->GetFormat());
  }
  const std::vector<EngineString>& names = visitor->GetNameList() == REraduzizVisitor::kManNameList
                                               ? characterTexts.GetManNames()
                                               : characterTexts.GetWomanNames();
  // A visitor without a name (a negative index) or one past the list shows none.
  const int32_t index = visitor->GetNameIndex();
  const bool named = index >= 0 && index < int32_t(names.size());
  SetStaticText(FindElement(kNameText), -1, named ? names[std::size_t(index)] : EngineString());
  const CVisitorAttributes& attributes = visitor->GetAttributes();
  SetStaticText(FindElement(kAgeValue), -1, Number(visitor->GetAge(), "%d"));
  SetStaticText(FindElement(kMoodValue), -1, Number(attributes.GetMood(), "%d%%"));
  SetStaticText(FindElement(kFirstMoodValue), -1, Number(attributes.GetFirstMood(), "%d%%"));
  if (auto* box = dynamic_cast<CGuiTextBox*>(FindElement(kThoughtBox))) {
    int32_t category = 0, sentence = 0;
    visitor->GetThought(&category, &sentence);
    box->Clear();
    box->SetText(-1, characterTexts.DescribeThought(category, sentence, visitor->GetThoughtSubject(1),
                                                    visitor->GetThoughtSubject(2)));
  }
  if (auto* box = dynamic_cast<CGuiTextBox*>(FindElement(kHistoryBox))) {
    EngineString text;
    for (const auto& section : kHistorySections) {
      const auto& records = visitor->GetThoughtList(section.list);
      if (records.empty()) continue;
      if (text.Length() > 0) text += '\n';
      text += GetText(section.heading);
      for (const auto& record : records) {
        text += '\n';
        text += characterTexts.DescribeThought(record.category, record.sentence, record.first, record.second);
      }
    }
    box->Clear();
    box->SetText(-1, text);
  }
  modalScreenOpen = 1;
  PostCommand(kGameWindow, kPanelPage, kOpenPage, kOpenControl, 0);
}

void VAvazadOvurUrovi::QueueDialogCommand(bool open) {
  if (open) {
    PostCommand(kGameWindow, kJobDialogPage, kOpenPage, kOpenControl, 0);
  } else {
    PostCommand(kGameWindow, kJobDialogPage, kClosePage, kGameWindow, 0);
  }
}

const ObjectTypeDescriptor* VAvazadOvurUrovi::FindObjectTypeByName(const EngineString& name, int32_t* index) const {
  for (int32_t i = 0; i < objectTypes.Count(); ++i) {
    if (index) *index = i;
    const ObjectTypeDescriptor* type = objectTypes.At(i);
    if (type->name == name) return type;
  }
  return nullptr;
}

void VAvazadOvurUrovi::CollectObjectsByState() { placedObjects.CollectObjectsByState(); }
