#include "platform/gfx/Image.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/JpegDecoder.h"
#include "platform/os/Path.h"
#include "stb_image.h"

namespace plat {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

// Game paths may carry trailing blanks ("file.tga ").
std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// SOI (FF D8) first, as the JPEG decoder demands.
bool StartsWithJpegSoi(const std::uint8_t* data, std::size_t size) {
  return size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
}

// The PNG decoder sizes its buffer from a chunk's declared length before it
// knows the data is there, so a few bytes can ask for gigabytes. Every chunk up
// to IEND must fit in the file.
bool PngChunksFit(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 8; at + 8 <= size;) {
    std::size_t length = std::size_t(data[at]) << 24 | std::size_t(data[at + 1]) << 16 |
                         std::size_t(data[at + 2]) << 8 | data[at + 3];
    if (length > size - at - 8 || size - at - 8 - length < 4) return false;  // payload and CRC
    if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
    at += 12 + length;
  }
  return true;
}

// The most pixels one byte of a well-formed file can stand for: a TGA run
// packet of two bytes repeats at most 128 pixels, BMP has no compression the
// decoder reads. (The PNG decoder already fails on short data.)
std::int64_t MaxPixelsPerByte(ImageFileType type) {
  switch (type) {
    case ImageFileType::Tga: return 64;
    case ImageFileType::Bmp: return 8;
    default: return 0;
  }
}

}  // namespace

bool CheckImageSize(std::int64_t width, std::int64_t height, std::size_t fileSize, std::int64_t maxPixelsPerByte,
                    std::string& error) {
  const std::string dimensions = std::to_string(width) + "x" + std::to_string(height);
  if (width <= 0 || height <= 0 || width > kMaxImageDimension || height > kMaxImageDimension ||
      width * height > kMaxImagePixels) {
    error = "image dimensions out of range: " + dimensions;
    return false;
  }
  const std::int64_t pixels = width * height;
  if (maxPixelsPerByte > 0 && pixels > 4096 && pixels > std::int64_t(fileSize) * maxPixelsPerByte) {
    error = "image file too short for " + dimensions + " pixels (truncated)";
    return false;
  }
  return true;
}

namespace {

bool DecodeWithStb(ImageFileType type, const std::uint8_t* data, std::size_t size, Image& out,
                   std::string& error) {
  if (size > std::size_t(INT32_MAX)) {
    error = "image file too large";
    return false;
  }
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, int(size), &width, &height, &channels)) {
    error = std::string("unreadable image header: ") + stbi_failure_reason();
    return false;
  }
  // A top-down BMP gives its height negative; the decoder flips it.
  if (height < 0 && height != INT_MIN) height = -height;
  if (!CheckImageSize(width, height, size, MaxPixelsPerByte(type), error)) return false;
  stbi_uc* rgba = stbi_load_from_memory(data, int(size), &width, &height, &channels, 4);
  if (!rgba) {
    error = std::string("image decode failed: ") + stbi_failure_reason();
    return false;
  }
  ImageLevel level;
  level.width = width;
  level.height = height;
  level.pitch = width * 4;
  level.bytes.resize(std::size_t(level.pitch) * height);
  for (std::size_t i = 0; i < level.bytes.size(); i += 4) {
    level.bytes[i + 0] = rgba[i + 2];
    level.bytes[i + 1] = rgba[i + 1];
    level.bytes[i + 2] = rgba[i + 0];
    level.bytes[i + 3] = rgba[i + 3];
  }
  stbi_image_free(rgba);
  out = Image{};
  out.format = Format::A8R8G8B8;
  out.width = width;
  out.height = height;
  out.levels.push_back(std::move(level));
  return true;
}

std::uint32_t Expand(std::uint32_t value, int bits) {
  if (bits == 0) return 0;
  // Replicating the top bits maps the full scale exactly onto 255.
  std::uint32_t v = value << (8 - bits);
  for (int filled = bits; filled < 8; filled += bits) v |= v >> bits;
  return v & 0xFF;
}

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

std::uint32_t ReadLe(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

std::uint32_t Rgb565ToArgb(std::uint32_t c) {
  return Argb(255, Expand(c >> 11 & 0x1F, 5), Expand(c >> 5 & 0x3F, 6), Expand(c & 0x1F, 5));
}

std::uint32_t FloatToByte(float f) {
  if (!(f > 0.0f)) return 0;  // also NaN
  if (f >= 1.0f) return 255;
  return std::uint32_t(std::lround(f * 255.0f));
}

// One pixel of an uncompressed format; p points at its first byte.
std::uint32_t PixelToArgb(Format format, const std::uint8_t* p) {
  switch (format) {
    case Format::A8R8G8B8: return ReadLe(p, 4);
    case Format::X8R8G8B8: return ReadLe(p, 4) | 0xFF000000u;
    case Format::R8G8B8: return ReadLe(p, 3) | 0xFF000000u;
    case Format::R5G6B5: return Rgb565ToArgb(ReadLe(p, 2));
    case Format::X1R5G5B5:
    case Format::A1R5G5B5: {
      std::uint32_t c = ReadLe(p, 2);
      std::uint32_t a = format == Format::X1R5G5B5 || (c & 0x8000) ? 255 : 0;
      return Argb(a, Expand(c >> 10 & 0x1F, 5), Expand(c >> 5 & 0x1F, 5), Expand(c & 0x1F, 5));
    }
    case Format::A4R4G4B4: {
      std::uint32_t c = ReadLe(p, 2);
      return Argb(Expand(c >> 12, 4), Expand(c >> 8 & 0xF, 4), Expand(c >> 4 & 0xF, 4), Expand(c & 0xF, 4));
    }
    case Format::A8: return Argb(p[0], 255, 255, 255);
    case Format::L8: return Argb(255, p[0], p[0], p[0]);
    case Format::R32F: {
      float f;
      std::memcpy(&f, p, 4);
      return Argb(255, FloatToByte(f), 0, 0);
    }
    default: return 0;
  }
}

// The four colours of a DXT colour block. DXT1 blocks whose first colour is not
// above the second use three colours and transparent black; DXT3/5 blocks
// always use four.
void DxtPalette(const std::uint8_t* block, bool allowThreeColour, std::uint32_t palette[4]) {
  std::uint32_t c0 = ReadLe(block, 2), c1 = ReadLe(block + 2, 2);
  std::uint32_t a = Rgb565ToArgb(c0), b = Rgb565ToArgb(c1);
  palette[0] = a;
  palette[1] = b;
  auto mix = [&](int wa, int wb, int div) {
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      std::uint32_t ca = a >> shift & 0xFF, cb = b >> shift & 0xFF;
      result |= ((ca * wa + cb * wb) / div) << shift;
    }
    return result;
  };
  if (c0 > c1 || !allowThreeColour) {
    palette[2] = mix(2, 1, 3);
    palette[3] = mix(1, 2, 3);
  } else {
    palette[2] = mix(1, 1, 2);
    palette[3] = 0;
  }
}

void Dxt5Alphas(const std::uint8_t* block, std::uint32_t alphas[8]) {
  std::uint32_t a0 = block[0], a1 = block[1];
  alphas[0] = a0;
  alphas[1] = a1;
  if (a0 > a1) {
    for (int i = 1; i <= 6; ++i) alphas[i + 1] = ((7 - i) * a0 + i * a1) / 7;
  } else {
    for (int i = 1; i <= 4; ++i) alphas[i + 1] = ((5 - i) * a0 + i * a1) / 5;
    alphas[6] = 0;
    alphas[7] = 255;
  }
}

// Decodes one 4x4 block into texels[16], row by row.
void DecodeDxtBlock(Format format, const std::uint8_t* block, std::uint32_t texels[16]) {
  const std::uint8_t* colour = format == Format::Dxt1 ? block : block + 8;
  std::uint32_t palette[4];
  DxtPalette(colour, format == Format::Dxt1, palette);
  std::uint32_t indices = ReadLe(colour + 4, 4);
  for (int i = 0; i < 16; ++i) texels[i] = palette[indices >> (2 * i) & 3];
  if (format == Format::Dxt3) {
    for (int i = 0; i < 16; ++i) {
      std::uint32_t a = block[i / 2] >> (4 * (i & 1)) & 0xF;
      texels[i] = (texels[i] & 0x00FFFFFFu) | Expand(a, 4) << 24;
    }
  } else if (format == Format::Dxt5) {
    std::uint32_t alphas[8];
    Dxt5Alphas(block, alphas);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 2; --i) bits = bits << 8 | block[i];
    for (int i = 0; i < 16; ++i) {
      texels[i] = (texels[i] & 0x00FFFFFFu) | alphas[bits >> (3 * i) & 7] << 24;
    }
  }
}

void BlocksToArgb(Format format, const ImageLevel& level, std::vector<std::uint32_t>& pixels) {
  int blockBytes = format == Format::Dxt1 ? 8 : 16;
  for (int by = 0; by < RowCount(format, level.height); ++by) {
    const std::uint8_t* row = level.bytes.data() + std::size_t(level.pitch) * by;
    for (int bx = 0; bx * 4 < level.width; ++bx) {
      std::uint32_t texels[16];
      DecodeDxtBlock(format, row + std::size_t(bx) * blockBytes, texels);
      for (int y = 0; y < 4 && by * 4 + y < level.height; ++y) {
        for (int x = 0; x < 4 && bx * 4 + x < level.width; ++x) {
          pixels[std::size_t(by * 4 + y) * level.width + bx * 4 + x] = texels[y * 4 + x];
        }
      }
    }
  }
}

bool HasColourData(Format format) {
  switch (format) {
    case Format::A8R8G8B8: case Format::X8R8G8B8: case Format::R8G8B8:
    case Format::R5G6B5: case Format::X1R5G5B5: case Format::A1R5G5B5: case Format::A4R4G4B4:
    case Format::A8: case Format::L8: case Format::R32F:
    case Format::Dxt1: case Format::Dxt3: case Format::Dxt5:
      return true;
    default:
      return false;
  }
}

bool IsArgb32(Format format) { return format == Format::A8R8G8B8 || format == Format::X8R8G8B8; }

std::uint32_t ReadPixel32(const ImageLevel& level, int x, int y) {
  return ReadLe(level.bytes.data() + std::size_t(level.pitch) * y + std::size_t(x) * 4, 4);
}

void WritePixel32(ImageLevel& level, int x, int y, std::uint32_t value) {
  std::uint8_t* p = level.bytes.data() + std::size_t(level.pitch) * y + std::size_t(x) * 4;
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(value >> (8 * i));
}

ImageLevel HalveLevel(const ImageLevel& src) {
  ImageLevel dst;
  dst.width = std::max(1, src.width / 2);
  dst.height = std::max(1, src.height / 2);
  dst.pitch = dst.width * 4;
  dst.bytes.resize(std::size_t(dst.pitch) * dst.height);
  for (int y = 0; y < dst.height; ++y) {
    for (int x = 0; x < dst.width; ++x) {
      std::uint32_t sum[4] = {0, 0, 0, 0};
      int count = 0;
      for (int sy = 2 * y; sy < std::min(2 * y + 2, src.height); ++sy) {
        for (int sx = 2 * x; sx < std::min(2 * x + 2, src.width); ++sx) {
          std::uint32_t p = ReadPixel32(src, sx, sy);
          for (int c = 0; c < 4; ++c) sum[c] += p >> (8 * c) & 0xFF;
          ++count;
        }
      }
      std::uint32_t value = 0;
      for (int c = 0; c < 4; ++c) value |= ((sum[c] + count / 2) / count) << (8 * c);
      WritePixel32(dst, x, y, value);
    }
  }
  return dst;
}

}  // namespace

int RowPitch(Format format, int width) {
  if (width <= 0) return 0;
  if (IsBlockCompressed(format)) return std::max(1, (width + 3) / 4) * (format == Format::Dxt1 ? 8 : 16);
  return BytesPerPixel(format) * width;
}

int RowCount(Format format, int height) {
  if (height <= 0) return 0;
  return IsBlockCompressed(format) ? std::max(1, (height + 3) / 4) : height;
}

bool LevelIsConsistent(Format format, const ImageLevel& level) {
  if (level.width <= 0 || level.height <= 0) return false;
  int rowBytes = RowPitch(format, level.width);
  int rows = RowCount(format, level.height);
  if (rowBytes <= 0 || level.pitch < rowBytes) return false;
  return level.bytes.size() >= std::size_t(level.pitch) * (rows - 1) + rowBytes;
}

ImageFileType DetectImageFileType(const std::uint8_t* data, std::size_t size, std::string_view nameHint) {
  static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size >= 4 && std::memcmp(data, "DDS ", 4) == 0) return ImageFileType::Dds;
  if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return ImageFileType::Png;
  if (StartsWithJpegSoi(data, size)) return ImageFileType::Jpg;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ImageFileType::Bmp;
  if (EndsWithNoCase(TrimRight(nameHint), ".tga")) return ImageFileType::Tga;
  return ImageFileType::Unknown;
}

bool DecodeImage(const std::uint8_t* data, std::size_t size, Image& out, std::string& error,
                 std::string_view nameHint) {
  ImageFileType type = DetectImageFileType(data, size, nameHint);
  switch (type) {
    case ImageFileType::Dds:
      return DecodeDds(data, size, out, error);
    case ImageFileType::Unknown:
      error = "unknown image file type";
      return false;
    case ImageFileType::Jpg:
      return DecodeJpeg(data, size, out, error);
    case ImageFileType::Png:
      if (!PngChunksFit(data, size)) {
        error = "PNG chunk runs past the end of the file (truncated)";
        return false;
      }
      return DecodeWithStb(type, data, size, out, error);
    default:
      return DecodeWithStb(type, data, size, out, error);
  }
}

bool LoadImageFile(std::string_view gamePath, Image& out, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(gamePath, bytes)) {
    error = "cannot read image file " + std::string(gamePath);
    return false;
  }
  if (!DecodeImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), out, error,
                   gamePath)) {
    error = std::string(gamePath) + ": " + error;
    return false;
  }
  return true;
}

bool ToArgb(const Image& image, int level, std::vector<std::uint32_t>& pixels) {
  if (level < 0 || std::size_t(level) >= image.levels.size()) return false;
  const ImageLevel& src = image.levels[std::size_t(level)];
  Format format = image.format;
  if (!HasColourData(format) || !LevelIsConsistent(format, src)) return false;
  pixels.assign(std::size_t(src.width) * src.height, 0);
  if (IsBlockCompressed(format)) {
    BlocksToArgb(format, src, pixels);
    return true;
  }
  int bpp = BytesPerPixel(format);
  for (int y = 0; y < src.height; ++y) {
    const std::uint8_t* row = src.bytes.data() + std::size_t(src.pitch) * y;
    for (int x = 0; x < src.width; ++x) {
      pixels[std::size_t(y) * src.width + x] = PixelToArgb(format, row + std::size_t(x) * bpp);
    }
  }
  return true;
}

void BuildMipChain(Image& image) {
  if (!IsArgb32(image.format) || image.levels.empty() || !LevelIsConsistent(image.format, image.levels[0])) {
    return;
  }
  image.levels.resize(1);
  while (image.levels.back().width > 1 || image.levels.back().height > 1) {
    image.levels.push_back(HalveLevel(image.levels.back()));
  }
}

void ApplyColorKey(Image& image, std::uint32_t keyArgb) {
  if (!IsArgb32(image.format)) return;
  // Without an alpha channel the keyed pixels could not become transparent;
  // such images compare as opaque and turn into A8R8G8B8.
  std::uint32_t forcedAlpha = image.format == Format::X8R8G8B8 ? 0xFF000000u : 0;
  for (ImageLevel& level : image.levels) {
    if (!LevelIsConsistent(image.format, level)) continue;
    for (int y = 0; y < level.height; ++y) {
      for (int x = 0; x < level.width; ++x) {
        std::uint32_t p = ReadPixel32(level, x, y) | forcedAlpha;
        WritePixel32(level, x, y, p == keyArgb ? 0 : p);
      }
    }
  }
  image.format = Format::A8R8G8B8;
}

}  // namespace plat
