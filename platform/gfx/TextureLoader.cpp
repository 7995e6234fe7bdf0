#include "platform/gfx/TextureLoader.h"

#include <algorithm>
#include <cstring>

#include "platform/os/Path.h"

namespace plat {

namespace {

std::uint32_t ToUnit(float v, std::uint32_t max) {
  float c = std::clamp(v, 0.0f, 1.0f);
  return std::uint32_t(c * float(max) + 0.5f);
}

void Put16(std::uint8_t* out, std::uint32_t v) {
  out[0] = std::uint8_t(v);
  out[1] = std::uint8_t(v >> 8);
}

void Put32(std::uint8_t* out, std::uint32_t v) { std::memcpy(out, &v, 4); }

bool IsSizeDefault(std::uint32_t v) { return v == 0 || v == kDefaultValue || v == kDefaultNonPow2; }

Vec4 FromArgb(std::uint32_t argb) {
  return {float((argb >> 16) & 0xFF) / 255.0f, float((argb >> 8) & 0xFF) / 255.0f,
          float(argb & 0xFF) / 255.0f, float(argb >> 24) / 255.0f};
}

// Level 0 as ARGB words, scaled (nearest texel) to the wanted size.
bool Level0AsArgb(const Image& image, int width, int height, std::vector<std::uint32_t>& out) {
  std::vector<std::uint32_t> pixels;
  if (!ToArgb(image, 0, pixels)) return false;
  if (width == image.width && height == image.height) {
    out = std::move(pixels);
    return true;
  }
  out.resize(std::size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    int sy = int(std::int64_t(y) * image.height / height);
    for (int x = 0; x < width; ++x) {
      int sx = int(std::int64_t(x) * image.width / width);
      out[std::size_t(y) * width + x] = pixels[std::size_t(sy) * image.width + sx];
    }
  }
  return true;
}

Image ArgbImage(int width, int height, const std::vector<std::uint32_t>& pixels) {
  Image image;
  image.format = Format::A8R8G8B8;
  image.width = width;
  image.height = height;
  ImageLevel level;
  level.width = width;
  level.height = height;
  level.pitch = width * 4;
  level.bytes.resize(pixels.size() * 4);
  std::memcpy(level.bytes.data(), pixels.data(), level.bytes.size());
  image.levels.push_back(std::move(level));
  return image;
}

// Repacks every level of an A8R8G8B8 image into an uncompressed format.
bool Repack(Image& image, Format format) {
  int bpp = BytesPerPixel(format);
  if (bpp == 0) return false;
  for (ImageLevel& level : image.levels) {
    ImageLevel packed;
    packed.width = level.width;
    packed.height = level.height;
    packed.pitch = RowPitch(format, level.width);
    packed.bytes.resize(std::size_t(packed.pitch) * level.height);
    for (int y = 0; y < level.height; ++y) {
      for (int x = 0; x < level.width; ++x) {
        std::uint32_t argb;
        std::memcpy(&argb, level.bytes.data() + std::size_t(y) * level.pitch + x * 4, 4);
        PackTexel(format, FromArgb(argb),
                  packed.bytes.data() + std::size_t(y) * packed.pitch + std::size_t(x) * bpp);
      }
    }
    level = std::move(packed);
  }
  image.format = format;
  return true;
}

std::uint32_t WantedLevels(std::uint32_t requested, std::uint32_t stored, int width, int height) {
  std::uint32_t full = FullMipCount(width, height);
  if (requested == 0 || requested == kDefaultValue) return full;
  if (requested == kFromFile) return std::max<std::uint32_t>(1, stored);
  return std::min(requested, full);
}

}  // namespace

bool PackTexel(Format format, const Vec4& c, std::uint8_t* out) {
  switch (format) {
    case Format::A8R8G8B8:
    case Format::X8R8G8B8: {
      std::uint32_t a = format == Format::X8R8G8B8 ? 255 : ToUnit(c.w, 255);
      Put32(out, a << 24 | ToUnit(c.x, 255) << 16 | ToUnit(c.y, 255) << 8 | ToUnit(c.z, 255));
      return true;
    }
    case Format::R8G8B8:
      out[0] = std::uint8_t(ToUnit(c.z, 255));
      out[1] = std::uint8_t(ToUnit(c.y, 255));
      out[2] = std::uint8_t(ToUnit(c.x, 255));
      return true;
    case Format::R5G6B5:
      Put16(out, ToUnit(c.x, 31) << 11 | ToUnit(c.y, 63) << 5 | ToUnit(c.z, 31));
      return true;
    case Format::X1R5G5B5:
    case Format::A1R5G5B5: {
      std::uint32_t a = format == Format::X1R5G5B5 ? 1 : ToUnit(c.w, 1);
      Put16(out, a << 15 | ToUnit(c.x, 31) << 10 | ToUnit(c.y, 31) << 5 | ToUnit(c.z, 31));
      return true;
    }
    case Format::A4R4G4B4:
      Put16(out,
            ToUnit(c.w, 15) << 12 | ToUnit(c.x, 15) << 8 | ToUnit(c.y, 15) << 4 | ToUnit(c.z, 15));
      return true;
    case Format::A8:
      out[0] = std::uint8_t(ToUnit(c.w, 255));
      return true;
    case Format::L8:
      out[0] = std::uint8_t(ToUnit(0.2125f * c.x + 0.7154f * c.y + 0.0721f * c.z, 255));
      return true;
    case Format::R32F:
      std::memcpy(out, &c.x, 4);
      return true;
    default:
      return false;
  }
}

std::shared_ptr<Texture> CreateTexture(Device& device, int width, int height, std::uint32_t levels,
                                       std::uint32_t usage, Format format, Pool pool,
                                       std::string* error) {
  if (levels == kDefaultValue) levels = 0;
  return device.CreateTexture(width, height, levels, usage, format, pool, error);
}

std::shared_ptr<Texture> CreateTextureFromImage(Device& device, Image image,
                                                const TextureLoadOptions& options,
                                                std::string* error) {
  auto fail = [error](const std::string& reason) {
    if (error) *error = reason;
    return std::shared_ptr<Texture>();
  };
  if (image.levels.empty() || image.width < 1 || image.height < 1) return fail("empty image");
  int width = IsSizeDefault(options.width) ? image.width : int(options.width);
  int height = IsSizeDefault(options.height) ? image.height : int(options.height);
  if (width > kMaxImageDimension || height > kMaxImageDimension || width < 1 || height < 1) {
    return fail("texture size out of range");
  }
  Format format = options.format == Format::Unknown ? image.format : options.format;
  std::uint32_t levels =
      WantedLevels(options.mipLevels, std::uint32_t(image.levels.size()), width, height);

  bool asIs = width == image.width && height == image.height && format == image.format &&
              options.colorKey == 0 && image.levels.size() >= levels;
  if (!asIs) {
    std::vector<std::uint32_t> pixels;
    if (!Level0AsArgb(image, width, height, pixels)) return fail("image format not supported");
    image = ArgbImage(width, height, pixels);
    if (options.colorKey != 0) ApplyColorKey(image, options.colorKey);
    if (levels > 1) BuildMipChain(image);
    // Without a block compressor, compressed requests keep the expanded pixels.
    if (IsBlockCompressed(format)) format = Format::A8R8G8B8;
    if (format != Format::A8R8G8B8 && !Repack(image, format)) {
      return fail("texture format not supported");
    }
  }
  auto texture =
      device.CreateTexture(width, height, levels, options.usage, format, options.pool, error);
  if (!texture) return nullptr;
  for (std::uint32_t i = 0; i < texture->LevelCount() && i < image.levels.size(); ++i) {
    const ImageLevel& from = image.levels[i];
    texture->WriteLevel(i, [&](ImageLevel& to) {
      int rowBytes = std::min(RowPitch(format, to.width), from.pitch);
      for (int row = 0; row < RowCount(format, to.height); ++row) {
        std::size_t at = std::size_t(row) * from.pitch;
        if (at + rowBytes > from.bytes.size()) break;
        std::memcpy(to.bytes.data() + std::size_t(row) * to.pitch, from.bytes.data() + at,
                    rowBytes);
      }
    });
  }
  return texture;
}

std::shared_ptr<Texture> CreateTextureFromFileEx(Device& device, std::string_view gamePath,
                                                 const TextureLoadOptions& options, ImageInfo* info,
                                                 std::string* error) {
  std::string bytes;
  if (!ReadWholeFile(gamePath, bytes)) {
    if (error) *error = std::string(gamePath) + ": cannot read the file";
    return nullptr;
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  Image image;
  std::string reason;
  if (!DecodeImage(data, bytes.size(), image, reason, gamePath)) {
    if (error) *error = std::string(gamePath) + ": " + reason;
    return nullptr;
  }
  if (info) {
    info->width = image.width;
    info->height = image.height;
    info->mipLevels = std::uint32_t(image.levels.size());
    info->format = image.format;
    info->fileType = DetectImageFileType(data, bytes.size(), gamePath);
  }
  auto texture = CreateTextureFromImage(device, std::move(image), options, &reason);
  if (!texture && error) *error = std::string(gamePath) + ": " + reason;
  return texture;
}

std::shared_ptr<Texture> CreateTextureFromFile(Device& device, std::string_view gamePath,
                                               std::string* error) {
  return CreateTextureFromFileEx(device, gamePath, TextureLoadOptions{}, nullptr, error);
}

bool FillTexture(Texture& texture, const TextureFillFunction& fn) {
  Format format = texture.GetFormat();
  int bpp = BytesPerPixel(format);
  std::uint8_t probe[4];
  if (bpp == 0 || !PackTexel(format, {}, probe)) return false;
  for (std::uint32_t i = 0; i < texture.LevelCount(); ++i) {
    bool ok = texture.WriteLevel(i, [&](ImageLevel& level) {
      Vec2 size{1.0f / float(level.width), 1.0f / float(level.height)};
      for (int y = 0; y < level.height; ++y) {
        for (int x = 0; x < level.width; ++x) {
          Vec2 uv{(float(x) + 0.5f) * size.x, (float(y) + 0.5f) * size.y};
          PackTexel(format, fn(uv, size),
                    level.bytes.data() + std::size_t(y) * level.pitch + std::size_t(x) * bpp);
        }
      }
    });
    if (!ok) return false;
  }
  return true;
}

}  // namespace plat
