// What the placed objects' rides read of the game: the park clock and the
// sound-effects switch.
#include "app/VAvazadOvurUrovi.h"

ParkClockReading VAvazadOvurUrovi::GetParkClock() const { return {gameHour, gameMinute, gameSpeed}; }

// The options' effects switch is not kept yet; the effects' levels stay silent
// meanwhile (see SetSoundVolumeAt).
bool VAvazadOvurUrovi::AreSoundEffectsOn() const { return true; }
