#pragma once
// Writes media files with FFmpeg's own encoders, for the demo-park tools and
// for test fixtures: AVI video (MPEG-4 part 2, no sound) and WAV music.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plat {

// Fills one frame as BGRA bytes, width * 4 per row, top row first.
using FramePainter = std::function<void(int frame, std::vector<std::uint8_t>& bgra)>;

// hostPath is a host path; its folder must exist. Even sizes only.
bool WriteVideoFile(const std::string& hostPath, int width, int height, int frameCount, int fps,
                    const FramePainter& paint, std::string* error = nullptr);

// Interleaved 16-bit samples of `channels` channels.
bool WriteMusicFile(const std::string& hostPath, const std::vector<std::int16_t>& samples,
                    int channels, int sampleRate, std::string* error = nullptr);

}  // namespace plat
