#pragma once
// What the character manager and the visitors it spawns need of the game
// around them beyond the characters' own world: the data folder and the
// texts, the park clock and weather, the terrain under the people, the
// camera that may follow one of them, the park's entrance and the foods.
// The main object installs its implementation while it runs (tests install
// a fake); without one, the manager loads nothing and visitors have nowhere
// to go.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class CharacterTexts;

class CPorvikAiClassHost {
 public:
  // One topping of the food catalogue a visitor can like or dislike.
  struct Topping {
    int32_t id = 0;
    EngineString name;
  };

  virtual ~CPorvikAiClassHost() = default;

  static CPorvikAiClassHost* Get();
  static void Install(CPorvikAiClassHost* host);

  // The folder every data path starts from.
  virtual EngineString GetBaseFolder() const = 0;
  virtual CharacterTexts& GetTexts() = 0;

  virtual int32_t GetParkHour() const = 0;
  virtual int32_t GetGameMonth() const = 0;
  virtual bool IsRaining() const = 0;

  virtual float GetTerrainHeight(float x, float z) const = 0;
  // True when the point lies on the grid on a footpath cell.
  virtual bool IsPathCellAt(const plat::Vec3& point) const = 0;
  virtual bool IsCellLittered(int32_t i, int32_t j) const = 0;
  virtual void DropLitterAt(const plat::Vec3& point) = 0;
  virtual void DropLitterInCell(int32_t i, int32_t j) = 0;

  // The placed object of that name and its entrance point, null when none.
  virtual CAttraction* FindObjectByName(const EngineString& name, plat::Vec3* entrance) = 0;
  // The toppings of each topping type of the food catalogue, in catalogue
  // order; empty without a catalogue.
  virtual std::vector<std::vector<Topping>> GetToppingTypes() const = 0;

  // The camera: where it is, and the character it follows (-1 for none)
  // unless following is suppressed; SetFollowView replaces the follow view.
  virtual plat::Vec3 GetCameraPosition() const = 0;
  virtual int32_t GetFollowedCharacterId() const = 0;
  virtual bool IsFollowSuppressed() const = 0;
  virtual void SetFollowView(const plat::Vec3& eye, const plat::Vec3& direction, const plat::Vec3& up) = 0;
};
