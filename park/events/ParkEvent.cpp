#include "park/events/ParkEvent.h"

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "park/events/EventEffects.h"
#include "park/events/IParkEventHost.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"

namespace {

// The attractions that their event closes to visitors open again when it ends.
constexpr const char* kReopenedAtReset[] = {"ATTR_Zelvaro", "ATTR_Quorm"};

bool IsZero(const plat::Vec3& v) { return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f; }

// The events whose camera stands between the attraction and its gate.
bool CameraTowardsGate(const EngineString& id) {
  return id == ParkEvent::kGorbleTunnHungry || id == ParkEvent::kSpeakingDustBins || id == ParkEvent::kVormexSneezes;
}

}  // namespace

plat::Vec3 PointTowards(const plat::Vec3& a, const plat::Vec3& b, float d) {
  return a + plat::Vec3Normalized(b - a) * d;
}

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

EngineString ParkEvent::ScriptedAnimation() const {
  if (id == kZelVaroHungry) return "close_leg";
  if (id == kZelVaroTired) return "sleep";
  if (id == kVormexSneezes) return "sneeze";
  if (id == kDustBins) return "fullTrash";
  return "";
}

void ParkEvent::Begin() {
  if (!owner) return;
  const plat::Vec3 position = owner->position;
  const plat::Vec3 gate = owner->gatePosition;
  if (IsZero(owner->specialEventLocation)) owner->specialEventLocation = gate;
  const plat::Vec3 special = owner->specialEventLocation;
  const auto distance = static_cast<float>(cameraDistance);
  plat::Vec3 eye = CameraTowardsGate(id) ? PointTowards(position, gate, distance)
                                         : PointTowards(position, {special.x, position.y, special.z}, distance);
  eye.y += static_cast<float>(cameraTallPosition);
  const plat::Vec3 lookAt = cameraOrientation != 0 ? position : gate;
  if (g_parkEventHost) g_parkEventHost->SetEventCameraPath(lookAt, eye);
}

void ParkEvent::RunScript() {
  if (!owner) return;
  const EngineString animation = ScriptedAnimation();
  if (id == kSpeakingDustBins) {
    if (ParticleEffects* effects = EventParticleEffects()) LaunchEffect(effects->sparkle2Multi, owner->specialEventLocation);
    attractionsound::Stop(owner->id);
    waitingForAnimEnd = 0;
  } else if (animation.Length() > 0) {
    owner->eventAnimName = animation;
    owner->eventAnimActive = 1;
    owner->RestartNamedPartAnimation(animation);
    // The bins show their animation without holding the run up.
    if (id == kDustBins) waitingForAnimEnd = 0;
  } else {
    waitingForAnimEnd = 0;
  }
  if (effect == kEffectSinkExtraObject && reasonAdditionalAttrNeeded.Length() > 0 && extraObject) Sink(*extraObject);
  if (effect == kEffectSinkOwner) Sink(*owner);
  if (animStopNeeded == kStopOwnerRun) owner->StopRun();
  if (animStopNeeded == kStopExtraObjectRun && extraObject) extraObject->StopRun();
  if (HasSound() && g_sound) {
    g_sound->Play(soundEffectName);
    if (IsSneeze()) g_sound->SetVolume(SoundManager::kLevelFull, soundEffectName);
  }
}

void ParkEvent::OnAnimEnd() {
  if (waitingForAnimEnd == 1) plat::OutputDebugString("[" + id.Std() + "] Set Anim End\n");
  waitingForAnimEnd = 0;
}

void ParkEvent::Reset() {
  assigned = 0;
  waitingForAnimEnd = 0;
  lastStartTick = plat::TickCount();
  lastMetTick = lastStartTick;
  if (HasSound() && g_sound) g_sound->Stop(soundEffectName);
  // Bringing the additional object back forgets it, and its ride still has
  // to start again below.
  CAttraction* const extra = extraObject;
  if (effect == kEffectLitter && owner && g_parkEventHost) g_parkEventHost->CleanLitterAt(owner->position);
  if (effect == kEffectSinkExtraObject && extra) BringBack(*extra);
  if (effect == kEffectSinkOwner && owner) BringBack(*owner);
  if (animStopNeeded == kStopOwnerRun && owner) owner->StartRun();
  if (animStopNeeded == kStopExtraObjectRun && extra) extra->StartRun();
  if (owner) {
    for (const char* reopened : kReopenedAtReset) {
      if (owner->id == reopened) owner->isClosed = 0;
    }
  }
  ParticleEffects* effects = EventParticleEffects();
  if (IsSneeze() && effects) {
    for (Fire* fire : effects->fires) SwitchOffEffect(fire);
    // A run stopped in the middle of the sneeze leaves its sparkle on.
    SwitchOffEffect(effects->sparkle2Orange);
  }
  if (id == kSpeakingDustBins) {
    if (effects) SwitchOffEffect(effects->sparkle2Multi);
    if (owner) attractionsound::Play(owner->id, owner->position);
  }
  // The attraction may try its events again only once this one has let go.
  if (owner) {
    owner->eventRunning = 0;
    owner->eventAnimActive = 0;
    owner->eventAnimName = "";
    if (owner->currentEvent == this) owner->currentEvent = nullptr;
  }
  owner = nullptr;
  extraObject = nullptr;
}

void ParkEvent::Sink(CAttraction& object) {
  savedHeight = object.position.y;
  object.savedHeight = savedHeight;
  object.position.y = kSunkHeight;
  attractionsound::Stop(object.id);
}

void ParkEvent::BringBack(CAttraction& object) {
  if (savedHeight == kNoSavedHeight) return;
  object.position.y = savedHeight;
  object.savedHeight = kNoSavedHeight;
  extraObject = nullptr;
  savedHeight = kNoSavedHeight;
  attractionsound::Play(object.id, object.position);
}
