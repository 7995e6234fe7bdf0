#include "app/CMainObjectCharacterWorld.h"

#include <algorithm>
#include <limits>

#include "app/VAvazadOvurUrovi.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizBuilUpgScreen.h"
#include "screens/REraduzizShopScreen.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"
#include "world/CPathFinder.h"

CMainObjectCharacterWorld::CMainObjectCharacterWorld(VAvazadOvurUrovi& game) : m_game(game) {
  Install(this);
}

CMainObjectCharacterWorld::~CMainObjectCharacterWorld() {
  if (Get() == this) Install(nullptr);
}

int32_t CMainObjectCharacterWorld::GetGameTime() const {
  constexpr int64_t kDaysPerMonth = 30, kHoursPerDay = 24, kMinutesPerHour = 60, kSecondsPerMinute = 60;
  // A date read from a saved game may be any number: the time stays within
  // the year.
  const int64_t days = (int64_t(m_game.gameDate.month) - 1) * kDaysPerMonth + m_game.gameDate.day - 1;
  const int64_t minutes = (days * kHoursPerDay + m_game.gameHour) * kMinutesPerHour + m_game.gameMinute;
  return WithinGameYear(minutes * kSecondsPerMinute + m_game.gameSecond);
}

ParkMoodTotals* CMainObjectCharacterWorld::GetMoodTotals() { return &m_game.moodTotals; }

bool CMainObjectCharacterWorld::WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const {
  return CHeightMapHandlerClass::WorldToCell(point.x, point.y, point.z, *i, *j);
}

plat::Vec3 CMainObjectCharacterWorld::GetCellPosition(int32_t i, int32_t j) const {
  plat::Vec3 centre;
  if (m_game.terrain) m_game.terrain->GetCellPosition(i, j, centre);
  return centre;
}

bool CMainObjectCharacterWorld::GetCell(int32_t i, int32_t j, CellView* out) const {
  CLandscapeCell cell;
  if (!m_game.terrain || !m_game.terrain->GetCell(i, j, cell)) return false;
  out->isPath = cell.IsPath();
  out->layer1 = cell.GetLayer(1);
  out->layer2 = cell.GetLayer(2);
  out->hasObject = cell.HasObject();
  out->lowestObject = m_game.terrain->GetLowestObjectInCell(i, j);
  return true;
}

int32_t CMainObjectCharacterWorld::FindPath(int32_t characterId, int32_t fromI, int32_t fromJ,
                                            int32_t toI, int32_t toJ) {
  if (!m_game.pathFinder) return CPathFinder::kNonexistent;
  return m_game.pathFinder->FindPath(CPathFinder::SlotForCharacterId(characterId), fromI, fromJ,
                                     toI, toJ);
}

bool CMainObjectCharacterWorld::ReadPath(int32_t characterId, int32_t i, int32_t j, int32_t reach) {
  // Without a path finder there is no path to follow: the walker heads for
  // its destination.
  if (!m_game.pathFinder) return true;
  return m_game.pathFinder->ReadPath(CPathFinder::SlotForCharacterId(characterId), i, j, reach);
}

void CMainObjectCharacterWorld::GetPathCursor(int32_t characterId, int32_t* i, int32_t* j) const {
  if (!m_game.pathFinder) return;
  const int32_t slot = CPathFinder::SlotForCharacterId(characterId);
  *i = m_game.pathFinder->GetXPath(slot);
  *j = m_game.pathFinder->GetYPath(slot);
}

bool CMainObjectCharacterWorld::IsObjectPlaced(const CAttraction* object) const {
  const auto& placed = m_game.placedObjects.Objects();
  return object && !object->deletePending &&
         std::find(placed.begin(), placed.end(), object) != placed.end();
}

bool CMainObjectCharacterWorld::IsObjectStopped(const CAttraction* object) const {
  return IsObjectPlaced(object) && object->rideStopped != 0;
}

bool CMainObjectCharacterWorld::GetObjectPosition(const CAttraction* object,
                                                  plat::Vec3* out) const {
  if (!IsObjectPlaced(object)) return false;
  *out = object->GetPositionStruct();
  return true;
}

bool CMainObjectCharacterWorld::GetObjectGate(const CAttraction* object, plat::Vec3* out) const {
  if (!IsObjectPlaced(object)) return false;
  *out = object->gatePosition;
  return true;
}

EngineString CMainObjectCharacterWorld::GetObjectAssetName(const CAttraction* object) const {
  return IsObjectPlaced(object) ? object->id : EngineString();
}

const std::vector<CMainObjectCharacterWorld::PointList>* CMainObjectCharacterWorld::Paths(
    const CAttraction* object, bool listB) const {
  if (!IsObjectPlaced(object)) return nullptr;
  return listB ? &object->outPaths : &object->inPaths;
}

const CMainObjectCharacterWorld::PointList* CMainObjectCharacterWorld::Path(
    const CAttraction* object, bool listB, int32_t path) const {
  const std::vector<PointList>* paths = Paths(object, listB);
  if (!paths || path < 0 || std::size_t(path) >= paths->size()) return nullptr;
  return &(*paths)[std::size_t(path)];
}

int32_t CMainObjectCharacterWorld::GetPathCount(const CAttraction* object, bool listB) const {
  const std::vector<PointList>* paths = Paths(object, listB);
  return paths ? int32_t(paths->size()) : 0;
}

int32_t CMainObjectCharacterWorld::GetPathPointCount(const CAttraction* object, bool listB,
                                                     int32_t path) const {
  const PointList* points = Path(object, listB, path);
  return points ? int32_t(points->size()) : 0;
}

bool CMainObjectCharacterWorld::GetPathPoint(const CAttraction* object, bool listB, int32_t path,
                                             int32_t point, plat::Vec3* out) const {
  const PointList* points = Path(object, listB, path);
  if (!points || point < 0 || std::size_t(point) >= points->size()) return false;
  *out = (*points)[std::size_t(point)];
  return true;
}

CAttraction* CMainObjectCharacterWorld::GetEventObject(ParkEvent* event) const {
  return event ? event->owner : nullptr;
}

void CMainObjectCharacterWorld::MarkEventTaken(ParkEvent* event) {
  if (event) event->assigned = 1;
}

void CMainObjectCharacterWorld::ResetEvent(ParkEvent* event) {
  if (event) event->Reset();
}

void CMainObjectCharacterWorld::GiveBackEvent(ParkEvent* event) {
  if (!event) return;
  event->assigned = 0;
  REraduzizEventClass* events = m_game.parkEvents;
  if (!events) return;
  // Listed once: an event that is still open is not added a second time.
  if (std::find(events->openEvents.begin(), events->openEvents.end(), event) == events->openEvents.end()) {
    events->openEvents.push_back(event);
  }
  events->FillEventLists();
}

void CMainObjectCharacterWorld::QueueDialogCommand(bool open) { m_game.QueueDialogCommand(open); }

void CMainObjectCharacterWorld::PlaySound(const char* name) {
  if (g_sound) g_sound->Play(name);
}

bool CMainObjectCharacterWorld::FindRandomWalkTarget(REraduzizVisitor& character) {
  return character.FindRandomWalkTarget();
}

const CFoodCatalog* CMainObjectCharacterWorld::GetFoodCatalog() const { return m_game.foodCatalog; }

std::vector<CCharacterWorld::ShopItem> CMainObjectCharacterWorld::GetSweetShopItems() const {
  std::vector<ShopItem> items;
  if (!m_game.shopScreen) return items;
  for (const REraduzizShopScreen::ProductSlot& slot : m_game.shopScreen->slots) items.push_back({slot.name, slot.price});
  return items;
}

int32_t CMainObjectCharacterWorld::GetCash() const { return m_game.cash; }

void CMainObjectCharacterWorld::AddCash(int32_t amount) { m_game.AddCash(amount); }

void CMainObjectCharacterWorld::AddSalesTotal(SalesTotal total, int32_t amount) {
  VAvazadOvurUrovi::SalesTotals& totals = m_game.salesTotals;
  int32_t& sum = total == SalesTotal::kSnacks ? totals.snacks : total == SalesTotal::kMeals ? totals.meals : totals.sweets;
  // A sum held to the int32 range, as the cash is.
  sum = int32_t(std::clamp<int64_t>(int64_t(sum) + amount, std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max()));
}

void CMainObjectCharacterWorld::AddSalesRecord(int32_t price, int32_t year, int32_t month, int32_t day,
                                               int32_t code, const EngineString& name) {
  m_game.AddPlacedRecord(true, price, year, month, day, code, name);
}

void CMainObjectCharacterWorld::CleanLitterAt(const plat::Vec3& point) {
  if (m_game.terrain) m_game.terrain->CleanLitterAt(point.x, point.y, point.z);
}

void CMainObjectCharacterWorld::PlantAt(const plat::Vec3& point, int32_t kind) {
  m_game.PlantAt(point.x, point.y, point.z, kind);
}

void CMainObjectCharacterWorld::RefreshUpgradeList() {
  if (m_game.builUpgScreen) m_game.builUpgScreen->Refresh();
}

bool CMainObjectCharacterWorld::AreEffectSoundsOn() const { return g_sound && m_game.AreSoundEffectsOn(); }

void CMainObjectCharacterWorld::SetSoundVolumeAt(const plat::Vec3& point, const char* name) {
  m_game.SetSoundVolumeAt(point, name, false);
}
