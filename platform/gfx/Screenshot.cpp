#include "platform/gfx/Screenshot.h"

#include "platform/gfx/Image.h"
#include "platform/gfx/PngWriter.h"
#include "platform/gfx/gl/GlBackend.h"

namespace plat {

bool CaptureBackBuffer(Device& device, int& width, int& height, std::vector<std::uint32_t>& argb) {
  if (IsGlDevice(device)) return ReadGlBackBuffer(device, width, height, argb);
  const std::shared_ptr<Surface> back = device.GetBackBuffer();
  if (!back) return false;
  bool converted = false;
  back->Read([&](const ImageLevel& level) {
    Image image;
    image.format = back->Desc().format;
    image.width = level.width;
    image.height = level.height;
    image.levels.push_back(level);
    converted = ToArgb(image, 0, argb);
  });
  if (!converted) return false;
  width = back->Width();
  height = back->Height();
  for (std::uint32_t& pixel : argb) pixel |= 0xFF000000u;
  return true;
}

bool SaveScreenshot(Device& device, const std::string& hostPath) {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
  return CaptureBackBuffer(device, width, height, argb) && WritePngFile(hostPath, width, height, argb.data());
}

}  // namespace plat
