#include <algorithm>
#include <string>

#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "park/objects/TrackFile.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kTrackFolder = "\\objects\\paths\\";
// The one train whose cars stand at fixed distances along its track.
constexpr const char* kFixedOffsetRide = "Attr_Cobbleton";
constexpr int32_t kFixedOffsets[] = {640, 1280, 1920, 2320, 2680};
constexpr int32_t kFixedOffsetCount = static_cast<int32_t>(sizeof(kFixedOffsets) / sizeof(kFixedOffsets[0]));

int32_t FixedOffset(int32_t vehicle) { return vehicle <= kFixedOffsetCount ? kFixedOffsets[vehicle - 1] : 0; }

}  // namespace

void CAttraction::LoadTrackFile(EngineString name) {
  const EngineString base = g_attractionHost ? g_attractionHost->GetBaseDirectory() : EngineString();
  const std::string path = (base + kTrackFolder + name).Std();
  std::string text;
  if (!plat::ReadWholeFile(path, text)) return;
  std::optional<trackfile::TrackData> track = trackfile::ParseTrackFile(text);
  if (!track) {
    plat::OutputDebugString(("Track file " + path + " does not describe a track; the ride has no vehicles\n"));
    return;
  }
  trackFirstFrame = track->header.firstFrame;
  trackLastFrame = track->header.lastFrame;
  trackSpeed = baseSpeed = track->header.speed;
  trackKeysPerFrame = track->header.keysPerFrame;
  keyframeCount = track->keyframeCount;
  runLengthMs = track->runLengthMs;
  trackFrameMatrix = track->frameMatrix;
  keyframes = std::move(track->keyframes);
}

void CAttraction::CreateVehicles(int32_t count, int32_t spacing) {
  // Without keyframes there is nothing to stand on; vehicles placed beyond
  // the lap would stand outside the keyframes, so the spacing shrinks to fit.
  count = keyframes.empty() ? 0 : std::max(count, 0);
  vehicleCount = count;
  cyclePaused = 1;
  vehicleSpacing = count > 0 ? std::clamp(spacing, 0, keyframeCount / count) : 0;
  const uint32_t now = plat::TickCount();
  const bool fixedOffsets = id == kFixedOffsetRide;
  for (int32_t j = 1; j <= count; ++j) {
    auto vehicle = std::make_unique<RideVehicle>();
    const int32_t k = fixedOffsets ? std::max(keyframeCount - FixedOffset(j), 0) : keyframeCount - j * vehicleSpacing;
    vehicle->waiting = fixedOffsets ? 0 : 1;
    vehicle->waitStep = fixedOffsets ? 0 : static_cast<uint32_t>(std::max(runLengthMs, 0) / count);
    const TrackKeyframe& keyframe = keyframes[static_cast<size_t>(k)];
    vehicle->position = keyframe.position;
    plat::MatrixRotationQuaternion(&vehicle->orientation, keyframe.rotationQuat);
    vehicle->trackOffset = k;
    vehicle->waitStartTick = now;
    vehicle->speed = trackSpeed;
    vehicles.push_back(std::move(vehicle));
  }
}
