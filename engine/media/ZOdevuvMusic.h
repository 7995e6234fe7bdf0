#pragma once
// The music player singleton: one file at a time through a music graph,
// looped. The graph announces the end of the file by posting message 0x8001
// to the window; the window procedure then calls HandleGraphEvents, which
// starts the file again from its beginning.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "platform/media/MusicGraph.h"
#include "platform/os/Handles.h"

class ZOdevuvMusic {
 public:
  static constexpr unsigned kNotifyMessage = plat::kMusicNotifyMessage;

  // Empty path, no graph, flags clear; stores itself in the music slot.
  explicit ZOdevuvMusic(plat::WindowHandle window);
  ~ZOdevuvMusic();
  ZOdevuvMusic(const ZOdevuvMusic&) = delete;
  ZOdevuvMusic& operator=(const ZOdevuvMusic&) = delete;

  // Builds the graph and plays the file (relative to the working
  // directory). A failure, a missing file among them, leaves the player
  // unopened, so later Play calls do nothing.
  plat::MediaResult Open(const EngineString& path);
  // Once opened: switches to the file, keeping the graph's output. A file
  // that does not exist changes nothing.
  void Play(const EngineString& path);
  // Puts the stored file into the graph and runs it from the start, unless
  // the music is switched off.
  plat::MediaResult PlayFile();
  // Drains the graph's events: the end of the file loops it, a user abort
  // releases the graph.
  void HandleGraphEvents();
  // Hundredths of a decibel, -10000 to 0; nothing before the graph exists.
  void SetVolume(int32_t volume);
  // Tears the graph down; the player is then unopened.
  void Release();

  // The options screen switches the music off and on; it stops and runs the
  // graph itself (GetGraph).
  void SetSwitchedOff(bool off) { m_switchedOff = off ? 1 : 0; }
  bool IsSwitchedOff() const { return m_switchedOff != 0; }
  bool IsOpened() const { return m_opened != 0; }
  const EngineString& GetPath() const { return m_path; }
  plat::MusicGraph* GetGraph() const { return m_graph.get(); }
  plat::WindowHandle GetWindow() const { return m_window; }

 private:
  EngineString m_path;
  // The graph does the playing: graph, control, seeking, audio and events
  // in one; it keeps the current source itself.
  std::unique_ptr<plat::MusicGraph> m_graph;
  plat::WindowHandle m_window;
  uint8_t m_switchedOff = 0;
  uint8_t m_opened = 0;
};
