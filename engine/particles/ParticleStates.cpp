#include "engine/particles/ParticleStates.h"

#include "platform/gfx/Device.h"

namespace {

using plat::RenderState;

void SetTextureAlpha(plat::Device& device) {
  device.SetTextureStageState(0, plat::TextureStageState::AlphaArg1, plat::TextureArg::Texture);
  device.SetTextureStageState(0, plat::TextureStageState::AlphaOp, plat::TextureOp::SelectArg1);
}

}  // namespace

void ApplyParticleBlend(plat::Device& device, ParticleBlend blend) {
  if (blend == ParticleBlend::TextureAlpha) {
    SetTextureAlpha(device);
    device.SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
    device.SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
    device.SetRenderState(RenderState::DestBlend, plat::Blend::One);
    device.SetRenderState(RenderState::ZEnable, plat::kTrue);
    device.SetRenderState(RenderState::ZWriteEnable, plat::kFalse);
    return;
  }
  if (blend == ParticleBlend::TextureAlphaUnlit) SetTextureAlpha(device);
  device.SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device.SetRenderState(RenderState::DestBlend, plat::Blend::One);
  device.SetRenderState(RenderState::Lighting, plat::kFalse);
  device.SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
  device.SetRenderState(RenderState::ZEnable, plat::kTrue);
  device.SetRenderState(RenderState::ZWriteEnable, plat::kFalse);
}

void RestoreParticleStates(plat::Device& device, ParticleRestore restore) {
  device.SetRenderState(RenderState::ZWriteEnable, plat::kTrue);
  if (restore != ParticleRestore::BlendOnly) {
    device.SetRenderState(RenderState::Lighting, plat::kTrue);
    device.SetRenderState(RenderState::AlphaBlendEnable, plat::kFalse);
  }
  if (restore == ParticleRestore::LitBlendAndAlphaTestOff) {
    device.SetRenderState(RenderState::AlphaTestEnable, plat::kFalse);
  }
  device.SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
  // Later blended draws that only switch blending on expect ordinary alpha
  // blending, so the destination factor goes back to one minus source alpha.
  device.SetRenderState(RenderState::DestBlend, plat::Blend::InvSrcAlpha);
  SetTextureAlpha(device);
}
