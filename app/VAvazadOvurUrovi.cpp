#include "app/VAvazadOvurUrovi.h"

#include <algorithm>
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvText.h"
#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/CGuiElement.h"
#include "park/CBillboardIcon.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "park/objects/CAttraction.h"
#include "park/REraduzizEventClass.h"
#include "park/foods/CFoodCatalog.h"
#include "world/CAnimals.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"
#include "world/CPorvikRoad.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"

VAvazadOvurUrovi* g_game = nullptr;

namespace {

// The loading marker's elements and its travel.
constexpr int32_t kMarkerElement = 10257;
constexpr int32_t kMarkerTrackElement = 10256;
constexpr double kMarkerTravel = 65.0;
// The loading steps that do not move the marker.
constexpr int32_t kUncountedLoadingSteps = 3;

// Sound volumes: a base, the effect setting's weight, the fall-off per unit
// of distance, and the sound manager's range.
constexpr int32_t kVolumeBase = 200;
constexpr int32_t kVolumePerEffectStep = 4;
constexpr float kVolumeFallOff = 5.0f;
constexpr float kNearestDistance = 1.0f;
constexpr int32_t kVolumeMax = 1000;

template <class T>
void DeleteOwned(T*& pointer) {
  delete pointer;
  pointer = nullptr;
}

template <class T, size_t N>
void DeleteAll(T* (&pointers)[N]) {
  for (T*& pointer : pointers) DeleteOwned(pointer);
}

}  // namespace

VAvazadOvurUrovi::VAvazadOvurUrovi() {
  g_game = this;
  g_attractionHost = this;
  // No length cap: the whole working directory, however deep.
  baseDirectory = plat::CurrentDirectory().c_str();
  startTicks = plat::TickCount();
  weatherTicks = startTicks;
  systemYear = plat::SystemTimeUtc().year;
  SetStartDate(systemYear);
  CreateLedgerAndFoods();
}

void VAvazadOvurUrovi::SetStartDate(int32_t year) {
  gameDate = {year, kStartMonth, kStartDay};
  previousDate = {year, kStartMonth, kStartDay};
  clockStamp = {year, kStartMonth, kStartDay, kStartHour};
  gameHour = kStartHour;
  gameMinute = 0;
  gameSecond = 0;
}

VAvazadOvurUrovi::~VAvazadOvurUrovi() {
  // The loading threads write into this object until they end.
  JoinLoadingThreads();
  // Water textures, particle effects, the two further textures; the camera
  // views.
  DeleteAll(waterTextures);
  DeleteOwned(particleEffects);
  DeleteAll(extraTextures);
  cameraViews.clear();
  // The world's owners: the birds before their models, the footpaths
  // before the land they lie on.
  delete aiManager.exchange(nullptr);
  for (CAnimals* bird : birds) delete bird;
  birds.clear();
  DeleteOwned(road);
  DeleteOwned(terrain);
  DeleteOwned(pathFinder);
  DeleteOwned(secondFoodCatalog);
  DeleteOwned(parkEvents);
  DeleteOwned(scenarios);
  // The single scene objects, the loading screen, the water targets and the
  // models.
  DeleteOwned(skyDome);
  DeleteOwned(roadFlag);
  DeleteOwned(parkEntrance);
  DeleteOwned(baseMap);
  DeleteOwned(baseTrees);
  DeleteAll(loadingImages);
  DeleteOwned(loadingFont);
  DeleteOwned(refractionTarget);
  DeleteOwned(reflectionTarget);
  DeleteAll(birdModels);
  DeleteOwned(exitArrow);
  DeleteOwned(entranceArrow);
  // The placed objects with their sounds (the birds come here too).
  placedObjects.RemoveAllObjects();
  // The icons, the video texture and the lens flares.
  DeleteBillboards();
  DeleteOwned(videoTexture);
  DeleteAll(lensFlareTextures);
  // The ledger, the food catalogue and the cursor images.
  DeleteLedgerAndFoods();
  DeleteAll(cursorImages);
  // The placement preview.
  if (placementPreview) {
    placementPreview->Reset();
    placementPreview->FreeObjects();
    DeleteOwned(placementPreview);
  }
  if (g_attractionHost == this) g_attractionHost = nullptr;
  if (g_game == this) g_game = nullptr;
}

void VAvazadOvurUrovi::DeleteBillboards() {
  for (BillboardEntry& entry : billboards) DeleteOwned(entry.icon);
  billboards.clear();
}

void VAvazadOvurUrovi::JoinLoadingThreads() {
  if (initialLoadingThread) initialLoadingThread->Join();
  if (aiManagerThread) aiManagerThread->Join();
}

int32_t VAvazadOvurUrovi::LoadingMarkerOffset(int32_t done, int32_t total) {
  if (total <= kUncountedLoadingSteps) return 0;
  const double offset = double(done) / double(total - kUncountedLoadingSteps) * kMarkerTravel;
  return int32_t(std::clamp(offset, 0.0, kMarkerTravel));
}

void VAvazadOvurUrovi::SetLoadingProgress(int32_t done, int32_t total) {
  loadingMarkerOffset = LoadingMarkerOffset(done, total);
  CGuiElement* marker = FindElement(kMarkerElement);
  CGuiElement* track = FindElement(kMarkerTrackElement);
  if (!marker || !track || !marker->record || !track->record) return;
  marker->record->y = track->record->y + loadingMarkerOffset;
  marker->UpdateRect();
}

bool VAvazadOvurUrovi::IsModalScreenOpen() const {
  if (!hoverElements[0]) return false;
  return std::any_of(std::begin(hoverElements), std::end(hoverElements),
                     [](const CGuiElement* element) { return element && element->hover != 0; });
}

void VAvazadOvurUrovi::ResetSelectionFlags() {
  leftDragging = 0;
  placingItem = 0;
  placementAllowed = 0;
  layingPath = 0;
  removingPath = 0;
  pickMode = 0;
}

void VAvazadOvurUrovi::AddPlacedRecord(bool firstList, int32_t value1, int32_t value2, int32_t value3,
                                       int32_t value4, int32_t first, EngineString name) {
  PlacedRecord record;
  record.Set(first, name, value1, value2, value3, value4);
  (firstList ? placedRecords : historyRecords).push_back(std::move(record));
}

void VAvazadOvurUrovi::AddEmptyPlacedRecord() {
  AddPlacedRecord(false, recordCounter, previousDate.year, previousDate.month, previousDate.day, 1, "");
}

void VAvazadOvurUrovi::SetSoundVolumeAt(const plat::Vec3& position, const EngineString& name, bool silent) {
  if (!g_sound) return;
  // Without the options screen's effect setting the effects are silent.
  const bool audible = optionsScreen && optionsScreen->effectsEnabled && !simulationHalted && !optionsPaused &&
                       playMode && !silent && g_camera;
  int32_t volume = 0;
  if (audible) {
    plat::Vec3 eye{};
    g_camera->GetPosition(&eye);
    const float dx = position.x - eye.x, dy = position.y - eye.y, dz = position.z - eye.z;
    volume = SoundVolumeAtDistance(optionsScreen->effectValue, std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  g_sound->SetVolume(volume, name);
}

int32_t VAvazadOvurUrovi::SoundVolumeAtDistance(int32_t effectVolume, float distance) {
  // A distance that is no number counts as the nearest.
  const float nearOrFar = distance > kNearestDistance ? distance : kNearestDistance;
  const float volume = float(kVolumeBase + kVolumePerEffectStep * effectVolume) - std::trunc(kVolumeFallOff * nearOrFar);
  // Far away the sum goes below silence; the sound manager takes 0..1000.
  return int32_t(std::clamp(volume, 0.0f, float(kVolumeMax)));
}
