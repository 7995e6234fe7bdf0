#pragma once
// A music graph without sound output: it keeps what it was asked, and the
// test (or nobody, in a headless run) says when the file ends.
#include <memory>
#include <string>
#include <vector>

#include "platform/media/MusicGraph.h"

namespace plat {

class ScriptedMusicGraph;

struct MusicScript {
  std::vector<std::string> sources;  // every file given to SetSource, in order
  int runs = 0;
  int stops = 0;
  int seeks = 0;
  ScriptedMusicGraph* current = nullptr;  // the newest graph still alive
};

class ScriptedMusicGraph : public MusicGraph {
 public:
  explicit ScriptedMusicGraph(std::shared_ptr<MusicScript> script);
  ~ScriptedMusicGraph() override;

  MediaResult SetSource(std::string_view path) override;
  MediaResult Run() override;
  MediaResult Stop() override;
  MediaResult SeekToStart() override;
  MediaResult SetVolume(std::int32_t volume) override;
  std::int32_t Volume() const override { return volume_; }
  GraphState State() const override { return state_; }

  // The play position in seconds: 0 after a seek, moved on by Advance.
  double Position() const { return position_; }
  void Advance(double seconds) { position_ += seconds; }
  // What the output does at the end of the file, or on a user abort.
  void Finish() { Notify({kEventComplete, 0, 0}); }
  void Abort() { Notify({kEventUserAbort, 0, 0}); }

  static MusicGraphFactory Factory(std::shared_ptr<MusicScript> script);

 private:
  std::shared_ptr<MusicScript> script_;
  std::int32_t volume_ = 0;
  GraphState state_ = GraphState::Stopped;
  double position_ = 0;
  bool hasSource_ = false;
};

}  // namespace plat
