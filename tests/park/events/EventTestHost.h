#pragma once
// A park for event tests: settable measures, a tutorial screen's bytes, the
// placed objects found by name, and the manager the attractions use.
#include <map>
#include <string>
#include <vector>

#include "park/REraduzizEventClass.h"
#include "park/events/EventRun.h"
#include "park/events/IParkEventHost.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"

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

  void SetEventCameraPath(const plat::Vec3& lookAt, const plat::Vec3& eye) override {
    cameraLookAt = lookAt;
    cameraEye = eye;
    ++cameraCalls;
  }
  ParticleEffects* GetParticleEffects() override { return particles; }
  void CleanLitterAt(const plat::Vec3& position) override { cleanedLitter.push_back(position); }
  void QueueDialogCommand(bool open) override { dialogCommands.push_back(open); }
  void SelectOpenEvent(int32_t index) override { selectedOpenEvent = index; }
  void EnterEventPopupMode() override { ++popupModeCalls; }

  REraduzizEventClass* manager = nullptr;
  bool tutorial = false;
  bool modal = false;
  int32_t hour = 14, minute = 0;
  int32_t pathCells = 0, dirtyCells = 0, characters = 0, gardeners = 0;
  std::map<std::string, CAttraction*> objects;
  bool tutorialEventAllowed = false;
  bool tutorialEventStarted = false;

  plat::Vec3 cameraLookAt, cameraEye;
  int cameraCalls = 0;
  ParticleEffects* particles = nullptr;
  std::vector<plat::Vec3> cleanedLitter;
  std::vector<bool> dialogCommands;
  int32_t selectedOpenEvent = -2;
  int popupModeCalls = 0;
  int32_t liveVisitors = -1;  // no character manager
  bool tutorialAtEventStep = false;
};

// Frames of this length step the runs until every run has opened its event
// and the busy flag has dropped, for at most the longest run.
constexpr uint32_t kFrameMs = 100;
constexpr uint32_t kLongestRunMs = 2 * EventRun::kStepPauseMs + EventRun::kAnimationWaitLimitMs + kFrameMs;
inline void FinishRuns(REraduzizEventClass& manager, plat::FakeClock& clock) {
  for (uint32_t waited = 0; waited <= kLongestRunMs; waited += kFrameMs) {
    if (manager.GetRunningEvents().empty() && manager.eventBusy == 0) return;
    clock.AdvanceMs(kFrameMs);
    manager.UpdateRuns(plat::TickCount());
  }
}

}  // namespace eventtest
