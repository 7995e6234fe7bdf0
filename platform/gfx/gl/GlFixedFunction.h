#pragma once
// The fixed-function pipeline the game draws with when no effect pass is
// open, as one built-in shader driven by uniforms: transforms (and
// pre-transformed screen vertices with their pixel centres), vertex lighting
// from the material and the device lights, material sources, fog, point
// sprites with the point-scale formula, texture stages 0-2 and the alpha test.
#include <cstdint>
#include <vector>

#include "platform/gfx/DeviceState.h"
#include "platform/gfx/gl/GlProgram.h"

namespace plat {

// What the bound vertex layout carries.
struct VertexInputs {
  bool pretransformed = false;
  bool normal = false;
  bool diffuse = false;
  bool specular = false;
  bool pointSize = false;
};
VertexInputs InputsOf(const std::vector<VertexElement>& elements);

constexpr std::uint32_t kFixedStages = 3;
constexpr std::uint32_t kFixedLights = 8;

class GlFixedFunction {
 public:
  // False with the driver's message when the built-in shader does not build.
  bool Build(std::string& error);
  // Binds the program and sets every uniform from the state. hasTexture
  // tells which stages have a texture bound (unit = stage).
  void Use(const DeviceState& state, const VertexInputs& inputs, bool points,
           const bool (&hasTexture)[kFixedStages]);

 private:
  void SetLighting(const DeviceState& state);
  void SetStages(const DeviceState& state, const bool (&hasTexture)[kFixedStages]);

  GlProgram program_;
};

}  // namespace plat
