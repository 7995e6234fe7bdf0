// The land's cells as placed objects see them when visitors queue.
#include "app/VAvazadOvurUrovi.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"

bool VAvazadOvurUrovi::WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const {
  return CHeightMapHandlerClass::WorldToCell(point.x, point.y, point.z, *i, *j);
}

bool VAvazadOvurUrovi::IsFootpathCell(int32_t i, int32_t j) const {
  CLandscapeCell cell;
  return terrain && terrain->GetCell(i, j, cell) && cell.IsPath();
}

plat::Vec3 VAvazadOvurUrovi::GetCellCentre(int32_t i, int32_t j) const {
  plat::Vec3 centre{};
  if (terrain) terrain->GetCellPosition(i, j, centre);
  return centre;
}
