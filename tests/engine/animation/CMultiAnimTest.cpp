#include "engine/animation/CMultiAnim.h"

#include <gtest/gtest.h>

#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

using animtest::FindFrame;
using animtest::FirstContainer;
using xfixture::ExpectMatrixNear;
using xfixture::Translation;
using xfixture::TurnedAndMoved;

class CMultiAnimTest : public animtest::AnimationTest {
 protected:
  void SetUp() override {
    AnimationTest::SetUp();
    hierarchy_.SetModelFolder("models");
  }
  void TearDown() override {
    model_.Cleanup(&hierarchy_);
    AnimationTest::TearDown();
  }

  CAnimInstance* NewInstance() {
    int32_t index = -1;
    EXPECT_EQ(model_.CreateNewInstance(&index), plat::kMeshOk);
    EXPECT_EQ(index, model_.GetInstanceCount() - 1);
    return model_.GetInstance(index);
  }
  static std::shared_ptr<plat::AnimationController> ControllerOf(const CAnimInstance* instance) {
    std::shared_ptr<plat::AnimationController> controller;
    instance->GetController(&controller);
    return controller;
  }
  static void Play(CAnimInstance* instance, const char* set) {
    auto controller = ControllerOf(instance);
    controller->SetTrackAnimationSet(0, controller->GetAnimationSetByName(set));
    controller->SetTrackEnable(0, true);
  }
  static bool AnyTrackEnabled(const plat::AnimationController& controller) {
    for (uint32_t t = 0; t < controller.GetMaxNumTracks(); ++t) {
      plat::TrackDesc desc;
      controller.GetTrackDesc(t, &desc);
      if (desc.enable) return true;
    }
    return false;
  }

  CMultiAnimAllocateHierarchy hierarchy_;
  CMultiAnim model_;
};

TEST_F(CMultiAnimTest, InstancesPlayTheirOwnSetsWithTopLevelFramesTransformed) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  EXPECT_EQ(hierarchy_.GetMultiAnim(), &model_);
  CAnimInstance* walker = NewInstance();
  CAnimInstance* idler = NewInstance();
  ASSERT_NE(walker, nullptr);
  ASSERT_NE(idler, nullptr);
  EXPECT_NE(ControllerOf(walker), ControllerOf(idler));
  EXPECT_FALSE(AnyTrackEnabled(*ControllerOf(walker)));
  Play(walker, "walk");
  Play(idler, "idle");

  plat::MeshFrame* root = model_.GetRootFrame();
  ASSERT_EQ(walker->AdvanceTime(0.5), plat::kMeshOk);
  const plat::Matrix rootMatrix = Translation(10, 0, 0);
  ExpectMatrixNear(static_cast<ZOdevuvFrame*>(root)->combinedTransformationMatrix, rootMatrix);
  ExpectMatrixNear(FindFrame(root, "Bone1")->combinedTransformationMatrix,
                   TurnedAndMoved(plat::kPi / 4, 3, 4, 5) * rootMatrix);

  ASSERT_EQ(idler->AdvanceTime(0.25), plat::kMeshOk);
  ExpectMatrixNear(FindFrame(root, "Bone2")->transformationMatrix, Translation(0, 2, 5));
  EXPECT_DOUBLE_EQ(ControllerOf(walker)->GetTime(), 0.5);
  EXPECT_DOUBLE_EQ(ControllerOf(idler)->GetTime(), 0.25);
}

TEST_F(CMultiAnimTest, GetInstanceOutsideTheListIsNull) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  EXPECT_EQ(model_.GetInstance(0), nullptr);
  NewInstance();
  EXPECT_NE(model_.GetInstance(0), nullptr);
  EXPECT_EQ(model_.GetInstance(1), nullptr);
  EXPECT_EQ(model_.GetInstance(-1), nullptr);
}

TEST_F(CMultiAnimTest, ModelWithoutAnimationShowsMeshLoadError) {
  xfixture::Options options;
  options.animation = false;
  WriteModel("models/still.X", options);
  EXPECT_EQ(model_.Load("models\\still.X", &hierarchy_), plat::kMeshFail);
  const auto boxes = plat::RecordedMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "The sample is attempting to load a mesh without animation or incompatible animation.");
  EXPECT_EQ(boxes[0].caption, "Mesh Load Error");
  EXPECT_EQ(model_.GetRootFrame(), nullptr);
  EXPECT_EQ(model_.GetController(), nullptr);
  int32_t index = -1;
  EXPECT_TRUE(plat::MeshFailed(model_.CreateNewInstance(&index)));
}

TEST_F(CMultiAnimTest, MissingBoneFrameFailsTheLoadCleanly) {
  xfixture::Options options;
  options.secondBone = "Ghost";
  WriteModel("models/ghost.X", options);
  EXPECT_EQ(model_.Load("models\\ghost.X", &hierarchy_), plat::kMeshFail);
  EXPECT_EQ(model_.GetRootFrame(), nullptr);
  EXPECT_EQ(model_.GetController(), nullptr);
  EXPECT_TRUE(plat::MeshFailed(model_.Load("models\\missing.X", &hierarchy_)));
  const auto boxes = plat::RecordedMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Model Load Error");
  EXPECT_EQ(boxes[0].text, "models\\ghost.X: the skin bone \"Ghost\" names no frame");
  EXPECT_EQ(boxes[1].caption, "Model Load Error");
  EXPECT_EQ(boxes[1].text.rfind("models\\missing.X: cannot read", 0), 0u) << boxes[1].text;
}

TEST_F(CMultiAnimTest, BoneCountIsTheModelsOverEverySkinnedMesh) {
  xfixture::Options options;
  options.smallMesh = true;
  WriteModel("models/two.X", options);
  ASSERT_EQ(model_.Load("models\\two.X", &hierarchy_), plat::kMeshOk);
  EXPECT_EQ(model_.GetBoneCount(), 2);
}

TEST_F(CMultiAnimTest, ModelWithoutSkinLoadsButItsInstancesDrawNothing) {
  xfixture::Options options;
  options.skin = false;
  WriteModel("models/rigid.X", options);
  ASSERT_EQ(model_.Load("models\\rigid.X", &hierarchy_), plat::kMeshOk);
  CAnimInstance* instance = NewInstance();
  ASSERT_TRUE(Device().BeginScene());
  EXPECT_EQ(model_.DrawAllInstances(), plat::kMeshOk);
  Device().EndScene();
  EXPECT_TRUE(Device().Record().Draws().empty());
  EXPECT_EQ(instance->AdvanceTime(0.1), plat::kMeshOk);
}

TEST_F(CMultiAnimTest, LoadingAgainGivesEveryInstanceAFreshCloneWithTracksOff) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  CAnimInstance* instance = NewInstance();
  Play(instance, "walk");
  const auto oldController = ControllerOf(instance);
  const plat::MeshFrame* oldRoot = model_.GetRootFrame();
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  EXPECT_NE(model_.GetRootFrame(), oldRoot);
  const auto fresh = ControllerOf(instance);
  EXPECT_NE(fresh, oldController);
  EXPECT_FALSE(AnyTrackEnabled(*fresh));
  Play(instance, "walk");
  ASSERT_EQ(instance->AdvanceTime(0.5), plat::kMeshOk);
  ExpectMatrixNear(FindFrame(model_.GetRootFrame(), "Bone1")->transformationMatrix,
                   TurnedAndMoved(plat::kPi / 4, 3, 4, 5));
}

TEST_F(CMultiAnimTest, FailedReloadKeepsThePreviousModel) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  CAnimInstance* instance = NewInstance();
  Play(instance, "walk");
  EXPECT_TRUE(plat::MeshFailed(model_.Load("models\\missing.X", &hierarchy_)));
  ASSERT_NE(model_.GetRootFrame(), nullptr);
  EXPECT_EQ(instance->AdvanceTime(0.5), plat::kMeshOk);
}

TEST_F(CMultiAnimTest, DrawUsesTheInstanceWorldAndItsOwnTextures) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  CAnimInstance* instance = NewInstance();
  Play(instance, "walk");
  instance->AdvanceTime(0.1);
  const plat::Matrix world = Translation(0, 0, 5);
  instance->SetWorldTransform(world);
  const plat::Matrix deviceWorld = Translation(1, 1, 1);
  Device().SetTransform(plat::TransformType::World, deviceWorld);

  ASSERT_TRUE(Device().BeginScene());
  ASSERT_EQ(instance->Draw(), plat::kMeshOk);
  const ZOdevuvMeshContainer* container = FirstContainer(model_.GetRootFrame());
  ASSERT_NE(container, nullptr);
  ASSERT_NE(container->textures[0], nullptr);
  EXPECT_EQ(Effect()->Value("Dtex")->texture, container->textures[0]);
  ExpectMatrixNear(MatrixValue("world"), world);
  EXPECT_EQ(Floats("mDiffuse"), (std::vector<float>{1.0f, 0.99f, 0.95f, 1.0f}));
  EXPECT_EQ(Floats("mSpecular"), (std::vector<float>{0.1f, 0.1f, 0.1f, 1.0f}));
  ExpectMatrixNear(Device().GetTransform(plat::TransformType::World), deviceWorld);

  auto own = plat::CreateTextureFromFile(Device(), "models\\textures\\quad.png");
  ASSERT_NE(own, nullptr);
  instance->SetOwnTextures({own});
  instance->EnableOwnTextures(true);
  instance->Draw();
  EXPECT_EQ(Effect()->Value("Dtex")->texture, own);
  instance->SetOwnTextures({});
  instance->Draw();
  EXPECT_EQ(Effect()->Value("Dtex")->texture, nullptr);
  Device().EndScene();
  EXPECT_EQ(Device().Record().Draws().size(), 3u);
}

TEST_F(CMultiAnimTest, WorldSphereFollowsTheInstance) {
  ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  CAnimInstance* instance = NewInstance();
  instance->SetWorldTransform(Translation(0, 0, 5));
  plat::Vec3 centre;
  instance->GetWorldSphereCenter(&centre);
  EXPECT_NEAR(centre.x, 10.5f, 1e-5f);
  EXPECT_NEAR(centre.z, 5.0f, 1e-5f);
  EXPECT_FLOAT_EQ(instance->GetSphereRadius(), model_.GetBoundingRadius());
}

TEST_F(CMultiAnimTest, ModelLeftWithoutCleanupIsFreedByItsDestructor) {
  auto model = std::make_unique<CMultiAnim>();
  ASSERT_EQ(model->Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
  int32_t index = 0;
  model->CreateNewInstance(&index);
  model.reset();  // the leak checker finds what is left
}

}  // namespace
