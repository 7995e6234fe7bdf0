#include "engine/media/ZOdevuvVideo.h"

#include <chrono>
#include <string>
#include <thread>

#include "engine/core/Globals.h"
#include "engine/media/CAllocator.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/os/TextCodec.h"

ZOdevuvVideo::ZOdevuvVideo() {
  if (g_device) m_window = g_device->GetWindow();
  g_video = this;
}

ZOdevuvVideo::~ZOdevuvVideo() {
  Close();
  if (g_video == this) g_video = nullptr;
}

plat::MediaResult ZOdevuvVideo::Open(const char* path) {
  Close();
  if (!path) return plat::kMediaPointer;
  m_graph = plat::CreateVideoGraph();
  if (!m_graph) return plat::kMediaFail;
  auto renderer = std::make_shared<plat::VideoRenderer>();
  m_renderer = renderer;
  plat::MediaResult result = renderer->SetRenderingMode(plat::kRenderlessMode);
  if (!plat::MediaFailed(result)) result = renderer->SetNumberOfStreams(1);
  if (plat::MediaFailed(result)) return result;
  // Renderless mode, one stream and the allocator are set before the
  // renderer joins the graph, and all of it before the file is connected.
  result = SetupAllocator(renderer, m_window);
  if (plat::MediaFailed(result)) return result;
  result = m_graph->AddRenderer(renderer);
  if (plat::MediaFailed(result)) return result;
  if (std::string_view(path).size() > kMaxPathLength) return plat::kMediaInvalidArg;
  result = m_graph->RenderFile(plat::Cp1252ToUtf8(path));
  if (!plat::MediaFailed(result)) GetEventHandle();
  return result;
}

plat::MediaResult ZOdevuvVideo::SetupAllocator(std::shared_ptr<plat::VideoRenderer> renderer,
                                               plat::WindowHandle window) {
  if (!renderer) return plat::kMediaFail;
  std::shared_ptr<plat::Device> device = g_device ? g_device->GetSharedDevice() : nullptr;
  plat::MediaResult result = plat::kMediaFail;
  m_allocator = std::make_shared<CAllocator>(&result, window, device);
  if (plat::MediaFailed(result)) {
    m_allocator.reset();
    return result;
  }
  result = renderer->AdviseSurfaceAllocator(m_userId, m_allocator, m_allocator);
  if (plat::MediaFailed(result)) return result;
  return m_allocator->AdviseNotify(renderer);
}

plat::MediaResult ZOdevuvVideo::Run() { return m_graph ? m_graph->Run() : plat::kMediaWrongState; }

void ZOdevuvVideo::GetVideoSize(int32_t* width, int32_t* height) const {
  if (width) *width = m_surfaceWidth;
  if (height) *height = m_surfaceHeight;
}

void ZOdevuvVideo::GetNativeSize(int32_t* width, int32_t* height) const {
  if (width) *width = m_nativeWidth;
  if (height) *height = m_nativeHeight;
}

void ZOdevuvVideo::SetSurfaceSize(int32_t width, int32_t height) {
  m_surfaceWidth = width;
  m_surfaceHeight = height;
}

void ZOdevuvVideo::SetNativeSize(int32_t width, int32_t height) {
  m_nativeWidth = width;
  m_nativeHeight = height;
}

void ZOdevuvVideo::SetDestRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  m_destRect = {x, y, width, height};
}

std::uintptr_t ZOdevuvVideo::GetEventHandle() {
  if (!m_graph) {
    m_eventHandle = 0;
    return 0;
  }
  if (!m_eventHandle) m_eventHandle = m_graph->GetEventHandle();
  return m_eventHandle;
}

int32_t ZOdevuvVideo::GetNextEventCode() {
  if (!m_graph) return 0;
  // Frames reach the presenter on the window thread, while its caller polls.
  m_graph->DeliverFrames();
  plat::MediaEvent event;
  if (plat::MediaFailed(m_graph->GetEvent(event, 0))) return 0;
  return event.code;
}

bool ZOdevuvVideo::IsFinished() {
  switch (GetNextEventCode()) {
    case plat::kEventComplete:
    case plat::kEventUserAbort:
    case plat::kEventErrorAbort:
    case plat::kEventStepComplete:
      return true;
    default:
      return false;
  }
}

plat::MediaResult ZOdevuvVideo::Close() {
  if (m_graph) {
    // A graph that never reports stopped must not hang its caller.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStopTimeoutMs);
    plat::GraphState state = plat::GraphState::Running;
    for (;;) {
      m_graph->Stop();
      m_graph->GetState(0, state);
      if (state == plat::GraphState::Stopped || std::chrono::steady_clock::now() >= giveUp) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  // The renderer and the allocator hold each other until the renderer lets go.
  if (m_renderer) m_renderer->Disconnect();
  m_allocator.reset();
  m_graph.reset();
  m_renderer.reset();
  return plat::kMediaOk;
}
