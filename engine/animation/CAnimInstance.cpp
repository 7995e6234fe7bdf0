#include "engine/animation/CAnimInstance.h"

#include "engine/animation/CMultiAnim.h"
#include "engine/animation/SkinnedHierarchy.h"
#include "engine/animation/SkinnedMeshHelpers.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Effect.h"

CAnimInstance::CAnimInstance(CMultiAnim* owner) : m_owner(owner), m_world(plat::IdentityMatrix()) {
  if (g_device) m_effect = g_device->GetEffect(EngineString("CharAnim"));
}

CAnimInstance::~CAnimInstance() = default;

plat::MeshResult CAnimInstance::SetController(std::shared_ptr<plat::AnimationController> controller) {
  if (!controller) return plat::kMeshFail;
  m_controller = std::move(controller);
  for (uint32_t track = 0; track < m_controller->GetMaxNumTracks(); ++track) {
    m_controller->SetTrackEnable(track, false);
  }
  return plat::kMeshOk;
}

plat::MeshResult CAnimInstance::GetController(
    std::shared_ptr<plat::AnimationController>* out) const {
  if (!out) return plat::kMeshInvalidArg;
  *out = m_controller;
  return plat::kMeshOk;
}

plat::MeshResult CAnimInstance::AdvanceTime(double seconds) {
  if (!m_controller) return plat::kMeshFail;
  if (!m_controller->AdvanceTime(seconds)) return plat::kMeshInvalidArg;
  UpdateFrameMatrices(m_owner->GetRootFrame(), nullptr);
  return plat::kMeshOk;
}

void CAnimInstance::UpdateFrameMatrices(plat::MeshFrame* frame, const plat::Matrix* parent) {
  for (; frame; frame = frame->sibling) {
    auto* zFrame = static_cast<ZOdevuvFrame*>(frame);
    zFrame->combinedTransformationMatrix =
        parent ? frame->transformationMatrix * *parent : frame->transformationMatrix;
    UpdateFrameMatrices(frame->firstChild, &zFrame->combinedTransformationMatrix);
  }
}

plat::MeshResult CAnimInstance::Draw() {
  DrawFrames(m_owner->GetRootFrame());
  return plat::kMeshOk;
}

void CAnimInstance::DrawFrames(plat::MeshFrame* frame) {
  for (; frame; frame = frame->sibling) {
    if (frame->meshContainer) DrawMeshFrame(frame);
    DrawFrames(frame->firstChild);
  }
}

void CAnimInstance::DrawMeshFrame(plat::MeshFrame* frame) {
  plat::Device* device = EngineDevice();
  if (!device || !frame->meshContainer) return;
  auto& container = *static_cast<ZOdevuvMeshContainer*>(frame->meshContainer);
  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  device->SetTransform(plat::TransformType::World, m_world);
  if (!container.skinInfo) {
    DrawUnskinnedContainer(*device, container);
  } else {
    SkinnedDrawStyle style;
    style.ownTextures = m_useOwnTextures ? &m_ownTextures : nullptr;
    DrawSkinnedContainer(*device, m_effect.get(), container, m_world, style);
  }
  device->SetTransform(plat::TransformType::World, kept);
}

void CAnimInstance::GetWorldSphereCenter(plat::Vec3* out) const {
  plat::Vec3 centre;
  m_owner->GetBoundingCenter(&centre);
  plat::Vec3TransformCoord(out, centre, m_world);
}

float CAnimInstance::GetSphereRadius() const { return m_owner->GetBoundingRadius(); }

std::shared_ptr<plat::Texture> CAnimInstance::FindCachedTexture(const EngineString& name) const {
  for (std::size_t i = 0; i < m_cachedTextureNames.size(); ++i) {
    if (m_cachedTextureNames[i] == name) return m_cachedTextures[i];
  }
  return nullptr;
}

void CAnimInstance::CacheTexture(const EngineString& name, std::shared_ptr<plat::Texture> texture) {
  if (!texture || FindCachedTexture(name)) return;
  m_cachedTextureNames.push_back(name);
  m_cachedTextures.push_back(std::move(texture));
}

void CAnimInstance::ReleaseTextures() {
  m_ownTextures.clear();
  m_useOwnTextures = false;
  m_cachedTextureNames.clear();
  m_cachedTextures.clear();
}

void CAnimInstance::Cleanup() {
  m_controller.reset();
  ReleaseTextures();
}
