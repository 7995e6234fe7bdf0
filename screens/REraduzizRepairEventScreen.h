#pragma once
// The repair-event window: where the player answers the park events that
// wait for staff. The event window shows the chosen event's text and four
// pairs of staff-group buttons that say whether a group is the right one;
// five list pages (one per solver group, opened by clicking a staff member
// or mascot in the park) send a character to the event picked in the list.
// A dispatch pays the event's points, gives the character the event as its
// job and takes the event off the open list. It also handles the close
// button of the event pop-up.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiTextBox;
class ParkEvent;
class REraduzizEventClass;
class REraduzizMessageWindow;
class REraduzizVisitor;
class ScreenHost;

class REraduzizRepairEventScreen {
 public:
  static constexpr int32_t kEventText = 10293;
  static constexpr int32_t kCloseButton = 10294;
  static constexpr int32_t kNoEvent = -1;
  static constexpr int32_t kNoCharacter = -1;
  // The character ids that stand for the character picked in the park.
  static constexpr int32_t kPickedCleaner = 11;
  static constexpr int32_t kPickedRepairer = 12;

  // The window may be null (the GUI description lacks it); the controls are
  // found through the host's GUI manager, the message window and the status
  // panel through its screen set.
  REraduzizRepairEventScreen(ScreenHost& host, CGuiElement* window);
  // No character's job calls back into a screen that has gone.
  ~REraduzizRepairEventScreen();
  REraduzizRepairEventScreen(const REraduzizRepairEventScreen&) = delete;
  REraduzizRepairEventScreen& operator=(const REraduzizRepairEventScreen&) = delete;

  // Clicks only.
  void OnGuiCommand(GuiCommand& command);

  // Shows the open event at the index in the event window; false (nothing
  // changes) when there is none.
  bool SelectEvent(int32_t index);
  // Sends the character to the open event at the index, pays its points and
  // takes it off the open list. False, with nothing paid and the event kept,
  // when there is no such event or no such character.
  bool DispatchStaff(int32_t eventIndex, int32_t characterId);
  // Gives the character the event as its job; false when either is missing.
  bool SendStaffToEvent(ParkEvent* event, int32_t characterId);
  // Takes the open event at the index off the list (nothing outside it) and
  // rebuilds the event lists.
  void RemoveEvent(int32_t index);
  // The close of a confirmation: a yes (argument 1 is 0) to the message of
  // tag 1 dispatches the character to the event, wherever it now stands in
  // the open list; an event no longer open is left alone.
  void OnConfirmAnswer(ParkEvent* event, int32_t argument1, int32_t tag, int32_t characterId);
  // The dispatched character's job has ended: the event's attraction loses
  // its event marks.
  static void OnTaskFinished(void* context, ParkEvent* event, uint32_t parameter);

  // A list page with its controls and the character it sends, and a
  // staff-group button with the solutions it accepts (tables in the source).
  struct ListPage;
  struct AnswerButton;

  CGuiElement* window = nullptr;
  CGuiTextBox* eventText = nullptr;
  CGuiElement* closeButton = nullptr;
  EngineString frameImage;
  // Index into the open events; kNoEvent when none.
  int32_t chosenEvent = kNoEvent;
  // The id of the character picked in the park, which the cleaner and
  // repairer pages send (kNoCharacter when none); looked up when sent, so a
  // character that left meanwhile is not used.
  int32_t pickedCharacter = kNoCharacter;

 private:
  void SetCaptions();
  void ConfirmDispatch(const ListPage& page);
  void DispatchFromList(const ListPage& page);
  void Answer(const AnswerButton& button);
  void ClosePopup();
  void HidePage(int32_t sender, int32_t page);
  void ShowMessage(const EngineString& text, int32_t tag);
  REraduzizVisitor* FindCharacter(int32_t characterId) const;
  static REraduzizEventClass* Events();
  ParkEvent* OpenEventAt(int32_t index) const;

  // The message window for confirmations and answers; null when the
  // screens have none.
  REraduzizMessageWindow* MessageWindow() const;

  ScreenHost& m_host;
};
