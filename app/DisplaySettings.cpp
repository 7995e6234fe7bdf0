#include "app/DisplaySettings.h"

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"

namespace {

struct ScreenSize {
  int32_t width, height;
};

// "Resolution" 0 and 2; every other value is the middle size.
constexpr int32_t kResolutionSmall = 0;
constexpr int32_t kResolutionLarge = 2;
constexpr ScreenSize kSmallScreen{800, 600};
constexpr ScreenSize kMiddleScreen{1024, 768};
constexpr ScreenSize kLargeScreen{1280, 1024};

ScreenSize ScreenSizeFor(int32_t resolution) {
  if (resolution == kResolutionSmall) return kSmallScreen;
  if (resolution == kResolutionLarge) return kLargeScreen;
  return kMiddleScreen;
}

uint8_t FeatureOn(const CIniFile& settings, const IniKey& key) { return settings.ReadInt(key) == 1 ? 1 : 0; }

}  // namespace

DisplaySettings ReadDisplaySettings(const CIniFile& settings) {
  DisplaySettings out;
  const ScreenSize size = ScreenSizeFor(settings.ReadInt(CIniFile::kResolution));
  out.width = size.width;
  out.height = size.height;
  out.highResolution = settings.ReadInt(CIniFile::kEnableHiRes) != 0 ? 1 : 0;
  out.shadow = FeatureOn(settings, CIniFile::kEnableShadow);
  out.reflection = FeatureOn(settings, CIniFile::kEnableReflection);
  out.refraction = FeatureOn(settings, CIniFile::kEnableRefraction);
  out.particles = FeatureOn(settings, CIniFile::kEnableParticles);
  out.fog = FeatureOn(settings, CIniFile::kEnableFog);
  out.animals = FeatureOn(settings, CIniFile::kEnableAnimals);
  return out;
}

void ApplyDisplaySettings(const DisplaySettings& settings, VAvazadOvurUrovi& game) {
  game.shadowEnabled = settings.shadow;
  game.reflectionEnabled = settings.reflection;
  game.refractionEnabled = settings.refraction;
  game.particlesEnabled = settings.particles;
  game.fogEnabled = settings.fog;
  game.animalsEnabled = settings.animals;
  game.highResolution = settings.highResolution;
}
