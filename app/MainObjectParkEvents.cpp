// The main object's park events: the event manager made at world loading,
// the events handed to the object types, and the runs stepped every frame.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "park/REraduzizEventClass.h"
#include "park/events/AttachEventToType.h"
#include "park/events/ParkEvent.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr const char* kEventsFile = "\\Scenes\\events\\Events_NL.xml";

}  // namespace

void VAvazadOvurUrovi::InitParkEvents() {
  plat::OutputDebugString("Init REraduzizEventClass\n");
  delete parkEvents;
  parkEvents = new REraduzizEventClass();
  parkEvents->LoadXml(baseDirectory + EngineString(kEventsFile),
                      [this](const EngineString& scope, ParkEvent& event) { return AttachEventToType(scope, &event); });
}

bool VAvazadOvurUrovi::AttachEventToType(EngineString scope, ParkEvent* event) {
  return event != nullptr && ::AttachEventToType(objectTypes, scope, *event, g_sound, baseDirectory);
}

void VAvazadOvurUrovi::UpdateParkEvents() {
  if (REraduzizEventClass* events = parkEventHost->GetParkEvents()) events->UpdateRuns(plat::TickCount());
}
