#pragma once
// The park-event manager: reads the events description, starts the events
// that the attractions pick, keeps the open events (started and waiting for
// a solver) in the order they opened, and shows them in the event lists of
// the status panel and the repair-event window. The main object owns one;
// the world-loading sequence makes it. Everything here runs on the window
// thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"

class CAttraction;
class ParkEvent;
class XmlNode;

class REraduzizEventClass {
 public:
  // Gives a loaded event to the object type its scope names; false when no
  // type takes it (the event is then dropped).
  using Attacher = std::function<bool(const EngineString& scope, ParkEvent& event)>;
  // The run of a started event on its attraction; it ends with the event's
  // callback. While none is set, a started event opens at once.
  using RunStarter = std::function<void(ParkEvent& event, CAttraction& owner)>;

  REraduzizEventClass();
  ~REraduzizEventClass();
  REraduzizEventClass(const REraduzizEventClass&) = delete;
  REraduzizEventClass& operator=(const REraduzizEventClass&) = delete;

  // Reads the events file ("\Scenes\events\Events_NL.xml" under the base
  // directory); a broken file ends the program with the XML reader's message.
  void LoadXml(const EngineString& path, const Attacher& attach);
  // The same from the file's root element ("EventDescriptor").
  void LoadFromNode(const XmlNode& root, const Attacher& attach);

  // The event begins its run on the attraction.
  void StartEvent(ParkEvent& event, CAttraction& owner);
  // The end of an event's run: the event opens and waits for a solver.
  static void EventPopupCallback(void* context, ParkEvent* event);
  void OpenEvent(ParkEvent& event);

  // Rebuilds the status panel's event list and the solver lists from
  // `openEvents`.
  void FillEventLists();
  // Every open or running event back to idle and forgotten, the lists empty.
  void ResetAll();
  // The text of the open event at the position; empty outside the list.
  EngineString GetEventTextAt(int32_t index) const;

  // The events some object type took, in file order.
  const std::vector<std::unique_ptr<ParkEvent>>& GetEvents() const { return m_events; }
  // The events started and not yet open.
  const std::vector<ParkEvent*>& GetRunningEvents() const { return m_running; }

  std::vector<ParkEvent*> openEvents;
  uint32_t createdTick = 0;
  // The park-wide event stamp: the last start, the last refusal by the clock
  // or a modal screen, or the last standstill of the game.
  uint32_t eventStamp = 0;
  // Set while an event's sequence or pop-up is in progress; no event starts.
  uint8_t eventBusy = 0;
  RunStarter runStarter;

 private:
  void PrepareLists();
  std::unique_ptr<ParkEvent> ReadEvent(const XmlNode& element, int32_t index);

  std::vector<std::unique_ptr<ParkEvent>> m_events;
  std::vector<ParkEvent*> m_running;
};
