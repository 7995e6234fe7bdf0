#include "platform/gfx/DdsCodec.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace plat {

namespace {

constexpr std::size_t kHeaderBytes = 128;  // "DDS " and the 124-byte header

// Header flags.
constexpr std::uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPitch = 0x8, kPixelFormat = 0x1000,
                        kMipMapCount = 0x20000, kLinearSize = 0x80000, kDepth = 0x800000;
// Pixel-format flags.
constexpr std::uint32_t kAlphaPixels = 0x1, kAlpha = 0x2, kFourCC = 0x4, kRgb = 0x40, kLuminance = 0x20000;
// Caps.
constexpr std::uint32_t kComplex = 0x8, kTexture = 0x1000, kMipMap = 0x400000;
constexpr std::uint32_t kCubeMap = 0x200, kVolume = 0x200000;

// Byte offsets from the start of the file.
enum Offset : std::size_t {
  kOffSize = 4, kOffFlags = 8, kOffHeight = 12, kOffWidth = 16, kOffPitch = 20, kOffDepth = 24,
  kOffMipCount = 28, kOffPfSize = 76, kOffPfFlags = 80, kOffFourCC = 84, kOffBitCount = 88,
  kOffRMask = 92, kOffGMask = 96, kOffBMask = 100, kOffAMask = 104, kOffCaps = 108, kOffCaps2 = 112,
};

struct MaskFormat {
  Format format;
  std::uint32_t flags, bits, r, g, b, a;
};

// Uncompressed formats as the pixel-format block describes them.
constexpr MaskFormat kMaskFormats[] = {
    {Format::A8R8G8B8, kRgb | kAlphaPixels, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000},
    {Format::X8R8G8B8, kRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0},
    {Format::R8G8B8, kRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0},
    {Format::R5G6B5, kRgb, 16, 0xF800, 0x7E0, 0x1F, 0},
    {Format::A1R5G5B5, kRgb | kAlphaPixels, 16, 0x7C00, 0x3E0, 0x1F, 0x8000},
    {Format::X1R5G5B5, kRgb, 16, 0x7C00, 0x3E0, 0x1F, 0},
    {Format::A4R4G4B4, kRgb | kAlphaPixels, 16, 0xF00, 0xF0, 0xF, 0xF000},
    {Format::A8, kAlpha, 8, 0, 0, 0, 0xFF},
    {Format::L8, kLuminance, 8, 0xFF, 0, 0, 0},
};

// Masks in red-green-blue-alpha byte order: read as the A8R8G8B8 and
// X8R8G8B8 the device has, with red and blue swapped.
constexpr MaskFormat kSwappedMaskFormats[] = {
    {Format::A8R8G8B8, kRgb | kAlphaPixels, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000},
    {Format::X8R8G8B8, kRgb, 32, 0xFF, 0xFF00, 0xFF0000, 0},
};

// The extended header after the first one: DXGI format, dimension, flags,
// array size, more flags.
constexpr std::size_t kExtendedHeaderBytes = 20;
constexpr std::size_t kOffDxgiFormat = kHeaderBytes, kOffMiscFlag = kHeaderBytes + 8,
                      kOffArraySize = kHeaderBytes + 12;
constexpr std::uint32_t kMiscTextureCube = 0x4;

struct DxgiFormat {
  std::uint32_t code;
  const char* name;
  Format format;  // Unknown: not read
  bool swapRedBlue;
};

constexpr DxgiFormat kDxgiFormats[] = {
    {28, "R8G8B8A8_UNORM", Format::A8R8G8B8, true},
    {29, "R8G8B8A8_UNORM_SRGB", Format::A8R8G8B8, true},
    {71, "BC1_UNORM", Format::Dxt1, false},
    {72, "BC1_UNORM_SRGB", Format::Dxt1, false},
    {74, "BC2_UNORM", Format::Dxt3, false},
    {75, "BC2_UNORM_SRGB", Format::Dxt3, false},
    {77, "BC3_UNORM", Format::Dxt5, false},
    {78, "BC3_UNORM_SRGB", Format::Dxt5, false},
    {87, "B8G8R8A8_UNORM", Format::A8R8G8B8, false},
    {88, "B8G8R8X8_UNORM", Format::X8R8G8B8, false},
    {91, "B8G8R8A8_UNORM_SRGB", Format::A8R8G8B8, false},
    {93, "B8G8R8X8_UNORM_SRGB", Format::X8R8G8B8, false},
    {2, "R32G32B32A32_FLOAT", Format::Unknown, false},
    {10, "R16G16B16A16_FLOAT", Format::Unknown, false},
    {24, "R10G10B10A2_UNORM", Format::Unknown, false},
    {49, "R8G8_UNORM", Format::Unknown, false},
    {61, "R8_UNORM", Format::Unknown, false},
    {80, "BC4_UNORM", Format::Unknown, false},
    {83, "BC5_UNORM", Format::Unknown, false},
    {95, "BC6H_UF16", Format::Unknown, false},
    {96, "BC6H_SF16", Format::Unknown, false},
    {98, "BC7_UNORM", Format::Unknown, false},
    {99, "BC7_UNORM_SRGB", Format::Unknown, false},
};

// How the pixels of a file are stored.
struct Layout {
  Format format = Format::Unknown;
  bool swapRedBlue = false;
  std::size_t dataOffset = kHeaderBytes;
};

// FourCC codes; R32F is stored as its format number.
constexpr Format kFourCCFormats[] = {Format::Dxt1, Format::Dxt3, Format::Dxt5, Format::R32F};

std::uint32_t Read32(const std::uint8_t* data, std::size_t offset) {
  const std::uint8_t* p = data + offset;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

void Write32(std::uint8_t* data, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) data[offset + i] = std::uint8_t(value >> (8 * i));
}

bool ExtendedLayout(const std::uint8_t* data, std::size_t size, Layout& layout, std::string& error) {
  if (size < kHeaderBytes + kExtendedHeaderBytes) {
    error = "file too small for the DDS extended header";
    return false;
  }
  const std::uint32_t code = Read32(data, kOffDxgiFormat);
  const auto* known = std::find_if(std::begin(kDxgiFormats), std::end(kDxgiFormats),
                                   [code](const DxgiFormat& f) { return f.code == code; });
  if (known == std::end(kDxgiFormats) || known->format == Format::Unknown) {
    error = "unsupported DDS DXGI format " +
            (known == std::end(kDxgiFormats) ? std::to_string(code) : std::string(known->name));
    return false;
  }
  if ((Read32(data, kOffMiscFlag) & kMiscTextureCube) || Read32(data, kOffArraySize) > 1) {
    error = "DDS cube maps and texture arrays are not supported";
    return false;
  }
  layout = {known->format, known->swapRedBlue, kHeaderBytes + kExtendedHeaderBytes};
  return true;
}

bool MatchesMasks(const MaskFormat& m, std::uint32_t flags, std::uint32_t bits, std::uint32_t r, std::uint32_t g,
                  std::uint32_t b, std::uint32_t a) {
  const bool sameKind = (m.flags & (kRgb | kLuminance)) == (flags & (kRgb | kLuminance));
  return sameKind && m.bits == bits && m.r == r && m.g == g && m.b == b && m.a == a;
}

bool LayoutFromHeader(const std::uint8_t* data, std::size_t size, Layout& layout, std::string& error) {
  std::uint32_t flags = Read32(data, kOffPfFlags);
  if (flags & kFourCC) {
    std::uint32_t code = Read32(data, kOffFourCC);
    for (Format f : kFourCCFormats) {
      if (std::uint32_t(f) == code) {
        layout.format = f;
        return true;
      }
    }
    if (code == MakeFourCC('D', 'X', '1', '0')) return ExtendedLayout(data, size, layout, error);
    error = "unsupported DDS FourCC code " + std::to_string(code);
    return false;
  }
  std::uint32_t bits = Read32(data, kOffBitCount);
  std::uint32_t r = Read32(data, kOffRMask), g = Read32(data, kOffGMask), b = Read32(data, kOffBMask);
  std::uint32_t a = flags & (kAlphaPixels | kAlpha) ? Read32(data, kOffAMask) : 0;
  for (const MaskFormat& m : kMaskFormats) {
    if (MatchesMasks(m, flags, bits, r, g, b, a)) {
      layout.format = m.format;
      return true;
    }
  }
  for (const MaskFormat& m : kSwappedMaskFormats) {
    if (MatchesMasks(m, flags, bits, r, g, b, a)) {
      layout.format = m.format;
      layout.swapRedBlue = true;
      return true;
    }
  }
  error = "unsupported DDS pixel format (" + std::to_string(bits) + " bits)";
  return false;
}

int FullChainLength(int width, int height) {
  int levels = 1;
  for (int size = std::max(width, height); size > 1; size /= 2) ++levels;
  return levels;
}

bool ReadHeader(const std::uint8_t* data, std::size_t size, Image& out, Layout& layout, int& mipCount,
                std::string& error) {
  if (size < kHeaderBytes || std::memcmp(data, "DDS ", 4) != 0) {
    error = size < kHeaderBytes ? "file too small for a DDS header" : "not a DDS file";
    return false;
  }
  if (Read32(data, kOffSize) != 124 || Read32(data, kOffPfSize) != 32) {
    error = "DDS header has wrong size fields";
    return false;
  }
  std::uint32_t flags = Read32(data, kOffFlags), caps2 = Read32(data, kOffCaps2);
  if (caps2 & kCubeMap) {
    error = "DDS cube maps are not supported";
    return false;
  }
  if ((caps2 & kVolume) || ((flags & kDepth) && Read32(data, kOffDepth) > 1)) {
    error = "DDS volume textures are not supported";
    return false;
  }
  std::uint32_t width = Read32(data, kOffWidth), height = Read32(data, kOffHeight);
  if (width == 0 || height == 0 || width > std::uint32_t(kMaxImageDimension) ||
      height > std::uint32_t(kMaxImageDimension)) {
    error = "DDS dimensions out of range: " + std::to_string(width) + "x" + std::to_string(height);
    return false;
  }
  out.width = int(width);
  out.height = int(height);
  if (!LayoutFromHeader(data, size, layout, error)) return false;
  out.format = layout.format;

  std::uint32_t count = flags & kMipMapCount ? Read32(data, kOffMipCount) : 1;
  int chain = FullChainLength(out.width, out.height);
  if (count > std::uint32_t(chain)) {
    error = "DDS mip count " + std::to_string(count) + " exceeds the " + std::to_string(chain) +
            " levels of the image";
    return false;
  }
  mipCount = std::max(1, int(count));
  std::uint32_t pitch = Read32(data, kOffPitch);
  if (!IsBlockCompressed(out.format) && (flags & kPitch) && pitch != 0 &&
      pitch < std::uint32_t(RowPitch(out.format, out.width))) {
    error = "DDS pitch " + std::to_string(pitch) + " is smaller than a row";
    return false;
  }
  return true;
}

// Level bytes as stored, widened to A8R8G8B8 for 24-bit files, red and
// blue swapped for files stored in red-green-blue-alpha order.
ImageLevel ReadLevel(Format stored, bool swapRedBlue, int width, int height, const std::uint8_t* src) {
  ImageLevel level;
  level.width = width;
  level.height = height;
  std::size_t count = std::size_t(RowPitch(stored, width)) * RowCount(stored, height);
  if (stored == Format::R8G8B8) {
    level.pitch = width * 4;
    level.bytes.resize(std::size_t(width) * height * 4);
    for (std::size_t i = 0, o = 0; i < count; i += 3, o += 4) {
      std::memcpy(&level.bytes[o], src + i, 3);
      level.bytes[o + 3] = 0xFF;
    }
  } else {
    level.pitch = RowPitch(stored, width);
    level.bytes.assign(src, src + count);
  }
  if (swapRedBlue) {
    for (std::size_t p = 0; p + 2 < level.bytes.size(); p += 4) std::swap(level.bytes[p], level.bytes[p + 2]);
  }
  return level;
}

void WritePixelFormat(Format format, std::uint8_t* header) {
  Write32(header, kOffPfSize, 32);
  if (IsBlockCompressed(format) || format == Format::R32F) {
    Write32(header, kOffPfFlags, kFourCC);
    Write32(header, kOffFourCC, std::uint32_t(format));
    return;
  }
  for (const MaskFormat& m : kMaskFormats) {
    if (m.format != format) continue;
    Write32(header, kOffPfFlags, m.flags);
    Write32(header, kOffBitCount, m.bits);
    Write32(header, kOffRMask, m.r);
    Write32(header, kOffGMask, m.g);
    Write32(header, kOffBMask, m.b);
    Write32(header, kOffAMask, m.a);
  }
}

bool IsWritable(Format format) {
  if (std::find(std::begin(kFourCCFormats), std::end(kFourCCFormats), format) != std::end(kFourCCFormats)) {
    return true;
  }
  return std::any_of(std::begin(kMaskFormats), std::end(kMaskFormats),
                     [format](const MaskFormat& m) { return m.format == format; });
}

bool IsEncodable(const Image& image) {
  if (!IsWritable(image.format) || image.levels.empty() || image.width <= 0 || image.height <= 0 ||
      image.width > kMaxImageDimension || image.height > kMaxImageDimension ||
      int(image.levels.size()) > FullChainLength(image.width, image.height)) {
    return false;
  }
  for (std::size_t i = 0; i < image.levels.size(); ++i) {
    const ImageLevel& level = image.levels[i];
    if (level.width != std::max(1, image.width >> i) || level.height != std::max(1, image.height >> i) ||
        !LevelIsConsistent(image.format, level)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool DecodeDds(const std::uint8_t* data, std::size_t size, Image& out, std::string& error) {
  Image image;
  Layout layout;
  int mipCount = 1;
  if (!ReadHeader(data, size, image, layout, mipCount, error)) return false;
  Format stored = image.format;
  std::size_t offset = layout.dataOffset;
  for (int i = 0; i < mipCount; ++i) {
    int w = std::max(1, image.width >> i), h = std::max(1, image.height >> i);
    std::size_t bytes = std::size_t(RowPitch(stored, w)) * RowCount(stored, h);
    if (bytes > size - offset) {
      error = "DDS file truncated in mip level " + std::to_string(i);
      return false;
    }
    image.levels.push_back(ReadLevel(stored, layout.swapRedBlue, w, h, data + offset));
    offset += bytes;
  }
  if (stored == Format::R8G8B8) image.format = Format::A8R8G8B8;
  out = std::move(image);
  return true;
}

bool EncodeDds(const Image& image, std::vector<std::uint8_t>& out) {
  if (!IsEncodable(image)) return false;
  Format format = image.format;
  bool compressed = IsBlockCompressed(format);
  bool mips = image.levels.size() > 1;
  out.assign(kHeaderBytes, 0);
  std::memcpy(out.data(), "DDS ", 4);
  Write32(out.data(), kOffSize, 124);
  Write32(out.data(), kOffFlags, kCaps | kHeight | kWidth | kPixelFormat | (compressed ? kLinearSize : kPitch) |
                                     (mips ? kMipMapCount : 0));
  Write32(out.data(), kOffHeight, std::uint32_t(image.height));
  Write32(out.data(), kOffWidth, std::uint32_t(image.width));
  int rowBytes = RowPitch(format, image.width);
  Write32(out.data(), kOffPitch,
          std::uint32_t(compressed ? rowBytes * RowCount(format, image.height) : rowBytes));
  Write32(out.data(), kOffMipCount, std::uint32_t(image.levels.size()));
  WritePixelFormat(format, out.data());
  Write32(out.data(), kOffCaps, kTexture | (mips ? kComplex | kMipMap : 0));
  for (const ImageLevel& level : image.levels) {
    std::size_t row = std::size_t(RowPitch(format, level.width));
    for (int y = 0; y < RowCount(format, level.height); ++y) {
      const std::uint8_t* src = level.bytes.data() + std::size_t(level.pitch) * y;
      out.insert(out.end(), src, src + row);
    }
  }
  return true;
}

}  // namespace plat
