#include "engine/render/ZOdevuvLightManager.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <thread>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/core/PtrVector.h"
#include "engine/core/VectorHelpers.h"
#include "engine/render/LightHelpers.h"
#include "platform/gfx/Mesh.h"
#include "platform/math/Math.h"
#include "tests/engine/render/GlobalSlotCheck.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using plat::Light;
using plat::LightType;
using plat::Matrix;
using plat::Vec3;

constexpr float kEps = 1e-5f;

void ExpectNear(const Vec3& a, const Vec3& b) {
  EXPECT_NEAR(a.x, b.x, kEps);
  EXPECT_NEAR(a.y, b.y, kEps);
  EXPECT_NEAR(a.z, b.z, kEps);
}

Light MakeLight(LightType type, Vec3 position, Vec3 direction) {
  Light light;
  light.type = type;
  light.position = position;
  light.direction = direction;
  light.diffuse = {0.9f, 0.8f, 0.7f, 1};
  light.ambient = {0.1f, 0.2f, 0.3f, 0.4f};
  return light;
}

Vec3 StoredDirection(const ZOdevuvLightManager& lights, int index) {
  ZOdevuvLightRecord record;
  EXPECT_TRUE(lights.GetLightRecord(index, &record));
  return record.light.direction;
}

class LightManagerTest : public ::testing::Test {
 protected:
  ZOdevuvLightManager lights_;
};

TEST(PtrVector, AtOrNullGivesNullOutsideTheElements) {
  int a = 1, b = 2;
  std::vector<int*> v;
  EXPECT_EQ(PtrVectorSize(v), 0);
  EXPECT_EQ(PtrVectorAtOrNull(v, 0), nullptr);
  PtrVectorPushBack(v, &a);
  PtrVectorPushBack(v, &b);
  EXPECT_EQ(PtrVectorSize(v), 2);
  const struct {
    int index;
    int* expected;
  } cases[] = {{0, &a}, {1, &b}, {2, nullptr}, {-1, nullptr}, {INT_MIN, nullptr},
               {INT_MAX, nullptr}};
  for (const auto& c : cases) EXPECT_EQ(PtrVectorAtOrNull(v, c.index), c.expected) << c.index;
}

TEST(VectorHelpers, LengthAndInPlaceNormalise) {
  EXPECT_FLOAT_EQ(Vec3Length({3, 4, 0}), 5);
  Vec3 v{0, 3, 4};
  Vec3Normalize(v);
  ExpectNear(v, {0, 0.6f, 0.8f});
  Vec3 zero;
  Vec3Normalize(zero);
  EXPECT_EQ(zero, (Vec3{0, 0, 0}));
}

TEST(LightManager, FillsTheLightsSlotAndClearsOnlyItsOwn) {
  rendertest::ExpectSlotFollowsTheNewest(g_lights);
}

TEST_F(LightManagerTest, AddLightKeepsACopyAndTheFlagInOrder) {
  Light light = MakeLight(LightType::Directional, {1, 2, 3}, {0, -1, 0});
  lights_.AddLight(light, 1);
  light.position = {7, 7, 7};
  lights_.AddLight(light, 0);
  ASSERT_EQ(lights_.GetLightCount(), 2);

  ZOdevuvLightRecord record;
  ASSERT_TRUE(lights_.GetLightRecord(0, &record));
  EXPECT_EQ(record.enabled, 1);
  EXPECT_EQ(record.light.position, (Vec3{1, 2, 3}));
  EXPECT_EQ(record.marker, nullptr);  // no engine device to make it on
  ASSERT_TRUE(lights_.GetLightRecord(1, &record));
  EXPECT_EQ(record.enabled, 0);
  EXPECT_EQ(record.light.position, (Vec3{7, 7, 7}));
}

using LightMarkerTest = modeltest::EngineFixture;

TEST_F(LightMarkerTest, EachLightAddedOnARunningEngineGetsItsMarkerSphere) {
  ASSERT_NE(g_lights, nullptr);
  g_lights->AddLight(MakeLight(LightType::Point, {0, 10, 0}, {0, 0, 1}), 1);
  g_lights->AddLight(MakeLight(LightType::Directional, {1, 2, 3}, {0, -1, 0}), 0);
  for (int i = 0; i < 2; ++i) {
    ZOdevuvLightRecord record;
    ASSERT_TRUE(g_lights->GetLightRecord(i, &record));
    ASSERT_NE(record.marker, nullptr) << i;
    // Ten slices and ten stacks: two poles and nine rings of ten.
    EXPECT_EQ(record.marker->VertexCount(), 92u);
    EXPECT_EQ(record.marker->FaceCount(), 180u);
  }
}

TEST_F(LightManagerTest, EveryAccessOutsideTheListFailsAndLeavesTheOutputAlone) {
  lights_.AddLight(MakeLight(LightType::Point, {0, 10, 0}, {0, 0, 1}), 1);
  const plat::Color colourBefore{5, 5, 5, 5};
  const Vec3 vecBefore{5, 5, 5};
  Matrix matrixBefore;
  plat::MatrixScaling(&matrixBefore, 5, 5, 5);
  for (int index : {-1, 1, INT_MAX}) {
    SCOPED_TRACE(index);
    plat::Color colour = colourBefore;
    Vec3 vec = vecBefore;
    Matrix m = matrixBefore;
    ZOdevuvLightRecord record;
    record.enabled = 9;
    EXPECT_FALSE(lights_.GetLightRecord(index, &record));
    EXPECT_FALSE(lights_.GetLightViewMatrix(&m, index));
    EXPECT_FALSE(GetLightDiffuse(&colour, index));
    EXPECT_FALSE(GetLightAmbient(&colour, index));
    EXPECT_FALSE(GetLightPosition(&vec, index));
    EXPECT_FALSE(GetLightDirection(&vec, index));
    EXPECT_EQ(record.enabled, 9);
    EXPECT_EQ(colour.r, 5);
    EXPECT_EQ(vec, vecBefore);
    EXPECT_EQ(m, matrixBefore);
  }
}

TEST(LightHelpers, FailWithoutALightManager) {
  ASSERT_EQ(g_lights, nullptr);
  Vec3 v;
  plat::Color c;
  EXPECT_FALSE(GetLightPosition(&v, 0));
  EXPECT_FALSE(GetLightDirection(&v, 0));
  EXPECT_FALSE(GetLightDiffuse(&c, 0));
}

TEST_F(LightManagerTest, HelpersReadTheLightsValues) {
  lights_.AddLight(MakeLight(LightType::Directional, {1, 2, 3}, {0, 0, 1}), 1);
  plat::Color diffuse, ambient;
  Vec3 position;
  ASSERT_TRUE(GetLightDiffuse(&diffuse, 0));
  ASSERT_TRUE(GetLightAmbient(&ambient, 0));
  ASSERT_TRUE(GetLightPosition(&position, 0));
  EXPECT_FLOAT_EQ(diffuse.g, 0.8f);
  EXPECT_FLOAT_EQ(diffuse.a, 1);
  EXPECT_FLOAT_EQ(ambient.b, 0.3f);
  EXPECT_FLOAT_EQ(ambient.a, 0.4f);
  EXPECT_EQ(position, (Vec3{1, 2, 3}));
}

TEST_F(LightManagerTest, GetLightDirectionAimsPositionalLightsAtTheOriginAndStoresIt) {
  struct Case {
    const char* name;
    LightType type;
    Vec3 position, direction, expected;
  };
  const Case cases[] = {
      {"point above", LightType::Point, {0, 10, 0}, {0, 0, 1}, {0, -1, 0}},
      {"spot aside", LightType::Spot, {3, 0, -4}, {0, 0, 1}, {-0.6f, 0, 0.8f}},
      {"directional keeps its own", LightType::Directional, {0, 10, 0}, {0, 0, 2}, {0, 0, 2}},
      {"point at the origin keeps its own", LightType::Point, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    lights_.AddLight(MakeLight(c.type, c.position, c.direction), 1);
    Vec3 dir;
    ASSERT_TRUE(GetLightDirection(&dir, index));
    ExpectNear(dir, c.expected);
    ExpectNear(StoredDirection(lights_, index), c.expected);
    ++index;
  }
}

TEST_F(LightManagerTest, ViewMatrixUsesTheStoredDirectionUnnormalised) {
  lights_.AddLight(MakeLight(LightType::Directional, {1, 2, 3}, {0, 0, 2}), 1);
  Matrix m;
  ASSERT_TRUE(lights_.GetLightViewMatrix(&m, 0));
  const float expected[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 2, 0}, {-1, -2, -6, 1}};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(m.m[i][j], expected[i][j], kEps) << i << "," << j;
  }
}

TEST_F(LightManagerTest, ViewMatrixOfAVerticalLightIsStillAView) {
  for (const Vec3 d : {Vec3{0, -1, 0}, Vec3{0, 3, 0}}) {
    ZOdevuvLightManager lights;
    const Vec3 eye{5, 50, 5};
    lights.AddLight(MakeLight(LightType::Directional, eye, d), 1);
    Matrix m;
    ASSERT_TRUE(lights.GetLightViewMatrix(&m, 0));
    EXPECT_GT(std::fabs(plat::MatrixDeterminant(m)), 0.5f);
    Vec3 atEye, ahead;
    plat::Vec3TransformCoord(&atEye, eye, m);
    plat::Vec3TransformCoord(&ahead, eye + plat::Vec3Normalized(d) * 10, m);
    ExpectNear(atEye, {0, 0, 0});
    EXPECT_NEAR(ahead.x, 0, kEps);
    EXPECT_NEAR(ahead.y, 0, kEps);
    EXPECT_GT(ahead.z, 0);
  }
}

TEST_F(LightManagerTest, ClearEmptiesTheListAndItCanBeFilledAgain) {
  lights_.AddLight(MakeLight(LightType::Point, {1, 1, 1}, {0, 0, 1}), 1);
  lights_.AddLight(MakeLight(LightType::Point, {2, 2, 2}, {0, 0, 1}), 1);
  lights_.Clear();
  EXPECT_EQ(lights_.GetLightCount(), 0);
  Vec3 v;
  EXPECT_FALSE(GetLightPosition(&v, 0));
  lights_.AddLight(MakeLight(LightType::Point, {3, 3, 3}, {0, 0, 1}), 1);
  ASSERT_TRUE(GetLightPosition(&v, 0));
  EXPECT_EQ(v, (Vec3{3, 3, 3}));
}

TEST_F(LightManagerTest, LoaderThreadsMayAddWhileTheWindowThreadReads) {
  lights_.AddLight(MakeLight(LightType::Point, {0, 10, 0}, {0, 0, 1}), 1);
  constexpr int kThreads = 4, kPerThread = 200;
  std::vector<std::thread> loaders;
  for (int t = 0; t < kThreads; ++t) {
    loaders.emplace_back([this] {
      for (int i = 0; i < kPerThread; ++i) {
        lights_.AddLight(MakeLight(LightType::Spot, {1, 0, 0}, {0, 0, 1}), 1);
      }
    });
  }
  for (int i = 0; i < 2000; ++i) {
    Vec3 dir;
    ASSERT_TRUE(GetLightDirection(&dir, 0));
    ASSERT_EQ(dir, (Vec3{0, -1, 0}));
    Matrix m;
    ASSERT_TRUE(lights_.GetLightViewMatrix(&m, lights_.GetLightCount() - 1));
  }
  for (std::thread& t : loaders) t.join();
  EXPECT_EQ(lights_.GetLightCount(), 1 + kThreads * kPerThread);
}

}  // namespace
