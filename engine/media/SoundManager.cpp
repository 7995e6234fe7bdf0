#include "engine/media/SoundManager.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/core/Globals.h"
#include "engine/media/WaveFile.h"
#include "platform/os/Path.h"

namespace {

// The listener the game hears from: the park's y axis ahead, z up.
constexpr plat::ListenerSettings kListener{1.0f, 0.01f, {0, 1, 0}, {0, 0, 1}};

void ReportNotLoaded(const EngineString& name, const EngineString& path, const std::string& why) {
  std::fprintf(stderr, "Sound \"%s\" not loaded from \"%s\": %s\n", name.CStr(), path.CStr(), why.c_str());
}

}  // namespace

SoundManager::SoundManager(plat::WindowHandle window) : m_window(window) { g_sound = this; }

SoundManager::~SoundManager() {
  Shutdown();
  if (g_sound == this) g_sound = nullptr;
}

bool SoundManager::Init() { return Init(plat::OpenAudioDevice()); }

bool SoundManager::Init(std::unique_ptr<plat::AudioDevice> device) {
  if (!device || !device->SetListener(kListener)) return false;
  m_device = std::move(device);
  return true;
}

bool SoundManager::LoadSound(const EngineString& path, const EngineString& name, bool duplicates) {
  return Load(path, name, duplicates ? SoundRecord::kMaxBuffers : 1, false);
}

bool SoundManager::LoadLoopingSound(const EngineString& path, const EngineString& name) {
  return Load(path, name, 1, true);
}

bool SoundManager::Load(const EngineString& path, const EngineString& name, int32_t count, bool looping) {
  if (!m_device) {
    ReportNotLoaded(name, path, "the sound output is not set up");
    return false;
  }
  std::string image;
  if (!plat::ReadWholeFile(path.Std(), image)) {
    ReportNotLoaded(name, path, "the file cannot be read");
    return false;
  }
  auto record = std::make_unique<SoundRecord>();
  record->name = name;
  record->count = count;
  record->looping = looping ? 1 : 0;

  WaveFile wave;
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(image.data()), image.size());
  auto first = wave.ReadIntoBuffer(*m_device, bytes);
  if (!first) {
    ReportNotLoaded(name, path, wave.Error());
    return false;
  }
  record->buffers.push_back(std::move(first));
  while (static_cast<int32_t>(record->buffers.size()) < count) {
    auto copy = record->buffers.front()->Duplicate();
    if (!copy) {
      ReportNotLoaded(name, path, "the sound device refused a duplicate buffer");
      return false;
    }
    record->buffers.push_back(std::move(copy));
  }
  m_records.push_back(std::move(record));
  return true;
}

SoundRecord* SoundManager::Find(const EngineString& name) {
  for (const auto& record : m_records) {
    if (record->name == name) return record.get();
  }
  return nullptr;
}

void SoundManager::Play(const EngineString& name) {
  SoundRecord* record = Find(name);
  if (record == nullptr) return;
  plat::SoundBuffer* buffer = record->FreeBuffer();
  if (buffer != nullptr) buffer->Play(record->looping != 0);
}

void SoundManager::Stop(const EngineString& name) {
  if (SoundRecord* record = Find(name)) record->Stop();
}

int32_t SoundManager::VolumeFromLevel(int32_t level) {
  // Levels outside the scale are clamped, so a negative level mutes.
  return 10 * std::clamp(level, kLevelSilent, kLevelFull) - 10000;
}

void SoundManager::SetVolume(int32_t level, const EngineString& name) {
  if (SoundRecord* record = Find(name)) record->SetVolume(VolumeFromLevel(level));
}

void SoundManager::SetVolumeAll(int32_t level) {
  const int32_t volume = VolumeFromLevel(level);
  for (const auto& record : m_records) record->SetVolume(volume);
}

void SoundManager::DeleteAllSounds() { m_records.clear(); }

void SoundManager::Shutdown() {
  DeleteAllSounds();
  m_device.reset();
}
