#include "engine/render/ZOdevuvTexture.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Surface.h"
#include "platform/os/DebugOutput.h"

namespace {

// The box filter's number; the loader accepts it and always
// box-filters anyway.
constexpr std::uint32_t kFilterBox = 5;
// Texels of exactly this ARGB value become transparent black.
constexpr std::uint32_t kSystemMemoryColorKey = 0x00000001;

plat::TextureLoadOptions FileOptions(plat::Pool pool) {
  plat::TextureLoadOptions options;
  options.width = plat::kDefaultNonPow2;
  options.height = plat::kDefaultNonPow2;
  options.mipLevels = 1;
  options.usage = 0;
  options.format = plat::Format::Unknown;
  options.pool = pool;
  return options;
}

// Stage 0 ops that the quads set for themselves and put back afterwards.
struct StageOp {
  plat::TextureStageState state;
  std::uint32_t value;
};
constexpr StageOp kQuadStageOps[] = {
    {plat::TextureStageState::ColorOp, plat::TextureOp::Modulate},
    {plat::TextureStageState::ColorArg1, plat::TextureArg::Texture},
    {plat::TextureStageState::ColorArg2, plat::TextureArg::Diffuse},
    {plat::TextureStageState::AlphaOp, plat::TextureOp::Modulate},
    {plat::TextureStageState::AlphaArg1, plat::TextureArg::Texture},
    {plat::TextureStageState::AlphaArg2, plat::TextureArg::Diffuse},
};
constexpr std::size_t kQuadStageOpCount = sizeof kQuadStageOps / sizeof kQuadStageOps[0];

}  // namespace

ZOdevuvTexture::ZOdevuvTexture() { Init(); }

ZOdevuvTexture::~ZOdevuvTexture() { Release(); }

void ZOdevuvTexture::Init() {
  m_surface.reset();
  m_texture.reset();
  m_fileName.clear();
  m_width = 0;
  m_height = 0;
  m_frameCount = 1;
  m_systemMemory = 0;
}

void ZOdevuvTexture::Release() {
  m_fileName.clear();
  m_texture.reset();
  m_surface.reset();
}

bool ZOdevuvTexture::CreateBlank(int32_t width, int32_t height, bool renderTarget) {
  m_texture.reset();
  m_surface.reset();
  plat::Device* device = EngineDevice();
  if (!device) return false;
  const std::uint32_t usage = renderTarget ? plat::Usage::RenderTarget : plat::Usage::Dynamic;
  m_texture = plat::CreateTexture(*device, width, height, 1, usage, plat::Format::A8R8G8B8, plat::Pool::Default);
  if (!m_texture) return false;
  m_width = width;
  m_height = height;
  m_systemMemory = 0;
  return true;
}

int32_t ZOdevuvTexture::LoadFromFile(const char* path) {
  Load(path, FileOptions(plat::Pool::Managed), false);
  return 0;
}

int32_t ZOdevuvTexture::LoadFromFileEx(const char* path) {
  plat::TextureLoadOptions options = FileOptions(plat::Pool::SystemMem);
  options.filter = kFilterBox;
  options.colorKey = kSystemMemoryColorKey;
  Load(path, options, true);
  return 0;
}

void ZOdevuvTexture::Load(const char* path, const plat::TextureLoadOptions& options, bool systemMemory) {
  m_fileName = path ? path : "";
  m_texture.reset();
  m_surface.reset();
  // A managed image loaded over a system-memory one must not go through the
  // per-draw copy, which only accepts system-memory sources.
  m_systemMemory = 0;
  plat::Device* device = EngineDevice();
  if (!device || !path) return;
  plat::ImageInfo info;
  m_texture = plat::CreateTextureFromFileEx(*device, path, options, &info);
  if (!m_texture) return;
  m_imageInfo = info;
  m_surface = m_texture->GetSurfaceLevel(0);
  m_texture->GetLevelDesc(0, m_surfaceDesc);
  m_imageWidth = info.width;
  m_imageHeight = info.height;
  m_width = info.width;
  m_height = info.height;
  m_systemMemory = systemMemory ? 1 : 0;
}

void ZOdevuvTexture::BuildQuad(const Box& screen, const Box& uv, uint32_t color, float depth, QuadVertex out[4]) {
  const float rhw = 1.0f / (990.0f * depth + 10.0f);
  const float l = screen.left - 0.5f;
  const float t = screen.top - 0.5f;
  const float r = screen.right - 0.5f;
  const float b = screen.bottom - 0.5f;
  out[0] = {l, t, depth, rhw, color, uv.left, uv.top};
  out[1] = {r, t, depth, rhw, color, uv.right, uv.top};
  out[2] = {r, b, depth, rhw, color, uv.right, uv.bottom};
  out[3] = {l, b, depth, rhw, color, uv.left, uv.bottom};
}

ZOdevuvTexture::Box ZOdevuvTexture::ScreenBox(int32_t x, int32_t y, int32_t w, int32_t h) {
  return {float(x), float(y), float(x + w), float(y + h)};
}

void ZOdevuvTexture::DrawQuad(int32_t x, int32_t y, uint32_t color, float depth) {
  DrawBox(ScreenBox(x, y, m_width, m_height), kWholeImage, color, depth, Blending::Alpha, MissingCopy::Quiet);
}

void ZOdevuvTexture::Draw(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color, float depth) {
  DrawBox(ScreenBox(x, y, w, h), kWholeImage, color, depth, Blending::Alpha, MissingCopy::Report);
}

void ZOdevuvTexture::DrawAdditive(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color, float depth) {
  DrawBox(ScreenBox(x, y, w, h), kWholeImage, color, depth, Blending::Additive, MissingCopy::Quiet);
}

void ZOdevuvTexture::DrawFrame(int32_t x, int32_t y, int32_t frame, uint32_t color, float depth) {
  // A frame count below 1 would divide by zero: such a strip is one frame.
  const int32_t count = m_frameCount < 1 ? 1 : m_frameCount;
  const float frameWidth = float(m_width) / float(count);
  // i * F / W is i / n, and so needs no division by a zero width.
  const Box uv{float(frame) / float(count), 0, float(frame + 1) / float(count), 1};
  DrawBox(ScreenBox(x, y, int32_t(frameWidth), m_height), uv, color, depth, Blending::Alpha, MissingCopy::Quiet);
}

void ZOdevuvTexture::DrawCell(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cell, uint32_t color,
                              float depth) {
  // Cells are found by dividing by the logical size; with a zero size (or a
  // zero cell) there is no cell to show.
  if (w == 0 || h == 0 || m_width == 0 || m_height == 0) return;
  const float width = float(m_width);
  const Box uv{float(cell) * float(w) / width, 0, float(cell + 1) * float(w) / width, float(h) / float(m_height)};
  DrawBox(ScreenBox(x, y, w, h), uv, color, depth, Blending::Alpha, MissingCopy::Quiet);
}

void ZOdevuvTexture::DrawBox(const Box& screen, const Box& uv, uint32_t color, float depth, Blending blending,
                             MissingCopy missing) {
  plat::Device* device = EngineDevice();
  if (!m_texture || !device) return;
  QuadVertex vertices[4];
  BuildQuad(screen, uv, color, depth, vertices);

  using plat::RenderState;
  device->SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
  device->SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device->SetRenderState(RenderState::DestBlend,
                         blending == Blending::Additive ? plat::Blend::One : plat::Blend::InvSrcAlpha);
  device->SetSamplerState(0, plat::SamplerState::MinFilter, plat::TextureFilter::Linear);
  device->SetSamplerState(0, plat::SamplerState::MagFilter, plat::TextureFilter::Linear);
  device->SetSamplerState(0, plat::SamplerState::MipFilter, plat::TextureFilter::Linear);
  // Stage 0 may hold ops another pass left behind; a quad is always its
  // texture times the vertex colour, alpha included, so the GUI can fade
  // images through the colour's alpha.
  std::uint32_t previousOps[kQuadStageOpCount];
  for (std::size_t i = 0; i < kQuadStageOpCount; ++i) {
    previousOps[i] = device->GetTextureStageState(0, kQuadStageOps[i].state);
    device->SetTextureStageState(0, kQuadStageOps[i].state, kQuadStageOps[i].value);
  }
  BindTexture(*device, missing);
  device->SetTexture(1, nullptr);
  device->SetFVF(kQuadFvf);
  device->DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, vertices, sizeof(QuadVertex));

  device->SetRenderState(RenderState::AlphaBlendEnable, plat::kFalse);
  device->SetRenderState(RenderState::SrcBlend, plat::Blend::One);
  device->SetRenderState(RenderState::DestBlend, plat::Blend::Zero);
  for (std::size_t i = 0; i < kQuadStageOpCount; ++i) {
    device->SetTextureStageState(0, kQuadStageOps[i].state, previousOps[i]);
  }
}

void ZOdevuvTexture::BindTexture(plat::Device& device, MissingCopy missing) {
  if (!m_systemMemory) {
    device.SetTexture(0, m_texture);
    return;
  }
  // The device keeps the copy alive while it is bound; nothing else holds it.
  std::shared_ptr<plat::Texture> copy = MakeDeviceCopy(device);
  device.SetTexture(0, copy);
  if (!copy && missing == MissingCopy::Report) {
    plat::OutputDebugString("NO CREATE TEXTURE: " + m_fileName + "\n");
  }
}

std::shared_ptr<plat::Texture> ZOdevuvTexture::MakeDeviceCopy(plat::Device& device) {
  plat::SurfaceDesc level0;
  if (!m_surface || !m_texture->GetLevelDesc(0, level0)) return nullptr;
  std::shared_ptr<plat::Texture> copy = device.CreateTexture(level0.width, level0.height, m_texture->LevelCount(),
                                                             plat::Usage::Dynamic, level0.format, plat::Pool::Default);
  if (!copy) return nullptr;
  // A failed copy leaves the new texture blank; it is drawn all the same.
  device.UpdateSurface(m_surface, copy->GetSurfaceLevel(0));
  return copy;
}
