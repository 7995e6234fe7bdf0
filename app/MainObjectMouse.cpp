// The land's answer to the mouse messages that no GUI element took: the
// left button drags the camera round, the cursor carries the placement
// preview or the path cursor over the land, the right button's release
// places, lays or removes a path, or picks, and the middle button's release
// puts every tool away.
#include <cmath>
#include <cstdlib>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "gui/core/GuiCommand.h"
#include "gui/core/GuiMessages.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"
#include "world/CPorvikRoad.h"

namespace {

constexpr float kRadiansPerDegree = 0.01745329238474369f;
// One drag message turns the camera by this much, however far it went.
constexpr float kDragStepDegrees = 5.0f;
// Ctrl turns the preview by a quarter on every fifth move wider than this.
constexpr int32_t kRotationMoveWidth = 5;
constexpr int32_t kMovesPerRotationStep = 4;
constexpr int32_t kQuarterTurn = 90;
constexpr int32_t kFullTurn = 360;
// Paths go only on land this high, the path cursor floats this far above it.
constexpr float kLowestPathHeight = 1.1f;
constexpr float kPathCursorLift = 0.5f;
// The talking dust bin snaps to the cells as buildings do.
constexpr const char* kTalkingDustBin = "beszelokuka";
constexpr const char* kMainEntranceId = "Attr_MainEntrance";
// Two rides that always stand at one place of the park.
struct FixedPlace {
  const char* id;
  plat::Vec3 position;
  float rotation;
};
constexpr FixedPlace kFixedPlaces[] = {{"Attr_Norwhistle", {-99.532f, 1.036f, 140.273f}, 90.0f},
                                       {"Attr_Velmorra", {-123.166f, 1.106f, -45.46f}, 0.0f}};
// The scenario whose goal is to find these characters.
constexpr int32_t kFindVisitorsScenario = 1;
constexpr int32_t kFindableIds[] = {1, 4, 5};
// The upgrade page an upgrade icon opens.
constexpr int32_t kUpgradePage = 10269;
constexpr int32_t kUpgradeControl = 10234;
// The folder of the attractions' films.
constexpr const char* kFilmFolder = "\\Music\\videos\\";

// The next quarter of a turn in one direction (sign 1 or -1); false for a
// rotation that is no whole quarter of that direction.
bool NextQuarterTurn(int32_t rotation, int32_t sign, float* next) {
  for (int32_t quarter = 0; quarter < kFullTurn / kQuarterTurn; ++quarter) {
    if (rotation != sign * quarter * kQuarterTurn) continue;
    const int32_t following = (quarter + 1) % (kFullTurn / kQuarterTurn);
    *next = float(sign * following * kQuarterTurn);
    return true;
  }
  return false;
}

bool IsFindableId(int32_t id) {
  for (int32_t findable : kFindableIds) {
    if (id == findable) return true;
  }
  return false;
}

}  // namespace

void VAvazadOvurUrovi::OnMouseMessage(uint32_t message, uint32_t /*wParam*/, uint32_t lParam) {
  const ScreenPoint at{int32_t(lParam & 0xFFFF), int32_t(lParam >> 16)};
  switch (message) {
    case gui::kMouseMove:
      OnMouseMove(at);
      break;
    case gui::kLeftDown:
      mouseCurrent = mousePrevious = at;
      leftDragging = 1;
      break;
    case gui::kLeftUp:
      leftDragging = 0;
      break;
    case gui::kRightUp:
      mouseCurrent = mousePrevious = at;
      OnRightClick(at);
      break;
    case gui::kMiddleUp:
      PutToolsAway();
      break;
    default:
      break;
  }
}

void VAvazadOvurUrovi::OnMouseMove(ScreenPoint at) {
  mouseCurrent = at;
  if (leftDragging) {
    DragCamera();
  } else if (!terrain) {
    return;
  } else if (layingPath || removingPath) {
    MovePathCursor(at);
  } else if (placementPreview && placementPreview->isPreview) {
    MovePreview(at);
  } else if (mainEntranceSelected) {
    ReleaseMainEntranceSelection();
  }
  // The placed objects test themselves against the cursor only while no
  // tool is in the hand.
  hoverPicking = !leftDragging && !layingPath && !removingPath && !(placementPreview && placementPreview->isPreview);
  mousePrevious = mouseCurrent;
}

void VAvazadOvurUrovi::DragCamera() {
  if (!g_camera) return;
  const int32_t dx = mouseCurrent.x - mousePrevious.x;
  const int32_t dy = mouseCurrent.y - mousePrevious.y;
  if (std::abs(dx) >= std::abs(dy)) {
    g_camera->RotateWorldY((dx > 0 ? kDragStepDegrees : -kDragStepDegrees) * kRadiansPerDegree);
  } else {
    g_camera->Pitch((dy < 0 ? -kDragStepDegrees : kDragStepDegrees) * kRadiansPerDegree);
  }
}

bool VAvazadOvurUrovi::PickLand(ScreenPoint at, plat::Vec3* hit) const {
  if (!terrain) return false;
  const PickRay ray = GetPickRay(at.x, at.y);
  return terrain->Pick(ray.origin.x, ray.origin.y, ray.origin.z, ray.direction.x, ray.direction.y, ray.direction.z,
                       *hit);
}

bool VAvazadOvurUrovi::PickCell(ScreenPoint at, int32_t* i, int32_t* j) const {
  plat::Vec3 hit;
  return PickLand(at, &hit) && CHeightMapHandlerClass::WorldToCell(hit.x, hit.y, hit.z, *i, *j);
}

void VAvazadOvurUrovi::MovePreview(ScreenPoint at) {
  plat::Vec3 hit;
  if (!PickLand(at, &hit)) return;
  if (controlKeyDown) {
    TurnPreview();
    return;
  }
  const float height = terrain->GetHeight(hit);
  const int32_t kind = placementPreview->state;
  const bool free = (kind == kObjectKindDustBin || kind == kObjectKindPlant) && placementPreview->id != kTalkingDustBin;
  plat::Vec3 place = hit;
  if (!free) terrain->GetCellAtWorld(hit.x, hit.y, hit.z, place);
  placementPreview->SetPosition(place.x, height, place.z);
  placementAllowed = 0;
  placementAllowed = IsFootprintBlocked() ? 0 : 1;
}

void VAvazadOvurUrovi::TurnPreview() {
  const int32_t dx = mouseCurrent.x - mousePrevious.x;
  if (dx == kRotationMoveWidth) return;
  const int32_t sign = dx > kRotationMoveWidth ? 1 : -1;
  float rotation = placementPreview->GetRotation();
  if (rotationMoves <= kMovesPerRotationStep - 1) {
    ++rotationMoves;
  } else if (NextQuarterTurn(int32_t(rotation), sign, &rotation)) {
    rotationMoves = 0;
  }
  placementPreview->SetRotation(rotation);
}

void VAvazadOvurUrovi::MovePathCursor(ScreenPoint at) {
  int32_t i = 0, j = 0;
  plat::Vec3 cell;
  if (!PickCell(at, &i, &j) || !terrain->GetCellPosition(i, j, cell)) return;
  const float height = terrain->GetHeight(cell);
  if (height >= 0.0f) pathCursorPosition = {cell.x, height + kPathCursorLift, cell.z};
}

void VAvazadOvurUrovi::RebuildFootpaths() {
  if (road) road->BuildGeometry();
}

void VAvazadOvurUrovi::OnRightClick(ScreenPoint at) {
  if (mainEntranceSelected) {
    ReleaseMainEntranceSelection();
    buildToolMode = 0;
    mainEntranceSelected = 0;
  } else if (removingPath) {
    RemovePathAt(at);
  } else if (layingPath) {
    LayPathAt(at);
  } else if (placingItem) {
    PlacePreview();
  } else if (buildToolMode == kPickCharacterMode) {
    PickCharacterAt(at);
  } else {
    PickIconAt(at);
  }
}

void VAvazadOvurUrovi::RemovePathAt(ScreenPoint at) {
  int32_t i = 0, j = 0;
  CLandscapeCell cell;
  if (!PickCell(at, &i, &j) || !terrain->GetCell(i, j, cell) || !cell.IsCountedAsPath()) return;
  terrain->RemovePathCell(i, j);
  RebuildFootpaths();
}

void VAvazadOvurUrovi::LayPathAt(ScreenPoint at) {
  int32_t i = 0, j = 0;
  CLandscapeCell cell;
  if (!PickCell(at, &i, &j) || !terrain->GetCell(i, j, cell)) return;
  // A cell laid twice would be counted twice. A cell under a building takes
  // a path: that is how a path reaches a gate inside the building's
  // footprint.
  if (cell.IsCountedAsPath()) return;
  if (type2CellTool) {
    terrain->AddType2Cell(i, j);
  } else {
    if (terrain->GetHeight(cell.GetPosition()) < kLowestPathHeight) return;
    terrain->AddPathCell(i, j, pathStyle == 0 ? CLandscapeCell::kTypePath : CLandscapeCell::kTypePathSecondStyle);
  }
  RebuildFootpaths();
}

void VAvazadOvurUrovi::PlacePreview() {
  CAttraction* preview = placementPreview;
  if (!preview || !preview->isPreview || !placementAllowed) return;
  if (preview->id == kMainEntranceId) preview->isMainEntrance = 1;
  for (const FixedPlace& fixed : kFixedPlaces) {
    if (preview->id != fixed.id) continue;
    preview->SetPosition(fixed.position.x, fixed.position.y, fixed.position.z);
    preview->SetRotation(fixed.rotation);
  }
  // The preview may have turned or moved since the last test.
  if (IsFootprintBlocked()) {
    placementAllowed = 0;
    return;
  }
  if (!PlaceBuildItem(*preview)) return;
  RefreshStatusDisplay();
  placingItem = 0;
  placementAllowed = 0;
}

void VAvazadOvurUrovi::PickCharacterAt(ScreenPoint at) {
  pickedCharacter = HitTestCharacters(at.x, at.y);
  if (!pickedCharacter) {
    buildToolMode = 0;
    RefreshInfoPanel(kNoCharacter);
    visitorPanelShown = 0;
    return;
  }
  const int32_t id = pickedCharacter->GetId();
  if (scenarios && scenarios->current == kFindVisitorsScenario && IsFindableId(id)) {
    if (!IsInObjectList(id)) foundVipKinds.push_back(id);
    return;
  }
  buildToolMode = 0;
  if (id >= CPorvikAiClass::kFirstVisitorId) {
    RefreshInfoPanel(id);
    if (pickedCharacter->IsVisible()) visitorPanelShown = 1;
  } else {
    OnPickedItem(id);
  }
}

void VAvazadOvurUrovi::PickIconAt(ScreenPoint at) {
  int32_t kind = 0;
  CAttraction* object = HitTestObjects(at.x, at.y, &kind);
  if (!object) return;
  if (kind == kFilmIcon) {
    PlayFilmOf(*object);
    return;
  }
  selectedObject = object;
  modalScreenOpen = 1;
  PostCommand(-1, kUpgradePage, kCmdShowPage, kUpgradeControl, 0);
}

void VAvazadOvurUrovi::PlayFilmOf(const CAttraction& object) {
  if (!object.HasFilm()) return;
  // A film that does not start leaves the park running as it was.
  if (!PlayVideo(baseDirectory + EngineString(kFilmFolder) + object.movieName)) return;
  SetIntroVideoRect();
  inGameVideoStarted = 1;
}

void VAvazadOvurUrovi::PutToolsAway() {
  if (placementPreview) placementPreview->Reset();
  pathMenuShown = demolishMenuShown = 0;
  layingPath = removingPath = 0;
  toolBytes[0] = toolBytes[1] = 0;
  buildBookOpen = 0;
  placingItem = placementAllowed = 0;
  visitorPanelShown = 0;
  pathStyle = kNoPathStyle;
  buildToolMode = 0;
  mainEntranceSelected = 0;
}

void VAvazadOvurUrovi::ReleaseMainEntranceSelection() {
  if (!selectedObject || selectedObject->id == kMainEntranceId) return;
  selectedObject->isSelected = 0;
  selectedObject->footprintRedraw = 1;
  selectedObject = nullptr;
}

bool VAvazadOvurUrovi::IsInObjectList(int32_t value) const {
  for (int32_t entry : foundVipKinds) {
    if (entry == value) return true;
  }
  return false;
}
