// soundgen <park dir>: writes the demo park's sound effects: the GUI's
// button click, the park events' sounds, and every named sound the game
// loads at start (the resource table's files), as short tones, chirps and
// noises, PCM 16-bit mono. The game's looping sounds are longer and fade
// in and out, so that they loop without a click.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/MainObjectResourceTables.h"
#include "platform/audio/WavWriter.h"

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kPeak = 0.6 * 32767.0;
constexpr double kTwoPi = 6.283185307179586;

struct Voice {
  double seconds;
  double toneHz;
  double endHz;           // the tone slides to this by the end
  double decayPerSecond;  // 0: steady, faded in and out at the ends
  double noise;           // 0 a pure tone .. 1 pure noise
};

struct Burst {
  const char* file;  // below the park folder
  Voice voice;
};

constexpr Burst kSounds[] = {
    {"Music/Effects/click.wav", {0.035, 1800.0, 1800.0, 140.0, 0.0}},
    {"Music/Effects/events/bird.wav", {0.4, 2600.0, 3200.0, 6.0, 0.0}},
    {"Music/Effects/events/sneeze.wav", {0.6, 420.0, 300.0, 5.0, 0.4}},
    {"Music/Effects/events/bins.wav", {0.5, 260.0, 200.0, 3.0, 0.3}},
};
// The named sounds below this folder.
constexpr const char* kEffectsFolder = "Music/Effects/";
constexpr double kEdgeSeconds = 0.05;

// A fixed-seed generator, so that the files compare from build to build.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : m_state(seed | 1u) {}
  double Next() {
    m_state = m_state * 1664525u + 1013904223u;
    return double(m_state >> 8) / double(1u << 24) * 2.0 - 1.0;
  }

 private:
  std::uint32_t m_state;
};

std::uint32_t Hash(const std::string& text) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
  return hash;
}

// Named sounds with a voice of their own: the bird show's bird whistles
// high and rising over the show's light tune.
constexpr Burst kOwnVoices[] = {
    {"zelvaro_birdvoice.wav", {1.2, 2800.0, 3500.0, 0.0, 0.05}},
    {"zelvanni.wav", {2.0, 660.0, 780.0, 0.0, 0.0}},
};

// A named sound's voice from its file name: its pitch and its noise from
// the name, its length from the kind; the rain is all noise.
Voice NamedVoice(const SoundResource& sound) {
  for (const Burst& own : kOwnVoices) {
    if (std::string(sound.file) == own.file) return own.voice;
  }
  const std::uint32_t hash = Hash(sound.file);
  const bool looping = sound.kind == SoundKind::Looping;
  const double tone = 180.0 + double(hash % 900);
  const double noise = std::string(sound.file) == "rain.wav" ? 1.0 : double((hash >> 10) % 5) / 10.0;
  return looping ? Voice{1.5, tone, tone, 0.0, noise} : Voice{0.5, tone, tone * 1.5, 4.0, noise};
}

double Envelope(const Voice& voice, double t) {
  if (voice.decayPerSecond > 0.0) return std::exp(-voice.decayPerSecond * t);
  const double edge = std::min({t, voice.seconds - t, kEdgeSeconds});
  return std::max(edge, 0.0) / kEdgeSeconds;
}

std::vector<std::uint8_t> VoicePcm(const Voice& voice, std::uint32_t seed) {
  const auto frames = static_cast<std::uint32_t>(kRate * voice.seconds);
  Noise noise(seed);
  std::vector<std::uint8_t> pcm;
  pcm.reserve(frames * 2);
  double phase = 0.0;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = voice.toneHz + (voice.endHz - voice.toneHz) * t / voice.seconds;
    phase += kTwoPi * hz / kRate;
    const double mix = (1.0 - voice.noise) * std::sin(phase) + voice.noise * noise.Next();
    const auto sample = static_cast<std::int16_t>(std::lround(kPeak * Envelope(voice, t) * mix));
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

bool WriteVoice(const std::filesystem::path& path, const Voice& voice, std::uint32_t seed) {
  if (WriteFile(path, plat::WritePcmWav({1, kRate, 16}, VoicePcm(voice, seed)))) return true;
  std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soundgen <park dir>\n");
    return 2;
  }
  const std::filesystem::path park = argv[1];
  for (const Burst& burst : kSounds) {
    if (!WriteVoice(park / burst.file, burst.voice, Hash(burst.file))) return 1;
  }
  // Several keys share a file; each file is written once.
  std::set<std::string> written;
  for (std::size_t n = 0; n < kSoundResourceCount; ++n) {
    const SoundResource& sound = kSoundResources[n];
    if (!written.insert(sound.file).second) continue;
    if (!WriteVoice(park / (std::string(kEffectsFolder) + sound.file), NamedVoice(sound), Hash(sound.file))) return 1;
  }
  return 0;
}
