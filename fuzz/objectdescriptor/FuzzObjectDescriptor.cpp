// Feeds arbitrary descriptor texts to the object descriptor reader, both as
// an object type and as a single scene object, with a headless device so
// that the models and figures they name are really looked for. The base
// folder does not exist, so no name reaches a real file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/Globals.h"
#include "engine/core/XmlNode.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/MessageBox.h"
#include "world/objects/CObjectDescriptorReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("HALVENOR_HEADLESS", "1", 1);
  auto* device = new ZOdevuvDevice(nullptr);  // lives for the whole run
  device->InitEngineDevice(64, 64, 32, 1, 1);
  plat::SetDebugOutputSink([](std::string_view) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const XmlNode root = XmlNode::ParseString(text.c_str(), "FileDescriptor");
  if (root.IsEmpty()) return 0;
  ZOdevuvAssetPaths registry;
  ZOdevuvLightManager lights;
  {
    CObjectTypeCatalog catalog;
    CObjectDescriptorReader reader("/nonexistent-fuzz-base", catalog, &lights);
    reader.LoadObjectDescriptorFrom(root);
    reader.LoadSingleObjectFrom(root);
  }
  plat::ClearMessageBoxes();
  return 0;
}
