#pragma once
// Every animated person in the park: one animation instance of a shared
// skinned model, placed at a position, heading toward a target. Blends
// between the model's named sets on two controller tracks, walks toward the
// target at a speed taken from the playing track and turns the short way
// round. A person whose model was cleaned up first does nothing more.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"
#include "platform/mesh/AnimationController.h"
#include "platform/mesh/MeshResult.h"

class CAnimInstance;
class CMultiAnim;

class DIridadIvavororu {
 public:
  // What the figure is doing; set only by the named blend routines.
  enum AnimationKind : int32_t { kIdle = 0, kWork = 1, kWalk = 2, kWatering = 3, kMagic = 4 };

  static constexpr plat::MeshResult kInvalidCall = int32_t(0x8876086Cu);
  static constexpr double kBlendTime = 0.08;
  // A set counts as played out this close to the end of its period.
  static constexpr double kEndTolerance = 0.0125;
  static constexpr int32_t kTrackCount = 2;
  static constexpr int32_t kOwnTextureSlots = 2;
  static constexpr float kDefaultWalkFactor = 2.2f;
  static constexpr float kDefaultTurnRate = 4.0f;
  static constexpr float kDefaultBoundingRadius = 0.8f;
  static constexpr double kIndexBlendSpeed = 2.0;
  static constexpr float kNamedBlendSpeed = 1.0f;
  // Where an invisible figure is put: high above the park.
  static constexpr float kHiddenHeight = 50.0f;

  DIridadIvavororu();
  // Lets go of the textures this person gave its instance.
  virtual ~DIridadIvavororu();
  DIridadIvavororu(const DIridadIvavororu&) = delete;
  DIridadIvavororu& operator=(const DIridadIvavororu&) = delete;

  // Takes a new instance of the model and starts walking. kMeshOutOfMemory
  // (and nothing else set) when the model gives no instance; such a person
  // then updates and draws nothing.
  virtual plat::MeshResult Setup(CMultiAnim* model, int32_t value, double startTime, float x,
                                 float y, float z, float heading, uint32_t ignored,
                                 bool useOwnTextures);
  virtual void Update(double dt);
  virtual plat::MeshResult AdvanceTime(double dt, void* ignored);
  virtual plat::MeshResult Render();
  // Nothing installs an animation callback handler, so there is none to free.
  virtual void ReleaseBuffer();
  // Blends to the set with that index at the index blend speed; the kind stays.
  virtual void PlayAnimation(int32_t setIndex, bool restart);

  // Blend to the named sets. PlayIdle does nothing while already idle.
  void PlayIdle(bool restart);
  void PlayWork(bool restart);
  void PlayWatering(bool restart);
  void PlayWalk(bool restart);
  void PlayMagic(bool restart);

  // The set on the current track is that set and its position is within the
  // end tolerance of the period (the position is not wrapped).
  bool IsAnimationAtEnd(int32_t setIndex) const;
  // Index of the set with exactly that name, -1 when there is none.
  int32_t FindAnimationSet(const char* name) const;

  void SetVisible() { m_visible = 1; }
  // In sight only at the objects a person stays visible at.
  void SetVisibleAtObject(const EngineString& objectName);
  void SetActivityState(int32_t mode, int32_t state) {
    m_activityMode = mode;
    m_activityState = state;
  }
  void SetTargetPosition(float x, float y, float z) { m_target = {x, y, z}; }
  // Speed of the current track, 0 without an instance, as the last animation
  // step or change left it (it changes only then): kept, as every walker
  // asks for it every frame.
  float GetTrackSpeed() const { return m_trackSpeed; }
  // Gives the instance its own two-slot texture list with slots 0..n-1 filled
  // from the files (a file that fails leaves its slot null); files loaded
  // before by this person are taken from the instance's cache.
  void LoadTextures(int32_t n, const EngineString* fileNames);
  void SetAttachedFlag(bool attached);

  // Turns the wanted heading toward the target in the ground plane.
  void SteerToTarget();
  // Turns at the turn rate the short way round; true when already there.
  bool TurnTowardHeading(double dt);

  // Null without a set-up, and once the model has let the instance go.
  CAnimInstance* GetAnimInstance() const;
  CMultiAnim* GetModel() const { return m_model; }
  int32_t GetSetupValue() const { return m_setupValue; }
  int32_t GetCurrentTrack() const { return m_currentTrack; }
  double GetCurrentTime() const { return m_currentTime; }
  int32_t GetAnimationKind() const { return m_animationKind; }
  int32_t GetWalkSet() const { return m_walkSet; }
  int32_t GetWorkSet() const { return m_workSet; }
  int32_t GetIdleSet() const { return m_idleSet; }
  int32_t GetWateringSet() const { return m_wateringSet; }
  int32_t GetMagicSet() const { return m_magicSet; }
  float GetBoundingRadius() const { return m_boundingRadius; }
  float GetWalkFactor() const { return m_walkFactor; }
  void SetWalkFactor(float factor) { m_walkFactor = factor; }
  float GetTurnRate() const { return m_turnRate; }
  const plat::Vec3& GetPosition() const { return m_position; }
  void SetPosition(const plat::Vec3& position) { m_position = position; }
  const plat::Vec3& GetTargetPosition() const { return m_target; }
  float GetHeading() const { return m_heading; }
  void SetHeading(float heading) { m_heading = heading; }
  float GetWantedHeading() const { return m_wantedHeading; }
  void SetWantedHeading(float heading) { m_wantedHeading = heading; }
  bool IsVisible() const { return m_visible == 1; }
  void SetHidden() { m_visible = 0; }
  int32_t GetId() const { return m_id; }
  void SetId(int32_t id) { m_id = id; }
  int32_t GetActivityMode() const { return m_activityMode; }
  int32_t GetActivityState() const { return m_activityState; }
  bool GetOneShotFlag() const { return m_oneShot != 0; }
  void SetOneShotFlag(bool set) { m_oneShot = set ? 1 : 0; }

 protected:
  void RefreshTrackSpeed();
  // Key the current track out and the new track in with that set.
  void BlendToSet(int32_t setIndex, bool restart, float speed);
  void PlayNamed(int32_t setIndex, AnimationKind kind, bool restart);
  void WalkTowardTarget(double dt);
  void UpdateWorldTransform(CAnimInstance& instance);
  std::shared_ptr<plat::AnimationController> Controller() const;

  CMultiAnim* m_model = nullptr;
  uint32_t m_instanceIndex = 0;
  CAnimInstance* m_animInstance = nullptr;
  std::weak_ptr<const void> m_instanceLifetime;
  int32_t m_setupValue = 0;
  float m_walkFactor = kDefaultWalkFactor;
  float m_turnRate = kDefaultTurnRate;
  float m_boundingRadius = kDefaultBoundingRadius;
  double m_previousTime = 0;
  double m_currentTime = 0;
  int32_t m_currentTrack = 0;
  int32_t m_initialSet = 0;
  int32_t m_walkSet = 0;
  int32_t m_workSet = 0;
  int32_t m_idleSet = 0;
  int32_t m_wateringSet = 0;
  int32_t m_magicSet = 0;
  int32_t m_animationKind = kWalk;
  double m_lastTrackSpeed = 0;
  float m_trackSpeed = 0;
  double m_indexBlendSpeed = kIndexBlendSpeed;
  plat::Vec3 m_position;
  plat::Vec3 m_target;
  float m_heading = 0;
  float m_wantedHeading = 0;
  uint8_t m_visible = 0;
  int32_t m_id = -1;
  int32_t m_activityMode = 0;
  int32_t m_activityState = 0;
  uint8_t m_oneShot = 0;
  float m_namedBlendSpeed = kNamedBlendSpeed;
};
