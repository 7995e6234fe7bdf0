// Placed objects made by the player's hand and by the gardener: an object
// of a named type, a plant at a point, and a bought build item.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "park/REraduzizEventClass.h"
#include "park/ledger/LedgerBooking.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
#include "screens/REraduzizObjectWindow.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/placement/PlantTypes.h"

namespace {

constexpr float kRadiansPerDegree = 0.01745329238474369f;
constexpr int32_t kFullTurnDegrees = 360;
// What an object made from a type costs until its build item sets a price,
// and its level and condition.
constexpr int32_t kTypePrice = 10;
constexpr int32_t kTypeLevel = 1;
constexpr int32_t kTypeCondition = 100;
// Every third planting counts as one plant; the greenery shows at most 100.
constexpr int32_t kPlantingsPerPlant = 3;
// The cell layer that marks planted land.
constexpr int kPlantedLayer = 2;
constexpr uint16_t kPlanted = 1;
// The placed record of a purchase.
constexpr int32_t kPurchaseRecord = 4;
// The cash machines add no room for visitors.
constexpr const char* kCashMachineIds[] = {"cashFotel", "kincseslada"};
constexpr const char* kMainEntranceId = "Attr_MainEntrance";

float RandomRotation() { return float(plat::Rand() % kFullTurnDegrees); }

bool AddsCapacity(const CAttraction& object) {
  if (object.state != kObjectKindAttraction && object.state != kObjectKindAttractionB) return false;
  return std::none_of(std::begin(kCashMachineIds), std::end(kCashMachineIds),
                      [&](const char* id) { return object.id == id; });
}

// The object's marker points, read as offsets from where it stands, become
// world points turned with it.
void PlaceMarkerPoints(CAttraction& object) {
  plat::Matrix turn, move;
  plat::MatrixRotationY(&turn, object.GetRotation() * kRadiansPerDegree);
  const plat::Vec3 at = object.GetPositionStruct();
  plat::MatrixTranslation(&move, at.x, at.y, at.z);
  const plat::Matrix placed = turn * move;
  for (plat::Vec3* point : {&object.gatePosition, &object.levelFlagPositions[0], &object.exitPosition,
                            &object.levelFlagPositions[1], &object.levelFlagPositions[2],
                            &object.specialEventLocation}) {
    const plat::Vec3 local = *point;
    plat::Vec3TransformCoord(point, local, placed);
  }
}

}  // namespace

bool VAvazadOvurUrovi::PlaceObjectOfType(CAttraction& object, EngineString typeName) {
  int32_t index = 0;
  const ObjectTypeDescriptor* type = FindObjectTypeByName(typeName, &index);
  if (!type) return false;
  TakeObjectTypeFields(object, *type);
  object.id = typeName;
  object.objectNumber = index;
  object.buildCost = kTypePrice;
  object.isPreview = 0;
  object.level = kTypeLevel;
  object.condition = kTypeCondition;
  return true;
}

void VAvazadOvurUrovi::CountPlanting() {
  if (plantingCounter == kPlantingsPerPlant - 1) {
    plantingCounter = 0;
    ++plantCount;
  } else {
    ++plantingCounter;
  }
  greeneryPercent = std::clamp(plantCount, 0, kMaxGreeneryPercent);
}

CAttraction* VAvazadOvurUrovi::PlantAt(float x, float y, float z, int32_t kind) {
  const char* typeName = PlantTypeName(kind);
  if (!typeName) return nullptr;
  auto plant = std::make_unique<CAttraction>();
  // A plant whose type the park lacks would stand without a model.
  if (!PlaceObjectOfType(*plant, typeName)) return nullptr;
  CAttraction* object = placedObjects.Place(std::move(plant));
  object->SetRotation(RandomRotation());
  object->SetPosition(x, y, z);
  object->growIn = 1;
  object->growTick = plat::TickCount();
  object->UpdateAnchorPoints();
  CountPlanting();
  int32_t i = 0, j = 0;
  if (terrain && CHeightMapHandlerClass::WorldToCell(x, y, z, i, j)) {
    terrain->SetCellLayerAndAddObject(i, j, kPlantedLayer, kPlanted, object);
  }
  return object;
}

CAttraction* VAvazadOvurUrovi::PlaceBuildItem(const CAttraction& item) {
  // The price is tested where the object is set down, whoever sets it down.
  if (!CanAfford(item.buildCost)) return nullptr;
  auto made = std::make_unique<CAttraction>();
  made->InitFromTemplate(item);
  CAttraction* object = placedObjects.Place(std::move(made));
  // Its park events may start now, as a loaded object's do.
  object->hasEvents = 1;
  // A freely turned object is announced like any other, its points turned
  // with it.
  if (object->randomRotation) object->SetRotation(RandomRotation());
  PlaceMarkerPoints(*object);
  if (CPorvikAiClass* manager = GetAiManager()) {
    manager->AddPlacement(object->gatePosition, object->objectNumber, object->id, object->state,
                          object->id == kMainEntranceId);
    if (AddsCapacity(*object)) manager->SetCapacity(manager->GetCapacity() + object->visitorCapacity);
  }
  if (placingItem) {
    if (placementPreview) placementPreview->Reset();
    placingItem = 0;
    placementAllowed = 0;
  }
  const int32_t price = object->buildCost;
  AddCash(-price);
  AddPlacedRecord(false, price, gameDate.year, gameDate.month, gameDate.day, kPurchaseRecord, object->id);
  if (ledgerTree && ledgerRecords) {
    const LedgerDate now{gameDate.year, gameDate.month, gameDate.day, gameHour};
    AddObjectZeroRecords(*ledgerTree, *ledgerRecords, object->objectNumber, systemYear, now);
  }
  BookLedgerKind(ledger::kBuild, object->objectNumber, price);
  object->UpdateAnchorPoints();
  MarkPlacedObjectCells(*object);
  const plat::Vec3 at = object->GetPositionStruct();
  if (terrain) terrain->SetCellName(at.x, at.y, at.z, object->id.CStr());
  if (object->state == kObjectKindAttraction && screens->objectWindow) screens->objectWindow->UpdatePoints();
  if (object->state == kObjectKindPlant) {
    CountPlanting();
    int32_t i = 0, j = 0;
    if (terrain && CHeightMapHandlerClass::WorldToCell(at.x, at.y, at.z, i, j)) {
      terrain->SetCellLayer(i, j, kPlantedLayer, kPlanted);
    }
  }
  if (tutorialMode && tutorialScreen) tutorialScreen->OnObjectPlaced(object->state, object->id, plantCount);
  // The building goal looks for its building in the next frame: the item
  // was taken from the book before it stood.
  buildItemSelected = 1;
  CollectObjectsByState();
  // A park that is being built holds its events back for a while.
  if (parkEvents) parkEvents->eventStamp = plat::TickCount();
  return object;
}
