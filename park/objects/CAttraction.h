#pragma once
// One building standing in the park (a ride, a shop, a plant, the entrance)
// or the placement template that follows the mouse: where it stands, the
// object type it was made from, the models that draw it, its visitor paths,
// its ride state and its state for saving. Models, figures and park events
// belong to the object types; the object only points at them.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/objects/ObjectSetupRecord.h"
#include "park/objects/RideTrack.h"
#include "platform/math/Types.h"

class CParkModel;
class ObjectTypeDescriptor;
class ParkEvent;
class SceneStream;
class ZOdevuvCharacter;
class ZOdevuvGameObject;

// A figure (or model) of the object that park events show and animate.
struct NamedPart {
  uint8_t active = 1;
  EngineString name;
  ZOdevuvCharacter* object = nullptr;
  CParkModel* model = nullptr;
  uint32_t value = 0;
};

using RidePath = std::vector<plat::Vec3>;

class CAttraction {
 public:
  static constexpr float kNoSavedHeight = -1000.0f;
  static constexpr int kStepFlagCount = 15;
  static constexpr int kLevelCount = 3;

  CAttraction();
  ~CAttraction();
  CAttraction(const CAttraction&) = delete;
  CAttraction& operator=(const CAttraction&) = delete;

  void Reset();
  void InitFromTemplate(const CAttraction& source);
  // Appends one path per name of the source's path-name lists, placed by
  // this object's position and rotation.
  void LoadRidePaths(const CAttraction& source);
  // Empties the model and record lists before the object goes.
  void FreeObjects();
  // The vehicles stay where they stand.
  void StopVehicles();
  // The figures stand still while the game is paused.
  void UpdatePauseByGameSpeed(int32_t gameSpeed);

  // Once a frame: opening hours, sound levels, wear, grow-in, seat figures
  // and the movement of the parts and vehicles.
  void Update(float dt);
  // A plant wears by the park hour and closes when worn out.
  void UpdateWear();
  void StartRun();
  void StopRun();
  // The largest bounding radius of the figures, animated models and parts.
  float GetBoundingRadius() const;

  // Ride cycles: a closed ride finishes its lap and waits in the station.
  void UpdateRide(float dt);
  void UpdateRideCycle(float dt);
  void UpdateRideCycleB(float dt);
  int32_t AdvanceRidePosition(float dt);
  // The ride's script: speed changes and sounds at fixed points of the lap,
  // on the train's progress (null vehicle) or the vehicle's own.
  void RunRideScript(RideVehicle* vehicle);
  void PlayScream();

  // Drawing, with the device's world transform kept. The main render draws
  // the opaque (pass 0) or translucent (pass 1) materials in the camera
  // pass (cameraPass 1) or the shadow-map pass (0); the water passes draw
  // the same with the models' default effects, without the glow, the arrows
  // or anything the rest of the game reads.
  void Render(float dt, uint8_t pass, uint8_t cameraPass);
  void RenderOffscreen(float dt, uint8_t pass);

  // Nothing is written when no set-up record has that name.
  void FindListEntryByName(EngineString name, plat::Matrix* matrix, plat::Vec3* pivot) const;
  bool HasNamedPart(EngineString name) const;
  ZOdevuvCharacter* GetNamedPart(EngineString name) const;
  uint32_t GetNamedPartValue(EngineString name) const;
  // The game object of the named part, or null.
  CParkModel* GetNamedPartModel(EngineString name) const;
  void UpdateAnchorPoints();

  // Park events (their host is g_parkEventHost): may start one of this
  // object's events.
  void TriggerRandomEvent();
  // The event's condition measured on the park; a condition that has not
  // held for a long time counts as met.
  bool IsEventConditionMet(ParkEvent* event);
  // The event animation of every named part of that name starts again from
  // its beginning.
  void RestartNamedPartAnimation(EngineString name);
  void ResetTransform(ZOdevuvGameObject* object);
  void AddSubObject(ZOdevuvGameObject* object);
  void ClearSlotFlags();

  // Track rides: the keyframes from the track file under the object
  // folder's paths, then the vehicles on them. A file that does not read
  // leaves the ride without keyframes, and so without vehicles.
  void LoadTrackFile(EngineString name);
  void CreateVehicles(int32_t count, int32_t spacing);

  // --- The saved game (CAttractionSave.cpp) ---------------------------------
  // The object's record of the scene file. An object an event has sunk is
  // written at its real height and then stands at exactly the sunk height.
  void WriteState(SceneStream& stream);
  // Reads a record into a fresh object; no event runs on it afterwards.
  // False at a stream error.
  bool ReadState(SceneStream& stream);
  // A loaded record becomes an object of its type again: the type's fields,
  // its points placed by the object's position and rotation, the ride
  // running, its icons, sounds and ride paths.
  void RestoreFromType(const ObjectTypeDescriptor& type);
  // The type's local points (gate, exit, special points, level flags)
  // turned by the object's rotation and moved to its position.
  void PlaceTypePoints(const ObjectTypeDescriptor& type);
  // The run-state entry of the run-state file: the object number, two run
  // flags and five run counters.
  void WriteRunState(SceneStream& stream) const;
  // Reads an entry into the object of its number among the objects; an
  // entry whose object is not there is read and dropped.
  static void ReadRunState(SceneStream& stream, const std::vector<CAttraction*>& objects);

  void SetPosition(float x, float y, float z) { position = {x, y, z}; }
  void SetRotation(float degrees) { rotation = degrees; }
  float GetRotation() const { return rotation; }
  void GetPosition(float out[3]) const;
  plat::Vec3 GetPositionStruct() const { return position; }
  bool IsMainEntrance() const { return isMainEntrance != 0; }
  void GetSecondPosition(float out[3]) const;
  int32_t GetPathCountA() const { return static_cast<int32_t>(inPaths.size()); }
  int32_t GetPathCountB() const { return static_cast<int32_t>(outPaths.size()); }
  bool HasVehiclesOrFlag() const { return !animatedObjects.empty() || hasVehicleModels; }
  // The visitors' questions. Closed to a visitor now: by the park hour
  // while an event runs, else for anything that is no ride, for the shows
  // watched from outside, for a ride between two runs, or by its own flag.
  bool IsClosed() const;
  // Always true; writes where the visitor with that queue place stands:
  // (q + 1) half units from the gate towards the footpath beside it, never
  // behind the gate. Without a footpath beside the gate nothing is written.
  bool AcceptsVisitor(int32_t place, plat::Vec3* out) const;
  // Points of in-path (A) or out-path (B) i: 0 for a path index out of
  // range; a point out of range is not written and the result is false.
  int32_t GetPathPointCountA(int32_t path) const;
  int32_t GetPathPointCountB(int32_t path) const;
  bool GetPathPointA(plat::Vec3* out, int32_t path, int32_t point) const;
  bool GetPathPointB(plat::Vec3* out, int32_t path, int32_t point) const;
  float GetMaxVehicleValue() const { return GetBoundingRadius(); }
  // A film to show: neither empty nor the "movie" marker.
  bool HasFilm() const;

  // Ride pose.
  plat::Vec3 trackPosition, trackPreviousPosition;
  plat::Matrix trackMatrix, trackPreviousMatrix;
  int32_t lastShownKeyframe = 0;

  // Ride cycle.
  uint32_t pauseStartTick = 0;
  uint32_t runStartTick = 0;
  uint8_t cyclePaused = 0;
  int32_t pauseLengthMs = 10000;
  int32_t runLengthMs = 30000;
  int32_t rideKind = 0;
  int32_t trackFirstFrame = 0, trackLastFrame = 0;
  int32_t trackSpeed = 0;  // keyframes' frames per second, changed by the ride scripts
  int32_t trackKeysPerFrame = 0;
  plat::Matrix trackFrameMatrix;
  int32_t vehicleSpacing = 0;
  int32_t keyframeCount = 0;
  uint8_t hasNoSetupRecords = 0;
  std::vector<TrackKeyframe> keyframes;
  float progress = 0;
  int32_t progressIndex = 0;
  uint8_t rideStopped = 0;
  int32_t vehicleCount = 0;
  std::vector<std::unique_ptr<RideVehicle>> vehicles;

  // Placement.
  plat::Vec3 position;
  float rotation = 0;
  int32_t objectNumber = 0;
  uint8_t hasVehicleModels = 0;
  uint8_t hasEffects = 0;
  uint8_t randomRotation = 0;
  uint8_t isMainEntrance = 0;
  uint8_t isClosed = 0;
  uint8_t isPreview = 0;
  uint8_t eventRunning = 0;
  int32_t state = 0;
  uint8_t growIn = 0, grownIn = 0;
  uint32_t growTick = 0;
  float growScale = 0;
  uint8_t swingDirection = 0;
  float animTime = -1.0f;
  uint8_t deletePending = 0;
  int32_t placeX = 1, placeY = 1;
  int32_t conditionClock = 0;
  uint8_t isBroken = 0;
  uint8_t waterEffectPlaced = 0;
  plat::Matrix worldMatrix;
  float cycleValues[2] = {};

  // Paths.
  std::vector<EngineString> inPathNames, outPathNames;
  float pathScratch[2] = {};
  plat::Vec3 pathScratchPoints[2];
  std::vector<RidePath> inPaths, outPaths;
  uint32_t runTick = 0;
  int32_t visitorCounter = 0;
  int32_t lastAdmittedPlace = 0;
  int32_t usedCount = 0;
  uint8_t visitorFlag = 0;
  int32_t queueLength = 0;
  // The visitors' service: a run under way (the queue gives up), an object
  // that serves without ride cycles, and how many walk its paths.
  uint8_t isRunning = 0;
  uint8_t continuousService = 0;
  int32_t pathUsers = 0;
  uint8_t eventAnimActive = 0;
  EngineString eventAnimName;

  // Objects.
  std::vector<CParkModel*> partObjects;
  std::vector<ZOdevuvGameObject*> animatedObjects;
  std::vector<ZOdevuvCharacter*> figures;  // the type's animated figures
  std::vector<NamedPart> namedParts;
  std::vector<std::unique_ptr<ObjectSetupRecord>> setupRecords;
  EngineString objectName;
  EngineString pathValue;
  CParkModel* level3Flag = nullptr;
  CParkModel* level2Flag = nullptr;
  CParkModel* level1Flag = nullptr;
  float savedHeight = kNoSavedHeight;
  plat::Vec3 gatePosition, exitPosition;
  int32_t visitorCapacity = 0;
  int32_t buildCost = 0;
  EngineString movieName;
  EngineString id;
  EngineString displayName;
  EngineString effectFile;
  int32_t level = 1;
  int32_t upgradeCost = 0;
  int32_t condition = 100;
  int32_t visitorsInside = 0;
  float savedFloat = 500.0f;
  uint8_t savedByte = 0;
  plat::Vec3 specPosition;
  float specRotation = 0;
  uint8_t specFlag = 0;
  plat::Vec3 specialEventLocation;
  int32_t scenarioMark = 0;
  plat::Vec3 levelFlagPositions[kLevelCount];
  uint8_t stepFlags[kStepFlagCount] = {};
  int32_t baseSpeed = 0;
  std::vector<ParkEvent*> events;
  ParkEvent* currentEvent = nullptr;
  uint8_t hasEvents = 0;
  uint8_t vehiclesBuilt = 0;
  uint8_t isHovered = 0;
  // Picked by the player, and its footprint to be drawn anew.
  uint8_t isSelected = 0;
  uint8_t footprintRedraw = 0;
  plat::Vec3 anchorA, anchorB;
  uint8_t anchorsValid = 0;
  uint8_t isHeld = 0;
  int32_t holdCount = 0;
  int32_t clockMinuteActed = -1;  // the park minute whose opening or closing was last acted on

 private:
  void EmptyLists();
  void UpdateOpeningHours();
  void PlaceSounds();
  void PlaceEventSound();
  // May let the object try one of its park events.
  void UpdateEventDecision();
  void UpdateGrowIn();
  void UpdateParts(float dt);
  void ShowSeatFigures(CParkModel& part) const;
  void UpdateTrackPart(ObjectSetupRecord& record, float dt, bool& rideRan);
  void UpdateTurningPart(CParkModel& part, ObjectSetupRecord& record, float dt);
  void TurnPart(ObjectSetupRecord& record, float dt);
  bool HasIndependentVehicles() const;
  void ShowVehicleAt(RideVehicle& vehicle, int32_t k);
  void PlaceVehicleSounds(const RideVehicle& vehicle);
  void MoveVehicle(RideVehicle& vehicle, float dt, uint32_t now);
  plat::Matrix ObjectMatrix(const plat::Matrix& w0) const;
  static plat::Matrix PartWorld(const CParkModel& part, const plat::Matrix& base);
  const RideVehicle* VehicleForModel(size_t k) const;
  void RenderVehicle(float dt, CParkModel& model, const RideVehicle& vehicle, const plat::Matrix& m,
                     int32_t mode) const;
  void RenderStaticPart(float dt, CParkModel& part, size_t index, const plat::Matrix& m,
                        const plat::Matrix& lastOrientation, uint8_t pass, uint8_t cameraPass);
  void PlaceVehicleEffects(const RideVehicle& vehicle, const plat::Matrix& m, bool first) const;
  void PlaceWaterFall(const plat::Matrix& m);
  void RenderFigures(float dt, int32_t mode, uint8_t pass, bool mainPass);
  void RenderLevelFlags(float dt, const plat::Matrix& w0, int32_t firstMode, int32_t secondMode) const;
  void RenderArrows(const plat::Matrix& w0) const;
  void CopyPlacementFields(const CAttraction& source);
  void PlayPlacedSounds();
  void AddIcons();
  RidePath ReadRidePath(const EngineString& name) const;
};

// The turn about the vertical axis that sets a ride's vehicle models onto
// their track, in the main view and the water alike.
float VehicleAlignmentAngle(const EngineString& id);

// True when the periodic position of the figure's current animation lies in
// the last 0.3 seconds of its period.
bool AnimationNearEnd(const ZOdevuvCharacter* character);
