// soundgen <park dir>: writes the demo park's sound effects. For now the GUI's
// button click: a short decaying tone burst, PCM 16-bit mono.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/audio/WavWriter.h"

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kSeconds = 0.035;
constexpr double kToneHz = 1800.0;
constexpr double kDecayPerSecond = 140.0;
constexpr double kPeak = 0.6 * 32767.0;

std::vector<std::uint8_t> ClickPcm() {
  const auto frames = static_cast<std::uint32_t>(kRate * kSeconds);
  constexpr double kTwoPi = 6.283185307179586;
  std::vector<std::uint8_t> pcm;
  pcm.reserve(frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double value = kPeak * std::exp(-kDecayPerSecond * t) * std::sin(kTwoPi * kToneHz * t);
    const auto sample = static_cast<std::int16_t>(std::lround(value));
    pcm.push_back(static_cast<std::uint8_t>(sample & 0xFF));
    pcm.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
  }
  return pcm;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soundgen <park dir>\n");
    return 2;
  }
  const std::filesystem::path click = std::filesystem::path(argv[1]) / "Music" / "Effects" / "click.wav";
  if (!WriteFile(click, plat::WritePcmWav({1, kRate, 16}, ClickPcm()))) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", click.c_str());
    return 1;
  }
  return 0;
}
