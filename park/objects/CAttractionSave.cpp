// A placed object's records in the saved game: its placement, type and
// changing values in the scene file, its run state in the run-state file.
// Models, paths, names and the type's points come back from the type.
#include "engine/core/SceneStream.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/math/Math.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

constexpr float kRadiansPerDegree = 0.01745329238474369f;
// An event that hides an object sinks it to this height.
constexpr float kSunkHeight = -100.0f;
constexpr int kRunCounterCount = 5;

plat::Vec3 TurnAndMove(const plat::Vec3& local, const plat::Matrix& turn, const plat::Vec3& position) {
  plat::Vec3 turned;
  plat::Vec3TransformCoord(&turned, local, turn);
  return {turned.x + position.x, turned.y + position.y, turned.z + position.z};
}

}  // namespace

void CAttraction::WriteState(SceneStream& stream) {
  stream.WriteInt32(objectNumber);
  const bool sunkByEvent = eventRunning == 1 && position.y <= kSunkHeight && savedHeight != kNoSavedHeight;
  if (sunkByEvent) {
    stream.WriteVec3({position.x, savedHeight, position.z});
    position.y = kSunkHeight;
  } else {
    stream.WriteVec3(position);
  }
  stream.WriteFloat(rotation);
  stream.WriteBool(hasVehicleModels != 0);
  stream.WriteVec3(gatePosition);
  stream.WriteInt32(visitorCapacity);
  stream.WriteInt32(buildCost);
  stream.WriteString(movieName);
  stream.WriteString(id);
  stream.WriteInt32(condition);
  stream.WriteInt32(visitorsInside);
  stream.WriteFloat(savedFloat);
  stream.WriteInt32(level);
  stream.WriteInt32(upgradeCost);
  stream.WriteInt32(state);
  stream.WriteInt32(scenarioMark);
  stream.WriteVec3(exitPosition);
  stream.WriteBool(savedByte == 1);
}

bool CAttraction::ReadState(SceneStream& stream) {
  objectNumber = stream.ReadInt32();
  position = stream.ReadVec3();
  rotation = stream.ReadFloat();
  if (stream.ReadInt32() != 0) hasVehicleModels = 1;
  gatePosition = stream.ReadVec3();
  visitorCapacity = stream.ReadInt32();
  buildCost = stream.ReadInt32();
  movieName = stream.ReadString();
  id = stream.ReadString();
  condition = stream.ReadInt32();
  visitorsInside = stream.ReadInt32();
  savedFloat = stream.ReadFloat();
  level = stream.ReadInt32();
  upgradeCost = stream.ReadInt32();
  state = stream.ReadInt32();
  scenarioMark = stream.ReadInt32();
  exitPosition = stream.ReadVec3();
  savedByte = stream.ReadBool() ? 1 : 0;
  savedHeight = kNoSavedHeight;
  eventAnimActive = 0;
  eventRunning = 0;
  grownIn = 1;
  return stream.Good();
}

void CAttraction::PlaceTypePoints(const ObjectTypeDescriptor& type) {
  plat::Matrix turn;
  plat::MatrixRotationY(&turn, rotation * kRadiansPerDegree);
  gatePosition = TurnAndMove(type.gatePosition, turn, position);
  exitPosition = TurnAndMove(type.exitPosition, turn, position);
  specPosition = TurnAndMove(type.specPosition, turn, position);
  specialEventLocation = TurnAndMove(type.specialEventLocation, turn, position);
  for (int i = 0; i < kLevelCount; ++i) levelFlagPositions[i] = TurnAndMove(type.levelFlagPositions[i], turn, position);
}

void CAttraction::RestoreFromType(const ObjectTypeDescriptor& type) {
  // The saved values the type's fields would overwrite.
  const int32_t savedCapacity = visitorCapacity;
  const uint8_t savedVehicles = hasVehicleModels;
  const EngineString savedMovie = movieName;
  TakeObjectTypeFields(*this, type);
  visitorCapacity = savedCapacity;
  hasVehicleModels = savedVehicles;
  movieName = savedMovie;
  hasEvents = 1;
  PlaceTypePoints(type);
  plat::MatrixIdentity(&worldMatrix);
  isClosed = 0;
  PlayPlacedSounds();
  LoadRidePaths(*this);
  AddIcons();
  UpdateAnchorPoints();
}

void CAttraction::WriteRunState(SceneStream& stream) const {
  stream.WriteInt32(objectNumber);
  stream.WriteBool(isClosed != 0);
  stream.WriteBool(isBroken != 0);
  for (int32_t counter : {queueLength, visitorCounter, lastAdmittedPlace, usedCount, pathUsers}) {
    stream.WriteInt32(counter);
  }
}

void CAttraction::ReadRunState(SceneStream& stream, const std::vector<CAttraction*>& objects) {
  const int32_t number = stream.ReadInt32();
  const bool closed = stream.ReadBool();
  const bool broken = stream.ReadBool();
  int32_t counters[kRunCounterCount];
  for (int32_t& counter : counters) counter = stream.ReadInt32();
  CAttraction* object = FindObjectById(objects, number);
  if (!object || !stream.Good()) return;
  object->isClosed = closed ? 1 : 0;
  object->isBroken = broken ? 1 : 0;
  object->queueLength = counters[0];
  object->visitorCounter = counters[1];
  object->lastAdmittedPlace = counters[2];
  object->usedCount = counters[3];
  object->pathUsers = counters[4];
}
