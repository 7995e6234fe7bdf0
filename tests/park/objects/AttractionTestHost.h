#pragma once
// A host for placed objects in tests: a base folder, a type catalogue, and
// a record of every call the objects make on it.
#include <string>
#include <vector>

#include "park/objects/CAttraction.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "park/objects/IAttractionHost.h"

namespace attractiontest {

struct IconCall {
  const CAttraction* object;
  plat::Vec3 position;
  int32_t kind;
};

class TestHost : public IAttractionHost {
 public:
  TestHost() { g_attractionHost = this; }
  ~TestHost() override { g_attractionHost = nullptr; }

  EngineString GetBaseDirectory() const override { return base.c_str(); }
  const CObjectTypeCatalog* GetObjectTypes() const override { return &types; }
  void PlaySoundAt(const plat::Vec3&, const EngineString& name, uint8_t) override { calls.push_back("sound " + name.Std()); }
  void AddBillboardIcon(CAttraction& object, const plat::Vec3& position, int32_t kind) override {
    icons.push_back({&object, position, kind});
  }
  void SwitchOffWaterEffectOf(const EngineString& id) override { calls.push_back("water " + id.Std()); }
  ParkClockReading GetParkClock() const override { return clock; }
  bool AreSoundEffectsOn() const override { return effectsOn; }
  void OnObjectRemoved(CAttraction& object) override { calls.push_back("removed " + Describe(object)); }
  void MarkSelectedObjectCells(CAttraction& object) override { calls.push_back("cells " + Describe(object)); }
  void RemoveObjectIcons(CAttraction& object) override { calls.push_back("icons " + Describe(object)); }
  void RemovePlantFromGreenery() override { calls.push_back("greenery"); }
  void RemoveVisitorCapacity(int32_t capacity) override { calls.push_back("capacity " + std::to_string(capacity)); }
  void RemovePlacement(const EngineString& id, int32_t number) override {
    calls.push_back("placement " + id.Std() + " " + std::to_string(number));
  }

  bool IsHoverPicking() const override { return hoverPicking; }
  bool IsMouseOverObject(const CAttraction& object) const override { return &object == underMouse; }
  CAttraction* GetHoveredObject() const override { return hovered; }
  void SetHoveredObject(CAttraction* object) override { hovered = object; }

  static std::string Describe(const CAttraction& object) {
    return object.id.Std() + "#" + std::to_string(object.objectNumber);
  }

  std::string base;
  CObjectTypeCatalog types;
  std::vector<std::string> calls;
  std::vector<IconCall> icons;
  ParkClockReading clock;
  bool effectsOn = true;
  bool hoverPicking = false;
  const CAttraction* underMouse = nullptr;
  CAttraction* hovered = nullptr;
};

}  // namespace attractiontest
