#pragma once
// The one game object. It is the engine object (first base) and the GUI
// manager (second base), keeps the click actions and the load-progress count
// of the GUI description loader (third base), serves the placed objects
// (fourth base), and owns everything else of the
// running game: the land, the characters, the park, the scene's textures and
// models, and the in-game screens. The entry function creates it and deletes
// it at the end; every subsystem reaches it through g_engine / g_game.
//
// Members are grouped by role, in the order the object keeps them. Many are
// read and written by the subsystems directly (screens set the flag bytes,
// the saved-game files store the counters), so they are public. Owned
// pointers are deleted by the destructor in its fixed order; pointers said to
// be borrowed are not.
//
// Threads: the two loading threads write the load-progress count, the
// started and done bytes and the character manager; those are atomic. All
// else is touched on the window thread only, after loading has ended.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "app/CMainObjectAiHost.h"
#include "app/CMainObjectCharacterWorld.h"
#include "app/CMainObjectParkEventHost.h"
#include "app/CMainObjectVisitorPark.h"
#include "app/MainObjectScreenHost.h"
#include "app/PlacedRecord.h"
#include "app/SavedScreenSlots.h"
#include "characters/CharacterTexts.h"
#include "characters/ParkMoodTotals.h"
#include "engine/system/DOradovIruzez.h"
#include "engine/core/EngineString.h"
#include "engine/core/SceneStream.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/loader/GuiAction.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "park/objects/CPlacedObjectList.h"
#include "park/objects/IAttractionHost.h"
#include "platform/math/Types.h"
#include "platform/os/Clock.h"
#include "platform/os/WorkerThread.h"
#include "platform/os/Window.h"
#include "screens/ScreenSet.h"
#include "world/CWaterSurface.h"
#include "world/PickGeometry.h"

class CAttraction;
class CBillboardIcon;
namespace plat {
class Surface;
}  // namespace plat
class CAnimals;
class CBird;
class CFoodCatalog;
class CGuiElement;
class CGuiXmlLoader;
class CHeightMapHandlerClass;
class CLedgerRecordList;
class CLedgerTree;
class CPathFinder;
class CPorvikAiClass;
class CPorvikRoad;
class CPorvikScenarios;
class ParticleEffects;
class REraduzizBuffetScreen;
class REraduzizBuilUpgScreen;
class REraduzizBuildBook;
class REraduzizEventClass;
class ParkEvent;
class REraduzizFastFoodScreen;
class REraduzizFoodFeltetScreen;
class REraduzizHotMealScreen;
class REraduzizKioskScreen;
class REraduzizMessageWindow;
class REraduzizObjectWindow;
class REraduzizOptionsScreen;
class REraduzizPickFiveScreen;
class REraduzizPickFourScreen;
class REraduzizPickOneScreen;
class REraduzizRepairEventScreen;
class REraduzizRestaurantScreen;
class REraduzizScenarioWindow;
class REraduzizShopScreen;
class REraduzizSpeedWindow;
class REraduzizStaffScreen;
class REraduzizStatisticScreen;
class REraduzizSummaryScreen;
class REraduzizTicketScreen;
class REraduzizTutorialScreen;
class REraduzizUpgradeScreen;
class REraduzizVisitor;
class ZOdevuvCharacter;
class ZOdevuvGameObject;
class ZOdevuvText;
class ZOdevuvTexture;
namespace plat {
class Texture;
}

// A calendar date of the game clock.
struct GameDate {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
};

// A date with its hour.
struct GameDateTime {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
};

// One camera view of the park events' camera paths.
struct CameraViewRecord {
  plat::Vec3 eye;
  plat::Vec3 target;
  plat::Vec3 up;
  plat::Vec3 unused;
};

// A billboard icon over a placed object (kind 0 or 1).
struct BillboardEntry {
  CBillboardIcon* icon = nullptr;  // owned
  CAttraction* object = nullptr;   // borrowed
  int32_t kind = 0;
};

class VAvazadOvurUrovi : public DOradovIruzez, public CGuiMainClass, public GuiActionSink, public IAttractionHost {
 public:
  // The water plane's height.
  static constexpr float kWaterLevel = -0.79999f;
  // A new game starts on 21 March at 10:00.
  static constexpr int32_t kStartMonth = 3;
  static constexpr int32_t kStartDay = 21;
  static constexpr int32_t kStartHour = 10;

  // Touches no device: the window's device comes later.
  VAvazadOvurUrovi();
  // Joins the loading threads first, then frees everything in its fixed
  // order; the engine base then deletes the engine singletons.
  ~VAvazadOvurUrovi() override;

  // --- Engine hooks --------------------------------------------------------
  // The resource set-up: camera, lights, effects, sounds, then the two
  // loading threads.
  void InitResources() override;
  // The frame hook: the intro and loading screen while loading, else the
  // render passes; presents.
  void Frame(float elapsedSeconds) override;
  // The main loop's other per-frame steps, in loop order around Frame. They
  // are virtual so that a test can watch the order.
  virtual void UpdateFrame(double elapsedSeconds);
  virtual void PollInput();
  virtual void RunQueuedGuiCommands();
  virtual void RemoveDoneGuiCommands();

  // The click or selection handler that runs before the GUI's dispatcher:
  // true when one of the game's own rows took the command, false when it
  // went on to the screens (MainObjectCommands.cpp).
  bool ExecuteGuiCommand(GuiCommand* command);
  // Its parts: the save and load page's rows, the game's buttons (true when
  // a row took the command), and what the buttons share: the tool reset,
  // switching a button on or off, the chosen saved game's name.
  bool RunSaveLoadCommand(GuiCommand& command);
  // The load button: the chosen row's game replaces the park and play goes
  // on in it; a game that does not load leaves everything as it was.
  void LoadChosenGame();
  bool RunGameButton(GuiCommand& command);
  void ResetTools();
  void SetButtonActive(int32_t id, bool active);
  void SetChosenGameText(const EngineString& text);
  // A new game (tutorial false) or a tutorial game: the park emptied and
  // every run-state value set back (MainObjectCommandsNewGame.cpp).
  void BeginGame(bool tutorial);
  // The run values of a new game, once its scene is read (the lists went
  // before it, with ResetGameLists).
  void ResetRunState();
  // The sales totals and the plants' counts, which no saved-game file keeps:
  // a new game and a loaded one start them at 0 instead of going on with
  // the last park's.
  void ResetUnsavedTotals();
  // Its steps: every visitor and placed character leaves the character
  // manager; the manager's counters, bookings and capacity of a new game;
  // the tutorial's level from the settings, its marks and its scene (the
  // normal-mode scene before the first level); a mode scene read when the
  // park has it; the game bar and status panel opened with the control, or
  // the tutorial's pages while it runs.
  void ClearParkCharacters();
  // The manager's run state of a park without visitors; after the scene is
  // read, its ratings, bookings and capacity of a new game.
  void StartAiManagerAfresh();
  void ResetAiManagerForNewGame();
  void StartTutorialGame();
  void LoadModeScene(const EngineString& scene);
  void OpenGamePages(int32_t control);
  // The mouse wheel (the sign of its word is the direction): the camera moves
  // 3 along its look and back again if its height left 10..70. Not while a
  // modal screen is open or the cursor is over one.
  void ZoomByWheel(int32_t wheel);

  // --- Loading -------------------------------------------------------------
  // The two loading threads' bodies.
  void InitialLoading();
  void CreateAiManager();
  // Waits for both loading threads (they touch this object); the window's
  // destruction and the destructor call it. Safe to call again.
  void JoinLoadingThreads();
  bool IsLoadingDone() const { return initialLoadingDone.load() != 0 && aiManagerDone.load() != 0; }
  CPorvikAiClass* GetAiManager() const { return aiManager.load(); }
  // The loading marker: element 10257 moves below element 10256 by up to 65
  // pixels as done goes from 0 to total - 3.
  void SetLoadingProgress(int32_t done, int32_t total);
  static int32_t LoadingMarkerOffset(int32_t done, int32_t total);
  // The loading-screen progress: one more step done (both loading threads).
  void AddLoadProgress() { loadProgressCounter.fetch_add(1, std::memory_order_relaxed); }
  // The world-loading steps of the initial-loading thread
  // (MainObjectLoadingWorld.cpp): the land, the water, the scene objects,
  // the birds, the object types, the GUI and the screens, the foods, the
  // mode scenes, the park events and the scenarios.
  void InitClasses();
  // Switches every light of the light manager on or off, then hands the
  // lights with their flags to the device (MainObjectResources.cpp).
  void SetAllLights(bool on);
  void ApplyLightFlags();

  // --- Intro videos, the loading screen and video start (MainObjectIntro.cpp)
  // Once a frame while the initial loading runs: the four intro videos one
  // after the other, then the loading screen until both loading threads
  // are done, then the game's frames.
  void UpdateVideoSequence();
  // Starts the video file in the engine's player; true when it runs (the
  // video-playing byte is then set, the music and the ambience are off).
  bool PlayVideo(EngineString path);
  // Marks the intro's videos as played (the settings they end with are
  // applied), so that loading goes straight to the loading screen.
  void SkipIntroVideos();
  static constexpr int kIntroStageCount = 4;
  // The loading bar's width for a bar texture width and a progress count:
  // a count of 490 fills it, more does not overrun it.
  static int32_t LoadingBarWidth(int32_t textureWidth, int32_t progress);
  // A position laid out for 1024 by 768, for the back buffer's size.
  static int32_t ScaleToScreen(int32_t position, int32_t layoutSize, int32_t screenSize);

  // --- Render passes (MainObjectRender*.cpp) ------------------------------
  // One view of the scene: the camera's (main) or light 0's (the shadow
  // pass); nested when the caller has begun the scene already.
  void RenderFrame(float seconds, bool mainPass, bool nested);
  // Terrain, footpath shadows and the placed objects of one pass.
  void RenderObjects(float seconds, bool mainPass);
  // The placed objects for the water images, without the land.
  void RenderObjectsOffscreen(float seconds);
  // The water's refraction and reflection images.
  void RenderRefraction(float seconds);
  void RenderReflection(float seconds);
  // The park event camera's view (the second camera view, with its up hint)
  // drawn into the event window's texture; the camera is put back after.
  void RenderEventCameraView(float seconds);
  static constexpr size_t kEventCameraView = 1;
  // Everything after the opaque scene: characters, animals, icons, fog,
  // particles, lens flares, the GUI and the cursor.
  void UpdateAmbience(float seconds, bool nested);
  void RenderLensFlares();
  // True when the placement preview has something to draw.
  bool HasPreview() const;
  // True when the far cut is on and the object stands beyond it.
  bool IsBeyondFarCut(const CAttraction& object) const;
  // The music volume (hundredths of a decibel, held to the player's range)
  // for the options' music value (held to its knob's range) and the squared
  // distance of the nearest attraction (negative for none).
  static int32_t MusicVolumeNear(int32_t musicValue, float nearestSquared);
  // The player's music switch and music value: the options screen's, or the
  // settings file's before the screen is made (the intro's end).
  bool IsMusicOn() const;
  int32_t MusicValue() const;
  // The back buffer's size (the layout size without a device).
  int32_t ScreenWidth() const;
  int32_t ScreenHeight() const;
  // The video window (element 10342), borrowed.
  CGuiElement* videoWindow = nullptr;
  // What the character manager sees of this object; installed while it lives.
  std::unique_ptr<CMainObjectAiHost> aiHost = std::make_unique<CMainObjectAiHost>(*this);
  // The slope-scaled depth bias and the depth bias every pass starts with.
  static constexpr float kSlopeDepthBias = -0.79999f;
  float slopeDepthBias = kSlopeDepthBias;
  float depthBias = 0.0f;
  // The mouse cursor on the screen and its shape (0 arrow, 1 magnifier,
  // 2 the second cursor).
  int32_t cursorX = 0;
  int32_t cursorY = 0;
  int32_t cursorShape = 0;

  // --- The land's cell grid ------------------------------------------------
  // Links the terrain's cells to the path finder, the path cell counts and
  // the placed objects (nothing without a terrain); the world loading calls
  // it once both exist.
  void LinkCellGrid();

  // --- Small operations ----------------------------------------------------
  // True when the cursor is over the status panel or one of the two other
  // hover-tested elements; false without the status panel.
  bool IsModalScreenOpen() const;
  void ResetSelectionFlags();
  // Appends {first, name, values} to the first list (firstList) or the second.
  void AddPlacedRecord(bool firstList, int32_t value1, int32_t value2, int32_t value3, int32_t value4,
                       int32_t first, EngineString name);
  // The character manager's empty record: first word 1, the counter that
  // starts at 26 and the previous date, into the second list.
  void AddEmptyPlacedRecord();
  // Sets (does not start) the named sound's volume for a sound heard at the
  // position: louder near the camera, silent while the game is paused, in
  // the menus or with effects off.
  void SetSoundVolumeAt(const plat::Vec3& position, const EngineString& name, bool silent);
  // The volume (0 silent .. 1000 full) of a sound at a distance from the
  // camera for an effect volume setting (0..100); closer than 1 counts as 1.
  static int32_t SoundVolumeAtDistance(int32_t effectVolume, float distance);

  // Whether the characters and the particles move on this frame: neither
  // while an in-game video plays or a scene file is read; the characters
  // need their manager, the particles the setting and no loading screen.
  bool CharactersMayMove() const;
  bool ParticlesMayMove() const;

  // --- Money (the park's cash in whole units) ------------------------------
  // Held to the int32 range (a fortune never wraps into a debt); no
  // message, no booking: callers book their own ledger records.
  void AddCash(int32_t amount);
  // True when the cash minus the price is not negative.
  bool CanAfford(int32_t price) const;

  // --- Staff in the park (app/MainObjectStaff.cpp) --------------------------
  // A staff member of the kind with the id at the position, taking part in
  // the character manager's pass; false without a manager or a model.
  bool CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position);
  // The member's event job goes back to the open events (another member can
  // be sent), then the member leaves the park.
  void DismissStaffMember(int32_t id);

  // --- Clicked characters and the visitor panel (MainObjectReactions.cpp) ---
  // The page of a picked staff member or park character, by its id; a
  // visitor's id or an unknown one opens nothing. The game screens close
  // first in every case.
  void OnPickedItem(int32_t characterId);
  // Fills and opens the panel of the visitor with the id; a missing
  // character (or kNoCharacter) closes the panel.
  static constexpr int32_t kNoCharacter = -1;
  void RefreshInfoPanel(int32_t visitorId);
  // Opens (true) or closes the job dialog, straight into the GUI queue.
  void QueueDialogCommand(bool open);
  // The catalogue's first type whose name equals the name exactly (case
  // and blanks count), or null; index holds the last position tried.
  const ObjectTypeDescriptor* FindObjectTypeByName(const EngineString& name, int32_t* index) const;
  // Rebuilds the list of the placed objects that serve visitors.
  void CollectObjectsByState();

  // --- Ledger and foods (app/MainObjectLedger.cpp) -------------------------
  // Made by the constructor, freed by the destructor.
  void CreateLedgerAndFoods();
  void DeleteLedgerAndFoods();
  // The world-loading steps of the ledger and the foods: the statistics'
  // zero records, then the foods file of the base directory.
  void InitLedgerAndFoods();
  // --- Park events (MainObjectParkEvents.cpp) -------------------------------
  // The world-loading step of the park events: a new event manager reads
  // the events file of the base directory.
  void InitParkEvents();
  // The event joins the event list of the object type named `scope` (its
  // sound loaded, ready to play); false when no type takes it, and the
  // event manager then frees it.
  bool AttachEventToType(EngineString scope, ParkEvent* event);
  // Once a frame after the placed objects' update, once the world loading
  // is over: the steps of the park events' runs that are due.
  void UpdateParkEvents();
  // Set by an event's camera step: the event view is open and the event
  // camera (the second camera view) is in use.
  uint8_t eventViewOpen = 0;
  uint8_t eventCameraActive = 0;
  // The zero records of every year from the start year to the clock's year
  // that the ledger does not hold yet, for the park and for every placed
  // object that serves visitors.
  void AddStatisticItems();
  // Books a kind of the ledger (park/ledger/LedgerKinds.h) at the park
  // clock's date and hour; subject -1 for the park-wide kinds.
  void BookLedgerKind(int32_t kind, int32_t subject, int32_t amount);

  // --- Screen-command sequences --------------------------------------------
  void HideGameScreens();
  void QueueFlagCommands();
  // Appends an action to the click-action list; the GUI description loader
  // calls it (through QueueRecord20) from the loading thread.
  void AddGuiAction(int32_t sender, int32_t target, int32_t code, int32_t control, int32_t parameter);
  void QueueRecord20(GuiAction action) override;
  // The first action of the sender, if any.
  std::optional<GuiAction> FindGuiAction(int32_t sender) const;
  std::vector<GuiAction> GetGuiActions() const;
  // Loads the GUI description of the working directory, once: the screens
  // keep the elements of the first load, so a second call leaves them.
  void CreateGui();
  bool guiCreated = false;
  // Lists, counters and the clock of a new game, a scenario or a lesson;
  // the characters of the placement records leave the park with them.
  void ResetGameLists();
  // Sets the placement preview up from the object type at the index, with
  // the value as its price; false for an index outside the catalogue or
  // without a preview (nothing changes).
  bool SelectBuildItem(uint32_t index, int32_t value);
  // The file name without folder and extension.
  static EngineString FileTitle(const EngineString& path);

  // --- Object types and placed objects (MainObjectLookups.cpp) -------------
  // A single scene object of an "Objects" descriptor, owned by the caller;
  // null for another type.
  ZOdevuvGameObject* LoadSingleObject(const char* path);
  // Appends the described object type to the catalogue.
  void LoadObjectDescriptor(const char* path);
  // Every descriptor below "objects\ini" into the catalogue.
  void LoadObjectDescriptors();
  bool FindObjectTypeByName(EngineString name, ObjectTypeDescriptor* out, int32_t* index) const;
  CAttraction* FindObjectByName(EngineString name) const;
  CAttraction* FindObjectById(int32_t id) const;
  CAttraction* FindObjectByIdAndName(int32_t id, EngineString name) const;
  bool ObjectExists(EngineString name) const;
  PickRay GetPickRay(int32_t screenX, int32_t screenY) const;
  bool PickObjectAt(int32_t screenX, int32_t screenY, const CAttraction& object) const;

  // --- What the placed objects ask of the game ----------------------------
  EngineString GetBaseDirectory() const override { return baseDirectory; }
  const CObjectTypeCatalog* GetObjectTypes() const override { return &objectTypes; }
  void PlaySoundAt(const plat::Vec3& position, const EngineString& name, uint8_t quiet) override;
  void AddBillboardIcon(CAttraction& object, const plat::Vec3& position, int32_t kind) override;
  void SwitchOffWaterEffectOf(const EngineString& id) override;
  ParkClockReading GetParkClock() const override;
  // Every placed object's frame, in list order, then the park events' runs.
  void UpdatePlacedObjects(float seconds);
  // The sounds of the object types found under "\Music\Effects\rides\" as
  // one file per key (the type's name, with "_NOISE", "_NOISE2", "_SCREAM"
  // or "_STARTING"); a key already loaded or without a file is left alone.
  void LoadRideSounds();
  bool AreSoundEffectsOn() const override;
  void OnObjectRemoved(CAttraction& object) override;
  void MarkSelectedObjectCells(CAttraction& object) override;
  // Every icon of the object goes, however many it has.
  void RemoveObjectIcons(CAttraction& object) override;
  void RemovePlantFromGreenery() override;
  void RemoveVisitorCapacity(int32_t capacity) override;
  void RemovePlacement(const EngineString& id, int32_t objectNumber) override;
  // The clock and cells the visitors' questions to placed objects read
  // (MainObjectAttractionQueries.cpp).
  int32_t GetParkHour() const override { return gameHour; }
  bool WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const override;
  bool IsFootpathCell(int32_t i, int32_t j) const override;
  plat::Vec3 GetCellCentre(int32_t i, int32_t j) const override;
  // What drawing the placed objects reads and writes of the game
  // (MainObjectAttractionDrawing.cpp).
  const plat::Matrix* GetSceneProjection() const override { return &projection; }
  ZOdevuvCharacter* GetEntranceArrow() const override { return entranceArrow; }
  ZOdevuvCharacter* GetExitArrow() const override { return exitArrow; }
  ParticleEffects* GetParticleEffects() const override { return particleEffects; }
  void SetTrainFrontPosition(const plat::Vec3& position) override { trainFrontPosition = position; }
  void SetTrainRearPosition(const plat::Vec3& position) override { trainRearPosition = position; }
  // The hover test of the placed objects' update reads the cursor as the
  // frame's input left it (moving it again per object would move it too far).
  bool IsHoverPicking() const override { return hoverPicking != 0; }
  bool IsMouseOverObject(const CAttraction& object) const override;
  CAttraction* GetHoveredObject() const override { return hoveredObject; }
  void SetHoveredObject(CAttraction* object) override { hoveredObject = object; }
  // The picture of an icon kind (0 upgrade, 1 film), read once on first
  // use; null when it does not load.
  std::shared_ptr<plat::Texture> GetBillboardIconTexture(int32_t kind);

  // --- Scene value primitives (the saved games' values) ---------------------
  void WriteInt32(SceneStream& stream, int32_t value) const { stream.WriteInt32(value); }
  int32_t ReadInt32(SceneStream& stream) const { return stream.ReadInt32(); }
  void WriteBool(SceneStream& stream, bool value) const { stream.WriteBool(value); }
  bool ReadBool(SceneStream& stream) const { return stream.ReadBool(); }
  void WriteString(SceneStream& stream, const EngineString& value) const { stream.WriteString(value); }
  EngineString ReadString(SceneStream& stream) const { return stream.ReadString(); }

  // --- The player's hand: input, mouse, footprints, placement -------------
  // Keyboard camera, the cursor and the mouse buttons as messages, each
  // offered to the GUI and then to OnMouseMessage (MainObjectInput.cpp).
  // The cursor moved by twice the mouse's movement, kept on the screen (the
  // device's size, inclusive); without the input singleton it stays.
  struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
  };
  ScreenPoint ClampScreenPosition();
  // The cursor as the last ClampScreenPosition left it; reading it polls
  // nothing.
  ScreenPoint GetCursorPosition() const { return cursor; }
  // The keyboard's part of PollInput; the buttons held as a message's
  // wParam; a message offered to the GUI (true when an element took it);
  // one button's message of this frame, passed on when no element took it.
  void PollKeyboard();
  uint32_t HeldButtons() const;
  bool OfferMouseMessage(unsigned message, uint32_t lParam);
  void SendButtonMessages(int button, uint32_t lParam);
  // The land's answer to the mouse messages that no GUI element took:
  // camera drag, the placement preview, paths, placing and picking
  // (MainObjectMouse.cpp).
  // Virtual so that a test can watch what reaches it.
  virtual void OnMouseMessage(uint32_t message, uint32_t wParam, uint32_t lParam);
  // The parts of OnMouseMessage (MainObjectMouse.cpp).
  void OnMouseMove(ScreenPoint at);
  void DragCamera();
  void MovePreview(ScreenPoint at);
  void TurnPreview();
  void MovePathCursor(ScreenPoint at);
  void OnRightClick(ScreenPoint at);
  void RemovePathAt(ScreenPoint at);
  void LayPathAt(ScreenPoint at);
  void PlacePreview();
  void PickCharacterAt(ScreenPoint at);
  void PickIconAt(ScreenPoint at);
  // The object's film fills the screen; nothing changes when it does not
  // start.
  void PlayFilmOf(const CAttraction& object);
  void PutToolsAway();
  void RebuildFootpaths();
  // The land point, or the cell, under the screen point; false for none.
  bool PickLand(ScreenPoint at, plat::Vec3* hit) const;
  bool PickCell(ScreenPoint at, int32_t* i, int32_t* j) const;
  // A selected placed object other than the main entrance lets go of its
  // selection and redraws its footprint.
  void ReleaseMainEntranceSelection();
  // Build-tool modes and icon kinds.
  static constexpr int32_t kPickCharacterMode = 1;
  static constexpr int32_t kDemolishMode = 2;
  static constexpr int32_t kFilmIcon = 1;
  // The placed object whose billboard icon is under the screen point (its
  // icon kind in *kind), or null (MainObjectMousePicks.cpp).
  CAttraction* HitTestObjects(int32_t x, int32_t y, int32_t* kind) const;
  // The character under the screen point, or null.
  REraduzizVisitor* HitTestCharacters(int32_t x, int32_t y) const;
  // True when the value stands in the goal-object list.
  bool IsInObjectList(int32_t value) const;

  // Footprints on the cell grid (MainObjectCellGrid.cpp); nothing without
  // a land. The cells under the object that hold its number become free.
  void ClearPlacedObjectCells(const CAttraction& object);
  // The cells under the object take its number.
  void MarkPlacedObjectCells(const CAttraction& object);
  // True when a cell under the active preview holds an object, or a path
  // unless the preview is of a kind that stands on paths.
  bool IsFootprintBlocked() const;
  // Green (free) and red (blocked) squares under the active preview, for
  // the scene pass; the two images load on the first draw.
  void DrawObjectFootprints();
  std::shared_ptr<plat::Texture> freeCellTexture;
  std::shared_ptr<plat::Texture> blockedCellTexture;
  uint8_t footprintTexturesLoaded = 0;
  // The blocked test of one cell under the preview (terrain and preview
  // must exist).
  bool IsCellBlockedForPreview(int32_t i, int32_t j) const;

  // Placement and planting (MainObjectMousePlacement.cpp).
  // The object takes the data of the named type; a name that is not in the
  // catalogue changes nothing (false).
  bool PlaceObjectOfType(CAttraction& object, EngineString typeName);
  // Plants a plant of kind 0..28 at the point; any other kind, or a kind
  // whose type is missing from the catalogue, plants nothing (null).
  CAttraction* PlantAt(float x, float y, float z, int32_t kind);
  // Buys and places an object made from the item (normally the placement
  // preview); null, with nothing changed, when the cash does not cover its
  // price.
  CAttraction* PlaceBuildItem(const CAttraction& item);
  // Counts one more plant: every third raises the plant count.
  void CountPlanting();

  // ===== Members, by role ===================================================

  // 1. Render-feature bytes (from the settings file at start), the
  // loading-screen byte and the far-cut byte; all 1 after construction.
  uint8_t shadowEnabled = 1;
  uint8_t reflectionEnabled = 1;
  uint8_t refractionEnabled = 1;
  uint8_t particlesEnabled = 1;
  uint8_t fogEnabled = 1;
  uint8_t animalsEnabled = 1;
  uint8_t loadingScreenActive = 1;
  uint8_t farCutEnabled = 1;
  // The options screen's video level (0..2) that chose the features.
  int32_t videoLevel = 0;

  // 2. Projection matrix, set by the resource set-up.
  plat::Matrix projection{};

  // 3. The window message the window procedure saw last.
  plat::Message lastMessage;

  // 4. The ledger and the food catalogue (made by the constructor).
  CLedgerTree* ledgerTree = nullptr;
  CLedgerRecordList* ledgerRecords = nullptr;
  CFoodCatalog* foodCatalog = nullptr;

  // 5. Selection and placement state of the mouse handler.
  uint8_t leftDragging = 0;
  uint8_t placingItem = 0;
  uint8_t placementAllowed = 0;
  uint8_t layingPath = 0;
  uint8_t removingPath = 0;
  uint8_t pickMode = 0;
  plat::Vec3 pickedPoint{};
  plat::Vec3 pickedCellCentre{};
  plat::Vec3 previewPosition{};
  plat::Vec3 pathCursorPosition{};
  plat::Vec3 dragStart{};
  plat::Vec3 dragCurrent{};
  plat::Vec3 lastHitPoint{};
  // The tools of the game bar: the path style (-1 none, 0 narrow, 1 wide),
  // the tool cell byte, the two selection bytes of the path and demolish
  // bars, the two tool bytes, the build-tool mode (0 none, 1 pick a
  // character, 2 demolish), the main entrance's selection, the picked
  // character and whether the visitor panel shows.
  static constexpr int32_t kNoPathStyle = -1;
  int32_t pathStyle = kNoPathStyle;
  uint8_t type2CellTool = 0;
  uint8_t pathMenuShown = 0;
  uint8_t demolishMenuShown = 0;
  uint8_t toolBytes[2] = {};
  int32_t buildToolMode = 0;
  uint8_t mainEntranceSelected = 0;
  REraduzizVisitor* pickedCharacter = nullptr;  // borrowed
  uint8_t visitorPanelShown = 0;
  // The placed object under the cursor (borrowed; null for none), and
  // whether the placed objects test the cursor against themselves (only
  // while no tool is in the player's hand).
  CAttraction* hoveredObject = nullptr;
  uint8_t hoverPicking = 0;
  // The mouse handler's cursor, the cursor at its last message and the
  // Ctrl rotation's count of moves.
  ScreenPoint mouseCurrent;
  ScreenPoint mousePrevious;
  int32_t rotationMoves = 0;

  // 6. Camera views of the park events' camera paths (made by the resource
  // set-up).
  std::vector<CameraViewRecord> cameraViews;

  // 7. Height of the water plane.
  float waterLevel = kWaterLevel;

  // 8. The working directory at construction, without a trailing separator;
  // every data path is this directory followed by a game path.
  EngineString baseDirectory;

  // 9. Zoom step of the mouse wheel, and the mouse handler's two floats.
  float zoomStep = 0.0f;
  float mouseYaw = 0.0f;
  float mousePitch = 0.0f;

  // 10. Light colours, set by the resource set-up.
  float ambientRed = 0.0f, ambientGreen = 0.0f, ambientBlue = 0.0f;
  float diffuseRed = 0.0f, diffuseGreen = 0.0f, diffuseBlue = 0.0f;

  // 11. The selected placed object (borrowed; null when none).
  CAttraction* selectedObject = nullptr;

  // 12. The world: terrain, path finder, footpath mesh, character manager
  // (made by its loading thread), park events, scenarios, particle effects,
  // placement preview, water and lens-flare textures, the two water render
  // targets, the five single scene objects and the birds.
  static constexpr int kWaterTextureCount = 6;
  static constexpr int kLensFlareCount = 5;
  CHeightMapHandlerClass* terrain = nullptr;
  CPathFinder* pathFinder = nullptr;
  CPorvikRoad* road = nullptr;
  std::atomic<CPorvikAiClass*> aiManager{nullptr};
  REraduzizEventClass* parkEvents = nullptr;
  CPorvikScenarios* scenarios = nullptr;
  ParticleEffects* particleEffects = nullptr;
  CAttraction* placementPreview = nullptr;  // made by the world loading
  ZOdevuvTexture* waterTextures[kWaterTextureCount] = {};
  ZOdevuvTexture* lensFlareTextures[kLensFlareCount] = {};
  ZOdevuvTexture* reflectionTarget = nullptr;
  ZOdevuvTexture* refractionTarget = nullptr;
  ZOdevuvGameObject* roadFlag = nullptr;
  ZOdevuvGameObject* skyDome = nullptr;
  ZOdevuvGameObject* parkEntrance = nullptr;
  ZOdevuvGameObject* baseMap = nullptr;
  ZOdevuvGameObject* baseTrees = nullptr;
  std::vector<CAnimals*> birds;  // owned
  // The water square with its noise phase (MainObjectWater.cpp draws it).
  CWaterSurface water;
  // The water in the main pass: the two water images when their passes are
  // on, else the stand-by textures.
  void RenderWater();

  // 13. The placed objects; cells store their ids.
  CPlacedObjectList placedObjects;

  // 14. Load-progress count: loadProgressCounter of the GuiActionSink base.

  // 15. Fog of the ambience: linear from start to end, else exponential.
  float fogStart = 100.0f;
  float fogEnd = 800.0f;
  float fogDensity = 0.0001f;
  uint8_t linearFog = 1;

  // 16. Offset of the loading marker, 0..65 pixels.
  int32_t loadingMarkerOffset = 0;

  // 17. The two lists of placed records (saved in the park file).
  std::vector<PlacedRecord> placedRecords;
  std::vector<PlacedRecord> historyRecords;

  // 18. Game-state bytes.
  uint8_t playMode = 0;            // a game runs
  uint8_t inGameVideoPlaying = 0;  // an in-game video plays
  uint8_t inGameVideoStarted = 0;
  uint8_t scenarioRunning = 0;
  std::atomic<uint8_t> initialLoadingStarted{0};
  uint8_t sceneLoading = 0;  // a scene file is being read
  uint8_t saving = 0;        // a game is being saved
  uint8_t tutorialMode = 0;

  // 19. The game clock: the game date, the previous date, the clock's stamp,
  // the hour and two further time words.
  int32_t systemYear = 0;  // the system clock's year at construction
  GameDate gameDate;
  GameDate previousDate;
  GameDateTime clockStamp;
  int32_t gameHour = kStartHour;
  int32_t gameMinute = 0;
  int32_t gameSecond = 0;

  // 20. Two tick stamps, the save/load list's selected row (-1: none), one
  // more word set to -1, a scale of 1.0 and one string.
  uint32_t startTicks = 0;
  uint32_t weatherTicks = 0;
  int32_t saveListSelectedRow = -1;
  int32_t saveListFirstRow = -1;
  float timeScale = 1.0f;
  EngineString currentSceneName;

  // 21. The mode scenes (filled by the world-loading sequence).
  EngineString normalModeScene;
  EngineString advancedModeScene;
  EngineString thirdModeScene;

  // 22. Video texture, loading-screen images, cursor images, two more
  // textures.
  static constexpr int kLoadingImageCount = 4;
  static constexpr int kCursorImageCount = 5;
  ZOdevuvTexture* videoTexture = nullptr;
  ZOdevuvTexture* loadingImages[kLoadingImageCount] = {};
  ZOdevuvTexture* cursorImages[kCursorImageCount] = {};
  ZOdevuvTexture* extraTextures[2] = {};

  // 23. In-game screens and windows, borrowed from `screens` (which owns
  // them; null until the world loading creates them). The second food
  // catalogue is owned; the two captions are borrowed elements.
  REraduzizBuildBook* buildBook = nullptr;
  REraduzizObjectWindow* objectWindow = nullptr;
  REraduzizMessageWindow* messageWindow = nullptr;
  REraduzizScenarioWindow* scenarioWindow = nullptr;
  CGuiElement* captionZeroPercent = nullptr;
  CGuiElement* captionHundredPercent = nullptr;
  REraduzizBuffetScreen* buffetScreen = nullptr;
  REraduzizFastFoodScreen* fastFoodScreen = nullptr;
  REraduzizRestaurantScreen* restaurantScreen = nullptr;
  REraduzizFoodFeltetScreen* foodFeltetScreen = nullptr;
  REraduzizSummaryScreen* summaryScreen = nullptr;
  REraduzizTicketScreen* ticketScreen = nullptr;
  REraduzizShopScreen* shopScreen = nullptr;
  REraduzizStaffScreen* staffScreen = nullptr;
  REraduzizRepairEventScreen* repairEventScreen = nullptr;
  REraduzizBuilUpgScreen* builUpgScreen = nullptr;
  REraduzizUpgradeScreen* upgradeScreen = nullptr;
  REraduzizSpeedWindow* speedWindow = nullptr;
  REraduzizKioskScreen* kioskScreen = nullptr;
  REraduzizOptionsScreen* optionsScreen = nullptr;
  REraduzizStatisticScreen* statisticScreen = nullptr;
  REraduzizHotMealScreen* hotMealScreen = nullptr;
  REraduzizPickOneScreen* pickOneScreen = nullptr;
  REraduzizPickFiveScreen* pickFiveScreen = nullptr;
  REraduzizPickFourScreen* pickFourScreen = nullptr;
  REraduzizTutorialScreen* tutorialScreen = nullptr;
  CFoodCatalog* secondFoodCatalog = nullptr;

  // 24. The two loading threads; joined before anything they touch goes.
  std::unique_ptr<plat::WorkerThread> initialLoadingThread;
  std::unique_ptr<plat::WorkerThread> aiManagerThread;

  // 25. Loading font, bird models and the two arrow models.
  static constexpr int kBirdModelCount = 5;
  ZOdevuvText* loadingFont = nullptr;
  ZOdevuvCharacter* birdModels[kBirdModelCount] = {};
  ZOdevuvCharacter* exitArrow = nullptr;
  ZOdevuvCharacter* entranceArrow = nullptr;

  // 26. Twelve lists of string pairs (thought sentences and the like).
  static constexpr int kStringPairListCount = 12;
  std::vector<std::pair<EngineString, EngineString>> stringPairLists[kStringPairListCount];

  // 27. Money and park counters: the cash, the counter that starts at 26
  // (passed to the empty placed record), the six park counters (the fifth
  // starts at 100), the park mood sum and its three band counters, the
  // entrance price, the points, the greenery and clean percentages and the
  // path cell counts.
  static constexpr int kParkCounterCount = 6;
  static constexpr int32_t kRecordCounterStart = 26;
  static constexpr int kParkCounterFifth = 4;
  static constexpr int32_t kParkCounterFifthStart = 100;
  static constexpr int32_t kParkMoodSumStart = 80;
  int32_t cash = 0;
  // What the visitors paid at the snack bars, restaurants and sweet shops.
  struct SalesTotals {
    int32_t snacks = 0;
    int32_t meals = 0;
    int32_t sweets = 0;
  };
  SalesTotals salesTotals;
  int32_t recordCounter = kRecordCounterStart;
  int32_t parkCounters[kParkCounterCount] = {0, 0, 0, 0, kParkCounterFifthStart, 0};
  ParkMoodTotals moodTotals{kParkMoodSumStart, {}};
  static constexpr int32_t kEntrancePriceStart = 26;
  int32_t entrancePrice = kEntrancePriceStart;
  int32_t points = 0;
  int32_t greeneryPercent = 0;
  int32_t lastCleanPercent = 0;
  int32_t litteredPathCells = 0;
  int32_t pathCells = 0;
  // The counter that a game reset sets back to 10, and the two after it.
  static constexpr int32_t kResetCounterStart = 10;
  int32_t resetCounter = kResetCounterStart;
  int32_t resetCounterNext[2] = {};

  // 28. Ambience colour and level.
  float ambienceColour[3] = {240.0f, 240.0f, 240.0f};
  float ambienceLevel = 70.0f;

  // The weather (MainObjectWeather.cpp): a shower every quarter of an hour
  // of play, announced by fog that darkens over frames (the ambience colour
  // and level above) and ended by fog that clears. The wait and the shower
  // count on weatherTicks.
  uint8_t raining = 0;
  uint8_t rainStartPending = 0;
  uint8_t rainStopPending = 0;
  uint8_t weatherArmed = 0;
  int32_t rampFrames = 0;
  // Once a frame: arms the weather after the dry wait, asks for the rain
  // while armed and dry, and for its end once the shower has lasted.
  void UpdateWeatherClock();
  // Once a frame in the player's view: the darkening before the rain and
  // the clearing after it, each switching the rain at its end.
  void UpdateRainRamps();
  // Switches the rain's particles and its looping sound on or off; on, the
  // ambient sounds take the options screen's effect level, or all sounds
  // fall silent while the game is not being played.
  void ToggleRain();
  bool IsRaining() const { return raining != 0; }
  // Raining, or darkening before the rain: the sun is hidden.
  bool IsSkyOvercast() const { return raining != 0 || rainStartPending != 0; }
  // The sound level of the ambient sounds for an effect value.
  static int32_t AmbientLevelFor(int32_t effectValue);
  // A scene file was read: the dry wait starts again from now.
  void RestartWeatherWait();

  // 29. Game speed: 1 normal, 4 fast, 0 stopped.
  int32_t gameSpeed = 1;

  // 30. Pause bytes: the simulation-halted byte (1 after construction;
  // the frame update does nothing while it is set) and the options pause.
  uint8_t simulationHalted = 1;
  uint8_t optionsPaused = 0;

  // 31. High resolution (settings), resources ready, frame counter (counts
  // the first frames after a start or a scene load, up to 11).
  uint8_t highResolution = 0;
  uint8_t resourcesReady = 0;
  int32_t frameCounter = 0;

  // 32. Loading-thread bytes and the intro stages.
  std::atomic<uint8_t> aiManagerStarted{0};
  std::atomic<uint8_t> aiManagerDone{0};
  std::atomic<uint8_t> initialLoadingDone{0};
  uint8_t introStages[4] = {};

  // 33. The large counter read by the character manager's drawing.
  int32_t drawCounter = 9999999;

  // 34. The event render window's texture (element 10395's; borrowed).
  ZOdevuvTexture* eventRenderTexture = nullptr;

  // 35. Set while one of the game's modal screens is open.
  uint8_t modalScreenOpen = 0;
  // The name lists and thought sentences the characters draw from.
  CharacterTexts characterTexts;

  // 36. The three hover-tested elements 10433, 10063 and 10066 (borrowed).
  CGuiElement* hoverElements[3] = {};

  // The key codes the last keyboard poll found down, the Ctrl byte, the
  // cursor, the last position sent and each button's held and released
  // bytes (left, right, middle).
  std::vector<int> pressedKeys;
  uint8_t controlKeyDown = 0;
  ScreenPoint cursor;
  ScreenPoint lastSentCursor;
  struct ButtonState {
    uint8_t held = 0;
    uint8_t released = 0;
  };
  static constexpr int kMouseButtonCount = 3;
  ButtonState buttons[kMouseButtonCount];
  // Plants: the planting counter (every third plant counts), the plant
  // count; the greenery percentage is the count held to 100.
  static constexpr int32_t kMaxGreeneryPercent = 100;
  int32_t plantingCounter = 0;
  int32_t plantCount = 0;

  // The hired staff, one record per character (the staff window keeps it).
  std::vector<PlacementRecord> placedCharacters;

  // 37. The saved-game list and further lists.
  std::vector<EngineString> savedGames;
  std::vector<EngineString> loaderStrings;

  // The screen-command members: the object-type catalogue, the
  // build book's open byte, the three one-shot close flags (command execution,
  // summary screen, upgrade screen), the click-action list.
  CObjectTypeCatalog objectTypes;
  uint8_t buildBookOpen = 0;
  uint8_t closeFlagCommands = 0;
  uint8_t closeFlagSummary = 0;
  uint8_t closeFlagUpgrade = 0;

  // The billboard icons over placed objects, and their two pictures.
  std::vector<BillboardEntry> billboards;
  std::shared_ptr<plat::Texture> billboardIconTextures[2];
  uint8_t billboardIconTexturesRead[2] = {};
  // The steam train's front and rear, kept by its drawing for the visitors
  // who cross its track.
  plat::Vec3 trainFrontPosition, trainRearPosition;

  // --- In-game screens (MainObjectScreenSet.cpp) ---------------------------
  // The world-loading step that creates every screen.
  void CreateScreens();
  // Names the screens the screen set made in the members.
  void AdoptScreens();
  // Captions of the elements that no screen captions itself.
  void ChangeText();
  // Per frame once the loading is over: the status panel's figures.
  void RefreshCashDisplay();
  // After a change: every text of the status area.
  void RefreshStatusDisplay();
  void RefreshStatusAfterChange();
  // The screens' part of the command handler, after its own buttons.
  void OfferToScreens(GuiCommand* command);
  // The GUI description scaled for a screen size ("\guifiles\GuiXML_800x600.xml").
  static EngineString GuiDescriptionFor(int32_t width, int32_t height);
  // Loads the description of the device's screen size when the park has
  // one, else the standard one (laid out for 1024 by 768).
  void LoadGuiDescription(CGuiXmlLoader& loader);

  // Flags of the screens that no other part keeps (the others are the
  // modal, build-book, placing, play-mode and tutorial bytes).
  uint8_t messageWindowOpen = 0;
  // The options page is open; the save and load page's word.
  uint8_t optionsOpen = 0;
  int32_t savePage = 0;
  uint8_t returnToScenario = 0;
  uint8_t foodMenuOpen = 0;
  uint8_t foodMenuBuffet = 0;
  uint8_t firstVisitorsNoticeGiven = 0;
  uint8_t savedGameLoaded = 0;
  // The park events' arming once the first visitors are in: the tick they
  // count from, the delay (ms) and the game minute of the arming.
  uint32_t eventStartTick = 0;
  int32_t eventTimer = 0;
  int32_t eventTimerMinute = 0;
  // The screens and what they see of this object; made with the object,
  // the screens themselves by InitClasses.
  std::unique_ptr<MainObjectScreenHost> screenHost = std::make_unique<MainObjectScreenHost>(*this);
  std::unique_ptr<ScreenSet> screens = std::make_unique<ScreenSet>(*screenHost);
  // What the park's characters see of the game; made with the object and
  // installed for them while it lives.
  std::unique_ptr<CMainObjectCharacterWorld> characterWorld =
      std::make_unique<CMainObjectCharacterWorld>(*this);
  // What the park events see of the game; made with the object and
  // installed for them while it lives.
  std::unique_ptr<CMainObjectParkEventHost> parkEventHost = std::make_unique<CMainObjectParkEventHost>(*this);
  // What the visitors' pass sees of the park (clock, entrance fee, objects,
  // ledger); made with the object and installed while it lives.
  std::unique_ptr<CMainObjectVisitorPark> visitorPark = std::make_unique<CMainObjectVisitorPark>(*this);

  // --- Scenarios and the game clock (app/MainObjectScenarios.cpp) --------
  // The world-loading step after the park events: the scenario catalogue,
  // read from the scenarios file of the base directory.
  void InitScenarios();
  // Once per frame after the status refresh: advances the game clock, then,
  // while a scenario runs, decides its goal.
  void CheckScenarioGoals();
  // The goal check's part of starting a scenario: it runs, no month has
  // passed, no VIP visitor has been announced, and the clock counts from now.
  void StartScenarioGoals();
  // The months the game date has moved on from the date before, counted
  // while a scenario runs. The park's jump from its closing to the next
  // morning moves the date past the clock's own midnight, so it counts
  // here.
  void CountScenarioMonths(const GameDate& before);
  // Starts the scenario at the index from the scenario window: the park of
  // a new game with the scenario's money, its scene loaded below
  // "\Scenes\" (the high-resolution one when that setting is on), and its
  // clock running. False, with nothing changed, for an index outside the
  // catalogue or a scene name that leaves the scenes folder
  // (MainObjectScenarioStart.cpp).
  bool StartScenario(int32_t index);

  // The clock: the tick of its last advance and the game time owed since
  // (elapsed milliseconds times speed times game seconds per real second,
  // below one game second); the second counter shown this frame and the
  // frame before; the value of each unit that ended at its last roll-over.
  uint32_t lastClockTick = 0;
  int64_t clockCarry = 0;
  int32_t shownSecond = 0;
  int32_t secondBefore = 0;
  int32_t previousMinute = 0;
  int32_t previousHour = 0;
  int32_t previousDay = 0;
  int32_t previousMonth = 0;
  int32_t previousYear = 0;
  // Game months since the running scenario started.
  int32_t scenarioMonths = 0;
  // Set when the player takes an item from the build book and when an item
  // is set down; the goal check clears it.
  uint8_t buildItemSelected = 0;
  // The picked-item kinds (1, 4, 5) of the VIP visitors the player found, in
  // order, and how many of them have been announced (0, 1 or 2).
  std::vector<int32_t> foundVipKinds;
  int32_t vipMilestone = 0;
  // The visitors in the park, refreshed every frame; their moods are summed
  // in moodTotals.
  int32_t visitorCount = 0;

  // --- Saved games (MainObjectSaveFiles.cpp, MainObjectSavedGames.cpp) -----
  // A saved game is four files of one path: the scene (".pys": placed
  // objects, cells, the character manager's block, footpaths), the park
  // (".pfs": foods, screen slots, history lists, money and dates, ledger),
  // the run state (".pai": tutorial, objects' run state, clocks and
  // counters, characters) and, while a scenario runs, the scenario (".pas").
  static constexpr const char* kSceneExtension = ".pys";
  static constexpr const char* kParkExtension = ".pfs";
  static constexpr const char* kAiExtension = ".pai";
  static constexpr const char* kScenarioExtension = ".pas";
  static constexpr const char* kSavedGamesFolder = "\\Scenes\\Saved";
  // A game whose path holds this word is a scenario game.
  static constexpr const char* kScenarioPathWord = "Scenarios";
  // The most placed objects, run states and characters a file may hold.
  static constexpr int32_t kMaxSavedObjects = 16384;
  static constexpr int32_t kMaxSavedCharacters = 65536;
  static constexpr int32_t kMaxSavedHistory = 65536;
  // The save/load screen's rows (first, second, third) and the tutorial
  // start window.
  static constexpr int32_t kSaveListGrids[3] = {10261, 10260, 10259};
  static constexpr int32_t kTutorialStartWindow = 10075;
  // The companion of a scene path with another extension.
  static EngineString CompanionPath(const EngineString& scenePath, const char* extension);

  // The writers write one file each; a file that cannot be written gives
  // false (and a message box). The blocks go to an open stream.
  bool WriteSceneFile(EngineString path);
  bool WriteParkFile(EngineString path);
  bool WriteAiFile(EngineString path);
  bool WriteScenarioFile(EngineString path);
  void WriteSceneBlocks(SceneStream& stream);
  void WriteParkBlocks(SceneStream& stream);
  void WriteAiBlocks(SceneStream& stream);
  void WriteScenarioBlocks(SceneStream& stream);
  // The readers of one file each, straight into the running park: false
  // when the file does not open or its data breaks off or is corrupt.
  // Callers that must keep the park on a bad file use LoadSavedGame.
  bool ReadSceneFile(EngineString path);
  bool ReadSceneFoods(EngineString path);
  bool ReadSceneVisitors(EngineString path);
  bool ReadScenarioFile(EngineString path);
  bool ReadSceneBlocks(SceneStream& stream);
  bool ReadParkBlocks(SceneStream& stream);
  bool ReadAiBlocks(SceneStream& stream);
  bool ReadScenarioBlocks(SceneStream& stream);
  // One character's id, kind, position and record of the run-state file.
  void WriteParkCharacters(SceneStream& stream, const REraduzizVisitor& character) const;
  // Reads a record into the character; without one into a stand-in that is
  // dropped, so that the stream stays in step.
  bool ReadVisitorRecord(REraduzizVisitor* character, SceneStream& stream);
  // Every placed object goes as a removed one does (MainObjectRemoval.cpp):
  // its sounds, cells, icons, park event, greenery, capacity and the
  // visitors' record of it. Quitting and a new game or lesson use it.
  void RemoveAllObjects();
  // Reading a scene file: the goal-object list and every icon first, then
  // every object as above, with its second sound too.
  void RemoveAllObjectsAndIcons();
  // Writes the files of a saved game (the scenario file when asked) under
  // temporary names beside them and renames them into place only when all
  // were written, the scene file last; false (and a message) otherwise,
  // and whatever stood at the path before stays.
  bool WriteSavedGame(const EngineString& scenePath, bool withScenario);
  // Reads the files of a saved game into the park. A file that is missing,
  // cut short or corrupt leaves the park as it was and shows a message.
  bool LoadSavedGame(const EngineString& scenePath, bool withScenario);
  // The scene file alone (a new game's start scene), kept as safe.
  bool LoadSavedScene(const EngineString& scenePath);
  // The first `count` files of a saved game in reading order (scene, park,
  // run state, scenario).
  bool LoadSavedParts(const EngineString& scenePath, int count);
  // What a saved game does not hold, set for the park just read: it has
  // worn for the hour it was saved in (the objects wear again at the next
  // hour), and its clock goes on from now, not from the last tick it
  // counted before the load (the menus' time).
  void ResumeAfterRead();
  // Whether the first `count` files are there; a missing one is named in a
  // message.
  bool HasSavedParts(const EngineString& scenePath, int count) const;
  // Part 0 scene, 1 park, 2 run state, 3 scenario, to or from a stream.
  void WriteSavedPart(int part, SceneStream& stream);
  bool ReadSavedPart(int part, SceneStream& stream);

  // Saves the running game under a name made of the prefix and the time.
  bool SaveScene();
  // The saved game's name for a prefix and a UTC time.
  static EngineString SavedGameName(const EngineString& prefix, const plat::SystemTime& time);
  // Appends every saved game below the folder (sub-folders too) that is not
  // listed yet.
  void ListSceneFiles(EngineString folder);
  void ReloadSaveLoadScreen();
  // Loads the game of the selected row; false when nothing was loaded.
  bool LoadScene();
  void ShowWindow10075ByFlag();
  // The tutorial screen's marks follow its step count.
  void ApplyTutorialMarks();

  // --- Tutorial and new game (MainObjectTutorial.cpp) ----------------------
  // The player's copy of the tutorial scenes, and the shipped ones.
  static constexpr const char* kTutorialProgressFolder = "\\Scenes\\Saved\\tutorial\\";
  static constexpr const char* kTutorialFolder = "\\Scenes\\tutorial\\";
  static constexpr int32_t kNewGameCash = 30000;
  static constexpr int32_t kNewGameCapacity = 270;
  // The tutorial scene of a level: the player's saved progress when it
  // exists, else the shipped scene.
  EngineString TutorialScenePath(int32_t level) const;
  void ApplyTutorialSettings();
  void StartTutorial();
  void StartNewGame(bool asTutorial);

  // The saved games' members: the tutorial progress flag, the scene-changed
  // flag (the frame clears it), the tick of the last scene read and of the
  // game's start and the screens' saved slots.
  uint8_t tutorialProgress = 0;
  uint8_t sceneChanged = 0;
  uint32_t sceneLoadTick = 0;
  uint32_t gameStartTick = 0;
  SavedScreenSlots screenSlots;

 private:
  // 21 March of the year, 10:00, on every date of the clock.
  void SetStartDate(int32_t year);
  // The resource set-up's steps (MainObjectResources.cpp).
  void SetUpCamera();
  void SetUpSun();
  void LoadEffects();
  void SetUpRenderStates();
  void LoadScreenImages();
  void LoadBuildBaseMarkers();
  void LoadMusicAndSounds();
  // The world loading's steps (MainObjectLoadingWorld.cpp).
  void CreateLand();
  void HookFootpathRebuild();
  void CreateWaterAndFlares();
  void LoadSingleObjects();
  void CreateBirds();
  void LoadObjectTypes();
  void CreateGameScreens();
  void SetModeScenes();
  void SetProgressCaptions();
  // The intro's steps (MainObjectIntro.cpp).
  void PlayIntroStage(int stage);
  void SetIntroVideoRect();
  void FinishIntroStage(int stage);
  void ApplyMusicSettings();
  void DrawLoadingScreen();
  void EndLoading();
  void WatchInGameVideo();
  // The passes' steps (MainObjectRender*.cpp).
  void SetCameraTransforms();
  void RenderShadowPass(float seconds);
  void SetPassRenderStates();
  void RenderSkyDome(float seconds);
  void FadeMusicNear(float nearestSquared);
  void RenderBillboards();
  void ApplyFog();
  void MoveCursorWithMouse();
  void DrawCursor();
  bool BeginWaterImage(ZOdevuvTexture* target, std::shared_ptr<plat::Surface>& previous);
  void EndWaterImage(float seconds, const std::shared_ptr<plat::Surface>& previous);
  void StartLoadingThreads();
  void UpdateParticles(float seconds);
  void DeleteBillboards();

  mutable std::mutex m_actionMutex;
  std::vector<GuiAction> m_guiActions;
};

// The main object while it exists (null before and after).
extern VAvazadOvurUrovi* g_game;

// Books one record into the main object's ledger; nothing while there is no
// main object.
void AddLedgerRecord(int32_t flag, int32_t category, int32_t kind, int32_t subject, int32_t year, int32_t month,
                     int32_t day, int32_t hour, int32_t amount, int32_t flag2);
