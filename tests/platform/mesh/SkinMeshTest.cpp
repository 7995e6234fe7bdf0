#include "platform/mesh/SkinMesh.h"

#include <gtest/gtest.h>

#include "platform/math/Math.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace {

std::vector<plat::SkinVertex> Triangle() {
  std::vector<plat::SkinVertex> v(3);
  v[0].position = {0, 0, 0};
  v[1].position = {0, 1, 0};
  v[2].position = {1, 0, 0};
  v[0].texCoord = {0, 1};
  v[1].texCoord = {0, 0};
  v[2].texCoord = {1, 1};
  return v;
}

TEST(SkinMesh, RefusesBrokenFaceLists) {
  EXPECT_EQ(plat::SkinMesh::Create(Triangle(), {0, 1}, {0}), nullptr);
  EXPECT_EQ(plat::SkinMesh::Create(Triangle(), {0, 1, 3}, {0}), nullptr);
  EXPECT_EQ(plat::SkinMesh::Create(Triangle(), {0, 1, 2}, {}), nullptr);
  EXPECT_EQ(plat::SkinMesh::Create(Triangle(), {}, {}), nullptr);
  EXPECT_EQ(plat::SkinMesh::Create(std::vector<plat::SkinVertex>(70000), {0, 1, 2}, {0}), nullptr);
  EXPECT_NE(plat::SkinMesh::Create(Triangle(), {0, 1, 2}, {0}), nullptr);
}

TEST(SkinMesh, SortsFacesIntoOneRangePerAttribute) {
  auto v = Triangle();
  v.push_back(v[0]);
  auto mesh = plat::SkinMesh::Create(v, {0, 1, 2, 3, 1, 2, 0, 2, 1}, {1, 0, 1});
  ASSERT_NE(mesh, nullptr);
  ASSERT_EQ(mesh->AttributeTable().size(), 2u);
  const plat::AttributeRange& zero = mesh->AttributeTable()[0];
  EXPECT_EQ(zero.attribId, 0u);
  EXPECT_EQ(zero.faceStart, 0u);
  EXPECT_EQ(zero.faceCount, 1u);
  EXPECT_EQ(zero.vertexStart, 1u);
  EXPECT_EQ(zero.vertexCount, 3u);
  const plat::AttributeRange& one = mesh->AttributeTable()[1];
  EXPECT_EQ(one.faceStart, 1u);
  EXPECT_EQ(one.faceCount, 2u);
  EXPECT_EQ((std::vector<std::uint32_t>(mesh->Indices().begin() + 3, mesh->Indices().end())),
            (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 1}));
}

TEST(SkinMesh, TangentFrameFacesTheViewerOfClockwiseFacesAndFollowsU) {
  auto mesh = plat::SkinMesh::Create(Triangle(), {0, 1, 2}, {0});
  auto framed = plat::ComputeTangentFrame(*mesh);
  ASSERT_NE(framed, nullptr);
  for (const plat::SkinVertex& v : framed->Vertices()) {
    EXPECT_NEAR(v.normal.z, -1.0f, 1e-6f);
    EXPECT_NEAR(v.tangent.x, 1.0f, 1e-6f);
    EXPECT_NEAR(v.tangent.y, 0.0f, 1e-6f);
  }
}

TEST(SkinMesh, TangentOfAFaceWithoutTexCoordsStaysInItsPlane) {
  auto v = Triangle();
  for (auto& vertex : v) vertex.texCoord = {0, 0};
  auto framed = plat::ComputeTangentFrame(*plat::SkinMesh::Create(v, {0, 1, 2}, {0}));
  ASSERT_NE(framed, nullptr);
  const plat::SkinVertex& first = framed->Vertices()[0];
  EXPECT_NEAR(plat::Vec3LengthOf(first.tangent), 1.0f, 1e-6f);
  EXPECT_NEAR(plat::Vec3Dot(first.tangent, first.normal), 0.0f, 1e-6f);
}

TEST(SkinMesh, DrawSubsetDrawsTheRangeWithTheSkinnedLayout) {
  auto device = plat::test::MakeHeadlessDevice();
  auto v = Triangle();
  v.push_back(v[0]);
  auto mesh = plat::SkinMesh::Create(v, {0, 1, 2, 3, 1, 2, 0, 2, 1}, {1, 0, 1});
  ASSERT_TRUE(device->BeginScene());
  EXPECT_FALSE(mesh->DrawSubset(*device, 5));
  ASSERT_TRUE(mesh->DrawSubset(*device, 1));
  device->EndScene();
  const auto draws = device->Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_TRUE(draws[0].indexed);
  EXPECT_EQ(draws[0].primitiveCount, 2u);
  EXPECT_EQ(draws[0].stride, 76u);
  ASSERT_NE(draws[0].declaration, nullptr);
  EXPECT_EQ(draws[0].declaration->Elements(), plat::SkinVertexElements());
}

}  // namespace
