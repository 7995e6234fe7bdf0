#include "park/objects/ObjectTypeSetup.h"

#include <memory>

#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "world/objects/CParkModel.h"

namespace {

constexpr int32_t kNewCondition = 100;

}  // namespace

void TakeObjectTypeFields(CAttraction& object, const ObjectTypeDescriptor& type) {
  object.hasVehicleModels = type.isRide;
  object.hasEffects = type.hasEffects;
  object.gatePosition = type.gatePosition;
  object.exitPosition = type.exitPosition;
  object.movieName = type.movie;
  object.id = type.name;
  object.objectName = type.name;
  object.visitorCapacity = type.visitorCapacity;
  object.randomRotation = type.randomRotation;
  object.pathValue = type.pathValue;
  object.state = type.objType;
  object.specialEventLocation = type.specialEventLocation;
  object.specPosition = type.specPosition;
  object.specRotation = type.specRotation;
  object.specFlag = type.specFlag;
  object.displayName = type.displayName;
  for (int i = 0; i < CAttraction::kLevelCount; ++i) object.levelFlagPositions[i] = type.levelFlagPositions[i];
  object.effectFile = type.effect;
  object.animTime = type.animTime;
  object.placeX = type.placeX;
  object.placeY = type.placeY;
  object.events = type.events;
  object.hasEvents = 0;
  for (size_t i = 0; i < type.models.size(); ++i) {
    object.ResetTransform(type.models[i]);
    object.partObjects.push_back(type.models[i]);
    if (i < type.modelSetups.size()) {
      object.setupRecords.push_back(std::make_unique<ObjectSetupRecord>(type.modelSetups[i]));
    }
  }
  object.animatedObjects = type.animatedModels;
  object.figures = type.characters;
  for (const SpecialEventRecord& figure : type.eventFigures) {
    NamedPart part;
    part.name = figure.name;
    part.object = figure.character;
    part.model = figure.gameObject;
    object.namedParts.push_back(part);
  }
  object.inPathNames = type.inPathNames;
  object.outPathNames = type.outPathNames;
}

void SetUpPlacementTemplate(CAttraction& object, const ObjectTypeDescriptor& type, int32_t index, int32_t price) {
  object.Reset();
  TakeObjectTypeFields(object, type);
  object.buildCost = price;
  object.objectNumber = index;
  object.isPreview = 1;
  object.level = 1;
  object.condition = kNewCondition;
}
