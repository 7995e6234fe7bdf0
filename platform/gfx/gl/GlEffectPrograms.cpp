#include "platform/gfx/gl/GlEffectPrograms.h"

#include <algorithm>
#include <cstdio>
#include <regex>

#include "platform/gfx/Effect.h"
#include "platform/gfx/gl/GlPipelineState.h"
#include "platform/gfx/gl/GlResources.h"
#include "platform/os/DebugOutput.h"

namespace plat {

namespace {

void Report(const Effect& effect, const std::string& technique, std::uint32_t pass, const std::string& reason) {
  const std::string text = "Effect " + effect.Name() + ", technique " + technique + ", pass " +
                           std::to_string(pass) + ": " + reason + "\n";
  OutputDebugString(text);
  std::fputs(text.c_str(), stderr);
}

// The device's alpha test applies to what a fragment stage writes, as it
// did to a pixel shader's colour: the stage's main becomes a function that a
// new main calls before testing the alpha of its (first) colour output,
// named COLOUR below. Stages without a colour output stay as they are.
constexpr const char* kAlphaFunc = "halvenorAlphaFunc";
constexpr const char* kAlphaRef = "halvenorAlphaRef";
constexpr const char* kAlphaTestMain = R"GLSL(
uniform int halvenorAlphaFunc;  // compare function, 8 = always
uniform float halvenorAlphaRef;
void main() {
  halvenorEffectMain();
  float a = floor(clamp(COLOUR.a, 0.0, 1.0) * 255.0 + 0.5);
  float r = halvenorAlphaRef;
  switch (halvenorAlphaFunc) {
    case 1: discard;
    case 2: if (!(a < r)) discard; break;
    case 3: if (!(a == r)) discard; break;
    case 4: if (!(a <= r)) discard; break;
    case 5: if (!(a > r)) discard; break;
    case 6: if (!(a != r)) discard; break;
    case 7: if (!(a >= r)) discard; break;
    default: break;
  }
}
)GLSL";

// The source with its comments blanked out, for searching declarations.
std::string WithoutComments(const std::string& source) {
  std::string out = source;
  for (std::size_t i = 0; i + 1 < out.size(); ++i) {
    if (out[i] != '/' || (out[i + 1] != '/' && out[i + 1] != '*')) continue;
    const bool line = out[i + 1] == '/';
    std::size_t end = line ? out.find('\n', i) : out.find("*/", i + 2);
    end = end == std::string::npos ? out.size() : (line ? end : end + 2);
    std::fill(out.begin() + std::ptrdiff_t(i), out.begin() + std::ptrdiff_t(end), ' ');
    i = end - 1;
  }
  return out;
}

// A stage's "void main(".
const std::regex& MainEntry() {
  static const std::regex entry(R"(\bvoid\s+main\s*\()");
  return entry;
}

std::string WithAlphaTest(const std::string& source) {
  static const std::regex output(R"(\bout\s+vec4\s+(\w+)\s*;)");
  const std::regex& entry = MainEntry();
  static const std::regex colour(R"(\bCOLOUR\b)");
  const std::string code = WithoutComments(source);
  std::smatch found;
  if (!std::regex_search(code, found, output) || !std::regex_search(code, entry)) return source;
  return std::regex_replace(source, entry, "void halvenorEffectMain(") +
         std::regex_replace(kAlphaTestMain, colour, found[1].str());
}

// The user clip planes apply to what a vertex stage writes, as they did to a
// vertex shader's position: the stage's main becomes a function that a new
// main calls before writing the distances to the planes.
constexpr const char* kClipDistanceMain = R"GLSL(
uniform vec4 halvenorClipPlanes[6];
out float gl_ClipDistance[6];
void main() {
  halvenorEffectVertexMain();
  for (int i = 0; i < 6; ++i) gl_ClipDistance[i] = dot(halvenorClipPlanes[i], gl_Position);
}
)GLSL";
static_assert(kClipPlaneCount == 6);

std::string WithClipDistances(const std::string& source) {
  if (!std::regex_search(WithoutComments(source), MainEntry())) return source;
  return std::regex_replace(source, MainEntry(), "void halvenorEffectVertexMain(") + kClipDistanceMain;
}

void UploadValue(GLint location, const EffectValue& v) {
  const auto count = [&v](std::size_t per) { return GLsizei(v.floats.size() / per); };
  switch (v.type) {
    case EffectParamType::Float: glUniform1fv(location, count(1), v.floats.data()); break;
    case EffectParamType::Float2: glUniform2fv(location, count(2), v.floats.data()); break;
    case EffectParamType::Float3: glUniform3fv(location, count(3), v.floats.data()); break;
    case EffectParamType::Float4: glUniform4fv(location, count(4), v.floats.data()); break;
    // Row-vector matrices go up as they are; the shaders compute M * v.
    case EffectParamType::Float4x4: glUniformMatrix4fv(location, count(16), GL_FALSE, v.floats.data()); break;
    case EffectParamType::Int:
    case EffectParamType::Bool: glUniform1i(location, v.intValue); break;
    case EffectParamType::Texture: break;
  }
}

}  // namespace

GlEffectPrograms::~GlEffectPrograms() {
  for (const auto& [unit, sampler] : samplers_) glDeleteSamplers(1, &sampler);
}

GlEffectPrograms::Entry* GlEffectPrograms::Build(const Effect& effect, const EffectTechnique& technique,
                                                std::uint32_t passIndex) {
  const EffectPass& pass = technique.passes[passIndex];
  const EffectDescription& description = effect.Description();
  const EffectShader* vs = description.FindShader(pass.vertexShader);
  const EffectShader* fs = description.FindShader(pass.fragmentShader);
  const std::string key = (vs ? vs->source : std::string()) + '\0' + (fs ? fs->source : std::string());
  auto it = programs_.find(key);
  if (it != programs_.end()) return it->second.get();
  auto entry = std::make_unique<Entry>();
  std::string error;
  if (vs == nullptr || fs == nullptr) {
    error = "the pass names only one of its two stages";
  } else if (!entry->program.Build(WithClipDistances(vs->source), WithAlphaTest(fs->source), error)) {
    error = "stages " + vs->name + " and " + fs->name + ": " + error;
  }
  entry->setsPointSize = vs != nullptr && vs->source.find("gl_PointSize") != std::string::npos;
  if (!error.empty()) {
    entry->failed = true;
    Report(effect, technique.name, passIndex, error);
  }
  return programs_.emplace(key, std::move(entry)).first->second.get();
}

GlEffectPrograms::EffectEntry& GlEffectPrograms::ProgramsOf(const Effect& effect) {
  // An address may be reused by a later effect: the description and the
  // file name tell whether the entry is this one's.
  auto it = effects_.find(&effect);
  if (it != effects_.end() && it->second.description == &effect.Description() &&
      it->second.name == effect.Name())
    return it->second;
  EffectEntry entry;
  entry.description = &effect.Description();
  entry.name = effect.Name();
  for (const EffectTechnique& technique : entry.description->techniques) {
    std::vector<Entry*>& passes = entry.passes.emplace_back();
    for (std::uint32_t p = 0; p < technique.passes.size(); ++p) {
      const EffectPass& pass = technique.passes[p];
      Entry* program = pass.vertexShader.empty() && pass.fragmentShader.empty() ? nullptr : Build(effect, technique, p);
      entry.failed = entry.failed || (program != nullptr && program->failed);
      passes.push_back(program);
    }
  }
  return effects_[&effect] = std::move(entry);
}

void GlEffectPrograms::Begin(const DeviceState& state) {
  current_ = nullptr;
  fixedFunction_ = false;
  setsPointSize_ = false;
  textures_.clear();
  const EffectTechnique* technique = state.effect ? state.effect->Technique() : nullptr;
  if (technique == nullptr || state.effectPass >= technique->passes.size()) return;
  const EffectEntry& programs = ProgramsOf(*state.effect);
  if (programs.failed) return;
  const auto index = std::size_t(technique - programs.description->techniques.data());
  if (index >= programs.passes.size()) return;
  Entry* entry = programs.passes[index][state.effectPass];
  fixedFunction_ = entry == nullptr;
  current_ = entry ? &entry->program : nullptr;
  setsPointSize_ = entry && entry->setsPointSize;
  Upload(state);
}

void GlEffectPrograms::Commit(const DeviceState& state) { Upload(state); }

GLuint GlEffectPrograms::Sampler(std::uint32_t unit) {
  GLuint& sampler = samplers_[unit];
  if (sampler == 0) glGenSamplers(1, &sampler);
  return sampler;
}

void GlEffectPrograms::Upload(const DeviceState& state) {
  textures_.clear();
  if (current_ == nullptr) return;
  glUseProgram(current_->Name());
  const EffectDescription& description = state.effect->Description();
  GLuint unit = 0;
  for (const auto& [name, value] : state.effect->Values()) {
    const GLint location = current_->Uniform(name);
    if (location < 0) continue;  // the stages do not use it
    if (value.type != EffectParamType::Texture) {
      UploadValue(location, value);
      continue;
    }
    const EffectParameter* parameter = description.FindParameter(name);
    const std::uint32_t stage = unit < kSamplerCount ? unit : 0;
    ApplySamplerStates(Sampler(unit), state.samplerStates[stage],
                       parameter ? parameter->samplerStates
                                 : std::vector<std::pair<SamplerState, std::uint32_t>>{});
    textures_.push_back({unit, value.texture});
    glUniform1i(location, GLint(unit));
    ++unit;
  }
}

GlEffectPrograms::PassDraw GlEffectPrograms::BindForDraw(const DeviceState& state) {
  if (fixedFunction_) return PassDraw::FixedFunction;
  if (current_ == nullptr) return PassDraw::Nothing;
  glUseProgram(current_->Name());
  const bool alphaTest = state.Render(RenderState::AlphaTestEnable) != 0;
  glUniform1i(current_->Uniform(kAlphaFunc),
              alphaTest ? GLint(state.Render(RenderState::AlphaFunc)) : GLint(Compare::Always));
  glUniform1f(current_->Uniform(kAlphaRef), float(state.Render(RenderState::AlphaRef) & 0xFF));
  UploadClipPlanes(current_->Uniform(kClipPlanesUniform), state);
  for (const TextureBinding& t : textures_) {
    glActiveTexture(GL_TEXTURE0 + t.unit);
    glBindTexture(GL_TEXTURE_2D, t.texture ? resources_.TextureName(*t.texture) : 0);
    glBindSampler(t.unit, Sampler(t.unit));
  }
  return PassDraw::Program;
}

}  // namespace plat
