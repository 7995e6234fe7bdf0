#include "platform/gfx/Device.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/Effect.h"
#include "platform/gfx/headless/HeadlessBackend.h"
#include "platform/math/Math.h"
#include "platform/os/Window.h"

namespace plat {

namespace {

std::mutex g_factoryMutex;
LiveBackendFactory g_liveFactory;

// The light an index gets when it is enabled before it was set.
Light DefaultLight() {
  Light light;
  light.type = LightType::Directional;
  light.diffuse = {1, 1, 1, 0};
  light.direction = {0, 0, 1};
  return light;
}

bool RectInside(const Rect* rect, const Surface& surface) {
  if (!rect) return true;
  return rect->left >= 0 && rect->top >= 0 && rect->right <= surface.Width() &&
         rect->bottom <= surface.Height() && rect->left < rect->right && rect->top < rect->bottom;
}

// Indices must reference vertices the draw names, so that no backend reads
// outside the vertex data.
bool IndicesInRange(const std::uint8_t* indices, std::uint32_t count, const DrawParams& draw) {
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint16_t index;
    std::memcpy(&index, indices + std::size_t(i) * 2, 2);
    if (index < draw.minVertex || index >= std::uint64_t(draw.minVertex) + draw.vertexCount) {
      return false;
    }
  }
  return true;
}

template <class State>
auto* TransformSlot(State& state, TransformType type) {
  std::uint32_t t = std::uint32_t(type);
  const std::uint32_t texture0 = std::uint32_t(TransformType::Texture0);
  const std::uint32_t world0 = std::uint32_t(TransformType::World);
  decltype(&state.view) slot = nullptr;
  if (type == TransformType::View) {
    slot = &state.view;
  } else if (type == TransformType::Projection) {
    slot = &state.projection;
  } else if (t >= texture0 && t <= std::uint32_t(TransformType::Texture7)) {
    slot = &state.textureMatrices[t - texture0];
  } else if (t >= world0 && t < world0 + kWorldMatrixCount) {
    slot = &state.world[t - world0];
  }
  return slot;
}

}  // namespace

Format BackBufferFormatForBits(int bits) {
  if (bits == 16) return Format::R5G6B5;
  if (bits == 24) return Format::X8R8G8B8;
  return Format::A8R8G8B8;
}

void SetLiveBackendFactory(LiveBackendFactory factory) {
  std::lock_guard<std::mutex> lock(g_factoryMutex);
  g_liveFactory = std::move(factory);
}

bool HasLiveBackendFactory() {
  std::lock_guard<std::mutex> lock(g_factoryMutex);
  return bool(g_liveFactory);
}

std::shared_ptr<Device> CreateDevice(const DeviceParams& params, std::string* error) {
  if (params.width < 1 || params.height < 1 || params.width > kMaxImageDimension ||
      params.height > kMaxImageDimension) {
    if (error) *error = "device size out of range";
    return nullptr;
  }
  LiveBackendFactory live;
  {
    std::lock_guard<std::mutex> lock(g_factoryMutex);
    live = g_liveFactory;
  }
  bool headless = params.backend == BackendChoice::Headless ||
                  (params.backend == BackendChoice::Auto && HeadlessRequestedByEnvironment()) ||
                  !live;
  std::unique_ptr<DeviceBackend> backend;
  if (headless) {
    backend = std::make_unique<HeadlessBackend>();
  } else {
    std::string reason;
    backend = live(params, reason);
    if (!backend) {
      if (error) *error = reason.empty() ? "live backend failed" : reason;
      return nullptr;
    }
  }
  return std::make_shared<Device>(params, std::move(backend));
}

Device::Device(const DeviceParams& params, std::unique_ptr<DeviceBackend> backend)
    : params_(params), backend_(std::move(backend)), state_(DefaultDeviceState(true)) {
  // CreateDevice refuses bad sizes; a device made directly still gets buffers.
  int width = std::clamp(params.width, 1, kMaxImageDimension);
  int height = std::clamp(params.height, 1, kMaxImageDimension);
  backBuffer_ = Surface::CreateStandalone(width, height, BackBufferFormatForBits(params.bits),
                                          Usage::RenderTarget, Pool::Default);
  autoDepth_ = CreateDepthStencilSurface(width, height, Format::D24S8);
  state_.renderTargets[0] = backBuffer_;
  state_.depthStencil = autoDepth_;
  state_.viewport = {0, 0, unsigned(width), unsigned(height), 0, 1};
}

Device::~Device() = default;

void Device::Note(RecordEvent event) { record_.Add(std::move(event)); }

void Device::RecordState(EventKind kind, std::uint32_t index, std::uint32_t key,
                         std::uint32_t value) {
  if (record_.Enabled()) Note({kind, StateEvent{index, key, value}});
}

void Device::RecordBind(EventKind kind, std::uint32_t index, std::shared_ptr<Resource> resource,
                        std::uint32_t offset, std::uint32_t stride) {
  if (record_.Enabled()) Note({kind, BindEvent{index, std::move(resource), offset, stride}});
}

bool Device::BeginScene() {
  if (inScene_) return false;
  inScene_ = true;
  Note({EventKind::BeginScene, {}});
  backend_->BeginScene();
  return true;
}

bool Device::EndScene() {
  if (!inScene_) return false;
  inScene_ = false;
  Note({EventKind::EndScene, {}});
  backend_->EndScene();
  return true;
}

bool Device::Clear(std::uint32_t flags, std::uint32_t color, float z, std::uint32_t stencil) {
  if ((flags & (ClearFlags::ZBuffer | ClearFlags::Stencil)) && !state_.depthStencil) return false;
  if (record_.Enabled()) Note({EventKind::Clear, ClearRecord{flags, color, z, stencil}});
  backend_->Clear(state_, flags, color, z, stencil);
  return true;
}

void Device::Present() {
  Note({EventKind::Present, {}});
  backend_->Present();
}

void Device::SetViewport(const Viewport& viewport) {
  state_.viewport = viewport;
  if (record_.Enabled()) Note({EventKind::Viewport, viewport});
}

bool Device::SetTransform(TransformType type, const Matrix& matrix) {
  Matrix* slot = TransformSlot(state_, type);
  if (!slot) return false;
  *slot = matrix;
  if (record_.Enabled()) Note({EventKind::Transform, TransformEvent{type, matrix}});
  return true;
}

bool Device::GetTransform(TransformType type, Matrix& out) const {
  const Matrix* slot = TransformSlot(state_, type);
  if (!slot) return false;
  out = *slot;
  return true;
}

bool Device::SetClipPlane(std::uint32_t index, const Plane& plane) {
  if (index >= kClipPlaneCount) return false;
  state_.clipPlanes[index] = plane;
  return true;
}

Plane Device::GetClipPlane(std::uint32_t index) const {
  return index < kClipPlaneCount ? state_.clipPlanes[index] : Plane{};
}

Matrix Device::GetTransform(TransformType type) const {
  Matrix out = IdentityMatrix();
  GetTransform(type, out);
  return out;
}

void Device::SetMaterial(const Material& material) {
  state_.material = material;
  if (record_.Enabled()) Note({EventKind::Material, material});
}

void Device::SetLight(std::uint32_t index, const Light& light) {
  state_.lights[index].light = light;
  if (record_.Enabled()) Note({EventKind::Light, LightEvent{index, light}});
}

bool Device::GetLight(std::uint32_t index, Light& out) const {
  auto it = state_.lights.find(index);
  if (it == state_.lights.end()) return false;
  out = it->second.light;
  return true;
}

void Device::LightEnable(std::uint32_t index, bool enable) {
  auto it = state_.lights.find(index);
  if (it == state_.lights.end()) it = state_.lights.emplace(index, LightSlot{DefaultLight()}).first;
  it->second.enabled = enable;
  RecordState(EventKind::LightEnable, index, 0, enable ? kTrue : kFalse);
}

bool Device::GetLightEnable(std::uint32_t index) const {
  auto it = state_.lights.find(index);
  return it != state_.lights.end() && it->second.enabled;
}

bool Device::SetRenderState(RenderState state, std::uint32_t value) {
  std::uint32_t key = std::uint32_t(state);
  if (key >= kRenderStateCount) return false;
  state_.renderStates[key] = value;
  RecordState(EventKind::RenderState, 0, key, value);
  return true;
}

std::uint32_t Device::GetRenderState(RenderState state) const {
  std::uint32_t key = std::uint32_t(state);
  return key < kRenderStateCount ? state_.renderStates[key] : 0;
}

bool Device::SetTextureStageState(std::uint32_t stage, TextureStageState state,
                                  std::uint32_t value) {
  std::uint32_t key = std::uint32_t(state);
  if (stage >= kTextureStageCount || key >= kStageStateCount) return false;
  state_.stageStates[stage][key] = value;
  RecordState(EventKind::StageState, stage, key, value);
  return true;
}

std::uint32_t Device::GetTextureStageState(std::uint32_t stage, TextureStageState state) const {
  std::uint32_t key = std::uint32_t(state);
  if (stage >= kTextureStageCount || key >= kStageStateCount) return 0;
  return state_.stageStates[stage][key];
}

bool Device::SetSamplerState(std::uint32_t sampler, SamplerState state, std::uint32_t value) {
  std::uint32_t key = std::uint32_t(state);
  if (sampler >= kSamplerCount || key >= kSamplerStateCount) return false;
  state_.samplerStates[sampler][key] = value;
  RecordState(EventKind::SamplerState, sampler, key, value);
  return true;
}

std::uint32_t Device::GetSamplerState(std::uint32_t sampler, SamplerState state) const {
  std::uint32_t key = std::uint32_t(state);
  if (sampler >= kSamplerCount || key >= kSamplerStateCount) return 0;
  return state_.samplerStates[sampler][key];
}

bool Device::SetTexture(std::uint32_t stage, std::shared_ptr<Texture> texture) {
  if (stage >= kSamplerCount) return false;
  RecordBind(EventKind::Texture, stage, texture);
  state_.textures[stage] = std::move(texture);
  return true;
}

std::shared_ptr<Texture> Device::GetTexture(std::uint32_t stage) const {
  return stage < kSamplerCount ? state_.textures[stage] : nullptr;
}

void Device::SetFVF(std::uint32_t fvf) {
  state_.fvf = fvf;
  state_.declaration.reset();
  RecordState(EventKind::Fvf, 0, 0, fvf);
}

void Device::SetVertexDeclaration(std::shared_ptr<VertexDeclaration> declaration) {
  RecordBind(EventKind::Declaration, 0, declaration);
  state_.declaration = std::move(declaration);
  state_.fvf = 0;
}

bool Device::SetStreamSource(std::uint32_t stream, std::shared_ptr<VertexBuffer> buffer,
                             std::uint32_t offset, std::uint32_t stride) {
  if (stream >= kStreamCount) return false;
  RecordBind(EventKind::StreamSource, stream, buffer, offset, stride);
  state_.streams[stream] = {std::move(buffer), offset, stride};
  return true;
}

void Device::SetIndices(std::shared_ptr<IndexBuffer> indices) {
  RecordBind(EventKind::Indices, 0, indices);
  state_.indices = std::move(indices);
}

bool Device::CheckStreamRange(const DrawParams& draw, std::uint32_t& stride) const {
  if (draw.userVertices) {
    stride = draw.userStride;
    return stride > 0;
  }
  const StreamBinding& stream = state_.streams[0];
  stride = stream.stride;
  if (!stream.buffer || stride == 0) return false;
  if (state_.declaration) {
    for (const VertexElement& e : state_.declaration->Elements()) {
      if (e.stream >= kStreamCount || !state_.streams[e.stream].buffer) return false;
    }
  }
  std::int64_t first = draw.indexed ? std::int64_t(draw.baseVertex) + draw.minVertex
                                    : std::int64_t(draw.startVertex);
  if (first < 0) return false;
  std::uint64_t end =
      std::uint64_t(stream.offset) + (std::uint64_t(first) + draw.vertexCount) * stride;
  return end <= stream.buffer->Length() && !stream.buffer->IsLocked();
}

void Device::RecordDraw(const DrawParams& draw, std::uint32_t stride) {
  DrawRecord r;
  r.type = draw.type;
  r.primitiveCount = draw.primitiveCount;
  r.indexed = draw.indexed;
  r.userMemory = draw.userVertices != nullptr;
  r.fvf = state_.fvf;
  r.declaration = state_.declaration;
  r.stride = stride;
  r.baseVertex = draw.baseVertex;
  r.firstVertex = draw.indexed ? std::uint32_t(draw.baseVertex + std::int32_t(draw.minVertex))
                               : draw.startVertex;
  std::size_t bytes = std::size_t(draw.vertexCount) * stride;
  if (draw.userVertices) {
    const std::uint8_t* from =
        draw.userVertices + std::size_t(draw.indexed ? draw.minVertex : 0) * stride;
    r.vertices.assign(from, from + bytes);
    if (draw.indexed) r.firstVertex = draw.minVertex;
  } else {
    const StreamBinding& stream = state_.streams[0];
    stream.buffer->CopyOut(std::uint32_t(stream.offset + std::size_t(r.firstVertex) * stride),
                           std::uint32_t(bytes), r.vertices);
  }
  if (draw.indexed) {
    if (draw.userIndices) {
      r.indices.assign(draw.userIndices, draw.userIndices + draw.indexCount);
    } else {
      std::vector<std::uint8_t> raw;
      state_.indices->CopyOut(draw.startIndex * 2, draw.indexCount * 2, raw);
      r.indices.resize(draw.indexCount);
      std::memcpy(r.indices.data(), raw.data(), raw.size());
    }
  }
  r.textures.assign(state_.textures.begin(), state_.textures.begin() + kTextureStageCount);
  if (state_.effect) {
    r.effect = state_.effect->Name();
    r.technique = state_.effect->CurrentTechnique();
    r.pass = state_.effectPass;
  }
  Note({EventKind::Draw, std::move(r)});
}

bool Device::Draw(const DrawParams& draw) {
  if (!inScene_ || draw.primitiveCount == 0) return false;
  if (state_.fvf == 0 && !state_.declaration) return false;
  std::uint32_t stride = 0;
  if (!CheckStreamRange(draw, stride)) return false;
  if (draw.indexed) {
    bool ok = false;
    if (draw.userIndices) {
      ok = IndicesInRange(reinterpret_cast<const std::uint8_t*>(draw.userIndices), draw.indexCount,
                          draw);
    } else if (state_.indices) {
      std::uint64_t end = std::uint64_t(draw.startIndex) + draw.indexCount;
      state_.indices->Read([&](const std::uint8_t* bytes, std::size_t size) {
        if (end * 2 > size) return;
        ok = IndicesInRange(bytes + std::size_t(draw.startIndex) * 2, draw.indexCount, draw);
      });
    }
    if (!ok) return false;
  }
  if (record_.Enabled()) RecordDraw(draw, stride);
  backend_->Draw(state_, draw);
  return true;
}

bool Device::DrawPrimitive(PrimitiveType type, std::uint32_t startVertex,
                           std::uint32_t primitiveCount) {
  DrawParams d;
  d.type = type;
  d.primitiveCount = primitiveCount;
  d.startVertex = startVertex;
  d.vertexCount = VertexCountFor(type, primitiveCount);
  return Draw(d);
}

bool Device::DrawIndexedPrimitive(PrimitiveType type, std::int32_t baseVertex,
                                  std::uint32_t minVertex, std::uint32_t numVertices,
                                  std::uint32_t startIndex, std::uint32_t primitiveCount) {
  DrawParams d;
  d.type = type;
  d.primitiveCount = primitiveCount;
  d.indexed = true;
  d.baseVertex = baseVertex;
  d.minVertex = minVertex;
  d.vertexCount = numVertices;
  d.startIndex = startIndex;
  d.indexCount = VertexCountFor(type, primitiveCount);
  return Draw(d);
}

bool Device::DrawPrimitiveUP(PrimitiveType type, std::uint32_t primitiveCount, const void* vertices,
                             std::uint32_t stride) {
  if (!vertices) return false;
  DrawParams d;
  d.type = type;
  d.primitiveCount = primitiveCount;
  d.vertexCount = VertexCountFor(type, primitiveCount);
  d.userVertices = static_cast<const std::uint8_t*>(vertices);
  d.userStride = stride;
  bool ok = Draw(d);
  SetStreamSource(0, nullptr, 0, 0);
  return ok;
}

bool Device::DrawIndexedPrimitiveUP(PrimitiveType type, std::uint32_t minVertex,
                                    std::uint32_t numVertices, std::uint32_t primitiveCount,
                                    const std::uint16_t* indices, const void* vertices,
                                    std::uint32_t stride) {
  if (!vertices || !indices) return false;
  DrawParams d;
  d.type = type;
  d.primitiveCount = primitiveCount;
  d.indexed = true;
  d.minVertex = minVertex;
  d.vertexCount = numVertices;
  d.indexCount = VertexCountFor(type, primitiveCount);
  d.userVertices = static_cast<const std::uint8_t*>(vertices);
  d.userStride = stride;
  d.userIndices = indices;
  bool ok = Draw(d);
  SetStreamSource(0, nullptr, 0, 0);
  SetIndices(nullptr);
  return ok;
}

std::shared_ptr<Texture> Device::CreateTexture(int width, int height, std::uint32_t levels,
                                               std::uint32_t usage, Format format, Pool pool,
                                               std::string* error) {
  return Texture::Create(width, height, levels, usage, format, pool, error);
}

std::shared_ptr<VertexBuffer> Device::CreateVertexBuffer(std::uint32_t length, std::uint32_t usage,
                                                         std::uint32_t fvf, Pool pool) {
  return VertexBuffer::Create(length, usage, fvf, pool);
}

std::shared_ptr<IndexBuffer> Device::CreateIndexBuffer(std::uint32_t length, std::uint32_t usage,
                                                       Pool pool) {
  return IndexBuffer::Create(length, usage, pool);
}

std::shared_ptr<VertexDeclaration> Device::CreateVertexDeclaration(
    std::vector<VertexElement> elements) {
  return VertexDeclaration::Create(std::move(elements));
}

std::shared_ptr<Surface> Device::CreateRenderTarget(int width, int height, Format format) {
  if (format == Format::D16 || format == Format::D24S8) return nullptr;
  return Surface::CreateStandalone(width, height, format, Usage::RenderTarget, Pool::Default);
}

std::shared_ptr<Surface> Device::CreateDepthStencilSurface(int width, int height, Format format) {
  if (format != Format::D16 && format != Format::D24S8) return nullptr;
  return Surface::CreateStandalone(width, height, format, Usage::DepthStencil, Pool::Default);
}

bool Device::SetRenderTarget(std::uint32_t index, std::shared_ptr<Surface> surface) {
  if (index >= kRenderTargetCount || (index == 0 && !surface)) return false;
  if (surface && !(surface->Desc().usage & Usage::RenderTarget)) return false;
  if (index == 0) {
    state_.viewport = {0, 0, unsigned(surface->Width()), unsigned(surface->Height()), 0, 1};
  }
  RecordBind(EventKind::RenderTarget, index, surface);
  state_.renderTargets[index] = std::move(surface);
  backend_->RenderTargetChanged(state_);
  return true;
}

std::shared_ptr<Surface> Device::GetRenderTarget(std::uint32_t index) const {
  return index < kRenderTargetCount ? state_.renderTargets[index] : nullptr;
}

void Device::SetDepthStencilSurface(std::shared_ptr<Surface> surface) {
  RecordBind(EventKind::DepthStencil, 0, surface);
  state_.depthStencil = std::move(surface);
  backend_->RenderTargetChanged(state_);
}

bool Device::StretchRect(const std::shared_ptr<Surface>& source, const Rect* sourceRect,
                         const std::shared_ptr<Surface>& dest, const Rect* destRect) {
  if (!source || !dest || source->IsDepthStencil() || dest->IsDepthStencil()) return false;
  if (!RectInside(sourceRect, *source) || !RectInside(destRect, *dest)) return false;
  if (record_.Enabled()) Note({EventKind::StretchRect, CopyEvent{source, dest}});
  backend_->StretchRect(*source, sourceRect, *dest, destRect);
  return true;
}

bool Device::UpdateSurface(const std::shared_ptr<Surface>& source,
                           const std::shared_ptr<Surface>& dest) {
  if (!source || !dest) return false;
  const SurfaceDesc& from = source->Desc();
  const SurfaceDesc& to = dest->Desc();
  if (from.pool != Pool::SystemMem || to.pool != Pool::Default || from.format != to.format ||
      from.width != to.width || from.height != to.height) {
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (!source->Read([&](const ImageLevel& level) { bytes = level.bytes; })) return false;
  if (!dest->Write([&](ImageLevel& level) { level.bytes = bytes; })) return false;
  if (record_.Enabled()) Note({EventKind::UpdateSurface, CopyEvent{source, dest}});
  if (dest->Container()) backend_->TextureContentChanged(*dest->Container());
  return true;
}

void Device::BeginEffectPass(const Effect* effect, std::uint32_t pass) {
  state_.effect = effect;
  state_.effectPass = pass;
  backend_->EffectPassBegun(state_);
}

void Device::CommitEffectChanges() {
  if (state_.effect) backend_->EffectChangesCommitted(state_);
}

void Device::EndEffectPass(const Effect* effect) {
  if (!state_.effect || state_.effect != effect) return;
  backend_->EffectPassEnded(state_);
  state_.effect = nullptr;
  state_.effectPass = 0;
}

bool Device::DrawTextLines(const TextDraw& text, TextRecord record) {
  if (!inScene_) return false;
  if (record_.Enabled()) Note({EventKind::Text, std::move(record)});
  backend_->DrawText(state_, text);
  return true;
}

}  // namespace plat
