// The scene program's own readers: its XML file, its command line and the
// camera's path.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/enginescene/CameraPath.h"
#include "tools/enginescene/SceneDescription.h"
#include "tools/enginescene/SceneOptions.h"

namespace {

TEST(SceneFile, ReadsEveryPartOfTheScene) {
  const char* text = R"(<Scene>
    <Video File="\v.avi" MaxSeconds="3"/><Music File="m.wav"/><Click File="c.wav" EverySeconds="1.5"/>
    <Model Part="trees" File="t.EFX" X="1" Y="2" Z="3" Turn="90" Scale="2"/>
    <Model Part="ground" File="g.EFX"/>
    <Figures File="f.X" Set="walk"><Walker FromX="1" ToZ="5" Seconds="4"/></Figures>
    <Bird File="b.X" Set="fly" Y="12" Radius="9"/>
    <Firework Y="30"/><Fountain FromX="-2" ToX="2"/>
    <Camera SecondsPerPoint="2"><Point X="1" LookZ="9"/><Point Y="4"/></Camera>
  </Scene>)";
  SceneDescription scene;
  std::string error;
  ASSERT_TRUE(ParseSceneDescription(text, scene, error)) << error;
  EXPECT_EQ(scene.video, "\\v.avi");
  EXPECT_FLOAT_EQ(scene.videoMaxSeconds, 3);
  EXPECT_EQ(scene.music, "m.wav");
  EXPECT_FLOAT_EQ(scene.clickEverySeconds, 1.5f);
  ASSERT_EQ(scene.models.size(), 2u);
  EXPECT_EQ(scene.models[0].part, "trees");
  EXPECT_FLOAT_EQ(scene.models[0].place.position.z, 3);
  EXPECT_FLOAT_EQ(scene.models[0].place.turnDegrees, 90);
  EXPECT_FLOAT_EQ(scene.models[1].place.scale, 1);
  ASSERT_EQ(scene.figures.walkers.size(), 1u);
  EXPECT_FLOAT_EQ(scene.figures.walkers[0].to.z, 5);
  EXPECT_EQ(scene.bird.animationSet, "fly");
  EXPECT_TRUE(scene.hasFirework);
  EXPECT_FLOAT_EQ(scene.fountainTo.x, 2);
  ASSERT_EQ(scene.cameraPath.size(), 2u);
  EXPECT_FLOAT_EQ(scene.cameraPath[0].target.z, 9);
}

TEST(SceneFile, BadValuesTakeTheirDefaultsAndDurationsNeverReachZero) {
  const char* text = R"(<Scene><Click File="c.wav" EverySeconds="0"/>
    <Model Part="trees" File="t.EFX" X="nan" Scale="lots"/><Model Part="" File="x.EFX"/><Model Part="p"/>
    <Figures File="f.X"><Walker Seconds="-3" FromX="1e99"/></Figures>
    <Camera SecondsPerPoint="inf"/></Scene>)";
  SceneDescription scene;
  std::string error;
  ASSERT_TRUE(ParseSceneDescription(text, scene, error)) << error;
  EXPECT_GT(scene.clickEverySeconds, 0);
  ASSERT_EQ(scene.models.size(), 1u);  // models without a part or a file are left out
  EXPECT_FLOAT_EQ(scene.models[0].place.position.x, 0);
  EXPECT_FLOAT_EQ(scene.models[0].place.scale, 1);
  ASSERT_EQ(scene.figures.walkers.size(), 1u);
  EXPECT_GT(scene.figures.walkers[0].secondsPerLeg, 0);
  EXPECT_FLOAT_EQ(scene.figures.walkers[0].from.x, 0);
  EXPECT_FLOAT_EQ(scene.cameraSecondsPerPoint, 3);
  EXPECT_FALSE(scene.hasFirework);
}

TEST(SceneFile, FilesThatAreNoSceneFailWithTheReason) {
  const char* texts[] = {"", "<Park/>", "just words"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    SceneDescription scene;
    std::string error;
    EXPECT_FALSE(ParseSceneDescription(text, scene, error));
    EXPECT_FALSE(error.empty());
  }
  SceneDescription scene;
  std::string error;
  EXPECT_FALSE(ReadSceneDescription("no\\such\\scene.xml", scene, error));
  EXPECT_FALSE(error.empty());
}

TEST(SceneOptions, ReadsTheSwitchesAndRefusesBadOnes) {
  SceneOptions options;
  std::string error;
  const char* good[] = {"engine_scene", "--headless", "--frames", "12", "--screenshots", "shots"};
  ASSERT_TRUE(ParseSceneOptions(6, good, options, error)) << error;
  EXPECT_TRUE(options.headless);
  EXPECT_EQ(options.frames, 12);
  EXPECT_EQ(options.screenshotDir, "shots");

  struct Case {
    const char* first;
    const char* second;
  };
  const Case bad[] = {{"--frames", "0"}, {"--frames", "-4"}, {"--frames", "12x"},
                      {"--frames", "99999999999"}, {"--size", "3"}, {"--frames", nullptr}};
  for (const Case& c : bad) {
    SCOPED_TRACE(c.first + std::string(" ") + (c.second ? c.second : "(none)"));
    const char* argv[] = {"engine_scene", c.first, c.second};
    SceneOptions ignored;
    std::string reason;
    EXPECT_FALSE(ParseSceneOptions(c.second ? 3 : 2, argv, ignored, reason));
    EXPECT_FALSE(reason.empty());
  }
}

TEST(CameraPath, GoesFromPointToPointEasedAndRoundAgain) {
  const CameraPath path({{{0, 0, 0}, {0, 0, 1}}, {{10, 0, 0}, {10, 0, 1}}}, 2);
  struct Case {
    double seconds;
    float x;
  };
  const Case cases[] = {{0, 0}, {1, 5}, {2, 10}, {3, 5}, {4, 0}, {0.5, 1.5625f}, {41, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    const SceneCameraPoint at = path.At(c.seconds);
    EXPECT_NEAR(at.eye.x, c.x, 1e-4);
    EXPECT_NEAR(at.target.x, c.x, 1e-4);
  }
  EXPECT_FLOAT_EQ(CameraPath({}, 2).At(5).target.z, 1);
  EXPECT_FLOAT_EQ(CameraPath({{{3, 0, 0}, {3, 0, 1}}}, 2).At(5).eye.x, 3);
}

}  // namespace
