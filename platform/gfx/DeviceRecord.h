#pragma once
// The ordered list of what was asked of a device, for tests to read back.
// Off by default: a long game run must not grow memory. Thread-safe.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/EffectDescription.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {

class Resource;
class Surface;
class Texture;
class VertexDeclaration;

enum class EventKind {
  RenderState,
  StageState,
  SamplerState,
  Transform,
  Material,
  Light,
  LightEnable,
  Texture,
  Fvf,
  Declaration,
  StreamSource,
  Indices,
  Viewport,
  RenderTarget,
  DepthStencil,
  BeginScene,
  EndScene,
  Clear,
  Present,
  Draw,
  StretchRect,
  UpdateSurface,
  Text,
  Effect,
};

// Render, stage and sampler states, the FVF, light enables.
struct StateEvent {
  std::uint32_t index = 0;  // stage, sampler or light index
  std::uint32_t key = 0;    // state number
  std::uint32_t value = 0;
};

struct TransformEvent {
  TransformType type = TransformType::World;
  Matrix matrix;
};

struct LightEvent {
  std::uint32_t index = 0;
  Light light;
};

// Textures, stream sources, index buffers, declarations, render targets.
struct BindEvent {
  std::uint32_t index = 0;  // stage, stream or render-target index
  std::shared_ptr<Resource> resource;
  std::uint32_t offset = 0;
  std::uint32_t stride = 0;
};

struct ClearRecord {
  std::uint32_t flags = 0;
  std::uint32_t color = 0;
  float z = 0;
  std::uint32_t stencil = 0;
};

struct CopyEvent {
  std::shared_ptr<Surface> source;
  std::shared_ptr<Surface> dest;
};

struct DrawRecord {
  PrimitiveType type = PrimitiveType::TriangleList;
  std::uint32_t primitiveCount = 0;
  bool indexed = false;
  bool userMemory = false;
  std::uint32_t fvf = 0;
  std::shared_ptr<VertexDeclaration> declaration;
  std::uint32_t stride = 0;
  // vertices holds the bytes of the vertices the draw uses, from vertex
  // number firstVertex of its source on (for indexed draws: baseVertex +
  // minVertex); indices as given (add baseVertex).
  std::uint32_t firstVertex = 0;
  std::vector<std::uint8_t> vertices;
  std::vector<std::uint16_t> indices;
  std::int32_t baseVertex = 0;
  std::vector<std::shared_ptr<Texture>> textures;  // stages 0..7
  // Set when an effect pass draws.
  std::string effect;
  std::string technique;
  std::uint32_t pass = 0;

  std::uint32_t VertexCount() const { return stride ? std::uint32_t(vertices.size() / stride) : 0; }
  // Reads a field of recorded vertex i (0 = the first recorded vertex).
  template <class T>
  T Read(std::uint32_t vertex, std::uint32_t offset) const {
    T value{};
    std::size_t at = std::size_t(vertex) * stride + offset;
    if (at + sizeof(T) <= vertices.size()) std::memcpy(&value, vertices.data() + at, sizeof(T));
    return value;
  }
};

struct TextRecord {
  std::string face;
  int height = 0;
  int weight = 0;
  bool italic = false;
  std::string text;
  Rect rect;
  std::uint32_t format = 0;
  std::uint32_t color = 0;
};

enum class EffectCallKind {
  SetTechnique,
  Begin,
  BeginPass,
  CommitChanges,
  EndPass,
  End,
  SetParameter
};

struct EffectCall {
  EffectCallKind call = EffectCallKind::SetParameter;
  std::string effect;  // the effect's file
  std::string name;    // technique or parameter
  bool known = true;   // false: unknown name or call out of order, ignored
  EffectValue value;
  std::uint32_t pass = 0;
};

struct RecordEvent {
  EventKind kind = EventKind::Present;
  std::variant<std::monostate, StateEvent, TransformEvent, Material, LightEvent, BindEvent,
               Viewport, ClearRecord, CopyEvent, DrawRecord, TextRecord, EffectCall>
      data;

  template <class T>
  const T* Get() const {
    return std::get_if<T>(&data);
  }
};

class DeviceRecord {
 public:
  void Enable(bool on) { enabled_.store(on, std::memory_order_release); }
  bool Enabled() const { return enabled_.load(std::memory_order_acquire); }
  void Clear();
  void Add(RecordEvent event);

  std::vector<RecordEvent> Events() const;
  std::size_t Count(EventKind kind) const;
  std::vector<DrawRecord> Draws() const;
  std::vector<TextRecord> Texts() const;
  std::vector<EffectCall> EffectCalls() const;
  // The parameter sets of that name, in order.
  std::vector<EffectCall> EffectSets(std::string_view parameter) const;
  // The values the render state was set to, in order.
  std::vector<std::uint32_t> RenderStateValues(RenderState state) const;

 private:
  template <class T>
  std::vector<T> All() const;

  std::atomic<bool> enabled_{false};
  mutable std::mutex mutex_;
  std::vector<RecordEvent> events_;
};

}  // namespace plat
