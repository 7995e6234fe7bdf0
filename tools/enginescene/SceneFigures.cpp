#include "tools/enginescene/SceneFigures.h"

#include <cmath>

#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/os/Path.h"
#include "tools/enginescene/ScenePaths.h"

namespace {

constexpr float kTwoPi = 6.28318531f;

// Stands at the point, turned to look along the heading (x, z).
plat::Matrix Facing(const plat::Vec3& at, float headingX, float headingZ) {
  plat::Matrix turn, move;
  plat::MatrixRotationY(&turn, std::atan2(headingX, headingZ));
  plat::MatrixTranslation(&move, at.x, at.y, at.z);
  return turn * move;
}

// To the far end in one leg, back in the next.
plat::Matrix WalkerWorld(const SceneWalker& path, double seconds) {
  const double legs = seconds / path.secondsPerLeg;
  const bool back = std::fmod(std::floor(legs), 2.0) != 0.0;
  const float s = float(legs - std::floor(legs));
  const plat::Vec3 from = back ? path.to : path.from;
  const plat::Vec3 to = back ? path.from : path.to;
  return Facing(plat::Vec3Lerp(from, to, s), to.x - from.x, to.z - from.z);
}

int AnimationSetIndex(const plat::AnimationController& controller, const std::string& name) {
  for (std::uint32_t i = 0; i < controller.GetNumAnimationSets(); ++i) {
    const auto set = controller.GetAnimationSet(i);
    if (set && set->GetName() == name) return int(i);
  }
  return -1;
}

}  // namespace

SceneFigures::SceneFigures() : m_birdWorld(plat::IdentityMatrix()) {}

SceneFigures::~SceneFigures() {
  if (m_model) m_model->Cleanup(m_hierarchy.get());
}

std::string SceneFigures::LoadWalkers(const SceneFigureSet& figures) {
  if (figures.file.empty() || figures.walkers.empty()) return "no walkers in the scene file";
  if (!plat::FileExists(figures.file)) return "missing " + figures.file;
  const std::string path = plat::ResolvePath(figures.file);
  m_hierarchy = std::make_unique<CMultiAnimAllocateHierarchy>();
  m_hierarchy->SetModelFolder(FolderOf(path).c_str());
  m_model = std::make_unique<CMultiAnim>();
  if (plat::MeshFailed(m_model->Load(path.c_str(), m_hierarchy.get()))) return "cannot load " + figures.file;
  for (const SceneWalker& walker : figures.walkers) {
    int32_t index = -1;
    if (plat::MeshFailed(m_model->CreateNewInstance(&index))) return "no animation instance for " + figures.file;
    CAnimInstance* instance = m_model->GetInstance(index);
    std::shared_ptr<plat::AnimationController> controller;
    instance->GetController(&controller);
    if (!controller || !controller->GetAnimationSetByName(figures.animationSet)) {
      return "no animation set \"" + figures.animationSet + "\" in " + figures.file;
    }
    controller->SetTrackAnimationSet(0, controller->GetAnimationSetByName(figures.animationSet));
    controller->SetTrackEnable(0, true);
    m_walkers.push_back({walker, instance, 0.0});
  }
  return "";
}

std::string SceneFigures::LoadBird(const SceneBird& bird) {
  if (bird.file.empty()) return "no bird in the scene file";
  if (!plat::FileExists(bird.file)) return "missing " + bird.file;
  auto character = std::make_unique<ZOdevuvCharacter>();
  if (plat::MeshFailed(character->Load(plat::ResolvePath(bird.file).c_str()))) return "cannot load " + bird.file;
  const int set = character->GetController() ? AnimationSetIndex(*character->GetController(), bird.animationSet) : -1;
  if (set < 0) return "no animation set \"" + bird.animationSet + "\" in " + bird.file;
  character->SetAnimationSet(set);
  m_bird = std::move(character);
  m_birdPath = bird;
  return "";
}

void SceneFigures::Update(double sceneSeconds, float elapsedSeconds) {
  for (Walker& walker : m_walkers) {
    walker.instance->SetWorldTransform(WalkerWorld(walker.path, sceneSeconds));
    walker.pendingSeconds += elapsedSeconds;
  }
  if (m_bird) {
    const float angle = float(std::fmod(sceneSeconds / m_birdPath.secondsPerRound, 1.0)) * kTwoPi;
    const plat::Vec3 at{m_birdPath.centre.x + m_birdPath.radius * std::cos(angle), m_birdPath.centre.y,
                        m_birdPath.centre.z + m_birdPath.radius * std::sin(angle)};
    // Flying counter-clockwise seen from above: the heading is the tangent.
    m_birdWorld = Facing(at, -std::sin(angle), std::cos(angle));
  }
}

void SceneFigures::DrawWalkers() {
  for (Walker& walker : m_walkers) {
    walker.instance->AdvanceTime(walker.pendingSeconds);
    walker.pendingSeconds = 0;
    walker.instance->Draw();
  }
}

void SceneFigures::DrawBird() const {
  plat::Device* device = EngineDevice();
  if (!m_bird || !device) return;
  // The character draws at the device's world transform.
  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  device->SetTransform(plat::TransformType::World, m_birdWorld);
  m_bird->Render(0);
  device->SetTransform(plat::TransformType::World, kept);
}
