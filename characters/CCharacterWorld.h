#pragma once
// What the park's characters need of the game around them: the game clock,
// the park mood totals, the cell grid and its path finder, the placed
// objects and park events, and the main object's dialog, camera, effects and
// tutorial. The main object installs its implementation while it runs (tests
// install a fake); without one, characters stand still and touch nothing.
// Placed objects and events are passed as handles that the world checks
// before it reads them, so a character never reads an object that is gone.
// The park events, dialogs, effects, sounds and the tutorial may be missing
// from a world: by default there are none, and asking for them does nothing.
#include <cstdint>
#include <vector>

#include "characters/ParkMoodTotals.h"
#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class CFoodCatalog;
class ParkEvent;
class REraduzizVisitor;

class CCharacterWorld {
 public:
  // What the staff's cell searches read of a cell.
  struct CellView {
    bool isPath = false;
    uint16_t layer1 = 0;  // litter state of a footpath cell: 2 littered
    uint16_t layer2 = 0;  // 1 where something was planted
    bool hasObject = false;
    CAttraction* lowestObject = nullptr;  // the plant a gardener tends there
  };
  // The message window's answer callback: (context, answer, code).
  using MessageCallback = void (*)(void* context, int32_t answer, int32_t code);

  // The two magic effects of the park characters.
  static constexpr int32_t kFirstMagicEffect = 0;
  static constexpr int32_t kSecondMagicEffect = 1;

  virtual ~CCharacterWorld() = default;

  // The world in use, null when none is installed.
  static CCharacterWorld* Get();
  static void Install(CCharacterWorld* world);

  // The game clock's year: 12 months of 30 days.
  static constexpr int32_t kSecondsPerGameYear = 12 * 30 * 24 * 60 * 60;
  // Any count of seconds as a time within the game year, 0 up to a year.
  static int32_t WithinGameYear(int64_t seconds) {
    return int32_t((seconds % kSecondsPerGameYear + kSecondsPerGameYear) % kSecondsPerGameYear);
  }
  // The game clock in seconds from the start of its year, which the
  // game-second timers stamp: a frame may span many game seconds.
  virtual int32_t GetGameTime() const = 0;
  virtual ParkMoodTotals* GetMoodTotals() = 0;

  // Cell grid: false outside 0..127 (both indices are written).
  virtual bool WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const = 0;
  virtual plat::Vec3 GetCellPosition(int32_t i, int32_t j) const = 0;
  // False outside the grid.
  virtual bool GetCell(int32_t i, int32_t j, CellView* out) const = 0;
  // A path search in the path slot of the character's id: 1 found, 2 no path.
  virtual int32_t FindPath(int32_t characterId, int32_t fromI, int32_t fromJ, int32_t toI,
                           int32_t toJ) = 0;
  // The path slot's cursor: moves on along the found path once the walker's
  // cell (i, j) is within reach of the point it heads for; true once the
  // path's last point is the one headed for (also when no path was found).
  virtual bool ReadPath(int32_t characterId, int32_t i, int32_t j, int32_t reach) = 0;
  // The cell the slot's cursor heads for.
  virtual void GetPathCursor(int32_t characterId, int32_t* i, int32_t* j) const = 0;

  // Placed objects: false or empty values for an object no longer placed.
  virtual bool IsObjectPlaced(const CAttraction* object) const = 0;
  virtual bool IsObjectStopped(const CAttraction* object) const = 0;
  virtual bool GetObjectPosition(const CAttraction* object, plat::Vec3* out) const = 0;
  // Where characters enter the object from the footpath; an object without
  // an entrance of its own is entered where it stands.
  virtual bool GetObjectGate(const CAttraction* object, plat::Vec3* out) const;
  virtual EngineString GetObjectAssetName(const CAttraction* object) const = 0;
  // Path list A or B of the object: how many paths, how many points in one,
  // and one point (false for an index out of range).
  virtual int32_t GetPathCount(const CAttraction* object, bool listB) const = 0;
  virtual int32_t GetPathPointCount(const CAttraction* object, bool listB, int32_t path) const = 0;
  virtual bool GetPathPoint(const CAttraction* object, bool listB, int32_t path, int32_t point,
                            plat::Vec3* out) const = 0;

  // A new stroll target for a character that has reached its destination.
  virtual bool FindRandomWalkTarget(REraduzizVisitor& character);

  // Park events: the event's object, null when it is gone.
  virtual CAttraction* GetEventObject(ParkEvent* event) const;
  // Looks the event's object and its second object up again by their names.
  virtual void RefindEventObjects(ParkEvent* event);
  virtual void MarkEventTaken(ParkEvent* event);
  virtual void ResetEvent(ParkEvent* event);
  // A job nobody can reach: the event is free again, listed once among the
  // open events, and the event lists are rebuilt.
  virtual void GiveBackEvent(ParkEvent* event);

  // Main object.
  virtual void QueueDialogCommand(bool open);
  // index 0 or 1.
  virtual void SetDialogByte(int32_t index, uint8_t value);
  virtual void SetFocusedCharacter(int32_t id);
  // The second point of the event camera's point list.
  virtual void SetEventCameraPoint(const plat::Vec3& point);
  // Sets the effect's origin, resets it and marks it active.
  virtual void StartMagicEffect(int32_t effect, const plat::Vec3& origin);
  virtual void StopMagicEffect(int32_t effect);
  virtual void PlaySound(const char* name);

  // Tutorial: true when it runs and waits at its job step; FinishJobStep
  // marks that step done, moves on, refreshes the status display, hides the
  // game screens and stops the waiting.
  virtual bool IsTutorialWaitingForJob() const;
  virtual void FinishTutorialJobStep();
  virtual void ApplyTutorialSettings();
  virtual void ShowMessage(int32_t textId, MessageCallback callback, void* context);
  virtual void SetModal();

  // The park's trade: what the outlets offer, the cash, and the sales kept
  // beside the ledger. Without a trade there is nothing to buy.
  struct ShopItem {
    EngineString name;
    int32_t price = 0;
  };
  enum class SalesTotal { kSnacks, kMeals, kSweets };
  // Null without a food catalogue.
  virtual const CFoodCatalog* GetFoodCatalog() const;
  // The sweet shops' products in slot order.
  virtual std::vector<ShopItem> GetSweetShopItems() const;
  virtual int32_t GetCash() const;
  virtual void AddCash(int32_t amount);
  virtual void AddSalesTotal(SalesTotal total, int32_t amount);
  // The sale in the main object's list of sales (code: what was sold).
  virtual void AddSalesRecord(int32_t price, int32_t year, int32_t month, int32_t day, int32_t code,
                              const EngineString& name);

  // The staff's work on the park: litter swept from the footpath cell at a
  // point, a plant of a kind (0..28) planted at a point, and the building
  // upgrade screen's list shown anew after a repair.
  virtual void CleanLitterAt(const plat::Vec3& point);
  virtual void PlantAt(const plat::Vec3& point, int32_t kind);
  virtual void RefreshUpgradeList();

  // True when effect sounds can play (a sound service, effects switched on).
  virtual bool AreEffectSoundsOn() const;
  // The named sound's volume for a sound heard from the point.
  virtual void SetSoundVolumeAt(const plat::Vec3& point, const char* name);
};
