#include "engine/media/ZOdevuvMusic.h"

#include <string>

#include "engine/core/Globals.h"
#include "platform/os/Path.h"
#include "platform/os/TextCodec.h"

ZOdevuvMusic::ZOdevuvMusic(plat::WindowHandle window) : m_window(window) { g_music = this; }

ZOdevuvMusic::~ZOdevuvMusic() {
  Release();
  if (g_music == this) g_music = nullptr;
}

plat::MediaResult ZOdevuvMusic::Open(const EngineString& path) {
  Release();
  m_path = path;
  m_graph = plat::CreateMusicGraph();
  if (!m_graph) return plat::kMediaFail;
  m_graph->SetNotifyWindow(m_window, kNotifyMessage, 0);
  const plat::MediaResult result = PlayFile();
  if (plat::MediaFailed(result)) {
    Release();
    return result;
  }
  m_opened = 1;
  return plat::kMediaOk;
}

void ZOdevuvMusic::Play(const EngineString& path) {
  if (!m_opened || !m_graph) return;
  m_path = path;
  PlayFile();
}

plat::MediaResult ZOdevuvMusic::PlayFile() {
  if (!m_graph) return plat::kMediaWrongState;
  const std::string full = plat::CurrentDirectory() + "\\" + plat::Cp1252ToUtf8(m_path.CStr());
  if (!plat::FileExists(full)) return plat::kMediaFileNotFound;
  m_graph->Stop();
  const plat::MediaResult result = m_graph->SetSource(full);
  if (plat::MediaFailed(result)) return result;
  m_graph->SeekToStart();
  // A file started while the music is switched off stays silent.
  if (!m_switchedOff) return m_graph->Run();
  return plat::kMediaOk;
}

void ZOdevuvMusic::HandleGraphEvents() {
  plat::MediaEvent event;
  while (m_graph && !plat::MediaFailed(m_graph->GetEvent(event, 0))) {
    if (event.code == plat::kEventComplete) {
      PlayFile();
    } else if (event.code == plat::kEventUserAbort) {
      Release();
      return;
    }
  }
}

void ZOdevuvMusic::SetVolume(int32_t volume) {
  if (m_graph) m_graph->SetVolume(volume);
}

void ZOdevuvMusic::Release() {
  m_opened = 0;
  if (!m_graph) return;
  m_graph->SetNotifyWindow(nullptr, 0, 0);
  m_graph->Stop();
  m_graph.reset();
}
