#include "platform/mesh/SkinInfo.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/math/Math.h"

namespace {

// A strip of quads, quad q moved only by bone q (or by the bones given).
struct Strip {
  std::vector<plat::SkinVertex> vertices;
  std::vector<std::uint32_t> indices;
  std::vector<std::uint32_t> attributes;
  std::vector<plat::SkinBone> bones;
};

Strip RigidStrip(std::uint32_t quads, std::uint32_t materials = 1) {
  Strip s;
  for (std::uint32_t q = 0; q < quads; ++q) {
    const auto base = std::uint32_t(s.vertices.size());
    for (int corner = 0; corner < 4; ++corner) {
      plat::SkinVertex v;
      v.position = {float(q + (corner == 1 || corner == 2)), float(corner >= 2), 0};
      s.vertices.push_back(v);
    }
    s.indices.insert(s.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    s.attributes.insert(s.attributes.end(), 2, q % materials);
    plat::SkinBone bone;
    bone.name = "bone" + std::to_string(q);
    plat::MatrixTranslation(&bone.offset, float(q), 0, 0);
    for (std::uint32_t c = 0; c < 4; ++c) bone.influences.push_back({base + c, 1.0f});
    s.bones.push_back(bone);
  }
  return s;
}

// The bone that moves a corner of a face, read back through the palette.
std::uint32_t BoneOf(const plat::IndexedBlendedMesh& out, std::uint32_t face, int corner) {
  const auto& v = out.mesh->Vertices()[out.mesh->Indices()[face * 3 + corner]];
  const std::uint32_t combination = out.mesh->FaceAttributes()[face];
  return out.combinations[combination].boneIds[std::uint32_t(v.blendIndices[0])];
}

TEST(SkinInfoConversion, FortyBonesSplitIntoCombinationsOfAtMost35) {
  Strip s = RigidStrip(40);
  auto mesh = plat::SkinMesh::Create(s.vertices, s.indices, s.attributes);
  plat::SkinInfo skin(s.bones);
  plat::IndexedBlendedMesh out;
  ASSERT_TRUE(skin.ConvertToIndexedBlendedMesh(*mesh, 35, out));
  ASSERT_EQ(out.combinations.size(), 2u);
  std::uint32_t faces = 0;
  for (std::uint32_t c = 0; c < out.combinations.size(); ++c) {
    const plat::BoneCombination& combination = out.combinations[c];
    ASSERT_EQ(combination.boneIds.size(), 35u);
    std::set<std::uint32_t> used;
    for (std::uint32_t id : combination.boneIds) {
      if (id != plat::kUnusedBone) used.insert(id);
    }
    EXPECT_LE(used.size(), 35u);
    EXPECT_EQ(combination.faceStart, faces);
    faces += combination.faceCount;
    // The subset of the combination is its attribute range.
    const plat::AttributeRange& range = out.mesh->AttributeTable()[c];
    EXPECT_EQ(range.attribId, c);
    EXPECT_EQ(range.faceCount, combination.faceCount);
  }
  EXPECT_EQ(faces, 80u);
  EXPECT_EQ(out.maxFaceInfluences, 1u);
  // Every face still follows its own bone.
  for (std::uint32_t face = 0; face < 80; ++face) {
    for (int corner = 0; corner < 3; ++corner) EXPECT_EQ(BoneOf(out, face, corner), face / 2);
  }
}

TEST(SkinInfoConversion, CombinationsNeverMixMaterials) {
  Strip s = RigidStrip(6, 2);
  auto mesh = plat::SkinMesh::Create(s.vertices, s.indices, s.attributes);
  plat::IndexedBlendedMesh out;
  ASSERT_TRUE(plat::SkinInfo(s.bones).ConvertToIndexedBlendedMesh(*mesh, 35, out));
  ASSERT_EQ(out.combinations.size(), 2u);
  EXPECT_EQ(out.combinations[0].attribId, 0u);
  EXPECT_EQ(out.combinations[1].attribId, 1u);
  EXPECT_EQ(out.combinations[0].faceCount, 6u);
}

TEST(SkinInfoConversion, KeepsTheFourStrongestInfluencesScaledToOne) {
  std::vector<plat::SkinVertex> vertices(3);
  vertices[1].position = {1, 0, 0};
  vertices[2].position = {0, 1, 0};
  std::vector<plat::SkinBone> bones;
  const float weights[] = {0.1f, 0.4f, 0.05f, 0.2f, 0.3f, 0.15f};
  for (int b = 0; b < 6; ++b) {
    plat::SkinBone bone;
    bone.name = "b" + std::to_string(b);
    bone.offset = plat::IdentityMatrix();
    bone.influences = {{0, weights[b]}, {7, 1.0f}};  // vertex 7 does not exist
    bones.push_back(bone);
  }
  auto mesh = plat::SkinMesh::Create(vertices, {0, 1, 2}, {0});
  plat::IndexedBlendedMesh out;
  ASSERT_TRUE(plat::SkinInfo(bones).ConvertToIndexedBlendedMesh(*mesh, 35, out));
  EXPECT_EQ(out.maxFaceInfluences, 4u);
  const plat::SkinVertex* v = nullptr;
  for (const auto& candidate : out.mesh->Vertices()) {
    if (candidate.position == plat::Vec3{0, 0, 0}) v = &candidate;
  }
  ASSERT_NE(v, nullptr);
  const std::uint32_t expectedBones[] = {1, 4, 3, 5};  // 0.4, 0.3, 0.2, 0.15
  const float total = 0.4f + 0.3f + 0.2f + 0.15f;
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(out.combinations[0].boneIds[std::uint32_t(v->blendIndices[k])], expectedBones[k]);
    EXPECT_NEAR(v->blendWeights[k], weights[expectedBones[k]] / total, 1e-6f);
  }
}

TEST(SkinInfoConversion, RefusesPalettesTooSmallForAFace) {
  Strip s = RigidStrip(1);
  // Corner 0 also follows a second bone: the face needs two palette slots.
  plat::SkinBone extra{"extra", plat::IdentityMatrix(), {{0, 0.5f}}};
  s.bones.push_back(extra);
  auto mesh = plat::SkinMesh::Create(s.vertices, s.indices, s.attributes);
  plat::IndexedBlendedMesh out;
  std::string error;
  EXPECT_FALSE(plat::SkinInfo(s.bones).ConvertToIndexedBlendedMesh(*mesh, 1, out, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(plat::SkinInfo(s.bones).ConvertToIndexedBlendedMesh(*mesh, 0, out));
  EXPECT_TRUE(plat::SkinInfo(s.bones).ConvertToIndexedBlendedMesh(*mesh, 2, out));
}

}  // namespace
