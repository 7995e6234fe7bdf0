// The demo park's generated figures load and animate.
#include <gtest/gtest.h>

#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "engine/animation/ZOdevuvCharacter.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

using animtest::FindFrame;

class DemoFiguresTest : public animtest::AnimationTest {
 protected:
  static std::string Park(const char* relative) {
    return std::string(HALVENOR_PARK_DIR) + "\\" + relative;
  }
};

TEST_F(DemoFiguresTest, VisitorPlaysEveryGameSetThroughAnInstance) {
  CMultiAnimAllocateHierarchy hierarchy;
  hierarchy.SetModelFolder(Park("objects\\characters").c_str());
  CMultiAnim model;
  ASSERT_EQ(model.Load(Park("objects\\characters\\casual_m.X").c_str(), &hierarchy),
            plat::kMeshOk);
  const auto* container = animtest::FirstContainer(model.GetRootFrame());
  ASSERT_NE(container, nullptr);
  EXPECT_NE(container->textures[0], nullptr);
  EXPECT_EQ(model.GetBoneCount(), 7);
  int32_t index = -1;
  ASSERT_EQ(model.CreateNewInstance(&index), plat::kMeshOk);
  CAnimInstance* instance = model.GetInstance(index);
  std::shared_ptr<plat::AnimationController> controller;
  instance->GetController(&controller);
  const plat::MeshFrame* armR = FindFrame(model.GetRootFrame(), "ArmR");
  ASSERT_NE(armR, nullptr);
  for (const char* name : {"walk", "idle", "work", "watering", "magic"}) {
    SCOPED_TRACE(name);
    auto set = controller->GetAnimationSetByName(name);
    ASSERT_NE(set, nullptr);
    EXPECT_GT(set->GetPeriod(), 0.5);
    controller->SetTrackAnimationSet(0, set);
    controller->SetTrackPosition(0, 0);
    controller->SetTrackEnable(0, true);
    instance->AdvanceTime(0.0);
    const plat::Matrix start = armR->transformationMatrix;
    instance->AdvanceTime(set->GetPeriod() / 4);
    EXPECT_FALSE(armR->transformationMatrix == start);
  }
  ASSERT_TRUE(Device().BeginScene());
  EXPECT_EQ(model.DrawAllInstances(), plat::kMeshOk);
  Device().EndScene();
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  model.Cleanup(&hierarchy);
}

TEST_F(DemoFiguresTest, BirdFlapsAsACharacter) {
  ZOdevuvCharacter bird;
  ASSERT_EQ(bird.Load(Park("objects\\animals\\bird_01.X").c_str()), plat::kMeshOk);
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  ASSERT_EQ(bird.GetAnimationSetCount(), 1);
  EXPECT_EQ(bird.GetController()->GetAnimationSet(0)->GetName(), "fly");
  EXPECT_GT(bird.GetBoundingRadius(), 0.2f);
  bird.SetAnimationSet(0);
  bird.AdvanceAnimation(0.01);
  const plat::Matrix start = FindFrame(bird.GetRootFrame(), "WingL")->combinedTransformationMatrix;
  bird.AdvanceAnimation(0.1);
  EXPECT_FALSE(FindFrame(bird.GetRootFrame(), "WingL")->combinedTransformationMatrix == start);
  ASSERT_TRUE(Device().BeginScene());
  bird.Render(0);
  Device().EndScene();
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
}

}  // namespace
