#pragma once
// The park the saved-game readers' fuzz targets read into, made once: the
// main object on the headless device with a land, its footpath network, the
// character manager, the scenarios and a catalogue of object types without models (one of
// each kind, under the names a saved game uses). Each target reads its file
// through the game's reader; a file that was read must write back to bytes
// that read and write again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "engine/core/SceneStream.h"
#include "engine/render/ZOdevuvDevice.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPorvikRoad.h"

namespace savedgamefuzz {

// The four files of a saved game, in the order the game reads them.
enum Part { kScenePart = 0, kParkPart = 1, kRunStatePart = 2, kScenarioPart = 3 };

inline VAvazadOvurUrovi& Park() {
  // Kept to the end of the process: the fuzzer may stop it at any point.
  static VAvazadOvurUrovi* game = [] {
    auto* device = new ZOdevuvDevice(nullptr);
    device->InitEngineDevice(800, 600, 32, 0, 1);
    auto* made = new VAvazadOvurUrovi;
    made->aiManager = new CPorvikAiClass;
    made->scenarios = new CPorvikScenarios;
    struct TypeSpec {
      const char* name;
      int32_t kind;
    };
    constexpr TypeSpec kTypes[] = {{"Attr_MainEntrance", kObjectKindNone}, {"Attr_Carousel", kObjectKindAttraction},
                                   {"cashFotel", kObjectKindAttractionB},  {"trash_01", kObjectKindDustBin},
                                   {"bench_01", kObjectKindRestPlace},     {"fa_01_a", kObjectKindPlant},
                                   {"bufe_zarp", kObjectKindShop}};
    for (const TypeSpec& spec : kTypes) {
      auto type = std::make_unique<ObjectTypeDescriptor>();
      type->name = spec.name;
      type->objType = spec.kind;
      type->gatePosition = {0, 0, -2};
      type->exitPosition = {1, 0, -2};
      type->visitorCapacity = 4;
      made->objectTypes.Add(std::move(type));
    }
    made->terrain = new CHeightMapHandlerClass;
    made->terrain->InitCells();
    made->LinkCellGrid();
    made->road = new CPorvikRoad(*made->terrain, made->baseDirectory.Std());
    return made;
  }();
  return *game;
}

inline std::vector<uint8_t> Written(int part) {
  char* buffer = nullptr;
  size_t length = 0;
  {
    SceneStream out(open_memstream(&buffer, &length));
    Park().WriteSavedPart(part, out);
  }
  std::vector<uint8_t> bytes(buffer, buffer + length);
  std::free(buffer);
  return bytes;
}

inline bool Read(int part, const uint8_t* data, size_t size) {
  if (size == 0) return false;
  SceneStream in(fmemopen(const_cast<uint8_t*>(data), size, "rb"));
  return Park().ReadSavedPart(part, in);
}

// Reads the bytes as the part; when they read, what the game writes back
// reads again and writes the same bytes.
inline void ReadAndWriteBack(int part, const uint8_t* data, size_t size) {
  if (!Read(part, data, size)) return;
  const std::vector<uint8_t> first = Written(part);
  if (!Read(part, first.data(), first.size())) __builtin_trap();
  if (Written(part) != first) __builtin_trap();
}

}  // namespace savedgamefuzz
