#pragma once
// The main object as the world of the park's characters: its game clock and
// mood counters, its land and path finder, its placed objects, the job
// dialog and the sounds, its outlets, cash and sales, and the staff's work
// on the land. Installs itself while it lives.
#include <vector>

#include "characters/CCharacterWorld.h"

class VAvazadOvurUrovi;

class CMainObjectCharacterWorld : public CCharacterWorld {
 public:
  explicit CMainObjectCharacterWorld(VAvazadOvurUrovi& game);
  ~CMainObjectCharacterWorld() override;
  CMainObjectCharacterWorld(const CMainObjectCharacterWorld&) = delete;
  CMainObjectCharacterWorld& operator=(const CMainObjectCharacterWorld&) = delete;

  int32_t GetGameTime() const override;
  ParkMoodTotals* GetMoodTotals() override;
  bool WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const override;
  plat::Vec3 GetCellPosition(int32_t i, int32_t j) const override;
  bool GetCell(int32_t i, int32_t j, CellView* out) const override;
  int32_t FindPath(int32_t characterId, int32_t fromI, int32_t fromJ, int32_t toI,
                   int32_t toJ) override;
  bool ReadPath(int32_t characterId, int32_t i, int32_t j, int32_t reach) override;
  void GetPathCursor(int32_t characterId, int32_t* i, int32_t* j) const override;
  bool IsObjectPlaced(const CAttraction* object) const override;
  bool IsObjectStopped(const CAttraction* object) const override;
  bool GetObjectPosition(const CAttraction* object, plat::Vec3* out) const override;
  bool GetObjectGate(const CAttraction* object, plat::Vec3* out) const override;
  EngineString GetObjectAssetName(const CAttraction* object) const override;
  int32_t GetPathCount(const CAttraction* object, bool listB) const override;
  int32_t GetPathPointCount(const CAttraction* object, bool listB, int32_t path) const override;
  bool GetPathPoint(const CAttraction* object, bool listB, int32_t path, int32_t point,
                    plat::Vec3* out) const override;
  // A solver's event: the attraction it waits on (null once it was reset,
  // say because the attraction went), its being taken, and its reset when
  // the job ends.
  CAttraction* GetEventObject(ParkEvent* event) const override;
  void MarkEventTaken(ParkEvent* event) override;
  void ResetEvent(ParkEvent* event) override;
  void GiveBackEvent(ParkEvent* event) override;
  void QueueDialogCommand(bool open) override;
  void PlaySound(const char* name) override;
  bool FindRandomWalkTarget(REraduzizVisitor& character) override;
  const CFoodCatalog* GetFoodCatalog() const override;
  std::vector<ShopItem> GetSweetShopItems() const override;
  int32_t GetCash() const override;
  void AddCash(int32_t amount) override;
  void AddSalesTotal(SalesTotal total, int32_t amount) override;
  void AddSalesRecord(int32_t price, int32_t year, int32_t month, int32_t day, int32_t code,
                      const EngineString& name) override;
  void CleanLitterAt(const plat::Vec3& point) override;
  void PlantAt(const plat::Vec3& point, int32_t kind) override;
  void RefreshUpgradeList() override;
  bool AreEffectSoundsOn() const override;
  void SetSoundVolumeAt(const plat::Vec3& point, const char* name) override;

 private:
  // Path list A holds the ways in, list B the ways out; null for an object
  // no longer placed.
  using PointList = std::vector<plat::Vec3>;
  const std::vector<PointList>* Paths(const CAttraction* object, bool listB) const;
  const PointList* Path(const CAttraction* object, bool listB, int32_t path) const;

  VAvazadOvurUrovi& m_game;
};
