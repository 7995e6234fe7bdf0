#include "tools/enginescene/EngineScene.h"

#include <cstdio>
#include <iterator>
#include <utility>

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/media/ZOdevuvVideo.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/media/MusicGraph.h"
#include "platform/os/Path.h"
#include "tools/enginescene/SceneFigures.h"
#include "tools/enginescene/SceneModels.h"
#include "tools/enginescene/SceneReport.h"

namespace {

// The game's effect files, in the order and under the names it loads them.
struct EffectFile {
  const char* name;
  const char* file;
};
constexpr EffectFile kEffects[] = {
    {"BaseEffects", "ps_shaders.fx"},
    {"BumpRefl", "bump_reflection.fx"},
    {"Standard", "sh.fx"},
    {"SpecularMap", "specular.fx"},
    {"Default", "diffuse.fx"},
    {"CharAnim", "character_diffuseVxBlend.fx"},
    {"Sample", "sample.fx"},
    {"DiffOld", "diffuse_old.fx"},
    {"DiffNormal", "diffuse_normal.fx"},
    {"Water2", "Water2.fx"},
    {"GroundShadow", "ground_shadow.fx "},
    {"SoftShadow", "Soft Shadows.fx"},
    {"Landscape", "Landscape.fx"},
    {"BaseVertexShader", "baseVx.fx"},
    {"Default_shadow", "ShadowMap.fx"},
};

constexpr const char* kClickName = "BUTTON_CLICK";
constexpr float kLightLevel = 0.9f;
constexpr std::uint32_t kSkyColour = 0xFF87B5E0u;
constexpr float kFieldOfView = 0.7853981852531433f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 5000.0f;

plat::Color Grey(float level) { return {level, level, level, 1.0f}; }

// The game's sun: a point light high above the park, shining at its centre.
plat::Light Sun() {
  plat::Light sun;
  sun.type = plat::LightType::Point;
  sun.position = {10, 500, -10};
  sun.direction = plat::Vec3Normalized(plat::Vec3{0, 0, 0} - sun.position);
  sun.diffuse = Grey(kLightLevel);
  sun.specular = Grey(0);
  sun.ambient = Grey(kLightLevel);
  sun.range = 10000.0f;
  sun.theta = sun.phi = 0.7853981852531433f;
  return sun;
}

bool AnyBufferPlaying(SoundRecord* sound) {
  if (!sound) return false;
  for (const auto& buffer : sound->buffers) {
    if (buffer && buffer->IsPlaying()) return true;
  }
  return false;
}

bool MusicRunning() {
  return g_music && g_music->GetGraph() && g_music->GetGraph()->State() == plat::GraphState::Running;
}

}  // namespace

EngineScene::EngineScene(SceneDescription description, SceneReport* report)
    : m_description(std::move(description)),
      m_report(report),
      m_cameraPath(m_description.cameraPath, m_description.cameraSecondsPerPoint),
      m_projection(plat::IdentityMatrix()) {}

// The members hold engine resources; as members they go before the base
// destructor deletes the engine's singletons.
EngineScene::~EngineScene() = default;

void EngineScene::InitResources() {
  if (m_report && EngineDevice()) EngineDevice()->Record().Enable(true);
  LoadEffects();
  SetUpViewAndLight();
  LoadSounds();
  LoadParts();
  LoadParticles();
  StartIntro();
}

void EngineScene::LoadEffects() {
  if (!g_device) return;
  const std::string folder = plat::CurrentDirectory() + "\\effects\\";
  int missing = 0;
  for (const EffectFile& effect : kEffects) {
    g_device->LoadEffect(effect.name, (folder + effect.file).c_str(), 0);
    if (!g_device->GetEffect(effect.name)) ++missing;
  }
  if (missing == int(std::size(kEffects))) Skip("effects", "no effect file could be loaded from " + folder);
  else if (m_report) m_report->Note("effects", "loaded", int(std::size(kEffects)) - missing);
}

void EngineScene::SetUpViewAndLight() {
  if (g_camera) g_camera->SetMode(0);
  if (g_lights) g_lights->AddLight(Sun(), 1);
  plat::Device* device = EngineDevice();
  if (!device) return;
  const std::uint32_t ambient = std::uint32_t(kLightLevel * 255);
  device->SetRenderState(plat::RenderState::Ambient, 0xFF000000u | ambient << 16 | ambient << 8 | ambient);
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  device->SetRenderState(plat::RenderState::SpecularEnable, plat::kTrue);
  const float aspect = float(g_device->GetWidth()) / float(g_device->GetHeight() > 0 ? g_device->GetHeight() : 1);
  plat::MatrixPerspectiveFovLH(&m_projection, kFieldOfView, aspect, kNearPlane, kFarPlane);
  device->SetTransform(plat::TransformType::Projection, m_projection);
}

void EngineScene::LoadSounds() {
  if (!g_sound || !g_sound->Init()) {
    Skip("click", "no sound output");
  } else if (m_description.clickSound.empty()) {
    Skip("click", "no click in the scene file");
  } else if (!g_sound->LoadSound(m_description.clickSound.c_str(), kClickName, false)) {
    Skip("click", "cannot load " + m_description.clickSound);
  } else {
    m_hasClick = true;
  }
  if (!g_music) {
    Skip("music", "no music player");
  } else if (m_description.music.empty()) {
    Skip("music", "no music in the scene file");
  } else if (plat::MediaFailed(g_music->Open(m_description.music.c_str()))) {
    Skip("music", "cannot open " + m_description.music);
  } else {
    // Opening starts it; the music begins once the intro is over.
    if (g_music->GetGraph()) g_music->GetGraph()->Stop();
    m_hasMusic = true;
  }
}

void EngineScene::LoadParts() {
  m_models = std::make_unique<SceneModels>();
  for (const std::string& missing : m_models->Load(m_description.models)) Skip("models", "missing " + missing);
  m_figures = std::make_unique<SceneFigures>();
  const std::string walkers = m_figures->LoadWalkers(m_description.figures);
  m_hasWalkers = walkers.empty();
  if (!m_hasWalkers) Skip("walkers", walkers);
  const std::string bird = m_figures->LoadBird(m_description.bird);
  m_hasBird = bird.empty();
  if (!m_hasBird) Skip("bird", bird);
}

void EngineScene::LoadParticles() {
  if (!m_description.hasFirework) Skip("firework", "no firework in the scene file");
  if (!m_description.hasFountain) Skip("fountain", "no fountain in the scene file");
  m_effects = std::make_unique<ParticleEffects>(plat::CurrentDirectory().c_str());
  if (m_description.hasFirework && m_effects->firework) {
    const plat::Vec3& at = m_description.firework;
    m_effects->firework->SetOrigin(at.x, at.y, at.z);
    m_effects->firework->Reset();
    m_effects->firework->active = true;
  }
  if (m_description.hasFountain && m_effects->waterFallA) {
    const plat::Vec3& a = m_description.fountainFrom;
    const plat::Vec3& b = m_description.fountainTo;
    m_effects->waterFallA->SetEmitterLine(a.x, a.y, a.z, b.x, b.y, b.z);
    m_effects->waterFallA->SetOrigin(a.x, a.y, a.z);
    m_effects->waterFallA->Reset();
    m_effects->waterFallA->active = true;
  }
}

void EngineScene::StartIntro() {
  if (m_description.video.empty()) return Skip("video", "no video in the scene file");
  if (!g_video) return Skip("video", "no video player");
  const std::string path = plat::CurrentDirectory() + m_description.video;
  if (plat::MediaFailed(g_video->Open(path.c_str()))) return Skip("video", "cannot open " + m_description.video);
  if (g_device) g_video->SetDestRect(0, 0, g_device->GetWidth(), g_device->GetHeight());
  if (plat::MediaFailed(g_video->Run())) {
    g_video->Close();
    return Skip("video", "cannot run " + m_description.video);
  }
  m_inIntro = true;
}

void EngineScene::EndIntro() {
  m_inIntro = false;
  if (g_video) g_video->Close();
  if (m_hasMusic) g_music->Play(m_description.music.c_str());
}

void EngineScene::UpdateFrame(float elapsedSeconds) {
  if (m_inIntro) return UpdateIntro(elapsedSeconds);
  m_sceneSeconds += elapsedSeconds;
  m_figures->Update(m_sceneSeconds, elapsedSeconds);
  if (g_particleManager) g_particleManager->UpdateAll(elapsedSeconds);
  m_effects->Update(elapsedSeconds);
  UpdateSounds();
}

// A video that never reports its end must not hold the scene up.
void EngineScene::UpdateIntro(float elapsedSeconds) {
  m_introSeconds += elapsedSeconds;
  if (m_introSeconds >= m_description.videoMaxSeconds) {
    if (m_report) m_report->Note("video end", "cut short", 1);
    EndIntro();
  }
}

void EngineScene::UpdateSounds() {
  if (m_hasClick && m_sceneSeconds >= m_nextClick) {
    g_sound->Play(kClickName);
    m_nextClick += m_description.clickEverySeconds;
  }
  if (!m_report) return;
  if (m_hasClick) m_report->Note("click", "heard", AnyBufferPlaying(g_sound->Find(kClickName)) ? 1 : 0);
  if (m_hasMusic) m_report->Note("music", "heard", MusicRunning() ? 1 : 0);
}

void EngineScene::Frame(float) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  if (m_inIntro) {
    // The allocator draws and presents the frames while the player is polled.
    bool finished = false;
    DrawPart("video", [&] { finished = g_video->IsFinished(); });
    if (finished) {
      if (m_report) m_report->Note("video end", "finished", 1);
      EndIntro();
    }
    return;
  }
  DrawScene();
}

void EngineScene::DrawScene() {
  plat::Device& device = *EngineDevice();
  const SceneCameraPoint view = m_cameraPath.At(m_sceneSeconds);
  plat::Matrix viewMatrix = plat::IdentityMatrix();
  if (g_camera) {
    g_camera->LookAt(view.eye, view.target, {0, 1, 0});
    g_camera->GetViewMatrix(&viewMatrix);
  }
  if (g_frustum) g_frustum->Build(m_projection, viewMatrix);
  device.SetTransform(plat::TransformType::View, viewMatrix);
  device.SetTransform(plat::TransformType::Projection, m_projection);
  device.SetTransform(plat::TransformType::World, plat::IdentityMatrix());

  device.BeginScene();
  device.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSkyColour, 1.0f, 0);
  device.SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  for (const std::string& part : m_models->Parts()) DrawPart(part, [&] { m_models->DrawPart(part); });
  if (m_hasWalkers) DrawPart("walkers", [&] { m_figures->DrawWalkers(); });
  if (m_hasBird) DrawPart("bird", [&] { m_figures->DrawBird(); });
  // The particles are drawn with lighting on, as the game draws them.
  device.SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  if (m_description.hasFirework && m_effects->firework) {
    DrawPart("firework", [&] { m_effects->firework->Render(); });
  }
  if (m_description.hasFountain && m_effects->waterFallA) {
    DrawPart("fountain", [&] { m_effects->waterFallA->Render(); });
  }
  device.EndScene();
  g_device->Present();
  if (m_report) device.Record().Clear();
}

template <class Draw>
void EngineScene::DrawPart(const std::string& part, Draw draw) {
  plat::Device* device = EngineDevice();
  if (!m_report || !device) return draw();
  device->Record().Clear();
  draw();
  m_report->Note(part, "drawn", int(device->Record().Count(plat::EventKind::Draw)));
}

void EngineScene::Skip(const std::string& part, const std::string& reason) {
  std::printf("engine_scene: %s left out: %s\n", part.c_str(), reason.c_str());
  if (m_report) m_report->Skip(part, reason);
}
