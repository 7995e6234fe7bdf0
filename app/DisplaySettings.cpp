#include "app/DisplaySettings.h"

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"

namespace {

constexpr int32_t kResolutionSmall = 0;
constexpr int32_t kResolutionLarge = 2;

uint8_t FeatureOn(const CIniFile& settings, const IniKey& key) { return settings.ReadInt(key) == 1 ? 1 : 0; }

}  // namespace

DisplaySettings ReadDisplaySettings(const CIniFile& settings) {
  DisplaySettings out;
  const int32_t resolution = settings.ReadInt(CIniFile::kResolution);
  out.highResolution = settings.ReadInt(CIniFile::kEnableHiRes) != 0 ? 1 : 0;
  out.shadow = FeatureOn(settings, CIniFile::kEnableShadow);
  out.reflection = FeatureOn(settings, CIniFile::kEnableReflection);
  out.refraction = FeatureOn(settings, CIniFile::kEnableRefraction);
  out.particles = FeatureOn(settings, CIniFile::kEnableParticles);
  out.fog = FeatureOn(settings, CIniFile::kEnableFog);
  out.animals = FeatureOn(settings, CIniFile::kEnableAnimals);
  if (resolution == kResolutionSmall) {
    out.width = 800;
    out.height = 600;
  } else if (resolution == kResolutionLarge) {
    out.width = 1280;
    out.height = 1024;
  } else {
    out.width = 1024;
    out.height = 768;
  }
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
