// ridegen <park dir>: writes the demo park's ride tracks and ride sounds.
// The mini train runs a loop round its station: one key per frame, the
// keyframes between them filled in by the game. Each ride has a quiet hum
// for the building, a running noise and a short signal when it starts.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/audio/WavWriter.h"

namespace {

namespace fs = std::filesystem;

constexpr double kTwoPi = 6.283185307179586;

// The train: 60 frames of 4 keyframes, 5 frames a second: a lap of 12 s on a
// loop of 9 m by 6 m round the station.
constexpr int kTrainFrames = 60;
constexpr int kTrainKeysPerFrame = 4;
constexpr int kTrainSpeed = 5;
constexpr double kLoopHalfLength = 9.0;
constexpr double kLoopHalfWidth = 6.0;
constexpr double kRailHeight = 0.3;

constexpr std::uint32_t kRate = 22050;
constexpr double kPeak = 0.4 * 32767.0;

struct Tone {
  const char* name;
  double hz;
  double seconds;
  double wobbleHz;  // a slow swell, 0 for a steady tone
};

const Tone kRideSounds[] = {
    {"Attr_Carousel", 220.0, 2.0, 0.5},         {"Attr_Carousel_NOISE", 392.0, 3.0, 2.0},
    {"Attr_Carousel_STARTING", 880.0, 0.4, 0},  {"Attr_MiniTrain", 180.0, 2.0, 0.5},
    {"Attr_MiniTrain_NOISE", 110.0, 3.0, 4.0},  {"Attr_MiniTrain_STARTING", 660.0, 0.6, 0},
    {"Attr_SwingBoat", 200.0, 2.0, 0.5},        {"Attr_SwingBoat_NOISE", 150.0, 3.0, 0.4},
    {"Attr_SwingBoat_STARTING", 740.0, 0.4, 0},
};

std::string TrainTrack() {
  std::ostringstream out;
  out << "FirstFrame 0 LastFrame " << kTrainFrames << " Speed " << kTrainSpeed << " KeysPerFrame " << kTrainKeysPerFrame
      << "\n";
  out << "FrameTransformMatrix {\n  1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;,\n}\n";
  std::ostringstream rotations, positions;
  for (int frame = 0; frame <= kTrainFrames; ++frame) {
    const int slot = frame * kTrainKeysPerFrame;
    const double a = kTwoPi * frame / kTrainFrames;
    const double x = kLoopHalfLength * std::cos(a);
    const double z = kLoopHalfWidth * std::sin(a);
    // Heading along the loop's tangent, a turn about the vertical axis.
    const double heading = std::atan2(kLoopHalfWidth * std::cos(a), -kLoopHalfLength * std::sin(a));
    rotations << "  " << slot << ";4;" << std::cos(heading / 2) << ",0," << std::sin(heading / 2) << ",0;;\n";
    positions << "  " << slot << ";3;" << x << "," << kRailHeight << "," << z << ";;\n";
  }
  out << "AnimationKey {\n  0;\n  " << kTrainFrames + 1 << ";\n" << rotations.str() << "}\n";
  out << "AnimationKey {\n  1;\n  1;\n  0;3;1,1,1;;\n}\n";
  out << "AnimationKey {\n  2;\n  " << kTrainFrames + 1 << ";\n" << positions.str() << "}\n";
  return out.str();
}

std::vector<std::uint8_t> TonePcm(const Tone& tone) {
  const auto frames = static_cast<std::uint32_t>(kRate * tone.seconds);
  std::vector<std::uint8_t> pcm;
  pcm.reserve(frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double swell = tone.wobbleHz > 0 ? 0.75 + 0.25 * std::sin(kTwoPi * tone.wobbleHz * t) : 1.0;
    const double fade = std::min(1.0, std::min(t, tone.seconds - t) * 20.0);  // no clicks at the ends
    const auto sample = static_cast<std::int16_t>(std::lround(kPeak * swell * fade * std::sin(kTwoPi * tone.hz * t)));
    pcm.push_back(static_cast<std::uint8_t>(sample & 0xFF));
    pcm.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
  }
  return pcm;
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: ridegen <park dir>\n");
    return 2;
  }
  const fs::path park = argv[1];
  if (!WriteFile(park / "objects" / "paths" / "minitrain_track.txt", TrainTrack())) {
    std::fprintf(stderr, "ridegen: cannot write the train's track\n");
    return 1;
  }
  for (const Tone& tone : kRideSounds) {
    const std::vector<std::uint8_t> wav = plat::WritePcmWav({1, kRate, 16}, TonePcm(tone));
    const fs::path path = park / "Music" / "Effects" / "rides" / (std::string(tone.name) + ".wav");
    if (!WriteFile(path, std::string(wav.begin(), wav.end()))) {
      std::fprintf(stderr, "ridegen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
