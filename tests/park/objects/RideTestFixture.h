#pragma once
// A park for ride tests: a fake clock, a host with a park clock, a sound
// manager on the headless device, and the attraction sounds as "play KEY",
// "stop KEY" and "place KEY" in the order the ride made them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/SoundManager.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "platform/audio/AudioDevice.h"
#include "platform/os/Clock.h"
#include "tests/park/objects/AttractionTestHost.h"
#include "tests/platform/os/TempTree.h"

namespace attractiontest {

class RideFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    host.base = tree.Root();
    host.clock = {12, 0, 1};
    ASSERT_TRUE(sound.Init(plat::OpenHeadlessAudioDevice()));
    attractionsound::SetObserver([this](const char* operation, const EngineString& key) {
      sounds.push_back(std::string(operation) + " " + key.Std());
    });
  }

  void TearDown() override {
    attractionsound::SetObserver(nullptr);
    plat::SetClock(nullptr);
  }

  static std::string Header(int last, int speed, int keys) {
    return "First 0 Last " + std::to_string(last) + " Speed " + std::to_string(speed) + " Keys " +
           std::to_string(keys) + "\nFrame frame 1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;, }\n";
  }

  // A track whose position x is the slot index, with `frames` frames of
  // `keys` keyframes each.
  void WriteTrack(const std::string& name, int frames, int speed, int keys) {
    std::string positions;
    const int count = frames * keys;
    for (int k = 0; k <= count; ++k) positions += std::to_string(k) + ";3;" + std::to_string(k) + ",0,0;; ";
    tree.Write("objects/paths/" + name,
               Header(frames, speed, keys) + "R { 0 1 }\nS { 0 1 }\nP { 0 1 " + positions + "}\n");
  }

  // A ride of the id on a fresh track, its vehicles made.
  void MakeRide(CAttraction& ride, const char* id, int frames, int speed, int keys, int vehicles, int spacing) {
    ride.id = id;
    WriteTrack(std::string(id) + ".txt", frames, speed, keys);
    ride.LoadTrackFile((std::string(id) + ".txt").c_str());
    ride.CreateVehicles(vehicles, spacing);
  }

  // Runs the ride cycle at the frame rate for the game time.
  void RunRide(CAttraction& ride, double seconds, int framesPerSecond) {
    const int frames = static_cast<int>(seconds * framesPerSecond);
    const float dt = 1.0f / static_cast<float>(framesPerSecond);
    for (int f = 0; f < frames; ++f) {
      clockMicros += 1000000 / framesPerSecond;
      const int64_t ms = clockMicros / 1000;
      clockMicros -= ms * 1000;
      clock.AdvanceMs(static_cast<uint32_t>(ms));
      ride.UpdateRide(dt);
    }
  }

  // The sounds of one operation ("play", "stop", "place"), or all but the placing.
  std::vector<std::string> Sounds(const std::string& only = "") const {
    std::vector<std::string> kept;
    for (const std::string& s : sounds) {
      if (only.empty() ? s.rfind("place", 0) != 0 : s.rfind(only, 0) == 0) kept.push_back(s);
    }
    return kept;
  }

  plat::FakeClock clock;
  int64_t clockMicros = 0;
  plat::test::TempTree tree;
  TestHost host;
  SoundManager sound{nullptr};
  std::vector<std::string> sounds;
};

}  // namespace attractiontest
