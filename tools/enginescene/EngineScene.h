#pragma once
// The engine on its own, as the game will drive it: an intro video, then a
// park scene of static models, walking figures, a bird, a firework and a
// fountain seen by a camera on a path, with a click now and then and the
// park music. It is the engine's main object for this program: the shell
// calls Init, InitDevice, InitResources, then UpdateFrame and Frame once a
// frame. With a report, every part's draws and sounds are counted from the
// device's record and the sound output.
#include <memory>
#include <string>

#include "engine/system/DOradovIruzez.h"
#include "platform/math/Types.h"
#include "tools/enginescene/CameraPath.h"
#include "tools/enginescene/SceneDescription.h"

class ParticleEffects;
class SceneFigures;
class SceneModels;
class SceneReport;

class EngineScene : public DOradovIruzez {
 public:
  static constexpr float kFrameSeconds = 1.0f / 30.0f;

  // The report may be null (nothing is counted, as for timing).
  EngineScene(SceneDescription description, SceneReport* report);
  ~EngineScene() override;

  void InitResources() override;
  // The video while the intro runs, else the scene.
  void Frame(float elapsedSeconds) override;
  // Moves everything on by the frame's seconds (the intro only polls).
  void UpdateFrame(float elapsedSeconds);

  bool InIntro() const { return m_inIntro; }
  double SceneSeconds() const { return m_sceneSeconds; }

 private:
  void LoadEffects();
  void SetUpViewAndLight();
  void LoadSounds();
  void LoadParts();
  void LoadParticles();
  void StartIntro();
  void EndIntro();
  void UpdateIntro(float elapsedSeconds);
  void UpdateSounds();
  void DrawScene();
  template <class Draw>
  void DrawPart(const std::string& part, Draw draw);
  void Skip(const std::string& part, const std::string& reason);

  SceneDescription m_description;
  SceneReport* m_report;
  CameraPath m_cameraPath;
  std::unique_ptr<SceneModels> m_models;
  std::unique_ptr<SceneFigures> m_figures;
  std::unique_ptr<ParticleEffects> m_effects;
  plat::Matrix m_projection;
  bool m_inIntro = false;
  double m_introSeconds = 0;
  double m_sceneSeconds = 0;
  double m_nextClick = 0;
  bool m_hasWalkers = false;
  bool m_hasBird = false;
  bool m_hasClick = false;
  bool m_hasMusic = false;
};
