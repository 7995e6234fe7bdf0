#include "platform/media/ScriptedVideoGraph.h"

#include "platform/os/Path.h"

namespace plat {

ScriptedVideoGraph::ScriptedVideoGraph(std::shared_ptr<VideoScript> script)
    : script_(std::move(script)) {
  script_->current = this;
}

ScriptedVideoGraph::~ScriptedVideoGraph() {
  if (script_->current == this) script_->current = nullptr;
}

MediaResult ScriptedVideoGraph::RenderFile(std::string_view path) {
  script_->renderedFiles.emplace_back(path);
  if (!Renderer()) return kMediaCannotRender;
  if (!FileExists(path)) return kMediaFileNotFound;
  if (MediaFailed(script_->renderResult)) return script_->renderResult;
  const MediaResult connected = Renderer()->Connect(script_->width, script_->height);
  return MediaFailed(connected) ? connected : script_->renderResult;
}

MediaResult ScriptedVideoGraph::Run() {
  ++script_->runs;
  if (!Renderer() || !Renderer()->Connected()) return kMediaWrongState;
  const MediaResult started = Renderer()->StartPresenting();
  if (MediaFailed(started)) return started;
  state_ = GraphState::Running;
  stopsLeft_ = script_->stopsUntilStopped;
  return kMediaOk;
}

MediaResult ScriptedVideoGraph::Stop() {
  ++script_->stops;
  if (state_ == GraphState::Stopped) return kMediaOk;
  if (stopsLeft_ >= 0 && --stopsLeft_ <= 0) {
    state_ = GraphState::Stopped;
    Renderer()->StopPresenting();
  }
  return kMediaOk;
}

MediaResult ScriptedVideoGraph::GetState(std::uint32_t /*timeoutMs*/, GraphState& out) {
  ++script_->stateQueries;
  out = state_;
  return kMediaOk;
}

VideoGraphFactory ScriptedVideoGraph::Factory(std::shared_ptr<VideoScript> script) {
  return [script] { return std::make_unique<ScriptedVideoGraph>(script); };
}

}  // namespace plat
