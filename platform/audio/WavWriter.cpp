#include "platform/audio/WavWriter.h"

#include <algorithm>
#include <cstddef>

namespace plat {
namespace {

constexpr std::size_t kHeaderBytes = 44;

// Fills the canonical header field by field, little-endian.
class HeaderWriter {
 public:
  explicit HeaderWriter(std::uint8_t* at) : at_(at) {}
  void Id(const char* id) {
    for (int i = 0; i < 4; ++i) *at_++ = static_cast<std::uint8_t>(id[i]);
  }
  void U16(std::uint32_t v) {
    *at_++ = static_cast<std::uint8_t>(v);
    *at_++ = static_cast<std::uint8_t>(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFFu);
    U16(v >> 16);
  }

 private:
  std::uint8_t* at_;
};

}  // namespace

std::vector<std::uint8_t> WritePcmWav(const PcmFormat& format, std::span<const std::uint8_t> pcm) {
  const auto dataSize = static_cast<std::uint32_t>(pcm.size());
  const std::uint32_t pad = dataSize & 1u;
  std::vector<std::uint8_t> out(kHeaderBytes + dataSize + pad, 0);
  HeaderWriter header(out.data());
  header.Id("RIFF");
  header.U32(36 + dataSize + pad);
  header.Id("WAVE");
  header.Id("fmt ");
  header.U32(16);
  header.U16(1);
  header.U16(format.channels);
  header.U32(format.sampleRate);
  header.U32(format.sampleRate * format.FrameBytes());
  header.U16(format.FrameBytes());
  header.U16(format.bitsPerSample);
  header.Id("data");
  header.U32(dataSize);
  std::copy(pcm.begin(), pcm.end(), out.begin() + kHeaderBytes);
  return out;
}

}  // namespace plat
