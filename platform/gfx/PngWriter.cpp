#include "platform/gfx/PngWriter.h"

#include <cstdio>

#include "platform/gfx/Image.h"
#include "stb_image_write.h"

namespace plat {

namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool EncodePng(int width, int height, const std::uint32_t* argb, std::vector<std::uint8_t>& out) {
  out.clear();
  if (!argb || width <= 0 || height <= 0 || width > kMaxImageDimension || height > kMaxImageDimension) {
    return false;
  }
  std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4);
  for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
    std::uint32_t p = argb[i];
    rgba[i * 4 + 0] = std::uint8_t(p >> 16);
    rgba[i * 4 + 1] = std::uint8_t(p >> 8);
    rgba[i * 4 + 2] = std::uint8_t(p);
    rgba[i * 4 + 3] = std::uint8_t(p >> 24);
  }
  if (!stbi_write_png_to_func(AppendBytes, &out, width, height, 4, rgba.data(), width * 4) || out.empty()) {
    out.clear();
    return false;
  }
  return true;
}

bool WritePngFile(const std::string& hostPath, int width, int height, const std::uint32_t* argb) {
  std::vector<std::uint8_t> png;
  if (!EncodePng(width, height, argb, png)) return false;
  // Written beside the target and renamed, so a failed write never leaves a
  // half file under the real name.
  std::string temp = hostPath + ".part";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  ok = std::fclose(file) == 0 && ok;
  if (ok && std::rename(temp.c_str(), hostPath.c_str()) == 0) return true;
  std::remove(temp.c_str());
  return false;
}

}  // namespace plat
