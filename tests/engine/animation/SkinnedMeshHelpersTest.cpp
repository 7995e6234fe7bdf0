#include "engine/animation/SkinnedMeshHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinnedModelPaths, ModelFolderAndTexturePathRules) {
  struct Case {
    const char* model;
    const char* textureFolder;
    const char* file;
    const char* expected;
  } cases[] = {
      {"objects\\animals\\bird_01.X", "", "bird.png", "objects\\animals\\textures\\bird.png"},
      {"\\objects\\characters\\casual_m.X", "tex", "a.dds", "tex\\a.dds"},
      // Without a backslash the whole path is the folder.
      {"bird.X", "", "a.dds", "bird.X\\textures\\a.dds"},
      {"dir/bird.X", "", "a.dds", "dir/bird.X\\textures\\a.dds"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainerTexturePath(ModelFolderOf(c.model), c.textureFolder, c.file), c.expected)
        << c.model;
  }
}

// A skin of n bones over one triangle per bone.
ZOdevuvMeshContainer SkinnedContainer(std::uint32_t bones) {
  std::vector<plat::SkinVertex> vertices;
  std::vector<std::uint32_t> indices;
  std::vector<plat::SkinBone> skin;
  for (std::uint32_t b = 0; b < bones; ++b) {
    plat::SkinBone bone{"b" + std::to_string(b), plat::IdentityMatrix(), {}};
    for (std::uint32_t c = 0; c < 3; ++c) {
      plat::SkinVertex v;
      v.position = {float(b), float(c == 1), float(c == 2)};
      bone.influences.push_back({std::uint32_t(vertices.size()), 1.0f});
      indices.push_back(std::uint32_t(vertices.size()));
      vertices.push_back(v);
    }
    skin.push_back(bone);
  }
  ZOdevuvMeshContainer container;
  container.mesh = plat::SkinMesh::Create(vertices, indices, std::vector<std::uint32_t>(bones, 0));
  container.skinInfo = std::make_shared<plat::SkinInfo>(skin);
  return container;
}

TEST(GenerateSkinnedMesh, PaletteIsTheBoneCountUpTo35) {
  struct Case {
    std::uint32_t bones, palette, groups;
  } cases[] = {{2, 2, 1}, {35, 35, 1}, {36, 35, 2}, {40, 35, 2}, {71, 35, 3}};
  for (const Case& c : cases) {
    ZOdevuvMeshContainer container = SkinnedContainer(c.bones);
    ASSERT_EQ(GenerateSkinnedMesh(container), plat::kMeshOk);
    EXPECT_EQ(container.paletteSize, c.palette) << c.bones;
    EXPECT_EQ(container.attributeGroupCount, c.groups) << c.bones;
    EXPECT_EQ(container.boneCombinations.size(), c.groups) << c.bones;
  }
  ZOdevuvMeshContainer unskinned = SkinnedContainer(1);
  unskinned.skinInfo.reset();
  EXPECT_EQ(GenerateSkinnedMesh(unskinned), plat::kMeshInvalidArg);
}

TEST(BonePalette, UnusablePaletteForABoneWithoutFrame) {
  ZOdevuvMeshContainer container = SkinnedContainer(2);
  ASSERT_EQ(GenerateSkinnedMesh(container), plat::kMeshOk);
  container.boneOffsets = {plat::IdentityMatrix(), plat::IdentityMatrix()};
  plat::Matrix frame = plat::IdentityMatrix();
  container.boneMatrixPtrs = {&frame, nullptr};
  std::vector<plat::Matrix> palette;
  EXPECT_FALSE(BuildBonePalette(container, container.boneCombinations[0], palette));
  container.boneMatrixPtrs[1] = &frame;
  EXPECT_TRUE(BuildBonePalette(container, container.boneCombinations[0], palette));
  EXPECT_EQ(palette.size(), 2u);
}

}  // namespace
