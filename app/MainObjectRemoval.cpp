// Emptying the park of its placed objects: each goes as a removed one does,
// so that no cell, icon, park event, selection or record of the characters
// keeps a trace of it, and its sounds fall silent.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/objects/CAttraction.h"

namespace {

// The suffix of the second sound some rides play besides their own.
constexpr const char* kSecondSoundSuffix = "2";

}  // namespace

void VAvazadOvurUrovi::RemoveAllObjects() {
  const size_t count = placedObjects.Objects().size();
  for (CAttraction* object : placedObjects.Objects()) object->deletePending = 1;
  for (size_t n = 0; n < count; ++n) placedObjects.RemoveDeletedAttraction();
}

void VAvazadOvurUrovi::RemoveAllObjectsAndIcons() {
  foundVipKinds.clear();
  DeleteBillboards();
  if (g_sound) {
    for (const CAttraction* object : placedObjects.Objects()) g_sound->Stop(object->id + kSecondSoundSuffix);
  }
  RemoveAllObjects();
}
