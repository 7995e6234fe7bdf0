#include "platform/gfx/gl/GlPipelineState.h"

namespace plat {

namespace {

GLenum BlendFactor(std::uint32_t blend) {
  switch (blend) {
    case Blend::Zero: return GL_ZERO;
    case Blend::One: return GL_ONE;
    case Blend::SrcColor: return GL_SRC_COLOR;
    case Blend::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case Blend::SrcAlpha: return GL_SRC_ALPHA;
    case Blend::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    case Blend::DestAlpha: return GL_DST_ALPHA;
    case Blend::InvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
    case Blend::DestColor: return GL_DST_COLOR;
    case Blend::InvDestColor: return GL_ONE_MINUS_DST_COLOR;
    case Blend::SrcAlphaSat: return GL_SRC_ALPHA_SATURATE;
    case Blend::BlendFactor: return GL_CONSTANT_COLOR;
    case Blend::InvBlendFactor: return GL_ONE_MINUS_CONSTANT_COLOR;
    default: return GL_ONE;
  }
}

GLenum BlendEquation(std::uint32_t op) {
  switch (op) {
    case BlendOperation::Subtract: return GL_FUNC_SUBTRACT;
    case BlendOperation::RevSubtract: return GL_FUNC_REVERSE_SUBTRACT;
    case BlendOperation::Min: return GL_MIN;
    case BlendOperation::Max: return GL_MAX;
    default: return GL_FUNC_ADD;
  }
}

GLenum CompareFunc(std::uint32_t compare) {
  switch (compare) {
    case Compare::Never: return GL_NEVER;
    case Compare::Less: return GL_LESS;
    case Compare::Equal: return GL_EQUAL;
    case Compare::LessEqual: return GL_LEQUAL;
    case Compare::Greater: return GL_GREATER;
    case Compare::NotEqual: return GL_NOTEQUAL;
    case Compare::GreaterEqual: return GL_GEQUAL;
    default: return GL_ALWAYS;
  }
}

GLenum StencilOperation(std::uint32_t op) {
  switch (op) {
    case StencilOp::Zero: return GL_ZERO;
    case StencilOp::Replace: return GL_REPLACE;
    case StencilOp::IncrSat: return GL_INCR;
    case StencilOp::DecrSat: return GL_DECR;
    case StencilOp::Invert: return GL_INVERT;
    case 7: return GL_INCR_WRAP;
    case 8: return GL_DECR_WRAP;
    default: return GL_KEEP;
  }
}

void Enable(GLenum cap, bool on) {
  if (on) glEnable(cap);
  else glDisable(cap);
}

void ApplyBlend(const DeviceState& s) {
  Enable(GL_BLEND, s.Render(RenderState::AlphaBlendEnable) != 0);
  std::uint32_t src = s.Render(RenderState::SrcBlend), dst = s.Render(RenderState::DestBlend);
  if (src == Blend::BothSrcAlpha || src == Blend::BothInvSrcAlpha) {
    dst = src == Blend::BothSrcAlpha ? Blend::InvSrcAlpha : Blend::SrcAlpha;
    src = src == Blend::BothSrcAlpha ? Blend::SrcAlpha : Blend::InvSrcAlpha;
  }
  std::uint32_t srcAlpha = src, dstAlpha = dst, opAlpha = s.Render(RenderState::BlendOp);
  if (s.Render(RenderState::SeparateAlphaBlendEnable) != 0) {
    srcAlpha = s.Render(RenderState::SrcBlendAlpha);
    dstAlpha = s.Render(RenderState::DestBlendAlpha);
    opAlpha = s.Render(RenderState::BlendOpAlpha);
  }
  glBlendFuncSeparate(BlendFactor(src), BlendFactor(dst), BlendFactor(srcAlpha), BlendFactor(dstAlpha));
  glBlendEquationSeparate(BlendEquation(s.Render(RenderState::BlendOp)), BlendEquation(opAlpha));
  const std::uint32_t f = s.Render(RenderState::BlendFactor);
  glBlendColor(float((f >> 16) & 0xFF) / 255.0f, float((f >> 8) & 0xFF) / 255.0f, float(f & 0xFF) / 255.0f,
               float(f >> 24) / 255.0f);
}

void ApplyDepthStencil(const DeviceState& s, bool hasDepth) {
  Enable(GL_DEPTH_TEST, hasDepth && s.Render(RenderState::ZEnable) != ZBuffer::Off);
  glDepthMask(s.Render(RenderState::ZWriteEnable) != 0 ? GL_TRUE : GL_FALSE);
  glDepthFunc(CompareFunc(s.Render(RenderState::ZFunc)));
  Enable(GL_STENCIL_TEST, hasDepth && s.Render(RenderState::StencilEnable) != 0);
  glStencilFunc(CompareFunc(s.Render(RenderState::StencilFunc)), GLint(s.Render(RenderState::StencilRef)),
                s.Render(RenderState::StencilMask));
  glStencilOp(StencilOperation(s.Render(RenderState::StencilFail)),
              StencilOperation(s.Render(RenderState::StencilZFail)),
              StencilOperation(s.Render(RenderState::StencilPass)));
  glStencilMask(s.Render(RenderState::StencilWriteMask));
  const float bias = FloatFromBits(s.Render(RenderState::DepthBias));
  const float slope = FloatFromBits(s.Render(RenderState::SlopeScaleDepthBias));
  const bool offset = bias != 0.0f || slope != 0.0f;
  Enable(GL_POLYGON_OFFSET_FILL, offset);
  Enable(GL_POLYGON_OFFSET_LINE, offset);
  Enable(GL_POLYGON_OFFSET_POINT, offset);
  // The bias is in depth-range units; GL counts steps of the 24-bit buffer.
  if (offset) glPolygonOffset(slope, bias * 16777216.0f);
}

void ApplyRaster(const DeviceState& s) {
  const std::uint32_t cull = s.Render(RenderState::CullMode);
  Enable(GL_CULL_FACE, cull == Cull::Cw || cull == Cull::Ccw);
  // The upper-left clip origin keeps the screen's sense of turning, so the
  // faces culled by the counter-clockwise mode are GL's counter-clockwise ones.
  glFrontFace(cull == Cull::Ccw ? GL_CW : GL_CCW);
  glCullFace(GL_BACK);
  const std::uint32_t fill = s.Render(RenderState::FillMode);
  glPolygonMode(GL_FRONT_AND_BACK, fill == Fill::Point ? GL_POINT : fill == Fill::Wireframe ? GL_LINE : GL_FILL);
  const std::uint32_t mask = s.Render(RenderState::ColorWriteEnable);
  glColorMask((mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0);
}

void ApplyClipPlanes(const DeviceState& s) {
  const std::uint32_t enabled = s.Render(RenderState::ClipPlaneEnable);
  for (std::uint32_t i = 0; i < kClipPlaneCount; ++i) Enable(GL_CLIP_DISTANCE0 + i, ((enabled >> i) & 1) != 0);
}

GLint AddressMode(std::uint32_t address) {
  switch (address) {
    case TextureAddress::Mirror: return GL_MIRRORED_REPEAT;
    case TextureAddress::Clamp: return GL_CLAMP_TO_EDGE;
    case TextureAddress::Border: return GL_CLAMP_TO_BORDER;
    case TextureAddress::MirrorOnce: return GL_MIRROR_CLAMP_TO_EDGE;
    default: return GL_REPEAT;
  }
}

GLint MinFilter(std::uint32_t min, std::uint32_t mip) {
  const bool linear = min != TextureFilter::Point && min != TextureFilter::None;
  if (mip == TextureFilter::None) return linear ? GL_LINEAR : GL_NEAREST;
  if (mip == TextureFilter::Point) return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
  return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
}

}  // namespace

void ApplyRenderStates(const DeviceState& state, bool hasDepth) {
  ApplyBlend(state);
  ApplyDepthStencil(state, hasDepth);
  ApplyRaster(state);
  ApplyClipPlanes(state);
}

void UploadClipPlanes(GLint location, const DeviceState& state) {
  if (location < 0) return;
  // A plane that is off goes up as zeros, whose distance 0 cuts nothing, as
  // some drivers clip with every distance a stage writes.
  const std::uint32_t enabled = state.Render(RenderState::ClipPlaneEnable);
  std::array<float, 4 * kClipPlaneCount> planes{};
  for (std::uint32_t i = 0; i < kClipPlaneCount; ++i) {
    if (((enabled >> i) & 1) == 0) continue;
    const Plane& p = state.clipPlanes[i];
    planes[4 * i] = p.a;
    planes[4 * i + 1] = p.b;
    planes[4 * i + 2] = p.c;
    planes[4 * i + 3] = p.d;
  }
  glUniform4fv(location, GLsizei(kClipPlaneCount), planes.data());
}

void ApplySamplerStates(GLuint sampler, const std::array<std::uint32_t, kSamplerStateCount>& states,
                        const std::vector<std::pair<SamplerState, std::uint32_t>>& overrides) {
  std::array<std::uint32_t, kSamplerStateCount> s = states;
  for (const auto& [key, value] : overrides)
    if (std::uint32_t(key) < kSamplerStateCount) s[std::uint32_t(key)] = value;
  auto at = [&s](SamplerState key) { return s[std::uint32_t(key)]; };
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, AddressMode(at(SamplerState::AddressU)));
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, AddressMode(at(SamplerState::AddressV)));
  glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER,
                      MinFilter(at(SamplerState::MinFilter), at(SamplerState::MipFilter)));
  glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER,
                      at(SamplerState::MagFilter) == TextureFilter::Point ? GL_NEAREST : GL_LINEAR);
  glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, FloatFromBits(at(SamplerState::MipMapLodBias)));
  glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, float(at(SamplerState::MaxMipLevel)));
  const std::uint32_t b = at(SamplerState::BorderColor);
  const float border[4] = {float((b >> 16) & 0xFF) / 255.0f, float((b >> 8) & 0xFF) / 255.0f,
                           float(b & 0xFF) / 255.0f, float(b >> 24) / 255.0f};
  glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, border);
}

GLenum GlPrimitive(PrimitiveType type) {
  switch (type) {
    case PrimitiveType::PointList: return GL_POINTS;
    case PrimitiveType::LineList: return GL_LINES;
    case PrimitiveType::LineStrip: return GL_LINE_STRIP;
    case PrimitiveType::TriangleStrip: return GL_TRIANGLE_STRIP;
    case PrimitiveType::TriangleFan: return GL_TRIANGLE_FAN;
    default: return GL_TRIANGLES;
  }
}

}  // namespace plat
