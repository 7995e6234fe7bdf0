// The media decoder on arbitrary bytes, as a video and as music: whatever
// opens must decode to frames of the size it reported, or end cleanly.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/media/MediaDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (auto video = plat::MediaDecoder::OpenMemory(bytes, plat::MediaDecoder::Kind::Video)) {
    plat::VideoFrame frame;
    for (int i = 0; i < 16 && video->ReadVideoFrame(frame); ++i) {
      if (frame.width != video->Width() || frame.height != video->Height() ||
          frame.bgra.size() != std::size_t(frame.width) * std::size_t(frame.height) * 4) {
        __builtin_trap();
      }
    }
    video->Rewind();
  }
  if (auto music = plat::MediaDecoder::OpenMemory(bytes, plat::MediaDecoder::Kind::Audio)) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 16 && music->ReadAudio(samples); ++i) {
    }
    if (samples.size() % 2) __builtin_trap();  // whole stereo frames only
  }
  return 0;
}
