#pragma once
// The game's one message box: a text on a page of its own over everything
// else. While it is open only it gets commands; its close button closes it
// and calls the callback that was set for the message, with the message's
// tag, so that confirmations carry out their action on the close.
//
// A callback belongs to one message: Show drops the stored one unless
// SetCallback came right before it, and the close calls it once. A message
// shown while a confirmation (a message with a callback) is open waits
// until that one is closed, so the confirmation is never lost.
#include <cstdint>
#include <deque>
#include <functional>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiTextBox;
class ScreenHost;

class REraduzizMessageWindow {
 public:
  // (context, argument 1, tag, argument 2, argument 3).
  using Callback =
      std::function<void(void* context, int32_t argument1, int32_t tag, int32_t argument2, int32_t argument3)>;

  static constexpr int32_t kPageKind2 = 10385;
  static constexpr int32_t kPageKind1 = 10388;
  static constexpr int32_t kPageKind0 = 10391;
  static constexpr int32_t kTextKind0 = 10392;
  static constexpr int32_t kTextKind1 = 10389;
  static constexpr int32_t kTextKind2 = 10386;
  static constexpr int32_t kCloseKind0 = 10393;
  static constexpr int32_t kCloseKind1 = 10390;
  static constexpr int32_t kCloseKind2 = 10387;
  static constexpr int32_t kNoTag = -1;

  // Finds its three pages and their text boxes.
  explicit REraduzizMessageWindow(ScreenHost& host);

  // For the next Show only.
  void SetCallback(Callback function, void* context, int32_t argument1, int32_t argument2, int32_t argument3);
  // Hides the game screens and shows the text on the page of that kind (0,
  // 1 or 2; every caller uses 0). A front element, when given, is brought to
  // the front of the text box's children.
  void Show(EngineString text, int32_t kind, CGuiElement* front, int32_t tag);
  // The three close buttons; true when it took the command.
  bool OnGuiCommand(GuiCommand& command);

  bool HasCallback() const { return static_cast<bool>(m_current.function); }
  int32_t GetTag() const { return m_tag; }
  size_t GetWaitingCount() const { return m_waiting.size(); }

  CGuiElement* pageKind2 = nullptr;
  CGuiElement* pageKind1 = nullptr;
  CGuiElement* pageKind0 = nullptr;
  CGuiTextBox* textKind0 = nullptr;
  CGuiTextBox* textKind1 = nullptr;
  CGuiTextBox* textKind2 = nullptr;

 private:
  struct Pending {
    Callback function;
    void* context = nullptr;
    int32_t argument1 = -1;
    int32_t argument2 = -1;
    int32_t argument3 = -1;
  };
  struct Waiting {
    EngineString text;
    int32_t kind = 0;
    CGuiElement* front = nullptr;
    int32_t tag = kNoTag;
    Pending callback;
  };

  void Open(const EngineString& text, int32_t kind, CGuiElement* front, int32_t tag);
  // The page of a close button, or -1 for any other element.
  static int32_t PageOfCloseButton(int32_t button);

  ScreenHost& m_host;
  int32_t m_tag = kNoTag;
  // Set by SetCallback for the next Show.
  Pending m_next;
  // The callback of the message on show.
  Pending m_current;
  std::deque<Waiting> m_waiting;
};
