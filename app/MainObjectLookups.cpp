// The main object's object types and placed objects: the descriptor
// readers, and the look-ups and picking over the placed-object list.
#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "platform/gfx/Device.h"
#include "world/objects/CObjectDescriptorReader.h"
#include "world/objects/ObjectDescriptorScan.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

constexpr const char* kDescriptorFolder = "\\objects\\ini";

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
  LoadRideSounds();
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
