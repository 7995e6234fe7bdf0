#include "park/events/AttachEventToType.h"

#include "engine/media/SoundManager.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CObjectTypeCatalog.h"

bool AttachEventToType(const CObjectTypeCatalog& types, const EngineString& scope, ParkEvent& event,
                       SoundManager* sound, const EngineString& baseDirectory) {
  ObjectTypeDescriptor* type = types.Find(scope);
  if (type == nullptr) return false;
  type->events.push_back(&event);
  if (sound != nullptr && event.soundEffect.Length() > 0) {
    EngineString path = baseDirectory;
    path += event.soundEffect;
    sound->LoadLoopingSound(path, event.soundEffectName);
    sound->Stop(event.soundEffectName);
  }
  return true;
}
