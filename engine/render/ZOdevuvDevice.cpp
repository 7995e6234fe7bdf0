#include "engine/render/ZOdevuvDevice.h"

#include <cstdio>
#include <string>

#include "engine/core/Globals.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr int kDebugFontPoints = 9;
constexpr int kScreenPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kDebugFontWeight = 700;

// Stream 0, the first 52 bytes of every model vertex.
std::vector<plat::VertexElement> CommonVertexElements() {
  using plat::DeclType;
  using plat::DeclUsage;
  return {
      {0, 0, DeclType::Float3, DeclUsage::Position, 0},  {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
      {0, 24, DeclType::Float2, DeclUsage::TexCoord, 0}, {0, 32, DeclType::Float2, DeclUsage::TexCoord, 1},
      {0, 40, DeclType::Float3, DeclUsage::Tangent, 0},
  };
}

plat::Color MakeColor(float r, float g, float b, float a) {
  plat::Color c;
  c.r = r;
  c.g = g;
  c.b = b;
  c.a = a;
  return c;
}

}  // namespace

plat::Vec4 FillTexCoordTexel(const plat::Vec2& texCoord, const plat::Vec2& /*texelSize*/) {
  return plat::Vec4{texCoord.x, texCoord.y, 0.0f, 0.0f};
}

ZOdevuvDevice::ZOdevuvDevice(plat::WindowHandle window) : m_window(window) {
  g_device = this;
  g_shadowMap.reset();
}

ZOdevuvDevice::~ZOdevuvDevice() {
  {
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_effects.clear();
    m_fonts.clear();
  }
  g_debugFont.reset();
  m_backBuffer.reset();
  m_device.reset();
  if (g_device == this) g_device = nullptr;
  g_shadowMap.reset();
}

void ZOdevuvDevice::InitEngineDevice(int32_t width, int32_t height, int32_t bits, int32_t windowed,
                                     int32_t allowHardware) {
  if (!g_device) return;
  const bool created =
      windowed ? CreateWindowedDevice(width, height, bits, allowHardware) : CreateFullScreenDevice(width, height, bits);
  // Nothing tied to the device can exist without one.
  if (!created) return;
  CreateDebugFont();
  CreateShadowResources();
}

bool ZOdevuvDevice::CreateDevice(const plat::DeviceParams& params) {
  std::string error;
  m_device = plat::CreateDevice(params, &error);
  // The capabilities are known once a device exists; an adapter without
  // vertex processing gets a software-processing device instead.
  if (m_device && params.hardwareVertexProcessing && m_device->GetDeviceCaps().vertexProcessingCaps == 0) {
    plat::DeviceParams software = params;
    software.hardwareVertexProcessing = false;
    m_device.reset();
    m_device = plat::CreateDevice(software, &error);
  }
  if (!m_device) {
    plat::OutputDebugString("[ZOdevuvDevice::CreateDevice] " + error + "\n");
    return false;
  }
  m_presentParameters = m_device->Params();
  return true;
}

bool ZOdevuvDevice::CreateFullScreenDevice(int32_t width, int32_t height, int32_t bits) {
  m_bits = bits;
  plat::DeviceParams params;
  params.width = width;
  params.height = height;
  params.bits = bits;
  params.windowed = false;
  params.window = m_window;
  params.hardwareVertexProcessing = true;
  const bool created = CreateDevice(params);
  m_width = width;
  m_height = height;
  return created;
}

bool ZOdevuvDevice::CreateWindowedDevice(int32_t width, int32_t height, int32_t bits, int32_t allowHardware) {
  plat::DeviceParams params;
  params.width = width;
  params.height = height;
  params.bits = bits;
  params.windowed = true;
  params.window = m_window;
  params.hardwareVertexProcessing = allowHardware != 0;
  if (!CreateDevice(params)) {
    std::printf("Could not create IDirect3DDevice9\n");
    return false;
  }
  m_width = width;
  m_height = height;
  m_backBuffer = m_device->GetBackBuffer();
  return true;
}

void ZOdevuvDevice::CreateDebugFont() {
  plat::FontDesc desc;
  desc.height = (kDebugFontPoints * kScreenPixelsPerInch + kPointsPerInch / 2) / kPointsPerInch;
  desc.width = 0;
  desc.weight = kDebugFontWeight;
  desc.mipLevels = 0;
  desc.italic = false;
  desc.face = "Arial";
  g_debugFont = plat::CreateFont(m_device, desc);
}

void ZOdevuvDevice::CreateShadowResources() {
  std::string error;
  g_shadowMap = m_device->CreateTexture(kShadowMapSize, kShadowMapSize, 1, plat::Usage::RenderTarget,
                                        plat::Format::R32F, plat::Pool::Default, &error);
  if (g_shadowMap) {
    plat::FillTexture(*g_shadowMap, FillTexCoordTexel);
    g_shadowMapSurface = g_shadowMap->GetSurfaceLevel(0);
  } else {
    plat::OutputDebugString("[ZOdevuvDevice::InitEngineDevice] shadow map: " + error + "\n");
  }
  g_shadowDepthSurface =
      m_device->CreateDepthStencilSurface(kShadowMapSize, kShadowMapSize, m_device->DepthStencilFormat());
}

void ZOdevuvDevice::Present() {
  if (m_device) m_device->Present();
}

void ZOdevuvDevice::LoadEffect(const EngineString& name, const EngineString& file, uint8_t /*debug*/) {
  if (!m_device) return;
  std::string error;
  std::shared_ptr<plat::Effect> effect = plat::CreateEffectFromFile(m_device, file.Std(), &error);
  if (!effect) {
    plat::OutputDebugString("[ZOdevuvDevice::LoadEffect] " + error + "\n");
    return;
  }
  ZOdevuvEffectEntry entry{name, file, std::move(effect), m_device->CreateVertexDeclaration(CommonVertexElements())};
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  m_effects.push_back(std::move(entry));
}

const ZOdevuvEffectEntry* ZOdevuvDevice::FindEffectEntry(const EngineString& name) const {
  for (const ZOdevuvEffectEntry& entry : m_effects) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

std::shared_ptr<plat::Effect> ZOdevuvDevice::GetEffect(const EngineString& name) const {
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  const ZOdevuvEffectEntry* entry = FindEffectEntry(name);
  return entry ? entry->effect : nullptr;
}

std::shared_ptr<plat::VertexDeclaration> ZOdevuvDevice::GetVertexDeclaration(const EngineString& name) const {
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  const ZOdevuvEffectEntry* entry = FindEffectEntry(name);
  return entry ? entry->declaration : nullptr;
}

const ZOdevuvFontEntry* ZOdevuvDevice::FindFontEntry(int32_t width, int32_t size, const EngineString& face) const {
  for (const ZOdevuvFontEntry& entry : m_fonts) {
    if (entry.width == width && entry.size == size && entry.face == face) return &entry;
  }
  return nullptr;
}

bool ZOdevuvDevice::FindFont(int32_t width, int32_t size, const EngineString& face) const {
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  return FindFontEntry(width, size, face) != nullptr;
}

std::shared_ptr<plat::Font> ZOdevuvDevice::GetFont(int32_t width, int32_t size, const EngineString& face) const {
  if (face.Length() == 0) return nullptr;
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  const ZOdevuvFontEntry* entry = FindFontEntry(width, size, face);
  return entry ? entry->font : nullptr;
}

void ZOdevuvDevice::AddFont(int32_t width, int32_t size, const EngineString& face, std::shared_ptr<plat::Font> font) {
  if (!font || face.Length() == 0) return;
  std::lock_guard<std::mutex> lock(m_cacheMutex);
  m_fonts.push_back(ZOdevuvFontEntry{width, size, face, std::move(font)});
}

void ZOdevuvDevice::DrawDebugText(int32_t x, int32_t y, uint32_t color, const EngineString& text) {
  if (!g_debugFont) return;
  plat::Rect rect{x, y, 0, 0};
  g_debugFont->DrawText(text.CStr(), -1, &rect, plat::TextFormat::NoClip, color);
}

plat::Material ZOdevuvDevice::FillMaterial(float ambientR, float ambientG, float ambientB, float ambientA,
                                           float diffuseR, float diffuseG, float diffuseB, float diffuseA,
                                           float specularR, float specularG, float specularB, float specularA,
                                           float emissiveR, float emissiveG, float emissiveB, float emissiveA,
                                           float power) {
  plat::Material material;
  material.ambient = MakeColor(ambientR, ambientG, ambientB, ambientA);
  material.diffuse = MakeColor(diffuseR, diffuseG, diffuseB, diffuseA);
  material.specular = MakeColor(specularR, specularG, specularB, specularA);
  material.emissive = MakeColor(emissiveR, emissiveG, emissiveB, emissiveA);
  material.power = power;
  return material;
}

plat::Device* EngineDevice() { return g_device ? g_device->GetDevice() : nullptr; }
