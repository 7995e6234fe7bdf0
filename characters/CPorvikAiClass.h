#pragma once
// The one owner of every animated person of the park: the character
// templates (one per kind, each with the skinned model the kind shares),
// the visitors, staff and park characters made from them, the park objects
// characters walk to, and the counters that drive spawning, bookings and
// ratings. Characters that leave are taken out of every list at once and
// deleted at the end of the frame pass; code outside the manager keeps ids,
// never pointers, and looks characters up when it needs them.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "characters/CVisitorPark.h"
#include "characters/ManagerRunState.h"
#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class CMultiAnim;
class CMultiAnimAllocateHierarchy;
class REraduzizVisitor;
class SceneStream;
namespace plat {
class Texture;
}

// A park object characters can go to.
struct AiObjectRecord {
  int32_t objectId = -1;
  plat::Vec3 position{};
  uint8_t spawnFlag = 0;
  EngineString name;
  int32_t type = 0;  // the placed object's kind
  uint8_t onPath = 0;
};

class CPorvikAiClass {
 public:
  // A template's skinned model and the kind it belongs to.
  struct ModelEntry {
    std::unique_ptr<CMultiAnim> model;
    int32_t kind = -1;
  };

  static constexpr int32_t kFirstVisitorId = 5000;
  static constexpr int32_t kNoSpawnPoint = -1;
  // Characters farther from the camera than this are animated, not drawn.
  static constexpr float kDrawDistance = 100.0f;
  // Object kinds characters walk to: attractions, dust bins, rest places,
  // shops and outlets, and the main entrance, where visitors arrive and
  // leave.
  static constexpr int32_t kEntranceType = -1;
  // Whether an object of this kind is one characters walk to (and so one
  // the manager keeps a record of).
  static bool IsWalkableType(int32_t type);

  // Loads the names, the thoughts and the templates (see Init).
  CPorvikAiClass();
  // Deletes every character, model and object record.
  ~CPorvikAiClass();
  CPorvikAiClass(const CPorvikAiClass&) = delete;
  CPorvikAiClass& operator=(const CPorvikAiClass&) = delete;

  void Init();
  // The manager while it lives, which the visitors' finders search.
  static CPorvikAiClass* GetCurrent();

  // Frame pass: every character's update, templates included, then the
  // visitors' pass and the removal of one finished character.
  void UpdateAll(double dt);
  void RemoveFinishedCharacter();
  // Advances every character's animation, puts the people on the terrain
  // and draws those within the draw distance; the followed one moves the
  // follow camera.
  void DrawCharacters(double dt);

  REraduzizVisitor* FindCharacterById(int32_t id) const;
  // Takes the first character with the id out of every list; it is
  // deleted at the end of the frame pass. Templates stay.
  void RemoveCharacterById(int32_t id);
  // A visible character of the kind at the position, made from the kind's
  // model; null (and nothing made) for a kind without a model. The caller
  // adds the id to the live ids where the character takes part in the pass.
  REraduzizVisitor* CreateVisitor(int32_t id, int32_t kind, const plat::Vec3& position);
  int32_t FindModelIndex(int32_t kind) const;

  void AddLiveId(int32_t id) { m_liveIds.push_back(id); }
  const std::vector<int32_t>& GetLiveIds() const { return m_liveIds; }
  int32_t TakeNextId() { return m_nextId++; }
  int32_t GetVisitorCount() const { return m_visitorCount; }
  void CountVisitor(REraduzizVisitor& visitor);

  void AddPlacement(const plat::Vec3& position, int32_t objectId, const EngineString& name, int32_t type, bool spawn);
  void RemovePlacement(const EngineString& name, int32_t objectId);
  AiObjectRecord* GetPlacement(int32_t index) const;
  int32_t GetPlacementCount() const { return int32_t(m_objects.size()); }
  bool HasFlaggedObjectNamed(const EngineString& name) const;
  const AiObjectRecord& GetSpawnRecord() const { return m_spawn; }

  std::vector<CAttraction*>& GetRepairList() { return m_repairs; }
  // No character keeps a pointer to an object that goes.
  void ForgetObject(const CAttraction* object);
  int32_t GetCharacterCount() const { return int32_t(m_characters.size()); }
  REraduzizVisitor* GetCharacter(int32_t index) const;
  const std::vector<ModelEntry>& GetModels() const { return m_models; }
  const EngineString& GetCharactersFolder() const { return m_charactersFolder; }
  bool IsBusy() const { return m_busy != 0; }
  bool IsDrawing() const { return m_drawing != 0; }
  bool IsParkClosed() const { return m_parkClosed != 0; }
  void SetCapacity(int32_t capacity) { m_capacity = capacity; }
  uint32_t GetLastSpawnTick() const { return m_lastSpawnTick; }
  int32_t GetCapacity() const { return m_capacity; }

  // Monthly bookings: the scenario start and the saved game set them; a
  // new manager starts at the current month.
  int32_t GetLastBookedMonth() const { return m_lastBookedMonth; }
  int32_t GetNextMonthToBook() const { return m_nextMonthToBook; }
  void SetMonthBookings(int32_t lastBooked, int32_t nextToBook);
  // Hourly visitor figures: the scenario start and the saved game set them.
  int32_t GetLastBookedHour() const { return m_lastBookedHour; }
  int32_t GetNextHourToBook() const { return m_nextHourToBook; }
  void SetHourBookings(int32_t lastBooked, int32_t nextToBook);
  // From the scenario start: 50 visitors per placed object beside the
  // entrance, scaled by the visitors' average mood once there are some.
  void UpdateVisitorCapacity();
  // A new visitor's kind: three in four are children (8, 9 or 10), the
  // others any of 0 to 12.
  static int32_t DrawSpawnKind();
  // The next day of 30-day months; true when a new year began.
  static bool AdvanceDate(CVisitorPark::Clock& clock);

  // The park's two ratings, worked every 20 frames in turn: the greenery
  // and the share of littered footpath. A rating that climbs into a better
  // band earns points and a message.
  static constexpr int32_t kGreenRating = 1;
  static constexpr int32_t kCleanRating = 2;
  static constexpr int32_t kNoBand = 0;
  void UpdateParkRatings(int32_t which);
  // A rating's band: 20, 40, 60 or 80 for 1..19, 20..39, 40..59, 60..79,
  // 100 from 100 on; kNoBand for 0 and below and for 80..99.
  static int32_t RatingBand(int32_t value);
  int32_t GetGreenBand() const { return m_greenBand; }
  int32_t GetHighestGreenBand() const { return m_highestGreenBand; }
  int32_t GetCleanBand() const { return m_cleanBand; }
  // The answer to the tutorial's greenery message: code 2 moves it on.
  static void OnTutorialMessageAnswered(void* context, int32_t ignored, int32_t answer);

  // The six special park characters (ids 1 to 6) wait unseen until the pass
  // shows them at a park object; 2 and 3 can be held back for good.
  static constexpr int32_t kSpecialCount = 6;
  bool IsSpecialHeldBack(int32_t id) const;
  void SetSpecialHeldBack(int32_t id, bool heldBack);

  // --- The saved game (CPorvikAiClassSave.cpp) -----------------------------
  // The most object records a saved block may hold (one per cell).
  static constexpr int32_t kMaxSavedRecords = 16384;
  // The ids of the special characters and the staff templates, which stay
  // in the manager from one game to the next.
  static constexpr int32_t kKeptCharacterIds[] = {1, 2, 3, 4, 5, 6, 10, 11, 12};
  // The manager's block of the scene file: the spawn record, the object
  // records and the capacity.
  void Save(SceneStream& stream) const;
  // Reads a block written by Save. A record whose object is not among the
  // placed objects (by name, of a kind characters walk to) is dropped; the
  // others stand where their object stands. The capacity reads as 0 (the
  // run-state file sets it). False at a stream error.
  bool Load(SceneStream& stream, const std::vector<CAttraction*>& placedObjects);
  // The block of a park without a character manager, and the reading of a
  // block where there is none to take it.
  static void SaveEmptyBlock(SceneStream& stream);
  static bool SkipBlock(SceneStream& stream);
  // Before a saved game is read: deletes the live characters and those of
  // the placement ids, drops the records, live ids and repairs, and hides
  // the special characters and staff templates far off the land.
  void ClearCharacters(const std::vector<int32_t>& placementIds);
  // The counters and flags of the run-state file. Setting them keeps the
  // busy and drawing flags, which only the pass itself may change.
  ManagerRunState GetRunState() const;
  void SetRunState(const ManagerRunState& state);

 private:
  static void WriteBlock(SceneStream& stream, const AiObjectRecord& spawn,
                         const std::vector<std::unique_ptr<AiObjectRecord>>& records, int32_t capacity);
  static bool ReadBlock(SceneStream& stream, AiObjectRecord& spawn,
                        std::vector<std::unique_ptr<AiObjectRecord>>& records,
                        const std::vector<CAttraction*>& placedObjects);

 public:

 private:
  bool LoadCharacterTemplate(int32_t id, const EngineString& path, int32_t kind);
  bool LoadCharacterModel(CMultiAnim& model, const EngineString& path);
  // Prepares a new character of a kind; false when its set-up failed (the
  // caller then deletes it).
  bool SetupCharacterModel(int32_t id, REraduzizVisitor& character, CMultiAnim& model, const plat::Vec3& position,
                           int32_t kind, bool visible);
  void GiveOwnTextures(REraduzizVisitor& character, int32_t kind);
  // Every texture a new character may wear, so that making one reads no file.
  void PreloadTextures();
  std::shared_ptr<plat::Texture> CachedTexture(const EngineString& path);
  // The visitors' pass of the frame: the per-kind update of every live
  // character.
  void UpdateVisitors(double dt);
  void RunCharacterUpdates(double dt);
  // The first live character in id order that is finished, null for none.
  // The pass notes what it meets, so that only ids it did not go through
  // are looked at again.
  REraduzizVisitor* FindFinishedLiveCharacter() const;
  // The park's gates for one more visitor: room, mood, price and interval.
  bool SpawnGateOpen() const;
  int32_t CountOpenAttractions() const;
  void TrySpawn(double dt);
  // The characters of the main object's placement records, every pass.
  void UpdatePlacedCharacters(double dt);
  void UpdateSpecialCharacters(double dt);
  // Special character `id` shown at a random park object, or moved on
  // when it is already out; `mayShow` false keeps an unseen one unseen.
  void UpdateSpecial(int32_t id, bool mayShow, double dt);
  void ShowSpecialAt(REraduzizVisitor& character, int32_t record);
  void RateGreen(CVisitorPark& park);
  void RateClean(CVisitorPark& park);
  // The points of a better band and the message of the thought sentence
  // `index` of the category, halves around the points.
  void AnnounceRating(CVisitorPark& park, int32_t points, int32_t category, int32_t index) const;
  // Sends the walking visitors home; the day turns once the park is empty.
  void CloseForTheNight();
  void TurnTheDay();
  void BookHourlyStatistics();
  void BookMonthlyObjectCosts();
  void FollowWithCamera(const REraduzizVisitor& character);
  void DeleteRetired();
  // Every character joins the list and the id index through here.
  REraduzizVisitor* AdoptCharacter(std::unique_ptr<REraduzizVisitor> character);

  // Changed only through AdoptCharacter and RemoveCharacterById, which keep
  // the id index in step.
  std::vector<std::unique_ptr<REraduzizVisitor>> m_characters;
  // The characters of each id in list order, so that a look-up by id does
  // not scan thousands of visitors.
  std::unordered_map<int32_t, std::vector<REraduzizVisitor*>> m_byId;
  std::vector<ModelEntry> m_models;
  uint8_t m_busy = 1;
  uint8_t m_drawing = 0;
  float m_timeStep = 0;
  EngineString m_charactersFolder;
  std::vector<EngineString> m_modelPaths;
  std::vector<int32_t> m_liveIds;
  std::vector<CAttraction*> m_repairs;
  std::vector<std::unique_ptr<AiObjectRecord>> m_objects;
  AiObjectRecord m_spawn;
  EngineString m_workingFolder;
  int32_t m_capacity = 0;
  int32_t m_visitorCount = 0;
  int32_t m_nextId = kFirstVisitorId;
  uint32_t m_lastSpawnTick = 0;
  int32_t m_lastBookedMonth = 0;
  int32_t m_nextMonthToBook = 0;
  uint8_t m_parkClosed = 0;
  int32_t m_frameCounter = 0;
  int32_t m_lastBookedHour = 0;
  int32_t m_nextHourToBook = 0;
  uint8_t m_ratingToggle = 0;
  int32_t m_greenBand = kNoBand;
  int32_t m_highestGreenBand = kNoBand;
  int32_t m_cleanBand = kNoBand;
  int32_t m_lastCleanBand = kNoBand;
  uint8_t m_specialOneAllowed = 0;
  uint8_t m_shownThisFrame = 0;
  // Special characters 2 and 3.
  std::array<uint8_t, 2> m_specialHeldBack{};
  // What the last visitors' pass met: the first finished live id (-1 for
  // none) and how many live ids it went through (0 when it did not run).
  struct PassFinished {
    int32_t firstId = -1;
    std::size_t liveIdsChecked = 0;
  };
  PassFinished m_passFinished;
  // The run-state values no other member of the manager holds (the
  // reserve counter, the spare words and the booking-due flags).
  ManagerRunState m_runExtras;

  std::unique_ptr<CMultiAnimAllocateHierarchy> m_hierarchy;
  // Textures by full path, loaded once for all characters.
  std::map<std::string, std::shared_ptr<plat::Texture>> m_textures;
  // Characters taken out of the lists, deleted at the end of the pass.
  std::vector<std::unique_ptr<REraduzizVisitor>> m_retired;
};
