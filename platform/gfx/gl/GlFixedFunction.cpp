#include "platform/gfx/gl/GlFixedFunction.h"

#include <cmath>
#include <map>
#include <string>

#include "platform/gfx/gl/GlPipelineState.h"
#include "platform/math/Math.h"

namespace plat {

namespace {

// The built-in vertex stage declares the device's six clip planes.
static_assert(kClipPlaneCount == 6);
const char* const kSources[] = {
#include "platform/gfx/gl/GlFixedFunctionShader.inc"
};

void SetArgb(GLint location, std::uint32_t argb) {
  glUniform4f(location, float((argb >> 16) & 0xFF) / 255.0f, float((argb >> 8) & 0xFF) / 255.0f,
              float(argb & 0xFF) / 255.0f, float(argb >> 24) / 255.0f);
}

void SetColor(GLint location, const Color& c) { glUniform4f(location, c.r, c.g, c.b, c.a); }

void SetMatrix(GLint location, const Matrix& m) {
  // Row vectors: the memory goes up as it is, and the shader computes M * v.
  glUniformMatrix4fv(location, 1, GL_FALSE, &m.m[0][0]);
}

// "name[i]", made once per name and index: the uniforms are set on every draw.
const std::string& Indexed(const char* name, std::uint32_t i) {
  thread_local std::map<std::pair<const char*, std::uint32_t>, std::string> names;
  std::string& text = names[{name, i}];
  if (text.empty()) text = std::string(name) + "[" + std::to_string(i) + "]";
  return text;
}

}  // namespace

VertexInputs InputsOf(const std::vector<VertexElement>& elements) {
  VertexInputs in;
  for (const VertexElement& e : elements) {
    switch (e.usage) {
      case DeclUsage::PositionT: in.pretransformed = true; break;
      case DeclUsage::Normal: in.normal = true; break;
      case DeclUsage::PSize: in.pointSize = true; break;
      case DeclUsage::Color:
        if (e.usageIndex == 0) in.diffuse = true;
        else if (e.usageIndex == 1) in.specular = true;
        break;
      default: break;
    }
  }
  return in;
}

bool GlFixedFunction::Build(std::string& error) { return program_.Build(kSources[0], kSources[1], error); }

void GlFixedFunction::Use(const DeviceState& state, const VertexInputs& inputs, bool points,
                          const bool (&hasTexture)[kFixedStages]) {
  GlProgram& p = program_;
  glUseProgram(p.Name());
  SetMatrix(p.Uniform("uWorldView"), state.world[0] * state.view);
  SetMatrix(p.Uniform("uProjection"), state.projection);
  UploadClipPlanes(p.Uniform(kClipPlanesUniform), state);
  const Viewport& vp = state.viewport;
  glUniform1i(p.Uniform("uPretransformed"), inputs.pretransformed);
  glUniform4f(p.Uniform("uViewport"), float(vp.x), float(vp.y), float(vp.width), float(vp.height));
  glUniform1i(p.Uniform("uHasNormal"), inputs.normal);
  glUniform1i(p.Uniform("uHasDiffuse"), inputs.diffuse);
  glUniform1i(p.Uniform("uHasSpecular"), inputs.specular);
  glUniform1i(p.Uniform("uHasPointSize"), inputs.pointSize);
  SetLighting(state);

  glUniform1f(p.Uniform("uPointSize"), FloatFromBits(state.Render(RenderState::PointSize)));
  glUniform1f(p.Uniform("uPointSizeMin"), FloatFromBits(state.Render(RenderState::PointSizeMin)));
  glUniform1f(p.Uniform("uPointSizeMax"), FloatFromBits(state.Render(RenderState::PointSizeMax)));
  glUniform1i(p.Uniform("uPointScale"), state.Render(RenderState::PointScaleEnable) != 0);
  glUniform3f(p.Uniform("uPointScaleAbc"), FloatFromBits(state.Render(RenderState::PointScaleA)),
              FloatFromBits(state.Render(RenderState::PointScaleB)),
              FloatFromBits(state.Render(RenderState::PointScaleC)));
  glUniform1i(p.Uniform("uPointSprite"), points && state.Render(RenderState::PointSpriteEnable) != 0);

  std::uint32_t fogMode = FogMode::None;
  if (state.Render(RenderState::FogEnable) != 0) {
    fogMode = state.Render(RenderState::FogTableMode);
    if (fogMode == FogMode::None) fogMode = state.Render(RenderState::FogVertexMode);
  }
  glUniform1i(p.Uniform("uFogMode"), fogMode <= FogMode::Linear ? GLint(fogMode) : 0);
  SetArgb(p.Uniform("uFogColor"), state.Render(RenderState::FogColor));
  glUniform1f(p.Uniform("uFogStart"), FloatFromBits(state.Render(RenderState::FogStart)));
  glUniform1f(p.Uniform("uFogEnd"), FloatFromBits(state.Render(RenderState::FogEnd)));
  glUniform1f(p.Uniform("uFogDensity"), FloatFromBits(state.Render(RenderState::FogDensity)));
  glUniform1i(p.Uniform("uRangeFog"), state.Render(RenderState::RangeFogEnable) != 0);

  SetStages(state, hasTexture);
  const bool alphaTest = state.Render(RenderState::AlphaTestEnable) != 0;
  glUniform1i(p.Uniform("uAlphaFunc"), alphaTest ? GLint(state.Render(RenderState::AlphaFunc)) : GLint(Compare::Always));
  glUniform1f(p.Uniform("uAlphaRef"), float(state.Render(RenderState::AlphaRef) & 0xFF));
}

void GlFixedFunction::SetLighting(const DeviceState& state) {
  GlProgram& p = program_;
  glUniform1i(p.Uniform("uLighting"), state.Render(RenderState::Lighting) != 0);
  glUniform1i(p.Uniform("uColorVertex"), state.Render(RenderState::ColorVertex) != 0);
  glUniform1i(p.Uniform("uNormalize"), state.Render(RenderState::NormalizeNormals) != 0);
  glUniform1i(p.Uniform("uLocalViewer"), state.Render(RenderState::LocalViewer) != 0);
  glUniform1i(p.Uniform("uSpecularEnable"), state.Render(RenderState::SpecularEnable) != 0);
  SetArgb(p.Uniform("uAmbient"), state.Render(RenderState::Ambient));
  SetColor(p.Uniform("uMatDiffuse"), state.material.diffuse);
  SetColor(p.Uniform("uMatAmbient"), state.material.ambient);
  SetColor(p.Uniform("uMatSpecular"), state.material.specular);
  SetColor(p.Uniform("uMatEmissive"), state.material.emissive);
  glUniform1f(p.Uniform("uMatPower"), state.material.power);
  glUniform1i(p.Uniform("uDiffuseSource"), GLint(state.Render(RenderState::DiffuseMaterialSource)));
  glUniform1i(p.Uniform("uAmbientSource"), GLint(state.Render(RenderState::AmbientMaterialSource)));
  glUniform1i(p.Uniform("uSpecularSource"), GLint(state.Render(RenderState::SpecularMaterialSource)));
  glUniform1i(p.Uniform("uEmissiveSource"), GLint(state.Render(RenderState::EmissiveMaterialSource)));

  // Lights go to camera space here, where the shader lights.
  std::uint32_t count = 0;
  for (const auto& [index, slot] : state.lights) {
    if (!slot.enabled || count == kFixedLights) continue;
    const Light& l = slot.light;
    Vec3 position, direction;
    Vec3TransformCoord(&position, l.position, state.view);
    Vec3TransformNormal(&direction, l.direction, state.view);
    glUniform1i(p.Uniform(Indexed("uLightType", count)), GLint(l.type));
    SetColor(p.Uniform(Indexed("uLightDiffuse", count)), l.diffuse);
    SetColor(p.Uniform(Indexed("uLightSpecular", count)), l.specular);
    SetColor(p.Uniform(Indexed("uLightAmbient", count)), l.ambient);
    glUniform3f(p.Uniform(Indexed("uLightPosition", count)), position.x, position.y, position.z);
    glUniform3f(p.Uniform(Indexed("uLightDirection", count)), direction.x, direction.y, direction.z);
    glUniform3f(p.Uniform(Indexed("uLightAttenuation", count)), l.attenuation0, l.attenuation1, l.attenuation2);
    glUniform1f(p.Uniform(Indexed("uLightRange", count)), l.range);
    glUniform1f(p.Uniform(Indexed("uLightFalloff", count)), l.falloff);
    glUniform1f(p.Uniform(Indexed("uLightCosTheta", count)), std::cos(l.theta / 2));
    glUniform1f(p.Uniform(Indexed("uLightCosPhi", count)), std::cos(l.phi / 2));
    ++count;
  }
  glUniform1i(p.Uniform("uLightCount"), GLint(count));
}

void GlFixedFunction::SetStages(const DeviceState& state, const bool (&hasTexture)[kFixedStages]) {
  GlProgram& p = program_;
  struct StageUniform {
    const char* name;
    TextureStageState key;
  };
  const StageUniform table[] = {
      {"uColorOp", TextureStageState::ColorOp},     {"uColorArg1", TextureStageState::ColorArg1},
      {"uColorArg2", TextureStageState::ColorArg2}, {"uAlphaOp", TextureStageState::AlphaOp},
      {"uAlphaArg1", TextureStageState::AlphaArg1}, {"uAlphaArg2", TextureStageState::AlphaArg2},
  };
  for (std::uint32_t stage = 0; stage < kFixedStages; ++stage) {
    for (const StageUniform& u : table)
      glUniform1i(p.Uniform(Indexed(u.name, stage)), GLint(state.Stage(stage, u.key)));
    glUniform1i(p.Uniform(Indexed("uTexCoordIndex", stage)),
                GLint(state.Stage(stage, TextureStageState::TexCoordIndex) & 0xFFFF));
    glUniform1i(p.Uniform(Indexed("uHasTexture", stage)), hasTexture[stage]);
    static const std::string kSamplers[kFixedStages] = {"uTexture0", "uTexture1", "uTexture2"};
    glUniform1i(p.Uniform(kSamplers[stage]), GLint(stage));
  }
  SetArgb(p.Uniform("uTextureFactor"), state.Render(RenderState::TextureFactor));
}

}  // namespace plat
