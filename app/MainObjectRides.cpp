// The placed objects each frame, and what their rides read of the game: the
// sound-effects switch.
#include "app/VAvazadOvurUrovi.h"

#include "park/objects/CAttraction.h"

ParkClockReading VAvazadOvurUrovi::GetParkClock() const { return {gameHour, gameMinute, gameSpeed}; }

// The options' effects switch is not kept yet; the effects' levels stay silent
// meanwhile (see SetSoundVolumeAt).
bool VAvazadOvurUrovi::AreSoundEffectsOn() const { return true; }

void VAvazadOvurUrovi::UpdatePlacedObjects(float seconds) {
  for (CAttraction* object : placedObjects.Objects()) object->Update(seconds);
  UpdateParkEvents();
}
