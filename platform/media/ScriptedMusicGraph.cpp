#include "platform/media/ScriptedMusicGraph.h"

#include "platform/audio/AudioTypes.h"
#include "platform/os/Path.h"

namespace plat {

ScriptedMusicGraph::ScriptedMusicGraph(std::shared_ptr<MusicScript> script)
    : script_(std::move(script)) {
  script_->current = this;
}

ScriptedMusicGraph::~ScriptedMusicGraph() {
  if (script_->current == this) script_->current = nullptr;
}

MediaResult ScriptedMusicGraph::SetSource(std::string_view path) {
  if (!FileExists(path)) return kMediaFileNotFound;
  script_->sources.emplace_back(path);
  hasSource_ = true;
  position_ = 0;
  return kMediaOk;
}

MediaResult ScriptedMusicGraph::Run() {
  ++script_->runs;
  if (!hasSource_) return kMediaWrongState;
  state_ = GraphState::Running;
  return kMediaOk;
}

MediaResult ScriptedMusicGraph::Stop() {
  ++script_->stops;
  state_ = GraphState::Stopped;
  return kMediaOk;
}

MediaResult ScriptedMusicGraph::SeekToStart() {
  ++script_->seeks;
  position_ = 0;
  return kMediaOk;
}

MediaResult ScriptedMusicGraph::SetVolume(std::int32_t volume) {
  if (volume < kVolumeSilent || volume > kVolumeFull) return kMediaInvalidArg;
  volume_ = volume;
  return kMediaOk;
}

MusicGraphFactory ScriptedMusicGraph::Factory(std::shared_ptr<MusicScript> script) {
  return [script] { return std::make_unique<ScriptedMusicGraph>(script); };
}

}  // namespace plat
