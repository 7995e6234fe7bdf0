#pragma once
// Decoded images in memory: what textures are made from and what tools write.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Format.h"

namespace plat {

struct ImageLevel {
  int width = 0, height = 0, pitch = 0;  // pitch: bytes per row (per row of 4x4 blocks when compressed)
  std::vector<std::uint8_t> bytes;
};

struct Image {
  // A8R8G8B8 for every decoded file but DDS: B,G,R,A bytes in memory, i.e.
  // little-endian 0xAARRGGBB words.
  Format format = Format::Unknown;
  int width = 0, height = 0;       // level 0
  std::vector<ImageLevel> levels;  // level 0 first; DDS gives its stored mip chain
};

enum class ImageFileType { Unknown, Dds, Png, Jpg, Tga, Bmp };

// The largest width or height any decoder accepts, and the largest pixel count.
constexpr int kMaxImageDimension = 16384;
constexpr std::int64_t kMaxImagePixels = 64ll * 1024 * 1024;

// What every decoder checks once it knows the picture's size: the limits
// above, and, where maxPixelsPerByte is above 0 (the most pixels one byte of
// a well-formed file of its kind can stand for), that a file of fileSize
// bytes can hold that many pixels. Decoders that pad missing data would
// otherwise decode a huge picture from nothing. False with the reason.
bool CheckImageSize(std::int64_t width, std::int64_t height, std::size_t fileSize, std::int64_t maxPixelsPerByte,
                    std::string& error);

// Bytes of one tightly packed row of a level (of one row of 4x4 blocks when
// block-compressed), and the number of such rows; 0 for unknown formats.
int RowPitch(Format format, int width);
int RowCount(Format format, int height);
// True when the level has positive dimensions, a pitch of at least one row and
// bytes for all its rows.
bool LevelIsConsistent(Format format, const ImageLevel& level);

// By content: "DDS " magic, PNG signature, JPEG SOI (FF D8), "BM"; else TGA when the
// name ends in ".tga"; else Unknown.
ImageFileType DetectImageFileType(const std::uint8_t* data, std::size_t size,
                                  std::string_view nameHint = {});

bool DecodeImage(const std::uint8_t* data, std::size_t size, Image& out, std::string& error,
                 std::string_view nameHint = {});
// Reads through plat::ReadWholeFile (game paths).
bool LoadImageFile(std::string_view gamePath, Image& out, std::string& error);

// One level as 32-bit 0xAARRGGBB pixels, row after row without padding.
// DXT1/3/5 are decompressed; R5G6B5 / X1R5G5B5 / A1R5G5B5 / A4R4G4B4 expanded
// (bits replicated so full scale maps to 255); X8R8G8B8 gets alpha 255;
// A8 becomes white with that alpha; L8 grey with alpha 255; R32F takes the red
// channel clamped to 0..1 (green and blue 0, alpha 255).
// False for a missing level or an unsupported format.
bool ToArgb(const Image& image, int level, std::vector<std::uint32_t>& pixels);

// Appends box-filtered levels down to 1x1 after level 0 (existing smaller levels
// are replaced). Only uncompressed A8R8G8B8 / X8R8G8B8 images; others unchanged.
void BuildMipChain(Image& image);

// Pixels equal to the key (ARGB, alpha included) become transparent black
// 0x00000000 in every level. Only A8R8G8B8 / X8R8G8B8 images.
void ApplyColorKey(Image& image, std::uint32_t keyArgb);

}  // namespace plat
