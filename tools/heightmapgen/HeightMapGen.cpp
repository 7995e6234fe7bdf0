// heightmapgen <park dir>: shapes the demo park's land as a 256 x 256 grey
// DDS height map over the world square -512..512 (the shape is ParkLand.cpp).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Image.h"
#include "tools/heightmapgen/ParkLand.h"

namespace {

using parkland::kSide;

plat::Image HeightMap() {
  plat::Image image;
  image.format = plat::Format::A8R8G8B8;
  image.width = image.height = kSide;
  plat::ImageLevel level;
  level.width = level.height = kSide;
  level.pitch = plat::RowPitch(image.format, kSide);
  level.bytes.resize(size_t(level.pitch) * kSide);
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      // The image's last row is the land's first (z = -512).
      const uint8_t grey = parkland::SampleAt(column, kSide - 1 - row);
      uint8_t* texel = &level.bytes[size_t(row) * level.pitch + size_t(column) * 4];
      texel[0] = texel[1] = texel[2] = grey;
      texel[3] = 255;
    }
  }
  image.levels.push_back(std::move(level));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: heightmapgen <park dir>\n");
    return 2;
  }
  const std::filesystem::path dir = std::filesystem::path(argv[1]) / "images" / "heightmaps";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::vector<uint8_t> bytes;
  const std::filesystem::path path = dir / "PK_heightmap.dds";
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!plat::EncodeDds(HeightMap(), bytes) ||
      !file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()))) {
    std::fprintf(stderr, "heightmapgen: cannot write %s\n", path.string().c_str());
    return 1;
  }
  return 0;
}
