#pragma once
// A video graph without a decoder, for tests: the script says what RenderFile
// connects and returns and how Stop behaves, and the test queues the events
// and frames the graph would have produced.
#include <memory>
#include <string>
#include <vector>

#include "platform/media/VideoGraph.h"

namespace plat {

class ScriptedVideoGraph;

struct VideoScript {
  int width = 320, height = 240;  // the stream size RenderFile connects with
  // RenderFile's result for a file that exists; a failure connects nothing.
  MediaResult renderResult = kMediaOk;
  // Stop calls it takes before the graph reports Stopped (a graph slow to
  // stop); never stops when negative.
  int stopsUntilStopped = 1;

  // What the graphs were asked.
  std::vector<std::string> renderedFiles;
  int runs = 0;
  int stops = 0;
  int stateQueries = 0;
  ScriptedVideoGraph* current = nullptr;  // the newest graph still alive
};

class ScriptedVideoGraph : public VideoGraph {
 public:
  explicit ScriptedVideoGraph(std::shared_ptr<VideoScript> script);
  ~ScriptedVideoGraph() override;

  MediaResult RenderFile(std::string_view path) override;
  MediaResult Run() override;
  MediaResult Stop() override;
  MediaResult GetState(std::uint32_t timeoutMs, GraphState& out) override;

  void QueueEvent(std::int32_t code) { Events().Push({code, 0, 0}); }
  void QueueFrame(VideoFrame frame) { Slot().Put(std::move(frame)); }

  // A factory that makes graphs of this script.
  static VideoGraphFactory Factory(std::shared_ptr<VideoScript> script);

 private:
  std::shared_ptr<VideoScript> script_;
  GraphState state_ = GraphState::Stopped;
  int stopsLeft_ = 0;
};

}  // namespace plat
