#pragma once
// Hands a loaded park event to the object type its scope names.
#include "engine/core/EngineString.h"

class CObjectTypeCatalog;
class ParkEvent;
class SoundManager;

// The event joins the event list of the first type named `scope` and, when
// it has a sound and there is a sound service, its looping sound is loaded
// (from the base directory + `soundEffect`) and stopped, ready to play. False (nothing kept) when no type has that
// name.
bool AttachEventToType(const CObjectTypeCatalog& types, const EngineString& scope, ParkEvent& event,
                       SoundManager* sound, const EngineString& baseDirectory);
