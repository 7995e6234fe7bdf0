#include "engine/media/ZOdevuvMusic.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/core/Globals.h"
#include "platform/media/ScriptedMusicGraph.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"

namespace {

// The music player on a scripted graph, notifying a headless window, in a
// working directory that holds two music files.
class MusicPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("music-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "Music" / "Sound");
    std::ofstream(dir_ / "Music" / "Sound" / "park.wav") << "wav";
    std::ofstream(dir_ / "Music" / "Sound" / "other.wav") << "wav";
    std::filesystem::current_path(dir_);
    plat::ClearPathCache();
    plat::ResetMessageQueue();
    window_ = plat::CreateGameWindow("music", 800, 600, plat::WindowBackend::Headless);
    ASSERT_NE(window_, nullptr);
    plat::SetMusicGraphFactory(plat::ScriptedMusicGraph::Factory(script_));
    music_ = std::make_unique<ZOdevuvMusic>(window_);
  }
  void TearDown() override {
    music_.reset();
    plat::SetMusicGraphFactory({});
    plat::DestroyGameWindow(window_);
    plat::ResetMessageQueue();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
    plat::ClearPathCache();
  }
  // What the window procedure does: 0x8001 goes to HandleGraphEvents.
  int PumpMessages() {
    int notifications = 0;
    plat::Message message;
    while (plat::PeekMessage(message)) {
      if (message.message == ZOdevuvMusic::kNotifyMessage) {
        ++notifications;
        music_->HandleGraphEvents();
      }
    }
    return notifications;
  }
  plat::ScriptedMusicGraph& Graph() { return *script_->current; }

  std::shared_ptr<plat::MusicScript> script_ = std::make_shared<plat::MusicScript>();
  std::filesystem::path previous_, dir_;
  plat::WindowHandle window_ = nullptr;
  std::unique_ptr<ZOdevuvMusic> music_;
};

TEST_F(MusicPlayerTest, OpenPlaysTheFileFromTheStartAndSlotsItself) {
  EXPECT_EQ(g_music, music_.get());
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  EXPECT_TRUE(music_->IsOpened());
  ASSERT_EQ(script_->sources.size(), 1u);
  EXPECT_NE(script_->sources[0].find("park.wav"), std::string::npos);
  EXPECT_EQ(script_->seeks, 1);
  EXPECT_EQ(Graph().State(), plat::GraphState::Running);
}

TEST_F(MusicPlayerTest, EndOfFileNotifiesTheWindowAndLoopsFromTheStart) {
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  for (int loop = 1; loop <= 2; ++loop) {
    Graph().Advance(3.5);
    Graph().Finish();
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_DOUBLE_EQ(Graph().Position(), 0.0);
    EXPECT_EQ(script_->seeks, 1 + loop);
    EXPECT_EQ(script_->runs, 1 + loop);
    EXPECT_EQ(script_->sources.back(), script_->sources.front()) << "the same file again";
    EXPECT_EQ(Graph().State(), plat::GraphState::Running);
  }
}

TEST_F(MusicPlayerTest, PlaySwitchesFilesOnTheSameGraph) {
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  plat::ScriptedMusicGraph* graph = script_->current;
  music_->Play("Music\\Sound\\other.wav");
  EXPECT_EQ(script_->current, graph);
  ASSERT_EQ(script_->sources.size(), 2u);
  EXPECT_NE(script_->sources[1].find("other.wav"), std::string::npos);
  music_->Play("Music\\Sound\\missing.wav");
  EXPECT_EQ(script_->sources.size(), 2u) << "a missing file changes nothing";
  EXPECT_EQ(music_->GetPath(), "Music\\Sound\\missing.wav");
  EXPECT_EQ(Graph().State(), plat::GraphState::Running) << "the old file goes on";
}

TEST_F(MusicPlayerTest, MissingFileFailsOpenAndLaterPlaysDoNothing) {
  EXPECT_EQ(music_->Open("Music\\Sound\\missing.wav"), plat::kMediaFileNotFound);
  EXPECT_FALSE(music_->IsOpened());
  EXPECT_EQ(music_->GetGraph(), nullptr);
  music_->Play("Music\\Sound\\park.wav");
  music_->SetVolume(-500);
  music_->HandleGraphEvents();
  EXPECT_TRUE(script_->sources.empty());
}

TEST_F(MusicPlayerTest, PlayBeforeOpenAndAfterReleaseDoesNothing) {
  music_->Play("Music\\Sound\\park.wav");
  EXPECT_EQ(script_->current, nullptr);
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  music_->Release();
  EXPECT_FALSE(music_->IsOpened());
  music_->Play("Music\\Sound\\other.wav");
  music_->HandleGraphEvents();
  EXPECT_EQ(script_->sources.size(), 1u);
}

TEST_F(MusicPlayerTest, UserAbortReleasesTheGraphAndLeavesThePlayerSafe) {
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  Graph().Abort();
  Graph().Finish();  // queued behind the abort: never handled
  EXPECT_EQ(PumpMessages(), 2);
  EXPECT_EQ(music_->GetGraph(), nullptr);
  EXPECT_FALSE(music_->IsOpened());
  music_->Play("Music\\Sound\\other.wav");
  EXPECT_EQ(script_->sources.size(), 1u);
}

TEST_F(MusicPlayerTest, VolumeIsPassedInHundredthsOfADecibelAndOutOfRangeIsRefused) {
  music_->SetVolume(-1000);  // before the graph exists: nothing
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  EXPECT_EQ(Graph().Volume(), 0);
  struct Case {
    int32_t volume;
    int32_t expected;
  };
  const Case cases[] = {{-1000, -1000}, {-10000, -10000}, {0, 0}, {-10001, 0}, {1, 0}};
  for (const Case& c : cases) {
    music_->SetVolume(c.volume);
    EXPECT_EQ(Graph().Volume(), c.expected) << c.volume;
  }
}

TEST_F(MusicPlayerTest, FilesStartedWhileSwitchedOffStaySilent) {
  ASSERT_EQ(music_->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  music_->SetSwitchedOff(true);
  Graph().Stop();  // what the options screen does
  Graph().Finish();
  PumpMessages();
  EXPECT_EQ(Graph().State(), plat::GraphState::Stopped);
  music_->Play("Music\\Sound\\other.wav");
  EXPECT_EQ(Graph().State(), plat::GraphState::Stopped);
  music_->SetSwitchedOff(false);
  music_->Play("Music\\Sound\\park.wav");
  EXPECT_EQ(Graph().State(), plat::GraphState::Running);
}

}  // namespace
