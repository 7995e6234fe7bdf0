#pragma once
// The character templates: one row per kind with the template's id, its
// model below the characters folder, and for the visitor kinds the texture
// variants a new character draws from and the spawn group it starts with.
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/core/EngineString.h"

struct CharacterTemplate {
  // A set of texture variants: files prefix01.dds .. prefixNN.dds, or the
  // fixed file prefix.dds when the count is 0; no texture without a prefix.
  struct Variants {
    const char* prefix = nullptr;
    int32_t count = 0;
  };

  static constexpr int32_t kVisitorTemplateId = -1;
  static constexpr int32_t kNoSpawnGroup = -1;
  static constexpr float kCreatedWalkFactor = 1.6f;

  int32_t kind;
  int32_t id;
  const char* modelFile;
  const char* folder;         // below the characters folder, with its backslashes
  const char* textureFolder;  // below the characters folder, visitor kinds only
  Variants body, hair;
  int32_t spawnGroup;  // the visitor profile of a new visitor, or kNoSpawnGroup

  bool HasOwnTextures() const { return body.prefix != nullptr; }
};

// The 23 templates in the order they are made.
const std::vector<CharacterTemplate>& CharacterTemplates();
// The template of a kind, null when no template has that kind.
const CharacterTemplate* FindCharacterTemplate(int32_t kind);

// Draws a variant number 1..max.
using VariantDraw = std::function<int32_t(int32_t max)>;
// The texture files of a new character of the template, below the base
// folder ("\characters\<folder>\textures\<file>"): body, then hair; empty
// for kinds without own textures.
std::vector<EngineString> DrawTextureNames(const CharacterTemplate& entry, const VariantDraw& draw);
// Every texture file a character of the template may draw, each once.
std::vector<EngineString> AllTextureNames(const CharacterTemplate& entry);

// The walk factor of a character created from a template: children and the
// fifth park character keep the character default.
float CreatedWalkFactor(int32_t kind, float characterDefault);
