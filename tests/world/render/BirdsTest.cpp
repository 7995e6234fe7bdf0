// The birds: the flocks as created, the heading that turns toward the
// target, a long flight that stays inside the box, a bird that drifted out
// flying back, a model without animation still moving, and the drawing
// limited to birds near the camera with animals enabled.
#include <cmath>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/math/Math.h"
#include "tests/world/render/WorldRenderFixture.h"
#include "world/CBird.h"

namespace {

constexpr float kPi = 3.14159265f;

class BirdsTest : public worldrender::WorldRenderFixture {
 protected:
  void TearDown() override {
    for (CBird* bird : birds_) delete bird;
    WorldRenderFixture::TearDown();
  }

  // Fifteen birds sharing five empty models (no animation: speed 1).
  void MakeFlocks(unsigned seed) {
    for (auto& model : models_) model = std::make_unique<ZOdevuvCharacter>();
    ZOdevuvCharacter* const raw[5] = {models_[0].get(), models_[1].get(), models_[2].get(), models_[3].get(),
                                      models_[4].get()};
    birds_ = CreateBirdFlocks(raw, seed);
  }

  std::unique_ptr<ZOdevuvCharacter> models_[5];
  std::vector<CBird*> birds_;
};

TEST_F(BirdsTest, FlocksAreFiveModelsThreeTimesOverNearTheMiddle) {
  MakeFlocks(7);
  ASSERT_EQ(birds_.size(), 15u);
  for (size_t n = 0; n < birds_.size(); ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "BIRD_%02d", int(n % 5) + 1);
    EXPECT_EQ(birds_[n]->GetName(), name);
    EXPECT_EQ(birds_[n]->GetModel(), models_[n % 5].get());
    const plat::Vec3 p = birds_[n]->GetPosition();
    EXPECT_LE(std::abs(p.x), 100.0f);
    EXPECT_LE(std::abs(p.z), 100.0f);
    EXPECT_EQ(p.y, 20.0f);
    EXPECT_EQ(birds_[n]->GetTarget().x, p.x);
  }
  // The same seed gives the same flocks.
  const plat::Vec3 first = birds_[0]->GetPosition();
  for (CBird* bird : birds_) delete bird;
  MakeFlocks(7);
  EXPECT_EQ(birds_[0]->GetPosition().x, first.x);
}

TEST_F(BirdsTest, HeadingTurnsTowardTheTargetAndStopsOnIt) {
  CBird bird;
  bird.SetPosition({0, 20, 0});
  bird.SetTarget({0, 20, 1000});  // straight along +z: heading pi / 2
  bird.Update(0.0);
  bird.Update(0.0);
  EXPECT_EQ(bird.GetHeading(), 0.0f);
  EXPECT_EQ(bird.GetPosition().z, 0.0f);
  EXPECT_NEAR(bird.GetTargetHeading(), kPi / 2, 1e-5);
  for (int n = 0; n < 20; ++n) bird.Update(0.1);
  EXPECT_NEAR(bird.GetHeading(), kPi / 2, 1e-5);
  // Speed 1 (no animation) times the factor 3.
  EXPECT_NEAR(bird.GetPosition().z, 3.0f * 2.0f, 1e-3);
}

TEST_F(BirdsTest, LongFlightStaysInsideTheBox) {
  MakeFlocks(11);
  for (int frame = 0; frame < 20000; ++frame) {
    for (CBird* bird : birds_) {
      bird->Update(0.05);
      const plat::Vec3 p = bird->GetPosition(), t = bird->GetTarget();
      ASSERT_LT(std::abs(p.x), 250.0f) << frame;
      ASSERT_LT(std::abs(p.z), 250.0f) << frame;
      ASSERT_LT(std::abs(t.x), 260.0f) << frame;
      ASSERT_LT(std::abs(t.z), 260.0f) << frame;
      ASSERT_GE(bird->GetHeading(), -2 * kPi - 0.5f);
      ASSERT_LE(bird->GetHeading(), 4 * kPi + 0.5f);
    }
  }
}

TEST_F(BirdsTest, ABirdOutsideItsBoxFliesBackTowardTheMiddle) {
  CBird bird;
  bird.SetFlightBox(-50, -50, 50, 50);
  bird.SetPosition({80, 20, 0});
  bird.SetTarget({80, 20, 0});
  bird.Update(0.1);  // no step before: the target stays
  bird.Update(0.1);
  EXPECT_EQ(bird.GetTarget().x, 0.0f);
  for (int n = 0; n < 400; ++n) bird.Update(0.1);
  EXPECT_LT(std::abs(bird.GetPosition().x), 50.0f);
}

TEST_F(BirdsTest, OnlyBirdsNearTheCameraAndInViewAreDrawnAndMoved) {
  MakeFlocks(3);
  plat::Matrix projection, view;
  plat::MatrixPerspectiveFovLH(&projection, 0.785f, 4.0f / 3.0f, 1.0f, 5000.0f);
  g_camera->LookAt({0, 20, -60}, {0, 20, 0}, {0, 1, 0});
  g_camera->GetViewMatrix(&view);
  g_frustum->Build(projection, view);
  CBird near, far, behind;
  near.SetPosition({0, 20, 0});
  far.SetPosition({0, 20, 200});
  behind.SetPosition({0, 20, -90});
  for (CBird* b : {&near, &far, &behind}) b->SetTarget(b->GetPosition() + plat::Vec3{10, 0, 0});
  const std::vector<CAnimals*> animals = {&near, &far, &behind};
  RenderAnimals(animals, false, 0.5);
  EXPECT_EQ(near.GetPosition().x, 0.0f);
  RenderAnimals(animals, true, 0.5);
  EXPECT_GT(near.GetPosition().x, 0.0f);
  EXPECT_EQ(far.GetPosition().x, 0.0f);
  EXPECT_EQ(behind.GetPosition().x, 0.0f);
}

TEST_F(BirdsTest, DemoParkBirdModelsLoadAndFlap) {
  for (int n = 1; n <= CBird::kModelCount; ++n) {
    char file[64];
    std::snprintf(file, sizeof file, "/objects/animals/bird_%02d.X", n);
    auto model = std::make_unique<ZOdevuvCharacter>();
    model->SetTextureDirectory((std::string(HALVENOR_PARK_DIR) + "/objects/animals/textures").c_str());
    ASSERT_FALSE(plat::MeshFailed(model->Load((std::string(HALVENOR_PARK_DIR) + file).c_str()))) << file;
    EXPECT_GT(model->GetAnimationSetCount(), 0) << file;
    CBird bird;
    bird.AttachToObject(model.get(), "BIRD");
    EXPECT_GT(bird.TrackSpeed(), 0.0f) << file;
  }
}

}  // namespace
