#pragma once
// Every person in the park: ordinary visitors, staff (gardener, engineer,
// cleaner), the park's mascots and the performer. Adds to the animated
// person its attributes and mood, the fields of its activity state machine,
// its thoughts, a private map of the cell grid for the cell walk, the job a
// staff member or park character was sent to, and countdown timers that run
// in game seconds. The kind selects the per-frame behaviour.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "characters/CAttributes.h"
#include "characters/CCharacterWorld.h"
#include "characters/CVisitorAttributes.h"
#include "characters/DIridadIvavororu.h"
#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
struct AiObjectRecord;
class CPorvikAiClassHost;
class ParkEvent;
class SceneStream;

class REraduzizVisitor : public DIridadIvavororu {
 public:
  // Kinds: 0..13 visitors (8, 9 and 10 children), 15..18 and 21 park
  // characters, 22 the performer, and the staff.
  static constexpr int32_t kNoKind = -1;
  static constexpr int32_t kGardener = 19;
  static constexpr int32_t kEngineer = 20;
  static constexpr int32_t kPerformer = 22;
  static constexpr int32_t kCleaner = 23;
  // Spawned visitors' ids start here; staff and park characters have lower ones.
  static constexpr int32_t kFirstVisitorId = 5000;
  // FindPathToTarget's result when a path was laid.
  static constexpr int32_t kPathFound = 1;
  // Character ids of staff members.
  static constexpr int32_t kFirstStaffId = 1000;
  static constexpr int32_t kLastStaffId = 4999;
  // Park characters with a magic effect of their own.
  static constexpr int32_t kFirstMagicCharacter = 3;
  static constexpr int32_t kSecondMagicCharacter = 2;

  // Activity states named by the movement code.
  static constexpr int32_t kStateDecideAgain = 6;
  static constexpr int32_t kStateStart = 7;
  static constexpr int32_t kStateRideListA = 12;
  static constexpr int32_t kStateRideListB = 13;
  static constexpr int32_t kStateLeftPark = 18;
  static constexpr int32_t kStateToJob = 23;
  static constexpr int32_t kStateRideListAVisible = 30;
  static constexpr int32_t kStateRideListBVisible = 31;

  static constexpr int32_t kGridSize = 128;
  static constexpr int32_t kTimerCount = 12;
  static constexpr int32_t kThoughtListCount = 4;
  static constexpr int32_t kActivityRecordCount = 3;
  static constexpr int32_t kDefaultAge = 27;
  static constexpr int32_t kDefaultLeaveHour = 18;

  // A game-second countdown: loses the game seconds that passed from the
  // stamp to the clock's time, however few or many frames they took. The
  // first pair holds the cell walk's previous cell.
  struct TimerPair {
    int32_t counter = 0;
    int32_t stamp = 0;
  };
  struct ThoughtRecord {
    EngineString first;
    int32_t category = 0;
    int32_t sentence = 0;
    EngineString second;
  };
  struct ActivityRecord {
    int32_t firstId = -1;
    EngineString firstText;
    int32_t secondId = -1;
    EngineString secondText;
  };
  // Called with (context, job event, parameter) when a job ends.
  using JobCallback = void (*)(void* context, ParkEvent* event, uint32_t parameter);

  REraduzizVisitor();
  ~REraduzizVisitor() override;

  // Draws, and carries out the job a staff member or park character was
  // sent to.
  plat::MeshResult Render() override;
  // The step of a job at a park event that drawing takes (see Render); a
  // character too far away to be drawn takes it all the same.
  void CarryOutJob();

  // The divisor of every real draw on the game's generator: rand() / 32794
  // stays just below 1.
  static constexpr double kRandomRangeDivisor = 32794.0;
  // The park closes at this hour: nobody is admitted or stays on.
  static constexpr int32_t kParkClosingHour = 18;
  // A real range drawn on the game's generator: a + (b - a) x rand() / 32794,
  // so that it stays just below b; a without a draw when a equals b.
  static double RandomRange(double a, double b);
  void SetCounterWithTime(int32_t timer, int32_t value);
  // Counts the timer down by the game seconds passed; false for an index out of range.
  bool TickTimer(int32_t timer);
  static void TickTimerAt(TimerPair& pair, int32_t now);
  // The timers the visitor update counts down every frame.
  void TickVisitorTimers();
  const TimerPair& GetTimer(int32_t timer) const { return m_timers[std::size_t(timer)]; }
  // A timer has run out when its counter is below 1.
  bool IsTimerDone(int32_t timer) const { return m_timers[std::size_t(timer)].counter < 1; }

  static int32_t PositionsDiffer(const float a[3], const float b[3]);
  static float HorizontalDistanceTimesTen(float x1, float z1, float x2, float z2);
  bool IsPathCellAt(int32_t i, int32_t j) const;

  int16_t GetArrivalCode() const { return int16_t(m_arrivalCode); }
  void SetArrivalCode(int32_t code) { m_arrivalCode = code; }
  void GetThought(int32_t* category, int32_t* sentence) const;
  void SetTargetCell(float x, float y, float z) { m_destination = {x, y, z}; }
  const plat::Vec3& GetDestination() const { return m_destination; }

  // Jobs (staff screen, park events).
  void SetJobContext(uint32_t, void* context) { m_jobContext = context; }
  void SetJobCallback(JobCallback callback, void* context, uint32_t parameter);
  void ClearJob();
  // Near the job point: opens the job dialog once (true when within reach).
  bool ApproachJobPoint(float x, float y, float z);
  void SendToObject(ParkEvent* event);
  // A screen that goes away calls this so that no job calls back into it.
  static void ForgetJobContext(const void* context);

  // Movement.
  int32_t FindPathToTarget();
  void WalkStep(double dt);
  void MoveSpecial(double dt);
  bool FindDirtyPathCell(float out[3]);
  bool FindTendCell(float out[3]);
  bool FindPlantCell(float out[3]);

  // The message window's answer after the tutorial's job step.
  static void OnTutorialAnswer(void* context, int32_t answer, int32_t code);

  CAttributes& GetInitialAttributes() { return *m_initialAttributes; }
  CVisitorAttributes& GetAttributes() { return *m_attributes; }
  const CVisitorAttributes& GetAttributes() const { return *m_attributes; }
  int32_t GetKind() const { return m_kind; }
  void SetKind(int32_t kind) { m_kind = kind; }
  bool IsStaff() const { return m_id >= kFirstStaffId && m_id <= kLastStaffId; }
  float GetPathOffset() const { return m_pathOffset; }
  int32_t GetOwnCellI() const { return m_ownCell[0]; }
  int32_t GetOwnCellJ() const { return m_ownCell[1]; }
  int32_t GetCurrentCellI() const { return m_currentCell[0]; }
  int32_t GetCurrentCellJ() const { return m_currentCell[1]; }
  void SetCurrentCell(int32_t i, int32_t j) { m_currentCell = {i, j}; }
  uint16_t GetCellStamp(int32_t i, int32_t j) const;
  void SetCellStamp(int32_t i, int32_t j, uint16_t stamp);
  uint16_t GetStepCounter() const { return m_stepCounter; }
  void SetStepCounter(uint16_t counter) { m_stepCounter = counter; }
  const plat::Vec3& GetSecondPoint() const { return m_secondPoint; }
  void SetTimeStep(float dt) { m_timeStep = dt; }
  bool IsRoaming() const { return m_flags[kRoamingFlag] != 0; }
  void SetRoaming(bool roaming) { m_flags[kRoamingFlag] = roaming ? 1 : 0; }
  bool IsFinished() const { return m_finished != 0; }
  bool IsWalking() const { return m_walking != 0; }
  bool IsRideExitPending() const { return m_rideExitPending != 0; }
  void SetRideExitPending(bool pending) { m_rideExitPending = pending ? 1 : 0; }
  void SetRide(CAttraction* attraction, int32_t pathNumber, int32_t pointIndex);
  int32_t GetRidePointIndex() const { return m_ridePointIndex; }
  CAttraction* GetTargetAttraction() const { return m_targetAttraction; }
  void SetTargetAttraction(CAttraction* attraction) { m_targetAttraction = attraction; }
  // The object goes: neither the target nor the kept attraction points at it.
  void ForgetObject(const CAttraction* object) {
    if (m_targetAttraction == object) m_targetAttraction = nullptr;
    if (m_savedAttraction == object) m_savedAttraction = nullptr;
  }
  const plat::Vec3& GetExitPosition() const { return m_exitPosition; }
  void SetExitPosition(const plat::Vec3& exit) { m_exitPosition = exit; }
  ParkEvent* GetJobEvent() const { return m_jobEvent; }
  bool IsJobActive() const { return m_jobActive != 0; }
  bool IsJobDone() const { return m_jobDone != 0; }
  void* GetJobContext() const { return m_jobContext; }
  void* GetJobCallbackContext() const { return m_jobCallbackContext; }
  bool IsStanding() const { return m_standing != 0; }

  // --- Start values and the per-kind update --------------------------------
  // Timers by their place in the row (0 is the cell walk's previous cell).
  static constexpr int32_t kStayTimer = 1;
  static constexpr int32_t kPatienceTimer = 2;
  static constexpr int32_t kQueueTimer = 3;
  static constexpr int32_t kLitterTimer = 6;
  static constexpr int32_t kGardenerPauseTimer = 7;
  static constexpr int32_t kGreenThoughtTimer = 8;
  static constexpr int32_t kCleanThoughtTimer = 9;
  static constexpr int32_t kThoughtTimer = 10;
  static constexpr int32_t kDetourTimer = 11;
  // More activity states.
  static constexpr int32_t kStateFollowEntrancePath = 10;
  static constexpr int32_t kStateToDustBin = 22;
  static constexpr int32_t kStateToRestPlace = 32;
  // The name a visitor carries: an index into one of the two name lists.
  static constexpr int32_t kNoName = -1;
  static constexpr int32_t kNoWish = -1;
  static constexpr uint16_t kManNameList = 0;
  static constexpr uint16_t kWomanNameList = 1;

  // What a new character of the kind starts with: the visitor kinds their
  // spawn-time values by profile (spawnGroup 0..5), the others their flags.
  void SetupForKind(int32_t kind, int32_t spawnGroup);
  // Profiles: 0 boy, 1 girl, 2 teenage boy, 3 teenage girl, 4 man, 5 woman.
  void SpawnInit(uint16_t profile);
  // The frame's update of the character's kind.
  void UpdateByKind(double dt);
  void UpdateVisitor(double dt);

  int32_t GetNameIndex() const { return m_visitorValue; }
  uint16_t GetNameList() const { return m_spawnWord; }
  uint16_t GetAge() const { return m_age; }
  uint16_t GetMoney() const { return m_money; }
  int32_t GetLeaveHour() const { return m_leaveHour; }
  int32_t GetWishedAttraction() const { return m_wishedAttraction; }
  const ActivityRecord& GetPreference(int32_t type) const { return m_activityRecords[std::size_t(type)]; }
  const std::vector<ThoughtRecord>& GetThoughtList(int32_t list) const { return m_thoughtLists[std::size_t(list)]; }
  uint32_t GetSpawnTick() const { return m_spawnTick; }
  // The current thought's two subjects (which = 1 or 2).
  const EngineString& GetThoughtSubject(int32_t which) const {
    return which == 1 ? m_thoughtSubject1 : m_thoughtSubject2;
  }
  bool IsNonVisitor() const { return m_nonVisitor != 0; }
  bool IsCleaner() const { return m_cleaner != 0; }
  bool IsCountedVisitor() const { return m_counted != 0; }
  void SetCountedVisitor(bool counted) { m_counted = counted ? 1 : 0; }
  bool IsInRide() const { return m_inRide != 0; }
  void SetInRide(bool inRide) { m_inRide = inRide ? 1 : 0; }
  bool IsLeaving() const { return m_flags[kLeavingFlag] != 0; }
  bool HasLitter() const { return m_litter != 0; }
  void SetLitter(bool litter) { m_litter = litter ? 1 : 0; }
  bool IsPathFound() const { return m_pathFound != 0; }
  void SetPathFound(bool found) { m_pathFound = found ? 1 : 0; }
  void SetMoney(uint16_t money) { m_money = money; }
  void SetLeaveHour(int32_t hour) { m_leaveHour = hour; }
  void SetWishedAttraction(int32_t index) { m_wishedAttraction = index; }

  // --- Activity choice -----------------------------------------------------
  static constexpr uint16_t kChoiceAttraction = 0;
  static constexpr uint16_t kChoiceWish = 1;
  static constexpr uint16_t kChoiceMoney = 2;
  static constexpr uint16_t kChoiceFood = 3;
  static constexpr uint16_t kChoiceLeave = 5;
  uint16_t ChooseActivity();
  // The first choice on arrival: a choice the park cannot offer costs the
  // visitor a tenth of its mood. False only for no visitor.
  bool CheckParkOffer(REraduzizVisitor* visitor);
  // The target finders: true when a target was taken and the path to it laid.
  bool FindAttraction();
  bool FindWishedAttraction();
  bool FindRestaurant();
  bool FindSnackBar();
  bool FindSweetShop();
  bool FindCashMachine();
  bool FindExit();
  bool GoToRestaurant();
  bool GoToSnackBar();
  bool GoToSweetShop();
  const EngineString& GetLastTargetName() const { return m_lastTarget; }
  int32_t GetTicket() const { return m_ticket; }
  // Money stays within 0..65535 whatever is added or taken.
  static uint16_t AddMoney(uint16_t money, int32_t amount);
  const EngineString& GetPreviousTargetName() const { return m_previousTarget; }

  // --- Purchases, dust bins, park characters and staff ---------------------
  // What a meal purchase reports for the thought after it.
  struct MealPurchase {
    int32_t foodType = -1;
    int32_t food = -1;
    EngineString name;
    bool liked = false;
    bool disliked = false;
    bool topped = false;
  };
  // Where a sale of one kind is booked (the purchases define the kinds).
  struct SaleKind;
  // The placed objects' kinds the visitors' detours look for.
  static constexpr int32_t kDustBinType = 2;
  static constexpr int32_t kRestPlaceType = 3;
  // Bins and rest places are taken only closer than this.
  static constexpr float kDetourReach = 8.0f;
  // An attraction at this condition or below is worn enough to repair.
  static constexpr int32_t kWornCondition = 70;
  // The plant kinds a gardener plants: 0 to 28.
  static constexpr int32_t kPlantKindCount = 29;
  // Another park object to stroll to (types 0, 1 and the main entrance),
  // never the last one: true when a path to it was laid, or when the
  // character already stands on its point.
  bool FindRandomWalkTarget();
  // An engineer's repair it cannot carry out any more (it is sent home or
  // to a park event): one not yet paid goes back to the repair list for
  // another engineer, a paid one is finished at once.
  void ReleaseRepair();

  // --- The saved game (REraduzizVisitorSave.cpp) ---------------------------
  // The most entries a saved thought list may hold.
  static constexpr int32_t kMaxSavedThoughts = 1024;
  // The character's record of the run-state file.
  void WriteRecord(SceneStream& stream) const;
  // Reads a record written by WriteRecord; the objects it heads for are
  // looked up by name among the placed objects (none when not found).
  // False at a stream error.
  bool ReadRecord(SceneStream& stream, const std::vector<CAttraction*>& placedObjects);

 protected:
  static constexpr std::size_t kRoamingFlag = 1;
  static constexpr std::size_t kLeavingFlag = 3;

  void DrawProfileValues(uint16_t profile, CPorvikAiClassHost* host);
  // The thought and arrival code a visitor enters with, from the number of
  // park-feeling sentences there are to choose from.
  void ChooseFirstThought(int32_t sentences);
  void DrawPreferences(CPorvikAiClassHost* host);
  void SetWalkFlags(bool walking);
  // The rain's penalty, once per shower; true when it was given.
  bool NoteRain(double chance, int16_t penalty);
  void UpdateWalking(double dt);
  void UpdateRiding(double dt);
  void UpdateStanding(double dt);
  void ThinkWhileWalking();
  void StartDetours(CPorvikAiClassHost* host);
  // The routines of the kinds and activities the state machine hands to.
  void UpdateCleaner(double dt);
  void UpdateGardener(double dt);
  void UpdateEngineer(double dt);
  void UpdateParkCharacter(double dt);
  void UpdateShoppingStates(double dt);
  void UpdateDustBinStates(double dt);
  void UpdateAttractionStates(double dt);
  // One step along the found path, taken once the base target is reached:
  // the next cell's lane, the destination itself near the end, or a new
  // search when the way runs off the footpaths.
  void FollowPath(double dt);
  // The end of a walk: true when the destination is near enough to need no
  // path (the character then heads for it, or, standing on it, leaves the
  // park or strolls on).
  bool ApproachDestination(CCharacterWorld& world);
  // A staff member's or park character's job that cannot be reached goes
  // back to the park's open events.
  void GiveBackJob(CCharacterWorld& world);
  // The first bin (type 2) within reach, in record order, that has a path
  // from here: the walk to it is laid, and its point given.
  bool FindNearbyDustBin(plat::Vec3* point);
  // The first rest place (type 3) within reach: its point, nothing laid.
  bool FindNearbyObjectOfType3(plat::Vec3* point);
  // The arrivals of the two detours.
  void ArriveAtDustBin();
  void ArriveAtRestPlace();
  void ThinkAboutGreenBand();
  void ThinkAboutCleanBand();
  void MakeThought();
  // Deciding: the choice acted on, with the fall-backs when no target is found.
  void Decide();
  void DecideAgain();
  void TryFood();
  void TryMeal();
  void TryToLeave();
  // The wished attraction's name, null when the index names none.
  const EngineString* WishedAttractionName() const;
  // The finders' common take: steering stops, the names shift, the
  // destination and the object are set (unless the visitor stands there).
  void TakeTarget(const plat::Vec3& point, const EngineString& name, CAttraction* object);
  bool SearchPathToTarget();
  // Queues, stays and the object's own paths.
  void DropTarget(int16_t penalty);
  void ClearRidePath();
  // A random path of the target's list A or B to follow; false (and
  // nothing started) when the list is empty.
  bool StartObjectPath(bool listB);
  void JoinQueue(int32_t arrivalState);
  bool MayGoIn(const CAttraction& object) const;
  void RaiseAdmitted(CAttraction& object) const;
  void Admit(CAttraction& object);
  void WaitInQueue(const CAttraction& object);
  void GiveUpPlace(CAttraction& object);
  void LeaveQueue(CAttraction& object);
  void UpdateShopQueue(int32_t stayState);
  void UpdateAttractionQueue(double dt);
  void LeavePark();
  void LeaveByExit(const CAttraction& object);
  void EndStay(CAttraction& object, int32_t state);
  void EndWalkThrough(CAttraction& object);
  void StartLitter();
  // Each buys one affordable item with the visitor's money; true when
  // something was bought (and booked, paid and carried off as litter).
  bool BuyMeal(MealPurchase* meal);
  bool BuySweets();
  bool BuySnack();
  // The booking of a sale: ledger, cash, sales total and sales record, then
  // the visitor's money and litter.
  void BookSale(const SaleKind& sale, int32_t price, const EngineString& name);
  // The staff's work: the round's start in state 7, the arrivals, the
  // one work animation at the work place, and the engineer's repairs.
  void StartStaffRound(bool engineer);
  // Nearer the destination than the reach, measured on the ground.
  bool HasArrived(float reach) const;
  // True once per cell the walk enters (the previous cell then follows it).
  bool EnteredNewCell();
  void ClearCellMap();
  void ResetStaffState();
  // Starts the animation once (true while it plays), then waits for its end.
  bool PlayActionOnce(bool watering);
  void EndAction();
  // Whether the animation set has played out; a model without the set
  // counts as done at once, so that no work waits for ever.
  virtual bool HasActionAnimationEnded(int32_t set) const;
  void PatrolAsCleaner(double dt);
  void Sweep();
  void FinishBegunPlanting();
  void PatrolAsGardener(double dt);
  void Plant();
  void Water();
  void ReturnToPatrol();
  bool FindWornAttraction();
  void ArriveAtRepair();
  void Repair();
  void FinishRepair();
  void GiveBackRepair();
  // An engineer holds a repair while it walks to it and while it does it,
  // never during a park event's job.
  bool HoldsRepair() const;
  bool FindByCandidateRule(bool (*test)(const REraduzizVisitor&, const AiObjectRecord&),
                           double (*switchChance)(const AiObjectRecord&));

  // The cell walk's neighbour choice: index 0..3 into the order (i, j - 1),
  // (i + 1, j), (i, j + 1), (i - 1, j); -1 when none can be taken.
  int32_t ChooseNeighbour(int32_t i, int32_t j) const;
  bool IsUsableNeighbour(int32_t i, int32_t j) const;
  void NudgeBackOntoGrid();
  // rand() / 32794 x 0.8 - 0.4 on x and on z.
  static plat::Vec3 Jitter();
  void LeaveRide();
  using CellTest = bool (*)(const CCharacterWorld::CellView& cell);
  // Of the twelve cells around the current one, the centre of one that
  // passes the test (the first littered path cell at once when
  // `takeLittered`), and what the world says of it.
  bool SearchNearbyCells(float out[3], CellTest test, bool takeLittered,
                         CCharacterWorld::CellView* chosen = nullptr) const;
  // The step this frame: walk factor x track speed x dt.
  float StepLength(double dt) const;
  void EndJob(bool objectGone);
  void CallJobCallback();
  void StartJobAnimation();
  bool JobAnimationEnded() const;
  bool IsMagicCharacter() const;
  void FinishTutorialJobStep();

  std::unique_ptr<CAttributes> m_initialAttributes;
  std::unique_ptr<CVisitorAttributes> m_attributes;
  int32_t m_visitorValue = 0;
  float m_pathOffset = 0;
  uint16_t m_age = kDefaultAge;
  uint16_t m_spawnWord = 0;
  uint16_t m_money = 0;
  uint16_t m_moodAtEntry = 0;
  uint16_t m_firstMoodAtEntry = 0;
  std::array<int32_t, 2> m_choiceCounters{};
  std::array<std::vector<ThoughtRecord>, kThoughtListCount> m_thoughtLists;
  int32_t m_thoughtCategory = 0;
  int32_t m_thoughtSentence = 0;
  int32_t m_leaveHour = kDefaultLeaveHour;
  int32_t m_spawnValue = 0;
  EngineString m_thoughtSubject1;
  EngineString m_thoughtSubject2;
  std::vector<uint16_t> m_cellMap;
  uint16_t m_stepCounter = 0;
  uint8_t m_litter = 0;
  uint8_t m_inRide = 0;
  uint8_t m_rideExitPending = 0;
  uint8_t m_rainNoted = 0;
  int32_t m_ridePointIndex = 0;
  int32_t m_ridePathNumber = 0;
  int32_t m_savedWalkingState = kStateStart;
  plat::Vec3 m_patrolPoint;
  CAttraction* m_targetAttraction = nullptr;
  CAttraction* m_savedAttraction = nullptr;
  plat::Vec3 m_exitPosition;
  ParkEvent* m_jobEvent = nullptr;
  uint8_t m_jobActive = 0;
  uint8_t m_jobDone = 0;
  std::array<uint8_t, 12> m_jobData{};
  void* m_jobContext = nullptr;
  plat::Vec3 m_jobPoint;
  JobCallback m_jobCallback = nullptr;
  void* m_jobCallbackContext = nullptr;
  uint32_t m_jobParameter = 0;
  int32_t m_arrivalCode = 0;
  int32_t m_kind = kNoKind;
  std::array<ActivityRecord, kActivityRecordCount> m_activityRecords;
  EngineString m_soughtObject1;
  EngineString m_soughtObject2;
  int32_t m_wishedAttraction = 0;
  std::array<int32_t, 4> m_activityCounters{};
  plat::Vec3 m_destination;
  EngineString m_lastTarget;
  int32_t m_ticket = 0;
  EngineString m_previousTarget;
  float m_timeStep = 0;
  plat::Vec3 m_secondPoint;
  std::array<int32_t, 2> m_savedValues{};
  std::array<uint8_t, 4> m_flags{0, 1, 0, 0};
  uint8_t m_finished = 0;
  uint8_t m_counted = 0;
  std::array<TimerPair, kTimerCount> m_timers{};
  std::array<int32_t, 2> m_currentCell{};
  uint8_t m_spawnByte = 0;
  uint8_t m_pathFound = 0;
  std::array<int32_t, 2> m_ownCell{};
  int32_t m_pathStep = 1;
  uint8_t m_activityByte = 0;
  // What the character does now (set by the per-kind updates).
  uint8_t m_walking = 0;
  uint8_t m_standing = 0;
  // Set until a visitor's start values clear it; staff and park characters
  // keep it.
  uint8_t m_nonVisitor = 1;
  uint8_t m_cleaner = 0;
  uint32_t m_spawnTick = 0;

  // --- Thoughts (REraduzizVisitorThoughts.cpp) -----------------------------
 public:
  // The four thought lists: what the visitor thought of the park's greenery,
  // of its cleanliness, of its own mood and the attractions, and of what it
  // ate. Each keeps its newest records.
  static constexpr int32_t kGreenThoughts = 0;
  static constexpr int32_t kCleanThoughts = 1;
  static constexpr int32_t kMoodThoughts = 2;
  static constexpr int32_t kVisitThoughts = 3;
  static constexpr std::size_t kKeptThoughts = 5;
  // The visitor's age in the thought tables' three bands: up to 15, 16 to
  // 18, above 18.
  int32_t AgeBand() const;
  // The thoughts of a visit, on the target attraction: joining its queue,
  // and the end of its walk-through path.
  void ThinkOnQueueEntry();
  void ThinkAfterRide();
  // After a meal was bought; after a stay at a snack bar.
  void ThinkAfterMeal();
  void ThinkAfterSnack();
  // True until the visitor is first let into an object.
  bool IsBeforeFirstAdmission() const { return m_beforeFirstAdmission != 0; }

 protected:
  // Sets the current thought; false (and nothing set) when the thought file
  // has no such sentence.
  bool TakeThought(int32_t category, int32_t sentence, const EngineString& first, const EngineString& second);
  // Appends the record to the list, which then keeps its newest; with
  // `skipRepeat` a record equal in category and sentence to the list's
  // last one is not appended again.
  void AppendThought(int32_t list, ThoughtRecord record, bool skipRepeat);
  // The subject of a park sentence (category 3): the park's name for the
  // sentences that name it, else none.
  static EngineString ParkSubject(int32_t sentence);
  // Takes the thought with the two subjects and appends it, with the same
  // strings, to the list.
  void Think(int32_t list, int32_t category, int32_t sentence, const EngineString& first,
             const EngineString& second, bool skipRepeat);
  // The attraction's own thought (category, sentence), the general one, and
  // a general one with a random sentence; the name is the subject.
  void ThinkOwnAttractionThought(int32_t category, int32_t sentence, const EngineString& name);
  void ThinkGeneralAttractionThought(const EngineString& name);
  void ThinkRandomAttractionThought(const EngineString& name);

  int32_t m_lastGreenBand = 0;
  int32_t m_lastCleanBand = 0;
  uint8_t m_beforeFirstAdmission = 1;
};
