#pragma once
// A park for event tests: settable measures, a tutorial screen's bytes, the
// placed objects found by name, and the manager the attractions use.
#include <map>
#include <string>

#include "park/REraduzizEventClass.h"
#include "park/events/IParkEventHost.h"
#include "park/objects/CAttraction.h"

namespace eventtest {

class TestEventHost : public IParkEventHost {
 public:
  TestEventHost() { g_parkEventHost = this; }
  ~TestEventHost() override { g_parkEventHost = nullptr; }

  REraduzizEventClass* GetParkEvents() override { return manager; }
  bool IsTutorialMode() const override { return tutorial; }
  bool IsModal() const override { return modal; }
  int32_t GetClockHour() const override { return hour; }
  int32_t GetClockMinute() const override { return minute; }
  int32_t GetPathCellCount() const override { return pathCells; }
  int32_t GetDirtyPathCellCount() const override { return dirtyCells; }
  int32_t GetCharacterCount() const override { return characters; }
  int32_t GetHiredGardenerCount() const override { return gardeners; }
  CAttraction* FindObjectByName(const EngineString& name) const override {
    const auto found = objects.find(name.Std());
    return found != objects.end() ? found->second : nullptr;
  }
  bool IsTutorialEventAllowed() const override { return tutorialEventAllowed; }
  void MarkTutorialEventStarted() override { tutorialEventStarted = true; }
  int32_t GetLiveVisitorCount() const override { return liveVisitors; }
  bool IsTutorialAtEventStep() const override { return tutorialAtEventStep; }

  REraduzizEventClass* manager = nullptr;
  bool tutorial = false;
  bool modal = false;
  int32_t hour = 14, minute = 0;
  int32_t pathCells = 0, dirtyCells = 0, characters = 0, gardeners = 0;
  std::map<std::string, CAttraction*> objects;
  bool tutorialEventAllowed = false;
  bool tutorialEventStarted = false;
  int32_t liveVisitors = -1;  // no character manager
  bool tutorialAtEventStep = false;
};

}  // namespace eventtest
