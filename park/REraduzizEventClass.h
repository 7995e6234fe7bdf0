#pragma once
// The park-event manager: reads the events description, starts the events
// that the attractions pick, keeps the open events (started and waiting for
// a solver) in the order they opened, and shows them in the event lists of
// the status panel and the repair-event window. The main object owns one;
// the world-loading sequence makes it. Everything else here runs on the
// window thread, the events' runs included (see EventRun).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"

class CAttraction;
class EventRun;
class ParkEvent;
class XmlNode;

class REraduzizEventClass {
 public:
  // Gives a loaded event to the object type its scope names; false when no
  // type takes it (the event is then dropped).
  using Attacher = std::function<bool(const EngineString& scope, ParkEvent& event)>;

  // The event pop-up and its parts, and the pages its commands address.
  static constexpr int32_t kPopupPage = 10319;
  static constexpr int32_t kPopupPicture = 10320;
  static constexpr int32_t kPopupText = 10321;
  static constexpr int32_t kPopupCloseButton = 10326;

  REraduzizEventClass();
  // The runs go without a step more: nothing they would touch may still be
  // there.
  ~REraduzizEventClass();
  REraduzizEventClass(const REraduzizEventClass&) = delete;
  REraduzizEventClass& operator=(const REraduzizEventClass&) = delete;

  // Reads the events file ("\Scenes\events\Events_NL.xml" under the base
  // directory); a broken file ends the program with the XML reader's message.
  void LoadXml(const EngineString& path, const Attacher& attach);
  // The same from the file's root element ("EventDescriptor").
  void LoadFromNode(const XmlNode& root, const Attacher& attach);

  // The event begins its run on the attraction: the event camera now, the
  // further steps from UpdateRuns; no other event starts until its pop-up
  // has closed.
  void StartEvent(ParkEvent& event, CAttraction& owner);
  // Once a frame on the window thread: every run takes the steps that are
  // due, and the busy flag drops once the event pop-up has closed, however
  // it closed.
  void UpdateRuns(uint32_t now);
  // The end of an event's run: the event opens and waits for a solver.
  static void EventPopupCallback(void* context, ParkEvent* event);
  void OpenEvent(ParkEvent& event);
  // Opens the event pop-up with the event's text and picture.
  void HandleEventPopup(ParkEvent& event);
  // A placed object goes: every event on it (running, open or with a solver
  // on the way) is reset, so that none keeps a pointer to it.
  void OnObjectRemoved(const CAttraction& object);

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
  std::vector<ParkEvent*> GetRunningEvents() const;
  // The run of the event; null when it has none.
  const EventRun* FindRun(const ParkEvent& event) const;

  std::vector<ParkEvent*> openEvents;
  uint32_t createdTick = 0;
  // The park-wide event stamp: the last start, the last refusal by the clock
  // or a modal screen, or the last standstill of the game.
  uint32_t eventStamp = 0;
  // Set while an event's sequence or pop-up is in progress; no event starts.
  uint8_t eventBusy = 0;

 private:
  void PrepareLists();
  std::unique_ptr<ParkEvent> ReadEvent(const XmlNode& element, int32_t index);
  // Drops the event's run, if it has one, and frees the park for the next.
  void DropRun(const ParkEvent& event);
  void WatchPopup();
  // Every event the manager knows of (read from the file, running or open),
  // each once.
  std::vector<ParkEvent*> KnownEvents() const;

  std::vector<std::unique_ptr<ParkEvent>> m_events;
  std::vector<std::unique_ptr<EventRun>> m_runs;
  // Set from the pop-up's opening until a frame finds it closed.
  bool m_popupOpen = false;
};
