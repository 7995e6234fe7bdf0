#include "park/objects/AttractionSounds.h"

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/objects/IAttractionHost.h"

namespace attractionsound {
namespace {

Observer& TheObserver() {
  static Observer observer;
  return observer;
}

void Tell(const char* operation, const EngineString& key) {
  if (TheObserver()) TheObserver()(operation, key);
}

}  // namespace

void Play(const EngineString& key, const plat::Vec3& at) {
  if (!g_sound) return;
  Tell("play", key);
  g_sound->Play(key);
  if (g_attractionHost) {
    g_attractionHost->PlaySoundAt(at, key, 0);
  } else {
    g_sound->SetVolume(SoundManager::kLevelSilent, key);
  }
}

void Stop(const EngineString& key) {
  if (!g_sound) return;
  Tell("stop", key);
  g_sound->Stop(key);
}

void Place(const EngineString& key, const plat::Vec3& at) {
  if (!g_attractionHost) return;
  Tell("place", key);
  g_attractionHost->PlaySoundAt(at, key, 0);
}

void SetObserver(Observer observer) { TheObserver() = std::move(observer); }

}  // namespace attractionsound
