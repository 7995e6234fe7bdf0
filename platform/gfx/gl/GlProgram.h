#pragma once
// A linked GLSL program with its uniform locations, and the one table of
// vertex-input locations shared by the built-in shader and every effect, so
// that a vertex layout binds the same way whichever program draws it.
#include <epoxy/gl.h>

#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/gfx/DeviceTypes.h"

namespace plat {

// Vertex inputs by semantic. Effects name their inputs after the semantic
// (POSITION, NORMAL, COLOR0, TEXCOORD0, ...).
constexpr GLuint kAttribPosition = 0;
constexpr GLuint kAttribBlendWeight = 1;
constexpr GLuint kAttribBlendIndices = 2;
constexpr GLuint kAttribNormal = 3;
constexpr GLuint kAttribPSize = 4;
constexpr GLuint kAttribColor0 = 5;
constexpr GLuint kAttribColor1 = 6;
constexpr GLuint kAttribTangent = 7;
constexpr GLuint kAttribBinormal = 8;
constexpr GLuint kAttribTexCoord0 = 9;
constexpr GLuint kTexCoordInputs = 7;  // TEXCOORD0..6
constexpr GLuint kAttribCount = kAttribTexCoord0 + kTexCoordInputs;

// The location of an element's semantic, or -1 when no input takes it.
int AttribLocationFor(DeclUsage usage, std::uint8_t usageIndex);

class GlProgram {
 public:
  GlProgram() = default;
  ~GlProgram();
  GlProgram(const GlProgram&) = delete;
  GlProgram& operator=(const GlProgram&) = delete;

  // Compiles and links; false with the driver's log in `error`. Inputs are
  // bound to the semantic locations before linking.
  bool Build(std::string_view vertexSource, std::string_view fragmentSource, std::string& error);
  bool Valid() const { return program_ != 0; }
  GLuint Name() const { return program_; }

  // -1 when the program has no such uniform (cached).
  GLint Uniform(const std::string& name);

 private:
  GLuint program_ = 0;
  std::unordered_map<std::string, GLint> uniforms_;
};

}  // namespace plat
