#include "engine/render/ZOdevuvLightManager.h"

#include "engine/core/Globals.h"
#include "engine/core/VectorHelpers.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Mesh.h"
#include "platform/math/Math.h"

using plat::Vec3;

namespace {
constexpr float kMarkerRadius = 2.0f;
constexpr std::uint32_t kMarkerSlices = 10, kMarkerStacks = 10;
}  // namespace

ZOdevuvLightManager::ZOdevuvLightManager() { g_lights = this; }

ZOdevuvLightManager::~ZOdevuvLightManager() {
  if (g_lights == this) g_lights = nullptr;
}

void ZOdevuvLightManager::AddLight(plat::Light light, unsigned char enabled) {
  ZOdevuvLightRecord record;
  record.enabled = enabled;
  record.light = light;
  // Without a device (lights set up before it, or a failed creation) the
  // light still counts; it only has no marker to show.
  if (g_device && g_device->GetSharedDevice()) {
    record.marker = plat::CreateSphere(g_device->GetSharedDevice(), kMarkerRadius, kMarkerSlices, kMarkerStacks);
  }
  std::lock_guard lock(mutex_);
  records_.push_back(std::move(record));
}

int ZOdevuvLightManager::GetLightCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(records_.size());
}

bool ZOdevuvLightManager::HasLight(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < records_.size();
}

bool ZOdevuvLightManager::GetLightRecord(int index, ZOdevuvLightRecord* out) const {
  std::lock_guard lock(mutex_);
  if (!HasLight(index)) return false;
  *out = records_[static_cast<std::size_t>(index)];
  return true;
}

bool ZOdevuvLightManager::SetLightEnabled(int index, bool enabled) {
  std::lock_guard lock(mutex_);
  if (!HasLight(index)) return false;
  records_[static_cast<std::size_t>(index)].enabled = enabled ? 1 : 0;
  return true;
}

bool ZOdevuvLightManager::GetLightViewMatrix(plat::Matrix* out, int index) const {
  std::lock_guard lock(mutex_);
  if (!HasLight(index)) return false;
  const plat::Light& light = records_[static_cast<std::size_t>(index)].light;
  const Vec3 eye = light.position;
  const Vec3 d = light.direction;
  // A light straight above or below has no right against the world up;
  // RightFromWorldUp then takes it across the world Z axis.
  const Vec3 right = RightFromWorldUp(d);
  const Vec3 up = plat::Vec3Normalized(plat::Vec3Cross(d, right));
  plat::MatrixViewFromAxes(out, right, up, d, eye);
  return true;
}

bool ZOdevuvLightManager::AimLightDirection(Vec3* out, int index) {
  std::lock_guard lock(mutex_);
  if (!HasLight(index)) return false;
  plat::Light& light = records_[static_cast<std::size_t>(index)].light;
  const bool positional =
      light.type == plat::LightType::Point || light.type == plat::LightType::Spot;
  // A light at the origin has nothing to aim along; it keeps its direction.
  if (positional && !(light.position == Vec3{})) {
    light.direction = plat::Vec3Normalized(-light.position);
  }
  *out = light.direction;
  return true;
}

void ZOdevuvLightManager::Clear() {
  std::lock_guard lock(mutex_);
  records_.clear();
}
