#pragma once
// Lays a scene of the demo park out on a loaded game with the game's own
// path and placement code, and writes it with the game's save code. Each
// object's gate gets a path cell that joins the footpath beside it, and a
// path runs on from the gate to the object's middle, where the visitors
// head for; plants line the footpaths.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/math/Types.h"
#include "tools/scenebuilder/ParkLayout.h"

class VAvazadOvurUrovi;
struct ObjectTypeDescriptor;

namespace scenebuilder {

class SceneBuilder {
 public:
  explicit SceneBuilder(VAvazadOvurUrovi& game) : m_game(game) {}

  // Lays the scene's groups out and writes its files; false, with the
  // reason in Error(), when the layout does not fit or a file is not written.
  bool Build(const SceneSpec& scene);
  const std::string& Error() const { return m_error; }

 private:
  struct Cell {
    int32_t i;
    int32_t j;
  };

  bool LayFootpath(const Footpath& footpath);
  bool Place(const Placement& placement);
  bool PlaceFixed(const FixedPlacement& placement);
  // Buys the object of the type at the point, after the path from its gate
  // (one step on from the gate toward the footpath at a time) and on to its
  // middle is laid.
  bool PlaceObject(const char* typeName, const plat::Vec3& at, float rotation, Cell towardPath);
  void PlantAlong(const Footpath& footpath);
  bool LayCell(int32_t i, int32_t j);
  bool IsFreeLand(int32_t i, int32_t j) const;
  bool Fail(const std::string& error);
  // The new game's money, lists and ledger, and the tutorial's marks.
  void PrepareToSave(const SceneSpec& scene);

  VAvazadOvurUrovi& m_game;
  std::vector<Footpath> m_footpaths;
  std::size_t m_nextPlant = 0;
  std::string m_error;
};

}  // namespace scenebuilder
