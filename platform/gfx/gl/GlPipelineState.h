#pragma once
// The device's render and sampler states carried over to GL's fixed stages:
// blending, depth, stencil, culling with the device's clockwise front
// faces, fill mode, colour writes, depth bias and the user clip planes;
// sampler objects per stage.
#include <epoxy/gl.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gfx/DeviceState.h"

namespace plat {

// hasDepth: the current target has a depth buffer (depth tests need one).
void ApplyRenderStates(const DeviceState& state, bool hasDepth);

// Sets a sampler object from the states of one sampler, with overrides (an
// effect's sampler states) applied on top.
void ApplySamplerStates(GLuint sampler, const std::array<std::uint32_t, kSamplerStateCount>& states,
                        const std::vector<std::pair<SamplerState, std::uint32_t>>& overrides = {});

// Every vertex stage (the built-in one and each effect's) writes the distance
// of its clip-space position to each user clip plane, taken from this
// uniform; the planes that ClipPlaneEnable names clip.
constexpr const char* kClipPlanesUniform = "halvenorClipPlanes";
void UploadClipPlanes(GLint location, const DeviceState& state);

GLenum GlPrimitive(PrimitiveType type);

}  // namespace plat
