#pragma once
// What the screens use of the object that owns them (the game's main
// object): the GUI manager, the flags that every screen obeys, the park
// figures that the status panel shows and the hide-all. Tests give the
// screens a host of their own.
#include <array>
#include <cstdint>
#include <vector>

#include "characters/ParkMoodTotals.h"
#include "engine/core/EngineString.h"
#include "platform/math/Types.h"
#include "screens/PlacementRecord.h"

class CAttraction;
class CFoodCatalog;
class CGuiMainClass;
class CharacterTexts;
class CLedgerTree;
class CPorvikScenarios;
class ParticleEffects;
class REraduzizVisitor;
class ScreenSet;
class REraduzizBuildBookHost;

// The bytes of the main object that the screens set and obey, as
// references, so that the owner keeps them where it likes.
struct ScreenFlags {
  // While 1 the park takes no mouse input and no park event starts.
  uint8_t& modal;
  // While 1 only the message window gets commands.
  uint8_t& messageOpen;
  // While 1 only the build book gets commands.
  uint8_t& bookOpen;
  // While 0 the scenario window also gets commands early in the pass.
  uint8_t& gameRunning;
  // Set when a scenario has ended: closing the message returns to the
  // scenario window.
  uint8_t& returnToScenario;
  // Set when the book closes, so that the next park click places.
  uint8_t& placing;
  uint8_t& tutorialMode;
  uint8_t& foodMenuOpen;
  // 1 while the buffet is the open food page, 0 for the restaurant's.
  uint8_t& foodMenuBuffet;
  uint8_t& firstVisitorsNoticeGiven;
  // Set by the loader of saved games.
  uint8_t& savedGameLoaded;
};

// The same bytes kept together, for an owner without bytes of its own.
struct ScreenFlagBytes {
  uint8_t modal = 0;
  uint8_t messageOpen = 0;
  uint8_t bookOpen = 0;
  uint8_t gameRunning = 0;
  uint8_t returnToScenario = 0;
  uint8_t placing = 0;
  uint8_t tutorialMode = 0;
  uint8_t foodMenuOpen = 0;
  uint8_t foodMenuBuffet = 0;
  uint8_t firstVisitorsNoticeGiven = 0;
  uint8_t savedGameLoaded = 0;

  ScreenFlags View() {
    return ScreenFlags{modal,          messageOpen,  bookOpen,     gameRunning,    returnToScenario,
                       placing,        tutorialMode, foodMenuOpen, foodMenuBuffet, firstVisitorsNoticeGiven,
                       savedGameLoaded};
  }
};

// The game's picture settings that the options screen switches: the video
// level (0..2), the render features and the high-resolution setting.
struct RenderSettings {
  int32_t& videoLevel;
  uint8_t& shadow;
  uint8_t& reflection;
  uint8_t& refraction;
  uint8_t& particles;
  uint8_t& fog;
  uint8_t& animals;
  uint8_t& farCut;
  uint8_t& highResolution;
};

// The same values kept together, for an owner without values of its own.
struct RenderSettingValues {
  int32_t videoLevel = 0;
  uint8_t shadow = 0;
  uint8_t reflection = 0;
  uint8_t refraction = 0;
  uint8_t particles = 0;
  uint8_t fog = 0;
  uint8_t animals = 0;
  uint8_t farCut = 0;
  uint8_t highResolution = 0;

  RenderSettings View() {
    return RenderSettings{videoLevel, shadow, reflection, refraction, particles, fog, animals, farCut, highResolution};
  }
};

// One channel of a display's gamma ramp, 0..65535 per step.
using GammaChannel = std::array<uint16_t, 256>;

// The game clock as the status panel shows it.
struct StatusDateTime {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
};

class ScreenHost {
 public:
  virtual ~ScreenHost() = default;

  virtual CGuiMainClass& Gui() = 0;
  virtual ScreenFlags& Flags() = 0;
  // Closes every screen page (the main object forwards it to the screen
  // set's HideAll, which knows the pages).
  virtual void HideGameScreens() = 0;

  virtual int32_t GetCash() const = 0;
  virtual int32_t& PointCounter() = 0;
  virtual int32_t GetFirstParkPercentage() const = 0;
  virtual int32_t GetSecondParkPercentage() const = 0;
  virtual StatusDateTime GetGameClock() const = 0;
  virtual bool HasCharacterManager() const = 0;
  virtual int32_t GetVisitorCount() const = 0;
  // Null until the world loading has made them.
  virtual ParticleEffects* GetParticleEffects() = 0;
  // Arms the park events once the first visitors are in: the event class
  // starts counting from the tick, and the main object keeps the timer
  // (ms) with the current game minute.
  virtual void ArmParkEvents(uint32_t startTick, int32_t eventTimer) = 0;
  // The park character (visitor, staff member or mascot) with the id; null
  // when there is none or no character manager.
  virtual REraduzizVisitor* FindCharacterById(int32_t /*id*/) { return nullptr; }

  // --- What the management screens read and change ----------------------
  // The set that owns the screens, through which they reach each other.
  virtual ScreenSet* GetScreens() = 0;
  // Cash minus the price is not negative.
  virtual bool CanAfford(int32_t price) const = 0;
  // Adds to the cash (negative to pay).
  virtual void AddCash(int32_t amount) = 0;
  // Books a kind of the ledger (park/ledger/LedgerKinds.h) at the game
  // clock's date and hour.
  virtual void BookLedgerKind(int32_t kind, int32_t subject, int32_t amount) = 0;
  // Null while the game has no ledger.
  virtual const CLedgerTree* GetLedgerTree() const = 0;
  virtual int32_t GetStartYear() const = 0;
  // The entrance price every arriving visitor pays.
  virtual int32_t& TicketPrice() = 0;
  // The factor of the frame time: 1 normal, 4 fast, 0 paused.
  virtual int32_t& GameSpeed() = 0;
  // The visitors' mood sum and band counts.
  virtual ParkMoodTotals GetMoodTotals() const = 0;
  virtual bool ObjectExists(const EngineString& name) const = 0;
  // Makes the next flag-command step close the management pages once.
  virtual void ArmManagementPagesClose() = 0;
  // The placed objects that serve visitors, in placement order; each has a
  // number of its own for the whole game.
  virtual const std::vector<CAttraction*>& GetAttractions() const = 0;
  // The folder every data path starts from.
  virtual EngineString GetBaseDirectory() const = 0;
  // Keeps a spending of the park's money in the park's records.
  virtual void RecordSpending(int32_t amount) = 0;
  // Puts the attraction on the character manager's list once; the object's
  // removal takes it off again.
  virtual void AddToManagerAttractions(CAttraction& attraction) = 0;

  // --- The food screens ----------------------------------------------------
  // What the park's outlets sell; null while the game has no catalogue.
  virtual CFoodCatalog* GetFoodCatalog() { return nullptr; }
  // Keeps the tutorial's progress once a lesson is done.
  virtual void ApplyTutorialSettings() {}

  // --- Staff: the character manager's placement points and characters ---
  virtual int32_t GetPlacementCount() const = 0;
  // The point at the index; false outside the list.
  virtual bool GetPlacement(int32_t index, EngineString* name, plat::Vec3* position) const = 0;
  // A staff member of the kind with the id at the position, at work in the
  // park; false when none could be made.
  virtual bool CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) = 0;
  // The member's event job goes back to the open events, then the member
  // leaves the park; nothing for an id without a character.
  virtual void DismissStaffMember(int32_t id) = 0;
  // The records of the hired characters (the saved game keeps them).
  virtual std::vector<PlacementRecord>& PlacedCharacters() = 0;
  // What the build book needs of the game (its file, the park, the money
  // and the placement); null gives a book that reads no file and buys
  // nothing.
  virtual REraduzizBuildBookHost* GetBuildBookHost() { return nullptr; }

  // --- Options, tutorial and scenarios ----------------------------------
  // The picture settings; null gives an options screen that sets none.
  virtual RenderSettings* GetRenderSettings() { return nullptr; }
  // True while the park itself is in view: a game runs and neither the
  // start menu nor the options page opened from the game is up.
  virtual bool IsParkInView() const { return false; }
  // The same ramp on the three channels of the window's display; false
  // where the display cannot set one.
  virtual bool SetGammaRamp(const GammaChannel& /*ramp*/) { return false; }
  // Stops (true) or restarts the per-frame world update.
  virtual void SetWorldStopped(bool /*stopped*/) {}
  // The game reset for a tutorial lesson: the empty park of a new game
  // (false) or the tutorial scene of the lesson reached (true).
  virtual void ResetForLesson(bool /*tutorialScene*/) {}
  // The scenarios of the game; null before the catalogue is read.
  virtual const CPorvikScenarios* GetScenarios() const { return nullptr; }
  // Resets the park for the scenario at the index, loads its scene and
  // starts its clock; false (nothing changed) for an index outside the
  // catalogue or a scene name that leaves the scenes folder.
  virtual bool StartScenario(int32_t /*index*/) { return false; }

  // --- The picker pop-ups -------------------------------------------------
  // The character manager's first (greenery) and second (clean paths) park
  // ratings, in steps of 20; 0 without a character manager.
  virtual int32_t GetFirstParkRating() const { return 0; }
  virtual int32_t GetSecondParkRating() const { return 0; }
  // The thought sentences; null before they are read.
  virtual const CharacterTexts* GetCharacterTexts() const { return nullptr; }
};
