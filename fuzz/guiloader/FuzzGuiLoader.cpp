// Any bytes given to the GUI description loader: the part before the first
// NUL byte is the defines file, the rest the description. Every element is
// created for real on a headless device, then the tree is updated and
// drawn once.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/core/XmlNode.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "platform/gfx/Device.h"

namespace {

class CountingSink : public GuiActionSink {
 public:
  void QueueRecord20(GuiAction action) override { last = action; }
  GuiAction last;
};

ZOdevuvDevice& HeadlessDevice() {
  static ZOdevuvDevice* device = [] {
    ::setenv("HALVENOR_HEADLESS", "1", 1);
    auto* made = new ZOdevuvDevice(nullptr);
    made->InitEngineDevice(1024, 768, 32, 1, 1);
    return made;
  }();
  return *device;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ZOdevuvDevice& device = HeadlessDevice();
  const char* bytes = reinterpret_cast<const char*>(data);
  const void* nul = std::memchr(bytes, 0, size);
  const size_t definesSize = nul ? size_t(static_cast<const char*>(nul) - bytes) : 0;
  const std::string defines(bytes, definesSize);
  const std::string description = nul ? std::string(bytes + definesSize + 1, size - definesSize - 1)
                                      : std::string(bytes, size);

  CGuiMainClass gui;
  CountingSink sink;
  CGuiXmlLoader loader(&sink, &gui);
  loader.ParseDefines(defines);
  loader.LoadFromNode(XmlNode::ParseString(description.c_str(), "GUI"));

  gui.UpdateLayers();
  device.GetDevice()->BeginScene();
  gui.DrawLayers();
  device.GetDevice()->EndScene();
  return 0;
}
