#include "tools/scenebuilder/SceneBuilder.h"

#include <cmath>
#include <string_view>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "screens/REraduzizTutorialScreen.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"
#include "world/placement/ObjectFootprint.h"

namespace scenebuilder {

namespace {

constexpr float kRadiansPerDegree = 0.01745329238474369f;
constexpr float kQuarterTurns[] = {0.0f, 90.0f, 180.0f, 270.0f};
// Enough money for the whole layout; the saved park starts with a new
// game's money.
constexpr int32_t kBuildingFunds = 10000000;
// No path on land this low: it would lie under the water.
constexpr float kLowestPathHeight = 1.1f;
// A gate this many cells from its footpath is a layout fault.
constexpr int32_t kLongestGatePath = 12;

// One step from the object toward the footpath beside it, in cells.
struct Step {
  int32_t di;
  int32_t dj;
};

Step TowardPath(Side side) {
  switch (side) {
    case Side::North:
      return {0, -1};
    case Side::South:
      return {0, 1};
    case Side::East:
      return {-1, 0};
    case Side::West:
      return {1, 0};
  }
  return {0, 0};
}

// The local point turned with the object, as the game turns its markers.
plat::Vec3 Turned(const plat::Vec3& local, float rotation) {
  plat::Matrix turn;
  plat::MatrixRotationY(&turn, rotation * kRadiansPerDegree);
  plat::Vec3 out;
  plat::Vec3TransformCoord(&out, local, turn);
  return out;
}

// The quarter turn that brings the type's gate nearest the footpath.
float FacingRotation(const ObjectTypeDescriptor& type, Step toward) {
  float best = kQuarterTurns[0];
  float bestReach = -1e9f;
  for (float rotation : kQuarterTurns) {
    const plat::Vec3 gate = Turned(type.gatePosition, rotation);
    const float reach = gate.x * float(toward.di) + gate.z * float(toward.dj);
    if (reach > bestReach + 1e-3f) {
      bestReach = reach;
      best = rotation;
    }
  }
  return best;
}

std::string TypeText(const char* typeName) { return std::string(" (") + typeName + ")"; }

}  // namespace

bool SceneBuilder::Fail(const std::string& error) {
  m_error = error;
  return false;
}

bool SceneBuilder::Build(const SceneSpec& scene) {
  m_game.cash = kBuildingFunds;
  const std::span<const LayoutGroup> groups = LayoutGroups().first(std::size_t(scene.groups));
  for (const LayoutGroup& group : groups) {
    for (const Footpath& footpath : group.footpaths) {
      if (!LayFootpath(footpath)) return false;
    }
    for (const Placement& placement : group.placements) {
      if (scene.leftOut && std::string_view(placement.type) == scene.leftOut) continue;
      if (!Place(placement)) return false;
    }
    for (const FixedPlacement& placement : group.fixedPlacements) {
      if (!PlaceFixed(placement)) return false;
    }
  }
  for (const Footpath& footpath : m_footpaths) PlantAlong(footpath);
  PrepareToSave(scene);
  const EngineString path = m_game.baseDirectory + "\\" + EngineString(scene.path);
  if (!m_game.WriteSavedGame(path, false)) return Fail(std::string("cannot write ") + scene.path);
  return true;
}

bool SceneBuilder::LayCell(int32_t i, int32_t j) {
  CLandscapeCell cell;
  if (!m_game.terrain->GetCell(i, j, cell)) return false;
  if (cell.IsPath()) return true;
  if (m_game.terrain->GetHeight(cell.GetPosition()) < kLowestPathHeight) return false;
  m_game.terrain->AddPathCell(i, j, CLandscapeCell::kTypePath);
  return true;
}

bool SceneBuilder::LayFootpath(const Footpath& footpath) {
  for (int32_t k = footpath.first; k <= footpath.last; ++k) {
    const int32_t i = footpath.alongRow ? k : footpath.line;
    const int32_t j = footpath.alongRow ? footpath.line : k;
    if (!LayCell(i, j)) {
      return Fail("no footpath can lie on cell " + std::to_string(i) + "," + std::to_string(j));
    }
  }
  m_game.RebuildFootpaths();
  m_footpaths.push_back(footpath);
  return true;
}

bool SceneBuilder::IsFreeLand(int32_t i, int32_t j) const {
  CLandscapeCell cell;
  return m_game.terrain->GetCell(i, j, cell) && !cell.HasObject() && !cell.IsCountedAsPath();
}

bool SceneBuilder::Place(const Placement& placement) {
  ObjectTypeDescriptor type;
  int32_t index = 0;
  if (!m_game.FindObjectTypeByName(placement.type, &type, &index)) {
    return Fail(std::string("the park has no object type ") + placement.type);
  }
  const Step toward = TowardPath(placement.side);
  const float rotation = FacingRotation(type, toward);
  const bool firstAlongI = FootprintFirstSizeAlongI(rotation, false);
  const int32_t halfI = FootprintHalfSize(firstAlongI ? type.placeX : type.placeY);
  const int32_t halfJ = FootprintHalfSize(firstAlongI ? type.placeY : type.placeX);
  // The footprint's edge lies on the cell beside the footpath.
  const bool besideRow = toward.dj != 0;
  const int32_t away = besideRow ? halfJ + 1 : halfI + 1;
  Cell centre = besideRow ? Cell{placement.along, placement.line - toward.dj * away}
                          : Cell{placement.line - toward.di * away, placement.along};
  plat::Vec3 at;
  if (!m_game.terrain->GetCellPosition(centre.i, centre.j, at)) {
    return Fail("cell " + std::to_string(centre.i) + "," + std::to_string(centre.j) + " is off the land" +
                TypeText(placement.type));
  }
  at.y = m_game.terrain->GetHeight(at);
  return PlaceObject(placement.type, at, rotation, {toward.di, toward.dj});
}

bool SceneBuilder::PlaceFixed(const FixedPlacement& placement) {
  plat::Vec3 at{placement.x, 0, placement.z};
  at.y = m_game.terrain->GetHeight(at);
  // The gate leads south to the footpath's row.
  const Step toward = TowardPath(Side::North);
  return PlaceObject(placement.type, at, placement.rotation, {toward.di, toward.dj});
}

bool SceneBuilder::PlaceObject(const char* typeName, const plat::Vec3& at, float rotation, Cell towardPath) {
  ObjectTypeDescriptor type;
  int32_t index = 0;
  m_game.FindObjectTypeByName(typeName, &type, &index);
  ObjectFootprint footprint;
  if (!ComputeObjectFootprint(at, rotation, type.objType == kObjectKindPlant, type.placeX, type.placeY, &footprint)) {
    return Fail("off the land" + TypeText(typeName));
  }
  for (int32_t i = footprint.FirstI(); i <= footprint.LastI(); ++i) {
    for (int32_t j = footprint.FirstJ(); j <= footprint.LastJ(); ++j) {
      if (!IsFreeLand(i, j)) {
        return Fail("cell " + std::to_string(i) + "," + std::to_string(j) + " is taken" + TypeText(typeName));
      }
    }
  }
  // From the gate toward the footpath until it is met, then on to the middle.
  const plat::Vec3 gate = at + Turned(type.gatePosition, rotation);
  Cell gateCell{0, 0};
  CHeightMapHandlerClass::WorldToCell(gate.x, gate.y, gate.z, gateCell.i, gateCell.j);
  Cell step = gateCell;
  int32_t laid = 0;
  for (; !m_game.terrain->IsPathCell(step.i, step.j); step = {step.i + towardPath.i, step.j + towardPath.j}) {
    if (++laid > kLongestGatePath || !LayCell(step.i, step.j)) return Fail("no path to the gate" + TypeText(typeName));
  }
  for (Cell on = gateCell; on.j != footprint.centreJ || on.i != footprint.centreI;) {
    if (on.j != footprint.centreJ) {
      on.j += on.j < footprint.centreJ ? 1 : -1;
    } else {
      on.i += on.i < footprint.centreI ? 1 : -1;
    }
    if (!LayCell(on.i, on.j)) return Fail("no path to the middle" + TypeText(typeName));
  }
  m_game.RebuildFootpaths();
  if (!m_game.SelectBuildItem(uint32_t(index), type.buildCost)) return Fail("cannot choose" + TypeText(typeName));
  CAttraction& preview = *m_game.placementPreview;
  preview.SetPosition(at.x, at.y, at.z);
  preview.SetRotation(rotation);
  if (!m_game.PlaceBuildItem(preview)) return Fail("cannot buy" + TypeText(typeName));
  return true;
}

void SceneBuilder::PlantAlong(const Footpath& footpath) {
  const std::span<const char* const> plants = PlantTypes();
  for (int32_t k = footpath.first; k <= footpath.last; k += kPlantSpacing) {
    for (int32_t side : {-kPlantDistance, kPlantDistance}) {
      const int32_t i = footpath.alongRow ? k : footpath.line + side;
      const int32_t j = footpath.alongRow ? footpath.line + side : k;
      plat::Vec3 at;
      if (!IsFreeLand(i, j) || !m_game.terrain->GetCellPosition(i, j, at)) continue;
      at.y = m_game.terrain->GetHeight(at);
      if (at.y < kLowestPathHeight) continue;
      ObjectTypeDescriptor type;
      int32_t index = 0;
      const char* name = plants[m_nextPlant % plants.size()];
      if (!m_game.FindObjectTypeByName(name, &type, &index) || !m_game.SelectBuildItem(uint32_t(index), type.buildCost)) {
        continue;
      }
      ++m_nextPlant;
      CAttraction& preview = *m_game.placementPreview;
      preview.SetPosition(at.x, at.y, at.z);
      m_game.PlaceBuildItem(preview);
    }
  }
}

void SceneBuilder::PrepareToSave(const SceneSpec& scene) {
  m_game.ResetGameLists();
  m_game.DeleteLedgerAndFoods();
  m_game.CreateLedgerAndFoods();
  m_game.InitLedgerAndFoods();
  m_game.cash = VAvazadOvurUrovi::kNewGameCash;
  // The manager was made on the real clock while the park loaded.
  if (CPorvikAiClass* manager = m_game.GetAiManager()) {
    ManagerRunState state = manager->GetRunState();
    state.lastSpawnTick = int32_t(plat::TickCount());
    manager->SetRunState(state);
  }
  const bool tutorial = scene.tutorialLevel > 0;
  m_game.tutorialMode = tutorial ? 1 : 0;
  m_game.tutorialProgress = tutorial ? 1 : 0;
  if (m_game.tutorialScreen) m_game.tutorialScreen->lesson = scene.tutorialLevel;
}

}  // namespace scenebuilder
