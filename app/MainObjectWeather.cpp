// The park's weather: a shower every quarter of an hour of play, announced
// by fog that darkens over a number of frames and ended by fog that clears,
// with the rain's particles and its looping sound.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "screens/REraduzizOptionsScreen.h"

namespace {

// The wait before a shower, and its length counted from the arming.
constexpr uint32_t kDryWaitMs = 900000;
constexpr uint32_t kShowerMs = 60000;
// The darkening ramp: frames, and the fog's change per frame down to its
// darkest.
constexpr int32_t kDarkeningFrames = 500;
constexpr float kDarkeningAlphaStep = 0.5f;
constexpr float kDarkeningGreyStep = 0.5f;
constexpr float kDarkestAlpha = 255.0f;
constexpr float kDarkestGrey = 50.0f;
// The clearing ramp: frames, and the fog's change per frame up to its
// clearest.
constexpr int32_t kClearingFrames = 100;
constexpr float kClearingAlphaStep = 0.5f;
constexpr float kClearingGreyStep = 1.5f;
constexpr float kClearestAlpha = 70.0f;
constexpr float kClearestGrey = 240.0f;
// The ambient sound level of the options screen's effect value.
constexpr int32_t kAmbientLevelBase = 200;
constexpr double kEffectValueFactor = -100.0;
constexpr double kEffectValueDivisor = 25.0;

constexpr const char* kRainSound = "RAIN";
constexpr const char* kAmbientSounds[] = {"ATMOSPHERE", "RAIN", "BUTTON_CLICK"};

}  // namespace

void VAvazadOvurUrovi::UpdateWeatherClock() {
  const uint32_t now = plat::TickCount();
  // Unsigned differences: the tick count may wrap during a long game.
  if (!weatherArmed && now - weatherTicks > kDryWaitMs) {
    weatherTicks = now;
    weatherArmed = 1;
  }
  if (!weatherArmed) return;
  if (!raining) {
    rainStartPending = 1;
  } else if (!rainStopPending && now - weatherTicks > kShowerMs) {
    weatherTicks = now;
    rainStopPending = 1;
  }
}

void VAvazadOvurUrovi::UpdateRainRamps() {
  if (rainStartPending) {
    ++rampFrames;
    ambienceLevel = std::min(ambienceLevel + kDarkeningAlphaStep, kDarkestAlpha);
    for (float& grey : ambienceColour) grey = std::max(grey - kDarkeningGreyStep, kDarkestGrey);
    if (rampFrames >= kDarkeningFrames) {
      rampFrames = 0;
      if (!raining) ToggleRain();
      rainStartPending = 0;
    }
  }
  if (raining && rainStopPending) {
    ++rampFrames;
    ambienceLevel = std::max(ambienceLevel - kClearingAlphaStep, kClearestAlpha);
    for (float& grey : ambienceColour) grey = std::min(grey + kClearingGreyStep, kClearestGrey);
    if (rampFrames >= kClearingFrames) {
      rampFrames = 0;
      ToggleRain();
      rainStopPending = 0;
      weatherArmed = 0;
      rainStartPending = 0;
    }
  }
}

void VAvazadOvurUrovi::ToggleRain() {
  Rain* rain = particleEffects ? particleEffects->rain : nullptr;
  if (raining) {
    if (rain) rain->active = false;
    raining = 0;
    if (g_sound) g_sound->Stop(kRainSound);
    return;
  }
  raining = 1;
  if (rain) {
    rain->active = true;
    rain->Reset();
  }
  if (!g_sound) return;
  g_sound->Play(kRainSound);
  if (!optionsScreen) return;
  if (optionsScreen->effectsEnabled && playMode && !simulationHalted && !optionsPaused) {
    const int32_t level = AmbientLevelFor(optionsScreen->effectValue);
    for (const char* name : kAmbientSounds) g_sound->SetVolume(level, name);
  } else {
    g_sound->SetVolumeAll(SoundManager::kLevelSilent);
  }
}

int32_t VAvazadOvurUrovi::AmbientLevelFor(int32_t effectValue) {
  return kAmbientLevelBase - int32_t(double(effectValue) * kEffectValueFactor / kEffectValueDivisor);
}

void VAvazadOvurUrovi::RestartWeatherWait() {
  weatherArmed = 0;
  weatherTicks = plat::TickCount();
}
