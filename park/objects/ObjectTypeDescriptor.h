#pragma once
// One kind of building that can stand in the park, as its descriptor file
// gives it: its models and figures, the visitor paths, the points relative
// to the object, its price and footprint. The catalogue owns the game
// objects and figures; a descriptor and its copies only point at them.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class ParkEvent;
class ZOdevuvCharacter;
class CParkModel;
class ZOdevuvGameObject;

// One moving or path-animated part of an animated object type.
struct AnimatedPartRecord {
  EngineString parentName;
  EngineString name;
  int32_t reserved = 0;
  float rotateBegin = 0, rotateEnd = 0;
  plat::Vec3 moveBegin, moveEnd;
  EngineString animPath;
  plat::Vec3 rotationPoint, rotationAxis;
  float rotationSpeed = 0, moveSpeed = 0;
  uint8_t closedRotation = 0;
  int32_t itemCount = 0, itemOffset = 0;
  int32_t reserved2 = 0;
};

// A figure or model that a park event shows on the object.
struct SpecialEventRecord {
  uint8_t isCharacter = 0;
  EngineString name;
  ZOdevuvCharacter* character = nullptr;
  CParkModel* gameObject = nullptr;
};

// Kinds of object types (the placed object's state).
enum ObjectKind : int32_t {
  kObjectKindNone = -1,  // the main entrance, or a type that gives no kind
  kObjectKindAttraction = 0,
  kObjectKindAttractionB = 1,  // the cash machines are of this kind
  kObjectKindDustBin = 2,
  kObjectKindRestPlace = 3,
  kObjectKindPlant = 4,
  kObjectKindShop = 6,
};

class ObjectTypeDescriptor {
 public:
  static constexpr float kNoAnimTime = -1.0f;

  EngineString name;
  EngineString displayName;
  std::vector<CParkModel*> models;
  std::vector<AnimatedPartRecord> modelSetups;  // the animated parts, one per part model
  std::vector<ZOdevuvGameObject*> animatedModels;
  std::vector<ZOdevuvCharacter*> characters;
  std::vector<SpecialEventRecord> eventFigures;
  std::vector<EngineString> inPathNames;
  std::vector<EngineString> outPathNames;
  std::vector<ParkEvent*> events;
  uint8_t hasEffects = 0;  // a combined object
  uint8_t isRide = 0;      // an animated object
  uint8_t unlockFlag = 0;  // the "used" flag
  uint8_t randomRotation = 0;
  plat::Vec3 gatePosition, exitPosition;
  int32_t visitorCapacity = 0;
  int32_t buildCost = 0;
  EngineString movie;
  EngineString pathValue;
  int32_t objType = kObjectKindNone;
  plat::Vec3 specPosition;
  float specRotation = 0;
  uint8_t specFlag = 0;
  plat::Vec3 specialEventLocation;
  plat::Vec3 levelFlagPositions[3];
  EngineString effect;
  float animTime = kNoAnimTime;
  int32_t placeX = 1, placeY = 1;
};
