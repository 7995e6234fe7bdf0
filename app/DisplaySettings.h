#pragma once
// The display settings the entry function reads before the device exists:
// the screen size and the render features of section "VISUAL".
#include <cstdint>

class CIniFile;
class VAvazadOvurUrovi;

struct DisplaySettings {
  int32_t width = 0;
  int32_t height = 0;
  // Each feature is on only for the value 1 exactly.
  uint8_t shadow = 0;
  uint8_t reflection = 0;
  uint8_t refraction = 0;
  uint8_t particles = 0;
  uint8_t fog = 0;
  uint8_t animals = 0;
  // On for any value but 0.
  uint8_t highResolution = 0;
};

// "Resolution" 0 (also when missing) is 800x600, 2 is 1280x1024, anything
// else 1024x768.
DisplaySettings ReadDisplaySettings(const CIniFile& settings);
// Into the main object's feature bytes and its high-resolution byte.
void ApplyDisplaySettings(const DisplaySettings& settings, VAvazadOvurUrovi& game);
