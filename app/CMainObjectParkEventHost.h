#pragma once
// The main object as the park events see it: the event manager once the
// world loading has made it, the play mode and clock, the park measures of
// the event conditions, and what an event's run does to the game (the event
// camera, the particle effects, the litter, the pop-up's screens). Installs
// itself while it lives.
#include "park/events/IParkEventHost.h"

class VAvazadOvurUrovi;

class CMainObjectParkEventHost : public IParkEventHost {
 public:
  explicit CMainObjectParkEventHost(VAvazadOvurUrovi& game);
  ~CMainObjectParkEventHost() override;
  CMainObjectParkEventHost(const CMainObjectParkEventHost&) = delete;
  CMainObjectParkEventHost& operator=(const CMainObjectParkEventHost&) = delete;

  // Null until the world loading is over: the loading thread makes the
  // manager, and only its done flag tells the window thread it may look.
  REraduzizEventClass* GetParkEvents() override;
  bool IsTutorialMode() const override;
  bool IsModal() const override;
  int32_t GetClockHour() const override;
  int32_t GetClockMinute() const override;
  int32_t GetPathCellCount() const override;
  int32_t GetDirtyPathCellCount() const override;
  int32_t GetCharacterCount() const override;
  // The staff window's count of hired gardeners; 0 without it.
  int32_t GetHiredGardenerCount() const override;
  CAttraction* FindObjectByName(const EngineString& name) const override;
  // The tutorial screen's event bytes; no event without the screen.
  bool IsTutorialEventAllowed() const override;
  void MarkTutorialEventStarted() override;
  // The park-event lesson is current and its event has not started.
  bool IsTutorialAtEventStep() const override;
  // -1 without a character manager.
  int32_t GetLiveVisitorCount() const override;

  // The camera point list's second entry becomes the event camera; a list
  // without it keeps its views and only the event view opens.
  void SetEventCameraPath(const plat::Vec3& lookAt, const plat::Vec3& eye) override;
  ParticleEffects* GetParticleEffects() override;
  void CleanLitterAt(const plat::Vec3& position) override;
  void QueueDialogCommand(bool open) override;
  void SelectOpenEvent(int32_t index) override;
  void QueueFlagCommands() override;
  void RefreshStatusDisplay() override;
  void EnterEventPopupMode() override;
  EngineString GetBaseDirectory() const override;

 private:
  VAvazadOvurUrovi& m_game;
};
