#pragma once
// The set-up of one model of a placed building: its place in the part tree,
// how it turns or follows a track, and the run state of that movement.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/math/Types.h"

struct ObjectSetupRecord {
  ObjectSetupRecord();
  explicit ObjectSetupRecord(const AnimatedPartRecord& part);
  // The same set-up with the run state (track loaded, counters, angle) cleared.
  ObjectSetupRecord CopyWithoutRunState() const;

  EngineString parentName;  // empty for a root part
  EngineString name;
  float rotateBegin = 0, rotateEnd = 0;  // degrees
  plat::Vec3 moveBegin, moveEnd;
  float moveSpeed = 0;
  EngineString animPath;  // the track file, empty for a turning part
  plat::Vec3 rotAxis;
  float rSpeed = 0;
  float angle = 0;  // radians
  plat::Matrix matrix;
  plat::Vec3 pivot;
  std::vector<plat::Vec3> pathPoints;
  uint8_t trackLoaded = 0;
  int32_t pathPointCount = 0;
  uint8_t swings = 0;
  int32_t itemCount = 0, itemOffset = 0;
};
