// What the land's cell grid keeps up to date on the main object.
#include "app/VAvazadOvurUrovi.h"
#include "park/objects/CAttraction.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/objects/PlacedObjectLookup.h"

void VAvazadOvurUrovi::LinkCellGrid() {
  if (!terrain) return;
  CellGridLinks links;
  links.pathFinder = pathFinder;
  links.pathCells = &pathCells;
  links.dirtyPathCells = &litteredPathCells;
  links.objects.findById = [this](int32_t id) { return FindObjectById(id); };
  links.objects.idOf = [](const CAttraction& object) { return object.objectNumber; };
  terrain->SetCellGridLinks(std::move(links));
}
