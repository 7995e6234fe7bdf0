#include "screens/REraduzizRepairEventScreen.h"

#include <algorithm>
#include <limits>

#include "characters/REraduzizVisitor.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/IParkEventHost.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizMessageWindow.h"
#include "screens/REraduzizObjectWindow.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizRepairEventScreen";
constexpr const char* kFrameImage = "\\images\\GuiImages\\staff_keret_bohocok.png";
constexpr int32_t kWindowId = 10292;
constexpr int32_t kNoSender = -1;
constexpr int32_t kLiteralText = -1;
constexpr int32_t kMessageKind = 0;
// The tag of a dispatch confirmation, and of an answer that expects none.
constexpr int32_t kConfirmTag = 1;
constexpr int32_t kAnswerTag = -1;
constexpr int32_t kConfirmYes = 0;
constexpr int32_t kConfirmCannotPay = 1;

// Captions of the pages' buttons.
constexpr int32_t kSendCaption = 100232;
constexpr int32_t kCloseCaption = 100233;
constexpr uint32_t kPageButtonFormat = 5;

// Texts of the messages.
constexpr int32_t kStaffText = 300000;
constexpr int32_t kWrongGroupText = 300001;
constexpr int32_t kConfirmText = 300002;
constexpr int32_t kCannotPayText = 300003;

}  // namespace

struct REraduzizRepairEventScreen::ListPage {
  int32_t page, list, send, close;
  int32_t characterId;
  bool confirm;
};

struct REraduzizRepairEventScreen::AnswerButton {
  int32_t button;
  bool (*accepts)(const EngineString& solution);
  int32_t answerText;
};

namespace {

using ListPage = REraduzizRepairEventScreen::ListPage;
using AnswerButton = REraduzizRepairEventScreen::AnswerButton;

constexpr ListPage kListPages[] = {
    {10396, 10397, 10398, 10399, 2, true},
    {10400, 10403, 10401, 10402, 3, true},
    {10413, 10414, 10415, 10416, REraduzizRepairEventScreen::kPickedCleaner, false},
    {10417, 10418, 10419, 10420, 1, false},
    {10421, 10422, 10423, 10424, REraduzizRepairEventScreen::kPickedRepairer, false},
};

// Every solution word the solver lists show is accepted by its group.
constexpr AnswerButton kAnswerButtons[] = {
    {10298, &IsCleanerSolution, 300006}, {10324, &IsCleanerSolution, 300006},
    {10297, &IsRepairSolution, 300008},  {10323, &IsRepairSolution, 300008},
    {10296, &IsMascotSolution, 300005},  {10322, &IsMascotSolution, 300005},
    {10295, &IsMascotSolution, 300004},  {10325, &IsMascotSolution, 300004},
};

// The row's cell of the column, or null without a selected row.
const GridCell* SelectedCell(const CGuiGrid& grid, int32_t column) {
  const int32_t row = grid.GetSelectedRow();
  return row < 0 ? nullptr : grid.FindCell(column, row);
}

// Points may go below zero, never round past the int32 range.
int32_t SubtractPoints(int32_t points, int32_t cost) {
  const int64_t left = int64_t(points) - int64_t(cost);
  return int32_t(std::clamp<int64_t>(left, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

REraduzizRepairEventScreen::REraduzizRepairEventScreen(ScreenHost& host, CGuiElement* window)
    : window(window), frameImage(kFrameImage), m_host(host) {
  CGuiMainClass& gui = m_host.Gui();
  eventText = screens::BindElement<CGuiTextBox>(gui, kEventText, kScreen, "text box");
  closeButton = screens::BindElement<CGuiElement>(gui, kCloseButton, kScreen, "button");
  SetCaptions();
}

REraduzizRepairEventScreen::~REraduzizRepairEventScreen() { REraduzizVisitor::ForgetJobContext(this); }

void REraduzizRepairEventScreen::SetCaptions() {
  CGuiMainClass& gui = m_host.Gui();
  for (const ListPage& page : kListPages) {
    const struct {
      int32_t id, caption;
    } buttons[] = {{page.send, kSendCaption}, {page.close, kCloseCaption}};
    for (const auto& entry : buttons) {
      auto* button = screens::BindElement<CGuiButton>(gui, entry.id, kScreen, "button");
      if (button) button->SetText(gui.GetText(entry.caption), kPageButtonFormat);
    }
  }
}

REraduzizEventClass* REraduzizRepairEventScreen::Events() {
  return g_parkEventHost ? g_parkEventHost->GetParkEvents() : nullptr;
}

ParkEvent* REraduzizRepairEventScreen::OpenEventAt(int32_t index) const {
  REraduzizEventClass* events = Events();
  if (!events || index < 0 || size_t(index) >= events->openEvents.size()) return nullptr;
  return events->openEvents[size_t(index)];
}

bool REraduzizRepairEventScreen::SelectEvent(int32_t index) {
  REraduzizEventClass* events = Events();
  const EngineString text = events ? events->GetEventTextAt(index) : EngineString();
  if (text.Length() == 0) return false;
  if (eventText) {
    eventText->Clear();
    eventText->SetText(kLiteralText, text);
  }
  if (window) {
    const IParkEventHost* host = g_parkEventHost;
    window->SetBackgroundTexture((host ? host->GetBaseDirectory() : EngineString()) + frameImage);
  }
  chosenEvent = index;
  return true;
}

bool REraduzizRepairEventScreen::DispatchStaff(int32_t eventIndex, int32_t characterId) {
  ParkEvent* event = OpenEventAt(eventIndex);
  // A character that is not there would take the event with it unsolved.
  if (!event || !FindCharacter(characterId)) return false;
  chosenEvent = eventIndex;
  int32_t& points = m_host.PointCounter();
  points = SubtractPoints(points, event->twinkleForSolution);
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->objectWindow) screens->objectWindow->UpdatePoints();
  SendStaffToEvent(event, characterId);
  RemoveEvent(eventIndex);
  return true;
}

bool REraduzizRepairEventScreen::SendStaffToEvent(ParkEvent* event, int32_t characterId) {
  REraduzizVisitor* character = event ? FindCharacter(characterId) : nullptr;
  if (!character) return false;
  character->SetJobContext(0, this);
  character->SetJobCallback(&REraduzizRepairEventScreen::OnTaskFinished, this, uint32_t(chosenEvent));
  character->SendToObject(event);
  pickedCharacter = kNoCharacter;
  return true;
}

void REraduzizRepairEventScreen::RemoveEvent(int32_t index) {
  REraduzizEventClass* events = Events();
  if (!events || index < 0 || size_t(index) >= events->openEvents.size()) return;
  events->openEvents.erase(events->openEvents.begin() + index);
  events->FillEventLists();
}

void REraduzizRepairEventScreen::OnConfirmAnswer(ParkEvent* event, int32_t argument1, int32_t tag,
                                                 int32_t characterId) {
  REraduzizEventClass* events = Events();
  if (!events || !event || tag != kConfirmTag || argument1 != kConfirmYes) return;
  const auto found = std::find(events->openEvents.begin(), events->openEvents.end(), event);
  if (found == events->openEvents.end()) return;
  DispatchStaff(int32_t(found - events->openEvents.begin()), characterId);
}

void REraduzizRepairEventScreen::OnTaskFinished(void* context, ParkEvent* event, uint32_t /*parameter*/) {
  if (!context || !event || !event->owner) return;
  CAttraction& attraction = *event->owner;
  attraction.eventRunning = 0;
  attraction.eventAnimActive = 0;
  attraction.eventAnimName = "";
}

REraduzizVisitor* REraduzizRepairEventScreen::FindCharacter(int32_t characterId) const {
  const bool picked = characterId == kPickedCleaner || characterId == kPickedRepairer;
  const int32_t id = picked ? pickedCharacter : characterId;
  return id == kNoCharacter ? nullptr : m_host.FindCharacterById(id);
}

void REraduzizRepairEventScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const int32_t sender = command.sender;
  for (const ListPage& page : kListPages) {
    if (sender == page.send) {
      if (page.confirm) {
        ConfirmDispatch(page);
      } else {
        DispatchFromList(page);
      }
    } else if (sender == page.close) {
      HidePage(sender, page.page);
      m_host.Flags().modal = 0;
    } else {
      continue;
    }
    command.sender = kNoSender;
    return;
  }
  for (const AnswerButton& button : kAnswerButtons) {
    if (sender != button.button) continue;
    Answer(button);
    command.sender = kNoSender;
    return;
  }
  if (sender == kCloseButton) {
    HidePage(sender, kWindowId);
    m_host.Flags().modal = 0;
    chosenEvent = kNoEvent;
    command.sender = kNoSender;
  } else if (sender == REraduzizEventClass::kPopupCloseButton) {
    ClosePopup();
    command.sender = kNoSender;
  }
}

void REraduzizRepairEventScreen::ConfirmDispatch(const ListPage& page) {
  CGuiMainClass& gui = m_host.Gui();
  const auto* list = dynamic_cast<const CGuiGrid*>(gui.FindElement(page.list));
  const GridCell* name = list ? SelectedCell(*list, 0) : nullptr;
  const GridCell* cost = list ? SelectedCell(*list, 1) : nullptr;
  ParkEvent* event = name ? OpenEventAt(name->data) : nullptr;
  REraduzizMessageWindow* messageWindow = MessageWindow();
  if (event && cost && messageWindow) {
    const bool canPay = cost->data <= m_host.PointCounter();
    EngineString text = gui.GetText(canPay ? kConfirmText : kCannotPayText);
    if (canPay) {
      text.Replace("[XX]", cost->text.CStr());
      text.Replace("[EVENT]", name->text.CStr());
    }
    // The confirmation holds the event itself: its place in the open list
    // may change before the player answers.
    messageWindow->SetCallback(
        [this, event](void*, int32_t argument1, int32_t tag, int32_t, int32_t characterId) {
          OnConfirmAnswer(event, argument1, tag, characterId);
        },
        this, canPay ? kConfirmYes : kConfirmCannotPay, name->data, page.characterId);
    ShowMessage(text, kConfirmTag);
  }
  HidePage(page.send, page.page);
}

void REraduzizRepairEventScreen::DispatchFromList(const ListPage& page) {
  const auto* list = dynamic_cast<const CGuiGrid*>(m_host.Gui().FindElement(page.list));
  if (const GridCell* name = list ? SelectedCell(*list, 0) : nullptr) DispatchStaff(name->data, page.characterId);
  HidePage(page.send, page.page);
  m_host.Flags().modal = 0;
}

void REraduzizRepairEventScreen::Answer(const AnswerButton& button) {
  if (const ParkEvent* event = OpenEventAt(chosenEvent)) {
    CGuiMainClass& gui = m_host.Gui();
    const bool right = button.accepts(event->solution);
    ShowMessage(right ? gui.GetText(kStaffText) + " " + gui.GetText(button.answerText) : gui.GetText(kWrongGroupText),
                kAnswerTag);
  }
  if (g_parkEventHost) g_parkEventHost->QueueDialogCommand(false);
  chosenEvent = kNoEvent;
}

void REraduzizRepairEventScreen::ClosePopup() {
  if (g_parkEventHost) g_parkEventHost->QueueDialogCommand(false);
  if (REraduzizEventClass* events = Events()) events->eventBusy = 0;
  HidePage(REraduzizEventClass::kPopupCloseButton, REraduzizEventClass::kPopupPage);
  m_host.Flags().modal = 0;
  chosenEvent = kNoEvent;
}

void REraduzizRepairEventScreen::HidePage(int32_t sender, int32_t page) {
  m_host.Gui().PostCommand(sender, page, kCmdClosePage, sender, 0);
}

REraduzizMessageWindow* REraduzizRepairEventScreen::MessageWindow() const {
  ScreenSet* screens = m_host.GetScreens();
  return screens ? screens->messageWindow.get() : nullptr;
}

void REraduzizRepairEventScreen::ShowMessage(const EngineString& text, int32_t tag) {
  if (REraduzizMessageWindow* messageWindow = MessageWindow()) messageWindow->Show(text, kMessageKind, nullptr, tag);
}
