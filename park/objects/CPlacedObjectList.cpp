#include "park/objects/CPlacedObjectList.h"

#include <algorithm>

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"

namespace {

// The cash machines do not add to the park's visitor capacity.
constexpr const char* kCashMachineIds[] = {"cashFotel", "kincseslada"};

bool ServesVisitors(int32_t state) {
  return state == kObjectKindAttraction || state == kObjectKindAttractionB || state == kObjectKindDustBin ||
         state == kObjectKindShop;
}

bool CountsForCapacity(const CAttraction& object) {
  if (object.state != kObjectKindAttraction && object.state != kObjectKindAttractionB) return false;
  return std::none_of(std::begin(kCashMachineIds), std::end(kCashMachineIds),
                      [&](const char* cash) { return object.id == cash; });
}

void StopSounds(const CAttraction& object) {
  if (!g_sound) return;
  g_sound->Stop(object.id);
  g_sound->Stop(object.id + "_NOISE");
}

}  // namespace

CPlacedObjectList::~CPlacedObjectList() {
  for (CAttraction* object : m_objects) delete object;
}

CAttraction* CPlacedObjectList::Place(std::unique_ptr<CAttraction> object) {
  object->objectNumber = ++m_lastNumber;
  m_objects.push_back(object.release());
  return m_objects.back();
}

CAttraction* CPlacedObjectList::Restore(std::unique_ptr<CAttraction> object) {
  m_lastNumber = std::max(m_lastNumber, object->objectNumber);
  m_objects.push_back(object.release());
  return m_objects.back();
}

void CPlacedObjectList::RemoveDeletedAttraction() {
  const auto found = std::find_if(m_objects.begin(), m_objects.end(),
                                  [](const CAttraction* object) { return object->deletePending == 1; });
  if (found == m_objects.end()) return;
  std::unique_ptr<CAttraction> object(*found);
  IAttractionHost* host = g_attractionHost;
  if (host) {
    host->OnObjectRemoved(*object);
    host->MarkSelectedObjectCells(*object);
  }
  m_objects.erase(found);
  StopSounds(*object);
  if (host) {
    host->RemoveObjectIcons(*object);
    if (object->state == kObjectKindPlant) host->RemovePlantFromGreenery();
    if (CountsForCapacity(*object)) host->RemoveVisitorCapacity(object->visitorCapacity);
    host->RemovePlacement(object->id, object->objectNumber);
  }
  object.reset();
  CollectObjectsByState();
}

void CPlacedObjectList::CollectObjectsByState() {
  m_byState.clear();
  for (CAttraction* object : m_objects) {
    if (ServesVisitors(object->state)) m_byState.push_back(object);
  }
}

void CPlacedObjectList::RemoveAllObjects() {
  for (CAttraction* object : m_objects) {
    StopSounds(*object);
    delete object;
  }
  m_objects.clear();
  m_byState.clear();
}
