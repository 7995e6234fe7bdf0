// The main object's object types and placed objects: the descriptor
// readers, the look-ups and picking over the placed-object list, and what
// the placed objects ask of the game.
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "park/CBillboardIcon.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/Device.h"
#include "world/objects/CObjectDescriptorReader.h"
#include "world/objects/ObjectDescriptorScan.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

constexpr const char* kDescriptorFolder = "\\objects\\ini";
// The effect volume while the options give none.
constexpr int32_t kFullEffectVolume = 100;
// The attractions whose water falls are the first and the second effect.
constexpr const char* kFirstWaterFallId = "ATTR_Tullowmere";
constexpr const char* kSecondWaterFallId = "ATTR_Kestovar";

float Distance(const plat::Vec3& a, const plat::Vec3& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

}  // namespace

ZOdevuvGameObject* VAvazadOvurUrovi::LoadSingleObject(const char* path) {
  return CObjectDescriptorReader(baseDirectory, objectTypes, g_lights).LoadSingleObject(path).release();
}

void VAvazadOvurUrovi::LoadObjectDescriptor(const char* path) {
  CObjectDescriptorReader(baseDirectory, objectTypes, g_lights).LoadObjectDescriptor(path);
}

void VAvazadOvurUrovi::LoadObjectDescriptors() {
  CObjectDescriptorReader reader(baseDirectory, objectTypes, g_lights);
  for (const std::string& file : FindObjectDescriptorFiles((baseDirectory + kDescriptorFolder).Std())) {
    reader.LoadObjectDescriptor(file.c_str());
  }
}

bool VAvazadOvurUrovi::FindObjectTypeByName(EngineString name, ObjectTypeDescriptor* out, int32_t* index) const {
  return objectTypes.FindObjectTypeByName(std::move(name), out, index);
}

CAttraction* VAvazadOvurUrovi::FindObjectByName(EngineString name) const {
  return ::FindObjectByName(placedObjects.Objects(), std::move(name));
}

CAttraction* VAvazadOvurUrovi::FindObjectById(int32_t id) const { return ::FindObjectById(placedObjects.Objects(), id); }

CAttraction* VAvazadOvurUrovi::FindObjectByIdAndName(int32_t id, EngineString name) const {
  return ::FindObjectByIdAndName(placedObjects.Objects(), id, std::move(name));
}

bool VAvazadOvurUrovi::ObjectExists(EngineString name) const {
  return ::ObjectExists(placedObjects.Objects(), std::move(name));
}

PickRay VAvazadOvurUrovi::GetPickRay(int32_t screenX, int32_t screenY) const {
  const plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device || !g_camera) return {};
  plat::Matrix view;
  g_camera->GetViewMatrix(&view);
  return BuildPickRay(device->GetTransform(plat::TransformType::Projection), device->GetViewport(), view,
                      device->GetTransform(plat::TransformType::World), screenX, screenY);
}

bool VAvazadOvurUrovi::PickObjectAt(int32_t screenX, int32_t screenY, const CAttraction& object) const {
  return ::PickObjectAt(GetPickRay(screenX, screenY), object);
}

void VAvazadOvurUrovi::PlaySoundAt(const plat::Vec3& position, const EngineString& name, uint8_t quiet) {
  if (!g_sound) return;
  plat::Vec3 eye;
  if (g_camera) g_camera->GetPosition(&eye);
  const int32_t level = quiet ? 0 : SoundVolumeAtDistance(kFullEffectVolume, Distance(position, eye));
  g_sound->SetVolume(level, name);
}

void VAvazadOvurUrovi::AddBillboardIcon(CAttraction& object, const plat::Vec3& position, int32_t kind) {
  auto* icon = new CBillboardIcon();
  icon->position = position;
  billboards.push_back({icon, &object, kind});
}

void VAvazadOvurUrovi::SwitchOffWaterEffectOf(const EngineString& id) {
  if (!particleEffects) return;
  if (id == kFirstWaterFallId && particleEffects->waterFallA) particleEffects->waterFallA->active = false;
  if (id == kSecondWaterFallId && particleEffects->waterFallB) particleEffects->waterFallB->active = false;
}

// The shop and event lists that name placed objects come with the screens
// and the park events.
void VAvazadOvurUrovi::OnObjectRemoved(CAttraction&) {}

// The terrain cells under footprints come with the cell grid.
void VAvazadOvurUrovi::MarkSelectedObjectCells(CAttraction&) {}

void VAvazadOvurUrovi::RemoveObjectIcons(CAttraction& object) {
  // Every icon of the object goes, however many it has.
  const auto ofObject = [&](const BillboardEntry& entry) { return entry.object == &object; };
  for (BillboardEntry& entry : billboards) {
    if (ofObject(entry)) delete entry.icon;
  }
  billboards.erase(std::remove_if(billboards.begin(), billboards.end(), ofObject), billboards.end());
}

void VAvazadOvurUrovi::RemovePlantFromGreenery() {
  --greeneryScore;
  greeneryPercent = std::max(greeneryScore, 0);
}

// The character manager's capacity total and its records of placed objects
// come with the manager.
void VAvazadOvurUrovi::RemoveVisitorCapacity(int32_t) {}

void VAvazadOvurUrovi::RemovePlacement(const EngineString&, int32_t) {}
