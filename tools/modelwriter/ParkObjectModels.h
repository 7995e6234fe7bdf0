#pragma once
// The models of the object types the demo park can place: the entrance,
// the cash machines, food outlets, shops, bins, a bench, the level flags,
// plants and rides with their moving parts and vehicles.
#include <vector>

#include "tools/modelwriter/ParkShapes.h"

std::vector<parkshapes::ParkModel> BuildObjectModels();
