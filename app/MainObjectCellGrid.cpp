// What the land's cell grid keeps up to date on the main object, and the
// placed objects' footprints on it.
#include <functional>

#include "app/VAvazadOvurUrovi.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/objects/PlacedObjectLookup.h"
#include "world/placement/ObjectFootprint.h"
#include "world/render/WorldTexture.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

namespace {

using CellVisitor = std::function<bool(int32_t i, int32_t j)>;

bool FootprintOf(const CAttraction& object, ObjectFootprint* out) {
  return ComputeObjectFootprint(object.GetPositionStruct(), object.GetRotation(), object.state == kObjectKindPlant,
                                object.placeX, object.placeY, out);
}

// Visits the cells under the object, i upward and j downward, until the
// visitor returns true; true when it did.
bool AnyCellUnder(const CAttraction& object, const CellVisitor& visit) {
  ObjectFootprint footprint;
  if (!FootprintOf(object, &footprint)) return false;
  for (int32_t i = footprint.FirstI(); i <= footprint.LastI(); ++i) {
    for (int32_t j = footprint.LastJ(); j >= footprint.FirstJ(); --j) {
      if (visit(i, j)) return true;
    }
  }
  return false;
}

void SetCellsUnder(CHeightMapHandlerClass& terrain, const CAttraction& object, int32_t id) {
  AnyCellUnder(object, [&](int32_t i, int32_t j) {
    terrain.SetCellObjectId(i, j, id);
    return false;
  });
}

// The square drawn under each cell of the preview: 4 units on a side,
// facing up, a hair above the ground.
struct FootprintVertex {
  float x, y, z;
  float nx, ny, nz;
  float u, v;
};
constexpr std::uint32_t kFootprintVertexFormat = plat::Fvf::Xyz | plat::Fvf::Normal | plat::Fvf::Tex1;
constexpr float kSquareHalf = 2.0f;
constexpr float kSquareLift = 0.2f;
constexpr std::uint32_t kSquareTriangles = 2;
constexpr FootprintVertex kSquare[] = {{-kSquareHalf, 0, kSquareHalf, 0, 1, 0, 0, 0},
                                       {kSquareHalf, 0, kSquareHalf, 0, 1, 0, 1, 0},
                                       {-kSquareHalf, 0, -kSquareHalf, 0, 1, 0, 0, 1},
                                       {kSquareHalf, 0, -kSquareHalf, 0, 1, 0, 1, 1}};
constexpr const char* kFreeCellTexture = "\\images\\layer\\buildbase_zold.dds";
constexpr const char* kBlockedCellTexture = "\\images\\layer\\buildbase_piros.dds";

}  // namespace

void VAvazadOvurUrovi::LinkCellGrid() {
  if (!terrain) return;
  CellGridLinks links;
  links.pathFinder = pathFinder;
  links.pathCells = &pathCells;
  links.dirtyPathCells = &litteredPathCells;
  links.rebuildFootpaths = [this] { RebuildFootpaths(); };
  links.objects.findById = [this](int32_t id) { return FindObjectById(id); };
  links.objects.idOf = [](const CAttraction& object) { return object.objectNumber; };
  terrain->SetCellGridLinks(std::move(links));
}

void VAvazadOvurUrovi::ClearPlacedObjectCells(const CAttraction& object) {
  if (!terrain) return;
  // Only the object's own cells: a neighbour's stay marked.
  AnyCellUnder(object, [&](int32_t i, int32_t j) {
    int32_t id = CLandscapeCell::kNoObject;
    if (terrain->GetCellObjectId(i, j, id) && id == object.objectNumber) {
      terrain->SetCellObjectId(i, j, CLandscapeCell::kNoObject);
    }
    return false;
  });
}

void VAvazadOvurUrovi::MarkPlacedObjectCells(const CAttraction& object) {
  if (terrain) SetCellsUnder(*terrain, object, object.objectNumber);
}

void VAvazadOvurUrovi::MarkSelectedObjectCells(CAttraction& object) { ClearPlacedObjectCells(object); }

bool VAvazadOvurUrovi::IsFootprintBlocked() const {
  if (!terrain || !placementPreview || !placementPreview->isPreview) return false;
  return AnyCellUnder(*placementPreview, [&](int32_t i, int32_t j) { return IsCellBlockedForPreview(i, j); });
}

bool VAvazadOvurUrovi::IsCellBlockedForPreview(int32_t i, int32_t j) const {
  int32_t id = CLandscapeCell::kNoObject;
  if (terrain->GetCellObjectId(i, j, id)) return true;
  // Dust bins and benches stand on the footpaths.
  return placementPreview->state != kObjectKindDustBin && terrain->IsPathCell(i, j);
}

void VAvazadOvurUrovi::DrawObjectFootprints() {
  plat::Device* device = EngineDevice();
  if (!device || !terrain || !placementPreview || !placementPreview->isPreview) return;
  if (!footprintTexturesLoaded) {
    // A missing image is reported once; its squares are drawn plain.
    freeCellTexture = LoadWorldTexture(baseDirectory.Std(), kFreeCellTexture);
    blockedCellTexture = LoadWorldTexture(baseDirectory.Std(), kBlockedCellTexture);
    footprintTexturesLoaded = 1;
  }
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, 1);
  device->SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device->SetRenderState(plat::RenderState::DestBlend, plat::Blend::InvSrcAlpha);
  device->SetFVF(kFootprintVertexFormat);
  AnyCellUnder(*placementPreview, [&](int32_t i, int32_t j) {
    plat::Vec3 at;
    terrain->GetCellPosition(i, j, at);
    plat::Matrix move;
    plat::MatrixTranslation(&move, at.x, terrain->GetHeight(at) + kSquareLift, at.z);
    device->SetTransform(plat::TransformType::World, move);
    device->SetTexture(0, IsCellBlockedForPreview(i, j) ? blockedCellTexture : freeCellTexture);
    device->DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, kSquareTriangles, kSquare, sizeof(FootprintVertex));
    return false;
  });
  device->SetTexture(0, nullptr);
  device->SetFVF(0);
  device->SetTransform(plat::TransformType::World, world);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, 0);
}
