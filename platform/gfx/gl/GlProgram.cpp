#include "platform/gfx/gl/GlProgram.h"

#include <string>
#include <vector>

namespace plat {

namespace {

struct SemanticInput {
  const char* name;
  GLuint location;
};

constexpr SemanticInput kInputs[] = {
    {"POSITION", kAttribPosition},       {"POSITIONT", kAttribPosition},
    {"BLENDWEIGHT", kAttribBlendWeight}, {"BLENDINDICES", kAttribBlendIndices},
    {"NORMAL", kAttribNormal},           {"PSIZE", kAttribPSize},
    {"COLOR0", kAttribColor0},           {"COLOR", kAttribColor0},
    {"COLOR1", kAttribColor1},           {"TANGENT", kAttribTangent},
    {"BINORMAL", kAttribBinormal},       {"TEXCOORD", kAttribTexCoord0},
};

std::string InfoLog(GLuint object, bool program) {
  GLint length = 0;
  if (program) glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
  else glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
  std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  if (program) glGetProgramInfoLog(object, length, nullptr, log.data());
  else glGetShaderInfoLog(object, length, nullptr, log.data());
  return std::string(log.data());
}

GLuint Compile(GLenum stage, std::string_view source, std::string& error) {
  GLuint shader = glCreateShader(stage);
  const GLchar* text = source.data();
  const GLint length = static_cast<GLint>(source.size());
  glShaderSource(shader, 1, &text, &length);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    error = (stage == GL_VERTEX_SHADER ? "vertex stage: " : "fragment stage: ") + InfoLog(shader, false);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

}  // namespace

int AttribLocationFor(DeclUsage usage, std::uint8_t usageIndex) {
  switch (usage) {
    case DeclUsage::Position:
    case DeclUsage::PositionT: return usageIndex == 0 ? int(kAttribPosition) : -1;
    case DeclUsage::BlendWeight: return int(kAttribBlendWeight);
    case DeclUsage::BlendIndices: return int(kAttribBlendIndices);
    case DeclUsage::Normal: return usageIndex == 0 ? int(kAttribNormal) : -1;
    case DeclUsage::PSize: return int(kAttribPSize);
    case DeclUsage::Color: return usageIndex < 2 ? int(kAttribColor0 + usageIndex) : -1;
    case DeclUsage::Tangent: return int(kAttribTangent);
    case DeclUsage::Binormal: return int(kAttribBinormal);
    case DeclUsage::TexCoord:
      return usageIndex < kTexCoordInputs ? int(kAttribTexCoord0 + usageIndex) : -1;
    default: return -1;
  }
}

GlProgram::~GlProgram() {
  if (program_ != 0) glDeleteProgram(program_);
}

bool GlProgram::Build(std::string_view vertexSource, std::string_view fragmentSource,
                      std::string& error) {
  GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource, error);
  if (vs == 0) return false;
  GLuint fs = Compile(GL_FRAGMENT_SHADER, fragmentSource, error);
  if (fs == 0) {
    glDeleteShader(vs);
    return false;
  }
  GLuint program = glCreateProgram();
  glAttachShader(program, vs);
  glAttachShader(program, fs);
  for (const SemanticInput& input : kInputs) {
    glBindAttribLocation(program, input.location, input.name);
    if (input.location == kAttribTexCoord0) {
      for (GLuint i = 0; i < kTexCoordInputs; ++i)
        glBindAttribLocation(program, kAttribTexCoord0 + i, ("TEXCOORD" + std::to_string(i)).c_str());
    }
  }
  glLinkProgram(program);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    error = "link: " + InfoLog(program, true);
    glDeleteProgram(program);
    return false;
  }
  if (program_ != 0) glDeleteProgram(program_);
  program_ = program;
  uniforms_.clear();
  return true;
}

GLint GlProgram::Uniform(const std::string& name) {
  auto it = uniforms_.find(name);
  if (it != uniforms_.end()) return it->second;
  const GLint location = program_ != 0 ? glGetUniformLocation(program_, name.c_str()) : -1;
  uniforms_.emplace(name, location);
  return location;
}

}  // namespace plat
