// Drawing placed objects on the headless device: where each part and
// vehicle model is drawn and with which mode, the level flags and arrows,
// and what the main view places for the rest of the game.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "tests/engine/render/ModelTestSupport.h"
#include "tests/park/objects/AttractionTestHost.h"
#include "world/objects/CParkModel.h"

namespace {

using plat::Matrix;
using plat::Vec3;

constexpr float kQuarterTurn = 1.5707963705f;

// A host that lends the drawing its arrows and particle effects and keeps
// the steam train's ends.
class DrawingHost : public attractiontest::TestHost {
 public:
  ZOdevuvCharacter* GetEntranceArrow() const override { return entrance; }
  ZOdevuvCharacter* GetExitArrow() const override { return exit; }
  ParticleEffects* GetParticleEffects() const override { return effects; }
  void SetTrainFrontPosition(const Vec3& p) override { front.push_back(p); }
  void SetTrainRearPosition(const Vec3& p) override { rear.push_back(p); }

  ZOdevuvCharacter* entrance = nullptr;
  ZOdevuvCharacter* exit = nullptr;
  ParticleEffects* effects = nullptr;
  std::vector<Vec3> front, rear;
};

Matrix Translation(const Vec3& v) {
  Matrix m;
  plat::MatrixTranslation(&m, v.x, v.y, v.z);
  return m;
}

Matrix RotationY(float radians) {
  Matrix m;
  plat::MatrixRotationY(&m, radians);
  return m;
}

void ExpectMatrixNear(const Matrix& a, const Matrix& b, const std::string& what) {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(a(r, c), b(r, c), 1e-4f) << what << " [" << r << "][" << c << "]";
  }
}

class AttractionRenderTest : public modeltest::EngineFixture {
 protected:
  static constexpr int32_t kNotDrawn = -1;

  void SetUp() override {
    EngineFixture::SetUp();
    modelwriter::Model model;
    model.meshObjects = {modeltest::MeshObjectWith("body", 3)};
    modelFile = WriteModel("m/part.efx", model);
    // A view over the park, so that points near the origin are in sight.
    Matrix view, projection;
    plat::MatrixLookAtLH(&view, {0, 50, -80}, {0, 0, 0}, {0, 1, 0});
    plat::MatrixPerspectiveFovLH(&projection, 1.2f, 1.0f, 1.0f, 1000.0f);
    g_frustum->Build(projection, view);
  }

  CParkModel* Model(int32_t marker = 0) {
    auto model = std::make_unique<CParkModel>();
    model->Init("part", modelFile.c_str(), PathOf("m").c_str(), g_lights);
    model->partMarker = marker;
    models.push_back(std::move(model));
    return models.back().get();
  }

  // The mode the model was last drawn with, kNotDrawn since Forget.
  static int32_t Mode(const CParkModel* model) { return model->GetMeshObjects().front()->renderPass; }
  void Forget() {
    for (auto& model : models) model->GetMeshObjects().front()->renderPass = kNotDrawn;
  }

  // A ride of three vehicle models and a static part between them, at
  // (10, 0, 5) turned a quarter turn, with two vehicles on its track.
  void MakeRide(CAttraction& ride, const char* id) {
    ride.id = id;
    ride.position = {10, 0, 5};
    ride.rotation = 90;
    vehicleModels = {Model(CParkModel::kVehicleMarker), Model(CParkModel::kVehicleMarker),
                     Model(CParkModel::kVehicleMarker)};
    part = Model();
    ride.partObjects = {vehicleModels[0], part, vehicleModels[1], vehicleModels[2]};
    for (int i = 0; i < 2; ++i) {
      auto vehicle = std::make_unique<RideVehicle>();
      vehicle->position = {float(i + 1), 0.5f, 0};
      plat::MatrixRotationY(&vehicle->orientation, 0.3f * float(i + 1));
      ride.vehicles.push_back(std::move(vehicle));
    }
    ride.vehicleCount = 2;
    ride.vehiclesBuilt = 1;
  }

  Matrix ObjectMatrix(const CAttraction& ride) const {
    return RotationY(ride.rotation * 0.01745329238474369f) * Translation(ride.position);
  }

  // The world transforms the drawing set, in order.
  std::vector<Matrix> Worlds() {
    std::vector<Matrix> out;
    for (const auto& e : Device().Record().Events()) {
      const auto* t = e.Get<plat::TransformEvent>();
      if (t && t->type == plat::TransformType::World) out.push_back(t->matrix);
    }
    return out;
  }

  void Record() {
    Device().Record().Clear();
    Device().Record().Enable(true);
  }

  DrawingHost host;
  std::string modelFile;
  std::vector<std::unique_ptr<CParkModel>> models;
  std::vector<CParkModel*> vehicleModels;
  CParkModel* part = nullptr;
};

TEST_F(AttractionRenderTest, EachVehicleModelIsDrawnAtItsOwnVehicle) {
  CAttraction ride;
  MakeRide(ride, "Attr_MiniTrain");
  Forget();
  ride.Render(0, 0, 1);
  const Matrix m = ObjectMatrix(ride);
  for (size_t k = 0; k < 2; ++k) {
    const RideVehicle& v = *ride.vehicles[k];
    ExpectMatrixNear(vehicleModels[k]->GetLastWorldMatrix(),
                     RotationY(kQuarterTurn) * v.orientation * Translation(v.position) * m, "vehicle " + std::to_string(k));
  }
  // One model more than the ride has vehicles stays out of the picture.
  EXPECT_EQ(Mode(vehicleModels[2]), kNotDrawn);
  ExpectMatrixNear(part->GetLastWorldMatrix(), m, "static part");
  // The device's world transform is as the caller left it.
  Matrix identity;
  plat::MatrixIdentity(&identity);
  EXPECT_EQ(Device().GetTransform(plat::TransformType::World), identity);

  ride.vehiclesBuilt = 0;
  Forget();
  ride.Render(0, 0, 1);
  for (CParkModel* model : vehicleModels) EXPECT_EQ(Mode(model), kNotDrawn);
  EXPECT_EQ(Mode(part), 2);
}

TEST_F(AttractionRenderTest, APartIsDrawnWithItsOwnMovement) {
  CAttraction ride;
  MakeRide(ride, "Attr_Carousel");
  plat::MatrixRotationY(&part->partMatrix, 0.5f);
  part->applyPartMatrix = 1;
  ride.Render(0, 0, 1);
  ExpectMatrixNear(part->GetLastWorldMatrix(), part->partMatrix * ObjectMatrix(ride), "turned part");
  ride.RenderOffscreen(0, 0);
  ExpectMatrixNear(part->GetLastWorldMatrix(), part->partMatrix * ObjectMatrix(ride), "turned part in the water");
}

TEST_F(AttractionRenderTest, VehiclesAreTurnedAlikeInTheViewAndInTheWater) {
  const struct {
    const char* id;
    float angle;
  } cases[] = {{"Attr_Norwhistle", -kQuarterTurn}, {"Attr_Cobbleton", -kQuarterTurn}, {"Attr_Ostrivane", 0.0f},
               {"Attr_yarrowin", 0.0f},           {"Attr_MiniTrain", kQuarterTurn}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(VehicleAlignmentAngle(c.id), c.angle) << c.id;
    CAttraction ride;
    MakeRide(ride, c.id);
    ride.Render(0, 0, 1);
    const Matrix inView = vehicleModels[0]->GetLastWorldMatrix();
    ride.RenderOffscreen(0, 0);
    ExpectMatrixNear(vehicleModels[0]->GetLastWorldMatrix(), inView, c.id);
  }
}

TEST_F(AttractionRenderTest, ThePassSetsEachModelsMode) {
  const struct {
    uint8_t pass, cameraPass, hovered;
    const char* id;
    int32_t partMode, vehicleMode;
  } cases[] = {
      {0, 1, 0, "Attr_MiniTrain", 2, 2},    {1, 1, 0, "Attr_MiniTrain", 4, 4},
      {0, 0, 0, "Attr_MiniTrain", 3, 3},    {1, 0, 0, "Attr_MiniTrain", 5, 5},
      // A hovered object glows in the view and casts no shadow from its parts.
      {0, 1, 1, "Attr_MiniTrain", 6, 2},    {1, 1, 1, "Attr_MiniTrain", 7, 4},
      {0, 0, 1, "Attr_MiniTrain", kNotDrawn, 3},
      {0, 1, 1, "Attr_MainEntrance", 2, 2},
  };
  for (const auto& c : cases) {
    CAttraction ride;
    MakeRide(ride, c.id);
    ride.isHovered = c.hovered;
    Forget();
    ride.Render(0, c.pass, c.cameraPass);
    EXPECT_EQ(Mode(part), c.partMode) << int(c.pass) << int(c.cameraPass) << int(c.hovered) << c.id;
    EXPECT_EQ(Mode(vehicleModels[0]), c.vehicleMode) << int(c.pass) << int(c.cameraPass) << int(c.hovered);
  }
  // The water passes draw everything with the default effects, hovered or not.
  for (uint8_t hovered : {0, 1}) {
    for (uint8_t pass : {0, 1}) {
      CAttraction ride;
      MakeRide(ride, "Attr_MiniTrain");
      ride.isHovered = hovered;
      ride.RenderOffscreen(0, pass);
      EXPECT_EQ(Mode(part), pass);
      EXPECT_EQ(Mode(vehicleModels[1]), pass);
    }
  }
}

TEST_F(AttractionRenderTest, LevelFlagsStandAtTheirPointsByLevelAndState) {
  CParkModel* flags[3] = {Model(), Model(), Model()};
  const struct {
    const char* id;
    int32_t level, state;
    uint8_t preview;
    int shownInView, shownInWater;
  } cases[] = {
      {"Attr_Carousel", 1, 0, 0, 1, 1},  {"Attr_Carousel", 2, 0, 0, 2, 2}, {"Attr_Carousel", 3, 0, 0, 3, 3},
      {"Attr_Carousel", 4, 0, 0, 0, 0},  {"Attr_Carousel", 2, 6, 0, 0, 0}, {"Attr_Carousel", 2, 0, 1, 0, 2},
      {"Attr_Cobbleton", 2, 0, 0, 0, 2},
  };
  for (const auto& c : cases) {
    CAttraction object;
    object.id = c.id;
    object.level = c.level;
    object.state = c.state;
    object.isPreview = c.preview;
    object.level1Flag = flags[0];
    object.level2Flag = flags[1];
    object.level3Flag = flags[2];
    for (int i = 0; i < 3; ++i) object.levelFlagPositions[i] = {float(i), 3, 0};
    for (uint8_t water : {0, 1}) {
      Forget();
      if (water) {
        object.RenderOffscreen(0, 0);
      } else {
        object.Render(0, 0, 1);
      }
      int shown = 0;
      for (int i = 0; i < 3; ++i) {
        if (Mode(flags[i]) == kNotDrawn) continue;
        ++shown;
        // Upright at its world point, whatever the object's turn; the
        // translucent materials last.
        ExpectMatrixNear(flags[i]->GetLastWorldMatrix(), Translation(object.levelFlagPositions[i]), c.id);
        EXPECT_EQ(Mode(flags[i]), water ? 1 : 4);
      }
      EXPECT_EQ(shown, water ? c.shownInWater : c.shownInView) << c.id << " level " << c.level << " water " << int(water);
    }
  }
  // A flag out of sight is left out.
  CAttraction object;
  object.level1Flag = flags[0];
  object.levelFlagPositions[0] = {0, 0, -500};
  Forget();
  object.Render(0, 0, 1);
  EXPECT_EQ(Mode(flags[0]), kNotDrawn);
}

TEST_F(AttractionRenderTest, ArrowsStandAtTheGatesOfAttractionsAndOfShopsWithAGate) {
  ZOdevuvCharacter entrance, exit;
  host.entrance = &entrance;
  host.exit = &exit;
  const struct {
    int32_t state;
    Vec3 gate;
    bool shown;
  } cases[] = {{0, {0, 0, 0}, true}, {6, {1, 1, 1}, true}, {6, {1, 0, 1}, false}, {4, {1, 1, 1}, false}};
  for (const auto& c : cases) {
    CAttraction object;
    object.state = c.state;
    object.gatePosition = c.gate;
    object.exitPosition = {5, 0, 5};
    Record();
    object.Render(0, 0, 1);
    int atGate = 0, atExit = 0;
    for (const Matrix& w : Worlds()) {
      atGate += w == Translation(c.gate) ? 1 : 0;
      atExit += w == Translation(object.exitPosition) ? 1 : 0;
    }
    EXPECT_EQ(atGate > 0, c.shown) << c.state;
    EXPECT_EQ(atExit > 0, c.shown) << c.state;
    Record();
    object.RenderOffscreen(0, 0);
    for (const Matrix& w : Worlds()) EXPECT_NE(w, Translation(object.exitPosition)) << "no arrows in the water";
  }
}

class AttractionEffectsTest : public AttractionRenderTest {
 protected:
  void SetUp() override {
    AttractionRenderTest::SetUp();
    effects = std::make_unique<ParticleEffects>(PathOf("").c_str());
    host.effects = effects.get();
  }
  std::unique_ptr<ParticleEffects> effects;
};

TEST_F(AttractionEffectsTest, TheBoatsSplashOnlyBelowTheWaterInTheirStretchOfTrack) {
  CAttraction ride;
  MakeRide(ride, "Attr_Norwhistle");
  ride.position = {0, 0, 0};
  ride.rotation = 0;
  ride.trackKeysPerFrame = 4;
  SplashSparkle& splash = *effects->splashSparkle;
  RideVehicle& boat = *ride.vehicles[1];  // the last vehicle decides
  ride.vehicles[0]->keyframe = 0;
  const struct {
    float y;
    int32_t keyframe;
    bool activeBefore, activeAfter;
  } cases[] = {
      {-1.0f, 462 * 4, false, true},     {-1.0f, 76112, false, true}, {-1.0f, 462 * 4 - 1, false, false},
      {-0.7f, 2000, false, false},       {-1.0f, 76113, true, false}, {0.0f, 100, true, true},
  };
  for (const auto& c : cases) {
    boat.position = {3, c.y, 2};
    boat.keyframe = c.keyframe;
    splash.active = c.activeBefore;
    ride.Render(0, 0, 1);
    EXPECT_EQ(splash.active, c.activeAfter) << c.y << " " << c.keyframe;
    if (c.activeAfter && !c.activeBefore) {
      EXPECT_EQ(splash.origin, (Vec3{3, c.y, 2}));
    }
    // Only the opaque camera pass decides.
    splash.active = c.activeBefore;
    ride.Render(0, 1, 1);
    ride.Render(0, 0, 0);
    ride.RenderOffscreen(0, 0);
    EXPECT_EQ(splash.active, c.activeBefore);
  }
}

TEST_F(AttractionEffectsTest, AWaterFallIsPlacedOnceOnTheTranslucentCameraPass) {
  CAttraction ride;
  MakeRide(ride, "ATTR_Tullowmere");
  ride.position = {100, 0, 0};
  ride.rotation = 0;
  WaterFall& fall = *effects->waterFallA;
  ride.Render(0, 0, 1);
  ride.Render(0, 1, 0);
  EXPECT_FALSE(fall.active);
  ride.Render(0, 1, 1);
  EXPECT_TRUE(fall.active);
  EXPECT_EQ(ride.waterEffectPlaced, 1);
  EXPECT_EQ(fall.lineStart, (Vec3{100 - 2.022f, 5.11f, 3.781f}));
  EXPECT_EQ(fall.lineEnd, (Vec3{102.568f, 5.11f, 5.489f}));
  fall.SetEmitterLine(0, 0, 0, 0, 0, 0);
  ride.Render(0, 1, 1);
  EXPECT_EQ(fall.lineStart, (Vec3{0, 0, 0}));  // never again
  EXPECT_FALSE(effects->waterFallB->active);

  CAttraction preview;
  MakeRide(preview, "ATTR_Kestovar");
  preview.isPreview = 1;
  preview.Render(0, 1, 1);
  EXPECT_FALSE(effects->waterFallB->active);
}

TEST_F(AttractionEffectsTest, TheSteamTrainsEndsAreItsFirstAndLastVehicles) {
  CAttraction train;
  MakeRide(train, "Attr_Cobbleton");
  train.Render(0, 0, 1);
  const Matrix m = ObjectMatrix(train);
  Vec3 first, last;
  plat::Vec3TransformCoord(&first, train.vehicles[0]->position, m);
  plat::Vec3TransformCoord(&last, train.vehicles[1]->position, m);
  ASSERT_EQ(host.front.size(), 1u);
  ASSERT_EQ(host.rear.size(), 1u);
  EXPECT_EQ(host.front[0], first);
  EXPECT_EQ(host.rear[0], last);
  train.Render(0, 1, 1);
  train.Render(0, 0, 0);
  train.vehiclesBuilt = 0;
  train.Render(0, 0, 1);
  EXPECT_EQ(host.front.size(), 1u);  // once per camera frame, and not without vehicles
}

}  // namespace
