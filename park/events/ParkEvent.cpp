#include "park/events/ParkEvent.h"

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"

ParkEvent::ParkEvent() { SetDefaults(); }

ParkEvent::~ParkEvent() { SetDefaults(); }

void ParkEvent::SetDefaults() {
  id = "";
  type = kUnset;
  shortName = "";
  reason = "";
  reasonOperator = "";
  reasonValue = "";
  reasonAdditionalAttrNeeded = "";
  eventText = "";
  solution = "";
  scope = "";
  effect = kUnset;
  soundEffect = "";
  soundEffectName = "";
  index = kUnset;
  bookImage = "";
  solverDistance = kUnset;
  cameraDistance = kUnset;
  twinkleForSolution = 0;
  cameraTallPosition = kDefaultCameraTallPosition;
  cameraOrientation = 0;
  animStopNeeded = 0;
  assigned = 0;
  lastStartTick = plat::TickCount();
  lastMetTick = lastStartTick;
  waitingForAnimEnd = 0;
  owner = nullptr;
  extraObject = nullptr;
  savedHeight = kNoSavedHeight;
  callback = nullptr;
  callbackContext = nullptr;
}

void ParkEvent::SetCallback(ParkEventCallback function, void* context) {
  callback = function;
  callbackContext = context;
}

void ParkEvent::Reset() {
  assigned = 0;
  waitingForAnimEnd = 0;
  if (g_sound != nullptr && soundEffectName.Length() > 0) g_sound->Stop(soundEffectName);
  // The attraction may try its events again only once this one has let go.
  if (owner != nullptr) {
    owner->eventRunning = 0;
    owner->eventAnimActive = 0;
    if (owner->currentEvent == this) owner->currentEvent = nullptr;
  }
  owner = nullptr;
  extraObject = nullptr;
  lastStartTick = plat::TickCount();
  lastMetTick = lastStartTick;
}

void ParkEvent::OnAnimEnd() {
  if (waitingForAnimEnd == 1) plat::OutputDebugString(("[" + id.Std() + "] Set Anim End\n").c_str());
  waitingForAnimEnd = 0;
}
