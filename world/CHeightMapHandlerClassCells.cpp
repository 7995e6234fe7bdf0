// The cell grid of the land.
#include <algorithm>
#include <cmath>

#include "engine/core/SceneStream.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

// v rounded half away from zero; -1 for what is no number, so that it lies
// outside the grid like every other far-off value.
int32_t RoundedCellIndex(float world) {
  const double v = (double(world) + CHeightMapHandlerClass::kGridHalfExtent) / CHeightMapHandlerClass::kCellSize;
  const double rounded = v >= 0.0 ? std::floor(v + 0.5) : std::ceil(v - 0.5);
  constexpr double kFarOff = 1 << 20;
  if (!(rounded > -kFarOff && rounded < kFarOff)) return -1;
  return int32_t(rounded);
}

}  // namespace

bool CHeightMapHandlerClass::WorldToCell(float x, float /*y*/, float z, int32_t& i, int32_t& j) {
  i = RoundedCellIndex(x);
  j = RoundedCellIndex(z);
  return InGrid(i, j);
}

CLandscapeCell* CHeightMapHandlerClass::CellAt(int32_t i, int32_t j) {
  return InGrid(i, j) ? &m_cells[size_t(j) * kCellsPerSide + i] : nullptr;
}

const CLandscapeCell* CHeightMapHandlerClass::CellAt(int32_t i, int32_t j) const {
  return InGrid(i, j) ? &m_cells[size_t(j) * kCellsPerSide + i] : nullptr;
}

void CHeightMapHandlerClass::InitCells() {
  for (int32_t j = 0; j < kCellsPerSide; ++j) {
    for (int32_t i = 0; i < kCellsPerSide; ++i) {
      CLandscapeCell fresh;
      fresh.Setup(float(i) * kCellSize - kGridHalfExtent, 0.0f, float(j) * kCellSize - kGridHalfExtent,
                  CLandscapeCell::kTypeNone);
      *CellAt(i, j) = fresh;
    }
  }
  SyncWalkability();
  RecountPathCells();
  BuildVertices();
}

void CHeightMapHandlerClass::SetCellGridLinks(CellGridLinks links) {
  m_links = std::move(links);
  SyncWalkability();
}

void CHeightMapHandlerClass::MarkWalkable(int32_t i, int32_t j, bool walkable) {
  if (m_links.pathFinder) m_links.pathFinder->SetWalkable(i, j, walkable ? 1 : 0);
}

void CHeightMapHandlerClass::SyncWalkability() {
  if (!m_links.pathFinder) return;
  for (int32_t j = 0; j < kCellsPerSide; ++j) {
    for (int32_t i = 0; i < kCellsPerSide; ++i) MarkWalkable(i, j, CellAt(i, j)->IsPath());
  }
}

void CHeightMapHandlerClass::RecountPathCells() {
  int32_t paths = 0, littered = 0;
  for (const CLandscapeCell& cell : m_cells) {
    if (!cell.IsCountedAsPath()) continue;
    ++paths;
    if (cell.IsLittered()) ++littered;
  }
  if (m_links.pathCells) *m_links.pathCells = paths;
  if (m_links.dirtyPathCells) *m_links.dirtyPathCells = littered;
}

bool CHeightMapHandlerClass::GetCell(int32_t i, int32_t j, CLandscapeCell& out) const {
  const CLandscapeCell* cell = CellAt(i, j);
  if (cell) out = *cell;
  return cell != nullptr;
}

bool CHeightMapHandlerClass::GetCellPosition(int32_t i, int32_t j, plat::Vec3& out) const {
  const CLandscapeCell* cell = CellAt(i, j);
  if (cell) out = cell->GetPosition();
  return cell != nullptr;
}

bool CHeightMapHandlerClass::GetCellObjectId(int32_t i, int32_t j, int32_t& id) const {
  const CLandscapeCell* cell = CellAt(i, j);
  if (!cell) return false;
  id = cell->GetObjectId();
  return cell->HasObject();
}

void CHeightMapHandlerClass::SetCellObjectId(int32_t i, int32_t j, int32_t id) {
  if (CLandscapeCell* cell = CellAt(i, j)) cell->SetObjectId(id);
}

bool CHeightMapHandlerClass::IsPathCell(int32_t i, int32_t j) const {
  const CLandscapeCell* cell = CellAt(i, j);
  return cell && cell->IsPath();
}

bool CHeightMapHandlerClass::GetCellAtWorld(float x, float y, float z, plat::Vec3& out) const {
  int32_t i = 0, j = 0;
  if (!WorldToCell(x, y, z, i, j)) return false;
  const CLandscapeCell* cell = CellAt(i, j);
  if (cell->ContainsPoint(x, y, z)) out = cell->GetPosition();
  return true;
}

void CHeightMapHandlerClass::SetCellLayer(int32_t i, int32_t j, int n, uint16_t value) {
  if (CLandscapeCell* cell = CellAt(i, j)) cell->SetLayer(n, value);
}

void CHeightMapHandlerClass::SetCellLayerAndAddObject(int32_t i, int32_t j, int n, uint16_t value,
                                                      const CAttraction* object) {
  CLandscapeCell* cell = CellAt(i, j);
  if (!cell) return;
  cell->SetLayer(n, value);
  cell->AddObject(object, m_links.objects);
}

void CHeightMapHandlerClass::SetCellName(float x, float y, float z, const char* name) {
  int32_t i = 0, j = 0;
  if (WorldToCell(x, y, z, i, j)) CellAt(i, j)->SetName(name);
}

CAttraction* CHeightMapHandlerClass::GetLowestObjectInCell(int32_t i, int32_t j) const {
  const CLandscapeCell* cell = CellAt(i, j);
  return cell ? cell->GetLowestObject(m_links.objects) : nullptr;
}

void CHeightMapHandlerClass::AddCounted(CLandscapeCell& cell) {
  if (m_links.pathCells) ++*m_links.pathCells;
  if (cell.IsLittered()) CountLitter(1);
}

void CHeightMapHandlerClass::AddPathCell(int32_t i, int32_t j, uint16_t type) {
  CLandscapeCell* cell = CellAt(i, j);
  if (!cell || !CLandscapeCell::IsPathType(type)) return;
  if (!cell->IsCountedAsPath()) AddCounted(*cell);
  cell->SetType(type);
  MarkWalkable(i, j, true);
}

void CHeightMapHandlerClass::AddType2Cell(int32_t i, int32_t j) {
  CLandscapeCell* cell = CellAt(i, j);
  if (!cell) return;
  if (!cell->IsCountedAsPath()) AddCounted(*cell);
  cell->SetType(CLandscapeCell::kTypeToolCell);
  MarkWalkable(i, j, false);
}

void CHeightMapHandlerClass::RemovePathCell(int32_t i, int32_t j) {
  CLandscapeCell* cell = CellAt(i, j);
  if (!cell || !cell->IsCountedAsPath()) return;
  if (m_links.pathCells) --*m_links.pathCells;
  if (cell->IsLittered()) CountLitter(-1);
  cell->SetType(CLandscapeCell::kTypeNone);
  // The litter went with the path: a path laid here later starts clean.
  if (cell->IsLittered()) cell->SetLayer(1, 0);
  MarkWalkable(i, j, false);
}

void CHeightMapHandlerClass::CountLitter(int32_t change) {
  // Counters set from outside may lag behind; the count never goes below 0.
  if (m_links.dirtyPathCells) *m_links.dirtyPathCells = std::max(*m_links.dirtyPathCells + change, 0);
}

void CHeightMapHandlerClass::SetLitter(int32_t i, int32_t j, uint16_t state) {
  CLandscapeCell* cell = CellAt(i, j);
  if (!cell || cell->IsLittered() == (state == CLandscapeCell::kDirty)) return;
  cell->SetLayer(1, state);
  if (!cell->IsCountedAsPath()) return;
  CountLitter(state == CLandscapeCell::kDirty ? 1 : -1);
  if (m_links.rebuildFootpaths) m_links.rebuildFootpaths();
}

bool CHeightMapHandlerClass::DropLitterAt(float x, float y, float z) {
  int32_t i = 0, j = 0;
  if (!WorldToCell(x, y, z, i, j)) return false;
  SetLitter(i, j, CLandscapeCell::kDirty);
  return true;
}

void CHeightMapHandlerClass::DropLitterInCell(int32_t i, int32_t j) { SetLitter(i, j, CLandscapeCell::kDirty); }

bool CHeightMapHandlerClass::CleanLitterAt(float x, float y, float z) {
  int32_t i = 0, j = 0;
  if (!WorldToCell(x, y, z, i, j)) return false;
  SetLitter(i, j, CLandscapeCell::kClean);
  return true;
}

bool CHeightMapHandlerClass::IsCellLittered(int32_t i, int32_t j) const {
  const CLandscapeCell* cell = CellAt(i, j);
  return cell && cell->IsLittered();
}

void CHeightMapHandlerClass::SaveCells(SceneStream& stream) const {
  for (int32_t i = 0; i < kCellsPerSide; ++i) {
    for (int32_t j = 0; j < kCellsPerSide; ++j) CellAt(i, j)->Save(stream);
  }
}

bool CHeightMapHandlerClass::LoadCells(SceneStream& stream) {
  // In file order (i outer, j inner), kept apart until the whole block is read.
  std::vector<CLandscapeCell> read;
  read.reserve(kCellCount);
  for (int32_t n = 0; n < kCellCount; ++n) {
    if (!read.emplace_back().Load(stream, m_links.objects)) return false;
  }
  for (int32_t i = 0; i < kCellsPerSide; ++i) {
    for (int32_t j = 0; j < kCellsPerSide; ++j) *CellAt(i, j) = std::move(read[size_t(i) * kCellsPerSide + j]);
  }
  SyncWalkability();
  RecountPathCells();
  return true;
}
