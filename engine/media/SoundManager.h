#pragma once
// The engine's sound effects: WAV files loaded whole into static buffers,
// each registered under a name ("BUTTON_CLICK", "RAIN", ...) that the rest of
// the game plays, stops and sets the volume of. Names are case-sensitive.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/media/SoundRecord.h"
#include "platform/audio/AudioDevice.h"
#include "platform/os/Handles.h"

class SoundManager {
 public:
  // Levels run from kLevelSilent to kLevelFull.
  static constexpr int32_t kLevelSilent = 0;
  static constexpr int32_t kLevelFull = 1000;

  // Stores itself in g_sound.
  explicit SoundManager(plat::WindowHandle window);
  ~SoundManager();
  SoundManager(const SoundManager&) = delete;
  SoundManager& operator=(const SoundManager&) = delete;

  // Opens the sound output (headless when asked for or when there is no
  // sound device) and sets up the listener.
  bool Init();
  // The same on a device the caller chose; false (and nothing kept) when it
  // is null or refuses the listener.
  bool Init(std::unique_ptr<plat::AudioDevice> device);

  // Loads a WAV file (through the path resolver) under `name`, with one
  // buffer, or with 50 that can play at once when `duplicates` is set. A
  // missing or broken file registers nothing and gives false.
  bool LoadSound(const EngineString& path, const EngineString& name, bool duplicates);
  // One buffer that plays looped.
  bool LoadLoopingSound(const EngineString& path, const EngineString& name);

  // The first record loaded under the name, or null.
  SoundRecord* Find(const EngineString& name);
  // Plays the sound on its first buffer that is not playing, from where that
  // buffer stopped; nothing when every buffer plays or the name is unknown.
  void Play(const EngineString& name);
  // Stops every buffer of the sound without rewinding it.
  void Stop(const EngineString& name);
  // Level 0..1000 (clamped) becomes 10 * level - 10000 hundredths of a
  // decibel, stored and applied to every buffer of the sound.
  void SetVolume(int32_t level, const EngineString& name);
  void SetVolumeAll(int32_t level);

  void DeleteAllSounds();
  // Deletes every sound and closes the sound output.
  void Shutdown();

  static int32_t VolumeFromLevel(int32_t level);

  plat::WindowHandle GetWindow() const { return m_window; }
  // The sound output, null before Init and after Shutdown.
  plat::AudioDevice* GetDevice() const { return m_device.get(); }

 private:
  bool Load(const EngineString& path, const EngineString& name, int32_t count, bool looping);

  plat::WindowHandle m_window;
  std::unique_ptr<plat::AudioDevice> m_device;
  std::vector<std::unique_ptr<SoundRecord>> m_records;  // in order of loading
};
