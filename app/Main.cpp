// The game's entry point. Until the shell stands it reads the settings that
// choose the window and the render features and reports them.
#include <cstdio>

#include "platform/os/Settings.h"

namespace {

constexpr const char* kSettingsFile = "\\guifiles\\Options.ini";

struct ScreenSize {
  int width, height;
};

// "Resolution" 0 (also when missing) is 800x600, 2 is 1280x1024, anything else 1024x768.
ScreenSize ScreenSizeFromSetting(int resolution) {
  if (resolution == 0) return {800, 600};
  if (resolution == 2) return {1280, 1024};
  return {1024, 768};
}

bool Flag(const char* key) {
  return plat::GetProfileInt("VISUAL", key, 0, kSettingsFile) == 1;
}

}  // namespace

int main() {
  const ScreenSize size = ScreenSizeFromSetting(plat::GetProfileInt("VISUAL", "Resolution", 0, kSettingsFile));
  std::printf("Halvenor porvik: %dx%d, shadow %d, reflection %d, refraction %d, particles %d, fog %d, animals %d, high resolution %d\n",
              size.width, size.height, Flag("EnableShadow"), Flag("EnableReflection"), Flag("EnableRefration"),
              Flag("EnableParticles"), Flag("EnableFog"), Flag("EnableAnimals"), Flag("EnableHiRes"));
  return 0;
}
