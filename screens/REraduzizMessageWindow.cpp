#include "screens/REraduzizMessageWindow.h"

#include <utility>

#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"

namespace {

constexpr const char* kScreen = "REraduzizMessageWindow";
constexpr const char* kPage = "page";
constexpr const char* kTextBox = "text box";

CGuiElement* FindPage(CGuiMainClass& gui, int32_t id) {
  return screens::BindElement<CGuiElement>(gui, id, kScreen, kPage);
}

}  // namespace

REraduzizMessageWindow::REraduzizMessageWindow(ScreenHost& host) : m_host(host) {
  CGuiMainClass& gui = host.Gui();
  pageKind2 = FindPage(gui, kPageKind2);
  pageKind1 = FindPage(gui, kPageKind1);
  pageKind0 = FindPage(gui, kPageKind0);
  textKind0 = screens::BindChild<CGuiTextBox>(pageKind0, kTextKind0, kScreen, kTextBox);
  textKind1 = screens::BindChild<CGuiTextBox>(pageKind1, kTextKind1, kScreen, kTextBox);
  textKind2 = screens::BindChild<CGuiTextBox>(pageKind2, kTextKind2, kScreen, kTextBox);
}

void REraduzizMessageWindow::SetCallback(Callback function, void* context, int32_t argument1, int32_t argument2,
                                         int32_t argument3) {
  m_next = Pending{std::move(function), context, argument1, argument2, argument3};
}

void REraduzizMessageWindow::Show(EngineString text, int32_t kind, CGuiElement* front, int32_t tag) {
  Pending callback = std::exchange(m_next, Pending{});
  if (m_host.Flags().messageOpen && m_current.function) {
    m_waiting.push_back(Waiting{std::move(text), kind, front, tag, std::move(callback)});
    return;
  }
  m_current = std::move(callback);
  Open(text, kind, front, tag);
}

void REraduzizMessageWindow::Open(const EngineString& text, int32_t kind, CGuiElement* front, int32_t tag) {
  m_host.HideGameScreens();
  m_tag = tag;
  int32_t page = -1;
  CGuiTextBox* box = nullptr;
  switch (kind) {
    case 0:
      page = kPageKind0;
      box = textKind0;
      break;
    case 1:
      page = kPageKind1;
      box = textKind1;
      break;
    case 2:
      page = kPageKind2;
      box = textKind2;
      break;
    default:
      break;
  }
  if (!box) {
    // Nothing to show it on: the message and its callback are dropped.
    m_current = Pending{};
    return;
  }
  if (front) box->BringChildToFront(front);
  box->Clear();
  box->SetText(-1, text);
  m_host.Gui().PostCommand(-1, page, kCmdShowPage, kCloseKind0, 0);
  ScreenFlags& flags = m_host.Flags();
  flags.messageOpen = 1;
  flags.modal = 1;
}

int32_t REraduzizMessageWindow::PageOfCloseButton(int32_t button) {
  switch (button) {
    case kCloseKind2:
      return kPageKind2;
    case kCloseKind1:
      return kPageKind1;
    case kCloseKind0:
      return kPageKind0;
    default:
      return -1;
  }
}

bool REraduzizMessageWindow::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return false;
  const int32_t button = command.sender;
  const int32_t page = PageOfCloseButton(button);
  if (page < 0) return false;
  CGuiMainClass& gui = m_host.Gui();
  ScreenFlags& flags = m_host.Flags();
  gui.PostCommand(-1, page, kCmdClosePage, button, 0);
  flags.modal = 0;
  if (flags.returnToScenario) {
    flags.gameRunning = 0;
    flags.returnToScenario = 0;
    flags.messageOpen = 0;
    flags.modal = 1;
    gui.PostCommand(-1, screen_ids::kScenario, kCmdOpenPageForced, button, 0);
  } else {
    flags.messageOpen = 0;
    flags.gameRunning = 1;
  }
  // Taken out first: the callback may show the next message.
  const Pending callback = std::exchange(m_current, Pending{});
  if (callback.function) {
    callback.function(callback.context, callback.argument1, m_tag, callback.argument2, callback.argument3);
  }
  command.sender = -1;
  if (!m_waiting.empty() && !flags.messageOpen) {
    Waiting next = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_current = std::move(next.callback);
    Open(next.text, next.kind, next.front, next.tag);
  }
  return true;
}
