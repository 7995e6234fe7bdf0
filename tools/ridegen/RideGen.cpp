// ridegen <park dir>: writes the demo park's ride tracks and ride sounds.
// The tracks follow the courses the rails are modelled on. Each ride has a
// quiet hum for the building, a running noise and a short signal when it
// starts; the coaster and the flume also a second noise on their lifts and
// the riders' scream.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/audio/WavWriter.h"
#include "tools/ridegen/RideCourses.h"

namespace {

namespace fs = std::filesystem;

constexpr double kTwoPi = 6.283185307179586;

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
    {"Attr_SwingBoat_STARTING", 740.0, 0.4, 0},  {"Attr_Skarloop", 160.0, 2.0, 0.3},
    {"Attr_Skarloop_NOISE", 90.0, 3.0, 6.0},    {"Attr_Skarloop_NOISE2", 300.0, 2.0, 9.0},
    {"Attr_Skarloop_SCREAM", 1200.0, 1.2, 7.0}, {"Attr_Skarloop_STARTING", 990.0, 0.5, 0},
    {"Attr_Norwhistle", 260.0, 2.0, 0.3},       {"Attr_Norwhistle_NOISE", 130.0, 3.0, 1.5},
    {"Attr_Norwhistle_NOISE2", 330.0, 2.0, 8.0}, {"Attr_Norwhistle_SCREAM", 1100.0, 1.2, 6.0},
    {"Attr_Norwhistle_STARTING", 600.0, 0.5, 0},
};

// One key per frame of the course; the game fills the keyframes between.
// Rotations turn about the vertical axis to the course's heading.
std::string TrackText(const ridecourses::Course& course) {
  std::ostringstream out;
  out << "FirstFrame 0 LastFrame " << course.frames << " Speed " << course.speed << " KeysPerFrame "
      << course.keysPerFrame << "\n";
  out << "FrameTransformMatrix {\n  1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;,\n}\n";
  std::ostringstream rotations, positions;
  for (size_t frame = 0; frame < course.points.size(); ++frame) {
    const ridecourses::CoursePoint& p = course.points[frame];
    const size_t slot = frame * static_cast<size_t>(course.keysPerFrame);
    rotations << "  " << slot << ";4;" << std::cos(p.heading / 2) << ",0," << std::sin(p.heading / 2) << ",0;;\n";
    positions << "  " << slot << ";3;" << p.x << "," << p.y << "," << p.z << ";;\n";
  }
  out << "AnimationKey {\n  0;\n  " << course.points.size() << ";\n" << rotations.str() << "}\n";
  out << "AnimationKey {\n  1;\n  1;\n  0;3;1,1,1;;\n}\n";
  out << "AnimationKey {\n  2;\n  " << course.points.size() << ";\n" << positions.str() << "}\n";
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
  for (const ridecourses::Course& course : {ridecourses::MiniTrain(), ridecourses::Coaster(), ridecourses::Flume()}) {
    if (!WriteFile(park / "objects" / "paths" / course.trackFile, TrackText(course))) {
      std::fprintf(stderr, "ridegen: cannot write %s\n", course.trackFile);
      return 1;
    }
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
