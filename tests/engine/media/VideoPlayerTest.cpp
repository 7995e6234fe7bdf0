#include <chrono>
#include <thread>

#include "engine/media/CAllocator.h"
#include "platform/media/MediaWriter.h"
#include "tests/engine/media/VideoTestSupport.h"

namespace {

using videotest::VideoFixture;

TEST_F(VideoFixture, FinishingEventsEndTheVideoAndOthersAreDropped) {
  ASSERT_EQ(video_->Open(Touch("a.avi").c_str()), plat::kMediaOk);
  ASSERT_EQ(video_->Run(), plat::kMediaOk);
  plat::ScriptedVideoGraph& graph = *script_->current;
  EXPECT_FALSE(video_->IsFinished()) << "an empty queue";
  struct Case {
    std::int32_t code;
    bool finishes;
  };
  const Case cases[] = {{plat::kEventComplete, true}, {plat::kEventUserAbort, true},
                        {plat::kEventErrorAbort, true}, {plat::kEventStepComplete, true},
                        {plat::kEventPaused, false},    {13, false}};
  for (const Case& c : cases) {
    graph.QueueEvent(c.code);
    EXPECT_EQ(video_->IsFinished(), c.finishes) << "event " << c.code;
    EXPECT_FALSE(video_->IsFinished()) << "the event was taken off the queue";
  }
  // Another event ahead of the end: the first poll drops it, the second ends.
  graph.QueueEvent(plat::kEventPaused);
  graph.QueueEvent(plat::kEventComplete);
  EXPECT_FALSE(video_->IsFinished());
  EXPECT_TRUE(video_->IsFinished());
}

TEST_F(VideoFixture, MissingFileFailsOpenAndLeavesNothingToWaitFor) {
  const std::string missing = (dir_ / "Music" / "videos" / "9.avi").string();
  EXPECT_EQ(video_->Open(missing.c_str()), plat::kMediaFileNotFound);
  EXPECT_FALSE(video_->IsFinished());
  EXPECT_EQ(video_->Close(), 0);
  EXPECT_FALSE(video_->IsOpen());
  EXPECT_EQ(video_->GetEventHandle(), 0u);
  EXPECT_LT(video_->Run(), 0) << "run without an opened video fails instead of crashing";
  int32_t w = -1, h = -1;
  video_->GetVideoSize(&w, &h);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
}

TEST_F(VideoFixture, AFileTheGraphCannotRenderReportsItsFailureUntilClosed) {
  script_->renderResult = plat::kMediaCannotRender;
  EXPECT_EQ(video_->Open(Touch("bad.avi").c_str()), plat::kMediaCannotRender);
  EXPECT_TRUE(video_->IsOpen());
  EXPECT_EQ(video_->Close(), 0);
  EXPECT_EQ(video_->Close(), 0);
  EXPECT_FALSE(video_->IsOpen());
}

TEST_F(VideoFixture, OpenWhileRunningStopsTheOldGraphFirst) {
  script_->stopsUntilStopped = 3;
  ASSERT_EQ(video_->Open(Touch("1.avi").c_str()), plat::kMediaOk);
  ASSERT_EQ(video_->Run(), plat::kMediaOk);
  ASSERT_EQ(video_->Open(Touch("2.avi").c_str()), plat::kMediaOk);
  EXPECT_EQ(script_->stops, 3) << "Stop until the state reads stopped";
  EXPECT_EQ(script_->renderedFiles.size(), 2u);
}

TEST_F(VideoFixture, CloseGivesUpOnAGraphThatNeverStops) {
  script_->stopsUntilStopped = -1;
  ASSERT_EQ(video_->Open(Touch("stuck.avi").c_str()), plat::kMediaOk);
  ASSERT_EQ(video_->Run(), plat::kMediaOk);
  const auto begun = std::chrono::steady_clock::now();
  EXPECT_EQ(video_->Close(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(5));
  EXPECT_FALSE(video_->IsOpen());
}

TEST_F(VideoFixture, OverlongPathsAreRefusedRatherThanCut) {
  const std::string longPath = (dir_ / std::string(300, 'v')).string();
  EXPECT_EQ(video_->Open(longPath.c_str()), plat::kMediaInvalidArg);
  EXPECT_TRUE(script_->renderedFiles.empty());
}

TEST_F(VideoFixture, EachFrameIsDrawnOnWhiteIntoTheRectangleWithTheOverlayAndPresented) {
  ASSERT_EQ(video_->Open(Touch("a.avi").c_str()), plat::kMediaOk);
  video_->SetDestRect(10, 20, 300, 200);
  ASSERT_EQ(video_->Run(), plat::kMediaOk);
  Device().Record().Clear();
  Device().Record().Enable(true);
  plat::VideoFrame frame;
  frame.width = 320;
  frame.height = 240;
  frame.bgra.assign(320 * 240 * 4, 0x80);
  script_->current->QueueFrame(frame);
  EXPECT_FALSE(video_->IsFinished());
  std::vector<plat::ClearRecord> clears;
  for (const plat::RecordEvent& e : Device().Record().Events()) {
    if (const auto* c = e.Get<plat::ClearRecord>()) clears.push_back(*c);
  }
  ASSERT_EQ(clears.size(), 1u);
  EXPECT_EQ(clears[0].color, 0xFFFFFFFFu);
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].fvf, 0x144u);
  EXPECT_EQ(draws[0].type, plat::PrimitiveType::TriangleFan);
  const auto v0 = draws[0].Read<ZOdevuvTexture::QuadVertex>(0, 0);
  const auto v2 = draws[0].Read<ZOdevuvTexture::QuadVertex>(2, 0);
  EXPECT_FLOAT_EQ(v0.x, 9.5f);
  EXPECT_FLOAT_EQ(v0.y, 19.5f);
  EXPECT_FLOAT_EQ(v2.x, 309.5f);
  EXPECT_FLOAT_EQ(v2.y, 219.5f);
  EXPECT_FLOAT_EQ(v0.rhw, 1.0f / 109.0f);
  EXPECT_FLOAT_EQ(v2.u, 1.0f);
  EXPECT_EQ(Device().Record().Count(plat::EventKind::Present), 1u);
  EXPECT_FALSE(video_->IsFinished());
  EXPECT_EQ(Device().Record().Count(plat::EventKind::Present), 1u) << "no new frame, no present";
}

TEST_F(VideoFixture, GeneratedAviPlaysItsFramesToTheEndOnTheFfmpegGraph) {
  plat::SetVideoGraphFactory({});
  const std::string path = (dir_ / "clip.avi").string();
  ASSERT_TRUE(plat::WriteVideoFile(path, 96, 64, 6, 25, [](int, std::vector<std::uint8_t>& bgra) {
    std::fill(bgra.begin(), bgra.end(), std::uint8_t(200));
  }));
  plat::ClearPathCache();
  ASSERT_EQ(video_->Open(path.c_str()), plat::kMediaOk);
  int32_t w = 0, h = 0;
  video_->GetVideoSize(&w, &h);
  EXPECT_EQ(w, 96);
  EXPECT_EQ(h, 64);
  video_->SetDestRect(0, 0, 800, 600);
  Device().Record().Clear();
  Device().Record().Enable(true);
  ASSERT_EQ(video_->Run(), plat::kMediaOk);
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  bool finished = false;
  while (!finished && std::chrono::steady_clock::now() < giveUp) {
    finished = video_->IsFinished();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(finished);
  const std::size_t presents = Device().Record().Count(plat::EventKind::Present);
  EXPECT_GE(presents, 1u);
  EXPECT_LE(presents, 6u);
  EXPECT_EQ(video_->Close(), 0);
}

}  // namespace

namespace {

TEST_F(VideoFixture, TheParkIntroVideosOpenUnderTheirGamePaths) {
  plat::SetVideoGraphFactory({});
  for (int i = 1; i <= 4; ++i) {
    const std::string path = std::string(HALVENOR_PARK_DIR) + "\\Music\\videos\\" + std::to_string(i) + ".avi";
    ASSERT_EQ(video_->Open(path.c_str()), plat::kMediaOk) << path;
    int32_t w = 0, h = 0;
    video_->GetVideoSize(&w, &h);
    EXPECT_EQ(w, 320);
    EXPECT_EQ(h, 240);
  }
  EXPECT_EQ(video_->Close(), 0);
}

}  // namespace
