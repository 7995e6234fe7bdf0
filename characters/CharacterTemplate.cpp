#include "characters/CharacterTemplate.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int32_t kId = CharacterTemplate::kVisitorTemplateId;
constexpr int32_t kNone = CharacterTemplate::kNoSpawnGroup;
constexpr const char* kTexturesFolder = "\\textures\\";
constexpr const char* kCharactersFolder = "\\characters\\";
constexpr const char* kTextureSuffix = ".dds";

EngineString VariantName(const CharacterTemplate::Variants& variants, int32_t number) {
  EngineString name(variants.prefix);
  if (variants.count > 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.2d", int(number));
    name += EngineString(digits);
  }
  name += EngineString(kTextureSuffix);
  return name;
}

}  // namespace

const std::vector<CharacterTemplate>& CharacterTemplates() {
  static const std::vector<CharacterTemplate> templates = {
      {0, kId, "business_m.X", "\\business_m\\", "business_m", {"business_m_", 6}, {}, 4},
      {1,
       kId,
       "business_f_szoknya.X",
       "\\business_f\\",
       "business_f",
       {"business_f_szoknya_", 1},
       {"business_f_szoknya_hair_", 1},
       5},
      {2,
       kId,
       "business_f_nadrag.X",
       "\\business_f\\",
       "business_f",
       {"business_f_nadrag_", 1},
       {"business_f_nadrag_hair_", 1},
       5},
      {3,
       kId,
       "casual_f_nadrag.x",
       "\\casual_f\\",
       "casual_f",
       {"casual_f_nadragcopf_", 13},
       {"casual_f_nadragcopf_hair_", 13},
       5},
      {4,
       kId,
       "casual_f_halasz.X",
       "\\casual_f\\",
       "casual_f",
       {"casual_f_halasz_", 2},
       {"casual_f_halasz_hair_", 2},
       5},
      {5, kId, "casual_f_ruha.x", "\\casual_f\\", "casual_f", {"casual_f_ruha_", 1}, {"casual_f_ruha_hair_", 1}, 5},
      {6,
       kId,
       "casual_f_szoknya.x",
       "\\casual_f\\",
       "casual_f",
       {"casual_f_szoknya_", 3},
       {"casual_f_szoknya_hair_", 3},
       5},
      {7, kId, "casual_m.X", "\\casual_m\\", "casual_m", {"casual_m_", 31}, {}, 4},
      {8, kId, "child01_f_multianim.x", "\\child_f\\", "child_f", {"child01_f_", 6}, {"child01_f_hair", 0}, 3},
      {9, kId, "child02_f_multianim.x", "\\child_f\\", "child_f", {"child02_f_", 6}, {"child02_f_hair", 0}, 1},
      {10, kId, "child_m.X", "\\child_m\\", "child_m", {"child_m_", 11}, {}, 2},
      {11, kId, "granny.X", "\\granny\\", "granny", {"granny_", 8}, {}, 5},
      {12, kId, "sportive_f.X", "\\sportive_f\\", "sportive_f", {"sportive_f_", 3}, {}, 5},
      {13, kId, "sportive_m.X", "\\sportive_m\\", "sportive_m", {"sportive_m_", 8}, {}, 4},
      {15, 1, "pellwhit.x", "\\", nullptr, {}, {}, kNone},
      {16, 2, "Fizzleda.X", "\\", nullptr, {}, {}, kNone},
      {17, 3, "fizzwick.X", "\\", nullptr, {}, {}, kNone},
      {18, 5, "marivelle.X", "\\", nullptr, {}, {}, kNone},
      {21, 6, "brimsey.X", "\\", nullptr, {}, {}, kNone},
      {19, 10, "gardener_multianim.X", "\\", nullptr, {}, {}, kNone},
      {20, 11, "engineer_multianim.X", "\\", nullptr, {}, {}, kNone},
      {23, 12, "cleaner_multianim.X", "\\", nullptr, {}, {}, kNone},
      {22, 4, "tembrisk_multianim.X", "\\", nullptr, {}, {}, kNone},
  };
  return templates;
}

const CharacterTemplate* FindCharacterTemplate(int32_t kind) {
  for (const CharacterTemplate& entry : CharacterTemplates()) {
    if (entry.kind == kind) return &entry;
  }
  return nullptr;
}

std::vector<EngineString> DrawTextureNames(const CharacterTemplate& entry, const VariantDraw& draw) {
  std::vector<EngineString> names;
  if (!entry.HasOwnTextures()) return names;
  const EngineString folder =
      EngineString(kCharactersFolder) + EngineString(entry.textureFolder) + EngineString(kTexturesFolder);
  for (const CharacterTemplate::Variants* variants : {&entry.body, &entry.hair}) {
    if (!variants->prefix) continue;
    const int32_t number = variants->count > 0 ? draw(variants->count) : 0;
    names.push_back(folder + VariantName(*variants, number));
  }
  return names;
}

std::vector<EngineString> AllTextureNames(const CharacterTemplate& entry) {
  std::vector<EngineString> all;
  const int32_t most = std::max(entry.body.count, entry.hair.count);
  for (int32_t n = 1; n <= std::max(most, 1); ++n) {
    for (const EngineString& name : DrawTextureNames(entry, [n](int32_t max) { return std::min(n, max); })) {
      if (std::find(all.begin(), all.end(), name) == all.end()) all.push_back(name);
    }
  }
  return all;
}

float CreatedWalkFactor(int32_t kind, float characterDefault) {
  switch (kind) {
    case 8:
    case 9:
    case 10:
    case 18:
      return characterDefault;
    default:
      return CharacterTemplate::kCreatedWalkFactor;
  }
}
