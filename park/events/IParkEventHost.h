#pragma once
// What park events ask of the game that owns them: the event manager, the
// play mode and clock, and the park measures that event conditions compare.
// The main object implements it; with no host no event starts, and a missing
// part of the game (no character manager, no staff screen) measures 0.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class ParticleEffects;
class REraduzizEventClass;

class IParkEventHost {
 public:
  virtual ~IParkEventHost() = default;

  virtual REraduzizEventClass* GetParkEvents() = 0;

  // What an event's run does to the game, on the window thread. A host
  // without a part does nothing (and finds no particle effects).
  // The event view opens and the event camera looks from the eye at the point.
  virtual void SetEventCameraPath(const plat::Vec3& lookAt, const plat::Vec3& eye);
  virtual ParticleEffects* GetParticleEffects();
  virtual void CleanLitterAt(const plat::Vec3& position);
  // Opens (true) or closes the event view.
  virtual void QueueDialogCommand(bool open);
  // The event pop-up's part of the game: the repair-event window's chosen
  // event, the one-shot page closes, the status texts, and the modal mode
  // with every game screen closed and the build book shut.
  virtual void SelectOpenEvent(int32_t index);
  virtual void QueueFlagCommands();
  virtual void RefreshStatusDisplay();
  virtual void EnterEventPopupMode();
  virtual EngineString GetBaseDirectory() const;
  virtual bool IsTutorialMode() const = 0;
  virtual bool IsModal() const = 0;
  virtual int32_t GetClockHour() const = 0;
  virtual int32_t GetClockMinute() const = 0;
  virtual int32_t GetPathCellCount() const = 0;
  virtual int32_t GetDirtyPathCellCount() const = 0;
  virtual int32_t GetCharacterCount() const = 0;
  virtual int32_t GetHiredGardenerCount() const = 0;
  virtual CAttraction* FindObjectByName(const EngineString& name) const = 0;
  // The tutorial screen's event bytes; false and nothing when it is missing.
  virtual bool IsTutorialEventAllowed() const = 0;
  virtual void MarkTutorialEventStarted() = 0;

  // What the attractions' update asks before it lets one try an event: the
  // character manager's live visitors (-1 without a character manager), and
  // whether the tutorial stands at the step that starts its event, that
  // event not yet started (false without the tutorial screen).
  virtual int32_t GetLiveVisitorCount() const;
  virtual bool IsTutorialAtEventStep() const;
};

// Set by the main object while it lives; may be null.
extern IParkEventHost* g_parkEventHost;
