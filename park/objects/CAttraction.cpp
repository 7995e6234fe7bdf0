#include "park/objects/CAttraction.h"

#include <algorithm>
#include <string>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "park/objects/IAttractionHost.h"
#include "park/objects/RidePathFile.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "world/objects/CParkModel.h"

namespace {

constexpr float kRadiansPerDegree = 0.01745329238474369f;
constexpr double kAnimationEndWindow = 0.3;  // seconds
constexpr const char* kNoFilm = "movie";
constexpr const char* kNoIconsId = "Attr_Cobbleton";
constexpr const char* kPathFolder = "\\objects\\paths\\";
constexpr const char* kNoiseSuffix = "_NOISE";
constexpr const char* kWaterEffectIds[] = {"ATTR_Tullowmere", "ATTR_Kestovar"};
constexpr const char* kLevelFlagTypes[CAttraction::kLevelCount] = {"zaszlo_level1", "zaszlo_level2",
                                                                    "zaszlo_level3"};
const plat::Vec3 kUpgradeIconOffset{0, 4.0f, 0};
const plat::Vec3 kFilmIconOffset{3.0f, 4.0f, 0};

plat::Vec3 Add(const plat::Vec3& a, const plat::Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

plat::Matrix IdentityMatrix() {
  plat::Matrix m;
  plat::MatrixIdentity(&m);
  return m;
}

void CopyOut(const plat::Vec3& v, float out[3]) {
  out[0] = v.x;
  out[1] = v.y;
  out[2] = v.z;
}

}  // namespace

CAttraction::CAttraction()
    : trackMatrix(IdentityMatrix()), trackPreviousMatrix(IdentityMatrix()), worldMatrix(IdentityMatrix()) {
  runStartTick = plat::TickCount();
  const CObjectTypeCatalog* types = g_attractionHost ? g_attractionHost->GetObjectTypes() : nullptr;
  if (!types) return;
  // A missing flag type leaves its flag empty: the flag is then not drawn.
  level1Flag = types->FirstModelOf(kLevelFlagTypes[0]);
  level2Flag = types->FirstModelOf(kLevelFlagTypes[1]);
  level3Flag = types->FirstModelOf(kLevelFlagTypes[2]);
}

CAttraction::~CAttraction() {
  EmptyLists();
  if (!g_attractionHost) return;
  for (const char* waterId : kWaterEffectIds) {
    if (id == waterId) g_attractionHost->SwitchOffWaterEffectOf(id);
  }
}

void CAttraction::EmptyLists() {
  setupRecords.clear();
  namedParts.clear();
  vehicles.clear();
  events.clear();
  savedHeight = kNoSavedHeight;
  currentEvent = nullptr;
  hasEvents = 0;
  keyframes.clear();
  inPathNames.clear();
  outPathNames.clear();
  inPaths.clear();
  outPaths.clear();
  partObjects.clear();
  animatedObjects.clear();
  figures.clear();
  ClearSlotFlags();
}

void CAttraction::Reset() {
  position = {};
  rotation = 0;
  hasVehicleModels = isMainEntrance = hasEffects = isPreview = eventRunning = deletePending = 0;
  gatePosition = {};
  visitorCapacity = buildCost = 0;
  movieName = "";
  id = "";
  isClosed = 0;
  EmptyLists();
  isHovered = 0;
}

void CAttraction::FreeObjects() { EmptyLists(); }

void CAttraction::StopVehicles() { rideStopped = 1; }

void CAttraction::CopyPlacementFields(const CAttraction& source) {
  objectNumber = source.objectNumber;
  position = source.position;
  rotation = source.rotation;
  objectName = source.objectName;
  hasVehicleModels = source.hasVehicleModels;
  hasEffects = source.hasEffects;
  randomRotation = source.randomRotation;
  isMainEntrance = source.isMainEntrance;
  isPreview = 0;
  eventRunning = 0;
  state = source.state;
  specialEventLocation = source.specialEventLocation;
  specPosition = source.specPosition;
  specRotation = source.specRotation;
  scenarioMark = source.scenarioMark;
  specFlag = source.specFlag;
  for (int i = 0; i < kLevelCount; ++i) levelFlagPositions[i] = source.levelFlagPositions[i];
  effectFile = source.effectFile;
  animTime = source.animTime;
  gatePosition = source.gatePosition;
  exitPosition = source.exitPosition;
  visitorCapacity = source.visitorCapacity;
  buildCost = source.buildCost;
  id = source.id;
  displayName = source.displayName;
  movieName = source.movieName;
  pathValue = source.pathValue;
  placeX = source.placeX;
  placeY = source.placeY;
  events = source.events;
  upgradeCost = (level + 1) * buildCost;
  currentEvent = source.currentEvent;
  savedHeight = source.savedHeight;
}

void CAttraction::InitFromTemplate(const CAttraction& source) {
  CopyPlacementFields(source);
  const bool withSetups = !source.setupRecords.empty();
  if (withSetups) hasVehicleModels = 1;
  for (size_t i = 0; i < source.partObjects.size(); ++i) {
    partObjects.push_back(source.partObjects[i]);
    if (withSetups && i < source.setupRecords.size()) {
      setupRecords.push_back(std::make_unique<ObjectSetupRecord>(source.setupRecords[i]->CopyWithoutRunState()));
    }
  }
  animatedObjects.insert(animatedObjects.end(), source.animatedObjects.begin(), source.animatedObjects.end());
  figures.insert(figures.end(), source.figures.begin(), source.figures.end());
  namedParts.insert(namedParts.end(), source.namedParts.begin(), source.namedParts.end());
  pauseStartTick = plat::TickCount();
  PlayPlacedSounds();
  LoadRidePaths(source);
  AddIcons();
}

void CAttraction::PlayPlacedSounds() {
  if (!g_sound) return;
  for (const EngineString& name : {id, id + kNoiseSuffix}) {
    g_sound->Play(name);
    if (g_attractionHost) {
      g_attractionHost->PlaySoundAt(position, name, 0);
    } else {
      g_sound->SetVolume(0, name);
    }
  }
}

bool CAttraction::HasFilm() const { return movieName.Length() > 0 && movieName != kNoFilm; }

void CAttraction::AddIcons() {
  if (!g_attractionHost || state != kObjectKindAttraction || id == kNoIconsId) return;
  g_attractionHost->AddBillboardIcon(*this, Add(position, kUpgradeIconOffset), 0);
  if (HasFilm()) g_attractionHost->AddBillboardIcon(*this, Add(position, kFilmIconOffset), 1);
}

RidePath CAttraction::ReadRidePath(const EngineString& name) const {
  RidePath path;
  if (name.Length() == 0) return path;
  const EngineString base = g_attractionHost ? g_attractionHost->GetBaseDirectory() : EngineString();
  std::string text;
  if (!plat::ReadWholeFile((base + kPathFolder + name).Std(), text)) return path;
  plat::Matrix turn;
  plat::MatrixRotationY(&turn, rotation * kRadiansPerDegree);
  for (const plat::Vec3& local : ridepath::ParseRidePath(text)) {
    plat::Vec3 turned;
    plat::Vec3TransformCoord(&turned, local, turn);
    path.push_back(Add(turned, position));
  }
  return path;
}

void CAttraction::LoadRidePaths(const CAttraction& source) {
  for (const EngineString& name : source.inPathNames) inPaths.push_back(ReadRidePath(name));
  for (const EngineString& name : source.outPathNames) outPaths.push_back(ReadRidePath(name));
}

void CAttraction::FindListEntryByName(EngineString name, plat::Matrix* matrix, plat::Vec3* pivot) const {
  for (const auto& record : setupRecords) {
    if (record->name != name) continue;
    if (matrix) *matrix = record->matrix;
    if (pivot) *pivot = record->pivot;
    return;
  }
}

bool CAttraction::HasNamedPart(EngineString name) const {
  for (const NamedPart& part : namedParts) {
    if (part.name == name && (part.object || part.model)) return true;
  }
  return false;
}

ZOdevuvCharacter* CAttraction::GetNamedPart(EngineString name) const {
  for (const NamedPart& part : namedParts) {
    if (part.name == name) return part.object;
  }
  return nullptr;
}

uint32_t CAttraction::GetNamedPartValue(EngineString name) const {
  for (const NamedPart& part : namedParts) {
    if (part.name == name) return part.value;
  }
  return 0;
}

CParkModel* CAttraction::GetNamedPartModel(EngineString name) const {
  for (const NamedPart& part : namedParts) {
    if (part.name == name) return part.model;
  }
  return nullptr;
}

void CAttraction::UpdateAnchorPoints() {
  anchorsValid = 0;
  for (const CParkModel* part : partObjects) {
    if (!part || part->IsVehicle()) continue;
    anchorA = Add(position, part->localAnchorA);
    anchorB = Add(position, part->localAnchorB);
    anchorsValid = 1;
    return;
  }
}

void CAttraction::ResetTransform(ZOdevuvGameObject* object) {
  worldMatrix = IdentityMatrix();
  if (object) object->transforms[0] = worldMatrix;
}

void CAttraction::AddSubObject(ZOdevuvGameObject* object) { animatedObjects.push_back(object); }

void CAttraction::ClearSlotFlags() {
  for (uint8_t& flag : stepFlags) flag = 0;
}

void CAttraction::GetPosition(float out[3]) const { CopyOut(position, out); }

void CAttraction::GetSecondPosition(float out[3]) const { CopyOut(exitPosition, out); }

bool AnimationNearEnd(const ZOdevuvCharacter* character) {
  if (!character || !character->GetController()) return false;
  const plat::AnimationController& controller = *character->GetController();
  const auto set = controller.GetTrackAnimationSet(0);
  plat::TrackDesc track;
  if (!set || !controller.GetTrackDesc(0, &track)) return false;
  const double period = set->GetPeriod();
  const double at = set->GetPeriodicPosition(track.position);
  return at >= period - kAnimationEndWindow && at <= period;
}
