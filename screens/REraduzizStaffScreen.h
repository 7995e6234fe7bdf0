#pragma once
// The staff window: hires and dismisses the park's cleaners, gardeners and
// engineers. Plus and minus change a pending count per kind; the commit
// button pays for the hires, books them in the ledger, brings the new staff
// into the park or sends dismissed staff home, and closes the window. The
// count of a kind is always the number of its characters in the park.
#include <array>
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "platform/math/Types.h"

class CGuiButton;
class CGuiStaticText;
class ScreenHost;

class REraduzizStaffScreen {
 public:
  enum Entry { kCleaners, kGardeners, kEngineers, kEntryCount };

  static constexpr int32_t kCommitId = 10310;
  static constexpr std::array<int32_t, kEntryCount> kPlusIds = {10306, 10308, 10316};
  static constexpr std::array<int32_t, kEntryCount> kMinusIds = {10307, 10309, 10317};
  static constexpr std::array<int32_t, kEntryCount> kPriceIds = {10303, 10304, 10305};
  static constexpr std::array<int32_t, kEntryCount> kCountIds = {10311, 10312, 10318};
  static constexpr std::array<int32_t, kEntryCount> kPrices = {2000, 3000, 4000};
  // A character of entry k gets an id from its base on; the picked-item
  // handler tells a staff member's kind by the id's range.
  static constexpr std::array<int32_t, kEntryCount> kIdBases = {1000, 2000, 3000};
  static constexpr int32_t kIdsPerEntry = 1000;
  static constexpr std::array<int32_t, kEntryCount> kCharacterKinds = {23, 19, 20};
  static constexpr std::array<int32_t, kEntryCount> kLedgerKinds = {13, 12, 11};
  // Cleaners start at the restaurant; a missing start point falls back to
  // the entrance.
  static constexpr const char* kCleanerStart = "restaurant_de_tarrowby";
  static constexpr const char* kFallbackStart = "Attr_MainEntrance";
  static constexpr int32_t kNoMoneyText = 100187;

  struct StaffEntry {
    // Saved with the game.
    EngineString name;
    int32_t price = 0;
    // Hired characters of the entry in the park.
    int32_t count = 0;
    // Uncommitted change; negative for dismissals.
    int32_t pending = 0;
    int32_t idBase = 0;
    int32_t idsIssued = 0;
  };

  // The window may be null (the GUI description lacks it): the entries are
  // still set up and nothing is bound.
  REraduzizStaffScreen(ScreenHost& host, CGuiElement* window);

  // Prices and counts with the pending changes.
  void Refresh();
  // The entries of a new game.
  void Reset();
  void ClearPending();
  // Carries out every entry's pending change (the commit button tests the
  // cash first).
  void Commit();
  void OnGuiCommand(GuiCommand& command);
  // What the pending hires cost; dismissals cost nothing.
  int32_t PendingCost() const;

  CGuiElement* window = nullptr;
  std::array<CGuiButton*, kEntryCount> plusButtons{};
  std::array<CGuiButton*, kEntryCount> minusButtons{};
  CGuiButton* commitButton = nullptr;
  std::array<CGuiStaticText*, kEntryCount> priceTexts{};
  std::array<CGuiStaticText*, kEntryCount> countTexts{};
  std::array<StaffEntry, kEntryCount> entries{};

 private:
  // The entry of a plus (or minus) button, or -1.
  static int EntryOfButton(const std::array<int32_t, kEntryCount>& ids, int32_t id);
  void OnCommitClicked();
  // The pending hires of the entry; what they cost.
  int32_t Hire(int k);
  void Dismiss(int k);
  // Where a new character of the entry starts.
  plat::Vec3 StartPosition(int k) const;
  bool FindPlacementNamed(const EngineString& name, plat::Vec3* position) const;

  ScreenHost& m_host;
};
