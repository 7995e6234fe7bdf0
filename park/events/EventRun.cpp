#include "park/events/EventRun.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "park/events/EventEffects.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Random.h"

namespace {

// The ring of fires of a sneeze: centred this far in front of the gate,
// shifted by up to a quarter turn, each fire at 5..10 units from the centre
// within a further quarter turn.
constexpr float kFireCentreDistance = 5.0f;
constexpr float kFireShift = 5.0f;
constexpr double kFireShiftAngle = 0.7853981852531433;
constexpr double kFireSpreadAngle = 1.5707963705062866;
constexpr double kFireRadiusRange = 10.0;
constexpr double kFireRadiusMin = 5.0;

double RandomShare() { return plat::Rand() / static_cast<double>(plat::kRandMax); }

void PlaceFire(Fire& fire, const CAttraction& owner) {
  const double radius = std::max(RandomShare() * kFireRadiusRange, kFireRadiusMin);
  plat::Vec3 centre = PointTowards(owner.gatePosition, owner.position, kFireCentreDistance);
  const double shift = RandomShare() * kFireShiftAngle;
  centre.x -= static_cast<float>(std::sin(shift)) * kFireShift;
  centre.z -= static_cast<float>(std::cos(shift)) * kFireShift;
  const double spread = RandomShare() * kFireSpreadAngle;
  fire.active = true;
  fire.SetOrigin(static_cast<float>(std::sin(spread) * radius) + centre.x, owner.position.y,
                 static_cast<float>(std::cos(spread) * radius) + centre.z);
  fire.Reset();
}

}  // namespace

EventRun::EventRun(ParkEvent& event, uint32_t now) : m_event(event), m_stepStart(now) {}

bool EventRun::Advance(uint32_t now) {
  while (m_step != Step::Done && RunStep(now)) {
  }
  return m_step == Step::Done;
}

bool EventRun::RunStep(uint32_t now) {
  switch (m_step) {
    case Step::Camera:
      m_event.Begin();
      MoveTo(Step::Pause, now);
      return true;
    case Step::Pause:
      if (now - m_stepStart < kStepPauseMs) return false;
      MoveTo(Step::Script, now);
      return true;
    case Step::Script:
      m_event.waitingForAnimEnd = 1;
      m_event.RunScript();
      MoveTo(Step::WaitForAnimation, now);
      return true;
    case Step::WaitForAnimation:
      if (!AnimationWaitOver(now)) return false;
      m_event.waitingForAnimEnd = 0;
      MoveTo(m_event.IsSneeze() ? Step::Sneeze : Step::Callback, now);
      return true;
    case Step::Sneeze:
      StartSneeze();
      MoveTo(Step::SneezePause, now);
      return true;
    case Step::SneezePause:
      if (now - m_stepStart < kStepPauseMs) return false;
      EndSneeze();
      MoveTo(Step::Callback, now);
      return true;
    case Step::Callback:
      MoveTo(Step::Done, now);
      if (m_event.callback && m_event.callbackContext) m_event.callback(m_event.callbackContext, &m_event);
      return true;
    case Step::Done:
      break;
  }
  return false;
}

bool EventRun::AnimationWaitOver(uint32_t now) const {
  if (m_event.waitingForAnimEnd == 0) return true;
  // Only a named part of the animation's name can ever report its end.
  const CAttraction* owner = m_event.owner;
  if (!owner || !owner->GetNamedPart(owner->eventAnimName)) return true;
  return now - m_stepStart >= kAnimationWaitLimitMs;
}

void EventRun::StartSneeze() {
  CAttraction* owner = m_event.owner;
  ParticleEffects* effects = EventParticleEffects();
  if (!owner || !effects) return;
  LaunchEffect(effects->sparkle2Orange, owner->specialEventLocation);
  for (Fire* fire : effects->fires) {
    if (fire) PlaceFire(*fire, *owner);
  }
}

void EventRun::EndSneeze() {
  if (ParticleEffects* effects = EventParticleEffects()) SwitchOffEffect(effects->sparkle2Orange);
  if (CAttraction* owner = m_event.owner) {
    owner->eventAnimActive = 0;
    owner->eventAnimName = "";
  }
  if (m_event.HasSound() && g_sound && m_event.effect == ParkEvent::kEffectSneezeSound) {
    g_sound->Stop(m_event.soundEffectName);
  }
}

void EventRun::MoveTo(Step step, uint32_t now) {
  m_step = step;
  m_stepStart = now;
}
