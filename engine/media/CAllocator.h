#pragma once
// The engine's allocator-presenter for the video renderer in renderless mode.
// The renderer asks it for the surfaces frames are written into and hands it
// every finished frame; it draws the frame as a screen quad into the video
// player's destination rectangle on the engine's device, draws the player's
// overlay over it and presents. Its lock guards the surfaces, the private
// texture, the notify face and each frame's drawing.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/media/VideoRenderer.h"
#include "platform/os/Handles.h"

class CAllocator : public plat::VideoSurfaceAllocator, public plat::VideoImagePresenter {
 public:
  // Draws on the given device into its render target 0 as it is now (the
  // back buffer); *result reports E_FAIL without a device.
  CAllocator(plat::MediaResult* result, plat::WindowHandle window, std::shared_ptr<plat::Device> device);
  ~CAllocator() override;
  CAllocator(const CAllocator&) = delete;
  CAllocator& operator=(const CAllocator&) = delete;

  plat::MediaResult InitializeDevice(std::uintptr_t userId, plat::VideoAllocationInfo* info,
                                     std::uint32_t* buffers) override;
  plat::MediaResult TerminateDevice(std::uintptr_t userId) override;
  plat::MediaResult GetSurface(std::uintptr_t userId, std::uint32_t index, std::uint32_t flags,
                               std::shared_ptr<plat::Surface>* out) override;
  plat::MediaResult AdviseNotify(std::shared_ptr<plat::VideoAllocatorNotify> notify) override;

  plat::MediaResult StartPresenting(std::uintptr_t userId) override;
  plat::MediaResult StopPresenting(std::uintptr_t userId) override;
  plat::MediaResult PresentImage(std::uintptr_t userId, const plat::VideoPresentationInfo* info) override;

  void DeleteSurfaces();
  plat::MediaResult PresentToTexture(const plat::VideoPresentationInfo* info);
  void DrawSurfaceQuad(int32_t x, int32_t y, int32_t width, int32_t height,
                       std::shared_ptr<plat::Texture> texture);

  float GetUExtent() const { return m_uExtent; }
  float GetVExtent() const { return m_vExtent; }
  const std::shared_ptr<plat::Texture>& GetPrivateTexture() const { return m_privateTexture; }
  std::size_t GetSurfaceCount() const { return m_surfaces.size(); }
  plat::WindowHandle GetWindow() const { return m_window; }

 private:
  // Creates the private texture that frames are copied into when the
  // renderer cannot allocate texture surfaces.
  plat::MediaResult CreatePrivateTexture(const plat::VideoAllocationInfo& info);

  std::recursive_mutex m_lock;
  plat::WindowHandle m_window;
  std::shared_ptr<plat::Device> m_device;
  std::shared_ptr<plat::VideoAllocatorNotify> m_notify;
  std::vector<std::shared_ptr<plat::Surface>> m_surfaces;
  std::shared_ptr<plat::Surface> m_renderTarget;
  std::shared_ptr<plat::Texture> m_privateTexture;
  float m_uExtent = 1.0f;
  float m_vExtent = 1.0f;
};
