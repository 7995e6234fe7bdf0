#pragma once
// What the media graphs report, in the numbers the game's media code
// reads: result words (negative = failure), event codes and graph
// states, plus the thread-safe event queue every graph keeps.
#include <cstdint>
#include <deque>
#include <mutex>

namespace plat {

using MediaResult = std::int32_t;
constexpr MediaResult kMediaOk = 0;
constexpr MediaResult kMediaFail = std::int32_t(0x80004005u);
constexpr MediaResult kMediaPointer = std::int32_t(0x80004003u);
constexpr MediaResult kMediaInvalidArg = std::int32_t(0x80070057u);
constexpr MediaResult kMediaFileNotFound = std::int32_t(0x80070002u);
constexpr MediaResult kMediaCannotRender = std::int32_t(0x80040218u);
constexpr MediaResult kMediaTimeout = std::int32_t(0x80040211u);
constexpr MediaResult kMediaWrongState = std::int32_t(0x80040227u);

inline bool MediaFailed(MediaResult result) { return result < 0; }

// Event codes of the graphs' queues.
constexpr std::int32_t kEventComplete = 1;
constexpr std::int32_t kEventUserAbort = 2;
constexpr std::int32_t kEventErrorAbort = 3;
constexpr std::int32_t kEventPaused = 14;
constexpr std::int32_t kEventStepComplete = 36;

// The window message a music graph posts when an event is queued.
constexpr unsigned kMusicNotifyMessage = 0x8001;

enum class GraphState : std::int32_t { Stopped = 0, Paused = 1, Running = 2 };

struct MediaEvent {
  std::int32_t code = 0;
  std::intptr_t param1 = 0;
  std::intptr_t param2 = 0;
};

// Events queued by worker threads and taken by the window thread.
class MediaEventQueue {
 public:
  void Push(const MediaEvent& event);
  // False when none waits.
  bool Take(MediaEvent& out);

 private:
  mutable std::mutex mutex_;
  std::deque<MediaEvent> events_;
};

}  // namespace plat
