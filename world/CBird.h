#pragma once
// A bird of the park's sky: it circles inside a flight box, picking a new
// target a circle step ahead whenever it has reached the last one, and flies
// back toward the box's middle when it has drifted outside it.
#include <vector>

#include "world/CAnimals.h"

class CBird : public CAnimals {
 public:
  static constexpr float kSpeedFactor = 3.0f;
  static constexpr float kCircleSegments = 12.0f;
  static constexpr float kCircleRadius = 5.0f;
  static constexpr float kCircleStep = 0.5f;
  // The circle's full turn, as the flight path rounds it.
  static constexpr float kCircleTurn = 6.28f;
  // The flocks: three of each of the five models.
  static constexpr int kModelCount = 5;
  static constexpr int kFlockCount = 3;
  static constexpr float kFlightHeight = 20.0f;
  static constexpr float kStartSpread = 100.0f;
  static constexpr float kBoxHalfSide = 250.0f;

  CBird();
  void Update(double seconds) override;
  void SetFlightBox(float minX, float minZ, float maxX, float maxZ);
  // How far inside the box a bird must be to pick a circle target.
  float Margin() const { return m_circleRadius / kCircleTurn * m_circleSegments; }
  float GetCircleAngle() const { return m_circleAngle; }

 private:
  bool InsideShrunkBox() const;
  void ChooseCircleTarget();
  void HeadForBoxCentre();

  float m_boxMinX = 0.0f, m_boxMinZ = 0.0f;
  float m_boxMaxX = 0.0f, m_boxMaxZ = 0.0f;
  float m_margin = 0.0f;
  float m_circleSegments = kCircleSegments;
  float m_circleRadius = kCircleRadius;
  float m_circleAngle = 0.0f;
};

// Fifteen birds: three flocks over the five shared models ("BIRD_01" to
// "BIRD_05"), each at a random point within 100 of the middle at height 20,
// flying in the box -250..250. The caller owns the birds; the models stay
// the caller's. The random generator is seeded with the seed first.
std::vector<CBird*> CreateBirdFlocks(ZOdevuvCharacter* const (&models)[CBird::kModelCount], unsigned seed);
