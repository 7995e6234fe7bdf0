#include "engine/media/CAllocator.h"

#include "engine/core/Globals.h"
#include "engine/media/ZOdevuvVideo.h"
#include "engine/render/ZOdevuvTexture.h"

namespace {

constexpr float kQuadDepth = 0.1f;
constexpr float kQuadRhw = 1.0f / 109.0f;  // the screen-quad rule 1 / (990 depth + 10)
constexpr uint32_t kWhite = 0xFFFFFFFFu;
// Formats above this value are four-character codes (YUV layouts).
constexpr uint32_t kFourCcFloor = 0x30303030u;

// The smallest power of two not below the value; 0 and 1 give 1.
int RaiseToPowerOfTwo(int value) {
  int raised = 1;
  while (raised < value) raised <<= 1;
  return raised;
}

}  // namespace

CAllocator::CAllocator(plat::MediaResult* result, plat::WindowHandle window,
                       std::shared_ptr<plat::Device> device)
    : m_window(window), m_device(std::move(device)) {
  std::lock_guard lock(m_lock);
  plat::MediaResult outcome = plat::kMediaFail;
  if (m_device) {
    m_renderTarget = m_device->GetRenderTarget(0);
    outcome = m_renderTarget ? plat::kMediaOk : plat::kMediaFail;
  }
  if (result) *result = outcome;
}

CAllocator::~CAllocator() { DeleteSurfaces(); }

plat::MediaResult CAllocator::InitializeDevice(std::uintptr_t /*userId*/, plat::VideoAllocationInfo* info,
                                               std::uint32_t* buffers) {
  m_uExtent = 1.0f;
  m_vExtent = 1.0f;
  if (!buffers || !info) return plat::kMediaPointer;
  if (!m_notify || !m_device) return plat::kMediaFail;
  // The renderer always asks for at least one buffer; a request for none
  // would leave nothing to write frames into.
  if (*buffers == 0) return plat::kMediaInvalidArg;
  const int nativeWidth = info->width, nativeHeight = info->height;
  if (m_device->GetDeviceCaps().textureCaps & plat::TextureCaps::Pow2) {
    const int width = RaiseToPowerOfTwo(info->width);
    const int height = RaiseToPowerOfTwo(info->height);
    m_uExtent = float(info->width) / float(width);
    m_vExtent = float(info->height) / float(height);
    info->width = width;
    info->height = height;
  }
  info->flags |= plat::VideoAllocFlag::TextureSurface;
  DeleteSurfaces();
  m_surfaces.assign(*buffers, nullptr);
  plat::MediaResult result = m_notify->AllocateSurfaceHelper(*info, buffers, m_surfaces.data());
  if (plat::MediaFailed(result)) {
    // A renderer that had to draw into 3D render targets cannot be helped.
    if (info->flags & plat::VideoAllocFlag::RenderTarget3D) return result;
    DeleteSurfaces();
    if (uint32_t(info->format) > kFourCcFloor) {
      result = CreatePrivateTexture(*info);
      if (plat::MediaFailed(result)) return result;
    }
    info->flags = (info->flags & ~uint32_t(plat::VideoAllocFlag::TextureSurface)) |
                  plat::VideoAllocFlag::OffscreenSurface;
    result = m_notify->AllocateSurfaceHelper(*info, buffers, m_surfaces.data());
    if (plat::MediaFailed(result)) return result;
  }
  if (g_video) {
    g_video->SetSurfaceSize(info->width, info->height);
    g_video->SetNativeSize(nativeWidth, nativeHeight);
  }
  return plat::kMediaOk;
}

plat::MediaResult CAllocator::CreatePrivateTexture(const plat::VideoAllocationInfo& info) {
  m_privateTexture = m_device->CreateTexture(info.width, info.height, 1, plat::Usage::RenderTarget,
                                             m_device->BackBufferFormat(), plat::Pool::Default);
  return m_privateTexture ? plat::kMediaOk : plat::kMediaFail;
}

plat::MediaResult CAllocator::TerminateDevice(std::uintptr_t /*userId*/) {
  DeleteSurfaces();
  return plat::kMediaOk;
}

void CAllocator::DeleteSurfaces() {
  std::lock_guard lock(m_lock);
  m_privateTexture.reset();
  for (auto& surface : m_surfaces) surface.reset();
}

plat::MediaResult CAllocator::GetSurface(std::uintptr_t /*userId*/, std::uint32_t index,
                                         std::uint32_t /*flags*/, std::shared_ptr<plat::Surface>* out) {
  if (!out) return plat::kMediaPointer;
  std::lock_guard lock(m_lock);
  if (index >= m_surfaces.size()) return plat::kMediaFail;
  *out = m_surfaces[index];
  return plat::kMediaOk;
}

plat::MediaResult CAllocator::AdviseNotify(std::shared_ptr<plat::VideoAllocatorNotify> notify) {
  std::lock_guard lock(m_lock);
  m_notify = std::move(notify);
  if (!m_notify) return plat::kMediaPointer;
  return m_notify->SetD3DDevice(m_device);
}

plat::MediaResult CAllocator::StartPresenting(std::uintptr_t /*userId*/) {
  std::lock_guard lock(m_lock);
  return m_device ? plat::kMediaOk : plat::kMediaFail;
}

plat::MediaResult CAllocator::StopPresenting(std::uintptr_t /*userId*/) { return plat::kMediaOk; }

plat::MediaResult CAllocator::PresentImage(std::uintptr_t /*userId*/, const plat::VideoPresentationInfo* info) {
  std::lock_guard lock(m_lock);
  return PresentToTexture(info);
}

plat::MediaResult CAllocator::PresentToTexture(const plat::VideoPresentationInfo* info) {
  if (!info || !info->surface) return plat::kMediaPointer;
  std::lock_guard lock(m_lock);
  if (!m_device) return plat::kMediaFail;
  plat::Device& device = *m_device;
  device.SetRenderTarget(0, m_renderTarget);
  device.Clear(plat::ClearFlags::Target, kWhite, 1.0f, 0);
  device.BeginScene();
  device.SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
  std::shared_ptr<plat::Texture> texture;
  if (m_privateTexture) {
    std::shared_ptr<plat::Surface> level = m_privateTexture->GetSurfaceLevel(0);
    if (!level || !device.StretchRect(info->surface, nullptr, level, nullptr)) {
      device.EndScene();
      return plat::kMediaFail;
    }
    texture = m_privateTexture;
  } else {
    texture = info->surface->Container();  // null: the quad is drawn untextured
  }
  const ZOdevuvVideo::DestRect rect = g_video ? g_video->GetDestRect() : ZOdevuvVideo::DestRect{};
  DrawSurfaceQuad(rect.x, rect.y, rect.width, rect.height, std::move(texture));
  if (g_video && g_video->overlay) g_video->overlay->DrawQuad(0, 0, kWhite, kQuadDepth);
  device.EndScene();
  device.Present();
  return plat::kMediaOk;
}

void CAllocator::DrawSurfaceQuad(int32_t x, int32_t y, int32_t width, int32_t height,
                                 std::shared_ptr<plat::Texture> texture) {
  if (!m_device) return;
  plat::Device& device = *m_device;
  const float left = float(x) - 0.5f, top = float(y) - 0.5f;
  const float right = float(x + width) - 0.5f, bottom = float(y + height) - 0.5f;
  const ZOdevuvTexture::QuadVertex vertices[4] = {
      {left, top, kQuadDepth, kQuadRhw, kWhite, 0.0f, 0.0f},
      {right, top, kQuadDepth, kQuadRhw, kWhite, m_uExtent, 0.0f},
      {right, bottom, kQuadDepth, kQuadRhw, kWhite, m_uExtent, m_vExtent},
      {left, bottom, kQuadDepth, kQuadRhw, kWhite, 0.0f, m_vExtent},
  };
  device.SetTexture(0, std::move(texture));
  device.SetTexture(1, nullptr);
  device.SetTextureStageState(0, plat::TextureStageState::AlphaOp, plat::TextureOp::Modulate);
  device.SetTextureStageState(0, plat::TextureStageState::AlphaArg1, plat::TextureArg::Texture);
  device.SetTextureStageState(0, plat::TextureStageState::AlphaArg2, plat::TextureArg::Diffuse);
  device.SetTextureStageState(0, plat::TextureStageState::ColorArg1, plat::TextureArg::Texture);
  device.SetFVF(ZOdevuvTexture::kQuadFvf);
  device.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, vertices, sizeof(ZOdevuvTexture::QuadVertex));
  device.SetTexture(0, nullptr);
  device.SetTexture(1, nullptr);
}
