#pragma once
// What the screen tests share: a host that stands in for the game's main
// object, a small GUI with the elements the framework binds, the debugger
// output captured, and a frame that runs the command pass as the main
// object's handler routes it.
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiCommand.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenSet.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace screentest {

class FakeHost : public ScreenHost {
 public:
  explicit FakeHost(CGuiMainClass& gui) : m_gui(gui) {}
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  CGuiMainClass& Gui() override { return m_gui; }
  ScreenFlags& Flags() override { return flags; }
  void HideGameScreens() override {
    ++hideCount;
    if (screens) screens->HideAll();
  }
  int32_t GetCash() const override { return cash; }
  int32_t& PointCounter() override { return points; }
  int32_t GetFirstParkPercentage() const override { return firstPercentage; }
  int32_t GetSecondParkPercentage() const override { return secondPercentage; }
  StatusDateTime GetGameClock() const override { return clock; }
  bool HasCharacterManager() const override { return hasCharacterManager; }
  int32_t GetVisitorCount() const override { return visitors; }
  ParticleEffects* GetParticleEffects() override { return nullptr; }
  void ArmParkEvents(uint32_t startTick, int32_t eventTimer) override {
    ++armCount;
    armedTick = startTick;
    armedTimer = eventTimer;
  }
  ScreenSet* GetScreens() override { return screens; }
  bool CanAfford(int32_t price) const override { return int64_t(cash) - price >= 0; }
  void AddCash(int32_t amount) override { cash += amount; }
  void BookLedgerKind(int32_t kind, int32_t subject, int32_t amount) override {
    ::BookLedgerKind(ledgerTree, ledgerRecords, kind, subject, {clock.year, clock.month, clock.day, clock.hour},
                     amount);
  }
  const CLedgerTree* GetLedgerTree() const override { return &ledgerTree; }
  int32_t GetStartYear() const override { return startYear; }
  int32_t& TicketPrice() override { return ticketPrice; }
  int32_t& GameSpeed() override { return gameSpeed; }
  ParkMoodTotals GetMoodTotals() const override { return moodTotals; }
  bool ObjectExists(const EngineString& name) const override {
    for (const EngineString& object : objects) {
      if (object == name) return true;
    }
    return false;
  }
  void ArmManagementPagesClose() override { managementPagesArmed = 1; }
  int32_t GetPlacementCount() const override { return int32_t(placements.size()); }
  bool GetPlacement(int32_t index, EngineString* name, plat::Vec3* position) const override {
    if (index < 0 || index >= GetPlacementCount()) return false;
    *name = placements[size_t(index)].first;
    *position = placements[size_t(index)].second;
    return true;
  }
  // A staff member: its id, kind and position while it is in the park.
  struct Member {
    int32_t id;
    int32_t kind;
    plat::Vec3 position;
  };
  bool CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) override {
    if (!staffCanBeMade) return false;
    staff.push_back({id, kind, position});
    return true;
  }
  void DismissStaffMember(int32_t id) override {
    std::erase_if(staff, [id](const Member& member) { return member.id == id; });
    dismissed.push_back(id);
  }
  std::vector<PlacementRecord>& PlacedCharacters() override { return placedCharacters; }
  const std::vector<CAttraction*>& GetAttractions() const override { return attractions; }
  EngineString GetBaseDirectory() const override { return HALVENOR_PARK_DIR; }
  void RecordSpending(int32_t amount) override { spendings.push_back(amount); }
  void AddToManagerAttractions(CAttraction& attraction) override {
    if (std::find(managerAttractions.begin(), managerAttractions.end(), &attraction) == managerAttractions.end()) {
      managerAttractions.push_back(&attraction);
    }
  }
  CFoodCatalog* GetFoodCatalog() override { return foodCatalog; }
  void ApplyTutorialSettings() override { ++tutorialSettingsApplied; }
  REraduzizVisitor* FindCharacterById(int32_t id) override {
    const auto found = characters.find(id);
    return found != characters.end() ? found->second : nullptr;
  }

  ScreenSet* screens = nullptr;
  ScreenFlagBytes bytes;
  ScreenFlags flags = bytes.View();
  int32_t cash = 30000;
  int32_t points = 0;
  int32_t firstPercentage = 0;
  int32_t secondPercentage = 100;
  StatusDateTime clock{2007, 3, 5, 21, 5};
  bool hasCharacterManager = true;
  int32_t visitors = 0;
  int32_t startYear = 2007;
  int32_t ticketPrice = 26;
  int32_t gameSpeed = 1;
  ParkMoodTotals moodTotals{80, {}};
  std::vector<EngineString> objects;
  uint8_t managementPagesArmed = 0;
  CLedgerTree ledgerTree;
  CLedgerRecordList ledgerRecords;
  std::vector<std::pair<EngineString, plat::Vec3>> placements;
  bool staffCanBeMade = true;
  std::vector<Member> staff;
  std::vector<int32_t> dismissed;
  std::vector<PlacementRecord> placedCharacters;
  std::vector<CAttraction*> attractions;
  std::vector<int32_t> spendings;
  std::vector<CAttraction*> managerAttractions;
  int hideCount = 0;
  int armCount = 0;
  uint32_t armedTick = 0;
  int32_t armedTimer = 0;
  std::map<int32_t, REraduzizVisitor*> characters;
  CFoodCatalog* foodCatalog = nullptr;
  int tutorialSettingsApplied = 0;

 private:
  CGuiMainClass& m_gui;
};

// Collects the debugger output while it lives.
class DebugCapture {
 public:
  DebugCapture();
  ~DebugCapture();
  DebugCapture(const DebugCapture&) = delete;
  DebugCapture& operator=(const DebugCapture&) = delete;

  std::vector<std::string> lines;
  bool Contains(const std::string& piece) const;
};

// The pages, texts and buttons the framework binds, as layers of the kit's
// GUI manager; every page starts hidden except the status panel.
void BuildFrameworkGui(guitest::GuiTestKit& kit);

// The demo park's GUI description (the standard one or the named file of
// "guifiles") and text table, loaded into the manager.
void LoadDemoGui(CGuiMainClass& gui, const std::string& description = "");

// The kit, the host and the screen set over the framework GUI (or an
// empty one), and the main object's routing around the screens' part.
class ScreenWorld {
 public:
  explicit ScreenWorld(bool withGui = true);
  ~ScreenWorld();

  // The main object's handler, as far as the screens take part: the
  // exclusive screens, then the rest.
  void Route(GuiCommand& command);
  // One command pass with that handler and the purge.
  void RunPass();
  void Click(int32_t sender);
  void Select(int32_t sender, int32_t row);
  std::vector<GuiCommand> Queue();
  bool IsShown(int32_t id);

  guitest::GuiTestKit kit;
  FakeHost host;
  ScreenSet screens;
};

}  // namespace screentest
