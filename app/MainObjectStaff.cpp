// The hired staff in the park: the staff window's characters come and go
// through the character manager, and a member sent home leaves its event
// job and its repair open for another.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"

bool VAvazadOvurUrovi::CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) {
  CPorvikAiClass* manager = GetAiManager();
  if (!manager || !manager->CreateVisitor(id, kind, position)) return false;
  manager->AddLiveId(id);
  return true;
}

void VAvazadOvurUrovi::DismissStaffMember(int32_t id) {
  CPorvikAiClass* manager = GetAiManager();
  REraduzizVisitor* member = manager ? manager->FindCharacterById(id) : nullptr;
  if (!member) return;
  member->ReleaseRepair();
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
