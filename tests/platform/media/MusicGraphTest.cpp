#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "platform/media/MediaWriter.h"
#include "platform/media/OpenAlMusicGraph.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"

namespace {

// The OpenAL music graph (on OpenAL Soft's null output under ctest) with a
// short generated file and a headless window for its notifications.
class OpenAlMusicGraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    graph_ = plat::OpenAlMusicGraph::Create();
    if (!graph_) GTEST_SKIP() << "no OpenAL device";
    dir_ = std::filesystem::temp_directory_path() / ("music-graph-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    file_ = (dir_ / "short.wav").string();
    std::vector<std::int16_t> samples(22050 / 5 * 2);  // 0.2 s of stereo
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int16_t(3000 * std::sin(double(i) * 0.05));
    ASSERT_TRUE(plat::WriteMusicFile(file_, samples, 2, 22050));
    plat::ClearPathCache();
    plat::ResetMessageQueue();
    window_ = plat::CreateGameWindow("music", 64, 64, plat::WindowBackend::Headless);
    graph_->SetNotifyWindow(window_, plat::kMusicNotifyMessage, 0);
  }
  void TearDown() override {
    graph_.reset();
    if (window_) plat::DestroyGameWindow(window_);
    plat::ResetMessageQueue();
    std::filesystem::remove_all(dir_);
    plat::ClearPathCache();
  }
  // Waits for the notify message; then the event must be queued.
  bool WaitForEnd() {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    plat::Message message;
    while (std::chrono::steady_clock::now() < giveUp) {
      if (plat::PeekMessage(message) && message.message == plat::kMusicNotifyMessage) {
        plat::MediaEvent event;
        return graph_->GetEvent(event, 0) == plat::kMediaOk && event.code == plat::kEventComplete;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  std::unique_ptr<plat::OpenAlMusicGraph> graph_;
  std::filesystem::path dir_;
  std::string file_;
  plat::WindowHandle window_ = nullptr;
};

TEST_F(OpenAlMusicGraphTest, EndOfTheFileIsPostedAndASeekPlaysItAgain) {
  ASSERT_EQ(graph_->SetSource(file_), plat::kMediaOk);
  ASSERT_EQ(graph_->Run(), plat::kMediaOk);
  EXPECT_EQ(graph_->State(), plat::GraphState::Running);
  ASSERT_TRUE(WaitForEnd());
  ASSERT_EQ(graph_->SeekToStart(), plat::kMediaOk);
  ASSERT_TRUE(WaitForEnd()) << "the loop from the start ends again";
  EXPECT_EQ(graph_->Stop(), plat::kMediaOk);
  EXPECT_EQ(graph_->State(), plat::GraphState::Stopped);
}

TEST_F(OpenAlMusicGraphTest, BadSourcesAndVolumesAreRefusedAndTheOldOnesKept) {
  ASSERT_EQ(graph_->SetSource(file_), plat::kMediaOk);
  EXPECT_EQ(graph_->SetSource((dir_ / "missing.wav").string()), plat::kMediaFileNotFound);
  const std::string junk = (dir_ / "junk.wav").string();
  { std::FILE* f = std::fopen(junk.c_str(), "wb"); std::fputs("not a sound at all", f); std::fclose(f); }
  plat::ClearPathCache();
  EXPECT_EQ(graph_->SetSource(junk), plat::kMediaCannotRender);
  EXPECT_EQ(graph_->SetVolume(-2500), plat::kMediaOk);
  EXPECT_EQ(graph_->SetVolume(-10001), plat::kMediaInvalidArg);
  EXPECT_EQ(graph_->SetVolume(5), plat::kMediaInvalidArg);
  EXPECT_EQ(graph_->Volume(), -2500);
  ASSERT_EQ(graph_->Run(), plat::kMediaOk);
  EXPECT_TRUE(WaitForEnd()) << "the first file is still the source";
}

}  // namespace
