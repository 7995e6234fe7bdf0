#include "engine/animation/ZOdevuvCharacter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

using animtest::FindFrame;
using animtest::FirstContainer;
using xfixture::ExpectMatrixNear;
using xfixture::Translation;
using xfixture::TurnedAndMoved;

class ZOdevuvCharacterTest : public animtest::AnimationTest {
 protected:
  void SetUp() override {
    AnimationTest::SetUp();
    character_ = std::make_unique<ZOdevuvCharacter>();
    ASSERT_EQ(character_->Load(animtest::kModelPath), plat::kMeshOk);
  }
  void TearDown() override {
    character_.reset();
    AnimationTest::TearDown();
  }

  plat::TrackDesc Track() const {
    plat::TrackDesc desc;
    character_->GetController()->GetTrackDesc(0, &desc);
    return desc;
  }
  void RenderInScene() {
    ASSERT_TRUE(Device().BeginScene());
    character_->Render(0);
    Device().EndScene();
  }

  std::unique_ptr<ZOdevuvCharacter> character_;
};

TEST_F(ZOdevuvCharacterTest, LoadFindsSetsBonesAndTheSphere) {
  EXPECT_EQ(character_->GetAnimationSetCount(), 2);
  EXPECT_EQ(character_->GetCurrentAnimationSet(), -1);
  EXPECT_EQ(character_->GetBoneCount(), 2);
  EXPECT_NEAR(character_->GetBoundingCentre().x, 10.5f, 1e-5f);
  EXPECT_NEAR(character_->GetBoundingRadius(), std::sqrt(0.5f), 1e-5f);
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

TEST_F(ZOdevuvCharacterTest, LoadingAgainReplacesTheModel) {
  // The old hierarchy's address may be reused by the new one, so the reload
  // shows in the reset animation state; the sanitizer build catches a leak.
  character_->SetAnimationSet(1);
  ASSERT_EQ(character_->Load(animtest::kModelPath), plat::kMeshOk);
  ASSERT_NE(character_->GetRootFrame(), nullptr);
  EXPECT_EQ(character_->GetCurrentAnimationSet(), -1);
  EXPECT_EQ(character_->GetAnimationSetCount(), 2);
}

TEST_F(ZOdevuvCharacterTest, FramesFollowTheSetWhileTopLevelFramesStayAtIdentity) {
  character_->SetAnimationSet(0);
  // The 0.08 s transition is over when the time arrives, so the whole step
  // runs at the track speed of 0.8: track position 0.4 of walk's 1 s.
  character_->AdvanceAnimation(0.5);
  EXPECT_NEAR(Track().position, 0.4, 1e-6);
  plat::MeshFrame* root = character_->GetRootFrame();
  ExpectMatrixNear(static_cast<ZOdevuvFrame*>(root)->combinedTransformationMatrix,
                   plat::IdentityMatrix());
  const plat::Matrix bone1 = TurnedAndMoved(0.4f * plat::kPi / 2, 2.6f, 3.6f, 4.6f);
  ExpectMatrixNear(FindFrame(root, "Bone1")->combinedTransformationMatrix, bone1);
  ExpectMatrixNear(FindFrame(root, "Bone2")->combinedTransformationMatrix,
                   Translation(0, 1, 5) * bone1);
}

TEST_F(ZOdevuvCharacterTest, ChoosingASetKeysSpeedAndWeightOver80Milliseconds) {
  character_->SetAnimationSet(1);
  EXPECT_EQ(character_->GetController()->GetTrackAnimationSet(0),
            character_->GetController()->GetAnimationSet(1));
  character_->AdvanceAnimation(0.04);
  EXPECT_NEAR(Track().speed, 0.9f, 1e-6f);
  EXPECT_NEAR(Track().weight, 0.9f, 1e-6f);
  character_->AdvanceAnimation(0.06);
  EXPECT_NEAR(Track().speed, 0.8f, 1e-6f);
  EXPECT_NEAR(Track().weight, 0.8f, 1e-6f);
  // Later choices key from controller time 0, which is over: at once.
  character_->SetAnimationSet(0);
  character_->AdvanceAnimation(0.01);
  EXPECT_NEAR(Track().speed, 0.8f, 1e-6f);
  EXPECT_EQ(character_->GetCurrentAnimationSet(), 0);
}

TEST_F(ZOdevuvCharacterTest, SetAnimationSetIgnoresTheCurrentTheCountAndNegatives) {
  character_->SetAnimationSet(0);
  const auto events = character_->GetController()->GetNumPendingEvents();
  for (int32_t index : {0, 2, -1, 1000}) {
    character_->SetAnimationSet(index);
    EXPECT_EQ(character_->GetCurrentAnimationSet(), 0) << index;
    EXPECT_EQ(character_->GetController()->GetNumPendingEvents(), events) << index;
  }
}

TEST_F(ZOdevuvCharacterTest, EndIsFoundAtTheWrapWhateverTheFrameStep) {
  struct Case {
    double step;
    int endsAtStep;  // idle's 0.5 s at speed 0.8 takes 0.625 s
  } cases[] = {{0.1, 7}, {0.3, 3}, {0.05, 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    character_ = std::make_unique<ZOdevuvCharacter>();
    character_->Load(animtest::kModelPath);
    character_->SetAnimationSet(1);
    character_->SetPlaying(true);
    for (int step = 1; step < c.endsAtStep; ++step) {
      character_->AdvanceAnimation(c.step);
      ASSERT_FALSE(character_->CheckAnimationEnd()) << "step " << step;
    }
    character_->AdvanceAnimation(c.step);
    EXPECT_TRUE(character_->CheckAnimationEnd());
    EXPECT_TRUE(character_->IsPaused());
    EXPECT_FALSE(character_->IsPlaying());
    // Resumed, it plays on to the next wrap.
    character_->ResumeAnimation();
    EXPECT_FALSE(character_->CheckAnimationEnd());
  }
}

TEST_F(ZOdevuvCharacterTest, PausedCharacterDoesNotAdvanceAndResumesWithoutAJump) {
  character_ = std::make_unique<ZOdevuvCharacter>();  // takes the fake clock's time
  character_->Load(animtest::kModelPath);
  character_->SetAnimationSet(1);
  clock_.AdvanceMs(100);
  character_->Render(0);
  EXPECT_NEAR(Track().position, 0.08, 1e-6);
  character_->PauseAnimation();
  clock_.AdvanceMs(1000);
  character_->Render(0);
  EXPECT_NEAR(Track().position, 0.08, 1e-6);
  character_->ResumeAnimation();
  clock_.AdvanceMs(100);
  character_->Render(0);
  EXPECT_NEAR(Track().position, 0.16, 1e-6);
}

TEST_F(ZOdevuvCharacterTest, DrawSetsThePaletteAsOffsetTimesCombined) {
  character_->SetAnimationSet(0);
  character_->AdvanceAnimation(0.5);
  RenderInScene();
  const ZOdevuvMeshContainer* container = FirstContainer(character_->GetRootFrame());
  ASSERT_NE(container, nullptr);
  ASSERT_EQ(container->paletteSize, 2u);
  ASSERT_EQ(container->boneCombinations.size(), 1u);
  plat::MeshFrame* root = character_->GetRootFrame();
  const plat::Matrix combined[] = {FindFrame(root, "Bone1")->combinedTransformationMatrix,
                                   FindFrame(root, "Bone2")->combinedTransformationMatrix};
  const plat::Matrix offsets[] = {Translation(-1, -2, -3), Translation(0, 0, -7)};
  for (std::uint32_t k = 0; k < 2; ++k) {
    const std::uint32_t id = container->boneCombinations[0].boneIds[k];
    ASSERT_LT(id, 2u);
    ExpectMatrixNear(MatrixValue("FinalTransforms", k), offsets[id] * combined[id]);
  }
  EXPECT_EQ(Effect()->Value("NumVertInfluences")->intValue, 2);
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].stride, 76u);
  EXPECT_EQ(draws[0].technique, "textured");
  EXPECT_EQ(draws[0].primitiveCount, 2u);
  EXPECT_EQ(Floats("mDiffuse"), (std::vector<float>{1.0f, 0.99f, 0.95f, 0.5f}));
  EXPECT_EQ(Floats("mPower"), (std::vector<float>{12.0f}));
  EXPECT_EQ(Effect()->Value("Dtex")->texture, container->textures[0]);
  EXPECT_NE(container->textures[0], nullptr);
}

TEST_F(ZOdevuvCharacterTest, DrawPutsItsBlendStatesBackAndGhostsUseTheirTechnique) {
  const auto cull = Device().GetRenderState(plat::RenderState::CullMode);
  const auto blend = Device().GetRenderState(plat::RenderState::AlphaBlendEnable);
  character_->SetGhost(true);
  RenderInScene();
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::CullMode), cull);
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaBlendEnable), blend);
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].technique, "textured_ghost");
  const auto blends = Device().Record().RenderStateValues(plat::RenderState::AlphaBlendEnable);
  ASSERT_FALSE(blends.empty());
  EXPECT_EQ(blends.front(), 1u);
}

TEST_F(ZOdevuvCharacterTest, LightComesFromLightZeroOrTheFixedLight) {
  RenderInScene();
  const float d = 1.0f / std::sqrt(2.0f);
  const std::vector<float> fixedDir = Floats("lightDir");
  ASSERT_EQ(fixedDir.size(), 4u);
  EXPECT_NEAR(fixedDir[1], -d, 1e-6f);
  EXPECT_NEAR(fixedDir[2], -d, 1e-6f);
  EXPECT_EQ(fixedDir[3], 0.0f);
  EXPECT_EQ(Floats("lightColor"), (std::vector<float>{1.0f, 0.99f, 0.95f, 1.0f}));
  EXPECT_EQ(Floats("lightAmbient"), (std::vector<float>{1, 1, 1, 1}));

  ZOdevuvLightManager lights;
  plat::Light light;
  light.direction = {0, -1, 0};
  light.diffuse = {0.5f, 0.25f, 0.125f, 1};
  light.ambient = {0.1f, 0.2f, 0.3f, 1};
  lights.AddLight(light, 1);
  RenderInScene();
  EXPECT_EQ(Floats("lightDir"), (std::vector<float>{0, -1, 0, 0}));
  EXPECT_EQ(Floats("lightColor"), (std::vector<float>{0.5f, 0.25f, 0.125f, 1}));
  EXPECT_EQ(Floats("lightAmbient"), (std::vector<float>{0.1f, 0.2f, 0.3f, 1}));
}

TEST_F(ZOdevuvCharacterTest, SphereOutsideTheViewIsNotDrawn) {
  ZOdevuvFrustum frustum;
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {10.5f, 0.5f, -10}, {10.5f, 0.5f, 0}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 4, 4.0f / 3.0f, 1.0f, 100.0f);
  frustum.Build(projection, view);
  RenderInScene();
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  Device().Record().Clear();
  Device().SetTransform(plat::TransformType::World, Translation(0, 0, -50));
  RenderInScene();
  EXPECT_TRUE(Device().Record().Draws().empty());
}

TEST_F(ZOdevuvCharacterTest, MissingBoneFrameFailsTheLoadWithTheReason) {
  xfixture::Options options;
  options.secondBone = "Ghost";
  WriteModel("models/ghost.X", options);
  character_ = std::make_unique<ZOdevuvCharacter>();
  EXPECT_TRUE(plat::MeshFailed(character_->Load("models\\ghost.X")));
  const auto boxes = plat::RecordedMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Model Load Error");
  EXPECT_EQ(boxes[0].text, "models\\ghost.X: the skin bone \"Ghost\" names no frame");
  EXPECT_EQ(character_->GetRootFrame(), nullptr);
  EXPECT_EQ(character_->GetBoneCount(), 0);
  character_->SetAnimationSet(0);
  character_->AdvanceAnimation(0.1);
  RenderInScene();
  EXPECT_TRUE(Device().Record().Draws().empty());
}

TEST_F(ZOdevuvCharacterTest, BoneCountIsTheModelsOverEverySkinnedMesh) {
  xfixture::Options options;
  options.smallMesh = true;  // names only Bone1, which the first mesh names too
  WriteModel("models/two.X", options);
  character_ = std::make_unique<ZOdevuvCharacter>();
  ASSERT_EQ(character_->Load("models\\two.X"), plat::kMeshOk);
  EXPECT_EQ(character_->GetBoneCount(), 2);
}

TEST_F(ZOdevuvCharacterTest, UnloadableFileShowsModelLoadErrorAndDrawsNothing) {
  character_ = std::make_unique<ZOdevuvCharacter>();
  EXPECT_TRUE(plat::MeshFailed(character_->Load("models\\missing.X")));
  const auto boxes = plat::RecordedMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.rfind("models\\missing.X: ", 0), 0u) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("cannot read"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(boxes[0].caption, "Model Load Error");
  EXPECT_EQ(boxes[0].style, plat::kMbOk);
  EXPECT_EQ(character_->GetRootFrame(), nullptr);
  character_->SetAnimationSet(0);
  EXPECT_FALSE(character_->CheckAnimationEnd());
  RenderInScene();
  EXPECT_TRUE(Device().Record().Draws().empty());
}

TEST_F(ZOdevuvCharacterTest, TextureFolderReplacesTheModelsTexturesFolder) {
  character_ = std::make_unique<ZOdevuvCharacter>();
  character_->SetTextureDirectory("skins");
  character_->Load(animtest::kModelPath);
  EXPECT_EQ(FirstContainer(character_->GetRootFrame())->textures[0], nullptr);
  WriteTexture("skins/quad.png");
  character_ = std::make_unique<ZOdevuvCharacter>();
  character_->SetTextureDirectory("skins");
  character_->Load(animtest::kModelPath);
  EXPECT_NE(FirstContainer(character_->GetRootFrame())->textures[0], nullptr);
}

}  // namespace
