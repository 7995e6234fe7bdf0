#pragma once
// An effect file in memory: named parameters, GLSL stages and techniques
// whose passes carry render states and name their two stages. The format is
// described in docs/effect-format.md; both backends share this parser.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gfx/DeviceTypes.h"

namespace plat {

class Texture;

enum class EffectParamType { Float, Float2, Float3, Float4, Float4x4, Int, Bool, Texture };

// Floats one element of the type holds (16 for a matrix, 0 for int, bool and texture).
std::uint32_t EffectFloatCount(EffectParamType type);
const char* EffectTypeName(EffectParamType type);

// A parameter value: floats for the float types (all elements of an array,
// row by row for matrices), intValue for int and bool, texture for textures.
struct EffectValue {
  EffectParamType type = EffectParamType::Float;
  std::vector<float> floats;
  std::int32_t intValue = 0;
  std::shared_ptr<Texture> texture;
};

struct EffectParameter {
  std::string name;
  EffectParamType type = EffectParamType::Float;
  std::uint32_t arraySize = 0;  // 0: not an array
  EffectValue initial;          // zeros unless the file gives a value
  // Texture parameters: sampler states for the stage the texture is bound to.
  std::vector<std::pair<SamplerState, std::uint32_t>> samplerStates;
  int line = 0;
};

enum class ShaderStage { Vertex, Fragment };

struct EffectShader {
  std::string name;
  ShaderStage stage = ShaderStage::Vertex;
  std::string source;  // GLSL 330, as written in the file
  int line = 0;        // of the source's first line in the file
};

struct EffectStateAssignment {
  RenderState state = RenderState::ZEnable;
  std::uint32_t value = 0;
};

struct EffectPass {
  std::string name;
  std::vector<EffectStateAssignment> states;  // in file order
  std::string vertexShader;                   // names of EffectShader entries
  std::string fragmentShader;
};

struct EffectTechnique {
  std::string name;
  std::vector<EffectPass> passes;
};

struct EffectDescription {
  std::vector<EffectParameter> parameters;
  std::vector<EffectShader> shaders;
  std::vector<EffectTechnique> techniques;

  const EffectParameter* FindParameter(std::string_view name) const;
  const EffectShader* FindShader(std::string_view name) const;
  const EffectTechnique* FindTechnique(std::string_view name) const;
};

// False with "line N: reason" (N counted from 1) on the first fault.
bool ParseEffect(std::string_view text, EffectDescription& out, std::string& error);

// The render states a pass may name ("ZEnable", "SrcBlend", ...) and the
// value words ("true", "SrcAlpha", "CCW", "GreaterEqual", numbers); false
// for unknown names.
bool EffectRenderStateByName(std::string_view name, RenderState& out);
bool EffectSamplerStateByName(std::string_view name, SamplerState& out);

}  // namespace plat
