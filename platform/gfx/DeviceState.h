#pragma once
// Everything the device keeps between calls: the whole pipeline state that a
// draw uses. The device hands a backend this snapshot with every draw.
#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {

class Effect;
class IndexBuffer;
class Surface;
class Texture;
class VertexBuffer;
class VertexDeclaration;

struct StreamBinding {
  std::shared_ptr<VertexBuffer> buffer;
  std::uint32_t offset = 0;
  std::uint32_t stride = 0;
};

struct LightSlot {
  Light light;
  bool enabled = false;
};

constexpr std::uint32_t kWorldMatrixCount = 4;
constexpr std::uint32_t kTextureMatrixCount = 8;
constexpr std::uint32_t kRenderTargetCount = 4;
// User clip planes: the bits of RenderState::ClipPlaneEnable name them.
constexpr std::uint32_t kClipPlaneCount = 6;
constexpr std::uint32_t kStreamCount = 4;

struct DeviceState {
  std::array<std::uint32_t, kRenderStateCount> renderStates{};
  std::array<std::array<std::uint32_t, kStageStateCount>, kTextureStageCount> stageStates{};
  std::array<std::array<std::uint32_t, kSamplerStateCount>, kSamplerCount> samplerStates{};
  std::array<std::shared_ptr<Texture>, kSamplerCount> textures;

  std::array<Matrix, kWorldMatrixCount> world;
  Matrix view;
  Matrix projection;
  std::array<Matrix, kTextureMatrixCount> textureMatrices;

  Material material;
  std::map<std::uint32_t, LightSlot> lights;  // by light index

  std::uint32_t fvf = 0;  // 0 while a declaration is set
  std::shared_ptr<VertexDeclaration> declaration;
  std::array<StreamBinding, kStreamCount> streams;
  std::shared_ptr<IndexBuffer> indices;

  Viewport viewport;
  // In clip space: a point stays where a x + b y + c z + d w >= 0.
  std::array<Plane, kClipPlaneCount> clipPlanes{};
  std::array<std::shared_ptr<Surface>, kRenderTargetCount> renderTargets;
  std::shared_ptr<Surface> depthStencil;

  // The effect pass that draws instead of the fixed-function state, if any.
  const Effect* effect = nullptr;
  std::uint32_t effectPass = 0;

  std::uint32_t Render(RenderState state) const { return renderStates[std::uint32_t(state)]; }
  std::uint32_t Stage(std::uint32_t stage, TextureStageState state) const {
    return stageStates[stage][std::uint32_t(state)];
  }
  std::uint32_t Sampler(std::uint32_t sampler, SamplerState state) const {
    return samplerStates[sampler][std::uint32_t(state)];
  }
};

// The state of a newly created device: the device's defaults.
// zEnable follows whether the device has an automatic depth buffer.
DeviceState DefaultDeviceState(bool zEnable);

}  // namespace plat
