#include "screens/REraduzizOptionsScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/media/ZOdevuvMusic.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "platform/audio/AudioTypes.h"
#include "platform/os/DebugOutput.h"
#include "screens/ScreenBinding.h"

namespace {

constexpr const char* kScreen = "REraduzizOptionsScreen";

// Controls of window 10029.
constexpr int32_t kMusicKnob = 10036;
constexpr int32_t kMusicTrack = 10035;
constexpr int32_t kMusicCheckBox = 10039;
constexpr int32_t kMusicRight = 10034;
constexpr int32_t kMusicLeft = 10033;
constexpr int32_t kEffectKnob = 10044;
constexpr int32_t kEffectTrack = 10043;
constexpr int32_t kEffectCheckBox = 10047;
constexpr int32_t kEffectRight = 10042;
constexpr int32_t kEffectLeft = 10041;
constexpr int32_t kBrightnessKnob = 10052;
constexpr int32_t kBrightnessTrack = 10051;
constexpr int32_t kBrightnessRight = 10050;
constexpr int32_t kBrightnessLeft = 10049;
constexpr int32_t kVideoMarker = 10059;
constexpr int32_t kVideoSteps = 10058;
constexpr int32_t kVideoDown = 10056;
constexpr int32_t kVideoUp = 10057;
constexpr int32_t kBackButton = 10030;
constexpr int32_t kBackCaption = 100136;
constexpr uint32_t kCaptionStyle = 5;

// Knob geometry: the knob moves from track x - 3 to track x + 147.
constexpr int32_t kKnobLeftOfTrack = 3;
constexpr int32_t kKnobTravel = 150;
constexpr int32_t kKnobStep = 10;
constexpr int32_t kMusicKnobLargestY = 768;
constexpr int32_t kKnobLargestY = 0;
// The video level marker moves this far per level.
constexpr int32_t kVideoStepWidth = 74;

// Music volume: -5000 + 50 per step, in hundredths of a decibel.
constexpr int32_t kMusicVolumeBase = -5000;
constexpr int32_t kMusicVolumePerStep = 50;
// Effect level: 200 + 4 per step, of 0..1000.
constexpr int32_t kEffectLevelBase = 200;
constexpr int32_t kEffectLevelPerStep = 4;
constexpr int32_t kSilent = 0;
// Gamma: 2.25 - factor, held to 0.45 .. 2.5.
constexpr float kGammaOffset = 2.0f;
constexpr float kGammaLift = 0.25f;
constexpr float kGammaMin = 0.45f;
constexpr float kGammaMax = 2.5f;
constexpr double kRampTop = 65535.0;
constexpr float kBrightnessPerFactor = 100.0f;

constexpr const char* kAtmosphere = "ATMOSPHERE";
constexpr const char* kRain = "RAIN";
constexpr const char* kButtonClick = "BUTTON_CLICK";

// The render features of each video level: shadow, reflection, refraction,
// particles, fog, animals, far cut.
constexpr uint8_t kVideoLevelFeatures[REraduzizOptionsScreen::kVideoLevelCount][7] = {
    {0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 1, 1, 0}};

const char* Flag(bool on) { return on ? "1" : "0"; }

EngineString Number(int32_t value) { return screens::FormatValue("%d", value); }

bool IsChecked(CGuiElement* box) {
  auto* check = dynamic_cast<CGuiCheckBox*>(box);
  return check && check->IsChecked();
}

void SetChecked(CGuiElement* box, bool on) {
  if (auto* check = dynamic_cast<CGuiCheckBox*>(box)) check->SetChecked(on);
}

void RunMusicGraph(bool run) {
  if (!g_music || !g_music->GetGraph()) return;
  if (run) {
    g_music->GetGraph()->Run();
  } else {
    g_music->GetGraph()->Stop();
  }
}

bool KeyOn(const CIniFile& file, const IniKey& key) { return file.ReadInt(key) == 1; }

}  // namespace

REraduzizOptionsScreen::REraduzizOptionsScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  LoadIni();
  musicCheckBox = screens::BindChild<CGuiElement>(window, kMusicCheckBox, kScreen, "check box");
  musicKnob = BindKnob(kMusicKnob, kMusicTrack, kMusicKnobLargestY);
  effectCheckBox = screens::BindChild<CGuiElement>(window, kEffectCheckBox, kScreen, "check box");
  effectKnob = BindKnob(kEffectKnob, kEffectTrack, kKnobLargestY);
  videoLevelMarker = screens::BindChild<CGuiElement>(window, kVideoMarker, kScreen, "element");
  screens::SetButtonCaption(m_host.Gui(), screens::BindChild<CGuiButton>(window, kBackButton, kScreen, "button"),
                            kBackCaption, kCaptionStyle);
  brightnessKnob = BindKnob(kBrightnessKnob, kBrightnessTrack, kKnobLargestY);
  ApplyVolumes();
}

void REraduzizOptionsScreen::SetSettingsPath() { settingsFile = CIniFile::Settings(m_host.GetBaseDirectory()); }

bool REraduzizOptionsScreen::TrackX(int32_t trackId, int32_t* x) const {
  CGuiElement* track = window ? window->FindChild(trackId) : nullptr;
  if (!track || !track->record) return false;
  *x = track->record->x;
  return true;
}

CGuiButton* REraduzizOptionsScreen::BindKnob(int32_t knobId, int32_t trackId, int32_t largestY) {
  CGuiButton* knob = screens::BindChild<CGuiButton>(window, knobId, kScreen, "button");
  if (!knob) return nullptr;
  knob->dragVertical = 0;
  knob->dragHorizontal = 1;
  int32_t trackX = 0;
  if (TrackX(trackId, &trackX)) {
    knob->SetDragMax(trackX + kKnobTravel - kKnobLeftOfTrack, largestY);
    knob->SetDragMin(trackX - kKnobLeftOfTrack, 0);
  }
  return knob;
}

int32_t REraduzizOptionsScreen::ValueFromKnob(int32_t knobX, int32_t trackX, int32_t rangeMin) {
  return knobX - trackX + kKnobLeftOfTrack + rangeMin;
}

int32_t REraduzizOptionsScreen::KnobFromValue(int32_t value, int32_t trackX, int32_t rangeMin) {
  return trackX + value - rangeMin - kKnobLeftOfTrack;
}

int32_t REraduzizOptionsScreen::MusicVolumeFor(int32_t musicValue) {
  // Above 100 the volume would pass full loudness, which the music refuses.
  const int32_t value = std::clamp(musicValue, kMusicMin, kMusicMax);
  return std::clamp(kMusicVolumeBase + kMusicVolumePerStep * value, plat::kVolumeSilent, plat::kVolumeFull);
}

int32_t REraduzizOptionsScreen::EffectLevelFor(int32_t effectValue) {
  return kEffectLevelBase + kEffectLevelPerStep * effectValue;
}

float REraduzizOptionsScreen::GammaFor(float factor) {
  return std::clamp(kGammaOffset - factor + kGammaLift, kGammaMin, kGammaMax);
}

GammaChannel REraduzizOptionsScreen::GammaRamp(float gamma) {
  GammaChannel ramp{};
  for (size_t i = 0; i < ramp.size(); ++i) {
    const double v = std::pow(double(i) / double(ramp.size()), double(gamma)) * kRampTop + 0.5;
    ramp[i] = uint16_t(std::clamp(v, 0.0, kRampTop));
  }
  return ramp;
}

void REraduzizOptionsScreen::LoadIni() {
  SetSettingsPath();
  const CIniFile& file = settingsFile;
  const bool musicOn = file.ReadString(CIniFile::kEnableMusic) != "0";
  const bool effectsOn = file.ReadString(CIniFile::kEnableEffect) != "0";
  musicValue = std::clamp(file.ReadInt(CIniFile::kMusicVolume), kMusicMin, kMusicMax);
  effectValue = std::clamp(file.ReadInt(CIniFile::kEffectVolume), kEffectMin, kEffectMax);
  musicEnabled = musicOn ? 1 : 0;
  if (g_music) g_music->SetSwitchedOff(!musicOn);
  if (!musicOn) RunMusicGraph(false);
  effectsEnabled = effectsOn ? 1 : 0;
  if (!effectsOn) {
    if (g_sound) g_sound->SetVolumeAll(kSilent);
  } else {
    PlayAmbientSounds(true);
  }
  brightnessValue = std::clamp(file.ReadInt(CIniFile::kBrightness), kBrightnessMin, kBrightnessMax);
  SetGamma(float(brightnessValue) / kBrightnessPerFactor);
  resolution = file.ReadInt(CIniFile::kResolution);
  RenderSettings* render = m_host.GetRenderSettings();
  if (!render) return;
  render->videoLevel = file.ReadInt(CIniFile::kVideoLevel);
  render->fog = KeyOn(file, CIniFile::kEnableFog);
  render->particles = KeyOn(file, CIniFile::kEnableParticles);
  render->reflection = KeyOn(file, CIniFile::kEnableReflection);
  render->refraction = KeyOn(file, CIniFile::kEnableRefraction);
  render->shadow = KeyOn(file, CIniFile::kEnableShadow);
  render->animals = KeyOn(file, CIniFile::kEnableAnimals);
  render->farCut = KeyOn(file, CIniFile::kEnableFarCut);
  render->highResolution = file.ReadInt(CIniFile::kEnableHiRes) != 0;
}

void REraduzizOptionsScreen::SaveIni() {
  SetSettingsPath();
  auto write = [this](const IniKey& key, const EngineString& value) {
    settingsFile.WriteString(key.section, key.key, value);
  };
  write(CIniFile::kEnableMusic, Flag(musicEnabled));
  write(CIniFile::kEnableEffect, Flag(effectsEnabled));
  write(CIniFile::kMusicVolume, Number(musicValue));
  write(CIniFile::kEffectVolume, Number(effectValue));
  RenderSettingValues values;
  if (const RenderSettings* render = m_host.GetRenderSettings()) {
    values = {render->videoLevel, render->shadow,  render->reflection, render->refraction,    render->particles,
              render->fog,        render->animals, render->farCut,     render->highResolution};
  }
  write(CIniFile::kVideoLevel, Number(values.videoLevel));
  write(CIniFile::kBrightness, Number(brightnessValue));
  write(CIniFile::kResolution, Number(resolution));
  write(CIniFile::kEnableHiRes, Flag(values.highResolution));
  write(CIniFile::kEnableShadow, Flag(values.shadow));
  write(CIniFile::kEnableReflection, Flag(values.reflection));
  write(CIniFile::kEnableRefraction, Flag(values.refraction));
  write(CIniFile::kEnableParticles, Flag(values.particles));
  write(CIniFile::kEnableFog, Flag(values.fog));
  write(CIniFile::kEnableAnimals, Flag(values.animals));
  write(CIniFile::kEnableFarCut, Flag(values.farCut));
}

void REraduzizOptionsScreen::PlaceKnob(CGuiButton* knob, int32_t trackId, int32_t value, int32_t rangeMin) {
  int32_t trackX = 0;
  if (!knob || !knob->record || !TrackX(trackId, &trackX)) return;
  knob->record->x = KnobFromValue(value, trackX, rangeMin);
  knob->UpdateRect();
}

void REraduzizOptionsScreen::ApplyVolumes() {
  // The knobs show the settings also where no music or sound plays.
  PlaceKnob(musicKnob, kMusicTrack, musicValue, kMusicMin);
  PlaceKnob(effectKnob, kEffectTrack, effectValue, kEffectMin);
  PlaceKnob(brightnessKnob, kBrightnessTrack, brightnessValue, kBrightnessMin);
  if (g_music) {
    g_music->SetVolume(MusicVolumeFor(musicValue));
    g_music->SetSwitchedOff(!musicEnabled);
    RunMusicGraph(musicEnabled != 0);
  }
  if (g_sound) {
    if (effectsEnabled) {
      g_sound->SetVolume(EffectLevelFor(effectValue), kAtmosphere);
      g_sound->SetVolume(EffectLevelFor(effectValue), kRain);
    } else {
      g_sound->SetVolumeAll(kSilent);
    }
  }
  SetChecked(musicCheckBox, musicEnabled != 0);
  SetChecked(effectCheckBox, effectsEnabled != 0);
  Refresh();
}

void REraduzizOptionsScreen::Refresh() {
  RenderSettings* render = m_host.GetRenderSettings();
  const int32_t level = render ? render->videoLevel : 0;
  CGuiElement* steps = window ? window->FindChild(kVideoSteps) : nullptr;
  if (videoLevelMarker && videoLevelMarker->record && steps && steps->record) {
    videoLevelMarker->record->x = steps->record->x + kVideoStepWidth * level;
    videoLevelMarker->UpdateRect();
  }
  if (!render || level < 0 || level >= kVideoLevelCount) return;
  const uint8_t* features = kVideoLevelFeatures[level];
  uint8_t* targets[] = {&render->shadow,    &render->reflection, &render->refraction, &render->particles,
                        &render->fog,       &render->animals,    &render->farCut};
  for (size_t n = 0; n < std::size(targets); ++n) *targets[n] = features[n];
}

void REraduzizOptionsScreen::SetGamma(float factor) {
  const float unclamped = kGammaOffset - factor + kGammaLift;
  const float gamma = GammaFor(factor);
  char line[64];
  std::snprintf(line, sizeof line, "GAMMA: %.4f = ", double(unclamped));
  plat::OutputDebugString(line);
  std::snprintf(line, sizeof line, " %.4f\n", double(gamma));
  plat::OutputDebugString(line);
  if (!m_host.SetGammaRamp(GammaRamp(gamma))) plat::OutputDebugString("NoCaps");
}

void REraduzizOptionsScreen::PlayAmbientSounds(bool on) {
  if (!g_sound) return;
  if (!on) {
    g_sound->SetVolumeAll(kSilent);
    return;
  }
  const int32_t level = EffectLevelFor(effectValue);
  if (m_host.IsParkInView()) {
    for (const char* name : {kAtmosphere, kRain, kButtonClick}) g_sound->SetVolume(level, name);
    return;
  }
  g_sound->SetVolumeAll(kSilent);
  g_sound->SetVolume(level, kButtonClick);
}

void REraduzizOptionsScreen::SetMusicEnabled(bool enable, bool resume) {
  if (!g_music) return;
  g_music->SetSwitchedOff(!enable);
  if (enable && resume) RunMusicGraph(true);
  if (!enable && !resume) RunMusicGraph(false);
}

void REraduzizOptionsScreen::ToggleMusic() {
  const bool on = !IsChecked(musicCheckBox);
  musicEnabled = on ? 1 : 0;
  if (g_music) g_music->SetSwitchedOff(!on);
  RunMusicGraph(on);
  SetChecked(musicCheckBox, on);
}

void REraduzizOptionsScreen::ToggleEffects() {
  const bool on = !IsChecked(effectCheckBox);
  effectsEnabled = on ? 1 : 0;
  if (on) {
    PlayAmbientSounds(true);
  } else if (g_sound) {
    g_sound->SetVolumeAll(kSilent);
  }
  SetChecked(effectCheckBox, on);
}

int32_t REraduzizOptionsScreen::StepKnob(CGuiButton* knob, int32_t trackId, int32_t step, int32_t value,
                                         int32_t rangeMin) {
  int32_t trackX = 0;
  if (!knob || !knob->record || !TrackX(trackId, &trackX)) return value;
  const int32_t lowest = trackX - kKnobLeftOfTrack;
  knob->record->x = std::clamp(knob->record->x + step, lowest, lowest + kKnobTravel);
  knob->UpdateRect();
  return ValueFromKnob(knob->record->x, trackX, rangeMin);
}

int32_t REraduzizOptionsScreen::DraggedValue(int32_t trackId, int32_t newX, int32_t value, int32_t rangeMin) const {
  int32_t trackX = 0;
  if (!TrackX(trackId, &trackX)) return value;
  return ValueFromKnob(newX, trackX, rangeMin);
}

void REraduzizOptionsScreen::ApplyMusicVolume() {
  musicValue = std::clamp(musicValue, kMusicMin, kMusicMax);
  if (g_music) g_music->SetVolume(MusicVolumeFor(musicValue));
}

void REraduzizOptionsScreen::ApplyEffectValue(int32_t value) {
  effectValue = std::clamp(value, kEffectMin, kEffectMax);
  const bool on = IsChecked(effectCheckBox);
  PlayAmbientSounds(on);
  SetChecked(effectCheckBox, on);
  if (g_sound) g_sound->Play(kButtonClick);
}

void REraduzizOptionsScreen::ApplyBrightness(int32_t value) {
  brightnessValue = std::clamp(value, kBrightnessMin, kBrightnessMax);
  SetGamma(float(brightnessValue) / kBrightnessPerFactor);
}

void REraduzizOptionsScreen::StepVideoLevel(int32_t step) {
  RenderSettings* render = m_host.GetRenderSettings();
  if (!render) return;
  const int32_t level = render->videoLevel + step;
  if (level < 0 || level >= kVideoLevelCount) return;
  render->videoLevel = level;
  Refresh();
}

void REraduzizOptionsScreen::OnCommand(GuiCommand& command) {
  const bool click = command.code == kCmdClick;
  const bool drag = command.code == kCmdDragX;
  const int32_t sender = command.sender;
  if (click && sender == kMusicCheckBox) {
    ToggleMusic();
  } else if (click && sender == kEffectCheckBox) {
    ToggleEffects();
  } else if (click && (sender == kMusicRight || sender == kMusicLeft)) {
    musicValue = StepKnob(musicKnob, kMusicTrack, sender == kMusicRight ? kKnobStep : -kKnobStep, musicValue, kMusicMin);
    ApplyMusicVolume();
  } else if (drag && sender == kMusicKnob) {
    musicValue = DraggedValue(kMusicTrack, command.parameter, musicValue, kMusicMin);
    ApplyMusicVolume();
  } else if (click && (sender == kEffectRight || sender == kEffectLeft)) {
    ApplyEffectValue(
        StepKnob(effectKnob, kEffectTrack, sender == kEffectRight ? kKnobStep : -kKnobStep, effectValue, kEffectMin));
  } else if (drag && sender == kEffectKnob) {
    ApplyEffectValue(DraggedValue(kEffectTrack, command.parameter, effectValue, kEffectMin));
  } else if (click && (sender == kBrightnessRight || sender == kBrightnessLeft)) {
    ApplyBrightness(StepKnob(brightnessKnob, kBrightnessTrack, sender == kBrightnessRight ? kKnobStep : -kKnobStep,
                             brightnessValue, kBrightnessMin));
  } else if (drag && sender == kBrightnessKnob) {
    ApplyBrightness(DraggedValue(kBrightnessTrack, command.parameter, brightnessValue, kBrightnessMin));
  } else if (click && (sender == kVideoDown || sender == kVideoUp)) {
    StepVideoLevel(sender == kVideoUp ? 1 : -1);
  } else {
    return;
  }
  command.sender = -1;
}
