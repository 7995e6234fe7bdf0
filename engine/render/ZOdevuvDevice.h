#pragma once
// The device singleton: creates the drawing device (full screen or windowed)
// with the resources tied to it (debug font, shadow map and its depth
// surface, kept in the global slots), presents frames, and keeps the effect
// and font caches that the engine and the GUI share.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/LightTypes.h"
#include "platform/os/Handles.h"

namespace plat {
class Effect;
class Font;
}  // namespace plat

struct ZOdevuvEffectEntry {
  EngineString name;  // the key
  EngineString file;
  std::shared_ptr<plat::Effect> effect;
  std::shared_ptr<plat::VertexDeclaration> declaration;
};

// Width, point size and face are the whole key: fonts that differ only in
// weight, italics or quality share one entry.
struct ZOdevuvFontEntry {
  int32_t width = 0;
  int32_t size = 0;
  EngineString face;
  std::shared_ptr<plat::Font> font;
};

class ZOdevuvDevice {
 public:
  static constexpr int kShadowMapSize = 512;
  static constexpr float kDefaultMipLodBias = -4.8f;

  // Stores itself in the device slot and clears the shadow-map slot.
  explicit ZOdevuvDevice(plat::WindowHandle window);
  ~ZOdevuvDevice();
  ZOdevuvDevice(const ZOdevuvDevice&) = delete;
  ZOdevuvDevice& operator=(const ZOdevuvDevice&) = delete;

  // Creates the device, then the debug font, the shadow map with its level-0
  // surface and the shadow depth surface. Without a device the resources
  // tied to it are skipped and every later call here does nothing.
  void InitEngineDevice(int32_t width, int32_t height, int32_t bits, int32_t windowed, int32_t allowHardware);
  bool CreateFullScreenDevice(int32_t width, int32_t height, int32_t bits);
  bool CreateWindowedDevice(int32_t width, int32_t height, int32_t bits, int32_t allowHardware);
  void Present();

  plat::WindowHandle GetWindow() const { return m_window; }
  // Null until a device has been created.
  plat::Device* GetDevice() const { return m_device.get(); }
  const std::shared_ptr<plat::Device>& GetSharedDevice() const { return m_device; }
  const std::shared_ptr<plat::Surface>& GetBackBuffer() const { return m_backBuffer; }
  const plat::DeviceParams& GetPresentParameters() const { return m_presentParameters; }
  int32_t GetWidth() const { return m_width; }
  int32_t GetHeight() const { return m_height; }
  int32_t GetBits() const { return m_bits; }
  float GetMipLodBias() const { return m_mipLodBias; }
  void SetMipLodBias(float bias) { m_mipLodBias = bias; }

  // Loads the effect file and appends it with the common vertex declaration;
  // a failure adds nothing and goes to the debugger output. The debug flag
  // only chose compiler options, which effect files here do not have.
  void LoadEffect(const EngineString& name, const EngineString& file, uint8_t debug);
  // The first entry of the name wins; null when there is none.
  std::shared_ptr<plat::Effect> GetEffect(const EngineString& name) const;
  std::shared_ptr<plat::VertexDeclaration> GetVertexDeclaration(const EngineString& name) const;

  bool FindFont(int32_t width, int32_t size, const EngineString& face) const;
  // Null for an empty face or when no entry matches.
  std::shared_ptr<plat::Font> GetFont(int32_t width, int32_t size, const EngineString& face) const;
  // Refuses a null font and an empty face; does not look for duplicates
  // (callers ask FindFont first).
  void AddFont(int32_t width, int32_t size, const EngineString& face, std::shared_ptr<plat::Font> font);

  // With the debug font at (x, y), unclipped; nothing without the font.
  void DrawDebugText(int32_t x, int32_t y, uint32_t color, const EngineString& text);

  // Ambient r, g, b, a; diffuse; specular; emissive; power.
  static plat::Material FillMaterial(float ambientR, float ambientG, float ambientB, float ambientA,
                                     float diffuseR, float diffuseG, float diffuseB, float diffuseA,
                                     float specularR, float specularG, float specularB, float specularA,
                                     float emissiveR, float emissiveG, float emissiveB, float emissiveA,
                                     float power);

 private:
  bool CreateDevice(const plat::DeviceParams& params);
  void CreateDebugFont();
  void CreateShadowResources();
  const ZOdevuvEffectEntry* FindEffectEntry(const EngineString& name) const;
  const ZOdevuvFontEntry* FindFontEntry(int32_t width, int32_t size, const EngineString& face) const;

  plat::WindowHandle m_window;
  std::shared_ptr<plat::Device> m_device;
  std::shared_ptr<plat::Surface> m_backBuffer;  // the windowed path only
  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_bits = 32;
  plat::DeviceParams m_presentParameters;
  float m_mipLodBias = kDefaultMipLodBias;

  // Loader threads add fonts (and may look effects up) while the window
  // thread reads the caches.
  mutable std::mutex m_cacheMutex;
  std::vector<ZOdevuvEffectEntry> m_effects;
  std::vector<ZOdevuvFontEntry> m_fonts;
};

// Fills a texel with its own texture coordinate: (u, v, 0, 0).
plat::Vec4 FillTexCoordTexel(const plat::Vec2& texCoord, const plat::Vec2& texelSize);

// The device of the device singleton: null without the singleton or before
// a device has been created.
plat::Device* EngineDevice();
