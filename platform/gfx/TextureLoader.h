#pragma once
// Texture creation helpers: from files and memory, with the game's load options.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Device.h"
#include "platform/gfx/Image.h"
#include "platform/math/Types.h"

namespace plat {

// What a file load reports about the file itself.
struct ImageInfo {
  int width = 0, height = 0;
  std::uint32_t mipLevels = 0;  // stored in the file
  Format format = Format::Unknown;
  ImageFileType fileType = ImageFileType::Unknown;
};

// levels 0 (or kDefaultValue) = full chain.
std::shared_ptr<Texture> CreateTexture(Device& device, int width, int height, std::uint32_t levels,
                                       std::uint32_t usage, Format format, Pool pool,
                                       std::string* error = nullptr);

struct TextureLoadOptions {
  // 0, kDefaultValue or kDefaultNonPow2: the file's own size; else resized.
  std::uint32_t width = kDefaultValue;
  std::uint32_t height = kDefaultValue;
  // 0 or kDefaultValue: full chain; kFromFile: the file's own levels; else at most that many.
  std::uint32_t mipLevels = kDefaultValue;
  std::uint32_t usage = 0;
  Format format = Format::Unknown;  // Unknown: the file's format
  Pool pool = Pool::Managed;
  std::uint32_t filter = kDefaultValue;     // accepted, not used: box filtering always
  std::uint32_t mipFilter = kDefaultValue;  // accepted, not used
  std::uint32_t colorKey = 0;               // ARGB; 0 = none
};

// Null with a reason when the file is missing or broken. A requested
// block-compressed format for an image that has to be converted falls back
// to A8R8G8B8 (there is no compressor).
std::shared_ptr<Texture> CreateTextureFromFileEx(Device& device, std::string_view gamePath,
                                                 const TextureLoadOptions& options, ImageInfo* info,
                                                 std::string* error = nullptr);
// The file's size, full mip chain, managed pool.
std::shared_ptr<Texture> CreateTextureFromFile(Device& device, std::string_view gamePath,
                                               std::string* error = nullptr);
// From an image already in memory (the same rules).
std::shared_ptr<Texture> CreateTextureFromImage(Device& device, Image image,
                                                const TextureLoadOptions& options,
                                                std::string* error = nullptr);

// Fills every level: fn gets the texel centre (u, v) and the texel size and
// returns (r, g, b, a) in 0..1, packed into the texture's format. False for
// block-compressed or depth formats.
using TextureFillFunction = std::function<Vec4(const Vec2& texCoord, const Vec2& texelSize)>;
bool FillTexture(Texture& texture, const TextureFillFunction& fn);

// Packs an (r, g, b, a) colour in 0..1 into one texel of an uncompressed
// format; false for formats without such a texel.
bool PackTexel(Format format, const Vec4& color, std::uint8_t* out);

}  // namespace plat
