// The hired staff in the park: the staff window's characters come and go
// through the character manager, and a member sent home leaves its event
// job open for another.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"

// A member is not one of the live visitors: the pass moves it through the
// placement records, and the saved game keeps it with its record.
bool VAvazadOvurUrovi::CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) {
  CPorvikAiClass* manager = GetAiManager();
  return manager && manager->CreateVisitor(id, kind, position);
}

void VAvazadOvurUrovi::DismissStaffMember(int32_t id) {
  CPorvikAiClass* manager = GetAiManager();
  REraduzizVisitor* member = manager ? manager->FindCharacterById(id) : nullptr;
  if (!member) return;
  if (ParkEvent* event = member->GetJobEvent()) {
    // Nobody is on the way any more: the event waits for a solver again.
    event->assigned = 0;
    if (parkEvents) {
      std::vector<ParkEvent*>& open = parkEvents->openEvents;
      if (std::find(open.begin(), open.end(), event) == open.end()) open.push_back(event);
      parkEvents->FillEventLists();
    }
  }
  manager->RemoveCharacterById(id);
}
