// The template table and the texture names a new character draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "characters/CharacterTemplate.h"

namespace {

TEST(CharacterTemplateTable, KindsIdsAndFoldersInOrderOfCreation) {
  const auto& templates = CharacterTemplates();
  ASSERT_EQ(templates.size(), 23u);
  const int32_t kinds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 21, 19, 20, 23, 22};
  const int32_t ids[] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 3, 5, 6, 10, 11, 12, 4};
  for (std::size_t i = 0; i < templates.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(templates[i].kind, kinds[i]);
    EXPECT_EQ(templates[i].id, ids[i]);
    // Visitors live in folders of their own, everyone else in the characters folder.
    EXPECT_EQ(std::string(templates[i].folder) == "\\", templates[i].kind > 13);
    EXPECT_EQ(templates[i].HasOwnTextures(), templates[i].kind <= 13);
  }
  EXPECT_EQ(FindCharacterTemplate(14), nullptr);
  EXPECT_EQ(FindCharacterTemplate(-1), nullptr);
  ASSERT_NE(FindCharacterTemplate(22), nullptr);
  EXPECT_STREQ(FindCharacterTemplate(22)->modelFile, "tembrisk_multianim.X");
}

TEST(CharacterTemplateTable, SpawnGroupsByKind) {
  const int32_t groups[] = {4, 5, 5, 5, 5, 5, 5, 4, 3, 1, 2, 5, 5, 4};
  for (int32_t kind = 0; kind <= 13; ++kind) EXPECT_EQ(FindCharacterTemplate(kind)->spawnGroup, groups[kind]) << kind;
  EXPECT_EQ(FindCharacterTemplate(19)->spawnGroup, CharacterTemplate::kNoSpawnGroup);
}

TEST(CharacterTemplateTable, CreatedCharactersWalkAtTheSharedFactorButChildrenAndTheFifthCharacter) {
  for (const CharacterTemplate& entry : CharacterTemplates()) {
    const bool keeps = entry.kind == 8 || entry.kind == 9 || entry.kind == 10 || entry.kind == 18;
    EXPECT_FLOAT_EQ(CreatedWalkFactor(entry.kind, 2.2f), keeps ? 2.2f : 1.6f) << entry.kind;
  }
}

TEST(CharacterTextureNames, PatternsPerKind) {
  const struct {
    int32_t kind;
    int32_t drawn;
    std::vector<std::string> names;
  } cases[] = {
      {0, 6, {"\\characters\\business_m\\textures\\business_m_06.dds"}},
      {1,
       1,
       {"\\characters\\business_f\\textures\\business_f_szoknya_01.dds",
        "\\characters\\business_f\\textures\\business_f_szoknya_hair_01.dds"}},
      // The textures of this kind are named apart from its model file.
      {3,
       13,
       {"\\characters\\casual_f\\textures\\casual_f_nadragcopf_13.dds",
        "\\characters\\casual_f\\textures\\casual_f_nadragcopf_hair_13.dds"}},
      {7, 9, {"\\characters\\casual_m\\textures\\casual_m_09.dds"}},
      {8,
       2,
       {"\\characters\\child_f\\textures\\child01_f_02.dds", "\\characters\\child_f\\textures\\child01_f_hair.dds"}},
      {9,
       6,
       {"\\characters\\child_f\\textures\\child02_f_06.dds", "\\characters\\child_f\\textures\\child02_f_hair.dds"}},
      {13, 3, {"\\characters\\sportive_m\\textures\\sportive_m_03.dds"}},
      {19, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    std::vector<std::string> names;
    for (const EngineString& name :
         DrawTextureNames(*FindCharacterTemplate(c.kind), [&](int32_t) { return c.drawn; })) {
      names.push_back(name.Std());
    }
    EXPECT_EQ(names, c.names);
  }
}

TEST(CharacterTextureNames, EveryVariantOfEveryKindIsADemoParkFile) {
  std::size_t total = 0;
  for (const CharacterTemplate& entry : CharacterTemplates()) {
    for (const EngineString& name : AllTextureNames(entry)) {
      std::string path = std::string(HALVENOR_PARK_DIR) + name.Std();
      for (char& ch : path) ch = ch == '\\' ? '/' : ch;
      EXPECT_TRUE(std::filesystem::exists(path)) << path;
      ++total;
    }
  }
  // Body and hair variants of the 14 visitor kinds, the two fixed hair files among them.
  EXPECT_EQ(total, 6u + 2 + 2 + 26 + 4 + 2 + 6 + 31 + 7 + 7 + 11 + 8 + 3 + 8);
}

}  // namespace
