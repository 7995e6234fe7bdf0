#pragma once
// The options screen: music on or off and its volume, sound effects on or
// off and their volume, brightness, and a video level of three steps that
// switches the render features. It reads the settings file when it is made,
// applies the settings at once, changes them live while the player moves
// its controls, and writes them back when the game asks it to (SaveIni).
//
// Every value read from the file is held to its knob's range (music 0..150,
// effects and brightness 50..200), and the screen size the player chose
// ("Resolution") is written back as it was read.
#include <cstdint>

#include "app/CIniFile.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "screens/ScreenHost.h"

class CGuiButton;

class REraduzizOptionsScreen {
 public:
  // The knobs' ranges and the value each maps from its knob's offset.
  static constexpr int32_t kMusicMin = 0;
  static constexpr int32_t kMusicMax = 150;
  static constexpr int32_t kEffectMin = 50;
  static constexpr int32_t kEffectMax = 200;
  static constexpr int32_t kBrightnessMin = 50;
  static constexpr int32_t kBrightnessMax = 200;
  static constexpr int32_t kVideoLevelCount = 3;

  // The window may be null (the GUI description lacks it): the settings are
  // still read and applied.
  REraduzizOptionsScreen(ScreenHost& host, CGuiElement* window);

  // Reads the settings file below the host's base directory and applies
  // what it says.
  void LoadIni();
  // Writes every setting to the settings file.
  void SaveIni();
  // Knobs and check boxes where the values say; music, effects and the
  // video level applied.
  void ApplyVolumes();
  // The video level marker over its step, and the level's render features.
  void Refresh();
  // The display's gamma for a brightness factor (brightness / 100); writes
  // "NoCaps" where the display cannot set a ramp.
  void SetGamma(float factor);
  // Off: every sound silent. On: the ambient sounds and the click at the
  // effect level while the park is in view, else the click alone.
  void PlayAmbientSounds(bool on);
  // Mutes or unmutes the music; resume runs the music graph (enable) or
  // keeps it running (disable).
  void SetMusicEnabled(bool enable, bool resume);
  void OnCommand(GuiCommand& command);

  // What the values do: the music volume (hundredths of a decibel, held to
  // what the music takes, of a value held to the knob's range), the effect
  // level (0..1000) and the gamma.
  static int32_t MusicVolumeFor(int32_t musicValue);
  static int32_t EffectLevelFor(int32_t effectValue);
  static float GammaFor(float factor);
  // One channel of the ramp for a gamma.
  static GammaChannel GammaRamp(float gamma);
  // A knob's value from its x and its track's x, and back; the knob moves
  // between track x - 3 and track x + 147.
  static int32_t ValueFromKnob(int32_t knobX, int32_t trackX, int32_t rangeMin);
  static int32_t KnobFromValue(int32_t value, int32_t trackX, int32_t rangeMin);

  CGuiElement* window = nullptr;
  CGuiButton* musicKnob = nullptr;
  CGuiElement* musicCheckBox = nullptr;
  CGuiButton* effectKnob = nullptr;
  CGuiElement* effectCheckBox = nullptr;
  CGuiButton* brightnessKnob = nullptr;
  CGuiElement* videoLevelMarker = nullptr;
  CIniFile settingsFile;
  int32_t effectValue = 800;
  int32_t musicValue = -5000;
  int32_t brightnessValue = 80;
  uint8_t musicEnabled = 0;
  uint8_t effectsEnabled = 0;
  // The screen size as the file holds it; SaveIni writes it back.
  int32_t resolution = 0;

 private:
  // The track's x under the window; false without it.
  bool TrackX(int32_t trackId, int32_t* x) const;
  // Binds a knob for horizontal dragging along its track.
  CGuiButton* BindKnob(int32_t knobId, int32_t trackId, int32_t largestY);
  // Moves the knob to the x of the value.
  void PlaceKnob(CGuiButton* knob, int32_t trackId, int32_t value, int32_t rangeMin);
  // The knob moved by the step (held to its track); its new value, or the
  // old one without knob or track.
  int32_t StepKnob(CGuiButton* knob, int32_t trackId, int32_t step, int32_t value, int32_t rangeMin);
  int32_t DraggedValue(int32_t trackId, int32_t newX, int32_t value, int32_t rangeMin) const;
  void ToggleMusic();
  void ToggleEffects();
  void ApplyMusicVolume();
  void ApplyEffectValue(int32_t value);
  void ApplyBrightness(int32_t value);
  void StepVideoLevel(int32_t step);
  // The settings file's path below the host's base directory.
  void SetSettingsPath();

  ScreenHost& m_host;
};
