// The attraction's part in park events: when it may start one of its
// events, which one, whether that event's condition holds, and the restart
// of the event animation.
#include <cstdlib>

#include "engine/animation/ZOdevuvCharacter.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/IParkEventHost.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/mesh/AnimationController.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"

namespace {

constexpr double kPercent = 100.0;

double Ratio(int32_t part, int32_t whole) { return whole != 0 ? static_cast<double>(part) / whole : 0.0; }

double RandomPercent() { return plat::Rand() / static_cast<double>(plat::kRandMax) * kPercent; }

// The park measure that the event's reason names; 0 for an unknown reason.
double MeasureReason(const EngineString& reason, const CAttraction& attraction, const IParkEventHost* host) {
  if (reason == "Random") return RandomPercent();
  if (reason == "BuildingState") return attraction.condition / kPercent;
  if (host == nullptr) return 0.0;
  if (reason == "DirtyRate") return Ratio(host->GetDirtyPathCellCount(), host->GetPathCellCount());
  if (reason == "AttrUsedRate") return Ratio(attraction.usedCount, host->GetCharacterCount());
  if (reason == "GardenerRate") return Ratio(host->GetHiredGardenerCount(), host->GetCharacterCount());
  return 0.0;
}

// False when the play mode, a modal screen or the park clock forbids an
// event now; outside the tutorial a refusal by the clock or a modal screen
// restarts the park-wide pause.
bool EventMayStartNow(IParkEventHost& host, REraduzizEventClass& manager, bool tutorial) {
  if (tutorial && !host.IsTutorialEventAllowed()) return false;
  if (host.IsModal() || !EventClockAllows(host.GetClockHour(), host.GetClockMinute())) {
    if (!tutorial) manager.eventStamp = plat::TickCount();
    return false;
  }
  if (tutorial) host.MarkTutorialEventStarted();
  return true;
}

// False when the picked event must wait: its pause, a solver on its way,
// a run or an open call on another attraction of the type, or a missing
// additional object.
bool EventCanStart(ParkEvent& event, IParkEventHost& host, bool tutorial) {
  if (!tutorial && plat::TickCount() - event.lastStartTick < kEventRetryPauseMs) return false;
  if (event.assigned != 0 || event.owner != nullptr) return false;
  if (event.reasonAdditionalAttrNeeded.Length() > 0) {
    event.extraObject = host.FindObjectByName(event.reasonAdditionalAttrNeeded);
    if (event.extraObject == nullptr) return false;
  }
  return true;
}

}  // namespace

void CAttraction::TriggerRandomEvent() {
  IParkEventHost* host = g_parkEventHost;
  REraduzizEventClass* manager = host != nullptr ? host->GetParkEvents() : nullptr;
  if (manager == nullptr) return;
  const bool tutorial = host->IsTutorialMode();
  if (!EventMayStartNow(*host, *manager, tutorial)) return;
  const auto count = static_cast<int32_t>(events.size());
  if (count == 0 || manager->eventBusy != 0) return;
  ParkEvent* event = events[static_cast<size_t>(PickEventIndex(plat::Rand(), count))];
  if (event == nullptr || !EventCanStart(*event, *host, tutorial)) return;
  const bool met = IsEventConditionMet(event);
  event->lastStartTick = plat::TickCount();
  if (!tutorial && !met) return;
  currentEvent = event;
  eventRunning = 1;
  manager->eventStamp = event->lastStartTick;
  manager->StartEvent(*event, *this);
}

bool CAttraction::IsEventConditionMet(ParkEvent* event) {
  if (event == nullptr) return false;
  const double threshold = std::atof(event->reasonValue.CStr());
  const double value = MeasureReason(event->reason, *this, g_parkEventHost);
  bool met = CompareByOperator(value, threshold, event->reasonOperator);
  const uint32_t now = plat::TickCount();
  if (!met && now - event->lastMetTick > kEventForcedConditionMs) met = true;
  if (met) event->lastMetTick = now;
  return met;
}

void CAttraction::RestartNamedPartAnimation(EngineString name) {
  for (NamedPart& part : namedParts) {
    if (part.name != name || !part.object) continue;
    if (const auto& controller = part.object->GetController()) controller->SetTrackPosition(0, 0.0);
    if (part.object->IsPaused()) part.object->ResumeAnimation();
  }
}
