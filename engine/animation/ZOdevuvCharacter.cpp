#include "engine/animation/ZOdevuvCharacter.h"

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/animation/CAllocateHierarchy.h"
#include "engine/animation/SkinnedHierarchy.h"
#include "engine/animation/SkinnedMeshHelpers.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/gfx/Effect.h"
#include "platform/mesh/XFileLoader.h"
#include "platform/os/Clock.h"

namespace {

// The states a skinned draw changes, put back afterwards so that later
// opaque draws are not blended.
constexpr plat::RenderState kDrawStates[] = {
    plat::RenderState::CullMode,       plat::RenderState::AlphaRef,
    plat::RenderState::AlphaTestEnable, plat::RenderState::AlphaFunc,
    plat::RenderState::AlphaBlendEnable, plat::RenderState::SrcBlend,
    plat::RenderState::DestBlend,
};

// Visits a frame, all that hangs from its siblings, then all below it, with
// an explicit stack (a file may give a frame thousands of siblings); stops
// when visit returns false.
template <typename Visit>
void ForEachFrame(plat::MeshFrame* top, const Visit& visit) {
  std::vector<plat::MeshFrame*> pending{top};
  while (!pending.empty()) {
    plat::MeshFrame* frame = pending.back();
    pending.pop_back();
    if (!frame) continue;
    if (!visit(frame)) return;
    pending.push_back(frame->firstChild);
    pending.push_back(frame->sibling);
  }
}

}  // namespace

ZOdevuvCharacter::ZOdevuvCharacter()
    : m_lastTime(double(plat::PerformanceCounter())), m_frequency(plat::PerformanceFrequency()) {
  if (g_device) m_effect = g_device->GetEffect(EngineString("CharAnim"));
}

ZOdevuvCharacter::~ZOdevuvCharacter() {
  m_controller.reset();
  CAllocateHierarchy allocator;
  plat::FrameDestroy(m_root, allocator);
}

plat::MeshResult ZOdevuvCharacter::Load(const EngineString& path) {
  // A second load replaces the first model instead of leaking it.
  m_controller.reset();
  CAllocateHierarchy previous;
  plat::FrameDestroy(m_root, previous);
  m_root = nullptr;
  m_firstContainer = nullptr;
  m_currentSet = -1;
  m_setCount = 0;
  m_boneCount = 0;
  CAllocateHierarchy allocator(ModelFolderOf(path.Std()), m_textureDirectory.Std());
  std::string reason;
  plat::MeshResult result = plat::LoadMeshHierarchyFromX(path.Std(), allocator, &m_root, &m_controller, &reason);
  if (!plat::MeshFailed(result) && m_root) result = SetupBonePointers(m_root, reason);
  if (plat::MeshFailed(result)) {
    ShowModelLoadError(path.Std(), reason);
    m_controller.reset();
    plat::FrameDestroy(m_root, allocator);
    m_root = nullptr;
    m_firstContainer = nullptr;
    m_boneCount = 0;
    return result;
  }
  if (m_controller) m_setCount = int32_t(m_controller->GetMaxNumAnimationSets());
  if (m_root) plat::FrameCalculateBoundingSphere(m_root, &m_sphereCentre, &m_sphereRadius);
  return result;
}

plat::MeshResult ZOdevuvCharacter::SetupBonePointers(plat::MeshFrame* frame, std::string& reason) {
  plat::MeshResult result = plat::kMeshOk;
  std::set<std::string> boneNames;
  ForEachFrame(frame, [&](plat::MeshFrame* visited) {
    if (!visited->meshContainer) return true;
    auto* container = static_cast<ZOdevuvMeshContainer*>(visited->meshContainer);
    if (!m_firstContainer) m_firstContainer = container;
    if (container->skinInfo) result = SetupContainerBones(*container, m_root, boneNames, reason);
    return !plat::MeshFailed(result);
  });
  m_boneCount = int32_t(boneNames.size());
  return result;
}

void ZOdevuvCharacter::Render(int32_t) {
  const int64_t now = plat::PerformanceCounter();
  const double elapsed = m_frequency > 0 ? (double(now) - m_lastTime) / double(m_frequency) : 0.0;
  AdvanceAnimation(elapsed);
  m_lastTime = double(now);

  plat::Device* device = EngineDevice();
  if (!device || !m_root) return;
  plat::Vec3 centre;
  plat::Vec3TransformCoord(&centre, m_sphereCentre,
                           device->GetTransform(plat::TransformType::World));
  if (!g_frustum || g_frustum->IsSphereVisible(centre, m_sphereRadius) > 0) DrawFrame(m_root);
}

void ZOdevuvCharacter::AdvanceAnimation(double seconds) {
  if (m_paused) return;
  if (m_controller && m_currentSet != -1) m_controller->AdvanceTime(seconds);
  if (!m_root) return;
  UpdateFrameMatrices(m_root->sibling, nullptr);
  UpdateFrameMatrices(m_root->firstChild,
                      &static_cast<ZOdevuvFrame*>(m_root)->combinedTransformationMatrix);
}

void ZOdevuvCharacter::UpdateFrameMatrices(plat::MeshFrame* frame, const plat::Matrix* parent) {
  // An explicit stack: a file may give a frame thousands of siblings.
  std::vector<std::pair<plat::MeshFrame*, const plat::Matrix*>> pending{{frame, parent}};
  while (!pending.empty()) {
    auto [next, above] = pending.back();
    pending.pop_back();
    if (!next) continue;
    auto* zFrame = static_cast<ZOdevuvFrame*>(next);
    if (above) zFrame->combinedTransformationMatrix = next->transformationMatrix * *above;
    pending.emplace_back(next->firstChild, &zFrame->combinedTransformationMatrix);
    pending.emplace_back(next->sibling, above);
  }
}

void ZOdevuvCharacter::SetAnimationSet(int32_t index) {
  if (index == m_currentSet || uint32_t(index) >= uint32_t(m_setCount) || !m_controller) return;
  m_currentSet = index;
  m_controller->SetTrackAnimationSet(0, m_controller->GetAnimationSet(uint32_t(index)));
  m_controller->KeyTrackSpeed(0, m_trackSpeed, 0.0, kSetTransitionSeconds);
  m_controller->KeyTrackWeight(0, m_trackSpeed, 0.0, kSetTransitionSeconds);
  plat::TrackDesc desc;
  m_controller->GetTrackDesc(0, &desc);
  m_loopStart = desc.position;
}

bool ZOdevuvCharacter::CheckAnimationEnd() {
  if (m_currentSet == -1 || !m_controller) return m_paused;
  const auto set = m_controller->GetTrackAnimationSet(0);
  plat::TrackDesc desc;
  if (!set || !m_controller->GetTrackDesc(0, &desc)) return m_paused;
  const double period = set->GetPeriod();
  const double played = desc.position - m_loopStart;
  if (period > 0 && played >= period) {
    m_loopStart += period * std::floor(played / period);
    m_paused = true;
    m_playing = false;
  }
  return m_paused;
}

void ZOdevuvCharacter::DrawFrame(plat::MeshFrame* frame) {
  ForEachFrame(frame, [&](plat::MeshFrame* visited) {
    if (visited->meshContainer) DrawMeshContainer(visited);
    return true;
  });
}

void ZOdevuvCharacter::DrawMeshContainer(plat::MeshFrame* frame) {
  plat::Device* device = EngineDevice();
  if (!device || !frame->meshContainer) return;
  auto& container = *static_cast<ZOdevuvMeshContainer*>(frame->meshContainer);
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  std::pair<plat::RenderState, uint32_t> saved[std::size(kDrawStates)];
  for (std::size_t i = 0; i < std::size(kDrawStates); ++i) {
    saved[i] = {kDrawStates[i], device->GetRenderState(kDrawStates[i])};
  }
  device->SetRenderState(plat::RenderState::CullMode, plat::Cull::None);
  device->SetRenderState(plat::RenderState::AlphaRef, 160);
  device->SetRenderState(plat::RenderState::AlphaTestEnable, 1);
  device->SetRenderState(plat::RenderState::AlphaFunc, plat::Compare::GreaterEqual);
  device->SetRenderState(plat::RenderState::AlphaBlendEnable, 1);
  device->SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device->SetRenderState(plat::RenderState::DestBlend, plat::Blend::InvSrcAlpha);

  if (!container.skinInfo) {
    DrawUnskinnedContainer(*device, container);
  } else {
    SkinnedDrawStyle style;
    style.materialAlpha = 0.5f;
    style.technique = m_ghost ? "textured_ghost" : "textured";
    DrawSkinnedContainer(*device, m_effect.get(), container, world, style);
  }
  device->SetTransform(plat::TransformType::World, world);
  for (const auto& [state, value] : saved) device->SetRenderState(state, value);
}
