#pragma once
// A skinned, animated model from a .X file: the park's animated objects,
// the birds and the characters of park events. Track 0 of its controller
// plays one animation set at a time; it draws itself through the
// "CharAnim" effect when its bounding sphere is in view.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"
#include "platform/mesh/AnimationController.h"
#include "platform/mesh/MeshHierarchy.h"

namespace plat {
class Effect;
}
struct ZOdevuvMeshContainer;

class ZOdevuvCharacter {
 public:
  static constexpr float kDefaultTrackSpeed = 0.8f;
  static constexpr double kSetTransitionSeconds = 0.08;

  ZOdevuvCharacter();
  virtual ~ZOdevuvCharacter();
  ZOdevuvCharacter(const ZOdevuvCharacter&) = delete;
  ZOdevuvCharacter& operator=(const ZOdevuvCharacter&) = delete;

  // Shows "Model Load Error" with the path and the reason when the file
  // cannot be loaded or a skin bone names no frame, and then holds no model;
  // returns the result. Loading again replaces the previous model.
  plat::MeshResult Load(const EngineString& path);
  // Advances by the time since the last call and draws when in view.
  virtual void Render(int32_t unused);

  void AdvanceAnimation(double seconds);
  void UpdateFrameMatrices(plat::MeshFrame* frame, const plat::Matrix* parent);
  // Also counts the model's bones: the distinct bones its skinned meshes name.
  plat::MeshResult SetupBonePointers(plat::MeshFrame* frame, std::string& reason);
  void DrawFrame(plat::MeshFrame* frame);
  void DrawMeshContainer(plat::MeshFrame* frame);

  // Ignores the current index and anything not below the set count.
  void SetAnimationSet(int32_t index);
  // Pauses (and stops playing) once track 0 has played the current set
  // through since it was chosen or since the end was last found; returns the
  // paused flag.
  bool CheckAnimationEnd();
  void PauseAnimation() { m_paused = true; }
  void ResumeAnimation() { m_paused = false; }
  bool IsPaused() const { return m_paused; }

  EngineString GetName() const { return m_name; }
  void SetName(EngineString name) { m_name = std::move(name); }
  void SetSecondName(EngineString name) { m_secondName = std::move(name); }
  void SetTextureDirectory(EngineString folder) { m_textureDirectory = std::move(folder); }
  // Free text for the owners.
  void SetUserText(EngineString text) { m_userText = std::move(text); }
  EngineString GetUserText() const { return m_userText; }

  void SetPlaying(bool playing) { m_playing = playing; }
  bool IsPlaying() const { return m_playing; }
  void SetGhost(bool ghost) { m_ghost = ghost; }

  plat::MeshFrame* GetRootFrame() const { return m_root; }
  const std::shared_ptr<plat::AnimationController>& GetController() const { return m_controller; }
  int32_t GetCurrentAnimationSet() const { return m_currentSet; }
  int32_t GetAnimationSetCount() const { return m_setCount; }
  int32_t GetBoneCount() const { return m_boneCount; }
  const plat::Vec3& GetBoundingCentre() const { return m_sphereCentre; }
  float GetBoundingRadius() const { return m_sphereRadius; }

 private:
  ZOdevuvMeshContainer* m_firstContainer = nullptr;
  plat::MeshFrame* m_root = nullptr;
  plat::Vec3 m_sphereCentre;
  float m_sphereRadius = 0;
  int32_t m_boneCount = 0;
  int32_t m_currentSet = -1;
  int32_t m_setCount = 0;
  std::shared_ptr<plat::AnimationController> m_controller;
  double m_lastTime = 0;
  int64_t m_frequency = 0;
  EngineString m_name;
  EngineString m_secondName;
  EngineString m_textureDirectory;
  EngineString m_userText;
  bool m_paused = false;
  bool m_playing = false;
  std::shared_ptr<plat::Effect> m_effect;
  bool m_ghost = false;
  float m_trackSpeed = kDefaultTrackSpeed;
  // Track 0's position when the current loop of the set began.
  double m_loopStart = 0;
};
