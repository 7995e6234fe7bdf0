// soundgen <park dir>: writes the demo park's sound effects: the GUI's
// button click and the park events' looping sounds, as short decaying tone
// bursts, PCM 16-bit mono.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/audio/WavWriter.h"

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kPeak = 0.6 * 32767.0;

struct Burst {
  const char* file;  // below the park folder
  double seconds;
  double toneHz;
  double decayPerSecond;
};

constexpr Burst kSounds[] = {
    {"Music/Effects/click.wav", 0.035, 1800.0, 140.0},
    {"Music/Effects/events/bird.wav", 0.4, 2600.0, 6.0},
    {"Music/Effects/events/sneeze.wav", 0.6, 420.0, 5.0},
    {"Music/Effects/events/bins.wav", 0.5, 260.0, 3.0},
};

std::vector<std::uint8_t> BurstPcm(const Burst& burst) {
  const auto frames = static_cast<std::uint32_t>(kRate * burst.seconds);
  constexpr double kTwoPi = 6.283185307179586;
  std::vector<std::uint8_t> pcm;
  pcm.reserve(frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double value = kPeak * std::exp(-burst.decayPerSecond * t) * std::sin(kTwoPi * burst.toneHz * t);
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
  for (const Burst& burst : kSounds) {
    const std::filesystem::path path = std::filesystem::path(argv[1]) / burst.file;
    if (!WriteFile(path, plat::WritePcmWav({1, kRate, 16}, BurstPcm(burst)))) {
      std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
