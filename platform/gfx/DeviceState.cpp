#include "platform/gfx/DeviceState.h"

#include <utility>

#include "platform/math/Math.h"

namespace plat {

namespace {

void SetRender(DeviceState& s, RenderState state, std::uint32_t value) {
  s.renderStates[std::uint32_t(state)] = value;
}

void DefaultRenderStates(DeviceState& s, bool zEnable) {
  const std::pair<RenderState, std::uint32_t> table[] = {
      {RenderState::ZEnable, zEnable ? ZBuffer::On : ZBuffer::Off},
      {RenderState::FillMode, Fill::Solid},
      {RenderState::ShadeMode, Shade::Gouraud},
      {RenderState::ZWriteEnable, kTrue},
      {RenderState::AlphaTestEnable, kFalse},
      {RenderState::LastPixel, kTrue},
      {RenderState::SrcBlend, Blend::One},
      {RenderState::DestBlend, Blend::Zero},
      {RenderState::CullMode, Cull::Ccw},
      {RenderState::ZFunc, Compare::LessEqual},
      {RenderState::AlphaRef, 0},
      {RenderState::AlphaFunc, Compare::Always},
      {RenderState::DitherEnable, kFalse},
      {RenderState::AlphaBlendEnable, kFalse},
      {RenderState::FogEnable, kFalse},
      {RenderState::SpecularEnable, kFalse},
      {RenderState::FogColor, 0},
      {RenderState::FogTableMode, FogMode::None},
      {RenderState::FogStart, FloatBits(0.0f)},
      {RenderState::FogEnd, FloatBits(1.0f)},
      {RenderState::FogDensity, FloatBits(1.0f)},
      {RenderState::RangeFogEnable, kFalse},
      {RenderState::StencilEnable, kFalse},
      {RenderState::StencilFail, StencilOp::Keep},
      {RenderState::StencilZFail, StencilOp::Keep},
      {RenderState::StencilPass, StencilOp::Keep},
      {RenderState::StencilFunc, Compare::Always},
      {RenderState::StencilRef, 0},
      {RenderState::StencilMask, 0xFFFFFFFFu},
      {RenderState::StencilWriteMask, 0xFFFFFFFFu},
      {RenderState::TextureFactor, 0xFFFFFFFFu},
      {RenderState::Clipping, kTrue},
      {RenderState::Lighting, kTrue},
      {RenderState::Ambient, 0},
      {RenderState::FogVertexMode, FogMode::None},
      {RenderState::ColorVertex, kTrue},
      {RenderState::LocalViewer, kTrue},
      {RenderState::NormalizeNormals, kFalse},
      {RenderState::DiffuseMaterialSource, MaterialSource::Color1},
      {RenderState::SpecularMaterialSource, MaterialSource::Color2},
      {RenderState::AmbientMaterialSource, MaterialSource::Material},
      {RenderState::EmissiveMaterialSource, MaterialSource::Material},
      {RenderState::VertexBlend, 0},
      {RenderState::ClipPlaneEnable, 0},
      {RenderState::PointSize, FloatBits(1.0f)},
      {RenderState::PointSizeMin, FloatBits(1.0f)},
      {RenderState::PointSpriteEnable, kFalse},
      {RenderState::PointScaleEnable, kFalse},
      {RenderState::PointScaleA, FloatBits(1.0f)},
      {RenderState::PointScaleB, FloatBits(0.0f)},
      {RenderState::PointScaleC, FloatBits(0.0f)},
      {RenderState::MultisampleAntialias, kTrue},
      {RenderState::MultisampleMask, 0xFFFFFFFFu},
      {RenderState::PointSizeMax, FloatBits(DeviceCaps{}.maxPointSize)},
      {RenderState::IndexedVertexBlendEnable, kFalse},
      {RenderState::ColorWriteEnable, 0xF},
      {RenderState::TweenFactor, FloatBits(0.0f)},
      {RenderState::BlendOp, BlendOperation::Add},
      {RenderState::ScissorTestEnable, kFalse},
      {RenderState::SlopeScaleDepthBias, 0},
      {RenderState::AntialiasedLineEnable, kFalse},
      {RenderState::TwoSidedStencilMode, kFalse},
      {RenderState::CcwStencilFail, StencilOp::Keep},
      {RenderState::CcwStencilZFail, StencilOp::Keep},
      {RenderState::CcwStencilPass, StencilOp::Keep},
      {RenderState::CcwStencilFunc, Compare::Always},
      {RenderState::BlendFactor, 0xFFFFFFFFu},
      {RenderState::SrgbWriteEnable, kFalse},
      {RenderState::DepthBias, 0},
      {RenderState::SeparateAlphaBlendEnable, kFalse},
      {RenderState::SrcBlendAlpha, Blend::One},
      {RenderState::DestBlendAlpha, Blend::Zero},
      {RenderState::BlendOpAlpha, BlendOperation::Add},
  };
  for (const auto& [state, value] : table) SetRender(s, state, value);
}

void DefaultStageStates(DeviceState& s) {
  for (std::uint32_t stage = 0; stage < kTextureStageCount; ++stage) {
    auto& st = s.stageStates[stage];
    bool first = stage == 0;
    st[std::uint32_t(TextureStageState::ColorOp)] =
        first ? TextureOp::Modulate : TextureOp::Disable;
    st[std::uint32_t(TextureStageState::ColorArg1)] = TextureArg::Texture;
    st[std::uint32_t(TextureStageState::ColorArg2)] = TextureArg::Current;
    st[std::uint32_t(TextureStageState::AlphaOp)] =
        first ? TextureOp::SelectArg1 : TextureOp::Disable;
    st[std::uint32_t(TextureStageState::AlphaArg1)] = TextureArg::Texture;
    st[std::uint32_t(TextureStageState::AlphaArg2)] = TextureArg::Current;
    st[std::uint32_t(TextureStageState::TexCoordIndex)] = stage;
    st[std::uint32_t(TextureStageState::ColorArg0)] = TextureArg::Current;
    st[std::uint32_t(TextureStageState::AlphaArg0)] = TextureArg::Current;
    st[std::uint32_t(TextureStageState::ResultArg)] = TextureArg::Current;
  }
}

void DefaultSamplerStates(DeviceState& s) {
  for (auto& st : s.samplerStates) {
    st[std::uint32_t(SamplerState::AddressU)] = TextureAddress::Wrap;
    st[std::uint32_t(SamplerState::AddressV)] = TextureAddress::Wrap;
    st[std::uint32_t(SamplerState::AddressW)] = TextureAddress::Wrap;
    st[std::uint32_t(SamplerState::MagFilter)] = TextureFilter::Point;
    st[std::uint32_t(SamplerState::MinFilter)] = TextureFilter::Point;
    st[std::uint32_t(SamplerState::MipFilter)] = TextureFilter::None;
    st[std::uint32_t(SamplerState::MaxAnisotropy)] = 1;
  }
}

}  // namespace

DeviceState DefaultDeviceState(bool zEnable) {
  DeviceState s;
  DefaultRenderStates(s, zEnable);
  DefaultStageStates(s);
  DefaultSamplerStates(s);
  Matrix identity = IdentityMatrix();
  s.world.fill(identity);
  s.view = identity;
  s.projection = identity;
  s.textureMatrices.fill(identity);
  return s;
}

}  // namespace plat
