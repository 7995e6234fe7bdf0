// Feeds arbitrary bytes to the binary model reader with a headless device,
// a texture registry and a light manager, so that meshes, buffers, entries
// and lights are really built from what the bytes claim.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvModelReader.h"
#include "platform/os/MessageBox.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("HALVENOR_HEADLESS", "1", 1);
  auto* device = new ZOdevuvDevice(nullptr);  // lives for the whole run
  device->InitEngineDevice(64, 64, 32, 1, 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZOdevuvAssetPaths registry;
  ZOdevuvLightManager lights;
  {
    ZOdevuvGameObject object;
    ZOdevuvModelReader reader;
    reader.ReadBytes(data, size, "fuzz.efx", &object, &lights);
  }
  plat::ClearMessageBoxes();
  return 0;
}
