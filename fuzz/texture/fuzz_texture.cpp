// Texture creation from decoded images: the first byte picks the load
// options (size, levels, format, colour key), the rest is a DDS file, whose
// formats (compressed, 16-bit, alpha-only, float) take every conversion path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/TextureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static std::shared_ptr<plat::Device> device = [] {
    plat::DeviceParams params;
    params.width = 64;
    params.height = 64;
    params.backend = plat::BackendChoice::Headless;
    return plat::CreateDevice(params);
  }();
  const std::uint8_t pick = data[0];
  plat::Image image;
  std::string error;
  if (!plat::DecodeDds(data + 1, size - 1, image, error)) return 0;
  static const plat::Format kFormats[] = {
      plat::Format::Unknown, plat::Format::A8R8G8B8, plat::Format::R5G6B5, plat::Format::A8,
      plat::Format::Dxt1,    plat::Format::R32F,     plat::Format::L8,     plat::Format::A4R4G4B4};
  plat::TextureLoadOptions options;
  options.format = kFormats[pick & 7];
  options.mipLevels = (pick & 8) ? 1 : plat::kDefaultValue;
  options.colorKey = (pick & 16) ? 0xFF000000u : 0;
  if (pick & 32) {
    options.width = 1 + (pick >> 6);
    options.height = 3;
  }
  auto texture = plat::CreateTextureFromImage(*device, std::move(image), options, &error);
  if (texture && texture->LevelCount() == 0) __builtin_trap();
  return 0;
}
