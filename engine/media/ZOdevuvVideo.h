#pragma once
// The video player singleton: plays one video file at a time through a video
// graph whose renderer runs in renderless mode with the engine's own
// allocator-presenter (CAllocator), which draws every frame into the
// destination rectangle kept here and presents the device. The player builds
// the graph, ties the allocator to the renderer, runs the graph, tells its
// caller when the video has finished and tears the graph down.
//
// A caller opens a file (a failure means no video: go on as if it had
// ended), sets the destination rectangle and the optional overlay, runs it,
// and asks IsFinished every frame without drawing anything itself; when it
// is true it closes the player or opens the next video.
#include <cstdint>
#include <memory>

#include "platform/media/MediaTypes.h"
#include "platform/media/VideoGraph.h"
#include "platform/media/VideoRenderer.h"
#include "platform/os/Handles.h"

class CAllocator;
class ZOdevuvTexture;

class ZOdevuvVideo {
 public:
  static constexpr uint32_t kUserId = 0xACDCACDCu;
  // Paths longer than this (a terminator must fit) are refused, never cut.
  static constexpr std::size_t kMaxPathLength = 259;

  // Takes the device manager's window and stores itself in the video slot.
  ZOdevuvVideo();
  // Stops and releases whatever is open.
  ~ZOdevuvVideo();
  ZOdevuvVideo(const ZOdevuvVideo&) = delete;
  ZOdevuvVideo& operator=(const ZOdevuvVideo&) = delete;

  // Closes what is open, then builds and connects the graph for the file.
  plat::MediaResult Open(const char* path);
  // Creates an allocator on the engine's device and ties it to the renderer.
  plat::MediaResult SetupAllocator(std::shared_ptr<plat::VideoRenderer> renderer, plat::WindowHandle window);
  // A failure without an opened graph.
  plat::MediaResult Run();
  void GetVideoSize(int32_t* width, int32_t* height) const;
  void SetDestRect(int32_t x, int32_t y, int32_t width, int32_t height);
  std::uintptr_t GetEventHandle();
  // Presents the frame that is due, then takes at most one event off the
  // graph's queue; 0 when none waits.
  int32_t GetNextEventCode();
  // Whether the next event ends the video.
  bool IsFinished();
  // Stops the graph (giving up after kStopTimeoutMs) and releases it; 0.
  plat::MediaResult Close();

  // Written by the allocator when the renderer connects.
  void SetSurfaceSize(int32_t width, int32_t height);
  void SetNativeSize(int32_t width, int32_t height);
  void GetNativeSize(int32_t* width, int32_t* height) const;

  struct DestRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
  };
  DestRect GetDestRect() const { return m_destRect; }
  bool IsOpen() const { return m_graph != nullptr; }
  const std::shared_ptr<CAllocator>& GetAllocator() const { return m_allocator; }

  // Drawn over every frame at the top-left corner; not owned. The caller
  // keeps it alive while a video plays.
  ZOdevuvTexture* overlay = nullptr;

  static constexpr uint32_t kStopTimeoutMs = 2000;

 private:
  uint32_t m_userId = kUserId;
  plat::WindowHandle m_window = nullptr;
  // The graph does the playing: graph, control and events in one.
  std::unique_ptr<plat::VideoGraph> m_graph;
  std::shared_ptr<plat::VideoRenderer> m_renderer;
  std::shared_ptr<CAllocator> m_allocator;
  int32_t m_surfaceWidth = 0, m_surfaceHeight = 0;
  int32_t m_nativeWidth = 0, m_nativeHeight = 0;
  std::uintptr_t m_eventHandle = 0;
  DestRect m_destRect;
};
