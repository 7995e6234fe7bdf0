#include "platform/audio/WavReader.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace plat {
namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::uint32_t kPcmFormatBytes = 16;
constexpr std::uint32_t kFormatWithExtraSize = 18;
// Sound editors write a RIFF size a little beyond the file at times (the
// header counted, the pad byte); so much is read as far as the file goes.
constexpr std::uint32_t kRiffSizeSlack = 64;

// WAVE_FORMAT_EXTENSIBLE: the format is in the sub-format GUID at offset 6
// of the extra bytes, whose first two bytes are the plain format tag.
constexpr std::uint16_t kWavFormatExtensible = 0xFFFE;
constexpr std::size_t kExtensibleExtraBytes = 22;
constexpr std::size_t kSubFormatAt = 6;
constexpr std::uint8_t kSubFormatGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool IdIs(std::span<const std::uint8_t> b, std::size_t at, std::string_view id) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (b[at + i] != static_cast<std::uint8_t>(id[i])) return false;
  }
  return true;
}

// The chunk id for messages, with unprintable bytes shown as '?'.
std::string IdText(std::span<const std::uint8_t> b, std::size_t at) {
  std::string text;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint8_t c = b[at + i];
    text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  }
  return text;
}

__attribute__((format(printf, 2, 3))) bool Fail(std::string& error, const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  error = text;
  return false;
}

bool ReadFormat(std::span<const std::uint8_t> chunk, WavFormat& format, std::string& error) {
  if (chunk.size() < kPcmFormatBytes) {
    return Fail(error, "WAV fmt chunk has %zu bytes, fewer than 16", chunk.size());
  }
  format.formatTag = U16(chunk, 0);
  format.channels = U16(chunk, 2);
  format.samplesPerSec = U32(chunk, 4);
  format.avgBytesPerSec = U32(chunk, 8);
  format.blockAlign = U16(chunk, 12);
  format.bitsPerSample = U16(chunk, 14);
  format.extra.clear();
  // A non-PCM format may carry a size and that many extra bytes; a 16-byte
  // chunk simply has none.
  if (format.formatTag == kWavFormatPcm || chunk.size() < kFormatWithExtraSize) return true;
  const std::uint16_t extraSize = U16(chunk, kPcmFormatBytes);
  if (extraSize > chunk.size() - kFormatWithExtraSize) {
    return Fail(error, "WAV fmt chunk names %u extra bytes but holds %zu", unsigned{extraSize},
                chunk.size() - kFormatWithExtraSize);
  }
  const auto extra = chunk.subspan(kFormatWithExtraSize, extraSize);
  format.extra.assign(extra.begin(), extra.end());
  return true;
}

// The plain format tag of an extensible format whose sub-format is one of
// the standard ones; the tag itself for any other.
std::uint16_t PlainFormatTag(const WavFormat& format) {
  if (format.formatTag != kWavFormatExtensible || format.extra.size() < kExtensibleExtraBytes) {
    return format.formatTag;
  }
  const std::span<const std::uint8_t> guid(format.extra.data() + kSubFormatAt, 16);
  if (!std::equal(std::begin(kSubFormatGuidTail), std::end(kSubFormatGuidTail), guid.begin() + 2)) {
    return format.formatTag;
  }
  return U16(guid, 0);
}

}  // namespace

bool ParseWav(std::span<const std::uint8_t> image, WavFile& out, std::string& error) {
  out = WavFile{};
  if (image.size() < 12 || !IdIs(image, 0, "RIFF") || !IdIs(image, 8, "WAVE")) {
    return Fail(error, "not a RIFF/WAVE file");
  }
  const std::uint32_t riffSize = U32(image, 4);
  const std::size_t fileRiffSize = image.size() - kChunkHeader;
  if (riffSize < 4 || riffSize > fileRiffSize + kRiffSizeSlack) {
    return Fail(error, "WAV RIFF size %u does not fit the file of %zu bytes", riffSize, image.size());
  }
  const auto body = image.subspan(12, std::min<std::size_t>(riffSize, fileRiffSize) - 4);

  bool haveFormat = false;
  bool haveData = false;
  std::size_t at = 0;
  while (body.size() - at >= kChunkHeader) {
    const std::uint32_t size = U32(body, at + 4);
    const std::size_t left = body.size() - at - kChunkHeader;
    if (size > left) {
      return Fail(error, "WAV chunk '%s' of %u bytes runs past the end (%zu left)",
                  IdText(body, at).c_str(), size, left);
    }
    const auto chunk = body.subspan(at + kChunkHeader, size);
    if (!haveFormat && IdIs(body, at, "fmt ")) {
      if (!ReadFormat(chunk, out.format, error)) return false;
      haveFormat = true;
    } else if (!haveData && IdIs(body, at, "data")) {
      out.data = chunk;
      haveData = true;
    }
    // An odd-sized chunk is followed by a pad byte, which may be missing at the end.
    at += kChunkHeader + size + (size & 1u);
    if (at > body.size()) at = body.size();
  }
  if (!haveFormat) return Fail(error, "WAV has no fmt chunk");
  if (!haveData) return Fail(error, "WAV has no data chunk");
  return true;
}

bool ReadPcmWav(std::span<const std::uint8_t> image, WavFile& out, std::string& error) {
  if (!ParseWav(image, out, error)) return false;
  if (PlainFormatTag(out.format) == kWavFormatPcm && out.format.formatTag == kWavFormatExtensible) {
    out.format.formatTag = kWavFormatPcm;
    out.format.extra.clear();
  }
  const WavFormat& f = out.format;
  if (f.formatTag != kWavFormatPcm) {
    return Fail(error, "WAV format %u is not PCM, which is the only format played", unsigned{f.formatTag});
  }
  if (f.channels == 0) return Fail(error, "WAV has zero channels");
  const PcmFormat pcm = f.Pcm();
  if (!pcm.IsPlayable()) {
    return Fail(error, "WAV of %u channels, %u bits at %u Hz cannot be played (mono or stereo, 8 or 16 bits)",
                unsigned{f.channels}, unsigned{f.bitsPerSample}, f.samplesPerSec);
  }
  if (f.blockAlign != pcm.FrameBytes()) {
    return Fail(error, "WAV block size %u does not match %u channels of %u bits", unsigned{f.blockAlign},
                unsigned{f.channels}, unsigned{f.bitsPerSample});
  }
  if (pcm.WholeFrames(out.data.size()) == 0) return Fail(error, "WAV data chunk holds no whole sample frame");
  return true;
}

}  // namespace plat
