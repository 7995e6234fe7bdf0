// The placed objects each frame, and what their rides read of the game: the
// sound-effects switch and their sounds.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kRideSoundFolder = "\\Music\\Effects\\rides\\";
constexpr const char* kRideSoundExtension = ".wav";

// The keys of a ride's sounds; the hum and the noises loop while they play.
struct RideSoundKey {
  const char* suffix;
  bool looping;
};
constexpr RideSoundKey kRideSoundKeys[] = {{"", true},
                                           {attractionsound::kNoise, true},
                                           {attractionsound::kNoise2, true},
                                           {attractionsound::kScream, false},
                                           {attractionsound::kStarting, false}};

}  // namespace

ParkClockReading VAvazadOvurUrovi::GetParkClock() const { return {gameHour, gameMinute, gameSpeed}; }

// The options screen keeps the effects switch; without it the effects play.
bool VAvazadOvurUrovi::AreSoundEffectsOn() const { return !optionsScreen || optionsScreen->effectsEnabled != 0; }

void VAvazadOvurUrovi::UpdatePlacedObjects(float seconds) {
  for (CAttraction* object : placedObjects.Objects()) object->Update(seconds);
  UpdateParkEvents();
}

void VAvazadOvurUrovi::LoadRideSounds() {
  if (!g_sound || !g_sound->GetDevice()) return;
  for (int32_t i = 0; i < objectTypes.Count(); ++i) {
    const ObjectTypeDescriptor* type = objectTypes.At(i);
    for (const RideSoundKey& key : kRideSoundKeys) {
      const EngineString name = type->name + key.suffix;
      const EngineString file = baseDirectory + kRideSoundFolder + name + kRideSoundExtension;
      if (g_sound->Find(name) || !plat::FileExists(file.Std())) continue;
      if (key.looping) {
        g_sound->LoadLoopingSound(file, name);
      } else {
        g_sound->LoadSound(file, name, false);
      }
    }
  }
}
