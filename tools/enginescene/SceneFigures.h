#pragma once
// The scene's animated figures: people walking to and fro, each an
// animation instance of one shared skinned model, and a bird circling on a
// skinned character of its own.
#include <memory>
#include <string>
#include <vector>

#include "tools/enginescene/SceneDescription.h"

class CAnimInstance;
class CMultiAnim;
class CMultiAnimAllocateHierarchy;
class ZOdevuvCharacter;

class SceneFigures {
 public:
  SceneFigures();
  ~SceneFigures();
  SceneFigures(const SceneFigures&) = delete;
  SceneFigures& operator=(const SceneFigures&) = delete;

  // Empty on success, else why that part cannot take part.
  std::string LoadWalkers(const SceneFigureSet& figures);
  std::string LoadBird(const SceneBird& bird);

  // Places everyone for the time since the scene began and advances their
  // animations by the frame's seconds.
  void Update(double sceneSeconds, float elapsedSeconds);
  // Each walker's instance takes the time it was given since its last
  // draw right before it is drawn, as instances share the model's frames.
  void DrawWalkers();
  void DrawBird() const;

 private:
  struct Walker {
    SceneWalker path;
    CAnimInstance* instance;  // owned by the model
    double pendingSeconds;
  };

  std::unique_ptr<CMultiAnimAllocateHierarchy> m_hierarchy;
  std::unique_ptr<CMultiAnim> m_model;
  std::vector<Walker> m_walkers;
  std::unique_ptr<ZOdevuvCharacter> m_bird;
  SceneBird m_birdPath;
  plat::Matrix m_birdWorld;
};
