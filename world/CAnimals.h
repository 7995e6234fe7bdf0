#pragma once
// An animal of the park's scenery: an animated model with a position, a
// target it moves toward at the speed of the model's animation, and a
// heading in the ground plane that turns toward the target at a fixed rate.
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class ZOdevuvCharacter;

class CAnimals {
 public:
  static constexpr float kDefaultTurnRate = 5.0f;
  // Animals farther from the camera than this (squared) stand still unseen.
  static constexpr float kNearSquared = 10000.0f;

  CAnimals() = default;
  virtual ~CAnimals();
  CAnimals(const CAnimals&) = delete;
  CAnimals& operator=(const CAnimals&) = delete;

  // Draws the model at the position, turned to the heading.
  virtual void Render();
  virtual void Update(double seconds);
  // Shares a model owned elsewhere and moves it on to its next animation set.
  virtual void AttachToObject(ZOdevuvCharacter* model, const EngineString& name);
  // A model of the animal's own, loaded from the file named first.
  virtual void Create(const EngineString& file, const EngineString& secondName);

  // The speed of track 0 of the model's animation; 1 for a model without
  // animation, which would otherwise never move.
  float TrackSpeed() const;

  const plat::Vec3& GetPosition() const { return m_position; }
  const plat::Vec3& GetTarget() const { return m_target; }
  void SetPosition(const plat::Vec3& position) { m_position = position; }
  void SetTarget(const plat::Vec3& target) { m_target = target; }
  float GetHeading() const { return m_heading; }
  float GetTargetHeading() const { return m_targetHeading; }
  const EngineString& GetName() const { return m_name; }
  ZOdevuvCharacter* GetModel() const { return m_model; }
  void SetActive(bool active) { m_active = active; }

 protected:
  // Moves toward the target and turns the heading toward it.
  void MoveAndTurn(double seconds);

  ZOdevuvCharacter* m_model = nullptr;
  plat::Vec3 m_position;
  plat::Vec3 m_target;
  EngineString m_name;
  bool m_active = true;
  bool m_modelAttached = false;
  float m_heading = 0.0f;
  float m_targetHeading = 0.0f;
  float m_speedFactor = 1.0f;
  float m_turnRate = kDefaultTurnRate;
  double m_lastTimeStep = 0.0;
};

// The overlay pass's animals: only with animals enabled, and each drawn and
// then moved only while near the camera and in view.
void RenderAnimals(const std::vector<CAnimals*>& animals, bool enabled, double seconds);
