// The per-frame life of a placed object: opening hours, sound levels, wear,
// grow-in, seat figures and the movement of its parts.
#include <algorithm>
#include <cstdio>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/IParkEventHost.h"
#include "park/events/ParkEvent.h"
#include "park/objects/AttractionHelpers.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "world/objects/CParkModel.h"

namespace {

using attractionhelpers::Identity;
using attractionhelpers::IsOneOf;
using attractionhelpers::kRadiansPerDegree;
using attractionhelpers::Translation;

constexpr uint32_t kGrowStepMs = 100;
constexpr float kGrowStep = 0.01f;
constexpr int32_t kClosingHour = 17;
constexpr int32_t kClosingMinute = 30;  // closed from the minute after
constexpr int32_t kOpeningHour = 10;
constexpr int32_t kOpeningMinute = 0;
constexpr int32_t kMinutesPerHour = 60;
constexpr int32_t kWearPerHour = 6;
constexpr int32_t kPlantState = 4;
constexpr const char* kSeatFigureFormat = "vis_%.2d";
constexpr const char* kNeverPausedBuilding = "Attr_yarrowin";
// Buildings that turn on for good once started.
constexpr const char* kEndlessRuns[] = {"Attr_Fennaclaw", "Attr_Norwhistle", "Attr_yarrowin", "Attr_Velmorra"};
// The tutorial's event runs on this attraction.
constexpr const char* kTutorialEventRide = "ATTR_Zelvaro";
// The event whose sound is heard everywhere alike.
constexpr const char* kUnplacedEventSound = "EVENT_VORMEX_SNEEZES";
// Rides whose cycles place their sounds at their vehicles.
constexpr const char* kVehicleSoundRides[] = {"Attr_Skarloop", "Attr_Fennaclaw", "Attr_Norwhistle", "Attr_Tarvix",
                                              "Attr_Plonkett", "Attr_Cobbleton", "ATTR_Kestovar",   "Attr_Murrowick"};

}  // namespace

void CAttraction::Update(float dt) {
  holdCount = std::max(holdCount, 0);
  isHeld = holdCount > 0 ? 1 : 0;
  UpdateOpeningHours();
  UpdateWear();
  PlaceSounds();
  PlaceEventSound();
  UpdateEventDecision();
  UpdateGrowIn();
  UpdateHover();
  hasNoSetupRecords = setupRecords.empty() ? 1 : 0;
  UpdateParts(dt);
  // Riders board while the open ride stands between two runs.
  visitorFlag = cyclePaused != 0 && isClosed == 0 ? 1 : 0;
}

void CAttraction::UpdateOpeningHours() {
  if (!g_attractionHost) return;
  const ParkClockReading clock = g_attractionHost->GetParkClock();
  const bool closing = clock.hour == kClosingHour && clock.minute > kClosingMinute;
  const bool opening = clock.hour == kOpeningHour && clock.minute == kOpeningMinute;
  if (closing) isClosed = 1;  // the park stays shut all through the closing minutes
  // The sounds change once on entering the minute: a sound started on every
  // frame would stack up copies of itself.
  const int32_t minute = clock.hour * kMinutesPerHour + clock.minute;
  if ((!closing && !opening) || minute == clockMinuteActed) return;
  clockMinuteActed = minute;
  if (closing) {
    for (const char* suffix : {"", attractionsound::kNoise, attractionsound::kNoise2, attractionsound::kScream}) {
      attractionsound::Stop(id + suffix);
    }
    return;
  }
  attractionsound::Play(id, position);
  if (eventRunning == 0) isClosed = 0;
  if (cyclePaused == 0) attractionsound::Play(id + attractionsound::kNoise, position);
}

void CAttraction::UpdateWear() {
  if (!g_attractionHost || state != kPlantState) return;
  const ParkClockReading clock = g_attractionHost->GetParkClock();
  if (clock.gameSpeed == 0) return;
  if (isClosed == 0) {
    if (clock.hour != conditionClock) {
      conditionClock = clock.hour;
      condition -= kWearPerHour;
    }
    if (condition <= 0) {
      attractionsound::Stop(id);
      attractionsound::Stop(id + attractionsound::kNoise);
      isClosed = 1;
      isBroken = 1;
    }
    return;
  }
  for (ZOdevuvCharacter* figure : figures) {
    if (figure) figure->PauseAnimation();
  }
}

void CAttraction::PlaceSounds() {
  if (!g_attractionHost) return;
  attractionsound::Place(id, position);
  if (isClosed != 0 || cyclePaused != 0 || IsOneOf(id, kVehicleSoundRides)) return;
  for (const char* suffix : {attractionsound::kNoise, attractionsound::kNoise2, attractionsound::kScream}) {
    attractionsound::Place(id + suffix, position);
  }
}

void CAttraction::PlaceEventSound() {
  if (eventRunning != 1 || currentEvent == nullptr) return;
  const ParkEvent& event = *currentEvent;
  if (event.soundEffect.Length() == 0 || event.soundEffectName.Length() == 0 || event.id == kUnplacedEventSound) return;
  attractionsound::Place(event.soundEffectName, position);
}

void CAttraction::UpdateEventDecision() {
  IParkEventHost* host = g_parkEventHost;
  REraduzizEventClass* manager = host != nullptr ? host->GetParkEvents() : nullptr;
  if (manager == nullptr) return;
  const uint32_t now = plat::TickCount();
  // A paused game holds the park-wide pause back.
  if (g_attractionHost && g_attractionHost->GetParkClock().gameSpeed == 0) manager->eventStamp = now;
  if (hasEvents != 1 || eventRunning != 0) return;
  const bool tutorial = host->IsTutorialMode();
  const bool due = tutorial ? host->IsTutorialAtEventStep() && id == kTutorialEventRide
                            : now - manager->eventStamp > kEventParkPauseMs;
  if (!due) return;
  const int32_t liveVisitors = host->GetLiveVisitorCount();
  const bool mayTry = liveVisitors >= 0 && (tutorial || liveVisitors > kEventMinLiveVisitors);
  if (mayTry) {
    TriggerRandomEvent();
  } else {
    manager->eventStamp = now;
  }
}

void CAttraction::UpdateGrowIn() {
  if (growIn == 0 || grownIn != 0) {
    worldMatrix = Identity();
    return;
  }
  const uint32_t now = plat::TickCount();
  if (now - growTick > kGrowStepMs) {
    growScale += kGrowStep;
    growTick = now;
  }
  if (growScale >= 1.0f) grownIn = 1;
  plat::MatrixScaling(&worldMatrix, growScale, growScale, growScale);
}

void CAttraction::UpdateHover() {
  IAttractionHost* host = g_attractionHost;
  if (!host || !host->IsHoverPicking()) return;
  CAttraction* hovered = host->GetHoveredObject();
  if (host->IsMouseOverObject(*this)) {
    if (hovered && hovered != this) hovered->isHovered = 0;
    isHovered = 1;
    host->SetHoveredObject(this);
  } else {
    isHovered = 0;
    if (hovered == this) host->SetHoveredObject(nullptr);
  }
}

void CAttraction::UpdateParts(float dt) {
  bool rideRan = false;
  for (size_t i = 0; i < partObjects.size(); ++i) {
    CParkModel* part = partObjects[i];
    if (!part) continue;
    ObjectSetupRecord* record = i < setupRecords.size() ? setupRecords[i].get() : nullptr;
    if (state == 0) {
      ShowSeatFigures(*part);
      if (!record) {
        part->partMatrix = Identity();
      } else if (record->animPath.Length() > 0) {
        UpdateTrackPart(*record, dt, rideRan);
      } else if (isClosed == 0) {
        UpdateTurningPart(*part, *record, dt);
      }
    }
    part->applyPartMatrix = 1;
  }
}

void CAttraction::ShowSeatFigures(CParkModel& part) const {
  part.nodeNames.clear();
  char name[16];
  for (int32_t seat = 1; seat <= visitorCapacity - usedCount; ++seat) {
    std::snprintf(name, sizeof(name), kSeatFigureFormat, seat);
    part.nodeNames.emplace_back(name);
  }
}

void CAttraction::UpdateTrackPart(ObjectSetupRecord& record, float dt, bool& rideRan) {
  if (vehiclesBuilt == 0 && record.trackLoaded == 0) {
    LoadTrackFile(record.animPath);
    record.pathPointCount = static_cast<int32_t>(record.pathPoints.size());
    CreateVehicles(record.itemCount, record.itemOffset);
    record.trackLoaded = 1;
    vehiclesBuilt = 1;
  } else if (vehiclesBuilt == 1 && !rideRan) {
    UpdateRide(dt);
    rideRan = true;
  }
}

void CAttraction::UpdateTurningPart(CParkModel& part, ObjectSetupRecord& record, float dt) {
  const uint32_t now = plat::TickCount();
  if (cyclePaused == 1) {
    if (now - pauseStartTick > static_cast<uint32_t>(pauseLengthMs) && id != kNeverPausedBuilding) {
      runStartTick = now;
      cyclePaused = 0;
      attractionsound::Play(id + attractionsound::kNoise, position);
      attractionsound::Play(id + attractionsound::kStarting, position);
    }
  } else if (isHeld == 0) {
    if (now - runStartTick > static_cast<uint32_t>(runLengthMs) && !IsOneOf(id, kEndlessRuns)) {
      pauseStartTick = now;
      cyclePaused = 1;
      ClearSlotFlags();
      attractionsound::Stop(id + attractionsound::kNoise);
      attractionsound::Stop(id + attractionsound::kScream);
    }
    TurnPart(record, dt);
  }
  plat::Quaternion turn;
  plat::QuaternionRotationAxis(&turn, record.rotAxis, record.angle);
  plat::Matrix rotation;
  plat::MatrixRotationQuaternion(&rotation, turn);
  if (record.parentName.Length() == 0) {
    record.matrix = rotation;
    record.pivot = {};
  } else {
    // A parent that is not among the records turns nothing and stands at
    // the origin.
    plat::Matrix parent = Identity();
    plat::Vec3 centre;
    FindListEntryByName(record.parentName, &parent, &centre);
    const plat::Vec3 p = part.position;
    record.matrix = Translation(centre - p) * rotation * Translation(p - centre) * parent;
    record.pivot = p;
  }
  part.partMatrix = record.matrix;
}

void CAttraction::TurnPart(ObjectSetupRecord& record, float dt) {
  const float step = record.rSpeed * dt * (static_cast<float>(rideKind) + 1.0f);
  const float begin = record.rotateBegin * kRadiansPerDegree;
  const float end = record.rotateEnd * kRadiansPerDegree;
  if (record.swings == 0) {
    record.angle += step;
    if (record.angle >= end) record.angle = begin;
  } else if (swingDirection == 0) {
    record.angle += step;
    if (record.angle >= end) {
      record.angle = end;
      swingDirection = 1;
    }
  } else {
    record.angle -= step;
    if (record.angle <= begin) {
      record.angle = begin;
      swingDirection = 0;
    }
  }
}

void CAttraction::StartRun() {
  for (ZOdevuvCharacter* figure : figures) {
    if (figure) figure->ResumeAnimation();
  }
  runTick = plat::TickCount();
  isClosed = 0;
  attractionsound::Play(id + attractionsound::kNoise, position);
}

void CAttraction::StopRun() {
  bool ended = false;
  for (ZOdevuvCharacter* figure : figures) {
    if (figure) ended = figure->CheckAnimationEnd();
  }
  isClosed = 1;
  runTick = plat::TickCount();
  if (ended) attractionsound::Stop(id + attractionsound::kNoise);
}

void CAttraction::UpdatePauseByGameSpeed(int32_t gameSpeed) {
  for (ZOdevuvCharacter* figure : figures) {
    if (!figure) continue;
    if (gameSpeed == 0) {
      figure->PauseAnimation();
    } else if (isClosed == 0) {
      figure->ResumeAnimation();
    }
  }
}

float CAttraction::GetBoundingRadius() const {
  float radius = 0;
  for (const ZOdevuvCharacter* figure : figures) {
    if (figure) radius = std::max(radius, figure->GetBoundingRadius());
  }
  for (const ZOdevuvGameObject* object : animatedObjects) {
    if (object) radius = std::max(radius, object->GetBoundingRadius());
  }
  for (const CParkModel* part : partObjects) {
    if (part) radius = std::max(radius, part->GetBoundingRadius());
  }
  return radius;
}
