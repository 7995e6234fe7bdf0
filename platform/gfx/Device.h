#pragma once
// The game's drawing device: render,
// texture-stage and sampler states that start at the device's defaults and
// persist, transforms, material and lights, resources, draws, scenes and
// render targets. State lives here; a DeviceBackend carries out clears,
// draws, texts and presents. Resources may be created from any thread; all
// other calls come from the drawing thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/gfx/DeviceBackend.h"
#include "platform/gfx/DeviceRecord.h"
#include "platform/gfx/DeviceState.h"
#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/IndexBuffer.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/Texture.h"
#include "platform/gfx/VertexBuffer.h"
#include "platform/gfx/VertexDeclaration.h"
#include "platform/os/Handles.h"

namespace plat {

enum class BackendChoice { Auto, Headless, Live };

struct DeviceParams {
  int width = 800;
  int height = 600;
  int bits = 32;  // 16 -> R5G6B5, 24 -> X8R8G8B8, else A8R8G8B8 back buffer
  bool windowed = false;
  WindowHandle window = nullptr;
  // What the caller asked for; kept with the device's parameters.
  bool hardwareVertexProcessing = true;
  // Auto: headless when HALVENOR_HEADLESS is set to anything but "0", or
  // when no live backend is registered; live otherwise.
  BackendChoice backend = BackendChoice::Auto;
};

// The back-buffer format for a colour depth.
Format BackBufferFormatForBits(int bits);

using LiveBackendFactory =
    std::function<std::unique_ptr<DeviceBackend>(const DeviceParams&, std::string& error)>;
// The live backend registers itself here (an empty function unregisters).
void SetLiveBackendFactory(LiveBackendFactory factory);
bool HasLiveBackendFactory();

class Device;
// Null with a reason when the size is not positive or the live backend fails.
std::shared_ptr<Device> CreateDevice(const DeviceParams& params, std::string* error = nullptr);

class Device : public std::enable_shared_from_this<Device> {
 public:
  Device(const DeviceParams& params, std::unique_ptr<DeviceBackend> backend);
  ~Device();
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  const DeviceParams& Params() const { return params_; }
  DeviceBackend& Backend() { return *backend_; }
  DeviceRecord& Record() { return record_; }
  const DeviceState& State() const { return state_; }
  DeviceCaps GetDeviceCaps() const { return backend_->Caps(); }
  Format BackBufferFormat() const { return backBuffer_->Desc().format; }
  Format DepthStencilFormat() const { return Format::D24S8; }
  // Never lost.
  bool TestCooperativeLevel() const { return true; }

  // Scenes, clearing, presenting. BeginScene inside a scene and EndScene
  // outside one fail, as before.
  bool BeginScene();
  bool EndScene();
  bool InScene() const { return inScene_; }
  // Fails for a ZBUFFER or STENCIL clear without a depth-stencil surface.
  bool Clear(std::uint32_t flags, std::uint32_t color, float z, std::uint32_t stencil);
  void Present();

  void SetViewport(const Viewport& viewport);
  Viewport GetViewport() const { return state_.viewport; }

  bool SetTransform(TransformType type, const Matrix& matrix);
  bool GetTransform(TransformType type, Matrix& out) const;
  Matrix GetTransform(TransformType type) const;  // identity for unknown types

  // A user clip plane in clip space; false for an index beyond the planes.
  bool SetClipPlane(std::uint32_t index, const Plane& plane);
  Plane GetClipPlane(std::uint32_t index) const;  // all zero beyond the planes
  void SetMaterial(const Material& material);
  Material GetMaterial() const { return state_.material; }
  void SetLight(std::uint32_t index, const Light& light);
  bool GetLight(std::uint32_t index, Light& out) const;  // false for a light never set
  // Enabling a light never set gives it the device's default light first.
  void LightEnable(std::uint32_t index, bool enable);
  bool GetLightEnable(std::uint32_t index) const;

  bool SetRenderState(RenderState state, std::uint32_t value);
  std::uint32_t GetRenderState(RenderState state) const;
  bool SetTextureStageState(std::uint32_t stage, TextureStageState state, std::uint32_t value);
  std::uint32_t GetTextureStageState(std::uint32_t stage, TextureStageState state) const;
  bool SetSamplerState(std::uint32_t sampler, SamplerState state, std::uint32_t value);
  std::uint32_t GetSamplerState(std::uint32_t sampler, SamplerState state) const;
  bool SetTexture(std::uint32_t stage, std::shared_ptr<Texture> texture);
  std::shared_ptr<Texture> GetTexture(std::uint32_t stage) const;

  // Vertex input. SetFVF and SetVertexDeclaration replace each other.
  void SetFVF(std::uint32_t fvf);
  std::uint32_t GetFVF() const { return state_.fvf; }
  void SetVertexDeclaration(std::shared_ptr<VertexDeclaration> declaration);
  bool SetStreamSource(std::uint32_t stream, std::shared_ptr<VertexBuffer> buffer,
                       std::uint32_t offset, std::uint32_t stride);
  void SetIndices(std::shared_ptr<IndexBuffer> indices);

  // Draws fail (and draw nothing) outside a scene, when the vertices or indices they name lie
  // outside the bound buffers, when nothing is bound, or while a buffer is locked.
  bool DrawPrimitive(PrimitiveType type, std::uint32_t startVertex, std::uint32_t primitiveCount);
  bool DrawIndexedPrimitive(PrimitiveType type, std::int32_t baseVertex, std::uint32_t minVertex,
                            std::uint32_t numVertices, std::uint32_t startIndex,
                            std::uint32_t primitiveCount);
  // From user memory; afterwards stream 0 (and for the indexed form the
  // indices) are unbound, as before.
  bool DrawPrimitiveUP(PrimitiveType type, std::uint32_t primitiveCount, const void* vertices,
                       std::uint32_t stride);
  bool DrawIndexedPrimitiveUP(PrimitiveType type, std::uint32_t minVertex,
                              std::uint32_t numVertices, std::uint32_t primitiveCount,
                              const std::uint16_t* indices, const void* vertices,
                              std::uint32_t stride);

  // Resources (thread-safe).
  std::shared_ptr<Texture> CreateTexture(int width, int height, std::uint32_t levels,
                                         std::uint32_t usage, Format format, Pool pool,
                                         std::string* error = nullptr);
  std::shared_ptr<VertexBuffer> CreateVertexBuffer(std::uint32_t length, std::uint32_t usage,
                                                   std::uint32_t fvf, Pool pool);
  std::shared_ptr<IndexBuffer> CreateIndexBuffer(std::uint32_t length, std::uint32_t usage,
                                                 Pool pool);
  std::shared_ptr<VertexDeclaration> CreateVertexDeclaration(std::vector<VertexElement> elements);
  std::shared_ptr<Surface> CreateRenderTarget(int width, int height, Format format);
  std::shared_ptr<Surface> CreateDepthStencilSurface(int width, int height, Format format);

  // Render targets. Setting target 0 resets the viewport to the target's size.
  bool SetRenderTarget(std::uint32_t index, std::shared_ptr<Surface> surface);
  std::shared_ptr<Surface> GetRenderTarget(std::uint32_t index) const;
  void SetDepthStencilSurface(std::shared_ptr<Surface> surface);
  std::shared_ptr<Surface> GetDepthStencilSurface() const { return state_.depthStencil; }
  std::shared_ptr<Surface> GetBackBuffer() const { return backBuffer_; }
  // Copies between surfaces (rects null = whole); not from or to depth surfaces.
  bool StretchRect(const std::shared_ptr<Surface>& source, const Rect* sourceRect,
                   const std::shared_ptr<Surface>& dest, const Rect* destRect);
  // System-memory level -> default-pool level of the same size and format.
  bool UpdateSurface(const std::shared_ptr<Surface>& source, const std::shared_ptr<Surface>& dest);

  // Used by effects, fonts and the render-to-surface helper.
  void BeginEffectPass(const Effect* effect, std::uint32_t pass);
  void CommitEffectChanges();
  // Ends the pass only when it is this effect's (another may have begun one since).
  void EndEffectPass(const Effect* effect);
  // False (nothing drawn) outside a scene.
  bool DrawTextLines(const TextDraw& text, TextRecord record);
  void Note(RecordEvent event);  // adds to the record when recording

 private:
  bool Draw(const DrawParams& draw);
  bool CheckStreamRange(const DrawParams& draw, std::uint32_t& stride) const;
  void RecordDraw(const DrawParams& draw, std::uint32_t stride);
  void RecordState(EventKind kind, std::uint32_t index, std::uint32_t key, std::uint32_t value);
  void RecordBind(EventKind kind, std::uint32_t index, std::shared_ptr<Resource> resource,
                  std::uint32_t offset = 0, std::uint32_t stride = 0);

  DeviceParams params_;
  std::unique_ptr<DeviceBackend> backend_;
  DeviceRecord record_;
  DeviceState state_;
  std::shared_ptr<Surface> backBuffer_;
  std::shared_ptr<Surface> autoDepth_;
  bool inScene_ = false;
};

}  // namespace plat
