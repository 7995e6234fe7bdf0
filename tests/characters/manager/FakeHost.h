#pragma once
// The character manager's host for tests and benchmarks: the demo park's
// folder and texts, a clock hour the caller sets, an entrance, flat land,
// and a record of the litter dropped.
#include <vector>

#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"
#include "tests/characters/FakeCharacterWorld.h"

namespace managertest {

class FakeHost : public CPorvikAiClassHost {
 public:
  FakeHost() { CPorvikAiClassHost::Install(this); }
  ~FakeHost() override { CPorvikAiClassHost::Install(nullptr); }

  EngineString GetBaseFolder() const override { return baseFolder; }
  CharacterTexts& GetTexts() override { return texts; }
  int32_t GetParkHour() const override { return hour; }
  int32_t GetGameMonth() const override { return month; }
  bool IsRaining() const override { return raining; }
  float GetTerrainHeight(float, float) const override { return terrainHeight; }
  bool IsPathCellAt(const plat::Vec3& point) const override { return point.x >= 0; }
  bool IsCellLittered(int32_t, int32_t) const override { return littered; }
  void DropLitterAt(const plat::Vec3& point) override { litterDropped.push_back(point); }
  void DropLitterInCell(int32_t i, int32_t j) override { litterInCells.push_back({float(i), 0, float(j)}); }
  CAttraction* FindObjectByName(const EngineString& name, plat::Vec3* entrance) override {
    if (!hasEntrance || name != "Attr_MainEntrance") return nullptr;
    *entrance = entrancePoint;
    return chartest::Handle(entranceObject);
  }
  std::vector<std::vector<Topping>> GetToppingTypes() const override { return toppings; }
  plat::Vec3 GetCameraPosition() const override { return camera; }
  int32_t GetFollowedCharacterId() const override { return followed; }
  bool IsFollowSuppressed() const override { return false; }
  void SetFollowView(const plat::Vec3& eye, const plat::Vec3& direction, const plat::Vec3& up) override {
    followViews.push_back({eye, direction, up});
  }

  EngineString baseFolder = HALVENOR_PARK_DIR;
  CharacterTexts texts;
  int32_t hour = 10;
  int32_t month = 3;
  bool raining = false;
  bool littered = false;
  float terrainHeight = 0;
  bool hasEntrance = true;
  plat::Vec3 entrancePoint{20, 0, 0};
  chartest::FakeObject entranceObject;
  std::vector<std::vector<Topping>> toppings;
  plat::Vec3 camera{};
  int32_t followed = -1;
  std::vector<std::vector<plat::Vec3>> followViews;
  std::vector<plat::Vec3> litterDropped, litterInCells;
};

}  // namespace managertest
