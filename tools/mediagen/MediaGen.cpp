// mediagen <park dir>: writes the four intro videos (a few seconds of moving
// colour bars each, 320 by 240 at 25 frames a second) and the park music (a
// short loop of soft chords).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/media/MediaWriter.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFps = 25;
constexpr int kFrames = 2 * kFps;
constexpr int kRate = 44100;
constexpr double kTwoPi = 6.283185307179586;

// Bars whose colours depend on the video and scroll with the frame.
void PaintBars(int video, int frame, std::vector<std::uint8_t>& bgra) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int bar = ((x + frame * 4) / 40) % 8;
      std::uint8_t* p = &bgra[(std::size_t(y) * kWidth + std::size_t(x)) * 4];
      p[0] = std::uint8_t((bar & 1) ? 220 : 40 + video * 30);
      p[1] = std::uint8_t((bar & 2) ? 200 : 30);
      p[2] = std::uint8_t((bar & 4) ? 230 : 20 + y / 2);
      p[3] = 255;
    }
  }
}

std::vector<std::int16_t> Chords() {
  const double roots[4] = {220.0, 174.61, 261.63, 196.0};
  const double seconds = 4.0;
  const int frames = int(seconds * kRate);
  std::vector<std::int16_t> samples;
  samples.reserve(std::size_t(frames) * 2);
  for (int i = 0; i < frames; ++i) {
    const double t = double(i) / kRate;
    const int chord = int(t) % 4;
    const double local = t - std::floor(t);
    const double envelope = std::min(1.0, local * 20.0) * std::exp(-1.5 * local);
    double value = 0;
    for (double ratio : {1.0, 1.25, 1.5}) value += std::sin(kTwoPi * roots[chord] * ratio * t);
    const auto sample = std::int16_t(std::lround(0.2 * 32767.0 * envelope * value / 3.0));
    samples.push_back(sample);
    samples.push_back(sample);
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mediagen <park dir>\n");
    return 2;
  }
  const std::filesystem::path park = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(park / "Music" / "videos", ec);
  std::filesystem::create_directories(park / "Music" / "Sound", ec);
  std::string error;
  for (int video = 1; video <= 4; ++video) {
    const std::string path = (park / "Music" / "videos" / (std::to_string(video) + ".avi")).string();
    auto paint = [video](int frame, std::vector<std::uint8_t>& bgra) { PaintBars(video, frame, bgra); };
    if (!plat::WriteVideoFile(path, kWidth, kHeight, kFrames, kFps, paint, &error)) {
      std::fprintf(stderr, "mediagen: %s: %s\n", path.c_str(), error.c_str());
      return 1;
    }
  }
  const std::string music = (park / "Music" / "Sound" / "porvik_parkmuziek.wav").string();
  if (!plat::WriteMusicFile(music, Chords(), 2, kRate, &error)) {
    std::fprintf(stderr, "mediagen: %s: %s\n", music.c_str(), error.c_str());
    return 1;
  }
  return 0;
}
